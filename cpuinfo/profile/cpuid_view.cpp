#include "cpuinfo/profile/cpuid_view.h"

namespace profile {

namespace {

constexpr uint32_t kExtendedBase = 0x80000000u;
constexpr uint32_t kHypervisorBase = 0x40000000u;
constexpr uint32_t kTransmetaBase = 0x80860000u;
constexpr uint32_t kCentaurBase = 0xC0000000u;

// A range is present when its first leaf names a highest leaf within the range's first 64K leaves.
bool InRange(uint32_t base, uint32_t max) { return max >= base && max - base <= 0xFFFFu; }

}  // namespace

CpuidView::CpuidView(platform::Machine& machine) : machine_(machine) {
    maxBasic_ = machine_.Cpuid(0, 0).eax;
    maxExtended_ = RangeMax(kExtendedBase);
    // The hypervisor range exists only when leaf 1 says a hypervisor is present; bare metal answers
    // those leaves with data of another leaf. A hypervisor that reports no highest leaf has 0x40000001.
    if (maxBasic_ >= 1 && (machine_.Cpuid(1, 0).ecx >> 31) != 0) {
        uint32_t max = machine_.Cpuid(kHypervisorBase, 0).eax;
        maxHypervisor_ = InRange(kHypervisorBase, max) ? max : kHypervisorBase + 1;
    }
    maxTransmeta_ = RangeMax(kTransmetaBase);
    maxCentaur_ = RangeMax(kCentaurBase);
}

uint32_t CpuidView::RangeMax(uint32_t base) const {
    uint32_t max = machine_.Cpuid(base, 0).eax;
    return InRange(base, max) ? max : 0;
}

bool CpuidView::Has(uint32_t leaf) const {
    uint32_t max = 0;
    if (leaf < kHypervisorBase) max = maxBasic_;
    else if (leaf >= kHypervisorBase && leaf <= kHypervisorBase + 0xFFFFu) max = maxHypervisor_;
    else if (leaf >= kExtendedBase && leaf <= kExtendedBase + 0xFFFFu) max = maxExtended_;
    else if (leaf >= kTransmetaBase && leaf <= kTransmetaBase + 0xFFFFu) max = maxTransmeta_;
    else if (leaf >= kCentaurBase && leaf <= kCentaurBase + 0xFFFFu) max = maxCentaur_;
    else return false;
    if (leaf < kHypervisorBase) return leaf <= max;
    return max != 0 && leaf <= max;
}

platform::CpuidRegs CpuidView::Leaf(uint32_t leaf, uint32_t subleaf) const {
    if (!Has(leaf)) return {};
    return machine_.Cpuid(leaf, subleaf);
}

uint32_t RegisterOf(const platform::CpuidRegs& regs, uint8_t index) {
    switch (index & 3u) {
        case 0: return regs.eax;
        case 1: return regs.ebx;
        case 2: return regs.ecx;
        default: return regs.edx;
    }
}

void CopyRegisterChars(char* target, uint32_t value) {
    for (int i = 0; i < 4; ++i) target[i] = static_cast<char>((value >> (8 * i)) & 0xFFu);
}

}  // namespace profile
