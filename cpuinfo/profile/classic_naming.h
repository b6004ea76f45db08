// The classic naming tables' results as the profile takes them, from a record.
#pragma once

#include "cpuinfo/cpu_info.h"
#include "cpuinfo/profile/profile.h"

namespace profile {

inline ClassicNaming ClassicNamingOf(const CCpuInfo& record) {
    ClassicNaming classic;
    classic.codeName = record.CodeName;
    classic.process = record.ProcessTech;
    return classic;
}

}  // namespace profile
