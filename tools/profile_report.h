// cpureport's "Processor" section and the "processor" object of its JSON, from a processor profile.
#pragma once

#include <string>

#include "cpuinfo/profile/profile.h"

// The labelled "Processor" section of the text report, ending with a blank line.
std::string ProfileText(const profile::ProcessorProfile& p);

// The "processor" object: {"vendor", "brand", ..., "hypervisor"}; unknown values are null. Nested lines
// are indented by indent spaces.
std::string ProfileJson(const profile::ProcessorProfile& p, int indent);
