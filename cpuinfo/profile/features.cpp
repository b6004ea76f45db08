// Reads the feature table's bits from CPUID.
#include "cpuinfo/profile/features.h"

#include <cstring>

#include "cpuinfo/profile/cpuid_view.h"
#include "cpuinfo/profile/profile_steps.h"

namespace profile {

#define PROFILE_FEATURE_ROW(leaf, subleaf, reg, bit, name) {leaf, subleaf, Register::reg, bit, name},
const FeatureBit kFeatureBits[kFeatureCount] = {PROFILE_FEATURES(PROFILE_FEATURE_ROW)};
#undef PROFILE_FEATURE_ROW

size_t FeatureIndex(const char* name) {
    if (!name) return kFeatureCount;
    for (size_t i = 0; i < kFeatureCount; ++i)
        if (std::strcmp(kFeatureBits[i].name, name) == 0) return i;
    return kFeatureCount;
}

size_t FeatureSet::Count() const {
    size_t count = 0;
    for (size_t i = 0; i < kFeatureCount; ++i) count += Has(i) ? 1u : 0u;
    return count;
}

void ReadFeatures(const CpuidView& cpuid, FeatureSet& features) {
    features = FeatureSet();
    for (size_t i = 0; i < kFeatureCount; ++i) {
        const FeatureBit& row = kFeatureBits[i];
        const uint32_t value = RegisterOf(cpuid.Leaf(row.leaf, row.subleaf), static_cast<uint8_t>(row.reg));
        if ((value >> (row.bit & 31u)) & 1u) features.Set(i);
    }
}

}  // namespace profile
