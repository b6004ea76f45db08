// Clock measurement on the simulated clock: every method's wait, warm-up, figure and timer name.
#include <gtest/gtest.h>

#include <cmath>

#include "cpuinfo/cpu_info.h"
#include "platform/simulated_machine.h"
#include "cpuinfo/text.h"
#include "tests/support/simulated.h"

using platform::ScopedMachine;
using platform::SimulatedMachine;
using testsupport::InfoText;

namespace {

// A record without CPUID, so the constructor measures nothing; the tests call MeasureClock themselves.
struct Bench {
    SimulatedMachine machine;
    explicit Bench(double tscMhz, uint32_t tickStart = 0) {
        machine.Facts().cpuid = false;
        machine.Facts().tscMhz = tscMhz;
        machine.Facts().tickStart = tickStart;
    }
};

struct MethodCase {
    uint32_t method;
    bool variableClock;
    uint64_t minMicroseconds;  // wait plus warm-up (a warm-up started mid-millisecond lasts 999.5 ms)
    uint64_t maxMicroseconds;
    const char* name;          // ClockMethodName afterwards ("-" as set before)
};

TEST(MeasureClock, EveryMethodWaitsWarmsUpAndNamesItsTimer) {
    const MethodCase cases[] = {
        {0, false, 500000, 502000, "-"},        {0, true, 1499000, 1503000, "-"},
        {1, false, 1000000, 1002000, "WT"},     {1, true, 1999000, 2003000, "WT"},
        {2, false, 1000000, 1002000, "MMT"},    {2, true, 1999000, 2003000, "MMT"},
        {3, false, 100000, 102000, "QPC"},      {3, true, 1099000, 1103000, "QPC"},
        {4, false, 100000, 102000, "QPC"},      {4, true, 100000, 102000, "QPC"},  // method 4 never warms up
        {5, false, 1000000, 1002000, "WT"},     {7, true, 1999000, 2003000, "WT"},
        {8, false, 1000000, 1002000, "WT"},     {10, false, 1000000, 1002000, "WT"},
        {0xFFFFFFFF, false, 1000000, 1002000, "WT"},
    };
    for (const MethodCase& c : cases) {
        Bench bench(2400.0);
        ScopedMachine use(bench.machine);
        CCpuInfo cpu(0x100, 0);
        cpu.VariableClock = c.variableClock;
        CopyTextInto(cpu.ClockMethodName, sizeof cpu.ClockMethodName, "-");
        bench.machine.BeginDetection();
        double mhz = cpu.MeasureClock(c.method);
        uint64_t elapsed = bench.machine.Now() - 500;
        EXPECT_GE(elapsed, c.minMicroseconds) << "method " << c.method << " variable " << c.variableClock;
        EXPECT_LE(elapsed, c.maxMicroseconds) << "method " << c.method << " variable " << c.variableClock;
        EXPECT_NEAR(mhz, 2400.0, 2400.0 * 1e-4) << "method " << c.method;
        EXPECT_STREQ(cpu.ClockMethodName, c.name) << "method " << c.method;
    }
}

TEST(MeasureClock, MethodNineMeasuresNothing) {
    Bench bench(1000.0);
    ScopedMachine use(bench.machine);
    CCpuInfo cpu(0x100, 0);
    CopyTextInto(cpu.ClockMethodName, sizeof cpu.ClockMethodName, "MMT");
    bench.machine.BeginDetection();
    EXPECT_EQ(cpu.MeasureClock(9), 0.0);
    EXPECT_EQ(bench.machine.Now(), 500u);  // no timer was read
    EXPECT_STREQ(cpu.ClockMethodName, "MMT");
}

TEST(MeasureClock, PerformanceCounterFigureIsExactAndMillisecondFiguresClose) {
    for (double tsc : {233.0, 1000.0, 2999.5, 3600.0}) {
        Bench bench(tsc);
        ScopedMachine use(bench.machine);
        CCpuInfo cpu(0x100, 0);
        for (uint32_t method : {0u, 1u, 2u, 3u, 4u}) {
            bench.machine.BeginDetection();
            double mhz = cpu.MeasureClock(method);
            double tolerance = method >= 3 ? tsc * 1e-9 : tsc * 1e-4;
            EXPECT_NEAR(mhz, tsc, tolerance) << "tsc " << tsc << " method " << method;
        }
    }
}

TEST(MeasureClock, TickCounterWrappingDuringTheWaitIsHarmless) {
    for (uint32_t tickStart : {0xFFFFFFFFu - 50, 0xFFFFFFFFu - 500, 0xFFFFFFFFu}) {
        Bench bench(1500.0, tickStart);
        ScopedMachine use(bench.machine);
        CCpuInfo cpu(0x100, 0);
        cpu.VariableClock = 1;
        for (uint32_t method : {0u, 1u, 2u}) {
            bench.machine.BeginDetection();
            double mhz = cpu.MeasureClock(method);
            EXPECT_NEAR(mhz, 1500.0, 1500.0 * 1e-4) << "tick start " << tickStart << " method " << method;
            EXPECT_GT(bench.machine.Now(), 1000000u) << "the wait ended early";
        }
    }
}

TEST(MeasureClock, ZeroIntervalGivesZeroNotADivisionByZero) {
    Bench bench(0.0);  // a counter that does not move: no cycles
    ScopedMachine use(bench.machine);
    CCpuInfo cpu(0x100, 0);
    bench.machine.BeginDetection();
    EXPECT_EQ(cpu.MeasureClock(3), 0.0);
}

TEST(MeasureClock, DetectionMeasuresWithTheClockOptionWhenTheProcessorHasATimeStampCounter) {
    SimulatedMachine machine;
    machine.Facts().tscMhz = 1800.0;
    testsupport::SetVendor(machine, "GenuineIntel", 1);
    testsupport::SetSignature(machine, 0x0F29, 0, 0, 1u << 4);  // time-stamp counter, no registers
    ScopedMachine use(machine);
    CCpuInfo cpu(0x100, 2);
    ASSERT_EQ(cpu.HasTsc, 1) << "leaf 1 EDX bit 4 gives the time-stamp counter";
    EXPECT_NEAR(cpu.CoreClock, 1800.0, 0.2);
    EXPECT_STREQ(cpu.ClockMethodName, "MMT");
    // Re-measuring items store into CoreClock and EffectiveClock and print the latter.
    EXPECT_EQ(InfoText(cpu, INFO_MEASURE_CLOCK_QPC), "1800.00");
    EXPECT_STREQ(cpu.ClockMethodName, "QPC");
    EXPECT_EQ(InfoText(cpu, INFO_CLOCK), "1800.00");
}

}  // namespace
