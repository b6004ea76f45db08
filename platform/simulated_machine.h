// A deterministic machine built in code or loaded from a machine file: given CPUID leaves, given
// model-specific registers, given host facts, and one simulated clock.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>

#include "platform/machine.h"

namespace platform {

// Facts about the host that a machine file gives with SET lines; the defaults are a single-processor
// 32-bit NT system with CPUID and a 1000 MHz time-stamp counter.
struct HostFacts {
    uint32_t processors = 1;
    uint16_t architecture = 0;
    uint32_t processorType = 586;
    uint16_t processorLevel = 0;
    bool nt = true;
    bool wow64 = false;
    bool cpuid = true;                          // the identification flag can be toggled
    double tscMhz = 1000.0;                     // rate of the simulated time-stamp counter
    bool tscMhzGiven = false;                   // a machine file set tscMhz: it records the real clock
    uint32_t tickStart = 0;                     // first value of the millisecond counters
    std::optional<std::string> dualWaitTime;    // the ini value CqDualWaitTime; none: no ini file
};

// Failures a test can make the simulated host show, each in one operating-system call.
struct InjectedFaults {
    bool affinityRefused = false;  // every affinity call is refused (returns 0, changes nothing)
    bool iniUnreadable = false;    // the ini file exists but cannot be read: the lookup gives the default
};

class SimulatedMachine final : public Machine {
public:
    // The executable path the simulated host reports; its ini file is the same path ending in ".ini".
    static constexpr const char* kExecutablePath = "C:\\Program Files\\cputype\\cputype.exe";

    SimulatedMachine() = default;

    // Building the machine. A leaf or register given twice keeps its first value.
    void SetLeaf(uint32_t leaf, uint32_t subleaf, const CpuidRegs& regs);
    void SetLeaf(uint32_t leaf, const CpuidRegs& regs) { SetLeaf(leaf, 0, regs); }
    // Overwrites a leaf whether or not it was given before.
    void ReplaceLeaf(uint32_t leaf, uint32_t subleaf, const CpuidRegs& regs);
    void SetMsr(uint32_t index, uint64_t value);
    bool HasLeaf(uint32_t leaf, uint32_t subleaf) const;
    bool HasMsr(uint32_t index) const;
    HostFacts& Facts() { return facts_; }
    const HostFacts& Facts() const { return facts_; }
    InjectedFaults& Faults() { return faults_; }
    const std::map<std::pair<uint32_t, uint32_t>, CpuidRegs>& Leaves() const { return leaves_; }
    const std::map<uint32_t, uint64_t>& Msrs() const { return msrs_; }

    // Observation for tests: the affinity calls made and the register reads asked for since the
    // detection began (register index -> number of reads; the first kMaxObservedMsrs indices).
    std::map<uint32_t, int> MsrReads() const;
    int AffinityCalls() const { return affinityCalls_; }
    uint32_t CurrentAffinity() const { return affinity_; }
    // The simulated time in microseconds.
    uint64_t Now() const { return t_; }

    // Machine.
    void BeginDetection() override;
    void ToggleIdFlag(uint32_t& before, uint32_t& after) override;
    CpuidRegs Cpuid(uint32_t leaf, uint32_t subleaf) override;
    uint64_t ReadTsc() override;
    bool ReadMsr(uint32_t index, uint32_t& low, uint32_t& high) override;
    int64_t QueryPerformanceCounter() override;
    int64_t QueryPerformanceFrequency() override;
    uint32_t TimeGetTime() override;
    uint32_t GetTickCount() override;
    void SleepZero() override;
    uint32_t SetThreadAffinityMask(uint32_t mask) override;
    bool IsNtPlatform() override;
    SystemInfo GetSystemInfo() override;
    bool IsWow64() override;
    size_t ExecutablePath(char* out, size_t size) override;
    size_t ReadIniString(const char* path, const char* section, const char* key, const char* defaultValue,
                         char* out, size_t size) override;

    static constexpr size_t kMaxObservedMsrs = 64;

private:
    static constexpr uint64_t kClockStart = 500;  // mid-millisecond, so millisecond edges stay aligned
    uint32_t Milliseconds() const;

    // Sub-leaf 0 of the first kFastLeaves leaves of each range, the ones a detection asks for, are
    // copied into fixed arrays so that a detection finds them without searching the map (and a
    // leaf the machine lacks reads as zeros there too). Null when the leaf is not in those ranges.
    static constexpr uint32_t kFastLeaves = 32;
    static constexpr uint32_t kFastRangeBases[] = {0x00000000u, 0x80000000u, 0x80860000u, 0xC0000000u};
    static constexpr size_t kFastRanges = sizeof kFastRangeBases / sizeof kFastRangeBases[0];
    CpuidRegs* FastLeaf(uint32_t leaf, uint32_t subleaf);

    struct MsrReadCount {
        uint32_t index;
        int count;
    };

    std::map<std::pair<uint32_t, uint32_t>, CpuidRegs> leaves_;
    CpuidRegs fastLeaves_[kFastRanges][kFastLeaves] = {};
    std::map<uint32_t, uint64_t> msrs_;
    HostFacts facts_;
    InjectedFaults faults_;
    // Fixed storage: reading a register allocates nothing.
    MsrReadCount msrReads_[kMaxObservedMsrs] = {};
    size_t msrReadCount_ = 0;
    int affinityCalls_ = 0;
    uint32_t affinity_ = 0;
    uint64_t t_ = kClockStart;
};

}  // namespace platform
