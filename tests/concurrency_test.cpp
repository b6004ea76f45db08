// Detections on two threads at once, each on its own simulated machine, get the answers each machine
// gives alone: the library keeps no process-wide state that one detection could change under another.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "cpuinfo/cpu_info.h"
#include "platform/machine_file.h"
#include "platform/simulated_machine.h"
#include "tests/support/simulated.h"

namespace {

using platform::SimulatedMachine;

SimulatedMachine Load(const std::string& file) {
    SimulatedMachine machine;
    std::string error;
    EXPECT_TRUE(platform::LoadMachineFile(std::string(CPUTYPE_TEST_MACHINES) + "/" + file, machine, error)) << error;
    return machine;
}

// Every item's text after a whole detection, the re-measuring items included.
std::vector<std::string> Identify(SimulatedMachine& machine) {
    CCpuInfo cpu(machine, 0x100, 0);
    std::vector<std::string> texts;
    for (size_t i = 0; i < kInfoItemCount; ++i) texts.push_back(testsupport::InfoText(cpu, kInfoItems[i].code));
    return texts;
}

struct Processor {
    const char* file;
    const char* name;  // the name the machine gives; the two differ
};

TEST(Concurrency, TwoThreadsIdentifyTwoMachinesAtOnce) {
    const Processor processors[2] = {{"athlon-xp-registers.txt", "Athlon XP (Thoroughbred)"},
                                     {"core2-6300-registers.txt", "Core 2 Duo (Allendale)"}};
    constexpr int kRounds = 20;

    std::vector<std::string> alone[2];
    for (int p = 0; p < 2; ++p) {
        SimulatedMachine machine = Load(processors[p].file);
        alone[p] = Identify(machine);
        ASSERT_EQ(alone[p][0], processors[p].name) << processors[p].file;
    }

    std::atomic<int> ready{0};
    std::vector<std::string> together[2][kRounds];
    auto run = [&](int p) {
        SimulatedMachine machine = Load(processors[p].file);
        ++ready;
        while (ready.load() < 2) {
        }
        for (int round = 0; round < kRounds; ++round) together[p][round] = Identify(machine);
    };
    std::thread first(run, 0);
    std::thread second(run, 1);
    first.join();
    second.join();

    for (int p = 0; p < 2; ++p)
        for (int round = 0; round < kRounds; ++round)
            for (size_t i = 0; i < kInfoItemCount; ++i)
                EXPECT_EQ(together[p][round][i], alone[p][i])
                    << processors[p].file << " round " << round << ": " << kInfoItems[i].name;
}

}  // namespace
