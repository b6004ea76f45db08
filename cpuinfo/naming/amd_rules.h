// Small pieces the AMD rule tables share: set tests for conditions, a row predicate written inline,
// and a bounded append for texts built in steps.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>

#include "cpuinfo/cpu_info.h"
#include "cpuinfo/text.h"

namespace amd_naming {

// True when value is one of the listed values.
constexpr bool In(int32_t value, std::initializer_list<int32_t> values) {
    for (int32_t candidate : values)
        if (candidate == value) return true;
    return false;
}

// True when low <= value <= high.
constexpr bool Between(int32_t value, int32_t low, int32_t high) { return low <= value && value <= high; }

// Appends source to the text already in the field, cut to the field and terminated.
template <size_t N>
void AppendText(char (&target)[N], const char* source) {
    size_t used = 0;
    while (used < N - 1 && target[used] != '\0') ++used;
    CopyTextInto(target + used, N - used, source);
}

}  // namespace amd_naming

// A row condition on the record `r`, written where the row stands.
#define AMD_WHEN(condition) [](const CCpuInfo& r) -> bool { return (condition); }
