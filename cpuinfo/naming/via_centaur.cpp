#include "cpuinfo/cpu_info.h"

void CCpuInfo::NameViaCentaur() { IdentifyViaRevision(); }

void CCpuInfo::IdentifyViaRevision() {}

