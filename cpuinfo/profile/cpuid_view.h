// CPUID as the profile reads it: through a machine, and zeros for every leaf outside the ranges the
// processor reports. Real processors answer a leaf above the maximum with some other leaf's data, so
// the ranges are checked here once rather than by every reader.
#pragma once

#include <cstdint>

#include "platform/machine.h"

namespace profile {

class CpuidView {
public:
    explicit CpuidView(platform::Machine& machine);

    // The registers of leaf and sub-leaf, or zeros when the leaf lies outside its range.
    platform::CpuidRegs Leaf(uint32_t leaf, uint32_t subleaf = 0) const;

    uint32_t MaxBasic() const { return maxBasic_; }
    uint32_t MaxExtended() const { return maxExtended_; }
    bool Has(uint32_t leaf) const;

    platform::Machine& Machine() const { return machine_; }

private:
    // The highest leaf of the range that starts at base, or 0 when the range is absent.
    uint32_t RangeMax(uint32_t base) const;

    platform::Machine& machine_;
    uint32_t maxBasic_ = 0;
    uint32_t maxExtended_ = 0;
    uint32_t maxHypervisor_ = 0;
    uint32_t maxTransmeta_ = 0;
    uint32_t maxCentaur_ = 0;
};

// One register of a leaf.
uint32_t RegisterOf(const platform::CpuidRegs& regs, uint8_t index);

// The four characters a register holds, lowest byte first (vendor, brand and hypervisor strings).
void CopyRegisterChars(char* target, uint32_t value);

}  // namespace profile
