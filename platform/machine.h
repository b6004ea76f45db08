// The machine seam: every contact the detection has with the processor and the operating system
// goes through the Machine it was given, so that a simulated machine can stand in for the real one.
#pragma once

#include <cstddef>
#include <cstdint>

namespace platform {

struct CpuidRegs {
    uint32_t eax = 0;
    uint32_t ebx = 0;
    uint32_t ecx = 0;
    uint32_t edx = 0;
};

// What the operating system reports about its processors (the Windows SYSTEM_INFO members in use).
struct SystemInfo {
    uint32_t processorCount = 1;
    uint16_t architecture = 0;  // Windows processor-architecture code: 0 x86, 9 x64, ...
    uint32_t processorType = 586;
    uint16_t processorLevel = 0;
};

class Machine {
public:
    virtual ~Machine() = default;

    // Called once at the start of every detection; a simulated machine restarts its clock here.
    virtual void BeginDetection() {}

    // Processor.
    // Reads the flags register, inverts the identification flag (bit 21), writes it back and reads the
    // flags again; CPUID exists when the two readings differ.
    virtual void ToggleIdFlag(uint32_t& before, uint32_t& after) = 0;
    virtual CpuidRegs Cpuid(uint32_t leaf, uint32_t subleaf) = 0;
    virtual uint64_t ReadTsc() = 0;
    // Delivers a model-specific register: true and both words written, or false and neither touched.
    virtual bool ReadMsr(uint32_t index, uint32_t& low, uint32_t& high) = 0;

    // Timers.
    virtual int64_t QueryPerformanceCounter() = 0;
    virtual int64_t QueryPerformanceFrequency() = 0;
    virtual uint32_t TimeGetTime() = 0;   // multimedia timer, milliseconds, wraps at 2^32
    virtual uint32_t GetTickCount() = 0;  // tick count, milliseconds, wraps at 2^32
    virtual void SleepZero() = 0;         // give up the rest of the time slice

    // Operating system.
    // Pins the calling thread; returns the previous mask, or 0 when the mask was refused.
    virtual uint32_t SetThreadAffinityMask(uint32_t mask) = 0;
    virtual bool IsNtPlatform() = 0;
    virtual SystemInfo GetSystemInfo() = 0;
    virtual bool IsWow64() = 0;
    // Writes the executable's full path (terminated, truncated to size) and returns its length.
    virtual size_t ExecutablePath(char* out, size_t size) = 0;
    // Windows-style ini lookup: the value of key in section of the file at path, or the default;
    // written terminated and truncated to size. Returns the length written.
    virtual size_t ReadIniString(const char* path, const char* section, const char* key,
                                 const char* defaultValue, char* out, size_t size) = 0;
};

// The native machine of this build (POSIX or Windows). It keeps no state of its own, so any number
// of detections may use it at once.
Machine& NativeMachine();

}  // namespace platform
