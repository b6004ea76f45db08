#include "cpuinfo/cpu_info.h"

void CCpuInfo::NameAmdFamily15() {}

void CCpuInfo::FormatAmdModelNumber() {}

void CCpuInfo::IdentifyAmdSocket() {}

