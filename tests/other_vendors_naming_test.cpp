// Naming of Transmeta, Cyrix, IDT/VIA, Rise, NexGen, NSC and every other vendor, through whole
// detections on simulated machines.
#include <gtest/gtest.h>

#include <string>

#include "cpuinfo/cpu_info.h"
#include "platform/simulated_machine.h"
#include "tests/support/simulated.h"

using platform::CpuidRegs;
using platform::SimulatedMachine;
using testsupport::InfoText;

namespace {

struct Named {
    std::string cpuName, processorName, codeName, socket, process, revision;
    CCpuInfo cpu;
};

Named Detect(SimulatedMachine& machine) {
    CCpuInfo cpu(machine, 0x100, 0);
    return Named{InfoText(cpu, INFO_CPU_NAME), InfoText(cpu, INFO_PROCESSOR_NAME), InfoText(cpu, INFO_CODE_NAME),
                 InfoText(cpu, INFO_SOCKET),   InfoText(cpu, INFO_PROCESS_TECH),   InfoText(cpu, INFO_REVISION),
                 cpu};
}

SimulatedMachine Machine(const char* vendor, uint32_t signature, const char* brand = nullptr) {
    SimulatedMachine machine;
    testsupport::SetVendor(machine, vendor, 1);
    testsupport::SetSignature(machine, signature, 0, 0, 0);
    if (brand) testsupport::SetBrandString(machine, brand);
    return machine;
}

struct TransmetaCase {
    uint32_t signature;
    const char* brand;
    const char* name;
    const char* process;
    int32_t variableClock;
};

TEST(TransmetaNaming, BrandKeysInTableOrder) {
    const TransmetaCase cases[] = {
        {0xF24, "Transmeta Efficeon(tm) Processor TM8600 TM8800", "Efficeon TM8800", "0.09", 1},
        {0xF24, "Transmeta Efficeon(tm) Processor TM8600", "Efficeon TM8600 (Astro)", "0.13", 1},
        {0xF24, "Efficeon TM8820", "Efficeon TM8820 (Astro)", "0.13", 1},
        {0xF24, "Efficeon", "Efficeon (Astro)", "0.13", 1},
        {0x543, "Transmeta(tm) Crusoe(tm) Processor TM5800", "Crusoe TM5800", "0.13", 1},
        {0x543, "Crusoe TM3200", "Crusoe TM3200", "0.22", 0},
        {0x543, "Crusoe TM3120", "Crusoe TM3120", "0.22", 0},
        {0x543, "Crusoe TM5400", "Crusoe TM5400", "0.18", 1},
        {0x543, "Crusoe", "Unknown CPU", "", 1},
        {0x630, "Crusoe TM5800", "Unknown CPU", "", 1},
    };
    for (const TransmetaCase& c : cases) {
        SimulatedMachine machine = Machine("GenuineTMx86", c.signature, c.brand);
        Named named = Detect(machine);
        EXPECT_EQ(named.cpuName, c.name) << c.brand;
        EXPECT_EQ(named.socket, "Mobile Module") << c.brand;
        EXPECT_EQ(named.process, c.process) << c.brand;
        EXPECT_EQ(named.cpu.VariableClock, c.variableClock) << c.brand;
    }
}

TEST(TransmetaNaming, NameWithoutCodeNameKeepsCodeNameEmpty) {
    SimulatedMachine machine = Machine("GenuineTMx86", 0xF24, "TM8800");
    Named named = Detect(machine);
    EXPECT_EQ(named.codeName, "");
    EXPECT_EQ(named.processorName, "Transmeta Efficeon TM8800");
}

struct ViaCase {
    const char* vendor;
    uint32_t signature;
    const char* name;
    const char* processorName;
    const char* socket;
    const char* process;
    Core coreCode;
    int32_t powerMgmt;
    const char* revision;
};

TEST(ViaCentaurNaming, RowsAndVendorName) {
    const ViaCase cases[] = {
        {"CentaurHauls", 0x6A9, "C7 (Esther)", "VIA C7", "NanoBGA 479", "0.09", Core::Esther, 0, ""},
        {"CentaurHauls", 0x698, "C3 (Nehemiah)", "VIA C3", "Socket 370", "0.13", Core::Nehemiah, 2, "A"},
        {"CentaurHauls", 0x689, "C3 (Ezra-T)", "VIA C3", "Socket 370", "0.13", Core::EzraT, 2, "ET"},
        {"CentaurHauls", 0x678, "C3 (Ezra)", "VIA C3", "Socket 370", "0.13", Core::Ezra, 1, "E"},
        {"CentaurHauls", 0x677, "C3 (Samuel 2)", "VIA C3", "Socket 370", "0.15", Core::Samuel2, 1, ""},
        {"CentaurHauls", 0x675, "C3 (Samuel 2)", "VIA C3", "Socket 370", "0.15", Core::Samuel2, 1, ""},
        {"CentaurHauls", 0x671, "C3 (Samuel 2)", "VIA C3", "Socket 370", "0.15", Core::Samuel2, 1, "S2"},
        {"CentaurHauls", 0x670, "C3 (Samuel 2)", "VIA C3", "Socket 370", "0.15", Core::Samuel, 1, "S2"},
        {"CentaurHauls", 0x660, "Cyrix III (Samuel)", "VIA Cyrix III", "Socket 370", "0.18", Core::Samuel, 1, "S1"},
        {"CyrixInstead", 0x651, "6x86MX (M II)", "VIA 6x86MX", "Socket 7", "0.18/0.25", Core::Samuel, 0, ""},
        {"CyrixInstead", 0x652, "Cyrix III (Joshua)", "VIA Cyrix III", "Socket 370", "0.18", Core::Samuel, 0, ""},
        {"CyrixInstead", 0x650, "Cyrix III (Joshua)", "VIA Cyrix III", "Socket 370", "0.18", Core::Samuel, 0, ""},
        {"CyrixInstead", 0x600, "6x86MX (M II)", "Cyrix 6x86MX", "Socket 7", "0.35", Core::None, 0, ""},
        {"CyrixInstead", 0x601, "6x86MX (M II)", "Cyrix 6x86MX", "Socket 7", "0.30", Core::None, 0, ""},
        {"CentaurHauls", 0x590, "WinChip 3", "IDT WinChip 3", "Socket 7", "0.25", Core::None, 0, ""},
        {"CyrixInstead", 0x590, "Geode", "Cyrix Geode", "", "", Core::None, 0, ""},
        {"CentaurHauls", 0x585, "WinChip 2", "IDT WinChip 2", "Socket 7", "0.35", Core::None, 0, ""},
        {"CyrixInstead", 0x585, "Unknown CPU", "Cyrix Unknown CPU", "", "", Core::None, 0, ""},
        {"CentaurHauls", 0x540, "WinChip C6", "IDT WinChip C6", "Socket 7", "0.35", Core::None, 0, ""},
        {"CyrixInstead", 0x540, "MediaGX", "Cyrix MediaGX", "", "", Core::None, 0, ""},
        {"CyrixInstead", 0x520, "6x86 (M I)", "Cyrix 6x86", "Socket 5/7", "0.35/0.65", Core::None, 0, ""},
        {"CentaurHauls", 0x520, "Unknown CPU", "IDT Unknown CPU", "", "", Core::None, 0, ""},
        {"CentaurHauls", 0x6B0, "Unknown CPU", "IDT Unknown CPU", "", "", Core::None, 0, ""},
    };
    for (const ViaCase& c : cases) {
        SimulatedMachine machine = Machine(c.vendor, c.signature);
        Named named = Detect(machine);
        const std::string id = std::string(c.vendor) + " " + std::to_string(c.signature);
        EXPECT_EQ(named.cpuName, c.name) << id;
        EXPECT_EQ(named.processorName, c.processorName) << id;
        EXPECT_EQ(named.socket, c.socket) << id;
        EXPECT_EQ(named.process, c.process) << id;
        EXPECT_EQ(named.cpu.CoreCode, c.coreCode) << id;
        EXPECT_EQ(named.cpu.PowerMgmtCode, c.powerMgmt) << id;
        EXPECT_EQ(named.revision, c.revision) << id;
    }
}

TEST(ViaCentaurNaming, SideEffectsOnCachesAndRevisionFigures) {
    SimulatedMachine c7 = Machine("CentaurHauls", 0x6A9);
    c7.ReplaceLeaf(0x80000000, 0, CpuidRegs{0x80000006, 0, 0, 0});
    c7.SetLeaf(0x80000006, CpuidRegs{0, 0, 0x00808140, 0});
    EXPECT_EQ(Detect(c7).cpu.L2Size, 128);  // overrides the cache leaves

    SimulatedMachine winChip = Machine("CentaurHauls", 0x541);
    Named named = Detect(winChip);
    EXPECT_EQ(named.cpu.L1CodeSize, 32);
    EXPECT_EQ(named.cpu.L1DataSize, 32);

    SimulatedMachine samuel2 = Machine("CentaurHauls", 0x672);
    named = Detect(samuel2);
    EXPECT_EQ(named.cpu.DieSize, 52.0);
    EXPECT_EQ(named.cpu.TransistorCount, 15.2);
    SimulatedMachine key520 = Machine("CyrixInstead", 0x520);
    named = Detect(key520);
    EXPECT_EQ(named.cpu.DieSize, -1.0);
    EXPECT_EQ(named.cpu.TransistorCount, 3.0);
    EXPECT_EQ(named.cpu.L1UnifiedSize, 16);
}

struct OtherCase {
    const char* vendor;
    uint32_t signature;
    uint16_t architecture;
    uint32_t type;
    uint16_t level;
    const char* name;
    const char* processorName;
};

TEST(OtherVendorNaming, SignaturesAndHostArchitecture) {
    const OtherCase cases[] = {
        {"RiseRiseRise", 0x500, 0, 586, 5, "mP6 (iDragon)", "Rise mP6"},
        {"RiseRiseRise", 0x590, 0, 586, 5, "mP6 (iDragon II)", "Rise mP6"},
        {"RiseRiseRise", 0x540, 0, 586, 5, "Unknown CPU", "Rise Unknown CPU"},
        {"NexGenDriven", 0x500, 0, 586, 5, "Nx586", "NexGen Nx586"},
        {"NexGenDriven", 0x510, 0, 586, 5, "Unknown CPU", "NexGen Unknown CPU"},
        {"Geode By NSC", 0x540, 0, 586, 5, "Geode", "NSC Geode"},
        {"UMC UMC UMC ", 0x410, 0, 486, 4, "486", "UMC 486"},
        {"UMC UMC UMC ", 0x410, 0, 386, 4, "386", "UMC 386"},
        {"ConnectixCPU", 0x520, 0, 586, 5, "Pentium", " Pentium"},
        {"ConnectixCPU", 0x520, 0, 8664, 6, "PowerPC", " PowerPC"},  // x86 of another type keeps the emulator name
        {"Compaq FX!32", 0x520, 0, 8664, 6, "Alpha", " Alpha"},
        {"Compaq FX32!", 0x520, 0, 8664, 6, "", "Compaq "},          // the vendor table's spelling
        {"UMC UMC UMC ", 0x410, 0, 586, 4, "Pentium", "UMC Pentium"},
        {"UMC UMC UMC ", 0x410, 0, 8664, 4, "", "UMC "},
        {"SomeVendorXX", 0x520, 1, 0, 4, "MIPS R4000", " MIPS R4000"},
        {"SomeVendorXX", 0x520, 1, 0, 3, "MIPS", " MIPS"},
        {"SomeVendorXX", 0x520, 2, 0, 21064, "Alpha 21064", " Alpha 21064"},
        {"SomeVendorXX", 0x520, 2, 0, 21066, "Alpha 21066", " Alpha 21066"},
        {"SomeVendorXX", 0x520, 2, 0, 21164, "Alpha 21164", " Alpha 21164"},
        {"ConnectixCPU", 0x520, 2, 0, 21164, "Alpha 21164", " Alpha 21164"},   // the host overrides the emulator name
        {"SomeVendorXX", 0x520, 2, 0, 1, "Alpha", " Alpha"},
        {"SomeVendorXX", 0x520, 3, 0, 1, "PowerPC 601", " PowerPC 601"},
        {"SomeVendorXX", 0x520, 3, 0, 3, "PowerPC 603", " PowerPC 603"},
        {"SomeVendorXX", 0x520, 3, 0, 4, "PowerPC 604", " PowerPC 604"},
        {"SomeVendorXX", 0x520, 3, 0, 6, "PowerPC 603+", " PowerPC 603+"},
        {"SomeVendorXX", 0x520, 3, 0, 9, "PowerPC 604+", " PowerPC 604+"},
        {"SomeVendorXX", 0x520, 3, 0, 20, "PowerPC 620", " PowerPC 620"},
        {"Compaq FX!32", 0x520, 9, 8664, 6, "Unknown CPU", " Unknown CPU"},
        {"SomeVendorXX", 0x520, 3, 0, 2, "PowerPC", " PowerPC"},
        {"SomeVendorXX", 0x520, 9, 8664, 6, "Unknown CPU", " Unknown CPU"},
        {"SomeVendorXX", 0x520, 5, 0, 0, "Unknown CPU", " Unknown CPU"},
    };
    for (const OtherCase& c : cases) {
        SimulatedMachine machine = Machine(c.vendor, c.signature);
        machine.Facts().architecture = c.architecture;
        machine.Facts().processorType = c.type;
        machine.Facts().processorLevel = c.level;
        Named named = Detect(machine);
        const std::string id = std::string(c.vendor) + " arch " + std::to_string(c.architecture) + " type " +
                               std::to_string(c.type) + " level " + std::to_string(c.level);
        EXPECT_EQ(named.cpuName, c.name) << id;
        EXPECT_EQ(named.processorName, c.processorName) << id;
    }
}

struct SignatureCase {
    const char* vendor;
    uint32_t signature;
    const char* socket;
    const char* process;
    int32_t l1Code;
    int32_t l1Data;
};

TEST(OtherVendorNaming, SignatureRowsSocketProcessAndLevel1Sizes) {
    const SignatureCase cases[] = {
        {"RiseRiseRise", 0x500, "Socket 7", "0.25", 8, 8},
        {"RiseRiseRise", 0x520, "Socket 7", "0.18", 8, 8},
        {"RiseRiseRise", 0x580, "Socket 7", "0.25", 8, 8},
        {"RiseRiseRise", 0x590, "Socket 7", "0.18", 8, 8},
        {"NexGenDriven", 0x500, "", "0.44/0.50", 16, 16},
        {"Geode By NSC", 0x540, "", "", -1, -1},  // no sizes from the name: left unknown
    };
    for (const SignatureCase& c : cases) {
        SimulatedMachine machine = Machine(c.vendor, c.signature);
        Named named = Detect(machine);
        const std::string id = std::string(c.vendor) + " " + std::to_string(c.signature);
        EXPECT_EQ(named.socket, c.socket) << id;
        EXPECT_EQ(named.process, c.process) << id;
        EXPECT_EQ(named.cpu.L1CodeSize, c.l1Code) << id;
        EXPECT_EQ(named.cpu.L1DataSize, c.l1Data) << id;
    }
}

}  // namespace
