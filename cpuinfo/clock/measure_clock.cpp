#include "cpuinfo/cpu_info.h"

// Until the clock is measured, the figure is the current effective clock.
double CCpuInfo::MeasureClock(uint32_t) { return EffectiveClock; }

