#include "cpuinfo/rules.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "cpuinfo/cpu_info.h"

namespace {

double Flag(int32_t value) { return value != 0 ? 1.0 : 0.0; }

double ValueOf(const CCpuInfo& r, Field field) {
    switch (field) {
        case Field::Vendor: return static_cast<int32_t>(r.VendorId);
        case Field::Core: return static_cast<int32_t>(r.CoreCode);
        case Field::Family: return r.Family;
        case Field::Model: return r.Model;
        case Field::Stepping: return r.Stepping;
        case Field::ProcessorType: return r.ProcessorType;
        case Field::ExtFamily: return r.ExtFamily;
        case Field::ExtModel: return r.ExtModel;
        case Field::FullFamily: return r.FullFamily;
        case Field::ExtLeafModel: return r.ExtLeafModel;
        case Field::BrandId: return r.BrandId;
        case Field::PackageType: return r.PackageType;
        case Field::Cores: return r.CoresPerPackage;
        case Field::LogicalPerCore: return r.LogicalPerCore;
        case Field::Processors: return r.ProcessorCount;
        case Field::PlatformId: return r.PlatformId;
        case Field::L2Size: return r.L2Size;
        case Field::L3Size: return r.L3Size;
        case Field::MaxFid: return r.MaxFid;
        case Field::BusClock: return r.BusClock;
        case Field::MeasuredBusClock: return r.MeasuredBusClock;
        case Field::Multiplier: return r.Multiplier;
        case Field::MaxMultiplier: return r.MaxMultiplier;
        case Field::PowerNow: return Flag(r.HasPowerNow);
        case Field::MultiProcessor: return Flag(r.MultiProcessor);
        case Field::MpCapable: return Flag(static_cast<int32_t>((r.Ext1Edx >> 19) & 1u));
        case Field::Svm: return Flag(r.HasSvm);
        case Field::LongMode: return Flag(r.HasLongMode);
        case Field::Sse3: return Flag(r.HasSse3);
        case Field::Sempron: return Flag(r.IsSempron);
        case Field::BrandContains:
        case Field::BrandLacks: break;
    }
    return 0.0;
}

bool Holds(const Condition& c, const CCpuInfo& r) {
    switch (c.field) {
        case Field::BrandContains: return std::strstr(r.BrandString, c.text) != nullptr;
        case Field::BrandLacks: return std::strstr(r.BrandString, c.text) == nullptr;
        default: return c.values.Holds(ValueOf(r, c.field));
    }
}

bool TakesFractions(Field field) {
    return field == Field::BusClock || field == Field::MeasuredBusClock || field == Field::Multiplier ||
           field == Field::MaxMultiplier;
}

// The closed integer bounds of a set of whole numbers.
struct IntegerBounds {
    double low;
    double high;
};
IntegerBounds WholeBounds(const Values& v) {
    double low = v.lowOpen ? std::floor(v.low) + 1 : std::ceil(v.low);
    double high = v.highOpen ? std::ceil(v.high) - 1 : std::floor(v.high);
    return {low, high};
}

bool LowWithin(const Values& outer, const Values& inner) {
    if (inner.low > outer.low) return true;
    if (inner.low < outer.low) return false;
    return !outer.lowOpen || inner.lowOpen;
}
bool HighWithin(const Values& outer, const Values& inner) {
    if (inner.high < outer.high) return true;
    if (inner.high > outer.high) return false;
    return !outer.highOpen || inner.highOpen;
}

// True when every value of `inner` is in `outer`.
bool Within(Field field, const Values& outer, const Values& inner) {
    if (inner.mask != 0) {
        for (uint32_t bit = 0; bit < 64; ++bit) {
            const double value = inner.low + bit;
            if (((inner.mask >> bit) & 1u) != 0 && inner.Holds(value) && !outer.Holds(value)) return false;
        }
        return true;
    }
    if (TakesFractions(field)) return outer.mask == 0 && LowWithin(outer, inner) && HighWithin(outer, inner);
    const IntegerBounds whole = WholeBounds(inner);
    if (whole.low > whole.high) return true;  // no whole number at all
    if (whole.high - whole.low < 64) {
        for (double value = whole.low; value <= whole.high; value += 1)
            if (!outer.Holds(value)) return false;
        return true;
    }
    if (outer.mask != 0) return false;
    const IntegerBounds bounds = WholeBounds(outer);
    return bounds.low <= whole.low && whole.high <= bounds.high;
}

bool Implies(const Condition& later, const Condition& earlier) {
    if (later.field != earlier.field) return false;
    switch (earlier.field) {
        // A text that contains the later row's text contains the earlier's.
        case Field::BrandContains: return std::strstr(later.text, earlier.text) != nullptr;
        // A text without the later row's text is without every text that contains it.
        case Field::BrandLacks: return std::strstr(earlier.text, later.text) != nullptr;
        default: return Within(earlier.field, earlier.values, later.values);
    }
}

}  // namespace

bool Match::Accepts(const CCpuInfo& record) const {
    for (size_t i = 0; i < count_; ++i)
        if (!Holds(conditions_[i], record)) return false;
    return !predicate_ || predicate_(record);
}

bool Covers(const Match& earlier, const Match& later) {
    if (earlier.HasPredicate()) return false;
    for (size_t i = 0; i < earlier.ConditionCount(); ++i) {
        bool implied = false;
        for (size_t j = 0; j < later.ConditionCount() && !implied; ++j)
            implied = Implies(later.ConditionAt(j), earlier.ConditionAt(i));
        if (!implied) return false;
    }
    return true;
}


// Reached only when a table is built at run time with a bad row; in a constant table the call stops
// the build instead.
void rules_detail::ValuesTooFarApart() { std::abort(); }
void rules_detail::TooManyConditions() { std::abort(); }
