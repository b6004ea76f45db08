// The model-specific-register entry points the executable exports. On a real machine neither touches
// a register: both return 1 and leave the caller's words as they were. A simulated machine that was
// given a register value delivers it through ReadMSR (both words).
#pragma once

#include <cstdint>

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

extern "C" {
CPUINFO_EXPORT int32_t CPUINFO_CDECL ReadMSR(uint32_t index, uint32_t* low, uint32_t* high);
CPUINFO_EXPORT int32_t CPUINFO_CDECL WriteMSR(uint32_t index, uint32_t low, uint32_t high);
}
