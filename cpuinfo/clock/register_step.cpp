// The register step: reads the model-specific registers that hold multiplier and bus information for
// this processor into the record's two slots, then derives the platform identifier, the L2 speed, the
// multiplier and bus figures, the effective (rescaled) clocks and the overclock percentage.
#include "cpuinfo/cpu_info.h"
#include "cpuinfo/msr.h"
#include "cpuinfo/rules.h"
#include "cpuinfo/text.h"

namespace {

using Record = CCpuInfo;
constexpr uint32_t kNoRegister = 0;

bool IsIntel(const Record& r) { return r.VendorId == 1; }
bool IsAmd(const Record& r) { return r.VendorId == 2; }

// Which registers to read: slot A always, slot B when `slotB` names one for this record.
struct RegisterChoice {
    bool (*when)(const Record&);
    uint32_t slotA;
    uint32_t (*slotB)(const Record&);  // kNoRegister: slot B is not read
    bool setsAuxFigure;
};

// First match wins: the Intel family-6 row comes before the VIA core codes, which also run family 6.
const RegisterChoice kRegisterChoices[] = {
    {[](const Record& r) { return IsIntel(r) && r.Family == 6; }, 0x2A,
     [](const Record& r) { return (r.Model == 9 || r.Model >= 12) ? 0x17u : kNoRegister; }, false},
    {[](const Record& r) { return r.CoreCode >= 20 && r.CoreCode <= 25; }, 0x2A, nullptr, false},
    {[](const Record& r) { return IsIntel(r) && r.Family == 15 && r.ExtFamily == 0; }, 0x2A,
     [](const Record&) { return 0x2Cu; }, false},
    {[](const Record& r) { return IsAmd(r) && r.Family == 15; }, 0xC0010015,
     [](const Record& r) { return r.HasPowerNow ? 0xC0010042u : kNoRegister; }, true},
    {[](const Record& r) { return IsAmd(r) && r.Family == 5 && r.Model >= 8 && r.Model != 10; }, 0xC0000087,
     nullptr, false},
    {[](const Record& r) { return IsAmd(r) && r.Family == 5 && r.Model == 10; }, 0x4C000014, nullptr, false},
    {[](const Record& r) { return IsAmd(r) && r.Family == 6; }, 0xC0010015,
     [](const Record& r) { return r.Model <= 2 ? 0xC0010011u : (r.HasPowerNow ? 0xC0010042u : kNoRegister); },
     false},
    {[](const Record& r) { return r.VendorId == 5 && r.Family == 5 && r.Model >= 8; }, 0x10A,
     [](const Record& r) {
         return (r.Model == 9 || (r.Model == 8 && r.Stepping >= 7 && r.Stepping <= 9)) ? 0x147u : kNoRegister;
     },
     false},
};

struct L2Speed {
    const char* text;
    double ratio;
};

// AMD family 6 models 1 and 2 report the L2 divisor in bits 4..5; code 3 means nothing known.
const L2Speed kAmdL2Divisors[] = {{"1/2", 0.5}, {"2/5", 0.4}, {"1/3", 0.33}};

}  // namespace

void CCpuInfo::UpdateMultiplierAndBus() {
    if (VendorId == 1 && (Family == 15 || (Family == 6 && Model >= 7))) {
        ReadMSR(0x17, &MsrALow, &MsrAHigh);
        PlatformId = static_cast<int32_t>((MsrAHigh >> 18) & 7);
    }

    if (const RegisterChoice* choice = FirstMatch(kRegisterChoices, *this)) {
        ReadMSR(choice->slotA, &MsrALow, &MsrAHigh);
        const uint32_t slotB = choice->slotB ? choice->slotB(*this) : kNoRegister;
        if (slotB != kNoRegister) ReadMSR(slotB, &MsrBLow, &MsrBHigh);
        if (choice->setsAuxFigure) AuxFigure = GetAuxFigure();
    }

    SetL2SpeedRatio();
    if (MsrALow != 0 || MsrBLow != 0) DecodeMultiplierAndBus();
    if (VendorId == 3) RatedClock = static_cast<double>(TransmetaNominalClock);
    DetectRescaleNeed();
    ApplyMultiplierRescale();
    if (RatedClock > 0) OverclockPercent = EffectiveClock / RatedClock * 100.0 - 100.0;
}

void CCpuInfo::SetL2SpeedRatio() {
    if (L2Size <= 0) return;
    const L2Speed* speed = nullptr;
    if (VendorId == 2 && Family == 6 && Model <= 2) {
        const uint32_t code = (MsrBLow >> 4) & 3;
        if (code >= sizeof kAmdL2Divisors / sizeof kAmdL2Divisors[0]) return;
        speed = &kAmdL2Divisors[code];
    } else if (VendorId == 1 && L2HalfSpeed) {
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
    if (VendorId != 1) return;
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
