#include "cpuinfo/cpu_info.h"

void CCpuInfo::DecodeMultiplierAndBus() {}

