// The native machine on Windows: the real kernel32 and winmm calls. Built only for Windows.
#if defined(_WIN32)

#include <windows.h>
#include <intrin.h>
#include <mmsystem.h>

#include "platform/machine.h"

namespace platform {
namespace {

class WindowsMachine final : public Machine {
public:
    void ToggleIdFlag(uint32_t& before, uint32_t& after) override {
        before = static_cast<uint32_t>(__readeflags());
        __writeeflags(__readeflags() ^ 0x200000u);
        after = static_cast<uint32_t>(__readeflags());
    }

    CpuidRegs Cpuid(uint32_t leaf, uint32_t subleaf) override {
        int regs[4] = {0, 0, 0, 0};
        __cpuidex(regs, static_cast<int>(leaf), static_cast<int>(subleaf));
        return CpuidRegs{static_cast<uint32_t>(regs[0]), static_cast<uint32_t>(regs[1]),
                         static_cast<uint32_t>(regs[2]), static_cast<uint32_t>(regs[3])};
    }

    uint64_t ReadTsc() override { return __rdtsc(); }
    bool ReadMsr(uint32_t, uint32_t&, uint32_t&) override { return false; }

    int64_t QueryPerformanceCounter() override {
        LARGE_INTEGER value{};
        ::QueryPerformanceCounter(&value);
        return value.QuadPart;
    }
    int64_t QueryPerformanceFrequency() override {
        LARGE_INTEGER value{};
        ::QueryPerformanceFrequency(&value);
        return value.QuadPart;
    }
    uint32_t TimeGetTime() override { return ::timeGetTime(); }
    uint32_t GetTickCount() override { return ::GetTickCount(); }
    void SleepZero() override { ::Sleep(0); }

    uint32_t SetThreadAffinityMask(uint32_t mask) override {
        return static_cast<uint32_t>(::SetThreadAffinityMask(::GetCurrentThread(), mask));
    }

    bool IsNtPlatform() override {
        OSVERSIONINFOA version{};
        version.dwOSVersionInfoSize = sizeof version;
#if defined(_MSC_VER)
#pragma warning(suppress : 4996)  // deprecated in newer SDKs, but it is the platform test the detection uses
#endif
        if (!::GetVersionExA(&version)) return false;
        return version.dwPlatformId == VER_PLATFORM_WIN32_NT;
    }

    SystemInfo GetSystemInfo() override {
        SYSTEM_INFO system{};
        ::GetSystemInfo(&system);
        SystemInfo info;
        info.processorCount = system.dwNumberOfProcessors;
        info.architecture = system.wProcessorArchitecture;
        info.processorType = system.dwProcessorType;
        info.processorLevel = system.wProcessorLevel;
        return info;
    }

    bool IsWow64() override {
        using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE, PBOOL);
        HMODULE kernel = ::GetModuleHandleA("kernel32");
        if (!kernel) return false;
        FARPROC found = ::GetProcAddress(kernel, "IsWow64Process");
        if (!found) return false;
        // Through the generic function-pointer type, which converts to any other without a warning.
        auto isWow64Process = reinterpret_cast<IsWow64ProcessFn>(reinterpret_cast<void (*)()>(found));
        BOOL result = FALSE;
        if (!isWow64Process(::GetCurrentProcess(), &result)) return false;
        return result != FALSE;
    }

    size_t ExecutablePath(char* out, size_t size) override {
        if (size == 0) return 0;
        const DWORD capacity = BufferSize(size);
        // A cut path fills the whole buffer and, on older systems, is not terminated.
        DWORD length = ::GetModuleFileNameA(nullptr, out, capacity);
        if (length >= capacity) length = capacity - 1;
        out[length] = '\0';
        return length;
    }

    // The ini lookup is the system's own: GetPrivateProfileStringA, which cuts and terminates the value.
    size_t ReadIniString(const char* path, const char* section, const char* key, const char* defaultValue,
                         char* out, size_t size) override {
        if (size == 0) return 0;
        return ::GetPrivateProfileStringA(section, key, defaultValue, out, BufferSize(size), path);
    }

private:
    // Buffer sizes as the API takes them; a larger buffer is only partly used.
    static DWORD BufferSize(size_t size) { return size > MAXDWORD ? MAXDWORD : static_cast<DWORD>(size); }
};

}  // namespace

Machine& NativeMachine() {
    static WindowsMachine machine;
    return machine;
}

}  // namespace platform

#endif  // _WIN32
