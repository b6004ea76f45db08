// Ordered rule tables. A row is a value: what it matches is a Match (conditions on named record
// facts, each a set of values; a fact without a condition is free), what it sets are the row's other
// fields. One function, FirstMatch, walks every table: the first row whose Match accepts the record
// is the one that applies.
//
//   {When().Model(8).L2(256).PlatformId(kOddPlatform), "Mobile Pentium III (Coppermine)", ...},
//   {When().Model(OneOf(12, 13)).L2(AtMost(1024)), ...},
//   {Always(), "Unknown CPU", ...},
//
// A predicate (And) is the exception, for a condition no fact can say; it only reads the record.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "cpuinfo/codes.h"

class CCpuInfo;

// A set of numbers: every value between low and high (each bound included unless open), and when
// mask is not 0 only the integers low + i whose bit i is set. A single whole number or code converts
// to the set that holds just it.
struct Values {
    double low = 0;
    double high = 0;
    uint64_t mask = 0;
    bool lowOpen = false;
    bool highOpen = false;

    constexpr Values(double lowBound, double highBound, uint64_t bits = 0, bool openLow = false,
                     bool openHigh = false)
        : low(lowBound), high(highBound), mask(bits), lowOpen(openLow), highOpen(openHigh) {}
    template <typename T, typename = std::enable_if_t<std::is_integral<T>::value || std::is_enum<T>::value>>
    constexpr Values(T value)  // NOLINT: implicit, so that a row can say Model(5)
        : Values(static_cast<double>(static_cast<int64_t>(value)), static_cast<double>(static_cast<int64_t>(value))) {}

    // Not-a-number is in no set.
    constexpr bool Holds(double value) const {
        if (lowOpen ? !(value > low) : !(value >= low)) return false;
        if (highOpen ? !(value < high) : !(value <= high)) return false;
        if (mask == 0) return true;
        const double offset = value - low;
        const auto bit = static_cast<uint64_t>(offset);
        return static_cast<double>(bit) == offset && bit < 64 && ((mask >> bit) & 1u) != 0;
    }
};

constexpr double kNoBound = 1e300;

constexpr Values AtLeast(double low) { return {low, kNoBound}; }
constexpr Values AtMost(double high) { return {-kNoBound, high}; }
constexpr Values Above(double low) { return {low, kNoBound, 0, true, false}; }
constexpr Values Below(double high) { return {-kNoBound, high, 0, false, true}; }
constexpr Values Between(double low, double high) { return {low, high}; }
template <typename Code, typename = std::enable_if_t<std::is_enum<Code>::value>>
constexpr Values Between(Code low, Code high) {
    return {static_cast<double>(static_cast<int32_t>(low)), static_cast<double>(static_cast<int32_t>(high))};
}

namespace rules_detail {
void ValuesTooFarApart();  // not constexpr: calling it at compile time stops the build
template <typename T>
constexpr int32_t AsInt(T value) {
    return static_cast<int32_t>(value);
}
}  // namespace rules_detail

// A few integers (or codes) within 64 of each other.
template <typename... T>
constexpr Values OneOf(T... listed) {
    const int32_t values[] = {rules_detail::AsInt(listed)...};
    int32_t low = values[0];
    int32_t high = values[0];
    for (int32_t v : values) {
        if (v < low) low = v;
        if (v > high) high = v;
    }
    if (static_cast<int64_t>(high) - low >= 64) rules_detail::ValuesTooFarApart();
    uint64_t mask = 0;
    for (int32_t v : values) mask |= uint64_t{1} << static_cast<uint32_t>(v - low);
    return {static_cast<double>(low), static_cast<double>(high), mask};
}

// The record facts a row can match. Flags (PowerNow ... Sempron) are 1 when the record's value is
// not 0, and 0 otherwise.
enum class Field : uint8_t {
    Vendor,
    Core,
    Family,          // base family of leaf 1
    Model,           // base model of leaf 1
    Stepping,
    ProcessorType,
    ExtFamily,
    ExtModel,
    FullFamily,
    ExtLeafModel,    // model of the extended signature, extended model included
    BrandId,
    PackageType,
    Cores,           // cores per package
    LogicalPerCore,
    Processors,      // processors the operating system reports
    PlatformId,
    L2Size,
    L3Size,
    MaxFid,
    BusClock,
    MeasuredBusClock,
    Multiplier,
    MaxMultiplier,
    PowerNow,        // frequency and voltage control
    MultiProcessor,
    MpCapable,       // CPUID 0x80000001 EDX bit 19
    Svm,
    LongMode,
    Sse3,
    Sempron,
    BrandContains,   // the brand string contains the condition's text
    BrandLacks,      // the brand string does not contain it
};

struct Condition {
    Field field = Field::Vendor;
    Values values = {0.0, 0.0};
    const char* text = nullptr;  // BrandContains and BrandLacks only
};

namespace rules_detail {
void TooManyConditions();  // not constexpr: calling it at compile time stops the build
}

class Match {
public:
    static constexpr size_t kMaxConditions = 6;
    using Predicate = bool (*)(const CCpuInfo&);

    constexpr Match() = default;

    constexpr Match Vendor(Values v) const { return With(Field::Vendor, v); }
    constexpr Match Core(Values v) const { return With(Field::Core, v); }
    constexpr Match Family(Values v) const { return With(Field::Family, v); }
    constexpr Match Model(Values v) const { return With(Field::Model, v); }
    constexpr Match Stepping(Values v) const { return With(Field::Stepping, v); }
    constexpr Match ProcessorType(Values v) const { return With(Field::ProcessorType, v); }
    constexpr Match ExtFamily(Values v) const { return With(Field::ExtFamily, v); }
    constexpr Match ExtModel(Values v) const { return With(Field::ExtModel, v); }
    constexpr Match FullFamily(Values v) const { return With(Field::FullFamily, v); }
    constexpr Match ExtLeafModel(Values v) const { return With(Field::ExtLeafModel, v); }
    constexpr Match BrandId(Values v) const { return With(Field::BrandId, v); }
    constexpr Match PackageType(Values v) const { return With(Field::PackageType, v); }
    constexpr Match Cores(Values v) const { return With(Field::Cores, v); }
    constexpr Match LogicalPerCore(Values v) const { return With(Field::LogicalPerCore, v); }
    constexpr Match Processors(Values v) const { return With(Field::Processors, v); }
    constexpr Match PlatformId(Values v) const { return With(Field::PlatformId, v); }
    constexpr Match L2(Values v) const { return With(Field::L2Size, v); }
    constexpr Match L3(Values v) const { return With(Field::L3Size, v); }
    constexpr Match MaxFid(Values v) const { return With(Field::MaxFid, v); }
    constexpr Match BusClock(Values v) const { return With(Field::BusClock, v); }
    constexpr Match MeasuredBusClock(Values v) const { return With(Field::MeasuredBusClock, v); }
    constexpr Match Multiplier(Values v) const { return With(Field::Multiplier, v); }
    constexpr Match MaxMultiplier(Values v) const { return With(Field::MaxMultiplier, v); }
    constexpr Match PowerNow(bool on) const { return With(Field::PowerNow, on ? 1 : 0); }
    constexpr Match MultiProcessor(bool on) const { return With(Field::MultiProcessor, on ? 1 : 0); }
    constexpr Match MpCapable(bool on) const { return With(Field::MpCapable, on ? 1 : 0); }
    constexpr Match Svm(bool on) const { return With(Field::Svm, on ? 1 : 0); }
    constexpr Match LongMode(bool on) const { return With(Field::LongMode, on ? 1 : 0); }
    constexpr Match Sse3(bool on) const { return With(Field::Sse3, on ? 1 : 0); }
    constexpr Match Sempron(bool on) const { return With(Field::Sempron, on ? 1 : 0); }
    constexpr Match Brand(const char* text) const { return With(Field::BrandContains, 0, text); }
    constexpr Match BrandLacks(const char* text) const { return With(Field::BrandLacks, 0, text); }
    constexpr Match And(Predicate predicate) const {
        Match next = *this;
        next.predicate_ = predicate;
        return next;
    }

    bool Accepts(const CCpuInfo& record) const;

    // What the row says, for tests that reason about whole tables.
    constexpr size_t ConditionCount() const { return count_; }
    constexpr const Condition& ConditionAt(size_t i) const { return conditions_[i]; }
    constexpr bool HasPredicate() const { return predicate_ != nullptr; }

private:
    constexpr Match With(Field field, Values values, const char* text = nullptr) const {
        if (count_ == kMaxConditions) rules_detail::TooManyConditions();
        Match next = *this;
        next.conditions_[next.count_] = Condition{field, values, text};
        ++next.count_;
        return next;
    }

    Condition conditions_[kMaxConditions] = {};
    size_t count_ = 0;
    Predicate predicate_ = nullptr;
};

// The start of a row's conditions, and the match of a row without any.
constexpr Match When() { return Match(); }
constexpr Match Always() { return Match(); }

// True when every record that `later` accepts is accepted by `earlier` too, as far as the conditions
// show (a predicate on `earlier` makes it false): a row with `later` after a row with `earlier` can
// never be chosen.
bool Covers(const Match& earlier, const Match& later);

// A table as a range of rows, so that a row can name another table.
template <typename Row>
struct Rows {
    const Row* first = nullptr;
    size_t count = 0;

    constexpr Rows() = default;
    template <size_t N>
    constexpr Rows(const Row (&rows)[N]) : first(rows), count(N) {}  // NOLINT: implicit by design

    constexpr const Row* begin() const { return first; }
    constexpr const Row* end() const { return first + count; }
};

// A row of a table of tables: which rows apply to the processors the match accepts.
template <typename Row>
struct TableChoice {
    Match match;
    Rows<Row> rows;  // empty: no row applies
};

template <typename Row, typename Subject>
const Row* FirstMatch(Rows<Row> rows, const Subject& subject) {
    for (const Row& row : rows)
        if (row.match.Accepts(subject)) return &row;
    return nullptr;
}

template <typename Row, size_t N, typename Subject>
const Row* FirstMatch(const Row (&rows)[N], const Subject& subject) {
    return FirstMatch(Rows<Row>(rows), subject);
}

// The first row of the first table whose choice accepts the record.
template <typename Row, size_t N, typename Subject>
const Row* FirstMatchIn(const TableChoice<Row> (&choices)[N], const Subject& subject) {
    const TableChoice<Row>* choice = FirstMatch(choices, subject);
    return choice ? FirstMatch(choice->rows, subject) : nullptr;
}

// Keyed lookups: the row whose `key` equals the key, or null.
template <typename Row, size_t N, typename Key>
const Row* FindByKey(const Row (&rows)[N], const Key& key) {
    for (const Row& row : rows)
        if (row.key == key) return &row;
    return nullptr;
}
