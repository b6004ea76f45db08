// Faults of the host shown by the simulated machine on a recorded processor: the identification-flag
// test failing, the affinity call refused, the ini file unreadable. The detection must go on with the
// sound result for each, never with a half-done record.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "cpuinfo/cpu_info.h"
#include "platform/machine_file.h"
#include "platform/simulated_machine.h"
#include "tests/support/simulated.h"

namespace {

struct FaultCase {
    const char* fault;
    std::function<void(platform::SimulatedMachine&)> inject;
    const char* processorName;   // INFO_PROCESSOR_NAME
    int32_t cpuidSupported;
    int32_t dualWaitTime;
    uint32_t affinityAfter;      // the simulated thread's mask after the detection (0: never pinned)
};

TEST(FaultInjection, RecordedPentium4GoesOnSoundlyUnderEachFault) {
    const FaultCase cases[] = {
        {"none", [](platform::SimulatedMachine&) {}, "Intel Pentium 4", 1, 250, 0x3},
        {"identification flag stuck", [](platform::SimulatedMachine& m) { m.Facts().cpuid = false; }, "", 0, 250, 0x3},
        {"affinity refused", [](platform::SimulatedMachine& m) { m.Faults().affinityRefused = true; },
         "Intel Pentium 4", 1, 250, 0},
        {"ini file unreadable", [](platform::SimulatedMachine& m) { m.Faults().iniUnreadable = true; },
         "Intel Pentium 4", 1, 1000, 0x3},
    };
    for (const FaultCase& c : cases) {
        platform::SimulatedMachine machine;
        std::string error;
        ASSERT_TRUE(platform::LoadMachineFile(std::string(CPUTYPE_TEST_MACHINES) + "/pentium4-2.40.test", machine,
                                              error))
            << error;
        machine.Facts().processors = 2;
        machine.Facts().dualWaitTime = "250";
        c.inject(machine);
        platform::ScopedMachine use(machine);
        CCpuInfo cpu(0x2, 9);
        EXPECT_EQ(testsupport::InfoText(cpu, INFO_PROCESSOR_NAME), c.processorName) << c.fault << ": name";
        EXPECT_EQ(cpu.CpuidSupported, c.cpuidSupported) << c.fault << ": CPUID presence";
        EXPECT_EQ(cpu.DualWaitTime, c.dualWaitTime) << c.fault << ": ini value";
        EXPECT_EQ(machine.AffinityCalls(), 2) << c.fault << ": pin and restore are both attempted";
        EXPECT_EQ(machine.CurrentAffinity(), c.affinityAfter) << c.fault << ": affinity left behind";
    }
}

}  // namespace
