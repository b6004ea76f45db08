// Linked into each executable itself (not the library), so that the executable exports both entry points.
#include "cpuinfo/msr.h"

#include "platform/machine.h"

extern "C" {

int32_t CPUINFO_CDECL ReadMSR(uint32_t index, uint32_t* low, uint32_t* high) {
    return ReadMsrFrom(platform::NativeMachine(), index, low, high);
}

int32_t CPUINFO_CDECL WriteMSR(uint32_t, uint32_t, uint32_t) {
    platform::NativeMachine().IsNtPlatform();
    return 1;
}

}  // extern "C"
