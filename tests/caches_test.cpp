// Cache decoding: Intel descriptors (order, family-dependent bytes) and the extended cache leaves.
#include <gtest/gtest.h>

#include "cpuinfo/cpu_info.h"
#include "platform/simulated_machine.h"
#include "tests/support/simulated.h"

using platform::CpuidRegs;
using platform::ScopedMachine;
using platform::SimulatedMachine;
using testsupport::InfoText;

namespace {

SimulatedMachine IntelWithDescriptors(uint32_t signature, CpuidRegs leaf2) {
    SimulatedMachine machine;
    testsupport::SetVendor(machine, "GenuineIntel", 2);
    testsupport::SetSignature(machine, signature, 0, 0, 0);
    machine.SetLeaf(2, leaf2);
    return machine;
}

TEST(Caches, WorkedLeaf2Example) {
    SimulatedMachine machine = IntelWithDescriptors(0xF29, CpuidRegs{0x665B5001, 0, 0, 0x007A7000});
    ScopedMachine use(machine);
    CCpuInfo cpu(0x100, 0);
    EXPECT_EQ(cpu.L1DataSize, 8);
    EXPECT_EQ(cpu.L2Size, 256);
    EXPECT_EQ(cpu.TraceCacheSize, 12);
    EXPECT_EQ(cpu.L1CodeSize, -1);
    EXPECT_EQ(cpu.L3Size, -1);
    const std::pair<int32_t, const char*> texts[] = {
        {INFO_L1_CODE_ASSOC, "8"}, {INFO_L1_CODE_LINE, "-1"}, {INFO_L1_DATA_ASSOC, "4"}, {INFO_L1_DATA_LINE, "64"},
        {INFO_L2_ASSOC, "8"},      {INFO_L2_LINE, "64"},      {INFO_L3_ASSOC, "-1"},     {INFO_L3_LINE, "-1"},
    };
    for (const auto& text : texts) EXPECT_EQ(InfoText(cpu, text.first), text.second) << std::hex << text.first;
}

struct DescriptorCase {
    const char* processor;
    uint32_t signature;
    CpuidRegs leaf2;
    int32_t l1Data, l2, l3, l2Assoc, l3Assoc;
};

TEST(Caches, DescriptorOrderAndFamilyDependentBytes) {
    const DescriptorCase cases[] = {
        {"later 0x0C wins over 0x2C", 0x6F6, {0x2C0C0001, 0, 0, 0}, 16, -1, -1, -1, -1},
        {"0x49 on family 15 is L3", 0xF64, {0x49000001, 0, 0, 0}, -1, -1, 4096, -1, 16},
        {"0x49 on family 6 is L2", 0x6F6, {0x49000001, 0, 0, 0}, -1, 4096, -1, 16, -1},
        {"0x40 on family 6: no L2", 0x695, {0x40000001, 0, 0, 0}, -1, 0, -1, -1, -1},
        {"0x40 on family 15: no L3", 0xF29, {0x7A400001, 0, 0, 0}, -1, 256, 0, 8, -1},
        {"0x40 before 0x43 on family 6", 0x6B1, {0x40430001, 0, 0, 0}, -1, 512, -1, 4, -1},
        {"bit 31 set: still decoded", 0x6F6, {0x80000001, 0x8000007D, 0, 0}, -1, 2048, -1, 8, -1},
        {"unknown and 0xFF bytes", 0x6F6, {0xFFB0B101, 0x5A5B5C5D, 0, 0}, -1, -1, -1, -1, -1},
        {"last descriptor 0x8D", 0xF64, {0x8D000001, 0, 0, 0}, -1, -1, 3072, -1, 12},
    };
    for (const DescriptorCase& c : cases) {
        SimulatedMachine machine = IntelWithDescriptors(c.signature, c.leaf2);
        ScopedMachine use(machine);
        CCpuInfo cpu(0x100, 0);
        EXPECT_EQ(cpu.L1DataSize, c.l1Data) << c.processor;
        EXPECT_EQ(cpu.L2Size, c.l2) << c.processor;
        EXPECT_EQ(cpu.L3Size, c.l3) << c.processor;
        EXPECT_EQ(cpu.L2Assoc, c.l2Assoc) << c.processor;
        EXPECT_EQ(cpu.L3Assoc, c.l3Assoc) << c.processor;
    }
}

// Descriptor 0x86 is 512 KB, 4 ways, 64-byte lines, unlike its 8-way neighbours 0x83 and 0x87; the
// recorded Celeron M 1300 (signature 695) reports it.
TEST(Caches, Descriptor86IsFourWays) {
    const DescriptorCase cases[] = {
        {"Celeron M 1300: 0x86", 0x695, {0x02B3B001, 0, 0, 0x2C043086}, 32, 512, -1, 4, -1},
        {"neighbour 0x83", 0x695, {0x83000001, 0, 0, 0}, -1, 512, -1, 8, -1},
        {"neighbour 0x87", 0x695, {0x87000001, 0, 0, 0}, -1, 1024, -1, 8, -1},
    };
    for (const DescriptorCase& c : cases) {
        SimulatedMachine machine = IntelWithDescriptors(c.signature, c.leaf2);
        ScopedMachine use(machine);
        CCpuInfo cpu(0x100, 0);
        EXPECT_EQ(cpu.L1DataSize, c.l1Data) << c.processor;
        EXPECT_EQ(cpu.L2Size, c.l2) << c.processor;
        EXPECT_EQ(cpu.L2Assoc, c.l2Assoc) << c.processor;
        EXPECT_EQ(cpu.L3Size, c.l3) << c.processor;
    }
    SimulatedMachine machine = IntelWithDescriptors(0x695, CpuidRegs{0x86000001, 0, 0, 0});
    ScopedMachine use(machine);
    CCpuInfo cpu(0x100, 0);
    EXPECT_EQ(InfoText(cpu, INFO_L2_ASSOC), "4");
    EXPECT_EQ(InfoText(cpu, INFO_L2_LINE), "64");
}

TEST(Caches, IntelWithoutLeaf2KeepsEverythingUnknown) {
    SimulatedMachine machine;
    testsupport::SetVendor(machine, "GenuineIntel", 1);  // highest basic leaf 1: leaf 2 is not asked
    testsupport::SetSignature(machine, 0x633, 0, 0, 0);
    machine.SetLeaf(2, CpuidRegs{0x00000043, 0, 0, 0});
    ScopedMachine use(machine);
    CCpuInfo cpu(0x100, 0);
    EXPECT_EQ(cpu.L2Size, -1);
    EXPECT_EQ(InfoText(cpu, INFO_L2_ASSOC), "");
}

struct ExtendedCase {
    const char* processor;
    uint32_t signature, maxExt, l1Ecx, l1Edx, l2Ecx, l2Edx;
    const char* vendor;
    int32_t l1Code, l2, l3;
    const char* l1CodeAssoc;
    const char* l2AssocText;
    const char* l2LineText;
};

TEST(Caches, ExtendedLeaves) {
    const ExtendedCase cases[] = {
        {"K8 512 KB 16-way", 0xF48, 0x80000008, 0x40020140, 0x40020140, 0x02008140, 0, "AuthenticAMD", 64, 512, 0,
         "2", "16", "64"},
        {"L2 code 6 is 8 ways, L3 1 MB", 0x100F22, 0x80000008, 0, 0, 0x02006040, 0x00080000, "AuthenticAMD", 0, 512,
         1024, "0", "8", "64"},
        {"fully associative L1", 0x662, 0x80000006, 0, 0x40FF0140, 0x01008140, 0, "AuthenticAMD", 64, 256, 0,
         "Full", "16", "64"},
        {"0x80000005 only", 0x662, 0x80000005, 0, 0x40020140, 0x01008140, 0, "AuthenticAMD", 64, -1, -1, "2", "", ""},
        {"K7 model 3 stepping 0: fixed 64 KB", 0x630, 0x80000006, 0, 0x40020140, 0x01008140, 0, "AuthenticAMD", 64, 64,
         -1, "2", "", ""},
        {"K7 model 4 stepping 1: fixed 256 KB", 0x641, 0x80000006, 0, 0x40020140, 0x00408140, 0, "AuthenticAMD", 64,
         256, -1, "2", "", ""},
        {"K7 model 4 stepping 2: read", 0x642, 0x80000006, 0, 0x40020140, 0x00408140, 0, "AuthenticAMD", 64, 64, 0,
         "2", "16", "64"},
        {"VIA family 6 model 7: 64 KB", 0x673, 0x80000006, 0, 0x40040120, 0x00401120, 0, "CentaurHauls", 64, 64, 0,
         "4", "Direct", "32"},
        {"code 0 is None", 0x662, 0x80000006, 0, 0, 0x01000040, 0, "AuthenticAMD", 0, 256, 0, "0", "None", "64"},
        {"code 3 is None", 0x662, 0x80000006, 0, 0, 0x01003040, 0, "AuthenticAMD", 0, 256, 0, "0", "None", "64"},
        {"code 15 is Full", 0x662, 0x80000006, 0, 0, 0x0100F040, 0, "AuthenticAMD", 0, 256, 0, "0", "Full", "64"},
    };
    for (const ExtendedCase& c : cases) {
        SimulatedMachine machine;
        testsupport::SetVendor(machine, c.vendor, 1);
        testsupport::SetSignature(machine, c.signature, 0, 0, 0);
        machine.SetLeaf(0x80000000, CpuidRegs{c.maxExt, 0, 0, 0});
        machine.SetLeaf(0x80000005, CpuidRegs{0, 0, c.l1Ecx, c.l1Edx});
        machine.SetLeaf(0x80000006, CpuidRegs{0, 0, c.l2Ecx, c.l2Edx});
        ScopedMachine use(machine);
        CCpuInfo cpu(0x100, 0);
        EXPECT_EQ(cpu.L1CodeSize, c.l1Code) << c.processor;
        EXPECT_EQ(cpu.L2Size, c.l2) << c.processor;
        EXPECT_EQ(cpu.L3Size, c.l3) << c.processor;
        EXPECT_EQ(InfoText(cpu, INFO_L1_CODE_ASSOC), c.l1CodeAssoc) << c.processor;
        EXPECT_EQ(InfoText(cpu, INFO_L2_ASSOC), c.l2AssocText) << c.processor;
        EXPECT_EQ(InfoText(cpu, INFO_L2_LINE), c.l2LineText) << c.processor;
        EXPECT_EQ(InfoText(cpu, INFO_L3_ASSOC), "") << c.processor;  // never decoded on this path
    }
}

}  // namespace
