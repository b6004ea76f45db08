// Speed ratings read from the brand string where the registers do not tell them: the rated clock,
// and the maximum multiplier for a bus clock. Both are ordered key lists, built at compile time; the
// first key (in list order, not position in the text) that occurs in the brand string decides.
#include <cstdlib>
#include <cstring>

#include "cpuinfo/cpu_info.h"
#include "cpuinfo/rule_tables.h"

namespace {

// Not constexpr: reached while a list is built at compile time, they stop the build, so that no key
// is ever cut or dropped.
[[noreturn]] void KeyTooLong() { std::abort(); }
[[noreturn]] void KeyListFull() { std::abort(); }

// A key's text, built at compile time: "1066", "1.06", " 133".
struct KeyText {
    char text[8] = {};
    size_t length = 0;

    constexpr KeyText& Put(char c) {
        if (length + 1 >= sizeof text) KeyTooLong();
        text[length++] = c;
        return *this;
    }
    constexpr KeyText& Put(const char* chars) {
        while (*chars) Put(*chars++);
        return *this;
    }
    // A number of at least `width` decimal digits, zeros in front.
    constexpr KeyText& Number(int n, int width = 1) {
        char digits[12] = {};
        int count = 0;
        do {
            digits[count++] = static_cast<char>('0' + n % 10);
            n /= 10;
        } while (n > 0 || count < width);
        while (count > 0) Put(digits[--count]);
        return *this;
    }
};

struct SpeedKey {
    char key[8];
    double value;
    double valueOnSlowBus;  // used when the bus is below 126.6635 MHz; equal to value for most keys
};

// A key list in its order, in fixed storage.
template <size_t Capacity>
struct KeyList {
    SpeedKey keys[Capacity] = {};
    size_t count = 0;

    constexpr void Add(const KeyText& key, double value, double valueOnSlowBus) {
        if (count == Capacity) KeyListFull();
        SpeedKey& entry = keys[count++];
        for (size_t i = 0; i < sizeof entry.key; ++i) entry.key[i] = key.text[i];
        entry.value = value;
        entry.valueOnSlowBus = valueOnSlowBus;
    }
    constexpr void Add(const KeyText& key, double value) { Add(key, value, value); }
    constexpr void Add(const char* key, double value, double valueOnSlowBus) {
        Add(KeyText().Put(key), value, valueOnSlowBus);
    }
    constexpr void Add(const char* key, double value) { Add(KeyText().Put(key), value, value); }

    // "1066" and "1.06" for 1066 with two digits after the point; "1000" and "1.0" with one.
    constexpr void AddFourDigitPair(int n, int digitsAfterPoint, double value) {
        Add(KeyText().Number(n, 4), value);
        if (digitsAfterPoint == 2)
            Add(KeyText().Number(n / 1000).Put('.').Number((n / 10) % 100, 2), value);
        else
            Add(KeyText().Number(n / 1000).Put('.').Number((n / 100) % 10), value);
    }
    // A clock ending in 666 is also written rounded up: "1667" and "1.67" for 1666.
    constexpr void AddRoundedUp(int n, double value) {
        if (n % 1000 != 666) return;
        Add(KeyText().Number(n + 1, 4), value);
        Add(KeyText().Number(n / 1000).Put('.').Number((n / 100) % 10).Put('7'), value);
    }

    const SpeedKey* Find(const char* text) const {
        for (size_t i = 0; i < count; ++i)
            if (std::strstr(text, keys[i].key)) return &keys[i];
        return nullptr;
    }
};

constexpr KeyList<256> BuildRatedClockKeys() {
    KeyList<256> list;
    // Clocks whose decimal texts would otherwise be taken by the general runs below.
    list.Add("1166", 1166.66);
    list.Add("1.16", 1166.66);
    list.Add("1833", 1833.33);
    list.Add("1.83", 1833.33);
    list.Add("2166", 2166.66);
    list.Add("2.16", 2166.66);
    // Three-digit clocks; the blank keeps them from matching the end of a four-digit number.
    const struct {
        const char* key;
        double value;
    } threeDigits[] = {
        {" 133", 133.33}, {" 166", 166.66}, {" 233", 233.33}, {" 266", 266.66}, {" 333", 333.33},
        {" 366", 366.66}, {" 433", 433.0},  {" 466", 466.66}, {" 533", 533.33}, {" 566", 566.66},
        {" 666", 666.66}, {" 667", 666.66}, {" 733", 733.33}, {" 866", 866.66}, {" 933", 933.33},
    };
    for (const auto& entry : threeDigits) list.Add(entry.key, entry.value);
    // Multiples of 66.66 MHz from 1066 to 4933 that are not whole hundreds.
    for (int k = 16; k <= 74; ++k) {
        if (k % 3 == 0) continue;
        const int n = k * 200 / 3;
        const double value = n + (n % 10 == 6 ? 0.66 : 0.33);
        list.AddFourDigitPair(n, 2, value);
        list.AddRoundedUp(n, value);
    }
    for (int hundred = 1; hundred <= 9; ++hundred) list.Add(KeyText().Put(' ').Number(hundred).Put("00"), hundred * 100.0);
    for (int n = 1000; n <= 5000; n += 100) list.AddFourDigitPair(n, 1, n);
    return list;
}

// 133 MHz bus: clocks k x 66.66 MHz for k from 6 to 45, each giving multiplier k / 2.
constexpr KeyList<128> BuildFastBusKeys() {
    KeyList<128> list;
    for (int k = 6; k <= 45; ++k) {
        const int n = k * 200 / 3;
        const double multiplier = k / 2.0;
        if (k < 15) {
            list.Add(KeyText().Put(' ').Number(n), multiplier);
            if (n % 1000 == 666) list.Add(" 667", multiplier);
            continue;
        }
        list.AddFourDigitPair(n, 2, multiplier);
        list.AddRoundedUp(n, multiplier);
    }
    return list;
}

// 100 MHz bus. Three clocks are sold on both buses: their multiplier depends on the measured bus.
constexpr KeyList<96> BuildSlowBusKeys() {
    KeyList<96> list;
    for (int hundred = 3; hundred <= 9; ++hundred) list.Add(KeyText().Put(' ').Number(hundred).Put("00"), hundred);
    list.Add("1.73", 13.0);
    list.Add("1.86", 14.0);
    list.Add("2.00", 15.0, 20.0);
    list.Add("2.13", 16.0);
    list.Add("2.26", 17.0);
    list.Add("2.40", 18.0, 24.0);
    list.Add("2.53", 19.0);
    list.Add("2.66", 20.0);
    list.Add("2.67", 20.0);
    list.Add("2.80", 21.0, 28.0);
    for (int n = 1000; n <= 3000; n += 100) list.AddFourDigitPair(n, 1, n / 100.0);
    return list;
}

constexpr KeyList<256> kRatedClockKeys = BuildRatedClockKeys();
constexpr KeyList<128> kFastBusKeys = BuildFastBusKeys();
constexpr KeyList<96> kSlowBusKeys = BuildSlowBusKeys();

}  // namespace

double CCpuInfo::RatedClockFromBrand() {
    const SpeedKey* key = kRatedClockKeys.Find(BrandString);
    return key ? key->value : -1.0;
}

double CCpuInfo::MaxMultiplierFromBrand(BusCode busCode) {
    if (busCode == BusCode::Bus133) {
        if (const SpeedKey* key = kFastBusKeys.Find(BrandString)) MaxMultiplier = key->value;
    } else if (busCode == BusCode::Bus100) {
        if (const SpeedKey* key = kSlowBusKeys.Find(BrandString))
            // A bus clock that is not a number counts as slow.
            MaxMultiplier = MeasuredBusClock >= 126.6635 ? key->value : key->valueOnSlowBus;
    } else {
        MaxMultiplier = Multiplier;
    }
    return MaxMultiplier;
}

const RuleTableList& BrandRatingTables() {
    static constexpr RuleTable kTables[] = {
        {"kRatedClockKeys", kRatedClockKeys.count, nullptr, nullptr,
         [](size_t row) -> const char* { return kRatedClockKeys.keys[row].key; }, nullptr, true},
        {"kFastBusKeys", kFastBusKeys.count, nullptr, nullptr,
         [](size_t row) -> const char* { return kFastBusKeys.keys[row].key; }, nullptr, true},
        {"kSlowBusKeys", kSlowBusKeys.count, nullptr, nullptr,
         [](size_t row) -> const char* { return kSlowBusKeys.keys[row].key; }, nullptr, true},
    };
    static constexpr RuleTableList kList = CPUINFO_RULE_TABLE_LIST(kTables);
    return kList;
}
