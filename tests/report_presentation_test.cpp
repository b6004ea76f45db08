// cpureport's presentation of the items: labels for every item in this platform's words, unknown
// figures shown as "unknown", hexadecimal values marked, empty texts left empty, the clock of a replay
// without a recorded clock said to be the simulated counter's, and a --clock-option help that tells the
// truth about each method's wait.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <set>
#include <sstream>
#include <string>

#include "cpuinfo/cpu_info.h"
#include "cpuinfo/text.h"
#include "platform/simulated_machine.h"
#include "tests/support/simulated.h"
#include "tools/item_presentation.h"

using platform::ScopedMachine;
using platform::SimulatedMachine;

namespace {

// A Pentium 4 detected on the simulated machine: every kind of item has a known value to start from.
CCpuInfo DetectedPentium4(SimulatedMachine& machine) {
    testsupport::SetVendor(machine, "GenuineIntel", 2);
    testsupport::SetSignature(machine, 0xF29, 0x00020809, 0, 0xBFEBFBFF);
    machine.SetLeaf(2, platform::CpuidRegs{0x665B5001, 0, 0, 0x007A7000});
    testsupport::SetBrandString(machine, "Intel(R) Pentium(R) 4 CPU 2.40GHz");
    machine.Facts().tscMhz = 2400.0;
    ScopedMachine use(machine);
    return CCpuInfo(0x100, 0);
}

struct PresentationCase {
    const char* what;
    int32_t code;
    std::function<void(CCpuInfo&)> change;  // what this case changes in the detected record
    bool clockRecorded;
    const char* shown;
    bool unknown;
    bool empty;
};

TEST(ReportPresentation, ItemsAsAPersonReadsThem) {
    SimulatedMachine machine;
    const CCpuInfo detected = DetectedPentium4(machine);
    auto none = [](CCpuInfo&) {};
    const PresentationCase cases[] = {
        {"known clock", INFO_CLOCK, [](CCpuInfo& r) { r.EffectiveClock = 2400.0; }, true, "2400.00", false, false},
        {"unknown clock", INFO_CLOCK, [](CCpuInfo& r) { r.EffectiveClock = -1.0; }, true, "unknown", true, false},
        {"clock of a replay without a recorded clock", INFO_CLOCK, [](CCpuInfo& r) { r.EffectiveClock = 1000.01; },
         false, "1000.01 (from the simulated counter: the file records no clock)", false, false},
        {"unknown clock of a replay stays unknown", INFO_CLOCK, [](CCpuInfo& r) { r.EffectiveClock = -1.0; }, false,
         "unknown", true, false},
        {"re-measured clock of a replay", INFO_MEASURE_CLOCK_QPC, none, false,
         "2400.00 (from the simulated counter: the file records no clock)", false, false},
        {"bus clock -1.00", INFO_BUS_CLOCK, [](CCpuInfo& r) { r.EffectiveBusClock = -1.0; }, true, "unknown", true,
         false},
        {"bus clock of a replay without a recorded clock", INFO_BUS_CLOCK,
         [](CCpuInfo& r) { r.EffectiveBusClock = 133.0; }, false, "unknown (the file records no clock)", true, false},
        {"multiplier -1.00", INFO_MULTIPLIER, [](CCpuInfo& r) { r.Multiplier = -1.0; }, true, "unknown", true, false},
        {"multiplier 0.5 keeps its figure", INFO_MULTIPLIER, [](CCpuInfo& r) { r.Multiplier = 0.5; }, true, "0.50",
         false, false},
        {"overclock of an unknown rated clock (-100 %)", INFO_OVERCLOCK_PERCENT,
         [](CCpuInfo& r) { r.RatedClock = -1.0; r.OverclockPercent = -100.0; }, true, "unknown", true, false},
        {"overclock of an unknown clock", INFO_OVERCLOCK_PERCENT,
         [](CCpuInfo& r) { r.RatedClock = 2400.0; r.EffectiveClock = -1.0; r.OverclockPercent = -100.04; }, true,
         "unknown", true, false},
        {"underclock is a figure", INFO_OVERCLOCK_PERCENT,
         [](CCpuInfo& r) { r.RatedClock = 2400.0; r.EffectiveClock = 1800.0; r.OverclockPercent = -25.0; }, true,
         "-25.00", false, false},
        {"overclock of a replay without a recorded clock", INFO_OVERCLOCK_PERCENT,
         [](CCpuInfo& r) { r.RatedClock = 1866.67; r.EffectiveClock = 857.15; r.OverclockPercent = -54.08; }, false,
         "unknown (the file records no clock)", true, false},
        {"die size -1.0", INFO_DIE_SIZE, [](CCpuInfo& r) { r.DieSize = -1.0; }, true, "unknown", true, false},
        {"die size without the leading blank of %4.1f", INFO_DIE_SIZE, [](CCpuInfo& r) { r.DieSize = 1.5; }, true,
         "1.5", false, false},
        {"family 6 in hexadecimal", INFO_FAMILY, [](CCpuInfo& r) { r.Family = 6; }, true, "0x6", false, false},
        {"family 15 in hexadecimal and decimal", INFO_FAMILY, [](CCpuInfo& r) { r.Family = 15; }, true, "0xF (15)",
         false, false},
        {"full family 0x19 is 25", INFO_FULL_FAMILY, [](CCpuInfo& r) { r.FullFamily = 0x19; }, true, "0x19 (25)",
         false, false},
        {"family of no CPUID (FFFFFFFF)", INFO_FAMILY, [](CCpuInfo& r) { r.Family = -1; }, true, "unknown", true,
         false},
        {"brand identifier 0", INFO_BRAND_ID, [](CCpuInfo& r) { r.BrandId = 0; }, true, "0x00", false, false},
        {"brand identifier 10", INFO_BRAND_ID, [](CCpuInfo& r) { r.BrandId = 10; }, true, "0x0A (10)", false, false},
        {"APIC id -1 (FFFFFFFF)", INFO_APIC_ID, [](CCpuInfo& r) { r.ApicId = -1; }, true, "unknown", true, false},
        {"extended-leaf family -1", INFO_EXT_LEAF_FAMILY, [](CCpuInfo& r) { r.ExtLeafFamily = -1; }, true, "unknown",
         true, false},
        {"signature text", INFO_SIGNATURE, [](CCpuInfo& r) { CopyText(r.SignatureHex, "F29"); }, true, "0xF29", false,
         false},
        {"no signature", INFO_SIGNATURE, [](CCpuInfo& r) { CopyText(r.SignatureHex, ""); }, true, "", false, true},
        {"cache ways -1", INFO_L3_ASSOC, [](CCpuInfo& r) { CopyText(r.L3AssocText, "-1"); }, true, "unknown", true,
         false},
        {"cache line never written", INFO_L2_LINE, [](CCpuInfo& r) { CopyText(r.L2LineText, ""); }, true, "unknown",
         true, false},
        {"fully associative cache", INFO_L1_CODE_ASSOC, [](CCpuInfo& r) { CopyText(r.L1CodeAssocText, "Full"); }, true,
         "Full", false, false},
        {"cache line 64", INFO_L2_LINE, [](CCpuInfo& r) { CopyText(r.L2LineText, "64"); }, true, "64", false, false},
        {"Transmeta clock not read", INFO_TRANSMETA_CURRENT_CLOCK, [](CCpuInfo& r) { r.TransmetaCurrentClock = -1; },
         true, "unknown", true, true},
        {"Transmeta clock 600", INFO_TRANSMETA_CURRENT_CLOCK, [](CCpuInfo& r) { r.TransmetaCurrentClock = 600; }, true,
         "600", false, false},
        {"empty serial number", INFO_SERIAL_NUMBER, [](CCpuInfo& r) { CopyText(r.SerialNumber, ""); }, true, "", false,
         true},
        {"spare text", INFO_SPARE_7, none, true, "", false, true},
        {"vendor text as it is", INFO_VENDOR_NAME, none, true, "Intel", false, false},
        {"model number without its leading blank", INFO_MODEL_NUMBER,
         [](CCpuInfo& r) { CopyText(r.ModelNumber, " 2600+"); }, true, "2600+", false, false},
        {"a text of blanks has nothing to show", INFO_BRAND_STRING, [](CCpuInfo& r) { CopyText(r.BrandString, "   "); },
         true, "", false, true},
        {"quad data rate", INFO_BUS_DATA_RATE, [](CCpuInfo& r) { CopyText(r.BusDataRateName, "QDR"); }, true,
         "QDR (4 transfers per bus clock)", false, false},
        {"no front-side bus", INFO_BUS_DATA_RATE, [](CCpuInfo& r) { CopyText(r.BusDataRateName, "---"); }, true,
         "--- (no front-side bus)", false, false},
        {"no measurement timer yet", INFO_CLOCK_METHOD, [](CCpuInfo& r) { CopyText(r.ClockMethodName, ""); }, true, "",
         false, true},
#if defined(_WIN32)
        {"performance-counter timer", INFO_CLOCK_METHOD, [](CCpuInfo& r) { CopyText(r.ClockMethodName, "QPC"); }, true,
         "QPC (performance counter)", false, false},
#else
        {"performance-counter timer", INFO_CLOCK_METHOD, [](CCpuInfo& r) { CopyText(r.ClockMethodName, "QPC"); }, true,
         "QPC (ns clock)", false, false},
#endif
    };
    for (const PresentationCase& c : cases) {
        CCpuInfo record = detected;
        c.change(record);
        char text[256];
        {
            // The re-measuring items measure again: on the simulated machine, at its counter's rate.
            ScopedMachine use(machine);
            record.GetInfo(c.code, text);
        }
        const InfoItemRow* row = FindInfoItem(c.code);
        ASSERT_NE(row, nullptr) << c.what;
        tools::ReportContext context;
        context.clockRecorded = c.clockRecorded;
        const tools::ItemView view = tools::PresentItem(*row, text, record, context);
        EXPECT_EQ(view.shown, c.shown) << c.what << " (" << row->name << ", item text '" << text << "')";
        EXPECT_EQ(view.unknown, c.unknown) << c.what << " (" << row->name << "): unknown";
        EXPECT_EQ(view.empty, c.empty) << c.what << " (" << row->name << "): empty";
    }
}

TEST(ReportPresentation, EveryItemHasItsOwnLabelInThisPlatformsWords) {
    std::set<std::string> seen;
    for (size_t i = 0; i < kInfoItemCount; ++i) {
        const char* label = tools::ItemLabel(kInfoItems[i].code);
        ASSERT_NE(label, nullptr) << kInfoItems[i].name << " has no label";
        EXPECT_TRUE(seen.insert(label).second) << kInfoItems[i].name << ": label '" << label << "' given twice";
        EXPECT_LE(std::strlen(label), 56u) << kInfoItems[i].name << ": label too long for the report's column";
#if !defined(_WIN32)
        for (const char* word : {"MMT", "QPC", "multimedia", "tick count", "performance counter"})
            EXPECT_EQ(std::strstr(label, word), nullptr) << kInfoItems[i].name << ": '" << word << "' in " << label;
#endif
    }
    EXPECT_EQ(tools::ItemLabel(0x1000), nullptr);
    EXPECT_EQ(tools::ItemLabel(0x1030), nullptr);
}

// The help says how long each method waits; the measurement on the simulated machine must agree.
TEST(ReportPresentation, ClockOptionHelpTellsEachMethodsWait) {
    const std::string help = tools::ClockOptionHelp("  ");
    std::istringstream lines(help);
    std::string line;
    std::set<unsigned> described;
    while (std::getline(lines, line)) {
        ASSERT_EQ(line.compare(0, 2, "  "), 0) << "indent: " << line;
        const char* text = line.c_str() + 2;
        char* end = nullptr;
        const unsigned long method = std::strtoul(text, &end, 10);
        if (end == text) continue;  // a line about the other codes
        described.insert(static_cast<unsigned>(method));
        const char* over = std::strstr(text, "over ");
        if (!over) {
            EXPECT_NE(std::strstr(text, "no measurement"), nullptr) << line;
            continue;
        }
        const double seconds = std::strtod(over + 5, nullptr);
        SimulatedMachine machine;
        CCpuInfo record = DetectedPentium4(machine);
        record.VariableClock = 0;  // no warm-up: the wait alone
        ScopedMachine use(machine);
        const uint64_t before = machine.Now();
        record.MeasureClock(static_cast<uint32_t>(method));
        const double waited = static_cast<double>(machine.Now() - before) * 1e-6;
        EXPECT_NEAR(waited, seconds, 0.01 * seconds) << "method " << method << ": " << line;
    }
    EXPECT_EQ(described, (std::set<unsigned>{0, 1, 2, 3, 4, 9})) << help;
    EXPECT_NE(help.find("any other code measures as 1"), std::string::npos) << help;
}

}  // namespace
