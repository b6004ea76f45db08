// Helpers for the processor-profile tests: replay a machine file the way cpureport does (the record's
// classic naming first, then the profile), or build the profile of a machine made in code.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "cpuinfo/cpu_info.h"
#include "cpuinfo/profile/classic_naming.h"
#include "cpuinfo/profile/profile.h"
#include "platform/machine.h"
#include "platform/machine_file.h"
#include "platform/simulated_machine.h"

namespace profiletest {

// The profile of a machine file under tests/machines (path relative to that folder).
inline profile::ProcessorProfile Replay(const std::string& relative) {
    platform::SimulatedMachine machine;
    std::string error;
    const std::string path = std::string(CPUTYPE_TEST_MACHINES) + "/" + relative;
    EXPECT_TRUE(platform::LoadMachineFile(path, machine, error)) << error;
    platform::ScopedMachine scoped(machine);
    CCpuInfo record(0x100, 0);
    profile::ProcessorProfile out;
    profile::BuildProcessorProfile(machine, profile::ClassicNamingOf(record), out);
    return out;
}

// The profile of a machine built in code, without classic naming.
inline profile::ProcessorProfile Build(platform::SimulatedMachine& machine, const char* classicCodeName = "",
                                       const char* classicProcess = "") {
    profile::ClassicNaming classic;
    classic.codeName = classicCodeName;
    classic.process = classicProcess;
    profile::ProcessorProfile out;
    profile::BuildProcessorProfile(machine, classic, out);
    return out;
}

// Leaf 1 EAX for a display family, model and stepping, with the extended fields Intel and AMD use.
inline uint32_t SignatureEax(uint32_t family, uint32_t model, uint32_t stepping) {
    const uint32_t base = family >= 0xF ? 0xFu : family;
    const uint32_t extFamily = family >= 0xF ? family - 0xF : 0;
    return (extFamily << 20) | ((model >> 4) << 16) | (base << 8) | ((model & 0xFu) << 4) | (stepping & 0xFu);
}

}  // namespace profiletest
