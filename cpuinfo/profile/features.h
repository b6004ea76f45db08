// The features of the profile: the rows of the feature table and a fixed-size set of them.
#pragma once

#include <cstddef>
#include <cstdint>

#include "cpuinfo/profile/feature_table.h"

namespace profile {

enum class Register : uint8_t { Eax, Ebx, Ecx, Edx };

struct FeatureBit {
    uint32_t leaf;
    uint32_t subleaf;
    Register reg;
    uint8_t bit;
    const char* name;  // as Linux spells it in /proc/cpuinfo
};

#define PROFILE_COUNT_FEATURE(leaf, subleaf, reg, bit, name) +1
constexpr size_t kFeatureCount = 0 PROFILE_FEATURES(PROFILE_COUNT_FEATURE);
#undef PROFILE_COUNT_FEATURE

// The feature table, in report order.
extern const FeatureBit kFeatureBits[kFeatureCount];

// The index of the named feature in the table, or kFeatureCount when there is none.
size_t FeatureIndex(const char* name);

// Which rows of the feature table the processor has.
class FeatureSet {
public:
    void Set(size_t index) {
        if (index < kFeatureCount) words_[index / 32] |= 1u << (index % 32);
    }
    bool Has(size_t index) const { return index < kFeatureCount && (words_[index / 32] >> (index % 32)) & 1u; }
    bool Has(const char* name) const { return Has(FeatureIndex(name)); }
    size_t Count() const;

private:
    uint32_t words_[(kFeatureCount + 31) / 32] = {};
};

}  // namespace profile
