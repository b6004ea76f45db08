// The register step: reads the model-specific registers that hold multiplier and bus information for
// this processor into the record's two slots, then derives the platform identifier, the L2 speed, the
// multiplier and bus figures, the effective (rescaled) clocks and the overclock percentage.
#include "cpuinfo/cpu_info.h"
#include "cpuinfo/rule_tables.h"
#include "cpuinfo/rules.h"
#include "cpuinfo/text.h"

namespace {

constexpr uint32_t kNoRegister = 0;

// Which registers to read: slot A, and slot B unless it is kNoRegister.
struct RegisterRow {
    Match match;
    uint32_t slotA;
    uint32_t slotB = kNoRegister;
    bool setsAuxFigure = false;
};

// First match wins: the Intel family-6 rows come before the VIA core codes, which also run family 6.
constexpr RegisterRow kRegisterRows[] = {
    {When().Vendor(Vendor::Intel).Family(6).Model(9), 0x2A, 0x17},
    {When().Vendor(Vendor::Intel).Family(6).Model(AtLeast(12)), 0x2A, 0x17},
    {When().Vendor(Vendor::Intel).Family(6), 0x2A},
    {When().Core(Between(Core::Samuel, Core::Esther)), 0x2A},
    {When().Vendor(Vendor::Intel).Family(15).ExtFamily(0), 0x2A, 0x2C},
    {When().Vendor(Vendor::Amd).Family(15).PowerNow(true), 0xC0010015, 0xC0010042, true},
    {When().Vendor(Vendor::Amd).Family(15), 0xC0010015, kNoRegister, true},
    {When().Vendor(Vendor::Amd).Family(5).Model(10), 0x4C000014},
    {When().Vendor(Vendor::Amd).Family(5).Model(AtLeast(8)), 0xC0000087},
    {When().Vendor(Vendor::Amd).Family(6).Model(AtMost(2)), 0xC0010015, 0xC0010011},
    {When().Vendor(Vendor::Amd).Family(6).PowerNow(true), 0xC0010015, 0xC0010042},
    {When().Vendor(Vendor::Amd).Family(6), 0xC0010015},
    {When().Vendor(Vendor::Idt).Family(5).Model(9), 0x10A, 0x147},
    {When().Vendor(Vendor::Idt).Family(5).Model(8).Stepping(Between(7, 9)), 0x10A, 0x147},
    {When().Vendor(Vendor::Idt).Family(5).Model(AtLeast(8)), 0x10A},
};

struct L2Speed {
    const char* text;
    double ratio;
};

// AMD family 6 models 1 and 2 report the L2 divisor in bits 4..5; code 3 means nothing known.
const L2Speed kAmdL2Divisors[] = {{"1/2", 0.5}, {"2/5", 0.4}, {"1/3", 0.33}};

}  // namespace

void CCpuInfo::UpdateMultiplierAndBus() {
    if (VendorId == Vendor::Intel && (Family == 15 || (Family == 6 && Model >= 7))) {
        QueryMsr(0x17, &MsrALow, &MsrAHigh);
        PlatformId = static_cast<int32_t>((MsrAHigh >> 18) & 7);
    }

    if (const RegisterRow* row = FirstMatch(kRegisterRows, *this)) {
        QueryMsr(row->slotA, &MsrALow, &MsrAHigh);
        if (row->slotB != kNoRegister) QueryMsr(row->slotB, &MsrBLow, &MsrBHigh);
        if (row->setsAuxFigure) AuxFigure = GetAuxFigure();
    }

    SetL2SpeedRatio();
    if (MsrALow != 0 || MsrBLow != 0) DecodeMultiplierAndBus();
    if (VendorId == Vendor::Transmeta) RatedClock = static_cast<double>(TransmetaNominalClock);
    DetectRescaleNeed();
    ApplyMultiplierRescale();
    if (RatedClock > 0) OverclockPercent = EffectiveClock / RatedClock * 100.0 - 100.0;
}

void CCpuInfo::SetL2SpeedRatio() {
    if (L2Size <= 0) return;
    const L2Speed* speed = nullptr;
    if (VendorId == Vendor::Amd && Family == 6 && Model <= 2) {
        const uint32_t code = (MsrBLow >> 4) & 3;
        if (code >= sizeof kAmdL2Divisors / sizeof kAmdL2Divisors[0]) return;
        speed = &kAmdL2Divisors[code];
    } else if (VendorId == Vendor::Intel && L2HalfSpeed) {
        static const L2Speed kHalf = {"1/2", 0.5};
        speed = &kHalf;
    } else {
        static const L2Speed kFull = {"Full", 1.0};
        speed = &kFull;
    }
    CopyText(L2SpeedText, speed->text);
    L2SpeedRatio = speed->ratio;
}

void CCpuInfo::DetectRescaleNeed() {
    // Intel processors that lower their multiplier when idle: the measured clock is scaled to the
    // current multiplier.
    if (VendorId != Vendor::Intel) return;
    if ((Std1Ecx & (1u << 7)) && Family == 15 && Model >= 3) RescaleByMultiplier = 1;
    if (Family == 6 && Model >= 14) RescaleByMultiplier = 1;
}

void CCpuInfo::ApplyMultiplierRescale() {
    if (RescaleByMultiplier && MaxMultiplier >= 1.0 && Multiplier < MaxMultiplier) {
        const double ratio = Multiplier / MaxMultiplier;
        // Unknown figures (negative) stay unknown rather than being scaled.
        auto scaled = [ratio](double figure) { return figure < 0 ? figure : ratio * figure; };
        EffectiveClock = scaled(CoreClock);
        EffectiveBusClock = scaled(MeasuredBusClock);
        EffectiveFsbClock = scaled(MeasuredFsbClock);
    } else {
        EffectiveClock = CoreClock;
        EffectiveBusClock = MeasuredBusClock;
        EffectiveFsbClock = MeasuredFsbClock;
    }
}

double CCpuInfo::GetAuxFigure() { return -1.0; }

const RuleTableList& RegisterStepTables() {
    static constexpr RuleTable kTables[] = {CPUINFO_RULE_TABLE(kRegisterRows)};
    static constexpr RuleTableList kList = CPUINFO_RULE_TABLE_LIST(kTables);
    return kList;
}
