#include "cpuinfo/cpu_info.h"

void CCpuInfo::ReadBrandString() {}

int32_t CCpuInfo::TestPowerNow() { return 0; }

void CCpuInfo::ReadTransmetaInfo() {}

