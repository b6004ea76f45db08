// Linked into each executable itself (not the library), so that the executable exports both entry points.
#include "cpuinfo/msr.h"

#include "cpuinfo/cpu_info.h"
#include "platform/machine.h"

extern "C" {

int32_t CPUINFO_CDECL ReadMSR(uint32_t index, uint32_t* low, uint32_t* high) {
    IsNtPlatform();
    uint32_t deliveredLow = 0;
    uint32_t deliveredHigh = 0;
    if (platform::CurrentMachine().ReadMsr(index, deliveredLow, deliveredHigh)) {
        if (low) *low = deliveredLow;
        if (high) *high = deliveredHigh;
    }
    return 1;
}

int32_t CPUINFO_CDECL WriteMSR(uint32_t, uint32_t, uint32_t) {
    IsNtPlatform();
    return 1;
}

}  // extern "C"
