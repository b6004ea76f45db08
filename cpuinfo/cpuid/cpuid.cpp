#include "cpuinfo/cpu_info.h"
#include "platform/machine.h"

void Cpuid(uint32_t leaf, uint32_t* eax, uint32_t* ebx, uint32_t* ecx, uint32_t* edx) {
    platform::CpuidRegs regs = platform::CurrentMachine().Cpuid(leaf, 0);
    *eax = regs.eax;
    *ebx = regs.ebx;
    *ecx = regs.ecx;
    *edx = regs.edx;
}
