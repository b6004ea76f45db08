#include "cpuinfo/cpu_info.h"

double CCpuInfo::RatedClockFromBrand() { return -1.0; }

double CCpuInfo::MaxMultiplierFromBrand(int32_t) { return MaxMultiplier; }

