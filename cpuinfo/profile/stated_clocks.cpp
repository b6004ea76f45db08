// The clocks the processor states about itself: leaf 0x16 and the leaf 0x15 counter rate.
#include "cpuinfo/profile/profile_steps.h"

namespace profile {

void ReadStatedClocks(const CpuidView& cpuid, ProcessorProfile& out) {
    if (cpuid.Has(0x16)) {
        const platform::CpuidRegs regs = cpuid.Leaf(0x16);
        auto mhz = [](uint32_t value) { return (value & 0xFFFFu) ? static_cast<int32_t>(value & 0xFFFFu) : kUnknown; };
        out.baseMhz = mhz(regs.eax);
        out.maxMhz = mhz(regs.ebx);
        out.busMhz = mhz(regs.ecx);
    }
    if (cpuid.Has(0x15)) {
        // Counter rate = crystal clock x numerator / denominator; a zero means "not stated".
        const platform::CpuidRegs regs = cpuid.Leaf(0x15);
        if (regs.eax && regs.ebx && regs.ecx)
            out.counterMhz = static_cast<double>(regs.ecx) * regs.ebx / regs.eax / 1e6;
    }
}

}  // namespace profile
