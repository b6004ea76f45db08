// AMD naming outside family 15: families 4, 5, 6 and 16, the fallback, and the revision tables.
#include <gtest/gtest.h>

#include "cpuinfo/cpu_info.h"
#include "cpuinfo/text.h"
#include "tests/amd_test_machine.h"
#include "tests/support/simulated.h"

using amdtest::Amd;
using amdtest::AmdLeaves;
using amdtest::BlankAmdRecord;
using amdtest::Detect;
using testsupport::InfoText;

namespace {

struct NameCase {
    const char* processor;
    AmdLeaves leaves;
    const char* cpuName;
    const char* socket;
    const char* process;
    Core coreCode;
};

void ExpectNames(const CCpuInfo& cpu, const NameCase& row) {
    EXPECT_STREQ(cpu.CpuName, row.cpuName) << row.processor << ": name";
    EXPECT_STREQ(cpu.Socket, row.socket) << row.processor << ": socket";
    EXPECT_STREQ(cpu.ProcessTech, row.process) << row.processor << ": process";
    EXPECT_EQ(cpu.CoreCode, row.coreCode) << row.processor << ": core code";
}

TEST(AmdNaming, Family4And5ByModel) {
    const NameCase cases[] = {
        {"Am486DX2 model 3", Amd(0x432), "Am486DX2", "Socket 3", "", Core::None},
        {"Am486DX2 model 7", Amd(0x474), "Am486DX2", "Socket 3", "", Core::None},
        {"Am5x86 model 15", Amd(0x4F4), "Am5x86", "Socket 3", "", Core::None},
        {"486 model 4", Amd(0x440), "Unknown CPU", "", "", Core::None},
        {"K5 model 0", Amd(0x501), "K5", "Socket 5/7", "0.35/0.50", Core::None},
        {"K5 model 3", Amd(0x531), "K5", "Socket 5/7", "0.35", Core::None},
        {"K6 model 6", Amd(0x562), "K6", "Socket 7", "0.30", Core::None},
        {"K6 model 7", Amd(0x570), "K6", "Socket 7", "0.25", Core::None},
        {"K6-2", Amd(0x58C), "K6-2 (K6-3D)", "Socket 7", "0.25", Core::K6Late},
        {"K6-III", Amd(0x591), "K6-III (Sharptooth)", "Socket 7", "0.25", Core::K6Late},
        {"Geode LX", Amd(0x5A2), "Geode LX", "481-terminal PBGA", "0.13", Core::K6Late},
        {"K6-2+ 128 KB", Amd(0x5C0).L2(128), "K6-2+", "Socket 7 / Mobile", "0.18", Core::K6Late},
        {"K6-III+ 256 KB", Amd(0x5D0).L2(256), "K6-III+", "Socket 7 / Mobile", "0.18", Core::K6Late},
        {"family 5 model 4", Amd(0x540), "Unknown CPU", "", "", Core::None},
        {"family 5 model 11", Amd(0x5B0), "Unknown CPU", "", "", Core::None},
    };
    for (const NameCase& row : cases) ExpectNames(Detect(row.leaves), row);
}

TEST(AmdNaming, OldFamiliesGetTheirLevel1Sizes) {
    CCpuInfo dx2 = Detect(Amd(0x474));
    EXPECT_EQ(dx2.L1UnifiedSize, 8);
    CCpuInfo x86 = Detect(Amd(0x494));
    EXPECT_EQ(x86.L1UnifiedSize, 16);
    CCpuInfo k5 = Detect(Amd(0x501));
    EXPECT_EQ(k5.L1CodeSize, 16);
    EXPECT_EQ(k5.L1DataSize, 8);
    CCpuInfo unknown = Detect(Amd(0x440));
    EXPECT_EQ(unknown.L1UnifiedSize, -1);

    CCpuInfo k62 = Detect(Amd(0x58C));
    EXPECT_EQ(InfoText(k62, INFO_MODEL_NAME), "K6-2");
    EXPECT_EQ(InfoText(k62, INFO_CODE_NAME), "K6-3D");
    EXPECT_EQ(InfoText(k62, INFO_PROCESSOR_NAME), "AMD K6-2");
}

TEST(AmdNaming, Family6DesktopAndMobileFirstPass) {
    const NameCase cases[] = {
        {"Athlon K7", Amd(0x612).L2(512), "Athlon (K7)", "Slot A", "0.25", Core::K7Desktop},
        {"Athlon K75", Amd(0x621).L2(512), "Athlon (K75)", "Slot A", "0.18", Core::K7Desktop},
        {"Duron Spitfire", Amd(0x631).L2(64), "Duron (Spitfire)", "Socket A", "0.18", Core::K7Desktop},
        {"Athlon Thunderbird", Amd(0x642).L2(256), "Athlon (Thunderbird)", "Slot A / Socket A", "0.18", Core::K7Desktop},
        {"Athlon XP Palomino", Amd(0x662).L2(256), "Athlon XP (Palomino)", "Socket A", "0.18", Core::K7Desktop},
        {"Athlon MP Palomino, two processors", Amd(0x662).L2(256).Processors(2), "Athlon MP (Palomino)", "Socket A", "0.18", Core::K7Desktop},
        {"Duron Morgan model 6", Amd(0x662).L2(64), "Duron (Morgan)", "Socket A", "0.18", Core::K7Desktop},
        {"Palomino 128 KB", Amd(0x662).L2(128), "Athlon XP/MP (Palomino)", "Socket A", "0.18", Core::K7Desktop},
        {"Duron Morgan model 7", Amd(0x671).L2(64), "Duron (Morgan)", "Socket A", "0.18", Core::K7Desktop},
        {"Athlon XP Thoroughbred", Amd(0x681).L2(256), "Athlon XP (Thoroughbred)", "Socket A", "0.13", Core::K7Desktop},
        {"Athlon MP Thoroughbred, brand string", Amd(0x681).L2(256).MpCapable().BrandString("AMD Athlon(tm) MP 2400+"), "Athlon MP (Thoroughbred)", "Socket A", "0.13", Core::K7Desktop},
        {"Duron Applebred", Amd(0x681).L2(64), "Duron (Applebred)", "Socket A", "0.13", Core::K7Desktop},
        {"Thoroughbred 512 KB", Amd(0x681).L2(512), "Athlon XP/MP (Thoroughbred)", "Socket A", "0.13", Core::K7Desktop},
        {"Athlon XP Barton", Amd(0x6A0).L2(512), "Athlon XP (Barton)", "Socket A", "0.13", Core::K7Desktop},
        {"Barton MP-capable, first pass", Amd(0x6A0).L2(512).MpCapable(), "Athlon XP (Barton)", "Socket A", "0.13", Core::K7Desktop},
        {"Athlon MP Barton", Amd(0x6A0).L2(512).MpCapable().Processors(2), "Athlon MP (Barton)", "Socket A", "0.13", Core::K7Desktop},
        {"Athlon XP Thorton", Amd(0x6A0).L2(256), "Athlon XP (Thorton)", "Socket A", "0.13", Core::K7Desktop},
        {"Barton 1 MB", Amd(0x6A0).L2(1024), "Athlon XP/MP (Barton)", "Socket A", "0.13", Core::K7Desktop},
        {"Mobile Duron Palomino", Amd(0x662).L2(64).PowerNow(), "Mobile Duron (Palomino)", "Socket A", "0.18", Core::K7Mobile},
        {"Mobile Athlon 4", Amd(0x662).L2(256).PowerNow(), "Mobile Athlon 4 (Palomino)", "Socket A", "0.18", Core::K7Mobile},
        {"Mobile Duron Morgan", Amd(0x671).L2(64).PowerNow(), "Mobile Duron (Morgan)", "Socket A", "0.18", Core::K7Mobile},
        {"Mobile Duron Applebred", Amd(0x681).L2(64).PowerNow(), "Mobile Duron (Applebred)", "Socket A", "0.13", Core::K7Mobile},
        {"Mobile Athlon XP-M Thoroughbred", Amd(0x681).L2(256).PowerNow().MpCapable(), "Mobile Athlon XP-M (Thoroughbred)", "Socket A", "0.13", Core::K7Mobile},
        {"Mobile Athlon XP-M Barton", Amd(0x6A0).L2(512).PowerNow(), "Mobile Athlon XP-M (Barton)", "Socket A", "0.13", Core::K7Mobile},
        {"Mobile Athlon XP-M Thorton", Amd(0x6A0).L2(256).PowerNow().MpCapable(), "Mobile Athlon XP-M (Thorton)", "Socket A", "0.13", Core::K7Mobile},
        {"family 6 model 5", Amd(0x650).L2(256), "Unknown CPU", "", "", Core::None},
        {"family 6 model 9", Amd(0x690).L2(256), "Unknown CPU", "", "", Core::None},
        {"family 6 model 11", Amd(0x6B0).L2(256), "Unknown CPU", "", "", Core::None},
        {"family 6 model 15", Amd(0x6F0).L2(256), "Unknown CPU", "", "", Core::None},
    };
    for (const NameCase& row : cases) {
        CCpuInfo cpu = Detect(row.leaves);
        ExpectNames(cpu, row);
        EXPECT_EQ(cpu.VariableClock, row.coreCode == Core::K7Mobile ? 1 : 0) << row.processor << ": variable clock";
        EXPECT_EQ(cpu.IsSempron, 0) << row.processor << ": Sempron flag";
    }
}

// Rows 2 and 3 of the desktop Sempron rules hold for "not above 12.0", so the first pass's
// Multiplier of -1.0 already chooses them.
TEST(AmdNaming, Family6SempronOnTheFirstPass) {
    CCpuInfo thorton = Detect(Amd(0x6A0).L2(256).MpCapable());
    EXPECT_STREQ(thorton.CpuName, "Sempron (Thorton)");
    EXPECT_EQ(thorton.IsSempron, 1);
    EXPECT_EQ(InfoText(thorton, INFO_PROCESSOR_NAME), "AMD Sempron");

    CCpuInfo thoroughbred = Detect(Amd(0x681).L2(256).MpCapable());
    EXPECT_STREQ(thoroughbred.CpuName, "Sempron (Thoroughbred)");
    EXPECT_EQ(thoroughbred.IsSempron, 1);
}

CCpuInfo Family6Record(int32_t model, int32_t l2Size, bool mpCapable) {
    CCpuInfo cpu = BlankAmdRecord();
    cpu.Family = 6;
    cpu.FullFamily = 6;
    cpu.Model = model;
    cpu.L2Size = l2Size;
    cpu.Ext1Edx = mpCapable ? 1u << 19 : 0u;
    return cpu;
}

TEST(AmdNaming, Family6SempronWithAMultiplierSet) {
    struct PassCase {
        const char* processor;
        int32_t model;
        int32_t l2Size;
        double multiplier;
        const char* cpuName;
    };
    const PassCase cases[] = {
        {"Barton", 10, 512, -1.0, "Athlon XP (Barton)"},
        {"Barton", 10, 512, 11.0, "Athlon XP (Barton)"},
        {"Barton", 10, 512, 12.0, "Sempron (Barton)"},
        {"Barton", 10, 512, 12.5, "Athlon XP (Barton)"},
        {"Thorton", 10, 256, 11.0, "Sempron (Thorton)"},
        {"Thorton", 10, 256, 12.0, "Sempron (Thorton)"},
        {"Thorton", 10, 256, 12.5, "Athlon XP (Thorton)"},
        {"Thoroughbred", 8, 256, 12.0, "Sempron (Thoroughbred)"},
        {"Thoroughbred", 8, 256, 12.5, "Athlon XP (Thoroughbred)"},
    };
    for (const PassCase& row : cases) {
        CCpuInfo cpu = Family6Record(row.model, row.l2Size, true);
        cpu.Multiplier = row.multiplier;
        cpu.NameProcessor();
        EXPECT_STREQ(cpu.CpuName, row.cpuName) << row.processor << " at multiplier " << row.multiplier;
    }

    // Without the multiprocessor-capable bit no Sempron name is chosen.
    CCpuInfo single = Family6Record(10, 512, false);
    single.Multiplier = 12.0;
    single.NameProcessor();
    EXPECT_STREQ(single.CpuName, "Athlon XP (Barton)");
}

TEST(AmdNaming, Family6SecondPassRenamesButTheSempronFlagStays) {
    CCpuInfo cpu = Family6Record(10, 256, true);
    cpu.NameProcessor();
    EXPECT_STREQ(cpu.CpuName, "Sempron (Thorton)");
    EXPECT_EQ(cpu.IsSempron, 1);

    cpu.Multiplier = 12.5;
    cpu.NameProcessor();
    EXPECT_STREQ(cpu.CpuName, "Athlon XP (Thorton)");
    EXPECT_STREQ(cpu.ModelName, "Athlon XP");
    EXPECT_STREQ(cpu.CodeName, "Thorton");
    EXPECT_EQ(cpu.IsSempron, 1);
}

TEST(AmdNaming, MultiProcessorFromBrandStringOrProcessorCount) {
    struct MpCase {
        const char* processor;
        AmdLeaves leaves;
        int32_t multiProcessor;
    };
    const MpCase cases[] = {
        {"one processor, no brand string", Amd(0x6A0).L2(512), 0},
        {"\"MP\" in the brand string", Amd(0x6A0).L2(512).BrandString("AMD Athlon(tm) MP"), 1},
        {"\"MP\" inside a word", Amd(0x6A0).L2(512).BrandString("XMPX"), 1},
        {"lower-case \"mp\"", Amd(0x6A0).L2(512).BrandString("AMD Athlon(tm) Mp mp"), 0},
        {"two processors", Amd(0x6A0).L2(512).Processors(2), 1},
        {"four processors", Amd(0x6A0).L2(512).Processors(4), 1},
        {"unknown model, two processors", Amd(0x690).Processors(2), 1},
        {"family 5, two processors", Amd(0x58C).Processors(2), 0},
    };
    for (const MpCase& row : cases)
        EXPECT_EQ(Detect(row.leaves).MultiProcessor, row.multiProcessor) << row.processor;

    // Each pass decides afresh.
    CCpuInfo cpu = Family6Record(10, 512, false);
    cpu.MultiProcessor = 1;
    cpu.NameProcessor();
    EXPECT_EQ(cpu.MultiProcessor, 0);
}

// Family 16: base family 15 with extended family 1.
TEST(AmdNaming, Family16ByBrandStringCoresAndProcessorCount) {
    const NameCase cases[] = {
        {"Phenom FX, eight processors", Amd(0x00100F22).Cores(4).L3(2048).Processors(8), "Phenom FX (Agena FX)", "Socket F/F+", "0.065", Core::K8Desktop},
        {"quad core, sixteen processors", Amd(0x00100F22).Cores(4).L3(2048).Processors(16), "Phenom X4 (Agena)", "Socket AM2/AM2+", "0.065", Core::K8Desktop},
        {"Phenom X4", Amd(0x00100F22).Cores(4).L3(2048).Processors(4), "Phenom X4 (Agena)", "Socket AM2/AM2+", "0.065", Core::K8Desktop},
        {"Phenom X2", Amd(0x00100F22).Cores(2).L3(2048).Processors(2), "Phenom X2 (Kuma)", "Socket AM2/AM2+", "0.065", Core::K8Desktop},
        {"Athlon X2", Amd(0x00100F22).Cores(2).Processors(2), "Athlon X2 (Rana)", "Socket AM2/AM2+", "0.065", Core::K8Desktop},
        {"Sempron", Amd(0x00100F22), "Sempron (Spica)", "Socket AM2/AM2+", "0.065", Core::K8Desktop},
        {"quad core without L3", Amd(0x00100F22).Cores(4).Processors(4), "Sempron (Spica)", "Socket AM2/AM2+", "0.065", Core::K8Desktop},
        {"Opteron, four processors", Amd(0x00100F22).Cores(4).L3(2048).Processors(4).BrandString("Quad-Core AMD Opteron(tm) Processor 2350"), "Opteron (Budapest)", "Socket F/F+", "0.065", Core::K8Desktop},
        {"Opteron, eight processors", Amd(0x00100F22).Cores(4).L3(2048).Processors(8).BrandString("Quad-Core AMD Opteron(tm) Processor 2350"), "Opteron (Barcelona)", "Socket F/F+", "0.065", Core::K8Desktop},
        {"Opteron, sixteen processors", Amd(0x00100F22).Cores(4).L3(2048).Processors(16).BrandString("Opteron"), "Opteron (Barcelona)", "Socket F/F+", "0.065", Core::K8Desktop},
        {"Phenom with power control", Amd(0x00100F22).Cores(4).L3(2048).Processors(4).PowerNow(), "Phenom X4 (Agena)", "Socket AM2/AM2+", "0.065", Core::K8Mobile},
    };
    for (const NameCase& row : cases) {
        CCpuInfo cpu = Detect(row.leaves);
        ExpectNames(cpu, row);
        EXPECT_EQ(cpu.VariableClock, row.coreCode == Core::K8Mobile ? 1 : 0) << row.processor << ": variable clock";
        EXPECT_STREQ(cpu.ModelNumber, "") << row.processor << ": no model number";
    }
}

TEST(AmdNaming, Family16PhenomFxByMaximumFrequencyIdentifier) {
    CCpuInfo cpu = BlankAmdRecord();
    cpu.Family = 15;
    cpu.FullFamily = 16;
    cpu.CoresPerPackage = 4;
    cpu.L3Size = 2048;
    cpu.ProcessorCount = 4;
    cpu.NameProcessor();
    EXPECT_STREQ(cpu.CpuName, "Phenom X4 (Agena)");

    cpu.MaxFid = 63;  // found by the register step: the second pass names it anew
    cpu.NameProcessor();
    EXPECT_STREQ(cpu.CpuName, "Phenom FX (Agena FX)");
    EXPECT_STREQ(cpu.Socket, "Socket AM2/AM2+");
    EXPECT_STREQ(cpu.CodeName, "Agena FX");

    cpu.MaxFid = 62;
    cpu.NameProcessor();
    EXPECT_STREQ(cpu.CpuName, "Phenom X4 (Agena)");
}

TEST(AmdNaming, OtherFamiliesAreUnknown) {
    for (uint32_t signature : {0x300u, 0x700u, 0x00200F00u, 0x00300F10u, 0x0FF00F00u}) {
        CCpuInfo cpu = Detect(Amd(signature).L2(512));
        EXPECT_STREQ(cpu.CpuName, "Unknown CPU") << std::hex << signature;
        EXPECT_STREQ(cpu.Socket, "") << std::hex << signature;
        EXPECT_STREQ(cpu.ProcessTech, "") << std::hex << signature;
        EXPECT_EQ(cpu.CoreCode, Core::None) << std::hex << signature;
        EXPECT_EQ(InfoText(cpu, INFO_PROCESSOR_NAME), "AMD Unknown CPU") << std::hex << signature;
    }
}

struct RevisionCase {
    const char* processor;
    AmdLeaves leaves;
    const char* revision;
    double dieSize;
    double transistors;
};

TEST(AmdNaming, RevisionKeysOfBothTables) {
    AmdLeaves mixed = Amd(0x00000F40).Brand(4, 10);
    mixed.extSignature = 0x00020FF2;  // family 15 is keyed by the extended signature alone
    AmdLeaves typed = Amd(0x1681);    // processor type bits lie outside the key
    const RevisionCase cases[] = {
        {"SH-B0", Amd(0x00000F40).Brand(4, 10), "SH-B0", 193.0, 105.9},
        {"SH-CG 0xFF4", Amd(0x00000FF4).Brand(4, 10), "SH-CG", 193.0, 105.9},
        {"DH-E6", Amd(0x00020FF2).Brand(4, 10), "DH-E6", 84.0, 76.0},
        {"E6", Amd(0x00030F72).Brand(4, 10), "E6", 115.0, 114.0},
        {"BH-F2 0x40F82", Amd(0x00040F82).Brand(2, 8, 0), "BH-F2", 147.0, 154.0},
        {"BH-F2 0x40FB2", Amd(0x00040FB2).Brand(4, 21, 0), "BH-F2", 183.0, 153.8},
        {"DH-F2 without figures", Amd(0x00050FF2).Brand(4, 20, 0), "DH-F2", -1.0, -1.0},
        {"extended signature decides", mixed, "DH-E6", 84.0, 76.0},
        {"family 15 unlisted", Amd(0x00020F00).Brand(4, 10), "", -1.0, -1.0},
        {"family 16", Amd(0x00100F22), "", -1.0, -1.0},
        {"K6-2 0x58C", Amd(0x58C), "C", 81.0, 9.3},
        {"Athlon 0x612", Amd(0x612), "C2", 184.0, 22.0},
        {"Thoroughbred 0x681", Amd(0x681), "B1", 85.0, 37.5},
        {"processor type bits", typed, "B1", 85.0, 37.5},
        {"Barton 0x6A0", Amd(0x6A0), "A2", 101.0, 54.3},
        {"unlisted 0x6A1", Amd(0x6A1), "", -1.0, -1.0},
        {"family 7", Amd(0x700), "", -1.0, -1.0},
    };
    for (const RevisionCase& row : cases) {
        CCpuInfo cpu = Detect(row.leaves);
        EXPECT_STREQ(cpu.RevisionName, row.revision) << row.processor;
        EXPECT_EQ(cpu.DieSize, row.dieSize) << row.processor << ": die size";
        EXPECT_EQ(cpu.TransistorCount, row.transistors) << row.processor << ": transistor count";
    }
}

TEST(AmdNaming, UnlistedRevisionKeepsEarlierFigures) {
    CCpuInfo cpu = BlankAmdRecord();
    cpu.Family = 6;
    cpu.FullFamily = 6;
    cpu.Model = 10;
    cpu.Std1Eax = 0x6A0;
    cpu.NameProcessor();
    EXPECT_STREQ(cpu.RevisionName, "A2");

    cpu.Std1Eax = 0x6A1;
    cpu.NameProcessor();
    EXPECT_STREQ(cpu.RevisionName, "");
    EXPECT_EQ(cpu.DieSize, 101.0);
    EXPECT_EQ(cpu.TransistorCount, 54.3);
}

}  // namespace
