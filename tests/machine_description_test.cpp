// Saving a replayed machine: the facts as they were given, a clock only when the file recorded one
// (so a dump without a clock stays one when saved), and a second save equal to the first.
#include <gtest/gtest.h>

#include <string>

#include "platform/machine_file.h"
#include "platform/simulated_machine.h"
#include "tools/machine_description.h"

using platform::SimulatedMachine;

namespace {

const char kDump[] =
    "CPUID 00000000: 00000002-756E6547-6C65746E-49656E69\n"
    "CPUID 00000001: 00000F29-00020809-00004400-BFEBFBFF\n";

SimulatedMachine Parse(const std::string& text) {
    SimulatedMachine machine;
    std::string error;
    EXPECT_TRUE(platform::ParseMachineText(text, "test", machine, error)) << error;
    return machine;
}

struct SaveCase {
    const char* what;
    std::string file;
    bool clockGiven;
    const char* clockLine;  // null: the saved file has no clock
};

TEST(MachineDescription, ClockSavedOnlyWhenGivenAndSavesAreStable) {
    const SaveCase cases[] = {
        {"dump without a clock", kDump, false, nullptr},
        {"file with a clock", std::string(kDump) + "SET tsc-mhz = 2400.5\n", true, "SET tsc-mhz = 2400.5\n"},
        {"file with the default rate written out", std::string(kDump) + "SET tsc-mhz = 1000\n", true,
         "SET tsc-mhz = 1000\n"},
    };
    for (const SaveCase& c : cases) {
        SimulatedMachine machine = Parse(c.file);
        EXPECT_EQ(machine.Facts().tscMhzGiven, c.clockGiven) << c.what;
        const std::string first = tools::DescribeMachine(machine);
        if (c.clockLine)
            EXPECT_NE(first.find(c.clockLine), std::string::npos) << c.what << ":\n" << first;
        else
            EXPECT_EQ(first.find("tsc-mhz"), std::string::npos) << c.what << ":\n" << first;
        SimulatedMachine reloaded = Parse(first);
        EXPECT_EQ(reloaded.Facts().tscMhzGiven, c.clockGiven) << c.what << ": after a save";
        EXPECT_EQ(tools::DescribeMachine(reloaded), first) << c.what << ": a second save differs";
    }
}

TEST(MachineDescription, MachineBuiltInCodeKeepsItsRate) {
    SimulatedMachine machine = Parse(kDump);
    machine.Facts().tscMhz = 1800.0;  // set in code, not by a file
    const std::string saved = tools::DescribeMachine(machine);
    EXPECT_NE(saved.find("SET tsc-mhz = 1800\n"), std::string::npos) << saved;
}

}  // namespace
