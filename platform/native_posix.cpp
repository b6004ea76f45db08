// The native machine on Linux and other POSIX systems: the processor through intrinsics, the timers
// through CLOCK_MONOTONIC, affinity through sched_setaffinity, the ini file through our own reader.
// It never delivers a model-specific register: ReadMSR on a real machine reads nothing.
#if !defined(_WIN32)

#include <sched.h>
#include <sys/utsname.h>
#include <time.h>
#include <unistd.h>

#include <cstring>

#include "platform/ini_reader.h"
#include "platform/machine.h"

#if defined(__i386__) || defined(__x86_64__)
#include <cpuid.h>
#include <x86intrin.h>
#define CPUINFO_HAVE_X86 1
#else
#define CPUINFO_HAVE_X86 0
#endif

namespace platform {
namespace {

int64_t MonotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// The millisecond timers are the monotonic clock in milliseconds, truncated to 32 bits so that
// they wrap like the Windows counters do.
uint32_t MonotonicMilliseconds() { return static_cast<uint32_t>(MonotonicNanoseconds() / 1000000); }

class PosixMachine final : public Machine {
public:
    void ToggleIdFlag(uint32_t& before, uint32_t& after) override {
#if CPUINFO_HAVE_X86
        // The flag-register intrinsics leave the red zone below the stack pointer alone.
        before = static_cast<uint32_t>(__readeflags());
        __writeeflags(__readeflags() ^ 0x200000u);
        after = static_cast<uint32_t>(__readeflags());
#else
        before = after = 0;  // no identification flag outside x86
#endif
    }

    CpuidRegs Cpuid(uint32_t leaf, uint32_t subleaf) override {
        CpuidRegs regs;
#if CPUINFO_HAVE_X86
        __cpuid_count(leaf, subleaf, regs.eax, regs.ebx, regs.ecx, regs.edx);
#else
        (void)leaf;
        (void)subleaf;
#endif
        return regs;
    }

    uint64_t ReadTsc() override {
#if CPUINFO_HAVE_X86
        return __rdtsc();
#else
        return 0;
#endif
    }

    bool ReadMsr(uint32_t, uint32_t&, uint32_t&) override { return false; }

    int64_t QueryPerformanceCounter() override { return MonotonicNanoseconds(); }
    int64_t QueryPerformanceFrequency() override { return 1000000000; }
    uint32_t TimeGetTime() override { return MonotonicMilliseconds(); }
    uint32_t GetTickCount() override { return MonotonicMilliseconds(); }
    void SleepZero() override { sched_yield(); }

    uint32_t SetThreadAffinityMask(uint32_t mask) override {
        cpu_set_t previous;
        CPU_ZERO(&previous);
        if (sched_getaffinity(0, sizeof previous, &previous) != 0) return 0;
        cpu_set_t wanted;
        CPU_ZERO(&wanted);
        for (size_t cpu = 0; cpu < 32; ++cpu)
            if (mask & (1u << cpu)) CPU_SET(cpu, &wanted);
        if (sched_setaffinity(0, sizeof wanted, &wanted) != 0) return 0;
        uint32_t old = 0;
        for (size_t cpu = 0; cpu < 32; ++cpu)
            if (CPU_ISSET(cpu, &previous)) old |= 1u << cpu;
        return old;
    }

    bool IsNtPlatform() override { return true; }

    SystemInfo GetSystemInfo() override {
        SystemInfo info;
        long online = sysconf(_SC_NPROCESSORS_ONLN);
        info.processorCount = online > 0 ? static_cast<uint32_t>(online) : 1;
#if defined(__x86_64__)
        info.architecture = 9;
        info.processorType = 8664;
#else
        info.architecture = 0;
        info.processorType = 586;
#endif
        // Windows reports the processor level as the CPUID base family.
        CpuidRegs leaf1 = Cpuid(0, 0).eax >= 1 ? Cpuid(1, 0) : CpuidRegs{};
        info.processorLevel = static_cast<uint16_t>((leaf1.eax >> 8) & 0xF);
        return info;
    }

    bool IsWow64() override {
#if defined(__i386__)
        // A 32-bit build on a 64-bit kernel is this platform's 32-bit-on-64-bit case.
        utsname name{};
        return uname(&name) == 0 && std::strcmp(name.machine, "x86_64") == 0;
#else
        return false;
#endif
    }

    size_t ExecutablePath(char* out, size_t size) override {
        if (size == 0) return 0;
        ssize_t length = readlink("/proc/self/exe", out, size - 1);
        if (length < 0) length = 0;
        out[length] = '\0';
        return static_cast<size_t>(length);
    }

    size_t ReadIniString(const char* path, const char* section, const char* key, const char* defaultValue,
                         char* out, size_t size) override {
        return ReadIniValue(path, section, key, defaultValue, out, size);
    }
};

}  // namespace

Machine& NativeMachine() {
    static PosixMachine machine;
    return machine;
}

}  // namespace platform

#endif  // !_WIN32
