#include "cpuinfo/cpu_info.h"

void CCpuInfo::NameIntel() { IdentifyIntelRevision(); }

