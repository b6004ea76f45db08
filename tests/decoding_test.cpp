// CPUID decoding on simulated machines: vendors, signatures, cores, brand identifiers, bus data rate,
// serial number, brand strings and the Transmeta leaves.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "cpuinfo/cpu_info.h"
#include "platform/simulated_machine.h"
#include "tests/support/simulated.h"

using platform::CpuidRegs;
using platform::SimulatedMachine;
using testsupport::InfoText;

namespace {

TEST(Decoding, VendorTable) {
    struct Case {
        const char* vendorString;
        Vendor id;
        const char* name;
    };
    const Case cases[] = {
        {"GenuineIntel", Vendor::Intel, "Intel"},
        {"AuthenticAMD", Vendor::Amd, "AMD"},
        {"GenuineTMx86", Vendor::Transmeta, "Transmeta"},
        {"CyrixInstead", Vendor::Cyrix, "Cyrix"},
        {"CentaurHauls", Vendor::Idt, "IDT"},
        {"RiseRiseRise", Vendor::Rise, "Rise"},
        {"NexGenDriven", Vendor::NexGen, "NexGen"},
        {"UMC UMC UMC ", Vendor::Umc, "UMC"},
        {"Geode By NSC", Vendor::Nsc, "NSC"},
        {"Compaq FX32!", Vendor::Compaq, "Compaq"},
        {"GenuineIntez", Vendor::Unknown, ""},
        {"genuineintel", Vendor::Unknown, ""},
        {"HygonGenuine", Vendor::Unknown, ""},
    };
    for (const Case& c : cases) {
        SimulatedMachine machine;
        testsupport::SetVendor(machine, c.vendorString, 1);
        CCpuInfo cpu(machine, 0x100, 0);
        EXPECT_EQ(cpu.VendorId, c.id) << c.vendorString;
        EXPECT_EQ(InfoText(cpu, INFO_VENDOR_NAME), c.name) << c.vendorString;
        EXPECT_EQ(InfoText(cpu, INFO_VENDOR_STRING), c.vendorString) << c.vendorString;
    }
}

TEST(Decoding, VendorBytesOfAnyValueStayInTheField) {
    SimulatedMachine machine;
    machine.SetLeaf(0, CpuidRegs{1, 0xFFFEFDFC, 0x00000041, 0x80818283});
    CCpuInfo cpu(machine, 0x100, 0);
    EXPECT_EQ(std::string(cpu.VendorString), "\xFC\xFD\xFE\xFF\x83\x82\x81\x80" "A");
    EXPECT_EQ(cpu.VendorId, Vendor::Unknown);
}

TEST(Decoding, ExtendedLeafExactly80000000IsNotRead) {
    SimulatedMachine machine;
    testsupport::SetVendor(machine, "AuthenticAMD", 1);
    machine.SetLeaf(0x80000000, CpuidRegs{0x80000000, 0, 0, 0});
    machine.SetLeaf(0x80000001, CpuidRegs{0x00000F00, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF});
    CCpuInfo cpu(machine, 0x100, 0);
    EXPECT_EQ(cpu.Ext1Eax, 0u);
    EXPECT_EQ(cpu.Ext1Edx, 0u);
    EXPECT_EQ(cpu.Has3DNow, 0);
    EXPECT_EQ(cpu.HasLongMode, 0);
    EXPECT_EQ(cpu.HasSvm, 0);
}

struct CoreCase {
    const char* processor;
    const char* vendor;
    uint32_t maxLeaf, eax, ebx, edx, leaf4Eax;
    int32_t cores, logical, htt, dualCore;
};

TEST(Decoding, CoreAndLogicalProcessorRules) {
    const uint32_t htt = 1u << 28;
    const CoreCase cases[] = {
        {"Intel family 6 HT N=2, leaf 4 two cores", "GenuineIntel", 4, 0x6F6, 0x00020000, htt, 1u << 26, 2, 0, 0, 1},
        {"Intel family 6 HT N=4, no leaf 4", "GenuineIntel", 2, 0x6F6, 0x00040000, htt, 0, 4, 0, 0, 0},
        {"Intel family 15 HT N=2, one core", "GenuineIntel", 4, 0xF43, 0x00020000, htt, 0, 1, 2, 1, 0},
        {"Intel family 15 HT N=2, no leaf 4", "GenuineIntel", 3, 0xF29, 0x00020000, htt, 0, 1, 2, 1, 0},
        {"Intel family 15 HT N=2, two cores", "GenuineIntel", 4, 0xF44, 0x00020000, htt, 1u << 26, 2, 1, 0, 1},
        {"Intel family 15 HT N=4, two cores", "GenuineIntel", 4, 0xF64, 0x00040000, htt, 1u << 26, 2, 2, 1, 1},
        {"Intel family 15 without HT", "GenuineIntel", 2, 0xF29, 0x00020000, 0, 0, 1, 0, 0, 0},
        {"AMD with HT flag", "AuthenticAMD", 1, 0xF48, 0x00020000, htt, 0, 1, 0, 0, 0},
    };
    for (const CoreCase& c : cases) {
        SimulatedMachine machine;
        testsupport::SetVendor(machine, c.vendor, c.maxLeaf);
        testsupport::SetSignature(machine, c.eax, c.ebx, 0, c.edx);
        machine.SetLeaf(4, CpuidRegs{c.leaf4Eax, 0, 0, 0});
        CCpuInfo cpu(machine, 0x100, 0);
        EXPECT_EQ(cpu.CoresPerPackage, c.cores) << c.processor;
        EXPECT_EQ(cpu.LogicalPerCore, c.logical) << c.processor;
        EXPECT_EQ(cpu.HasHtt, c.htt) << c.processor;
        EXPECT_EQ(cpu.IsDualCore, c.dualCore) << c.processor;
    }
}

TEST(Decoding, AmdCoresFromLeaf80000008) {
    SimulatedMachine machine;
    testsupport::SetVendor(machine, "AuthenticAMD", 1);
    testsupport::SetSignature(machine, 0x00040F12, 0, 0, 0);
    machine.SetLeaf(0x80000000, CpuidRegs{0x80000008, 0, 0, 0});
    machine.SetLeaf(0x80000001, CpuidRegs{0x00040F12, 0x0000C2B4, 0, 0});
    machine.SetLeaf(0x80000008, CpuidRegs{0, 0, 0x01, 0});
    CCpuInfo cpu(machine, 0x100, 0);
    EXPECT_EQ(cpu.CoresPerPackage, 2);
    EXPECT_EQ(cpu.IsDualCore, 1);
    EXPECT_EQ(cpu.CmpCap, 1);
    EXPECT_EQ(cpu.ExtModel, 4);
    EXPECT_EQ(InfoText(cpu, INFO_BUS_DATA_RATE), "---");
}

struct BrandIdCase {
    const char* processor;
    uint32_t ext1Eax, ext1Ebx, std1Ebx;
    int32_t brandId, brandNN, pwrLmt, packageType;
};

TEST(Decoding, AmdFamily15BrandIdentifier) {
    const BrandIdCase cases[] = {
        // Extended model below 4: six bits at 6..11 and six at 0..5.
        {"K8 ext model 0", 0x00000F48, 0x00000A4C, 0, 0x29, 0x0C, 0, -1},
        // Extended model 4 and above: bits 9..13, bit 15 and bits 0..4, power limit, package type.
        {"K8 ext model 4", 0x00040F32, 0x0000C2B4 | 0x4000, 0, 0x01, 64 + 0x14, 2 * 2 + 1, 3},
        // Brand identifier 0 in the extended leaf: the 8-bit one of leaf 1, bits 5..7 first.
        {"fallback bits 5..7", 0x00000F48, 0, 0x000000E7, 7 * 4, 7, 0, -1},
        {"fallback bits 8..10", 0x00000F48, 0, 0x00000513, 5 * 4, 0x13, 0, -1},
        {"fallback to zero", 0x00000F48, 0, 0x0000F81F, 0, 0x1F, 0, -1},
    };
    for (const BrandIdCase& c : cases) {
        SimulatedMachine machine;
        testsupport::SetVendor(machine, "AuthenticAMD", 1);
        testsupport::SetSignature(machine, 0x00000F48, c.std1Ebx, 0, 0);
        machine.SetLeaf(0x80000000, CpuidRegs{0x80000001, 0, 0, 0});
        machine.SetLeaf(0x80000001, CpuidRegs{c.ext1Eax, c.ext1Ebx, 0, 0});
        CCpuInfo cpu(machine, 0x100, 0);
        EXPECT_EQ(cpu.BrandId, c.brandId) << c.processor;
        EXPECT_EQ(cpu.BrandNN, c.brandNN) << c.processor;
        EXPECT_EQ(cpu.PwrLmt, c.pwrLmt) << c.processor;
        EXPECT_EQ(cpu.PackageType, c.packageType) << c.processor;
    }
}

TEST(Decoding, IntelFamily15TakesExtendedValuesFromTheEmptyExtendedLeaf) {
    SimulatedMachine machine;
    testsupport::SetVendor(machine, "GenuineIntel", 2);
    testsupport::SetSignature(machine, 0x00100F29, 0x05010800, 0, 0);
    CCpuInfo cpu(machine, 0x100, 0);
    EXPECT_EQ(cpu.ExtFamily, 0);
    EXPECT_EQ(cpu.ExtModel, 0);
    EXPECT_EQ(cpu.FullFamily, 16);  // from leaf 1
    EXPECT_EQ(cpu.ApicId, 5);
    EXPECT_EQ(cpu.BrandId, 0);
    EXPECT_EQ(InfoText(cpu, INFO_SIGNATURE), "F29");
    EXPECT_EQ(InfoText(cpu, INFO_EXT_FAMILY), "00");
    EXPECT_EQ(InfoText(cpu, INFO_FULL_FAMILY), "10");
    EXPECT_EQ(InfoText(cpu, INFO_BUS_DATA_RATE), "QDR");
    EXPECT_EQ(InfoText(cpu, INFO_PROCESSOR_TYPE), "Original OEM processor");
}

TEST(Decoding, BusDataRateRules) {
    struct Case {
        const char* vendor;
        uint32_t signature;
        const char* name;
    };
    const Case cases[] = {
        {"GenuineIntel", 0x00000F29, "QDR"}, {"GenuineIntel", 0x00000695, "QDR"}, {"GenuineIntel", 0x000006D8, "QDR"},
        {"GenuineIntel", 0x000106F2, "QDR"},  // model 15 of leaf 1 (full model 0x1F)
        {"GenuineIntel", 0x0000068A, "SDR"}, {"GenuineIntel", 0x000106A5, "SDR"},  // model 10: full model ignored
        {"CentaurHauls", 0x000006A9, "QDR"}, {"CentaurHauls", 0x00000698, "SDR"},
        {"AuthenticAMD", 0x00000F48, "---"}, {"AuthenticAMD", 0x000005A2, "---"}, {"AuthenticAMD", 0x00000580, "SDR"},
        {"AuthenticAMD", 0x00000662, "DDR"}, {"AuthenticAMD", 0x00100F22, "---"},  // base family 15 even with an extended family
        {"CyrixInstead", 0x00000600, "SDR"}, {"NoSuchVendor", 0x00000F00, "SDR"},
    };
    for (const Case& c : cases) {
        SimulatedMachine machine;
        testsupport::SetVendor(machine, c.vendor, 1);
        testsupport::SetSignature(machine, c.signature, 0, 0, 0);
        CCpuInfo cpu(machine, 0x100, 0);
        EXPECT_EQ(InfoText(cpu, INFO_BUS_DATA_RATE), c.name) << c.vendor << " " << std::hex << c.signature;
    }
}

TEST(Decoding, SerialNumberText) {
    SimulatedMachine machine;
    testsupport::SetVendor(machine, "GenuineIntel", 3);
    testsupport::SetSignature(machine, 0x686, 0, 0, 1u << 18);
    machine.SetLeaf(3, CpuidRegs{0xAAAAAAAA, 0xBBBBBBBB, 0x0000ABCD, 0x12340005});
    CCpuInfo cpu(machine, 0x100, 0);
    EXPECT_EQ(InfoText(cpu, INFO_SERIAL_NUMBER), "0000-0686-1234-0005-0000-ABCD");
    EXPECT_EQ(cpu.HasSerialNumber, 1);

    SimulatedMachine noLeaf3;
    testsupport::SetVendor(noLeaf3, "GenuineIntel", 2);
    testsupport::SetSignature(noLeaf3, 0x686, 0, 0, 1u << 18);
    CCpuInfo without(noLeaf3, 0x100, 0);
    EXPECT_EQ(InfoText(without, INFO_SERIAL_NUMBER), "");
}

TEST(Decoding, BrandStrings) {
    struct Case {
        const char* raw;
        const char* stored;
    };
    const std::string full48(48, 'x');
    const Case cases[] = {
        {"            Intel(R) Pentium(R) 4 CPU 2.40GHz", "Intel(R) Pentium(R) 4 CPU 2.40GHz"},
        {full48.c_str(), full48.c_str()},
        {"                                                ", ""},
        {"", ""},
        {"\tTab kept  ", "\tTab kept  "},
    };
    for (const Case& c : cases) {
        SimulatedMachine machine;
        testsupport::SetVendor(machine, "GenuineIntel", 1);
        testsupport::SetBrandString(machine, c.raw);
        CCpuInfo cpu(machine, 0x100, 0);
        EXPECT_EQ(InfoText(cpu, INFO_BRAND_STRING), c.stored) << '"' << c.raw << '"';
    }
}

TEST(Decoding, PowerManagementNeedsBothControlBits) {
    struct Case {
        const char* vendor;
        uint32_t maxExt, edx;
        int32_t powerNow;
    };
    const Case cases[] = {{"AuthenticAMD", 0x80000007, 0x6, 1}, {"AuthenticAMD", 0x80000007, 0x2, 0},
                          {"AuthenticAMD", 0x80000007, 0x4, 0}, {"AuthenticAMD", 0x80000007, 0xFFFFFFF9, 0},
                          {"AuthenticAMD", 0x80000006, 0x6, 0}, {"GenuineIntel", 0x80000008, 0x6, 0}};
    for (const Case& c : cases) {
        SimulatedMachine machine;
        testsupport::SetVendor(machine, c.vendor, 1);
        machine.SetLeaf(0x80000000, CpuidRegs{c.maxExt, 0, 0, 0});
        machine.SetLeaf(0x80000007, CpuidRegs{0, 0, 0, c.edx});
        CCpuInfo cpu(machine, 0x100, 0);
        EXPECT_EQ(cpu.HasPowerNow, c.powerNow) << c.vendor << std::hex << " " << c.maxExt << " " << c.edx;
    }
}

TEST(Decoding, TransmetaLeaves) {
    SimulatedMachine machine;
    testsupport::SetVendor(machine, "GenuineTMx86", 1);
    machine.SetLeaf(0x80860000, CpuidRegs{0x80860007, 0, 0, 0});
    machine.SetLeaf(0x80860001, CpuidRegs{0, 0x01020304, 667, 0x5});
    machine.SetLeaf(0x80860002, CpuidRegs{0, 0x04020100, 11, 0});
    const char info[] = "  Transmeta information text";
    char block[64] = {};
    std::memcpy(block, info, sizeof info - 1);
    for (uint32_t i = 0; i < 4; ++i) {
        const char* part = block + 16 * i;
        machine.SetLeaf(0x80860003 + i, CpuidRegs{testsupport::Chars(part), testsupport::Chars(part + 4),
                                                  testsupport::Chars(part + 8), testsupport::Chars(part + 12)});
    }
    machine.SetLeaf(0x80860007, CpuidRegs{600, 1200, 3, 0xFFFFFFFF});
    CCpuInfo cpu(machine, 0x100, 0);
    EXPECT_EQ(InfoText(cpu, INFO_TRANSMETA_HW_REVISION), "1.2-3.4");
    EXPECT_EQ(InfoText(cpu, INFO_TRANSMETA_SW_REVISION), "4.2.1-0-11");
    EXPECT_EQ(InfoText(cpu, INFO_TRANSMETA_INFO), "Transmeta information text");
    EXPECT_EQ(InfoText(cpu, INFO_TRANSMETA_NOMINAL_CLOCK), "667");
    EXPECT_EQ(InfoText(cpu, INFO_TRANSMETA_CURRENT_CLOCK), "600");
    EXPECT_EQ(InfoText(cpu, INFO_TRANSMETA_VOLTAGE), "1200");
    EXPECT_EQ(InfoText(cpu, INFO_TRANSMETA_LEVEL), "3");
    EXPECT_EQ(InfoText(cpu, INFO_TRANSMETA_GATE_DELAY), "");  // -1
    EXPECT_EQ(cpu.TransmetaExtEdx, 0x5u);
}

TEST(Decoding, TransmetaWithoutLeaf7AndWithTheEmptyHardwareRevision) {
    SimulatedMachine machine;
    testsupport::SetVendor(machine, "GenuineTMx86", 1);
    machine.SetLeaf(0x80860000, CpuidRegs{0x80860006, 0, 0, 0});
    machine.SetLeaf(0x80860001, CpuidRegs{0, 0x20000000, 500, 0});
    machine.SetLeaf(0x80860007, CpuidRegs{600, 1200, 3, 4});
    CCpuInfo cpu(machine, 0x100, 0);
    EXPECT_EQ(InfoText(cpu, INFO_TRANSMETA_HW_REVISION), "");
    for (int32_t item : {INFO_TRANSMETA_CURRENT_CLOCK, INFO_TRANSMETA_VOLTAGE, INFO_TRANSMETA_LEVEL,
                         INFO_TRANSMETA_GATE_DELAY})
        EXPECT_EQ(InfoText(cpu, item), "") << std::hex << item;
    EXPECT_EQ(InfoText(cpu, INFO_TRANSMETA_NOMINAL_CLOCK), "500");

    SimulatedMachine low;
    testsupport::SetVendor(low, "GenuineTMx86", 1);
    low.SetLeaf(0x80860000, CpuidRegs{0x80860001, 0x12345678, 0x9ABC, 0});
    CCpuInfo lowCpu(low, 0x100, 0);
    EXPECT_EQ(lowCpu.TransmetaNominalClock, -1);  // not a vendor-string word
}

}  // namespace
