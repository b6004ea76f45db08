#include "cpuinfo/cpu_info.h"

int32_t CCpuInfo::DecodeCpuid() { return 0; }

