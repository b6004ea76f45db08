#include "cpuinfo/cpu_info.h"

void CCpuInfo::IdentifyIntelRevision() {}

