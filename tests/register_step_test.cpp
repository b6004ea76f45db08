// The register step: which registers each processor reads, the platform identifier, the L2 speed,
// rescaling and the overclock percentage.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "cpuinfo/cpu_info.h"
#include "platform/simulated_machine.h"
#include "tests/support/simulated.h"

using platform::SimulatedMachine;

namespace {

// A record whose identification fields the test sets; the constructor ran on a machine without CPUID.
struct Subject {
    SimulatedMachine machine;
    Subject() { machine.Facts().cpuid = false; }
};

struct RegisterCase {
    const char* processor;
    Vendor vendor;
    int32_t family, model, stepping, extFamily;
    Core coreCode;
    int32_t powerNow;
    std::map<uint32_t, int> reads;
};

TEST(RegisterStep, EachRowReadsItsRegisters) {
    const RegisterCase cases[] = {
        {"Intel P6 model 5", Vendor::Intel, 6, 5, 0, 0, Core::None, 0, {{0x2A, 1}}},
        {"Intel Pentium III model 8 (platform id)", Vendor::Intel, 6, 8, 0, 0, Core::None, 0, {{0x17, 1}, {0x2A, 1}}},
        {"Intel Pentium M model 9", Vendor::Intel, 6, 9, 0, 0, Core::None, 0, {{0x17, 2}, {0x2A, 1}}},
        {"Intel Core model 14", Vendor::Intel, 6, 14, 0, 0, Core::None, 0, {{0x17, 2}, {0x2A, 1}}},
        {"Intel model 11 no slot B", Vendor::Intel, 6, 11, 0, 0, Core::None, 0, {{0x17, 1}, {0x2A, 1}}},
        {"VIA core code 22 family 6", Vendor::Idt, 6, 9, 0, 0, Core::Ezra, 0, {{0x2A, 1}}},
        {"core code 25, any vendor", Vendor::Unknown, 6, 15, 0, 0, Core::Esther, 0, {{0x2A, 1}}},
        {"Intel NetBurst", Vendor::Intel, 15, 2, 0, 0, Core::None, 0, {{0x17, 1}, {0x2A, 1}, {0x2C, 1}}},
        {"Intel family 15 extended family 1", Vendor::Intel, 15, 0, 0, 1, Core::None, 0, {{0x17, 1}}},
        {"AMD K8 without power management", Vendor::Amd, 15, 4, 0, 0, Core::None, 0, {{0xC0010015, 1}}},
        {"AMD K8 with power management", Vendor::Amd, 15, 4, 0, 0, Core::None, 1, {{0xC0010015, 1}, {0xC0010042, 1}}},
        {"AMD K6-2 model 8", Vendor::Amd, 5, 8, 0, 0, Core::None, 0, {{0xC0000087, 1}}},
        {"AMD K6 model 11", Vendor::Amd, 5, 11, 0, 0, Core::None, 0, {{0xC0000087, 1}}},
        {"AMD Geode model 10", Vendor::Amd, 5, 10, 0, 0, Core::None, 0, {{0x4C000014, 1}}},
        {"AMD K6 model 7", Vendor::Amd, 5, 7, 0, 0, Core::None, 0, {}},
        {"AMD K7 model 2", Vendor::Amd, 6, 2, 0, 0, Core::None, 1, {{0xC0010015, 1}, {0xC0010011, 1}}},
        {"AMD K7 model 4 without power management", Vendor::Amd, 6, 4, 0, 0, Core::None, 0, {{0xC0010015, 1}}},
        {"AMD K7 model 8 with power management", Vendor::Amd, 6, 8, 0, 0, Core::None, 1, {{0xC0010015, 1}, {0xC0010042, 1}}},
        {"IDT family 5 model 8 stepping 6", Vendor::Idt, 5, 8, 6, 0, Core::None, 0, {{0x10A, 1}}},
        {"IDT family 5 model 8 stepping 7", Vendor::Idt, 5, 8, 7, 0, Core::None, 0, {{0x10A, 1}, {0x147, 1}}},
        {"IDT family 5 model 8 stepping 9", Vendor::Idt, 5, 8, 9, 0, Core::None, 0, {{0x10A, 1}, {0x147, 1}}},
        {"IDT family 5 model 8 stepping 10", Vendor::Idt, 5, 8, 10, 0, Core::None, 0, {{0x10A, 1}}},
        {"IDT family 5 model 9", Vendor::Idt, 5, 9, 0, 0, Core::None, 0, {{0x10A, 1}, {0x147, 1}}},
        {"IDT family 5 model 4", Vendor::Idt, 5, 4, 0, 0, Core::None, 0, {}},
        {"Transmeta", Vendor::Transmeta, 5, 4, 0, 0, Core::None, 0, {}},
    };
    for (const RegisterCase& c : cases) {
        Subject subject;
        CCpuInfo cpu(subject.machine, 0x100, 0);
        cpu.VendorId = c.vendor;
        cpu.Family = c.family;
        cpu.Model = c.model;
        cpu.Stepping = c.stepping;
        cpu.ExtFamily = c.extFamily;
        cpu.CoreCode = c.coreCode;
        cpu.HasPowerNow = c.powerNow;
        subject.machine.BeginDetection();
        cpu.UpdateMultiplierAndBus();
        EXPECT_EQ(subject.machine.MsrReads(), c.reads) << c.processor;
        bool intelPlatform = c.vendor == Vendor::Intel && (c.family == 15 || (c.family == 6 && c.model >= 7));
        EXPECT_EQ(cpu.PlatformId, intelPlatform ? 0 : -1) << c.processor << ": PlatformId";
    }
}

TEST(RegisterStep, PlatformIdentifierComesFromBits50To52OfRegister17) {
    Subject subject;
    subject.machine.SetMsr(0x17, 0x001C000000000000ULL);  // bits 50..52 all set
    CCpuInfo cpu(subject.machine, 0x100, 0);
    cpu.VendorId = Vendor::Intel;
    cpu.Family = 6;
    cpu.Model = 8;
    cpu.UpdateMultiplierAndBus();
    EXPECT_EQ(cpu.PlatformId, 7);
}

struct L2Case {
    const char* processor;
    Vendor vendor;
    int32_t family, model, l2Size, halfSpeed;
    uint64_t slotB;  // value of the AMD family 6 slot-B register 0xC0010011
    const char* text;
    double ratio;
};

TEST(RegisterStep, L2SpeedByVendorAndDivisor) {
    const L2Case cases[] = {
        {"AMD K7 model 1 code 0", Vendor::Amd, 6, 1, 512, 0, 0x00, "1/2", 0.5},
        {"AMD K7 model 1 code 1", Vendor::Amd, 6, 1, 512, 0, 0x10, "2/5", 0.4},
        {"AMD K7 model 2 code 2", Vendor::Amd, 6, 2, 512, 0, 0x20, "1/3", 0.33},
        {"AMD K7 model 2 code 3", Vendor::Amd, 6, 2, 512, 0, 0x30, "", -1.0},
        {"AMD K7 model 4", Vendor::Amd, 6, 4, 256, 0, 0x30, "Full", 1.0},
        {"Intel half-speed L2", Vendor::Intel, 6, 5, 512, 1, 0, "1/2", 0.5},
        {"Intel full-speed L2", Vendor::Intel, 6, 8, 256, 0, 0, "Full", 1.0},
        {"no L2", Vendor::Intel, 6, 5, 0, 1, 0, "", -1.0},
        {"L2 unknown", Vendor::Amd, 6, 1, -1, 0, 0, "", -1.0},
        {"VIA half flag ignored", Vendor::Idt, 6, 9, 64, 1, 0, "Full", 1.0},
    };
    for (const L2Case& c : cases) {
        Subject subject;
        if (c.slotB) subject.machine.SetMsr(0xC0010011, c.slotB);
        CCpuInfo cpu(subject.machine, 0x100, 0);
        cpu.VendorId = c.vendor;
        cpu.Family = c.family;
        cpu.Model = c.model;
        cpu.L2Size = c.l2Size;
        cpu.L2HalfSpeed = c.halfSpeed;
        cpu.UpdateMultiplierAndBus();
        EXPECT_STREQ(cpu.L2SpeedText, c.text) << c.processor;
        EXPECT_EQ(cpu.L2SpeedRatio, c.ratio) << c.processor;
    }
}

struct RescaleCase {
    const char* processor;
    Vendor vendor;
    int32_t family, model;
    uint32_t std1Ecx;
    double multiplier, maxMultiplier, expectedClock;
};

TEST(RegisterStep, RescalingByMultiplierRatio) {
    const RescaleCase cases[] = {
        {"Intel Core model 14 idle", Vendor::Intel, 6, 14, 0, 6.0, 12.0, 1000.0},
        {"Intel Core at full multiplier", Vendor::Intel, 6, 15, 0, 12.0, 12.0, 2000.0},
        {"Intel Core multiplier unknown", Vendor::Intel, 6, 15, 0, -1.0, -1.0, 2000.0},
        {"Intel Core maximum below 1", Vendor::Intel, 6, 15, 0, 0.5, 0.8, 2000.0},
        {"Intel Pentium M model 13: no rescale", Vendor::Intel, 6, 13, 0, 6.0, 12.0, 2000.0},
        {"Intel Prescott with speed-step flag", Vendor::Intel, 15, 3, 1u << 7, 14.0, 16.0, 1750.0},
        {"Intel Prescott without flag", Vendor::Intel, 15, 3, 0, 14.0, 16.0, 2000.0},
        {"Intel Northwood with flag", Vendor::Intel, 15, 2, 1u << 7, 14.0, 16.0, 2000.0},
        {"AMD family 6 model 14: not Intel", Vendor::Amd, 6, 14, 0, 6.0, 12.0, 2000.0},
    };
    for (const RescaleCase& c : cases) {
        Subject subject;
        CCpuInfo cpu(subject.machine, 0x100, 0);
        cpu.VendorId = c.vendor;
        cpu.Family = c.family;
        cpu.Model = c.model;
        cpu.Std1Ecx = c.std1Ecx;
        cpu.CoreClock = 2000.0;
        cpu.MeasuredBusClock = 200.0;
        cpu.MeasuredFsbClock = 800.0;
        cpu.Multiplier = c.multiplier;
        cpu.MaxMultiplier = c.maxMultiplier;
        cpu.UpdateMultiplierAndBus();
        EXPECT_DOUBLE_EQ(cpu.EffectiveClock, c.expectedClock) << c.processor;
        EXPECT_DOUBLE_EQ(cpu.EffectiveBusClock, 200.0 * c.expectedClock / 2000.0) << c.processor;
        EXPECT_DOUBLE_EQ(cpu.EffectiveFsbClock, 800.0 * c.expectedClock / 2000.0) << c.processor;
    }
}

TEST(RegisterStep, OverclockPercentOnlyWithAPositiveRatedClock) {
    Subject subject;
    CCpuInfo cpu(subject.machine, 0x100, 0);
    cpu.VendorId = Vendor::Rise;
    cpu.CoreClock = 2100.0;
    cpu.RatedClock = 2000.0;
    cpu.UpdateMultiplierAndBus();
    EXPECT_NEAR(cpu.OverclockPercent, 5.0, 1e-9);
    EXPECT_EQ(testsupport::InfoText(cpu, INFO_OVERCLOCK_PERCENT), "5.00");

    CCpuInfo unrated(subject.machine, 0x100, 0);
    unrated.CoreClock = 2100.0;
    unrated.UpdateMultiplierAndBus();
    EXPECT_EQ(unrated.OverclockPercent, -100.0);
}

TEST(RegisterStep, TransmetaRatedClockIsTheNominalClock) {
    Subject subject;
    CCpuInfo cpu(subject.machine, 0x100, 0);
    cpu.VendorId = Vendor::Transmeta;
    cpu.TransmetaNominalClock = 600;
    cpu.CoreClock = 660.0;
    cpu.UpdateMultiplierAndBus();
    EXPECT_EQ(cpu.RatedClock, 600.0);
    EXPECT_NEAR(cpu.OverclockPercent, 10.0, 1e-9);

    CCpuInfo unknown(subject.machine, 0x100, 0);
    unknown.VendorId = Vendor::Transmeta;  // nominal clock never read: -1 gives no percentage
    unknown.UpdateMultiplierAndBus();
    EXPECT_EQ(unknown.RatedClock, -1.0);
    EXPECT_EQ(unknown.OverclockPercent, -100.0);
}

TEST(RegisterStep, UnreadSlotKeepsItsWordsAcrossRuns) {
    Subject subject;
    subject.machine.SetMsr(0xC0010011, 0x20);
    CCpuInfo cpu(subject.machine, 0x100, 0);
    cpu.VendorId = Vendor::Amd;
    cpu.Family = 6;
    cpu.Model = 1;
    cpu.L2Size = 512;
    cpu.UpdateMultiplierAndBus();
    EXPECT_EQ(cpu.MsrBLow, 0x20u);
    cpu.Model = 4;  // now slot B is not read: its words stay
    cpu.UpdateMultiplierAndBus();
    EXPECT_EQ(cpu.MsrBLow, 0x20u);
}

}  // namespace
