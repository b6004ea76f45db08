#include "cpuinfo/cpu_info.h"

void CCpuInfo::UpdateMultiplierAndBus() {
    SetL2SpeedRatio();
    if (MsrALow != 0 || MsrBLow != 0) DecodeMultiplierAndBus();
    DetectRescaleNeed();
    ApplyMultiplierRescale();
}

void CCpuInfo::SetL2SpeedRatio() {}

void CCpuInfo::DetectRescaleNeed() {}

void CCpuInfo::ApplyMultiplierRescale() {}

double CCpuInfo::GetAuxFigure() { return -1.0; }

