#include "cpuinfo/cpu_info.h"
#include "platform/machine.h"

namespace {

void Store(const platform::CpuidRegs& regs, uint32_t* eax, uint32_t* ebx, uint32_t* ecx, uint32_t* edx) {
    *eax = regs.eax;
    *ebx = regs.ebx;
    *ecx = regs.ecx;
    *edx = regs.edx;
}

}  // namespace

void CCpuInfo::QueryCpuid(uint32_t leaf, uint32_t* eax, uint32_t* ebx, uint32_t* ecx, uint32_t* edx) {
    Store(MachineInUse->Cpuid(leaf, 0), eax, ebx, ecx, edx);
}

void Cpuid(uint32_t leaf, uint32_t* eax, uint32_t* ebx, uint32_t* ecx, uint32_t* edx) {
    Store(platform::NativeMachine().Cpuid(leaf, 0), eax, ebx, ecx, edx);
}
