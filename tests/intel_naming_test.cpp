// Intel naming: the rows whose order or conditions are easy to get wrong, on records set up as the
// decoding and the register step leave them, then named as the dispatch does.
#include <gtest/gtest.h>

#include <string>

#include "cpuinfo/cpu_info.h"
#include "cpuinfo/text.h"
#include "platform/simulated_machine.h"
#include "tests/support/simulated.h"

using platform::CpuidRegs;
using platform::SimulatedMachine;
using testsupport::InfoText;

namespace {

struct IntelCase {
    const char* processor;
    int32_t family, model, stepping;
    int32_t l2, l3;
    int32_t brandId;
    const char* brand;
    int32_t cores, threads;
    int32_t platformId;
    double busClock;
    const char* name;
    const char* socket;
    const char* process;
    Core coreCode;
};

// A record as detection leaves it before naming; then NameProcessor as the driver calls it.
struct Subject {
    SimulatedMachine machine;
    CCpuInfo cpu{machine, 0x100, 9};

    explicit Subject(const IntelCase& c) {
        cpu.VendorId = Vendor::Intel;
        CopyText(cpu.VendorName, "Intel");
        cpu.Family = c.family;
        cpu.Model = c.model;
        cpu.Stepping = c.stepping;
        cpu.ExtFamily = 0;
        cpu.ExtModel = 0;
        cpu.ProcessorType = 0;
        cpu.Std1Eax = static_cast<uint32_t>((c.family << 8) | (c.model << 4) | c.stepping);
        cpu.L2Size = c.l2;
        cpu.L3Size = c.l3;
        cpu.BrandId = c.brandId;
        CopyText(cpu.BrandString, c.brand);
        cpu.CoresPerPackage = c.cores;
        cpu.LogicalPerCore = c.threads;
        cpu.PlatformId = c.platformId;
        cpu.BusClock = c.busClock;
        cpu.NameProcessor();
    }
};

TEST(IntelNaming, RowsInTableOrder) {
    const IntelCase cases[] = {
        {"family 6 model 5, L2 unknown: no name", 6, 5, 2, -1, -1, 0, "", 1, 0, -1, -1.0, "", "", "0.25", Core::P6},
        {"family 6 model 5, no L2: Covington", 6, 5, 0, 0, -1, 0, "", 1, 0, -1, -1.0, "Celeron (Covinton)", "Slot 1", "0.25", Core::P6},
        {"family 6 model 5, 512 KB", 6, 5, 2, 512, -1, 0, "", 1, 0, -1, -1.0, "Pentium II (Deschutes)", "Slot 1", "0.25", Core::P6},
        {"family 6 model 5, 1 MB: Xeon", 6, 5, 2, 1024, -1, 0, "", 1, 0, -1, -1.0, "Pentium II Xeon (Deschutes)", "Slot 2", "0.25", Core::P6},
        {"Coppermine first pass: platform -1 is odd", 6, 8, 3, 256, -1, 2, "", 1, 0, -1, -1.0, "Mobile Pentium III (Coppermine)", "Mobile Module", "0.18", Core::Coppermine},
        {"Coppermine second pass, platform 0", 6, 8, 3, 256, -1, 2, "", 1, 0, 0, -1.0, "Pentium III (Coppermine)", "Slot 1", "0.18", Core::Coppermine},
        {"Coppermine platform 2", 6, 8, 3, 256, -1, 2, "", 1, 0, 2, -1.0, "Pentium III (Coppermine)", "Socket 370", "0.18", Core::Coppermine},
        {"Coppermine Xeon by brand id", 6, 8, 3, 256, -1, 3, "", 1, 0, -1, -1.0, "Pentium III Xeon (Cascades)", "Slot 2", "0.18", Core::Coppermine},
        {"Coppermine-128K, platform 0", 6, 8, 3, 128, -1, 1, "", 1, 0, 0, -1.0, "Celeron (Coppermine-128K)", "Socket 370", "0.18", Core::Coppermine},
        {"Coppermine, L2 512: no name", 6, 8, 3, 512, -1, 1, "", 1, 0, 0, -1.0, "", "", "0.18", Core::Coppermine},
        {"Tualatin brand 7 before L2", 6, 11, 1, 512, -1, 7, "", 1, 0, 0, -1.0, "Mobile Celeron (Tualatin)", "Mobile Module", "0.13", Core::Tualatin},
        {"Tualatin brand 6", 6, 11, 1, 512, -1, 6, "", 1, 0, 0, -1.0, "Mobile Pentium III-M (Tualatin)", "Mobile Module", "0.13", Core::Tualatin},
        {"Tualatin brand 3 stepping 1", 6, 11, 1, 256, -1, 3, "", 1, 0, 0, -1.0, "Celeron (Tualatin)", "Socket 370", "0.13", Core::Tualatin},
        {"Tualatin brand 3 stepping 0, 512 KB", 6, 11, 0, 512, -1, 3, "", 1, 0, 0, -1.0, "Pentium III-S (Tualatin)", "Socket 370", "0.13", Core::Tualatin},
        {"Tualatin brand 4", 6, 11, 1, 256, -1, 4, "", 1, 0, 0, -1.0, "Pentium III (Tualatin)", "Socket 370", "0.13", Core::Tualatin},
        {"Tualatin other brand", 6, 11, 1, 256, -1, 1, "", 1, 0, 0, -1.0, "Celeron (Tualatin)", "Socket 370", "0.13", Core::Tualatin},
        {"Banias 1 MB", 6, 9, 5, 1024, -1, 0, "", 1, 0, 0, -1.0, "Pentium M (Banias)", "Socket 479", "0.13", Core::Banias},
        {"Yonah Xeon by processor count? no: by brand", 6, 14, 8, 2048, -1, 0, "Genuine Intel(R) Xeon(R) LV", 2, 0, 0, -1.0, "Xeon (Sossaman)", "Socket 479", "0.065", Core::Dothan},
        {"Yonah dual core", 6, 14, 8, 2048, -1, 0, "Intel(R) Core(TM) Duo", 2, 0, 0, -1.0, "Core Duo (Yonah DC)", "Socket 479", "0.065", Core::Dothan},
        {"Kentsfield Extreme", 6, 15, 7, 4096, -1, 0, "Intel(R) Core(TM)2 Extreme CPU Q6850 @ 2.66GHz", 4, 0, 0, -1.0, "Core 2 Extreme (Kentsfield)", "LGA775", "0.065", Core::Dothan},
        {"Conroe Xeon 30xx", 6, 15, 6, 4096, -1, 0, "Intel(R) Xeon(R) CPU 3060 @ 2.40GHz", 2, 0, 0, -1.0, "Xeon (Conroe)", "LGA775", "0.065", Core::Dothan},
        {"Merom by platform 5", 6, 15, 6, 4096, -1, 0, "Intel(R) Core(TM)2 CPU T7200", 2, 0, 5, -1.0, "Core 2 Duo (Merom)", "Socket 479", "0.065", Core::Dothan},
        {"Conroe 1 MB", 6, 15, 2, 1024, -1, 0, "Intel(R) Pentium(R) Dual CPU E2140", 2, 0, 0, -1.0, "Pentium DC (Conroe-1M)", "LGA775", "0.065", Core::Dothan},
        {"Conroe-L single core", 6, 15, 1, 512, -1, 0, "Intel(R) Celeron(R) CPU 420", 1, 0, 0, -1.0, "Celeron (Conroe-L)", "LGA775", "0.065", Core::Dothan},
        {"Northwood mobile 4-M, bus unknown", 15, 2, 7, 512, -1, 14, "", 1, 1, -1, -1.0, "Mobile Pentium 4-M (Northwood)", "Socket 478/LGA775", "0.13", Core::NetBurst},
        {"Northwood mobile, bus 125", 15, 2, 7, 512, -1, 14, "", 1, 1, 2, 125.0, "Mobile Pentium 4 (Northwood)", "Socket 478", "0.13", Core::NetBurst},
        {"Northwood mobile HT", 15, 2, 7, 512, -1, 15, "", 1, 2, 4, 133.0, "Mobile Pentium 4 HT (Northwood)", "LGA775", "0.13", Core::NetBurst},
        {"Northwood XE needs L3 2 MB", 15, 2, 5, 512, 2048, 9, "", 1, 2, 0, -1.0, "Pentium 4 XE (Gallatin)", "Socket 478/LGA775", "0.13", Core::NetBurst},
        {"Northwood brand 9 without L3", 15, 2, 5, 512, 0, 9, "", 1, 2, 0, -1.0, "Pentium 4 HT (Northwood)", "Socket 478/LGA775", "0.13", Core::NetBurst},
        {"Nocona: platform -1 counts as at most 0", 15, 4, 1, 1024, -1, 0, "Intel(R) Genuine CPU", 1, 2, -1, -1.0, "Xeon (Nocona)", "Socket 604", "0.09", Core::NetBurst},
        {"Nocona: platform 0", 15, 4, 1, 1024, -1, 0, "Intel(R) Genuine CPU", 1, 2, 0, -1.0, "Xeon (Nocona)", "Socket 604", "0.09", Core::NetBurst},
        {"not Xeon on platform 4", 15, 4, 1, 1024, -1, 0, "Intel(R) Genuine CPU", 1, 2, 4, -1.0, "Pentium 4 HT (Prescott)", "LGA775", "0.09", Core::NetBurst},
        {"Potomac: L3 unknown", 15, 4, 1, 1024, -1, 12, "", 1, 2, 0, -1.0, "Xeon MP (Potomac)", "Socket 604", "0.09", Core::NetBurst},
        {"Cranford: L3 0", 15, 4, 1, 1024, 0, 12, "", 1, 2, 0, -1.0, "Xeon MP (Cranford)", "Socket 604", "0.09", Core::NetBurst},
        {"Prescott mobile Celeron", 15, 3, 4, 256, -1, 0, "Intel(R) Mobile Celeron(R) CPU", 1, 1, 0, -1.0, "Mobile Celeron (Prescott-256K)", "Socket 478/LGA775", "0.09", Core::NetBurst},
        {"Prescott-2M XE by bus", 15, 4, 3, 2048, -1, 0, "Intel(R) Pentium(R) 4 CPU 3.73GHz", 1, 2, 4, 266.6, "Pentium 4 XE (Prescott-2M)", "LGA775", "0.09", Core::NetBurst},
        {"Willamette socket 423", 15, 0, 7, 256, -1, 8, "", 1, 1, 0, -1.0, "Pentium 4 (Willamette)", "Socket 423", "0.18", Core::Willamette},
        {"Foster MP by brand 11 early stepping", 15, 1, 2, 256, -1, 11, "", 1, 1, 0, -1.0, "Xeon MP (Foster MP)", "Socket 603", "0.18", Core::Willamette},
        {"Foster by brand 11 later stepping", 15, 1, 3, 256, -1, 11, "", 1, 1, 0, -1.0, "Xeon (Foster)", "Socket 603", "0.18", Core::Willamette},
        {"Prescott: mobile and Celeron apart is a desktop Celeron D", 15, 3, 4, 256, -1, 0, "Mobile Intel(R) Celeron(R) CPU", 1, 1, 0, -1.0, "Celeron D (Prescott-256K)", "Socket 478/LGA775", "0.09", Core::NetBurst},
        {"Cedar Mill Celeron D", 15, 6, 5, 512, -1, 0, "Intel(R) Celeron(R) D", 1, 1, 4, -1.0, "Celeron D (Cedar Mill-V)", "LGA775", "0.065", Core::NetBurst},
        {"family 15 model 7", 15, 7, 0, 512, -1, 0, "", 1, 1, 0, -1.0, "Unknown CPU", "", "", Core::None},
        {"family 8", 8, 0, 0, 512, -1, 0, "", 1, 1, 0, -1.0, "Unknown CPU", "", "", Core::None},
        {"family 3", 3, 0, 0, -1, -1, 0, "", 1, 0, -1, -1.0, "386", "", "", Core::None},
        {"family 4 model 8", 4, 8, 0, -1, -1, 0, "", 1, 0, -1, -1.0, "486DX4", "", "", Core::None},
        {"family 5 model 4 OverDrive? no: type 0", 5, 4, 3, -1, -1, 0, "", 1, 0, -1, -1.0, "Pentium MMX (P55C)", "", "0.35", Core::None},
        {"family 7", 7, 0, 0, -1, -1, 0, "", 1, 0, -1, -1.0, "Itanium (Merced)", "", "", Core::None},
    };
    for (const IntelCase& c : cases) {
        Subject subject(c);
        EXPECT_STREQ(subject.cpu.CpuName, c.name) << c.processor << ": CpuName";
        EXPECT_STREQ(subject.cpu.Socket, c.socket) << c.processor << ": Socket";
        EXPECT_STREQ(subject.cpu.ProcessTech, c.process) << c.processor << ": ProcessTech";
        EXPECT_EQ(subject.cpu.CoreCode, c.coreCode) << c.processor << ": CoreCode";
    }
}

TEST(IntelNaming, SmithfieldSetsThreadAndCoreFlags) {
    IntelCase xe = {"Smithfield XE", 15, 4, 4, 1024, -1, 0, "Intel(R) Pentium(R) Extreme Edition", 2, 2, 0, -1.0, "", "", "", Core::NetBurst};
    Subject extreme(xe);
    EXPECT_STREQ(extreme.cpu.CpuName, "Pentium XE (Smithfield)");
    EXPECT_EQ(extreme.cpu.HasHtt, 1);
    EXPECT_EQ(extreme.cpu.IsDualCore, 1);

    IntelCase d = {"Smithfield D", 15, 4, 4, 1024, -1, 0, "Intel(R) Pentium(R) D CPU", 2, 1, 0, -1.0, "", "", "", Core::NetBurst};
    Subject pentiumD(d);
    pentiumD.cpu.HasHtt = 1;
    pentiumD.cpu.NameProcessor();
    EXPECT_STREQ(pentiumD.cpu.CpuName, "Pentium D (Smithfield)");
    EXPECT_EQ(pentiumD.cpu.HasHtt, 0);
    EXPECT_EQ(pentiumD.cpu.IsDualCore, 1);
}

TEST(IntelNaming, FlagsSetByRows) {
    IntelCase klamath = {"Klamath", 6, 3, 3, 512, -1, 0, "", 1, 0, -1, -1.0, "", "", "", Core::P6};
    EXPECT_EQ(Subject(klamath).cpu.L2HalfSpeed, 1);
    IntelCase dothan = {"Dothan", 6, 13, 6, 2048, -1, 0, "", 1, 0, 0, -1.0, "", "", "", Core::Dothan};
    EXPECT_EQ(Subject(dothan).cpu.VariableClock, 1);
    IntelCase dothan1m = {"Dothan Celeron", 6, 13, 6, 1024, -1, 0, "", 1, 0, 0, -1.0, "", "", "", Core::Dothan};
    EXPECT_EQ(Subject(dothan1m).cpu.VariableClock, 0);
    IntelCase p55c = {"P55C", 5, 4, 3, -1, -1, 0, "", 1, 0, -1, -1.0, "", "", "", Core::None};
    Subject mmx(p55c);
    EXPECT_EQ(mmx.cpu.L1CodeSize, 16);
    EXPECT_EQ(mmx.cpu.L1DataSize, 16);
    IntelCase dx2 = {"486DX2", 4, 3, 0, -1, -1, 0, "", 1, 0, -1, -1.0, "", "", "", Core::None};
    EXPECT_EQ(Subject(dx2).cpu.L1UnifiedSize, 8);
}

struct LeafCase {
    const char* processor;
    uint32_t signature;  // leaf 1 EAX, extended family and model included
    uint32_t ext1Eax;
    const char* name;
};

TEST(IntelNaming, ExtendedModelAndFamilyThroughDecoding) {
    const LeafCase cases[] = {
        {"extended model 1 model 7: Wolfdale", 0x00010676, 0, "Core 2 Duo (Wolfdale)"},
        {"extended model 1 model 6: Conroe-L", 0x00010661, 0, "Celeron (Conroe-L)"},
        {"extended model 1 model 10: no name", 0x000106A5, 0, ""},
        {"family 15 extended family 1: McKinley", 0x00100F00, 0x00100000, "Itanium 2 (McKinley)"},
        {"family 15 extended family 2: Madison", 0x00200F00, 0x00200000, "Itanium 2 (Madison)"},
    };
    for (const LeafCase& c : cases) {
        SimulatedMachine machine;
        testsupport::SetVendor(machine, "GenuineIntel", 1);
        testsupport::SetSignature(machine, c.signature, 0, 0, 0);
        machine.SetLeaf(0x80000000, CpuidRegs{0x80000001, 0, 0, 0});
        machine.SetLeaf(0x80000001, CpuidRegs{c.ext1Eax, 0, 0, 0});
        CCpuInfo cpu(machine, 0x100, 0);
        EXPECT_EQ(InfoText(cpu, INFO_CPU_NAME), c.name) << c.processor;
    }
}

TEST(IntelNaming, CodeNameKeepsTheFirstPassWhenTheSecondNameHasNone) {
    IntelCase katmai = {"Katmai", 6, 7, 3, 512, -1, 0, "", 1, 0, -1, -1.0, "", "", "", Core::P6};
    Subject subject(katmai);
    EXPECT_STREQ(subject.cpu.CodeName, "Katmai");
    subject.cpu.Family = 3;  // a plain name on the next pass
    subject.cpu.NameProcessor();
    EXPECT_STREQ(subject.cpu.CpuName, "386");
    EXPECT_STREQ(subject.cpu.ModelName, "386");
    EXPECT_STREQ(subject.cpu.CodeName, "Katmai");
    EXPECT_STREQ(subject.cpu.ProcessorName, "Intel 386");
}

struct RevisionCase {
    uint32_t signature;
    int32_t l3;
    const char* revision;
    double dieSize;
    double transistors;
};

TEST(IntelRevision, KeysAndL3Conditions) {
    const RevisionCase cases[] = {
        {0x683, -1, "B0", 105.0, 28.0},    {0xF25, 0, "M0", 131.0, 55.0},     {0xF25, 1024, "B1", -1.0, 108.0},
        {0xF25, 2048, "M0", 237.0, 169.0}, {0xF25, -1, "M0", 131.0, 55.0},    {0xF26, 2048, "C0", 237.0, 169.0},
        {0xF26, 0, "C0", -1.0, -1.0},      {0xF22, 1024, "A0", -1.0, 110.0},  {0xF22, 512, "keep", 1.5, 2.5},
        {0x6F6, -1, "", 1.5, 2.5},         {0x10672, -1, "B0", 123.0, 9.5},   {0x632, -1, "TdB0", -1.0, -1.0},
    };
    for (const RevisionCase& c : cases) {
        SimulatedMachine machine;
        CCpuInfo cpu(machine, 0x100, 9);
        cpu.Std1Eax = c.signature;
        cpu.L3Size = c.l3;
        cpu.SetRevisionInfo(1.5, 2.5, "keep");
        cpu.IdentifyIntelRevision();
        const std::string id = std::to_string(c.signature) + " L3 " + std::to_string(c.l3);
        EXPECT_STREQ(cpu.RevisionName, c.revision) << id;
        EXPECT_EQ(cpu.DieSize, c.dieSize) << id;
        EXPECT_EQ(cpu.TransistorCount, c.transistors) << id;
    }
}

TEST(IntelNaming, RecordedProcessorsEndToEnd) {
    // A Pentium 4 with registers: the second pass sees platform identifier 0.
    SimulatedMachine machine;
    testsupport::SetVendor(machine, "GenuineIntel", 2);
    testsupport::SetSignature(machine, 0x00000F27, 0x0001080E, 0, 0xBFEBFBFF);
    machine.SetLeaf(2, CpuidRegs{0x665B5001, 0, 0, 0x007B7040});
    CCpuInfo cpu(machine, 0x100, 0);
    EXPECT_EQ(InfoText(cpu, INFO_CPU_NAME), "Mobile Pentium 4-M (Northwood)");
    EXPECT_EQ(InfoText(cpu, INFO_PROCESSOR_NAME), "Intel Mobile Pentium 4-M");
    EXPECT_EQ(InfoText(cpu, INFO_SOCKET), "Socket 478/LGA775");
    EXPECT_EQ(InfoText(cpu, INFO_REVISION), "C1");
    EXPECT_EQ(InfoText(cpu, INFO_DIE_SIZE), "131.0");
    EXPECT_EQ(cpu.VariableClock, 1);
    EXPECT_EQ(cpu.PlatformId, 0);
}

}  // namespace
