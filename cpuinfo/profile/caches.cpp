// Caches: the deterministic cache leaves (4 on Intel and its followers, 0x8000001D on AMD and Hygon)
// describe every cache; older processors give the leaf 2 descriptors (Intel) or the extended cache
// leaves 0x80000005 and 0x80000006 (everyone else).
#include "cpuinfo/profile/cache_descriptors.h"
#include "cpuinfo/profile/profile_steps.h"

namespace profile {

namespace {

constexpr uint32_t kMaxCacheLeaves = 16;

struct CacheList {
    Cache caches[kMaxCaches];
    size_t count = 0;

    // Adds a cache unless the list is full or already holds one of this level and kind.
    void Add(const Cache& cache) {
        for (size_t i = 0; i < count; ++i)
            if (caches[i].level == cache.level && caches[i].kind == cache.kind) return;
        if (count < kMaxCaches) caches[count++] = cache;
    }
};

bool IsAmdLike(Vendor vendor) { return vendor == Vendor::Amd || vendor == Vendor::Hygon; }

// One sub-leaf of leaf 4 or 0x8000001D; false when it ends the list.
bool DecodeDeterministic(const platform::CpuidRegs& regs, Cache& cache) {
    const uint32_t type = regs.eax & 0x1Fu;
    if (type == 0 || type > 3) return false;
    cache.kind = type == 1 ? CacheKind::Data : type == 2 ? CacheKind::Instruction : CacheKind::Unified;
    cache.level = static_cast<uint8_t>((regs.eax >> 5) & 0x7u);
    const uint64_t line = (regs.ebx & 0xFFFu) + 1u;
    const uint64_t partitions = ((regs.ebx >> 12) & 0x3FFu) + 1u;
    const uint64_t ways = ((regs.ebx >> 22) & 0x3FFu) + 1u;
    const uint64_t sets = static_cast<uint64_t>(regs.ecx) + 1u;
    cache.sizeKib = static_cast<uint32_t>(line * partitions * ways * sets / 1024u);
    cache.ways = static_cast<int32_t>(ways);
    cache.lineBytes = static_cast<int32_t>(line);
    cache.sharedBy = static_cast<int32_t>((regs.eax >> 14) & 0xFFFu) + 1;
    return true;
}

void FromDeterministicLeaf(const CpuidView& cpuid, uint32_t leaf, int32_t threads, CacheList& list) {
    if (!cpuid.Has(leaf)) return;
    for (uint32_t sub = 0; sub < kMaxCacheLeaves; ++sub) {
        Cache cache;
        if (!DecodeDeterministic(cpuid.Leaf(leaf, sub), cache)) break;
        // Leaf 4 counts the identifiers reserved for the sharing processors, not the processors: a
        // cache is shared by no more processors than the package has.
        if (leaf == 4 && threads > 0 && cache.sharedBy > threads) cache.sharedBy = threads;
        list.Add(cache);
    }
}

void AddDescriptor(uint8_t byte, const Signature& signature, CacheList& list) {
    const CacheDescriptor* d = FindCacheDescriptor(byte);
    if (!d) return;
    Cache cache;
    cache.level = d->level;
    cache.kind = d->kind;
    cache.sizeKib = d->sizeKib;
    cache.ways = d->ways;
    cache.lineBytes = d->lineBytes ? d->lineBytes : kUnknown;
    if (byte == kL2OrXeonMpL3 && signature.family == 15 && signature.model == 6) cache.level = 3;
    list.Add(cache);
}

// Leaf 2: the low byte of EAX says how often to ask; every other byte of a register whose top bit is
// clear is a descriptor.
void FromDescriptors(const CpuidView& cpuid, const Signature& signature, CacheList& list) {
    if (!cpuid.Has(2)) return;
    uint32_t rounds = cpuid.Leaf(2).eax & 0xFFu;
    if (rounds == 0 || rounds > 16) rounds = 1;
    for (uint32_t round = 0; round < rounds; ++round) {
        const platform::CpuidRegs regs = cpuid.Leaf(2);
        for (uint8_t r = 0; r < 4; ++r) {
            const uint32_t value = RegisterOf(regs, r);
            if (value >> 31) continue;
            for (uint32_t b = (r == 0 ? 1u : 0u); b < 4; ++b)
                AddDescriptor(static_cast<uint8_t>((value >> (8 * b)) & 0xFFu), signature, list);
        }
    }
}

// Ways of the extended cache leaves' four-bit field; 0 disabled, -1 fully associative or reserved.
int32_t ExtendedWays(uint32_t code) {
    static const int32_t kWays[16] = {0, 1, 2, 3, 4, 6, 8, 0, 16, 0, 32, 48, 64, 96, 128, -1};
    return kWays[code & 0xFu];
}

// The lines of a cache: the ways of a fully associative one.
int32_t LinesIn(uint32_t sizeKib, int32_t lineBytes) {
    if (lineBytes <= 0) return kUnknown;
    const uint64_t lines = static_cast<uint64_t>(sizeKib) * 1024u / static_cast<uint64_t>(lineBytes);
    return lines > 0x7FFFFFFFu ? kUnknown : static_cast<int32_t>(lines);
}

Cache ExtendedLevel1(uint32_t value, CacheKind kind) {
    Cache cache;
    cache.level = 1;
    cache.kind = kind;
    cache.sizeKib = value >> 24;
    const uint32_t ways = (value >> 16) & 0xFFu;
    cache.lineBytes = static_cast<int32_t>(value & 0xFFu);
    cache.ways = ways == 0xFFu ? LinesIn(cache.sizeKib, cache.lineBytes) : static_cast<int32_t>(ways);
    return cache;
}

Cache ExtendedUpper(uint8_t level, uint32_t sizeKib, uint32_t value) {
    Cache cache;
    cache.level = level;
    cache.kind = CacheKind::Unified;
    cache.sizeKib = sizeKib;
    cache.lineBytes = static_cast<int32_t>(value & 0xFFu);
    const int32_t ways = ExtendedWays((value >> 12) & 0xFu);
    cache.ways = ways < 0 ? LinesIn(sizeKib, cache.lineBytes) : ways;
    if (cache.ways == 0) cache.ways = kUnknown;
    return cache;
}

void FromExtendedLeaves(const CpuidView& cpuid, const Signature& signature, CacheList& list) {
    if (cpuid.Has(0x80000005u) && signature.vendor != Vendor::Intel) {
        const platform::CpuidRegs l1 = cpuid.Leaf(0x80000005u);
        if (l1.ecx >> 24) list.Add(ExtendedLevel1(l1.ecx, CacheKind::Data));
        if (l1.edx >> 24) list.Add(ExtendedLevel1(l1.edx, CacheKind::Instruction));
    }
    if (!cpuid.Has(0x80000006u)) return;
    const platform::CpuidRegs l23 = cpuid.Leaf(0x80000006u);
    uint32_t l2Kib = l23.ecx >> 16;
    // Early VIA C3 (models 7 and 8) put the size in the top byte; one Nehemiah stepping says 65 for 64;
    // the first Duron stepping says 1 for 64 (Linux arch/x86/kernel/cpu/common.c).
    if (signature.vendor == Vendor::Centaur && signature.family == 6) {
        if (signature.model == 7 || signature.model == 8) l2Kib = l23.ecx >> 24;
        if (signature.model == 9 && signature.stepping == 1 && l2Kib == 65) l2Kib = 64;
    }
    if (signature.vendor == Vendor::Amd && signature.family == 6 && signature.model == 3 && signature.stepping == 0 &&
        l2Kib == 1)
        l2Kib = 64;
    if (l2Kib) list.Add(ExtendedUpper(2, l2Kib, l23.ecx));
    const uint32_t l3Kib = (l23.edx >> 18) * 512u;
    if (l3Kib) list.Add(ExtendedUpper(3, l3Kib, l23.edx));
}

int KindOrder(CacheKind kind) {
    switch (kind) {
        case CacheKind::Data: return 0;
        case CacheKind::Instruction: return 1;
        case CacheKind::Trace: return 2;
        case CacheKind::Unified: return 3;
    }
    return 3;
}

bool Before(const Cache& a, const Cache& b) {
    return a.level != b.level ? a.level < b.level : KindOrder(a.kind) < KindOrder(b.kind);
}

}  // namespace

void ReadCaches(const CpuidView& cpuid, const Signature& signature, ProcessorProfile& out) {
    CacheList deterministic;
    if (IsAmdLike(signature.vendor)) {
        // Leaf 0x8000001D is there when the topology extensions are (leaf 0x80000001 ECX bit 22).
        if ((cpuid.Leaf(0x80000001u).ecx >> 22) & 1u) FromDeterministicLeaf(cpuid, 0x8000001Du, out.threads, deterministic);
    } else {
        FromDeterministicLeaf(cpuid, 4, out.threads, deterministic);
    }

    CacheList legacy;
    if (signature.vendor == Vendor::Intel) FromDescriptors(cpuid, signature, legacy);
    FromExtendedLeaves(cpuid, signature, legacy);

    // A recording may hold only the first sub-leaf of a deterministic leaf; then the older leaves,
    // which list more caches, describe the processor better.
    const CacheList& chosen = deterministic.count >= legacy.count ? deterministic : legacy;
    out.cacheCount = 0;
    for (size_t i = 0; i < chosen.count; ++i) {
        // Insertion by level, then data, instruction, trace, unified.
        size_t at = out.cacheCount;
        while (at > 0 && Before(chosen.caches[i], out.caches[at - 1])) {
            out.caches[at] = out.caches[at - 1];
            --at;
        }
        out.caches[at] = chosen.caches[i];
        ++out.cacheCount;
    }
}

}  // namespace profile
