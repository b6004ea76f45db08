// cpureport's "Processor" section and the "processor" object of its JSON, from a processor profile.
#pragma once

#include <cstddef>
#include <string>

#include "cpuinfo/profile/profile.h"

// The longest label of the "Processor" section.
constexpr size_t kProfileLabelWidth = 32;

// The labelled "Processor" section of the text report, ending with a blank line; labels are padded to
// labelWidth characters.
std::string ProfileText(const profile::ProcessorProfile& p, int labelWidth = 44);

// The "processor" object: {"vendor", "brand", ..., "hypervisor"}; unknown values are null. Nested lines
// are indented by indent spaces.
std::string ProfileJson(const profile::ProcessorProfile& p, int indent);
