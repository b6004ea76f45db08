// Speed ratings read from the brand string where the registers do not tell them: the rated clock,
// and the maximum multiplier for a bus clock. Both are ordered key lists; the first key (in list
// order, not position in the text) that occurs in the brand string decides.
#include <cstdio>
#include <cstring>

#include "cpuinfo/cpu_info.h"
#include "cpuinfo/text.h"

namespace {

struct SpeedKey {
    char key[8];
    double value;
    double valueOnSlowBus;  // used when the bus is below 126.6635 MHz; equal to value for most keys
};

// A key list built once, in order, into fixed storage.
template <size_t Capacity>
struct KeyList {
    SpeedKey keys[Capacity];
    size_t count = 0;

    void Add(const char* key, double value) { Add(key, value, value); }
    void Add(const char* key, double value, double valueOnSlowBus) {
        if (count == Capacity) return;
        SpeedKey& entry = keys[count++];
        CopyText(entry.key, key);
        entry.value = value;
        entry.valueOnSlowBus = valueOnSlowBus;
    }
    // "1066" and "1.06" for 1066; withPoint gives the digits after the point.
    void AddFourDigitPair(int n, int digitsAfterPoint, double value) {
        char four[16];
        char pointed[16];
        std::snprintf(four, sizeof four, "%04d", n);
        if (digitsAfterPoint == 2)
            std::snprintf(pointed, sizeof pointed, "%d.%02d", n / 1000, (n / 10) % 100);
        else
            std::snprintf(pointed, sizeof pointed, "%d.%d", n / 1000, (n / 100) % 10);
        Add(four, value);
        Add(pointed, value);
    }
    const SpeedKey* Find(const char* text) const {
        for (size_t i = 0; i < count; ++i)
            if (std::strstr(text, keys[i].key)) return &keys[i];
        return nullptr;
    }
};

KeyList<256> BuildRatedClockKeys() {
    KeyList<256> list;
    // Clocks whose decimal texts would otherwise be taken by the general runs below.
    list.Add("1166", 1166.66); list.Add("1.16", 1166.66);
    list.Add("1833", 1833.33); list.Add("1.83", 1833.33);
    list.Add("2166", 2166.66); list.Add("2.16", 2166.66);
    // Three-digit clocks; the blank keeps them from matching the end of a four-digit number.
    const struct { const char* key; double value; } threeDigits[] = {
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
        if (n % 1000 == 666) {  // also written rounded up: 1667, 1.67
            char four[16];
            char pointed[16];
            std::snprintf(four, sizeof four, "%04d", n + 1);
            std::snprintf(pointed, sizeof pointed, "%d.%d7", n / 1000, (n / 100) % 10);
            list.Add(four, value);
            list.Add(pointed, value);
        }
    }
    for (int hundred = 1; hundred <= 9; ++hundred) {
        char key[16];
        std::snprintf(key, sizeof key, " %d00", hundred);
        list.Add(key, hundred * 100.0);
    }
    for (int n = 1000; n <= 5000; n += 100) list.AddFourDigitPair(n, 1, n);
    return list;
}

// 133 MHz bus: clocks k x 66.66 MHz for k from 6 to 45, each giving multiplier k / 2.
KeyList<128> BuildFastBusKeys() {
    KeyList<128> list;
    for (int k = 6; k <= 45; ++k) {
        const int n = k * 200 / 3;
        const double multiplier = k / 2.0;
        char key[16];
        if (k < 15) {
            std::snprintf(key, sizeof key, " %d", n);
            list.Add(key, multiplier);
            if (n % 1000 == 666) list.Add(" 667", multiplier);
            continue;
        }
        list.AddFourDigitPair(n, 2, multiplier);
        if (n % 1000 == 666) {
            char four[16];
            char pointed[16];
            std::snprintf(four, sizeof four, "%04d", n + 1);
            std::snprintf(pointed, sizeof pointed, "%d.%d7", n / 1000, (n / 100) % 10);
            list.Add(four, multiplier);
            list.Add(pointed, multiplier);
        }
    }
    return list;
}

// 100 MHz bus. Three clocks are sold on both buses: their multiplier depends on the measured bus.
KeyList<96> BuildSlowBusKeys() {
    KeyList<96> list;
    for (int hundred = 3; hundred <= 9; ++hundred) {
        char key[16];
        std::snprintf(key, sizeof key, " %d00", hundred);
        list.Add(key, hundred);
    }
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

const KeyList<256>& RatedClockKeys() {
    static const KeyList<256> keys = BuildRatedClockKeys();
    return keys;
}
const KeyList<128>& FastBusKeys() {
    static const KeyList<128> keys = BuildFastBusKeys();
    return keys;
}
const KeyList<96>& SlowBusKeys() {
    static const KeyList<96> keys = BuildSlowBusKeys();
    return keys;
}

}  // namespace

double CCpuInfo::RatedClockFromBrand() {
    const SpeedKey* key = RatedClockKeys().Find(BrandString);
    return key ? key->value : -1.0;
}

double CCpuInfo::MaxMultiplierFromBrand(BusCode busCode) {
    if (busCode == BusCode::Bus133) {
        if (const SpeedKey* key = FastBusKeys().Find(BrandString)) MaxMultiplier = key->value;
    } else if (busCode == BusCode::Bus100) {
        if (const SpeedKey* key = SlowBusKeys().Find(BrandString))
            // A bus clock that is not a number counts as slow.
            MaxMultiplier = MeasuredBusClock >= 126.6635 ? key->value : key->valueOnSlowBus;
    } else {
        MaxMultiplier = Multiplier;
    }
    return MaxMultiplier;
}
