// Machine files: text that describes a simulated machine. Reads the native format (CPUID, MSR and SET
// lines, a superset of the common raw CPUID dump lines) and two other common dump formats, recognised
// from the content. One logical processor per file; the rest of a dump's text is ignored.
#pragma once

#include <string>

#include "platform/simulated_machine.h"

namespace platform {

// Loads the file at path into machine. On failure returns false, leaves a one-line message naming the
// file (and the line, for a malformed line) in error, and the machine in an unspecified state.
bool LoadMachineFile(const std::string& path, SimulatedMachine& machine, std::string& error);

// The same for text already in memory; name stands for the file in messages.
bool ParseMachineText(const std::string& text, const std::string& name, SimulatedMachine& machine,
                      std::string& error);

}  // namespace platform
