// Multiplier and bus-clock decoding: the register words read by the register step become the current
// and maximum multiplier and a bus code, and from those the measured and nominal bus clocks and the
// rated clock. The core code that naming chose selects the scheme.
#include <cstring>

#include "cpuinfo/cpu_info.h"
#include "cpuinfo/msr.h"

namespace {

// Nominal bus clocks in units of 10 Hz, by bus code; code 7 means no bus clock.
const uint32_t kBusClockTable[10] = {6666666,  13333333, 10000000, 16666666, 20000000,
                                     23333333, 26666666, 0,        30000000, 33333333};
constexpr int32_t kNoBusClock = 7;

// Multiplier tables hold twice the multiplier. Tables of 16 entries are indexed by four bits only.
const uint8_t kViaHalfMultipliers[32] = {10, 6,  8,  20, 11, 7,  9,  19, 18, 14, 16, 12, 24, 15, 17, 13,
                                         18, 22, 24, 20, 27, 23, 25, 21, 26, 30, 32, 28, 24, 31, 26, 29};
const uint8_t kP6HalfMultipliers[16] = {10, 6, 8, 4, 11, 7, 9, 5, 7, 14, 16, 12, 4, 15, 3, 13};
const uint8_t kCode3HalfMultipliers[32] = {10, 6,  8,  4, 11, 7,  9,  5, 7, 14, 16, 12, 4, 15, 3, 13,
                                           18, 22, 24, 4, 19, 23, 17, 5, 7, 14, 16, 20, 4, 15, 3, 21};
const uint8_t kCode4HalfMultipliers[32] = {10, 6,  8,  4, 11, 7,  9,  5, 32, 14, 16, 12, 4,  15, 3,  13,
                                           18, 22, 24, 4, 19, 23, 17, 5, 7,  14, 26, 20, 28, 15, 30, 21};
const uint8_t kCode5HalfMultipliers[16] = {32, 34, 36, 38, 40, 42, 44, 46, 48, 50, 52, 54, 24, 26, 28, 30};
const uint8_t kK6HalfMultipliers[16] = {9, 10, 8, 11, 5, 6, 12, 7, 9, 10, 8, 11, 4, 6, 12, 7};
const uint8_t kK6LateHalfMultipliers[16] = {9, 10, 8, 11, 4, 6, 12, 7, 4, 5, 7, 2, 0, 1, 3, 6};
const uint8_t kK7HalfMultipliers[32] = {22, 23, 24, 25, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21,
                                        50, 38, 52, 40, 26, 27, 28, 42, 30, 44, 32, 33, 34, 36, 46, 48};
const uint8_t kK7MobileHalfMultipliers[32] = {22, 23, 24, 25, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21,
                                              6,  38, 8,  40, 26, 27, 28, 42, 30, 44, 32, 33, 34, 36, 46, 48};

// One table entry as a multiplier; the index is masked to the table's size.
template <size_t N>
double HalfMultiplier(const uint8_t (&table)[N], uint32_t index) {
    static_assert((N & (N - 1)) == 0, "tables are powers of two long");
    return table[index & (N - 1)] * 0.5;
}

template <size_t N>
void SetBothFromTable(CCpuInfo& r, const uint8_t (&table)[N], uint32_t index) {
    r.Multiplier = r.MaxMultiplier = HalfMultiplier(table, index);
}

// A clock divided by a multiplier; a zero multiplier gives the not-yet-known -1.0, not infinity.
double Per(double clock, double multiplier) { return multiplier != 0.0 ? clock / multiplier : -1.0; }

bool Has(const char* text, const char* key) { return std::strstr(text, key) != nullptr; }

// Scheme for Cyrix and IDT/VIA processors.
void DecodeVia(CCpuInfo& r, int32_t& busCode) {
    const uint32_t a = r.MsrALow;
    busCode = static_cast<int32_t>((a >> 18) & 3);
    uint32_t idx = (a >> 22) & 15;
    switch (r.CoreCode) {
        case 20:
        case 21:
        case 22: SetBothFromTable(r, kViaHalfMultipliers, idx); return;
        case 23:
        case 24:
            if (a & (1u << 27)) idx += 16;
            SetBothFromTable(r, kViaHalfMultipliers, idx);
            return;
        case 25:
            r.RatedClock = r.RatedClockFromBrand();
            if (r.RatedClock > 1500.0) {
                busCode = 1;
                r.MaxMultiplier = r.RatedClock * (1.0L / 133.333333333333L);
            } else {
                busCode = 2;
                r.MaxMultiplier = r.RatedClock * 0.01;
            }
            r.Multiplier = -1.0;  // the final step copies the maximum
            return;
        default:
            if (r.VendorId == 5 && r.Family == 5 &&
                (r.Model == 9 || (r.Model == 8 && r.Stepping >= 7 && r.Stepping <= 9))) {
                r.Multiplier = r.MaxMultiplier =
                    static_cast<double>(((r.MsrBLow >> 23) & 15) + 2) / static_cast<double>((a & 3) + 2);
            } else if (r.VendorId == 5 && r.Model == 8) {
                r.Multiplier = r.MaxMultiplier = static_cast<double>((a & 3) + 2);
            }
            busCode = kNoBusClock;
            return;
    }
}

int32_t BusCodeFromRatedBus(double ratedBus) {
    if (ratedBus > 333) return 9;
    if (ratedBus > 266) return 6;
    if (ratedBus > 199) return 4;
    if (ratedBus > 166) return 3;
    if (ratedBus > 133) return 1;
    return 2;
}

// Scheme for Intel processors.
void DecodeIntel(CCpuInfo& r, int32_t& busCode) {
    const uint32_t a = r.MsrALow;
    busCode = static_cast<int32_t>((a >> 18) & 3);
    uint32_t idx = (a >> 22) & 15;
    const bool bit27 = (a & (1u << 27)) != 0;
    switch (r.CoreCode) {
        case 1:
            if (r.Model <= 2 || (r.Model == 3 && r.ProcessorType == 1)) busCode = kNoBusClock;
            SetBothFromTable(r, kP6HalfMultipliers, idx);
            return;
        case 3:
            if (bit27 && ((r.Model == 8 && r.Stepping >= 3) || r.Model == 10)) idx += 16;
            SetBothFromTable(r, kCode3HalfMultipliers, idx);
            return;
        case 4:
            if (bit27) idx += 16;
            r.Multiplier = HalfMultiplier(kCode4HalfMultipliers, idx);
            r.MaxMultiplier = r.MaxMultiplierFromBrand(busCode);
            return;
        case 5:
            busCode = 2;
            SetBothFromTable(r, kCode5HalfMultipliers, (a >> 8) & 15);
            return;
        case 6: {
            const uint32_t b = r.MsrBLow;
            r.MaxMultiplier = static_cast<double>(b & 31);
            r.Multiplier = static_cast<double>((b >> 24) & 31);
            // The bus-speed field; 0 is read as the family's first bus.
            static const int32_t kBusBySpeedField[8] = {-1, 1, 4, 3, 6, 6, 6, 6};
            const uint32_t s = (b >> 16) & 7;
            if (s == 0) {
                r.MeasuredBusClock = Per(r.CoreClock, r.Multiplier);
                busCode = r.Model < 3 ? 2 : 6;
            } else {
                busCode = kBusBySpeedField[s];
            }
            return;
        }
        case 7:
        case 8: {
            r.Multiplier = static_cast<double>((a >> 22) & 31);
            r.MeasuredBusClock = Per(r.CoreClock, r.Multiplier);
            uint32_t low = 0;
            uint32_t high = 0;
            ReadMSR(0x198, &low, &high);
            r.MaxMultiplier = static_cast<double>((high >> 8) & 255);
            r.RatedClock = r.RatedClockFromBrand();
            const char* brand = r.BrandString;
            if (Has(brand, "Quad") && Has(brand, "2.93")) {
                busCode = 6;
                r.MaxMultiplier = 11.0;
            } else if (Has(brand, "Quad") && Has(brand, "2.66")) {
                busCode = 6;
                r.MaxMultiplier = 10.0;
            } else if (Has(brand, "Duo") && Has(brand, "2.93")) {
                busCode = 6;
                r.MaxMultiplier = 11.0;
            } else {
                // No maximum multiplier: no rated bus to classify, the 100 MHz bus.
                busCode = r.MaxMultiplier != 0.0 ? BusCodeFromRatedBus(r.RatedClock / r.MaxMultiplier) : 2;
            }
            return;
        }
        default: return;
    }
}

int32_t AthlonBusCode(const CCpuInfo& r) {
    if (r.Family == 6 && r.Model == 10) {
        if (r.IsSempron) return 3;
        if (r.MultiProcessor) return 1;
        if (r.L2Size == 256) return 1;
        return r.MeasuredBusClock >= 190.0 ? 4 : 3;
    }
    if (r.Family == 6 && r.Model == 8) {
        if (r.L2Size == 64) return 1;
        if (r.IsSempron) return 3;
        if (r.Stepping == 0) return 1;
        if (r.MaxMultiplier < 12.5) return 1;
        return r.MeasuredBusClock < 158.327 ? 1 : 3;
    }
    if (r.Family == 6 && r.Model == 6) return 1;
    return 2;
}

// Scheme for AMD processors.
void DecodeAmd(CCpuInfo& r, int32_t& busCode) {
    const uint32_t a = r.MsrALow;
    const uint32_t b = r.MsrBLow;
    switch (r.CoreCode) {
        case 10: {
            const uint32_t idx = a & 15;
            if (r.Model >= 12) {
                SetBothFromTable(r, kK6LateHalfMultipliers, idx);
                busCode = 2;
            } else if (r.Model == 10) {
                r.Multiplier = static_cast<double>(((r.MsrAHigh >> 1) & 31) + 1);
                r.MeasuredBusClock = Per(r.CoreClock, r.Multiplier);
            } else {
                SetBothFromTable(r, kK6HalfMultipliers, idx);
                busCode = kNoBusClock;
            }
            return;
        }
        case 11: {
            uint32_t idx = (a >> 24) & 15;
            if (a & (1u << 19)) idx += 16;
            SetBothFromTable(r, kK7HalfMultipliers, idx);
            r.MeasuredBusClock = Per(r.CoreClock, r.MaxMultiplier);
            busCode = AthlonBusCode(r);
            if (r.Family == 6 && r.Model == 4) {
                if (idx == 4) r.Multiplier = r.MaxMultiplier = 14.0;
                if (idx == 3) r.Multiplier = r.MaxMultiplier = 13.0;
                const int32_t t = static_cast<int32_t>(r.MaxMultiplier * 10);
                if (t >= 110 || t == 80 || t == 95) {
                    busCode = 2;
                } else if (t == 105) {
                    busCode = 1;
                } else {
                    r.MeasuredBusClock = Per(r.CoreClock, r.MaxMultiplier);
                    busCode = r.MeasuredBusClock > 126.6635 ? 1 : 2;
                }
            }
            return;
        }
        case 12: {
            r.Multiplier = HalfMultiplier(kK7MobileHalfMultipliers, b & 31);
            r.MaxMultiplier = HalfMultiplier(kK7MobileHalfMultipliers, (b >> 16) & 31);
            r.MeasuredBusClock = Per(r.CoreClock, r.Multiplier);
            const uint32_t e = kK7MobileHalfMultipliers[(b >> 8) & 31];
            busCode = e == 10 ? 2 : 1;
            if (r.Model <= 7) busCode = 2;
            return;
        }
        case 13: {
            const uint32_t v = (a >> 24) & 63;
            r.Multiplier = r.MaxMultiplier = v * 0.5 + 4;
            r.MaxFid = static_cast<int32_t>(v);
            busCode = 4;
            return;
        }
        case 14: {
            r.Multiplier = (b & 63) * 0.5 + 4;
            const uint32_t m = (b >> 16) & 63;
            r.MaxMultiplier = m == 42 ? ((b >> 8) & 63) * 0.5 + 4 : m * 0.5 + 4;
            r.MaxFid = static_cast<int32_t>((a >> 24) & 63);
            busCode = 4;
            return;
        }
        default: return;
    }
}

}  // namespace

void CCpuInfo::DecodeMultiplierAndBus() {
    int32_t busCode = kNoBusClock;
    if (VendorId == 4 || VendorId == 5)
        DecodeVia(*this, busCode);
    else if (VendorId == 1)
        DecodeIntel(*this, busCode);
    else if (VendorId == 2)
        DecodeAmd(*this, busCode);

    // Final step. Comparisons are written so that a value that is not a number fails them.
    if (!(Multiplier >= 0)) Multiplier = MaxMultiplier;
    if (!(MaxMultiplier >= 0.5)) {
        MaxMultiplier = -1.0;
    } else {
        MeasuredBusClock = Per(CoreClock, Multiplier);
        // An unknown bus clock (-1.0) leaves the front-side bus unknown too.
        MeasuredFsbClock = MeasuredBusClock < 0 ? -1.0 : BusDataRate * MeasuredBusClock;
        const uint32_t entry = (busCode >= 0 && busCode < 10) ? kBusClockTable[busCode] : 0;
        BusClock = entry * 0.00001;
        FsbClock = BusDataRate * BusClock;
        RatedClock = BusClock * MaxMultiplier;
    }
    if (VendorId == 3) RatedClock = TransmetaNominalClock;
}
