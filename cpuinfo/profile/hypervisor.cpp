// The hypervisor the processor runs under: the flag of leaf 1 and the signature of leaf 0x40000000.
#include <cstring>

#include "cpuinfo/profile/profile_steps.h"
#include "cpuinfo/text.h"

namespace profile {

namespace {

struct HypervisorName {
    char signature[13];  // the twelve characters of leaf 0x40000000 EBX, ECX, EDX
    const char* name;
};

// Sources: the hypervisors' documentation of leaf 0x40000000; Linux arch/x86/kernel/cpu/hypervisor.c.
const HypervisorName kHypervisors[] = {
    {"KVMKVMKVM\0\0\0", "KVM"},          {"Linux KVM Hv", "KVM"},
    {"Microsoft Hv", "Hyper-V"},         {"VMwareVMware", "VMware"},
    {"XenVMMXenVMM", "Xen"},             {"TCGTCGTCGTCG", "QEMU"},
    {"bhyve bhyve ", "bhyve"},           {" lrpepyh  vr", "Parallels"},
    {"VBoxVBoxVBox", "VirtualBox"},      {"ACRNACRNACRN", "ACRN"},
    {"QNXQVMBSQG\0\0", "QNX"},           {"Jailhouse\0\0\0", "Jailhouse"},
    {"OpenBSDVMM58", "OpenBSD vmm"},     {"HAXMHAXMHAXM", "HAXM"},
    {"VirtualApple", "Apple Rosetta"},   {"MicrosoftXTA", "Microsoft x86 emulation"},
};

}  // namespace

void ReadHypervisor(const CpuidView& cpuid, ProcessorProfile& out) {
    out.underHypervisor = cpuid.MaxBasic() >= 1 && (cpuid.Leaf(1).ecx >> 31) != 0;
    if (!out.underHypervisor || !cpuid.Has(0x40000000u)) return;
    const platform::CpuidRegs regs = cpuid.Leaf(0x40000000u);
    char signature[13];
    CopyRegisterChars(signature, regs.ebx);
    CopyRegisterChars(signature + 4, regs.ecx);
    CopyRegisterChars(signature + 8, regs.edx);
    signature[12] = '\0';
    for (const HypervisorName& known : kHypervisors) {
        if (std::memcmp(known.signature, signature, 12) == 0) {
            CopyText(out.hypervisor, known.name);
            return;
        }
    }
    // An unknown hypervisor: the printable characters of its signature.
    char printable[13];
    size_t length = 0;
    for (size_t i = 0; i < 12; ++i)
        if (signature[i] > ' ' && signature[i] < 0x7F) printable[length++] = signature[i];
    printable[length] = '\0';
    CopyText(out.hypervisor, printable);
}

}  // namespace profile
