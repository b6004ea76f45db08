// Multiplier and bus decoding per scheme: register fields, table entries, bus codes and the final step.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "cpuinfo/cpu_info.h"
#include "cpuinfo/text.h"
#include "platform/machine_file.h"
#include "platform/simulated_machine.h"
#include "tests/support/simulated.h"

namespace {

struct Subject {
    platform::SimulatedMachine machine;
    platform::ScopedMachine use{machine};
    CCpuInfo cpu{0x100, 0};
};

struct SchemeCase {
    const char* processor;
    int32_t vendor, family, model, stepping, coreCode;
    uint32_t msrALow, msrAHigh, msrBLow;
    const char* brand;
    double coreClock;
    double multiplier, maxMultiplier, busClock, ratedClock;
};

TEST(DecodeMultiplierAndBus, Schemes) {
    const SchemeCase cases[] = {
        // VIA: table entry by bits 22..25, bit 27 only for codes 23 and 24.
        {"VIA Samuel 2, idx 3", 5, 6, 7, 3, 21, (3u << 22) | (1u << 18), 0, 0, "", 1000.0, 10.0, 10.0, 133.33333, 1333.3333},
        {"VIA Ezra, bit 27 ignored", 5, 6, 7, 8, 22, (1u << 27) | (1u << 22) | (2u << 18), 0, 0, "", 300.0, 3.0, 3.0, 100.0, 300.0},
        {"VIA Nehemiah, bit 27 adds 16", 5, 6, 9, 8, 24, (1u << 27) | (4u << 22) | (1u << 18), 0, 0, "", 1800.0, 13.5, 13.5, 133.33333, 1800.0},
        {"VIA C7 rated 1500: 100 MHz bus", 5, 6, 10, 0, 25, 1, 0, 0, "VIA C7-M 1500MHz", 1500.0, 15.0, 15.0, 100.0, 1500.0},
        {"VIA C7 rated 2000: 133 MHz bus", 5, 6, 10, 0, 25, 1, 0, 0, "VIA C7 2.0GHz", 2000.0, 15.0, 15.0, 133.33333, 2000.0},
        {"WinChip 2 stepping 7", 5, 5, 8, 7, 0, 2, 0, 3u << 23, "", 240.0, 1.25, 1.25, 0.0, 0.0},
        {"WinChip 2 stepping 5", 5, 5, 8, 5, 0, 2, 0, 0, "", 240.0, 4.0, 4.0, 0.0, 0.0},
        // Intel.
        {"Pentium II, P6 table idx 5", 1, 6, 5, 2, 1, (5u << 22) | (0u << 18), 0, 0, "", 350.0, 3.5, 3.5, 66.66666, 233.33331},
        {"Pentium Pro: no bus clock", 1, 6, 1, 9, 1, (2u << 22), 0, 0, "", 200.0, 4.0, 4.0, 0.0, 0.0},
        {"Coppermine stepping 3, bit 27", 1, 6, 8, 3, 3, (1u << 27) | (2u << 22) | (1u << 18), 0, 0, "", 1600.0, 12.0, 12.0, 133.33333, 1599.99996},
        {"Coppermine stepping 1, bit 27 ignored", 1, 6, 8, 1, 3, (1u << 27) | (2u << 22) | (2u << 18), 0, 0, "", 400.0, 4.0, 4.0, 100.0, 400.0},
        {"Tualatin: multiplier from brand", 1, 6, 11, 1, 4, (1u << 27) | (10u << 22) | (1u << 18), 0, 0, "Pentium III 1.40GHz", 1733.0, 13.0, 10.5, 133.33333, 1399.99997},
        {"Willamette code 5", 1, 15, 1, 2, 5, 3u << 8, 0, 0, "", 1800.0, 19.0, 19.0, 100.0, 1900.0},
        {"Northwood code 6, speed field 1", 1, 15, 2, 9, 6, 1, 0, (18u << 24) | (1u << 16) | 18u, "", 2400.0, 18.0, 18.0, 133.33333, 2399.99994},
        {"Northwood code 6, speed field 0", 1, 15, 2, 9, 6, 1, 0, (18u << 24) | 18u, "", 1800.0, 18.0, 18.0, 100.0, 1800.0},
        {"Prescott code 6, speed field 0", 1, 15, 3, 3, 6, 1, 0, (14u << 24) | 14u, "", 2800.0, 14.0, 14.0, 266.66666, 3733.33324},
        {"Core 2 Quad 2.66", 1, 6, 15, 11, 7, 9u << 22, 0, 0, "Intel(R) Core(TM)2 Quad CPU Q6700 @ 2.66GHz", 2400.0, 9.0, 10.0, 266.66666, 2666.6666},
        {"Core 2 Duo without register 0x198", 1, 6, 15, 6, 8, 9u << 22, 0, 0, "Core 2 Duo 2.40GHz", 2400.0, 9.0, -1.0, -1.0, 2400.0},
        // AMD.
        {"K6-2 idx 2", 2, 5, 8, 0, 10, 2, 0, 0, "", 400.0, 4.0, 4.0, 0.0, 0.0},
        {"K6-III+ late table", 2, 5, 13, 0, 10, 3, 0, 0, "", 550.0, 5.5, 5.5, 100.0, 550.0},
        {"Geode model 10", 2, 5, 10, 0, 10, 1, 9u << 1, 0, "", 500.0, 10.0, -1.0, -1.0, -1.0},
        {"Thunderbird model 4 idx 4", 2, 6, 4, 2, 11, 4u << 24, 0, 0, "", 1400.0, 14.0, 14.0, 100.0, 1400.0},
        {"Thunderbird model 4 idx 5: measured bus decides", 2, 6, 4, 2, 11, 5u << 24, 0, 0, "", 1400.0, 5.5, 5.5, 133.33333, 733.33332},
        {"Palomino model 6", 2, 6, 6, 2, 11, 6u << 24, 0, 0, "", 800.0, 6.0, 6.0, 133.33333, 799.99998},
        {"K7 idx 16 via bit 19", 2, 6, 7, 0, 11, (1u << 19), 0, 0, "", 2500.0, 25.0, 25.0, 100.0, 2500.0},
        {"Mobile K7 model 8", 2, 6, 8, 0, 12, 1, 0, (4u << 16) | (4u << 8) | 2u, "", 1200.0, 12.0, 5.0, 100.0, 500.0},
        {"K8 without power management", 2, 15, 4, 0, 13, 10u << 24, 0, 0, "", 1800.0, 9.0, 9.0, 200.0, 1800.0},
        {"K8 with power management, m 42", 2, 15, 4, 0, 14, 14u << 24, 0, (42u << 16) | (14u << 8) | 6u, "", 1400.0, 7.0, 11.0, 200.0, 2200.0},
    };
    for (const SchemeCase& c : cases) {
        Subject s;
        CCpuInfo& cpu = s.cpu;
        cpu.VendorId = c.vendor;
        cpu.Family = c.family;
        cpu.Model = c.model;
        cpu.Stepping = c.stepping;
        cpu.CoreCode = c.coreCode;
        cpu.MsrALow = c.msrALow;
        cpu.MsrAHigh = c.msrAHigh;
        cpu.MsrBLow = c.msrBLow;
        cpu.CoreClock = c.coreClock;
        cpu.BusDataRate = 1;
        CopyText(cpu.BrandString, c.brand);
        cpu.DecodeMultiplierAndBus();
        EXPECT_NEAR(cpu.Multiplier, c.multiplier, 1e-9) << c.processor << ": Multiplier";
        EXPECT_NEAR(cpu.MaxMultiplier, c.maxMultiplier, 1e-9) << c.processor << ": MaxMultiplier";
        EXPECT_NEAR(cpu.BusClock, c.busClock, 1e-4) << c.processor << ": BusClock";
        EXPECT_NEAR(cpu.RatedClock, c.ratedClock, 1e-3) << c.processor << ": RatedClock";
    }
}

TEST(DecodeMultiplierAndBus, CoreCode25WithoutRatingEndsUnknown) {
    Subject s;
    s.cpu.VendorId = 5;
    s.cpu.CoreCode = 25;
    s.cpu.MsrALow = 1;
    s.cpu.DecodeMultiplierAndBus();
    EXPECT_DOUBLE_EQ(s.cpu.Multiplier, -0.01);
    EXPECT_DOUBLE_EQ(s.cpu.MaxMultiplier, -1.0);
    EXPECT_DOUBLE_EQ(s.cpu.BusClock, -1.0);
}

TEST(DecodeMultiplierAndBus, ZeroMultiplierWithAMaximumDoesNotDivideByZero) {
    Subject s;
    s.cpu.VendorId = 1;
    s.cpu.Family = 15;
    s.cpu.Model = 2;
    s.cpu.CoreCode = 6;
    s.cpu.MsrBLow = 18;  // maximum 18, current multiplier field 0
    s.cpu.CoreClock = 2400.0;
    s.cpu.BusDataRate = 4;
    s.cpu.DecodeMultiplierAndBus();
    EXPECT_EQ(s.cpu.Multiplier, 0.0);
    EXPECT_EQ(s.cpu.MeasuredBusClock, -1.0);
    // An unknown bus leaves the front-side bus unknown, not four times -1.
    EXPECT_EQ(s.cpu.MeasuredFsbClock, -1.0);

    // Rescaling by the (zero) current multiplier keeps the unknown figures unknown.
    s.cpu.RescaleByMultiplier = 1;
    s.cpu.ApplyMultiplierRescale();
    EXPECT_EQ(s.cpu.EffectiveBusClock, -1.0);
    EXPECT_EQ(s.cpu.EffectiveFsbClock, -1.0);
    EXPECT_EQ(s.cpu.EffectiveClock, 0.0);
}

TEST(DecodeMultiplierAndBus, RegisterFromTheMachineForCore2) {
    platform::SimulatedMachine machine;
    std::string error;
    ASSERT_TRUE(platform::LoadMachineFile(std::string(CPUTYPE_TEST_MACHINES) + "/core2-6300-registers.txt", machine,
                                          error))
        << error;
    platform::ScopedMachine use(machine);
    CCpuInfo cpu(0x100, 0);
    ASSERT_EQ(cpu.CoreCode, 8) << "the Core 2 Duo 6300 (Allendale) takes the Core 2 register scheme";
    EXPECT_DOUBLE_EQ(cpu.MaxMultiplier, 7.0);
    EXPECT_DOUBLE_EQ(cpu.Multiplier, 6.0);
    EXPECT_NEAR(cpu.BusClock, 266.66666, 1e-4);
    EXPECT_EQ(testsupport::InfoText(cpu, INFO_MULTIPLIER), "6.00");
    EXPECT_EQ(testsupport::InfoText(cpu, INFO_RATED_CLOCK), "1866.67");
}

}  // namespace

namespace {

TEST(DecodeMultiplierAndBus, RecordedAthlonXpWithItsRegister) {
    platform::SimulatedMachine machine;
    std::string error;
    ASSERT_TRUE(platform::LoadMachineFile(std::string(CPUTYPE_TEST_MACHINES) + "/athlon-xp-registers.txt", machine,
                                          error))
        << error;
    platform::ScopedMachine use(machine);
    CCpuInfo cpu(0x100, 0);
    EXPECT_EQ(cpu.CoreCode, 11);
    EXPECT_EQ(machine.MsrReads().count(0xC0010015), 1u);
    EXPECT_EQ(testsupport::InfoText(cpu, INFO_MULTIPLIER), "9.00");
    EXPECT_EQ(testsupport::InfoText(cpu, INFO_MAX_MULTIPLIER), "9.00");
    EXPECT_EQ(testsupport::InfoText(cpu, INFO_RATED_BUS_CLOCK), "133.33");  // maximum below 12.5: 133 MHz bus
    EXPECT_EQ(testsupport::InfoText(cpu, INFO_RATED_CLOCK), "1200.00");
    EXPECT_EQ(testsupport::InfoText(cpu, INFO_RATED_FSB_CLOCK), "266.67");  // double data rate
    EXPECT_EQ(testsupport::InfoText(cpu, INFO_OVERCLOCK_PERCENT), "-16.67");  // the file's clock is 1000 MHz
    EXPECT_EQ(testsupport::InfoText(cpu, INFO_CPU_NAME), "Athlon XP (Thoroughbred)");
}

}  // namespace

namespace {

// The second naming pass sees the decoded bus clock: a mobile Northwood on a 133 MHz bus is named
// differently from one whose bus is unknown.
TEST(DecodeMultiplierAndBus, SecondNamingPassUsesTheDecodedBusClock) {
    struct Case {
        const char* processor;
        bool withRegister;
        const char* name;
        const char* busClock;
    };
    const Case cases[] = {
        {"mobile Northwood, 133 MHz bus from register 0x2C", true, "Mobile Pentium 4 (Northwood)", "133.33"},
        {"mobile Northwood, no register", false, "Mobile Pentium 4-M (Northwood)", "-1.00"},
    };
    for (const Case& c : cases) {
        platform::SimulatedMachine machine;
        testsupport::SetVendor(machine, "GenuineIntel", 2);
        testsupport::SetSignature(machine, 0x00000F27, 0x0001080E, 0, 0xBFEBFBFF);  // brand identifier 14
        machine.SetLeaf(2, platform::CpuidRegs{0x665B5001, 0, 0, 0x007B7040});      // 512 KB L2
        machine.Facts().tscMhz = 2400.0;
        // Multiplier 18 (bits 24..28), speed field 1 (133 MHz, bits 16..18), maximum 18 (bits 0..4).
        if (c.withRegister) machine.SetMsr(0x2C, (18u << 24) | (1u << 16) | 18u);
        platform::ScopedMachine use(machine);
        CCpuInfo cpu(0x100, 0);
        EXPECT_EQ(testsupport::InfoText(cpu, INFO_CPU_NAME), c.name) << c.processor;
        EXPECT_EQ(testsupport::InfoText(cpu, INFO_RATED_BUS_CLOCK), c.busClock) << c.processor;
    }
}

}  // namespace
