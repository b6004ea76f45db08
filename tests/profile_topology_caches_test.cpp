// Topology and caches: recorded processors of each kind (Intel leaf 4 with 0xB or 0x1F, AMD 0x8000001D
// with 0x8000001E, processors described by leaf 2 descriptors or the extended cache leaves), then the
// corner cases on machines built in code.
#include <gtest/gtest.h>

#include <string>

#include "tests/profile_replay.h"

namespace {

using profile::CacheKind;
using profile::kUnknown;

struct CacheCase {
    uint8_t level;
    CacheKind kind;
    uint32_t sizeKib;
    int32_t ways;
    int32_t lineBytes;
    int32_t sharedBy;
};

struct TopologyCase {
    const char* file;  // under tests/machines
    int32_t cores;
    int32_t threads;
    size_t cacheCount;
    CacheCase caches[5];
};

constexpr CacheKind D = CacheKind::Data;
constexpr CacheKind I = CacheKind::Instruction;
constexpr CacheKind U = CacheKind::Unified;
constexpr CacheKind T = CacheKind::Trace;

const char* KindName(CacheKind kind) { return profile::CacheKindName(kind); }

void ExpectTopologyAndCaches(const TopologyCase& c) {
    const profile::ProcessorProfile p = profiletest::Replay(c.file);
    EXPECT_EQ(c.cores, p.cores) << c.file << ": cores";
    EXPECT_EQ(c.threads, p.threads) << c.file << ": threads";
    ASSERT_EQ(c.cacheCount, p.cacheCount) << c.file << ": number of caches";
    for (size_t i = 0; i < c.cacheCount; ++i) {
        const CacheCase& want = c.caches[i];
        const profile::Cache& got = p.caches[i];
        const std::string which = std::string(c.file) + ": cache " + std::to_string(i) + " (L" +
                                  std::to_string(want.level) + " " + KindName(want.kind) + ")";
        EXPECT_EQ(want.level, got.level) << which << " level";
        EXPECT_EQ(want.kind, got.kind) << which << " kind";
        EXPECT_EQ(want.sizeKib, got.sizeKib) << which << " size";
        EXPECT_EQ(want.ways, got.ways) << which << " ways";
        EXPECT_EQ(want.lineBytes, got.lineBytes) << which << " line";
        EXPECT_EQ(want.sharedBy, got.sharedBy) << which << " shared by";
    }
}

TEST(ProfileTopologyCaches, IntelLeaf4WithExtendedTopology) {
    const TopologyCase cases[] = {
        {"modern/intel/x86-64/nehalem/intel-core-i7-cpu-920.test", 4, 8, 4,
         {{1, D, 32, 8, 64, 2}, {1, I, 32, 4, 64, 2}, {2, U, 256, 8, 64, 2}, {3, U, 8192, 16, 64, 8}}},
        {"modern/intel/x86-64/skylake/intel-core-i7-8700k-cpu.test", 6, 12, 4,
         {{1, D, 32, 8, 64, 2}, {1, I, 32, 8, 64, 2}, {2, U, 256, 4, 64, 2}, {3, U, 12288, 16, 64, 12}}},
        // Leaf 0x1F; a hybrid processor: its cores cannot be counted from one processor's leaves, and
        // the L2 sharing is the bound of identifiers leaf 4 reserves.
        {"modern/intel/x86-64/golden-cove/12th-gen-intel-core-i9-12900k.test", kUnknown, 24, 4,
         {{1, D, 48, 12, 64, 2}, {1, I, 32, 8, 64, 2}, {2, U, 1280, 10, 64, 8}, {3, U, 30720, 12, 64, 24}}},
        {"modern/zhaoxin/lujiazui/zhaoxin-kaixian-kx-6640ma.test", 4, 4, 3,
         {{1, D, 32, 8, 64, 1}, {1, I, 32, 8, 64, 1}, {2, U, 4096, 16, 64, 4}}},
    };
    for (const TopologyCase& c : cases) ExpectTopologyAndCaches(c);
}

TEST(ProfileTopologyCaches, IntelBeforeTheExtendedTopologyLeaves) {
    const TopologyCase cases[] = {
        // Leaf 4 and leaf 1 give the cores and threads.
        {"core2-6300.test", 2, 2, 3, {{1, D, 32, 8, 64, 1}, {1, I, 32, 8, 64, 1}, {2, U, 2048, 8, 64, 2}}},
        {"modern/intel/x86-atom/bonnell/intel-atom-cpu-n270.test", 1, 2, 3,
         {{1, D, 24, 6, 64, 2}, {1, I, 32, 8, 64, 2}, {2, U, 512, 8, 64, 2}}},
        // Leaf 2 descriptors only: 0x66 data, 0x70 trace, 0x7B L2.
        {"pentium4-2.40.test", 1, 1, 3,
         {{1, D, 8, 4, 64, kUnknown}, {1, T, 12, 8, kUnknown, kUnknown}, {2, U, 512, 8, 64, kUnknown}}},
    };
    for (const TopologyCase& c : cases) ExpectTopologyAndCaches(c);
}

TEST(ProfileTopologyCaches, AmdTopologyExtensions) {
    const TopologyCase cases[] = {
        // Leaf 0x8000001D counts the sharing processors exactly: an L3 per eight-core complex.
        {"modern/amd/zen3/amd-ryzen-9-5950x-16-core-processor.test", 16, 32, 4,
         {{1, D, 32, 8, 64, 2}, {1, I, 32, 8, 64, 2}, {2, U, 512, 8, 64, 2}, {3, U, 32768, 16, 64, 16}}},
        {"modern/amd/zen4/amd-ryzen-9-7900x-12-core-processor.test", 12, 24, 4,
         {{1, D, 32, 8, 64, 2}, {1, I, 32, 8, 64, 2}, {2, U, 1024, 8, 64, 2}, {3, U, 32768, 16, 64, 12}}},
        // Family 0x15: leaf 0x8000001E counts the cores of a module, not threads; a module shares the
        // instruction cache and the L2.
        {"modern/amd/bulldozer/amd-fx-8150-eight-core-processor.test", 8, 8, 4,
         {{1, D, 16, 4, 64, 1}, {1, I, 64, 2, 64, 2}, {2, U, 2048, 16, 64, 2}, {3, U, 8192, 64, 64, 8}}},
    };
    for (const TopologyCase& c : cases) ExpectTopologyAndCaches(c);
}

TEST(ProfileTopologyCaches, ExtendedCacheLeaves) {
    const TopologyCase cases[] = {
        {"modern/amd/k10/amd-phenom-ii-x4-940-processor.test", 4, 4, 4,
         {{1, D, 64, 2, 64, kUnknown},
          {1, I, 64, 2, 64, kUnknown},
          {2, U, 512, 16, 64, kUnknown},
          {3, U, 6144, 48, 64, kUnknown}}},
        // A recording with only the first sub-leaf of 0x8000001D: the extended leaves list more caches.
        // The L3 ways field (9) refers to that leaf, so the ways stay unknown.
        {"modern/amd/zen2/amd-ryzen-7-5700u-with-radeon-graphics.test", 8, 16, 4,
         {{1, D, 32, 8, 64, kUnknown},
          {1, I, 32, 8, 64, kUnknown},
          {2, U, 512, 8, 64, kUnknown},
          {3, U, 8192, kUnknown, 64, kUnknown}}},
        {"athlon-xp.test", 1, 1, 3, {{1, D, 64, 2, 64, kUnknown}, {1, I, 64, 2, 64, kUnknown}, {2, U, 256, 16, 64, kUnknown}}},
        {"via-nehemiah.test", 1, 1, 3, {{1, D, 64, 4, 32, kUnknown}, {1, I, 64, 4, 32, kUnknown}, {2, U, 64, 16, 32, kUnknown}}},
    };
    for (const TopologyCase& c : cases) ExpectTopologyAndCaches(c);
}

// Machines built in code.

void SetIntel(platform::SimulatedMachine& m, uint32_t maxLeaf, uint32_t family, uint32_t model, uint32_t ebx = 0,
              uint32_t edx = 0) {
    m.SetLeaf(0, {maxLeaf, 0x756E6547, 0x6C65746E, 0x49656E69});
    m.SetLeaf(1, {profiletest::SignatureEax(family, model, 1), ebx, 0, edx});
}

void SetAmd(platform::SimulatedMachine& m, uint32_t family, uint32_t model, uint32_t maxExt) {
    m.SetLeaf(0, {0xD, 0x68747541, 0x444D4163, 0x69746E65});
    m.SetLeaf(1, {profiletest::SignatureEax(family, model, 0), 0, 0, 0});
    m.SetLeaf(0x80000000u, {maxExt, 0, 0, 0});
}

TEST(ProfileTopologyCaches, PackagesFromTheHostProcessorCount) {
    struct Case {
        uint32_t processors;
        int32_t packages;
    };
    // Leaf 0xB: 2 threads per core, 8 per package.
    const Case cases[] = {{8, 1}, {16, 2}, {12, kUnknown}, {4, kUnknown}, {1, kUnknown}};
    for (const Case& c : cases) {
        platform::SimulatedMachine m;
        SetIntel(m, 0xB, 6, 0x9E);
        m.SetLeaf(0xB, 0, {1, 2, 0x100, 0});
        m.SetLeaf(0xB, 1, {4, 8, 0x201, 0});
        m.Facts().processors = c.processors;
        const profile::ProcessorProfile p = profiletest::Build(m);
        EXPECT_EQ(c.packages, p.packages) << c.processors << " processors: packages";
        EXPECT_EQ(4, p.cores) << c.processors << " processors: cores";
        EXPECT_EQ(8, p.threads) << c.processors << " processors: threads";
    }
}

TEST(ProfileTopologyCaches, ExtendedTopologyLeafWithoutLevelsFallsBack) {
    platform::SimulatedMachine m;
    // Leaf 0xB within range but empty (Core 2 answers zeros); HTT with 4 logical, leaf 4 with 2 cores.
    SetIntel(m, 0xB, 6, 0x17, 0x00040000u, 1u << 28);
    m.SetLeaf(4, 0, {(1u << 26) | 0x21, 0, 0, 0});
    const profile::ProcessorProfile p = profiletest::Build(m);
    EXPECT_EQ(2, p.cores) << "cores";
    EXPECT_EQ(4, p.threads) << "threads";
    EXPECT_EQ(2, p.threadsPerCore) << "threads per core";
}

TEST(ProfileTopologyCaches, LeafAboveTheMaximumIsNotRead) {
    platform::SimulatedMachine m;
    // The machine answers leaf 4 and 0xB, but leaf 0 says the highest leaf is 2: neither counts.
    SetIntel(m, 2, 15, 2);
    m.SetLeaf(4, 0, {(3u << 26) | 0x21, 0x01C0003F, 0x3F, 0});
    m.SetLeaf(0xB, 0, {1, 2, 0x100, 0});
    m.SetLeaf(0xB, 1, {4, 8, 0x201, 0});
    m.SetLeaf(2, {0x00000001u, 0, 0, 0x007B7066u});  // 0x66 data, 0x70 trace, 0x7B L2
    const profile::ProcessorProfile p = profiletest::Build(m);
    EXPECT_EQ(1, p.cores) << "cores";
    EXPECT_EQ(1, p.threads) << "threads";
    ASSERT_EQ(3u, p.cacheCount) << "caches from the descriptors";
    EXPECT_EQ(CacheKind::Trace, p.caches[1].kind) << "trace cache";
}

TEST(ProfileTopologyCaches, DescriptorCornerCases) {
    struct Case {
        const char* what;
        uint32_t family, model;
        platform::CpuidRegs leaf2;
        size_t count;
        uint8_t firstLevel;
        uint32_t firstSizeKib;
    };
    const Case cases[] = {
        // 0x49: the L3 of the family 15 model 6 Xeon MP, the L2 elsewhere.
        {"0x49 on family 15 model 6", 15, 6, {0x00000001u, 0, 0, 0x00000049u}, 1, 3, 4096},
        {"0x49 on family 6", 6, 0x0F, {0x00000001u, 0, 0, 0x00000049u}, 1, 2, 4096},
        // A register with its top bit set holds no descriptors.
        {"reserved register", 6, 0x0F, {0x00000001u, 0x80000049u, 0, 0x0000002Cu}, 1, 1, 32},
        // The count byte of EAX is not a descriptor (0x01 is a TLB), nor are unknown bytes.
        {"count byte and unknown bytes", 6, 0x0F, {0x00B1B001u, 0, 0, 0}, 0, 0, 0},
        // The same cache named twice counts once.
        {"duplicate descriptor", 6, 0x0F, {0x00002C01u, 0x0000002Cu, 0, 0}, 1, 1, 32},
    };
    for (const Case& c : cases) {
        platform::SimulatedMachine m;
        SetIntel(m, 2, c.family, c.model);
        m.SetLeaf(2, c.leaf2);
        const profile::ProcessorProfile p = profiletest::Build(m);
        ASSERT_EQ(c.count, p.cacheCount) << c.what << ": number of caches";
        if (c.count) {
            EXPECT_EQ(c.firstLevel, p.caches[0].level) << c.what << ": level";
            EXPECT_EQ(c.firstSizeKib, p.caches[0].sizeKib) << c.what << ": size";
        }
    }
}

TEST(ProfileTopologyCaches, ExtendedLeafQuirks) {
    {
        // Old VIA C3 (model 7 and 8) give the L2 size in the top byte of ECX.
        platform::SimulatedMachine m;
        m.SetLeaf(0, {1, 0x746E6543, 0x736C7561, 0x48727561});  // CentaurHauls
        m.SetLeaf(1, {profiletest::SignatureEax(6, 7, 8), 0, 0, 0});
        m.SetLeaf(0x80000000u, {0x80000006u, 0, 0, 0});
        m.SetLeaf(0x80000006u, {0, 0, 0x40004020u, 0});
        const profile::ProcessorProfile p = profiletest::Build(m);
        ASSERT_EQ(1u, p.cacheCount) << "C3 Ezra: caches";
        EXPECT_EQ(64u, p.caches[0].sizeKib) << "C3 Ezra: L2 size";
    }
    {
        // A fully associative L1 (ways 0xFF) counts one way per line; the L2 ways code 0xF likewise.
        platform::SimulatedMachine m;
        SetAmd(m, 6, 4, 0x80000006u);
        m.SetLeaf(0x80000005u, {0, 0, 0x10FF0140u, 0});
        m.SetLeaf(0x80000006u, {0, 0, 0x0040F040u, 0});
        const profile::ProcessorProfile p = profiletest::Build(m);
        ASSERT_EQ(2u, p.cacheCount) << "fully associative: caches";
        EXPECT_EQ(256, p.caches[0].ways) << "fully associative L1: 16 KiB of 64-byte lines";
        EXPECT_EQ(1024, p.caches[1].ways) << "fully associative L2: 64 KiB of 64-byte lines";
    }
    {
        // Without the topology extensions flag, leaf 0x8000001D is not read.
        platform::SimulatedMachine m;
        SetAmd(m, 0x17, 0x71, 0x8000001Du);
        m.SetLeaf(0x8000001Du, 0, {0x00004121u, 0x01C0003Fu, 0x3Fu, 0});
        m.SetLeaf(0x8000001Du, 1, {0x00004122u, 0x01C0003Fu, 0x3Fu, 0});
        const profile::ProcessorProfile p = profiletest::Build(m);
        EXPECT_EQ(0u, p.cacheCount) << "no topology extensions: caches";
        m.ReplaceLeaf(0x80000001u, 0, {0, 0, 1u << 22, 0});
        const profile::ProcessorProfile q = profiletest::Build(m);
        EXPECT_EQ(2u, q.cacheCount) << "topology extensions: caches";
    }
}

TEST(ProfileTopologyCaches, AmdThreadsPerCoreFromZenOn) {
    struct Case {
        uint32_t family;
        int32_t cores;
        int32_t threadsPerCore;
    };
    // 0x80000008 says 16 threads; 0x8000001E EBX[15:8] = 1.
    const Case cases[] = {{0x17, 8, 2}, {0x15, 16, 1}};
    for (const Case& c : cases) {
        platform::SimulatedMachine m;
        SetAmd(m, c.family, 0x01, 0x8000001Eu);
        m.SetLeaf(0x80000008u, {0, 0, 15, 0});
        m.SetLeaf(0x8000001Eu, {0, 0x00000100u, 0, 0});
        const profile::ProcessorProfile p = profiletest::Build(m);
        EXPECT_EQ(16, p.threads) << "family " << c.family << ": threads";
        EXPECT_EQ(c.cores, p.cores) << "family " << c.family << ": cores";
        EXPECT_EQ(c.threadsPerCore, p.threadsPerCore) << "family " << c.family << ": threads per core";
    }
}

}  // namespace
