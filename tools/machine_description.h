// The machine file that describes a machine: what `cpureport --save` writes and `--machine` reads back.
#pragma once

#include <string>

#include "cpuinfo/cpu_info.h"
#include "platform/machine.h"
#include "platform/simulated_machine.h"

namespace tools {

// This machine as it answers: its CPUID leaves and sub-leaves, host facts and the clock cpu measured.
std::string DescribeMachine(platform::Machine& machine, const CCpuInfo& cpu);

// A replayed machine exactly as it was given: every leaf, register and host fact, so that saving a
// replay and loading it again changes nothing (a measured clock would drift a little each time).
std::string DescribeMachine(const platform::SimulatedMachine& machine);

}  // namespace tools
