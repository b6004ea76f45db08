#include "cpuinfo/msr.h"

#include "platform/machine.h"

int32_t ReadMsrFrom(platform::Machine& machine, uint32_t index, uint32_t* low, uint32_t* high) {
    machine.IsNtPlatform();  // the platform test comes first, as on the original driver path
    uint32_t deliveredLow = 0;
    uint32_t deliveredHigh = 0;
    if (machine.ReadMsr(index, deliveredLow, deliveredHigh)) {
        if (low) *low = deliveredLow;
        if (high) *high = deliveredHigh;
    }
    return 1;
}
