// Brand-string speed ratings: the first key in list order decides, whatever its place in the text.
#include <gtest/gtest.h>

#include "cpuinfo/cpu_info.h"
#include "cpuinfo/text.h"
#include "platform/simulated_machine.h"

namespace {

struct Subject {
    platform::SimulatedMachine machine;
    CCpuInfo cpu{machine, 0x100, 0};
    explicit Subject(const char* brand) { CopyText(cpu.BrandString, brand); }
};

TEST(RatedClockFromBrand, KeyOrderDecides) {
    const struct {
        const char* brand;
        double rated;
    } cases[] = {
        {"Intel(R) Pentium(R) M processor 1.06GHz", 1066.66},  // "1.06" before "1.0"
        {"AMD Turion 4300 at 1.80GHz", 1800.0},                // "1.8" before "4300"
        {"Mobile 4300 processor", 4300.0},
        {"VIA C7-M Processor 1.16GHz", 1166.66},
        {"Celeron 433MHz", 433.0},
        {"Pentium III 1.67GHz", 1666.66},
        {"Core 2 Duo 2.66GHz", 2666.66},
        {"Core 2 Extreme 2.67GHz", 2666.66},
        {"Core 2 Duo T7200 @ 2.00GHz", 2000.0},
        {"Pentium 4 2.40GHz", 2400.0},
        {"Xeon 3.06GHz", 3066.66},
        {"Xeon 3.13GHz", 3133.33},
        {"Celeron 900MHz", 900.0},
        {"Celeron 1333MHz", 133.33},                          // " 133" comes first in the list
        {"Celeron-1333MHz", 1333.33},
        {"Core 4.93GHz", 4933.33},
        {"Core 5.0GHz", 5000.0},
        {"Pentium 1833 1.0", 1833.33},                         // the first group comes first
        {"", -1.0},
        {"no clock text at all", -1.0},
        {"Pentium 3666 MHz", 366.66},                        // likewise " 366"
        {"Pentium/3666 MHz", 3666.66},
        {"Pentium 3.67GHz", 3666.66},
    };
    for (const auto& c : cases) {
        Subject subject(c.brand);
        EXPECT_DOUBLE_EQ(subject.cpu.RatedClockFromBrand(), c.rated) << '"' << c.brand << '"';
    }
}

TEST(MaxMultiplierFromBrand, FastAndSlowBusLists) {
    const struct {
        const char* brand;
        BusCode busCode;
        double measuredBus;
        double expected;
    } cases[] = {
        {"Pentium III 1.00GHz", BusCode::Bus133, -1.0, 7.5},
        {"Pentium III 1.06GHz", BusCode::Bus133, -1.0, 8.0},
        {"Pentium III 866MHz", BusCode::Bus133, -1.0, 6.5},
        {"Pentium III 667MHz", BusCode::Bus133, -1.0, 5.0},
        {"Pentium III 1.67GHz", BusCode::Bus133, -1.0, 12.5},
        {"Pentium 3.00GHz", BusCode::Bus133, -1.0, 22.5},
        {"Pentium 2.40GHz", BusCode::Bus100, -1.0, 24.0},        // bus unknown counts as slow
        {"Pentium 2.40GHz", BusCode::Bus100, 133.3, 18.0},
        {"Pentium 2.40GHz", BusCode::Bus100, 126.6635, 18.0},
        {"Pentium 2.00GHz", BusCode::Bus100, 100.0, 20.0},
        {"Pentium 2.80GHz", BusCode::Bus100, 133.3, 21.0},
        {"Pentium 2.67GHz", BusCode::Bus100, 100.0, 20.0},
        {"Celeron 1.1GHz", BusCode::Bus100, 100.0, 11.0},
        {"Celeron 700MHz", BusCode::Bus100, 100.0, 7.0},
        {"Pentium 2.40GHz", BusCode::Bus166, 133.3, 9.5},        // other bus codes: the current multiplier
        {"", BusCode::Bus133, -1.0, 42.0},                       // nothing found: unchanged
        {"", BusCode::Bus100, -1.0, 42.0},
    };
    for (const auto& c : cases) {
        Subject subject(c.brand);
        subject.cpu.MaxMultiplier = 42.0;
        subject.cpu.Multiplier = 9.5;
        subject.cpu.MeasuredBusClock = c.measuredBus;
        EXPECT_DOUBLE_EQ(subject.cpu.MaxMultiplierFromBrand(c.busCode), c.expected)
            << '"' << c.brand << "\" bus code " << static_cast<int>(c.busCode) << " bus " << c.measuredBus;
        EXPECT_DOUBLE_EQ(subject.cpu.MaxMultiplier, c.expected) << c.brand;
    }
}

}  // namespace
