#include "tools/machine_description.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>

namespace tools {
namespace {

constexpr char kHeader[] = "# Machine file written by cpureport\n";

void AppendLeaf(std::string& out, uint32_t leaf, uint32_t subleaf, const platform::CpuidRegs& r, bool withSubleaf) {
    char line[80];
    std::snprintf(line, sizeof line, "CPUID %08X: %08X-%08X-%08X-%08X", leaf, r.eax, r.ebx, r.ecx, r.edx);
    out += line;
    if (withSubleaf) {
        std::snprintf(line, sizeof line, " [SL %02X]", subleaf);
        out += line;
    }
    out += "\n";
}

void AppendSet(std::string& out, const char* key, unsigned long long value) {
    char line[80];
    std::snprintf(line, sizeof line, "SET %s = %llu\n", key, value);
    out += line;
}

// The shortest fixed-point text that reads back as the same value.
std::string ShortestDecimal(double value) {
    char text[64];
    for (int decimals = 0; decimals <= 17; ++decimals) {
        std::snprintf(text, sizeof text, "%.*f", decimals, value);
        if (std::strtod(text, nullptr) == value) return text;
    }
    return text;
}

// How many sub-leaves of a leaf to record, beyond those listed until an end marker: the ones the
// processor profile reads (leaf 7 names its highest sub-leaf).
uint32_t RecordedSubleaves(platform::Machine& machine, uint32_t leaf) {
    switch (leaf) {
        case 7: return std::min(machine.Cpuid(7, 0).eax, 7u) + 1;
        case 0xD:
        case 0xF: return 2;
        case 0x10: return 4;
        default: return 1;
    }
}

}  // namespace

std::string DescribeMachine(platform::Machine& machine, const CCpuInfo& cpu) {
    std::string out = kHeader;
    auto leafLine = [&](uint32_t leaf, uint32_t subleaf, bool withSubleaf) {
        platform::CpuidRegs r = machine.Cpuid(leaf, subleaf);
        AppendLeaf(out, leaf, subleaf, r, withSubleaf);
        return r;
    };
    const uint32_t maxBasic = machine.Cpuid(0, 0).eax;
    for (uint32_t leaf = 0; leaf <= maxBasic && leaf <= 0xFF; ++leaf) {
        if (leaf == 4) {
            for (uint32_t sub = 0; sub < 16; ++sub)
                if ((leafLine(4, sub, true).eax & 0x1F) == 0) break;
        } else if (leaf == 0xB || leaf == 0x1F) {
            for (uint32_t sub = 0; sub < 8; ++sub)
                if (((leafLine(leaf, sub, true).ecx >> 8) & 0xFF) == 0) break;
        } else if (uint32_t subleaves = RecordedSubleaves(machine, leaf); subleaves > 1) {
            for (uint32_t sub = 0; sub < subleaves; ++sub) leafLine(leaf, sub, true);
        } else {
            leafLine(leaf, 0, false);
        }
    }
    // Vendor ranges only when their maximum leaf lies within the range's first 256 leaves.
    for (uint32_t base : {0x80000000u, 0x80860000u, 0xC0000000u}) {
        const uint32_t max = machine.Cpuid(base, 0).eax;
        if (base == 0x80000000u || (max >= base && max <= base + 0xFF)) {
            uint32_t last = (max >= base && max <= base + 0xFF) ? max : base;
            for (uint32_t leaf = base; leaf <= last; ++leaf) {
                if (leaf == 0x8000001Du) {
                    for (uint32_t sub = 0; sub < 16; ++sub)
                        if ((leafLine(leaf, sub, true).eax & 0x1F) == 0) break;
                } else {
                    leafLine(leaf, 0, false);
                }
            }
        }
    }
    // The hypervisor's leaves, when leaf 1 says one is present.
    if (maxBasic >= 1 && (machine.Cpuid(1, 0).ecx >> 31) != 0) {
        const uint32_t max = machine.Cpuid(0x40000000u, 0).eax;
        const uint32_t last = (max >= 0x40000000u && max <= 0x400000FFu) ? max : 0x40000001u;
        for (uint32_t leaf = 0x40000000u; leaf <= last; ++leaf) leafLine(leaf, 0, false);
    }
    platform::SystemInfo system = machine.GetSystemInfo();
    uint32_t before = 0;
    uint32_t after = 0;
    machine.ToggleIdFlag(before, after);
    AppendSet(out, "processors", system.processorCount);
    AppendSet(out, "architecture", system.architecture);
    AppendSet(out, "processor-type", system.processorType);
    AppendSet(out, "processor-level", system.processorLevel);
    AppendSet(out, "nt", machine.IsNtPlatform() ? 1 : 0);
    AppendSet(out, "wow64", machine.IsWow64() ? 1 : 0);
    AppendSet(out, "cpuid", before != after ? 1 : 0);
    if (cpu.CoreClock > 0) {
        char line[64];
        std::snprintf(line, sizeof line, "%.3f", cpu.CoreClock);
        out += "SET tsc-mhz = " + std::string(line) + "\n";
    }
    return out;
}

std::string DescribeMachine(const platform::SimulatedMachine& machine) {
    std::string out = kHeader;
    std::map<uint32_t, int> subleafCount;
    for (const auto& entry : machine.Leaves()) ++subleafCount[entry.first.first];
    for (const auto& entry : machine.Leaves()) {
        const uint32_t leaf = entry.first.first;
        const uint32_t subleaf = entry.first.second;
        AppendLeaf(out, leaf, subleaf, entry.second, subleaf != 0 || subleafCount[leaf] > 1);
    }
    for (const auto& entry : machine.Msrs()) {
        char line[64];
        const uint64_t v = entry.second;
        std::snprintf(line, sizeof line, "MSR %08X: %04X-%04X-%04X-%04X\n", entry.first,
                      static_cast<unsigned>((v >> 48) & 0xFFFF), static_cast<unsigned>((v >> 32) & 0xFFFF),
                      static_cast<unsigned>((v >> 16) & 0xFFFF), static_cast<unsigned>(v & 0xFFFF));
        out += line;
    }
    const platform::HostFacts& facts = machine.Facts();
    AppendSet(out, "processors", facts.processors);
    AppendSet(out, "architecture", facts.architecture);
    AppendSet(out, "processor-type", facts.processorType);
    AppendSet(out, "processor-level", facts.processorLevel);
    AppendSet(out, "nt", facts.nt ? 1 : 0);
    AppendSet(out, "wow64", facts.wow64 ? 1 : 0);
    AppendSet(out, "cpuid", facts.cpuid ? 1 : 0);
    // A clock only when one was given: a dump without it stays a dump without a recorded clock.
    if (facts.tscMhzGiven || facts.tscMhz != platform::HostFacts().tscMhz)
        out += "SET tsc-mhz = " + ShortestDecimal(facts.tscMhz) + "\n";
    AppendSet(out, "tick-start", facts.tickStart);
    if (facts.dualWaitTime) out += "SET CqDualWaitTime = " + *facts.dualWaitTime + "\n";
    return out;
}

}  // namespace tools
