#include "cpuinfo/cpu_info.h"

void CCpuInfo::NameAmd() { IdentifyAmdRevision(); }

void CCpuInfo::IdentifyAmdRevision() {}

