// The inverse of FillRandomMachine: the bytes that make it build a given machine, so recorded
// processors can seed the detection fuzzer with inputs that reach every vendor's naming.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/simulated_machine.h"

namespace testsupport {

// Leaves 0-7, 0xB and the vendor ranges FillRandomMachine reads (sub-leaf 0), its registers and the
// host facts, then the clock option byte the detection fuzzer reads last. A leaf 0 with a known vendor
// string is encoded as that vendor's choice (its highest basic leaf is then kept below 16).
std::vector<uint8_t> EncodeMachine(platform::SimulatedMachine& machine, uint8_t clockOption);

}  // namespace testsupport
