// Helpers for tests that run the whole detection on a simulated machine built in code.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>

#include "cpuinfo/cpu_info.h"
#include "platform/simulated_machine.h"

namespace testsupport {

// Leaf 0 with the highest basic leaf and the 12-character vendor string.
void SetVendor(platform::SimulatedMachine& machine, const char* vendor, uint32_t maxStdLeaf);

// Leaf 1: the signature and the other three registers.
void SetSignature(platform::SimulatedMachine& machine, uint32_t eax, uint32_t ebx, uint32_t ecx, uint32_t edx);

// Leaves 0x80000002..4 from up to 48 characters (NUL-padded); raises leaf 0x80000000 to 0x80000004
// when it is lower.
void SetBrandString(platform::SimulatedMachine& machine, const char* brand);

// Sets the highest extended leaf (leaf 0x80000000 EAX); replaces an earlier value.
void SetMaxExtLeaf(platform::SimulatedMachine& machine, uint32_t maxExtLeaf);

// A new simulated machine that lives as long as the test program, for records that a helper returns
// by value and that may still ask their machine later (the re-measuring items). Not for use from
// several threads at once.
platform::SimulatedMachine& KeptMachine();

// GetInfo's text for an item.
std::string InfoText(CCpuInfo& cpu, int32_t item);

// Four little-endian characters as a register value.
uint32_t Chars(const char* four);

}  // namespace testsupport

// Test failures print the named codes as their numbers.
inline void PrintTo(Vendor vendor, std::ostream* out) { *out << "Vendor " << static_cast<int32_t>(vendor); }
inline void PrintTo(Core core, std::ostream* out) { *out << "Core " << static_cast<int32_t>(core); }
inline void PrintTo(BusCode bus, std::ostream* out) { *out << "BusCode " << static_cast<int32_t>(bus); }
