// Topology of one package: logical processors (threads), cores, and threads per core.
#include "cpuinfo/profile/profile_steps.h"

namespace profile {

namespace {

constexpr uint32_t kMaxTopologyLevels = 8;

struct Counts {
    int32_t threads = kUnknown;
    int32_t threadsPerCore = kUnknown;
    int32_t cores = kUnknown;
};

bool IsAmdLike(Vendor vendor) { return vendor == Vendor::Amd || vendor == Vendor::Hygon; }

// Leaves 0x1F and 0xB list the levels from the thread up; each level's EBX counts the logical
// processors up to it, so the last level counts the package. Missing leaf or no levels: false.
bool FromExtendedTopology(const CpuidView& cpuid, uint32_t leaf, Counts& counts) {
    if (!cpuid.Has(leaf)) return false;
    int32_t perCore = 1;
    int32_t package = 0;
    for (uint32_t sub = 0; sub < kMaxTopologyLevels; ++sub) {
        const platform::CpuidRegs regs = cpuid.Leaf(leaf, sub);
        const uint32_t type = (regs.ecx >> 8) & 0xFFu;
        const int32_t count = static_cast<int32_t>(regs.ebx & 0xFFFFu);
        if (type == 0 || count == 0) break;
        if (type == 1) perCore = count;
        package = count;
    }
    if (package == 0) return false;
    counts.threads = package;
    counts.threadsPerCore = perCore;
    return true;
}

// AMD: leaf 0x80000008 counts the package's threads; from Zen on, leaf 0x8000001E counts the threads
// of a core (before Zen the same field counts the cores of a compute unit).
bool FromAmdLeaves(const CpuidView& cpuid, const Signature& signature, Counts& counts) {
    if (!cpuid.Has(0x80000008u)) return false;
    counts.threads = static_cast<int32_t>(cpuid.Leaf(0x80000008u).ecx & 0xFFu) + 1;
    counts.threadsPerCore = 1;
    if (signature.family >= 0x17 && cpuid.Has(0x8000001Eu))
        counts.threadsPerCore = static_cast<int32_t>((cpuid.Leaf(0x8000001Eu).ebx >> 8) & 0xFFu) + 1;
    return true;
}

// Before the extended leaves: leaf 4 bounds the cores and leaf 1 the logical processors of a package
// (both as the number of identifiers reserved, which these processors fill).
void FromLegacyLeaves(const CpuidView& cpuid, Counts& counts) {
    const platform::CpuidRegs leaf1 = cpuid.Leaf(1);
    const bool multiThreaded = (leaf1.edx >> 28) & 1u;
    int32_t logical = multiThreaded ? static_cast<int32_t>((leaf1.ebx >> 16) & 0xFFu) : 1;
    int32_t cores = 1;
    if (cpuid.Has(4) && (cpuid.Leaf(4, 0).eax & 0x1Fu) != 0)
        cores = static_cast<int32_t>((cpuid.Leaf(4, 0).eax >> 26) & 0x3Fu) + 1;
    if (logical < cores) logical = cores;
    counts.threads = logical;
    counts.threadsPerCore = logical % cores == 0 ? logical / cores : kUnknown;
}

}  // namespace

void ReadTopology(const CpuidView& cpuid, const Signature& signature, ProcessorProfile& out) {
    if (cpuid.MaxBasic() < 1) return;
    Counts counts;
    const bool found = FromExtendedTopology(cpuid, 0x1F, counts) || FromExtendedTopology(cpuid, 0xB, counts) ||
                       (IsAmdLike(signature.vendor) && FromAmdLeaves(cpuid, signature, counts));
    if (!found) FromLegacyLeaves(cpuid, counts);

    // A hybrid processor's cores differ in threads, and one processor's CPUID sees only its own kind.
    out.hybrid = signature.vendor == Vendor::Intel && ((cpuid.Leaf(7, 0).edx >> 15) & 1u);
    out.threads = counts.threads;
    if (!out.hybrid) {
        out.threadsPerCore = counts.threadsPerCore;
        if (counts.threadsPerCore > 0 && counts.threads % counts.threadsPerCore == 0)
            out.cores = counts.threads / counts.threadsPerCore;
    }

    const uint32_t processors = cpuid.Machine().GetSystemInfo().processorCount;
    if (out.threads > 0 && processors >= static_cast<uint32_t>(out.threads) &&
        processors % static_cast<uint32_t>(out.threads) == 0)
        out.packages = static_cast<int32_t>(processors / static_cast<uint32_t>(out.threads));
}

}  // namespace profile
