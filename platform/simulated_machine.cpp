#include "platform/simulated_machine.h"

#include <cstring>

namespace platform {
namespace {

size_t CopyBounded(const char* text, char* out, size_t size) {
    if (size == 0) return 0;
    size_t length = std::strlen(text);
    if (length > size - 1) length = size - 1;
    std::memcpy(out, text, length);
    out[length] = '\0';
    return length;
}

}  // namespace

CpuidRegs* SimulatedMachine::FastLeaf(uint32_t leaf, uint32_t subleaf) {
    if (subleaf != 0) return nullptr;
    for (size_t range = 0; range < kFastRanges; ++range) {
        const uint32_t offset = leaf - kFastRangeBases[range];
        if (offset < kFastLeaves) return &fastLeaves_[range][offset];
    }
    return nullptr;
}

void SimulatedMachine::SetLeaf(uint32_t leaf, uint32_t subleaf, const CpuidRegs& regs) {
    if (!leaves_.emplace(std::make_pair(leaf, subleaf), regs).second) return;  // the first value stays
    if (CpuidRegs* fast = FastLeaf(leaf, subleaf)) *fast = regs;
}

void SimulatedMachine::ReplaceLeaf(uint32_t leaf, uint32_t subleaf, const CpuidRegs& regs) {
    leaves_[std::make_pair(leaf, subleaf)] = regs;
    if (CpuidRegs* fast = FastLeaf(leaf, subleaf)) *fast = regs;
}

void SimulatedMachine::SetMsr(uint32_t index, uint64_t value) { msrs_.emplace(index, value); }

bool SimulatedMachine::HasLeaf(uint32_t leaf, uint32_t subleaf) const {
    return leaves_.count(std::make_pair(leaf, subleaf)) != 0;
}

bool SimulatedMachine::HasMsr(uint32_t index) const { return msrs_.count(index) != 0; }

void SimulatedMachine::BeginDetection() {
    t_ = kClockStart;
    msrReadCount_ = 0;
}

std::map<uint32_t, int> SimulatedMachine::MsrReads() const {
    std::map<uint32_t, int> reads;
    for (size_t i = 0; i < msrReadCount_; ++i) reads[msrReads_[i].index] = msrReads_[i].count;
    return reads;
}

void SimulatedMachine::ToggleIdFlag(uint32_t& before, uint32_t& after) {
    before = 0x00000202;  // interrupts enabled, reserved bit 1
    after = facts_.cpuid ? (before ^ 0x200000u) : before;
}

CpuidRegs SimulatedMachine::Cpuid(uint32_t leaf, uint32_t subleaf) {
    if (const CpuidRegs* fast = FastLeaf(leaf, subleaf)) return *fast;
    auto found = leaves_.find(std::make_pair(leaf, subleaf));
    return found == leaves_.end() ? CpuidRegs{} : found->second;
}

uint64_t SimulatedMachine::ReadTsc() {
    double cycles = static_cast<double>(t_) * facts_.tscMhz;
    if (!(cycles > 0.0)) return 0;
    if (cycles >= 18446744073709551615.0) return UINT64_MAX;
    return static_cast<uint64_t>(cycles);
}

bool SimulatedMachine::ReadMsr(uint32_t index, uint32_t& low, uint32_t& high) {
    size_t seen = 0;
    while (seen < msrReadCount_ && msrReads_[seen].index != index) ++seen;
    if (seen < msrReadCount_)
        ++msrReads_[seen].count;
    else if (msrReadCount_ < kMaxObservedMsrs)
        msrReads_[msrReadCount_++] = MsrReadCount{index, 1};
    auto found = msrs_.find(index);
    if (found == msrs_.end()) return false;
    low = static_cast<uint32_t>(found->second);
    high = static_cast<uint32_t>(found->second >> 32);
    return true;
}

// Every timer read returns the value at the current time and then advances it by one microsecond.
int64_t SimulatedMachine::QueryPerformanceCounter() {
    int64_t value = static_cast<int64_t>(t_) * 1000;
    ++t_;
    return value;
}

int64_t SimulatedMachine::QueryPerformanceFrequency() { return 1000000000; }

uint32_t SimulatedMachine::Milliseconds() const {
    return static_cast<uint32_t>(facts_.tickStart + t_ / 1000);  // wraps mod 2^32
}

uint32_t SimulatedMachine::TimeGetTime() {
    uint32_t value = Milliseconds();
    ++t_;
    return value;
}

uint32_t SimulatedMachine::GetTickCount() {
    uint32_t value = Milliseconds();
    ++t_;
    return value;
}

// With the read before it, one read-and-yield turn of a wait loop takes exactly one millisecond.
void SimulatedMachine::SleepZero() { t_ += 999; }

uint32_t SimulatedMachine::SetThreadAffinityMask(uint32_t mask) {
    ++affinityCalls_;
    if (faults_.affinityRefused) return 0;
    uint32_t available = facts_.processors >= 32 ? 0xFFFFFFFFu : ((1u << facts_.processors) - 1);
    if ((mask & available) == 0) return 0;
    uint32_t previous = affinity_ != 0 ? affinity_ : available;  // 0: never pinned, all processors
    affinity_ = mask & available;
    return previous;
}

bool SimulatedMachine::IsNtPlatform() { return facts_.nt; }

SystemInfo SimulatedMachine::GetSystemInfo() {
    SystemInfo info;
    info.processorCount = facts_.processors;
    info.architecture = facts_.architecture;
    info.processorType = facts_.processorType;
    info.processorLevel = facts_.processorLevel;
    return info;
}

bool SimulatedMachine::IsWow64() { return facts_.wow64; }

size_t SimulatedMachine::ExecutablePath(char* out, size_t size) { return CopyBounded(kExecutablePath, out, size); }

size_t SimulatedMachine::ReadIniString(const char*, const char* section, const char* key, const char* defaultValue,
                                       char* out, size_t size) {
    bool asked = std::strcmp(section, "Setting") == 0 && std::strcmp(key, "CqDualWaitTime") == 0;
    if (asked && facts_.dualWaitTime && !faults_.iniUnreadable) return CopyBounded(facts_.dualWaitTime->c_str(), out, size);
    return CopyBounded(defaultValue, out, size);
}

}  // namespace platform
