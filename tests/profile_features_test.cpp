// Features, the clocks the processor states, the hypervisor leaf, and the CPUID ranges the profile
// trusts.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "cpuinfo/profile/cpuid_view.h"
#include "tests/profile_replay.h"

namespace {

using profile::kUnknown;

TEST(ProfileFeatures, TableRowsAreDistinctAndNamedAsLinuxNamesThem) {
    std::set<std::string> names;
    std::set<std::string> bits;
    for (size_t i = 0; i < profile::kFeatureCount; ++i) {
        const profile::FeatureBit& row = profile::kFeatureBits[i];
        const std::string name = row.name;
        EXPECT_TRUE(names.insert(name).second) << name << ": named twice";
        const std::string bit = std::to_string(row.leaf) + "/" + std::to_string(row.subleaf) + "/" +
                                std::to_string(static_cast<int>(row.reg)) + "/" + std::to_string(row.bit);
        EXPECT_TRUE(bits.insert(bit).second) << name << ": the same bit as another row";
        EXPECT_LT(row.bit, 32) << name << ": bit";
        EXPECT_FALSE(name.empty()) << "row " << i << ": empty name";
        for (char c : name)
            EXPECT_TRUE((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_') << name << ": character " << c;
        EXPECT_EQ(i, profile::FeatureIndex(row.name)) << name << ": index";
    }
    EXPECT_EQ(profile::kFeatureCount, profile::FeatureIndex("no_such_feature"));
    EXPECT_EQ(profile::kFeatureCount, profile::FeatureIndex(nullptr));
}

struct FeatureCase {
    const char* file;
    const char* present;  // space-separated
    const char* absent;
};

void ExpectNames(const profile::ProcessorProfile& p, const char* list, bool wanted, const char* file) {
    std::string names = list;
    size_t start = 0;
    while (start < names.size()) {
        size_t end = names.find(' ', start);
        if (end == std::string::npos) end = names.size();
        const std::string name = names.substr(start, end - start);
        EXPECT_NE(profile::kFeatureCount, profile::FeatureIndex(name.c_str())) << name << ": not in the table";
        EXPECT_EQ(wanted, p.features.Has(name.c_str())) << file << ": " << name;
        start = end + 1;
    }
}

TEST(ProfileFeatures, RecordedProcessors) {
    const FeatureCase cases[] = {
        {"modern/amd/zen3/amd-ryzen-9-5950x-16-core-processor.test",
         "sse4_2 avx2 sha_ni pclmulqdq vaes vpclmulqdq xsaves clzero cpb svm npt", "avx512f vmx hypervisor"},
        {"modern/amd/zen4/amd-ryzen-9-7900x-12-core-processor.test", "avx512f avx512vl avx512_bf16",
         "avx512_fp16 la57"},
        {"modern/intel/x86-64/golden-cove/12th-gen-intel-core-i9-12900k.test",
         "avx_vnni serialize movdiri gfni vmx hwp hfi", "avx512f svm sse4a"},
        {"modern/intel/x86-64/nehalem/intel-core-i7-cpu-920.test", "sse4_2 popcnt ssse3", "aes avx pclmulqdq dca"},
        {"modern/via/isaiah/via-eden-x4-c4250.test", "rng rng_en ace2 phe pmm avx2", "avx512f"},
        {"pentium4-2.40.test", "sse2 ht tm", "pni lm"},
        {"athlon-xp.test", "3dnow 3dnowext mmxext", "sse2 lm"},
    };
    for (const FeatureCase& c : cases) {
        const profile::ProcessorProfile p = profiletest::Replay(c.file);
        ExpectNames(p, c.present, true, c.file);
        ExpectNames(p, c.absent, false, c.file);
    }
}

// A feature counts only from the leaf and sub-leaf that define it, and only when the leaf is in range.
TEST(ProfileFeatures, LeavesAndSubleavesInRange) {
    platform::SimulatedMachine m;
    m.SetLeaf(0, {7, 0x756E6547, 0x6C65746E, 0x49656E69});
    m.SetLeaf(1, {profiletest::SignatureEax(6, 0x97, 2), 0, 0, 0});
    m.SetLeaf(7, 0, {1, 1u << 5, 0, 0});         // avx2
    m.SetLeaf(7, 1, {1u << 4, 0, 0, 0});         // avx_vnni
    m.SetLeaf(0xC0000000u, {0xC0000001u, 0, 0, 0});
    m.SetLeaf(0xC0000001u, {0, 0, 0, 1u << 2});  // rng
    const profile::ProcessorProfile p = profiletest::Build(m);
    EXPECT_TRUE(p.features.Has("avx2")) << "leaf 7 sub-leaf 0";
    EXPECT_TRUE(p.features.Has("avx_vnni")) << "leaf 7 sub-leaf 1";
    EXPECT_FALSE(p.features.Has("fsgsbase")) << "sub-leaf 1 EAX bit 0 is not leaf 7 sub-leaf 0 EBX bit 0";
    EXPECT_TRUE(p.features.Has("rng")) << "Centaur leaf range";
    EXPECT_EQ(3u, p.features.Count()) << "count";

    // The same bits beyond the highest basic leaf are not features.
    m.ReplaceLeaf(0, 0, {6, 0x756E6547, 0x6C65746E, 0x49656E69});
    m.ReplaceLeaf(0xC0000000u, 0, {0x12345678u, 0, 0, 0});  // no Centaur range
    const profile::ProcessorProfile q = profiletest::Build(m);
    EXPECT_FALSE(q.features.Has("avx2")) << "leaf 7 above the maximum";
    EXPECT_FALSE(q.features.Has("rng")) << "no Centaur range";
}

TEST(ProfileFeatures, CpuidRanges) {
    struct Case {
        const char* what;
        uint32_t maxBasic;
        uint32_t extendedEax;
        uint32_t leaf;
        bool present;
    };
    const Case cases[] = {
        {"basic within", 0xD, 0x80000008u, 0xD, true},
        {"basic above", 0xD, 0x80000008u, 0xE, false},
        {"extended within", 0xD, 0x80000008u, 0x80000008u, true},
        {"extended above", 0xD, 0x80000008u, 0x80000009u, false},
        // Some processors answer leaf 0x80000000 with data of another leaf.
        {"no extended range", 0xD, 0x00000A01u, 0x80000001u, false},
        {"hypervisor range without the flag", 0xD, 0x80000008u, 0x40000000u, false},
        {"Transmeta range absent", 0xD, 0x80000008u, 0x80860001u, false},
        {"between ranges", 0xD, 0x80000008u, 0x20000000u, false},
    };
    for (const Case& c : cases) {
        platform::SimulatedMachine m;
        m.SetLeaf(0, {c.maxBasic, 0, 0, 0});
        m.SetLeaf(0x80000000u, {c.extendedEax, 0, 0, 0});
        m.SetLeaf(0x40000000u, {0x40000001u, 0, 0, 0});
        const profile::CpuidView view(m);
        EXPECT_EQ(c.present, view.Has(c.leaf)) << c.what;
    }
}

TEST(ProfileFeatures, NoCpuid) {
    platform::SimulatedMachine m;
    m.Facts().cpuid = false;
    m.SetLeaf(0, {1, 0x756E6547, 0x6C65746E, 0x49656E69});
    const profile::ProcessorProfile p = profiletest::Build(m);
    EXPECT_FALSE(p.hasCpuid) << "CPUID";
    EXPECT_STREQ("", p.vendorString) << "vendor string";
    EXPECT_EQ(kUnknown, p.family) << "family";
    EXPECT_EQ(kUnknown, p.threads) << "threads";
    EXPECT_EQ(0u, p.cacheCount) << "caches";
    EXPECT_EQ(0u, p.features.Count()) << "features";
}

TEST(ProfileFeatures, StatedClocks) {
    struct Case {
        const char* what;
        uint32_t maxBasic;
        platform::CpuidRegs leaf15;
        platform::CpuidRegs leaf16;
        int32_t base, max, bus;
        double counterMhz;
    };
    const Case cases[] = {
        {"both leaves", 0x16, {2, 176, 24000000, 0}, {3600, 5000, 100, 0}, 3600, 5000, 100, 2112.0},
        // Leaf 0x15 with no crystal clock, leaf 0x16 with a zero field: not stated.
        {"zero fields", 0x16, {2, 176, 0, 0}, {2600, 0, 100, 0}, 2600, kUnknown, 100, -1.0},
        {"only the low sixteen bits count", 0x16, {0, 0, 0, 0}, {0xFFFF0E10u, 0x00011388u, 0x64, 0}, 3600, 5000,
         100, -1.0},
        {"leaves above the maximum", 0x14, {2, 176, 24000000, 0}, {3600, 5000, 100, 0}, kUnknown, kUnknown, kUnknown,
         -1.0},
    };
    for (const Case& c : cases) {
        platform::SimulatedMachine m;
        m.SetLeaf(0, {c.maxBasic, 0x756E6547, 0x6C65746E, 0x49656E69});
        m.SetLeaf(1, {profiletest::SignatureEax(6, 0x9E, 10), 0, 0, 0});
        m.SetLeaf(0x15, c.leaf15);
        m.SetLeaf(0x16, c.leaf16);
        const profile::ProcessorProfile p = profiletest::Build(m);
        EXPECT_EQ(c.base, p.baseMhz) << c.what << ": base";
        EXPECT_EQ(c.max, p.maxMhz) << c.what << ": maximum";
        EXPECT_EQ(c.bus, p.busMhz) << c.what << ": bus";
        EXPECT_DOUBLE_EQ(c.counterMhz, p.counterMhz) << c.what << ": counter";
    }
}

TEST(ProfileFeatures, Hypervisor) {
    struct Case {
        const char* what;
        bool flag;
        uint32_t maxLeaf;
        const char* signature;  // twelve characters, NULs allowed
        bool under;
        const char* name;
    };
    const Case cases[] = {
        {"KVM", true, 0x40000001u, "KVMKVMKVM\0\0\0", true, "KVM"},
        {"Hyper-V", true, 0x4000000Bu, "Microsoft Hv", true, "Hyper-V"},
        {"VMware", true, 0x40000010u, "VMwareVMware", true, "VMware"},
        {"unknown signature", true, 0x40000001u, "New Visor 1\x01", true, "NewVisor1"},
        // A hypervisor that reports no highest leaf still has leaf 0x40000000.
        {"no highest leaf", true, 0, "XenVMMXenVMM", true, "Xen"},
        // Bare metal answers the hypervisor leaves with other data: no flag, no hypervisor.
        {"bare metal", false, 0x40000001u, "KVMKVMKVM\0\0\0", false, ""},
        {"flag without signature", true, 0x40000001u, "\0\0\0\0\0\0\0\0\0\0\0\0", true, ""},
    };
    for (const Case& c : cases) {
        platform::SimulatedMachine m;
        m.SetLeaf(0, {1, 0x68747541, 0x444D4163, 0x69746E65});
        m.SetLeaf(1, {profiletest::SignatureEax(0x19, 0x01, 1), 0, c.flag ? 1u << 31 : 0u, 0});
        uint32_t regs[3];
        std::memcpy(regs, c.signature, 12);
        m.SetLeaf(0x40000000u, {c.maxLeaf, regs[0], regs[1], regs[2]});
        const profile::ProcessorProfile p = profiletest::Build(m);
        EXPECT_EQ(c.under, p.underHypervisor) << c.what << ": under a hypervisor";
        EXPECT_STREQ(c.name, p.hypervisor) << c.what << ": name";
        EXPECT_EQ(c.flag, p.features.Has("hypervisor")) << c.what << ": feature";
    }
}

}  // namespace

namespace {

// Machines with arbitrary contents in every leaf and sub-leaf the profile reads: the profile stays within
// its fields (run under the sanitizers in CI).
TEST(ProfileRobustness, ArbitraryLeaves) {
    uint32_t state = 0x12345678u;
    auto next = [&state]() {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    };
    const uint32_t bases[] = {0x0u, 0x40000000u, 0x80000000u, 0x80860000u, 0xC0000000u};
    for (int round = 0; round < 300; ++round) {
        platform::SimulatedMachine m;
        for (uint32_t base : bases) {
            for (uint32_t leaf = base; leaf <= base + 0x22; ++leaf)
                for (uint32_t sub = 0; sub < 8; ++sub) m.SetLeaf(leaf, sub, {next(), next(), next(), next()});
        }
        // Most rounds keep the ranges plausible, so the readers get past the range checks.
        if (round % 4 != 0) {
            for (uint32_t base : bases) m.ReplaceLeaf(base, 0, {base + next() % 0x24, next(), next(), next()});
        }
        m.Facts().processors = next() % 300;
        const profile::ProcessorProfile p = profiletest::Build(m, "Coppermine", "0.18/0.25/0.13/0.09/0.065");
        const std::string where = "round " + std::to_string(round);
        EXPECT_LT(std::strlen(p.vendorString), sizeof p.vendorString) << where;
        EXPECT_LT(std::strlen(p.vendor), sizeof p.vendor) << where;
        EXPECT_LT(std::strlen(p.brand), sizeof p.brand) << where;
        EXPECT_LT(std::strlen(p.codeName), sizeof p.codeName) << where;
        EXPECT_LT(std::strlen(p.process), sizeof p.process) << where;
        EXPECT_LT(std::strlen(p.hypervisor), sizeof p.hypervisor) << where;
        ASSERT_LE(p.cacheCount, profile::kMaxCaches) << where;
        for (size_t i = 1; i < p.cacheCount; ++i) EXPECT_LE(p.caches[i - 1].level, p.caches[i].level) << where;
        EXPECT_TRUE(p.threads == kUnknown || p.threads > 0) << where;
        EXPECT_TRUE(p.cores == kUnknown || (p.cores > 0 && p.cores <= p.threads)) << where;
    }
}

}  // namespace
