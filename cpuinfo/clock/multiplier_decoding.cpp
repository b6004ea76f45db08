// Multiplier and bus-clock decoding: the register words read by the register step become the current
// and maximum multiplier and a bus code, and from those the measured and nominal bus clocks and the
// rated clock. The vendor and the core code that naming chose select the scheme.
#include "cpuinfo/cpu_info.h"
#include "cpuinfo/rule_tables.h"
#include "cpuinfo/rules.h"

namespace {

// Nominal bus clocks in units of 10 Hz, indexed by bus code; NoBusClock has none.
const uint32_t kBusClockTable[10] = {6666666,  13333333, 10000000, 16666666, 20000000,
                                     23333333, 26666666, 0,        30000000, 33333333};
constexpr BusCode kNoBusClock = BusCode::NoBusClock;

// The bus-speed field of the multiplier register (bits 18 and 19): the first four bus codes.
BusCode BusFromRegister(uint32_t a) { return static_cast<BusCode>((a >> 18) & 3); }

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

// ---- Cyrix and IDT/VIA --------------------------------------------------------------------------

// Bits 22..25 of the register index the VIA table.
void DecodeViaTable(CCpuInfo& r, BusCode& bus) {
    bus = BusFromRegister(r.MsrALow);
    SetBothFromTable(r, kViaHalfMultipliers, (r.MsrALow >> 22) & 15);
}

// The later cores add bit 27 as the index's fifth bit.
void DecodeViaTableWithBit27(CCpuInfo& r, BusCode& bus) {
    const uint32_t a = r.MsrALow;
    bus = BusFromRegister(a);
    uint32_t idx = (a >> 22) & 15;
    if (a & (1u << 27)) idx += 16;
    SetBothFromTable(r, kViaHalfMultipliers, idx);
}

// The C7 reports no multiplier: the rated clock from the brand string tells the bus.
void DecodeEsther(CCpuInfo& r, BusCode& bus) {
    r.RatedClock = r.RatedClockFromBrand();
    if (r.RatedClock > 1500.0) {
        bus = BusCode::Bus133;
        // The product is taken in long double precision, then rounded to the double field.
        r.MaxMultiplier = static_cast<double>(r.RatedClock * (1.0L / 133.333333333333L));
    } else {
        bus = BusCode::Bus100;
        r.MaxMultiplier = r.RatedClock * 0.01;
    }
    r.Multiplier = -1.0;  // the final step copies the maximum
}

// Every other Cyrix or IDT core: the WinChip 2 and 3 multipliers, no bus clock.
void DecodeWinChip(CCpuInfo& r, BusCode& bus) {
    const uint32_t a = r.MsrALow;
    if (r.VendorId == Vendor::Idt && r.Family == 5 &&
        (r.Model == 9 || (r.Model == 8 && r.Stepping >= 7 && r.Stepping <= 9))) {
        r.Multiplier = r.MaxMultiplier =
            static_cast<double>(((r.MsrBLow >> 23) & 15) + 2) / static_cast<double>((a & 3) + 2);
    } else if (r.VendorId == Vendor::Idt && r.Model == 8) {
        r.Multiplier = r.MaxMultiplier = static_cast<double>((a & 3) + 2);
    }
    bus = kNoBusClock;
}

// ---- Intel ---------------------------------------------------------------------------------------

// The Pentium Pro and the P6 OverDrive have no bus-speed field.
void DecodeP6(CCpuInfo& r, BusCode& bus) {
    bus = BusFromRegister(r.MsrALow);
    if (r.Model <= 2 || (r.Model == 3 && r.ProcessorType == 1)) bus = kNoBusClock;
    SetBothFromTable(r, kP6HalfMultipliers, (r.MsrALow >> 22) & 15);
}

// Bit 27 extends the index from stepping 3 of model 8 on, and on model 10.
void DecodeCoppermine(CCpuInfo& r, BusCode& bus) {
    const uint32_t a = r.MsrALow;
    bus = BusFromRegister(a);
    uint32_t idx = (a >> 22) & 15;
    if ((a & (1u << 27)) && ((r.Model == 8 && r.Stepping >= 3) || r.Model == 10)) idx += 16;
    SetBothFromTable(r, kCode3HalfMultipliers, idx);
}

// The current multiplier from the register, the maximum from the brand string.
void DecodeTualatin(CCpuInfo& r, BusCode& bus) {
    const uint32_t a = r.MsrALow;
    bus = BusFromRegister(a);
    uint32_t idx = (a >> 22) & 15;
    if (a & (1u << 27)) idx += 16;
    r.Multiplier = HalfMultiplier(kCode4HalfMultipliers, idx);
    r.MaxMultiplier = r.MaxMultiplierFromBrand(bus);
}

void DecodeWillamette(CCpuInfo& r, BusCode& bus) {
    bus = BusCode::Bus100;
    SetBothFromTable(r, kCode5HalfMultipliers, (r.MsrALow >> 8) & 15);
}

// Both multipliers and the bus-speed field from slot B; a field of 0 is read as the family's first bus.
void DecodeNetBurst(CCpuInfo& r, BusCode& bus) {
    static const BusCode kBusBySpeedField[8] = {kNoBusClock,     BusCode::Bus133, BusCode::Bus200, BusCode::Bus166,
                                                BusCode::Bus266, BusCode::Bus266, BusCode::Bus266, BusCode::Bus266};
    const uint32_t b = r.MsrBLow;
    r.MaxMultiplier = static_cast<double>(b & 31);
    r.Multiplier = static_cast<double>((b >> 24) & 31);
    const uint32_t s = (b >> 16) & 7;
    if (s == 0) {
        r.MeasuredBusClock = Per(r.CoreClock, r.Multiplier);
        bus = r.Model < 3 ? BusCode::Bus100 : BusCode::Bus266;
    } else {
        bus = kBusBySpeedField[s];
    }
}

// Three Core 2 parts whose maximum multiplier and bus the brand string tells better than the registers.
struct BrandBusRow {
    Match match;
    BusCode bus;
    double maxMultiplier;
};
constexpr BrandBusRow kBrandBuses[] = {
    {When().Brand("Quad").Brand("2.93"), BusCode::Bus266, 11.0},
    {When().Brand("Quad").Brand("2.66"), BusCode::Bus266, 10.0},
    {When().Brand("Duo").Brand("2.93"), BusCode::Bus266, 11.0},
};

// The nominal bus that a rated bus clock (rated clock over maximum multiplier) is above the step of.
struct RatedBusStep {
    double above;
    BusCode bus;
};
constexpr RatedBusStep kRatedBusSteps[] = {
    {333, BusCode::Bus333}, {266, BusCode::Bus266}, {199, BusCode::Bus200}, {166, BusCode::Bus166},
    {133, BusCode::Bus133},
};

BusCode BusCodeFromRatedBus(double ratedBus) {
    for (const RatedBusStep& step : kRatedBusSteps)
        if (ratedBus > step.above) return step.bus;
    return BusCode::Bus100;
}

// Pentium M and Core: the current multiplier from the register, the maximum from register 0x198.
void DecodeBaniasAndLater(CCpuInfo& r, BusCode& bus) {
    r.Multiplier = static_cast<double>((r.MsrALow >> 22) & 31);
    r.MeasuredBusClock = Per(r.CoreClock, r.Multiplier);
    uint32_t low = 0;
    uint32_t high = 0;
    r.QueryMsr(0x198, &low, &high);
    r.MaxMultiplier = static_cast<double>((high >> 8) & 255);
    r.RatedClock = r.RatedClockFromBrand();
    if (const BrandBusRow* row = FirstMatch(kBrandBuses, r)) {
        bus = row->bus;
        r.MaxMultiplier = row->maxMultiplier;
    } else {
        // No maximum multiplier: no rated bus to classify, the 100 MHz bus.
        bus = r.MaxMultiplier != 0.0 ? BusCodeFromRatedBus(r.RatedClock / r.MaxMultiplier) : BusCode::Bus100;
    }
}

// Any other Intel core: no multiplier, the bus-speed field only.
void DecodeBusFieldOnly(CCpuInfo& r, BusCode& bus) { bus = BusFromRegister(r.MsrALow); }

// ---- AMD -----------------------------------------------------------------------------------------

void DecodeK6Late(CCpuInfo& r, BusCode& bus) {
    const uint32_t idx = r.MsrALow & 15;
    if (r.Model >= 12) {
        SetBothFromTable(r, kK6LateHalfMultipliers, idx);
        bus = BusCode::Bus100;
    } else if (r.Model == 10) {
        r.Multiplier = static_cast<double>(((r.MsrAHigh >> 1) & 31) + 1);
        r.MeasuredBusClock = Per(r.CoreClock, r.Multiplier);
    } else {
        SetBothFromTable(r, kK6HalfMultipliers, idx);
        bus = kNoBusClock;
    }
}

struct BusRow {
    Match match;
    BusCode bus;
};

// The K7 bus by model, cache and measured bus clock, in this order.
constexpr BusRow kAthlonBuses[] = {
    {When().Family(6).Model(10).Sempron(true), BusCode::Bus166},
    {When().Family(6).Model(10).MultiProcessor(true), BusCode::Bus133},
    {When().Family(6).Model(10).L2(256), BusCode::Bus133},
    {When().Family(6).Model(10).MeasuredBusClock(AtLeast(190.0)), BusCode::Bus200},
    {When().Family(6).Model(10), BusCode::Bus166},
    {When().Family(6).Model(8).L2(64), BusCode::Bus133},
    {When().Family(6).Model(8).Sempron(true), BusCode::Bus166},
    {When().Family(6).Model(8).Stepping(0), BusCode::Bus133},
    {When().Family(6).Model(8).MaxMultiplier(Below(12.5)), BusCode::Bus133},
    {When().Family(6).Model(8).MeasuredBusClock(Below(158.327)), BusCode::Bus133},
    {When().Family(6).Model(8), BusCode::Bus166},
    {When().Family(6).Model(6), BusCode::Bus133},
    {Always(), BusCode::Bus100},
};

void DecodeK7Desktop(CCpuInfo& r, BusCode& bus) {
    const uint32_t a = r.MsrALow;
    uint32_t idx = (a >> 24) & 15;
    if (a & (1u << 19)) idx += 16;
    SetBothFromTable(r, kK7HalfMultipliers, idx);
    r.MeasuredBusClock = Per(r.CoreClock, r.MaxMultiplier);
    bus = FirstMatch(kAthlonBuses, r)->bus;
    if (r.Family == 6 && r.Model == 4) {
        // The Thunderbird: two indexes mean other multipliers, and the multiplier tells the bus.
        if (idx == 4) r.Multiplier = r.MaxMultiplier = 14.0;
        if (idx == 3) r.Multiplier = r.MaxMultiplier = 13.0;
        const auto tenths = static_cast<int32_t>(r.MaxMultiplier * 10);
        if (tenths >= 110 || tenths == 80 || tenths == 95) {
            bus = BusCode::Bus100;
        } else if (tenths == 105) {
            bus = BusCode::Bus133;
        } else {
            r.MeasuredBusClock = Per(r.CoreClock, r.MaxMultiplier);
            bus = r.MeasuredBusClock > 126.6635 ? BusCode::Bus133 : BusCode::Bus100;
        }
    }
}

void DecodeK7Mobile(CCpuInfo& r, BusCode& bus) {
    const uint32_t b = r.MsrBLow;
    r.Multiplier = HalfMultiplier(kK7MobileHalfMultipliers, b & 31);
    r.MaxMultiplier = HalfMultiplier(kK7MobileHalfMultipliers, (b >> 16) & 31);
    r.MeasuredBusClock = Per(r.CoreClock, r.Multiplier);
    const uint32_t e = kK7MobileHalfMultipliers[(b >> 8) & 31];
    bus = e == 10 ? BusCode::Bus100 : BusCode::Bus133;
    if (r.Model <= 7) bus = BusCode::Bus100;
}

void DecodeK8Desktop(CCpuInfo& r, BusCode& bus) {
    const uint32_t v = (r.MsrALow >> 24) & 63;
    r.Multiplier = r.MaxMultiplier = v * 0.5 + 4;
    r.MaxFid = static_cast<int32_t>(v);
    bus = BusCode::Bus200;
}

// Maximum field 42 means: take the start field instead.
void DecodeK8Mobile(CCpuInfo& r, BusCode& bus) {
    const uint32_t b = r.MsrBLow;
    r.Multiplier = (b & 63) * 0.5 + 4;
    const uint32_t m = (b >> 16) & 63;
    r.MaxMultiplier = m == 42 ? ((b >> 8) & 63) * 0.5 + 4 : m * 0.5 + 4;
    r.MaxFid = static_cast<int32_t>((r.MsrALow >> 24) & 63);
    bus = BusCode::Bus200;
}

// ---- The schemes ---------------------------------------------------------------------------------

struct SchemeRow {
    Match match;
    void (*decode)(CCpuInfo& record, BusCode& bus);
};

constexpr Values kCyrixOrIdt = OneOf(Vendor::Cyrix, Vendor::Idt);

// A vendor's last row takes every core code the rows before it do not name.
constexpr SchemeRow kSchemes[] = {
    {When().Vendor(kCyrixOrIdt).Core(OneOf(Core::Samuel, Core::Samuel2, Core::Ezra)), DecodeViaTable},
    {When().Vendor(kCyrixOrIdt).Core(OneOf(Core::EzraT, Core::Nehemiah)), DecodeViaTableWithBit27},
    {When().Vendor(kCyrixOrIdt).Core(Core::Esther), DecodeEsther},
    {When().Vendor(kCyrixOrIdt), DecodeWinChip},
    {When().Vendor(Vendor::Intel).Core(Core::P6), DecodeP6},
    {When().Vendor(Vendor::Intel).Core(Core::Coppermine), DecodeCoppermine},
    {When().Vendor(Vendor::Intel).Core(Core::Tualatin), DecodeTualatin},
    {When().Vendor(Vendor::Intel).Core(Core::Willamette), DecodeWillamette},
    {When().Vendor(Vendor::Intel).Core(Core::NetBurst), DecodeNetBurst},
    {When().Vendor(Vendor::Intel).Core(OneOf(Core::Banias, Core::Dothan)), DecodeBaniasAndLater},
    {When().Vendor(Vendor::Intel), DecodeBusFieldOnly},
    {When().Vendor(Vendor::Amd).Core(Core::K6Late), DecodeK6Late},
    {When().Vendor(Vendor::Amd).Core(Core::K7Desktop), DecodeK7Desktop},
    {When().Vendor(Vendor::Amd).Core(Core::K7Mobile), DecodeK7Mobile},
    {When().Vendor(Vendor::Amd).Core(Core::K8Desktop), DecodeK8Desktop},
    {When().Vendor(Vendor::Amd).Core(Core::K8Mobile), DecodeK8Mobile},
};

}  // namespace

void CCpuInfo::DecodeMultiplierAndBus() {
    BusCode bus = kNoBusClock;
    if (const SchemeRow* scheme = FirstMatch(kSchemes, *this)) scheme->decode(*this, bus);

    // Final step. Comparisons are written so that a value that is not a number fails them.
    if (!(Multiplier >= 0)) Multiplier = MaxMultiplier;
    if (!(MaxMultiplier >= 0.5)) {
        MaxMultiplier = -1.0;
    } else {
        MeasuredBusClock = Per(CoreClock, Multiplier);
        // An unknown bus clock (-1.0) leaves the front-side bus unknown too.
        MeasuredFsbClock = MeasuredBusClock < 0 ? -1.0 : BusDataRate * MeasuredBusClock;
        const auto index = static_cast<uint32_t>(bus);
        const uint32_t entry = index < 10 ? kBusClockTable[index] : 0;
        BusClock = entry * 0.00001;
        FsbClock = BusDataRate * BusClock;
        RatedClock = BusClock * MaxMultiplier;
    }
    if (VendorId == Vendor::Transmeta) RatedClock = TransmetaNominalClock;
}

const RuleTableList& MultiplierDecodingTables() {
    static constexpr RuleTable kTables[] = {
        CPUINFO_RULE_TABLE(kSchemes),
        CPUINFO_RULE_TABLE(kBrandBuses),
        CPUINFO_RULE_TABLE(kAthlonBuses),
    };
    static constexpr RuleTableList kList = CPUINFO_RULE_TABLE_LIST(kTables);
    return kList;
}
