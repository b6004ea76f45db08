// The model-specific-register entry points the executable exports. On a real machine neither touches
// a register: both return 1 and leave the caller's words as they were. A simulated machine that was
// given a register value delivers it (both words) through ReadMsrFrom, which the detection uses.
#pragma once

#include <cstdint>

namespace platform {
class Machine;
}

// ReadMSR on the given machine: returns 1; writes both words when the machine delivers the register,
// neither otherwise.
int32_t ReadMsrFrom(platform::Machine& machine, uint32_t index, uint32_t* low, uint32_t* high);

#if defined(_WIN32)
#define CPUINFO_EXPORT __declspec(dllexport)
#define CPUINFO_CDECL __cdecl
#else
#define CPUINFO_EXPORT __attribute__((visibility("default")))
#if defined(__i386__)
#define CPUINFO_CDECL __attribute__((cdecl))
#else
#define CPUINFO_CDECL
#endif
#endif

// On this computer's (native) machine.
extern "C" {
CPUINFO_EXPORT int32_t CPUINFO_CDECL ReadMSR(uint32_t index, uint32_t* low, uint32_t* high);
CPUINFO_EXPORT int32_t CPUINFO_CDECL WriteMSR(uint32_t index, uint32_t low, uint32_t high);
}
