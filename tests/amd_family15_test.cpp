// AMD family 15 naming: model numbers and their suffixes, sockets, process, the name trees of each
// generation, and the paths that leave a text as an earlier pass or step wrote it.
#include <gtest/gtest.h>

#include <string>

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
    const char* modelNumber;
    const char* cpuName;
    const char* socket;
};

void ExpectNames(const NameCase& row) {
    CCpuInfo cpu = Detect(row.leaves);
    EXPECT_EQ(InfoText(cpu, INFO_MODEL_NUMBER), row.modelNumber) << row.processor << ": model number";
    EXPECT_EQ(InfoText(cpu, INFO_CPU_NAME), row.cpuName) << row.processor << ": name";
    EXPECT_EQ(InfoText(cpu, INFO_SOCKET), row.socket) << row.processor << ": socket";
}

// Extended model 0 to 3: Brand(brand identifier, model-number index).
TEST(AmdFamily15, FirstGenerationNamesByBrand) {
    const NameCase cases[] = {
        {"Athlon 64 3200+ Venice", Amd(0x00020FF2).Brand(4, 10).L2(512), " 3200+", "Athlon 64 3200+ (Venice)", "Socket 939"},
        {"Athlon 64 3200+ brand 24", Amd(0x00000F51).Brand(24, 23).L2(1024), " 3200+", "Athlon 64 3200+ (SledgeHammer)", "Socket 940"},
        {"Athlon 64 X2 Toledo-512K", Amd(0x00020F32).Brand(5, 20).L2(512), " 4200+", "Athlon 64 X2 4200+ (Toledo-512K)", "Socket 939"},
        {"Athlon 64 X2 Manchester", Amd(0x00020FB1).Brand(5, 20).L2(512), " 4200+", "Athlon 64 X2 4200+ (Manchester)", "Socket 939"},
        {"Athlon 64 X2 Toledo", Amd(0x00020F32).Brand(5, 22).L2(1024), " 4400+", "Athlon 64 X2 4400+ (Toledo)", "Socket 939"},
        {"Mobile Athlon 64 Newark", Amd(0x00020FC2).Brand(8, 10).L2(1024), " 3200+", "Mobile Athlon 64 3200+ (Newark)", "Socket 754"},
        {"Mobile Athlon 64 ClawHammer", Amd(0x00000F48).Brand(8, 10).L2(1024), " 3200+", "Mobile Athlon 64 3200+ (ClawHammer)", "Socket 754"},
        {"Mobile Athlon 64 Odessa", Amd(0x00000FC0).Brand(8, 8).L2(512), " 3000+", "Mobile Athlon 64 3000+ (Odessa)", "Socket 754"},
        {"Mobile Athlon 64 LV Lancaster", Amd(0x00010FC0).Brand(9, 8).L2(1024), " 3000+", "Mobile Athlon 64 3000+ [LV] (Lancaster)", "Socket 754"},
        {"Mobile Athlon 64 LV Oakville", Amd(0x00010FC0).Brand(9, 8).L2(512), " 3000+", "Mobile Athlon 64 3000+ [LV] (Oakville)", "Socket 754"},
        {"Mobile Athlon 64 LV Odessa", Amd(0x00000FC0).Brand(9, 8).L2(512), " 3000+", "Mobile Athlon 64 3000+ [LV] (Odessa)", "Socket 754"},
        {"Turion 64 ML Richmond", Amd(0x00020F42).Brand(10, 12).Svm(), "-34", "Turion 64 ML-34 (Richmond)", "Socket 754"},
        {"Turion 64 MT Lancaster", Amd(0x00020F42).Brand(11, 15), "-37", "Turion 64 MT-37 (Lancaster)", "Socket 754"},
        {"Opteron 148 SledgeHammer", Amd(0x00000F51).Brand(12, 5), " 148", "Opteron UP 148 (SledgeHammer)", "Socket 940"},
        {"Opteron 148 HE Venus", Amd(0x00010F51).Brand(14, 5), " 148", "Opteron UP 148 HE (Venus)", "Socket 940"},
        {"Opteron 150 EE SledgeHammer", Amd(0x00000F51).Brand(15, 6), " 150", "Opteron UP 150 EE (SledgeHammer)", "Socket 940"},
        {"Opteron 248 SledgeHammer", Amd(0x00000F51).Brand(16, 5).L2(1024), " 248", "Opteron DP 248 (SledgeHammer)", "Socket 940"},
        {"Opteron 248 EE Troy", Amd(0x00020F51).Brand(19, 5), " 248", "Opteron DP 248 EE (Troy)", "Socket 940"},
        {"Opteron 848 HE Athens", Amd(0x00010F51).Brand(22, 5).L2(1024), " 848", "Opteron MP 848 HE (Athens)", "Socket 940"},
        {"Mobile Athlon XP-M Dublin", Amd(0x00000FC0).Brand(29, 3), " 2500+", "Mobile Athlon XP-M 2500+ (Dublin)", "Socket 754"},
        {"Mobile Athlon XP-M LV Dublin", Amd(0x00000FC0).Brand(30, 3), " 2500+", "Mobile Athlon XP-M 2500+ [LV] (Dublin)", "Socket 754"},
        {"Athlon XP Palermo", Amd(0x00010FC0).Brand(32, 6), " 2800+", "Athlon XP 2800+ (Palermo)", "Socket 754"},
        {"Athlon XP Paris", Amd(0x00000FC0).Brand(32, 6), " 2800+", "Athlon XP 2800+ (Paris)", "Socket 754"},
        {"Mobile Sempron Albany", Amd(0x00020FC2).Brand(33, 6), " 3000+", "Mobile Sempron 3000+ (Albany)", "Socket 754"},
        {"Mobile Sempron Georgetown", Amd(0x00010FC0).Brand(33, 6), " 3000+", "Mobile Sempron 3000+ (Georgetown)", "Socket 754"},
        {"Mobile Sempron Dublin", Amd(0x00000FC0).Brand(33, 6), " 3000+", "Mobile Sempron 3000+ (Dublin)", "Socket 754"},
        {"Sempron Paris", Amd(0x00000FC0).Brand(34, 4), " 2800+", "Sempron 2800+ (Paris)", "Socket 754"},
        {"Sempron Palermo 28", Amd(0x00010FC0).Brand(34, 4), " 2800+", "Sempron 2800+ (Palermo)", "Socket 754"},
        {"Sempron Winchester-128K", Amd(0x00010FF0).Brand(34, 4).L2(128), " 2800+", "Sempron 2800+ (Winchester-128K)", "Socket 939"},
        {"Sempron Winchester-256K", Amd(0x00010FF0).Brand(34, 4).L2(256), " 2800+", "Sempron 2800+ (Winchester-256K)", "Socket 939"},
        {"Sempron Winchester", Amd(0x00010FF0).Brand(34, 4).L2(512), " 2800+", "Sempron 2800+ (Winchester)", "Socket 939"},
        {"Sempron without code name", Amd(0x00020FF2).Brand(34, 4).L2(256), " 2800+", "Sempron 2800+", "Socket 939"},
        {"Mobile Sempron LV Roma", Amd(0x00020FC2).Brand(35, 6), " 3000+", "Mobile Sempron 3000+ [LV] (Roma)", "Socket 754"},
        {"Mobile Sempron LV Sonora", Amd(0x00010FC0).Brand(35, 6), " 3000+", "Mobile Sempron 3000+ [LV] (Sonora)", "Socket 754"},
        {"Athlon 64 FX-55 SledgeHammer", Amd(0x00000F51).Brand(36, 31), "-55", "Athlon 64 FX-55 (SledgeHammer)", "Socket 940"},
        {"Athlon 64 FX-57 San Diego", Amd(0x00020F71).Brand(36, 33), "-57", "Athlon 64 FX-57 (San Diego)", "Socket 939"},
        {"Sempron Palermo long mode", Amd(0x00020FC0).Brand(38, 10).LongMode(), " 3400+", "Sempron 3400+ (Palermo)", "Socket 754"},
        {"Sempron Victoria", Amd(0x00020FC0).Brand(38, 10), " 3400+", "Sempron 3400+ (Victoria)", "Socket 754"},
        {"Sempron 38 Paris", Amd(0x00000FC0).Brand(38, 10).LongMode(), " 3400+", "Sempron 3400+ (Paris)", "Socket 754"},
        {"Dual Core Opteron 155 SE", Amd(0x00020F32).Brand(41, 2), " 155", "Dual Core Opteron 155 SE (Denmark)", "Socket 939"},
        {"Dual Core Opteron 160", Amd(0x00020F32).Brand(56, 3), " 160", "Dual Core Opteron 160 (Denmark)", "Socket 939"},
        {"Dual Core Opteron 270 HE", Amd(0x00020F12).Brand(50, 5), " 270", "Dual Core Opteron 270 HE (Italy)", "Socket 940"},
        {"Dual Core Opteron 280 SE", Amd(0x00020F12).Brand(42, 7), " 280", "Dual Core Opteron 280 SE (Italy)", "Socket 940"},
        {"Dual Core Opteron 870 EE", Amd(0x00020F12).Brand(55, 5), " 870", "Dual Core Opteron 870 EE (Egypt)", "Socket 940"},
        {"brand 0", Amd(0x00000F51).Brand(0, 0), "", "Hammer Engineering Sample", "Socket 940"},
        {"brand 2", Amd(0x00000F51).Brand(2, 10), "", "Hammer (K8)", "Socket 940"},
        {"brand 63", Amd(0x00000F51).Brand(63, 10), "", "Hammer (K8)", "Socket 940"},
        {"Athlon 64 FX, first pass", Amd(0x00020F32).Brand(6, 10).L2(1024), "", "Athlon 64 FX (Toledo)", "Socket 939"},
    };
    for (const NameCase& row : cases) ExpectNames(row);
}

struct CodeNameCase {
    const char* processor;
    AmdLeaves leaves;
    const char* modelName;
    const char* codeName;
};

// The Athlon 64 rule: the 512 KB parts are decided before the extended-model and model tests.
TEST(AmdFamily15, Athlon64CodeNameOrder) {
    const CodeNameCase cases[] = {
        {"512 KB, ext model 3", Amd(0x00030F72).Brand(4, 10).L2(512), "Athlon 64 3200+", ""},
        {"512 KB, ext model 2", Amd(0x00020FF2).Brand(4, 10).L2(512), "Athlon 64 3200+", "Venice"},
        {"512 KB, ext model 1", Amd(0x00010FF0).Brand(4, 10).L2(512), "Athlon 64 3200+", "Winchester"},
        {"512 KB, model 4", Amd(0x00000F4A).Brand(4, 10).L2(512), "Athlon 64 3200+", "ClawHammer"},
        {"512 KB, model 7", Amd(0x00000F7A).Brand(4, 10).L2(512), "Athlon 64 3200+", "ClawHammer"},
        {"512 KB, model 11", Amd(0x00000FB2).Brand(4, 10).L2(512), "Athlon 64 3200+", "NewCastle"},
        {"512 KB, model 15", Amd(0x00000FF0).Brand(4, 10).L2(512), "Athlon 64 3200+", "NewCastle"},
        {"512 KB, model 5", Amd(0x00000F51).Brand(4, 10).L2(512), "Athlon 64 3200+", ""},
        {"1 MB, ext model 2", Amd(0x00020FF2).Brand(4, 18).L2(1024), "Athlon 64 4000+", "San Diego"},
        {"1 MB, model 12", Amd(0x00000FC0).Brand(4, 10).L2(1024), "Athlon 64 3200+", "ClawHammer"},
        {"1 MB, model 7", Amd(0x00000F7A).Brand(4, 10).L2(1024), "Athlon 64 3200+", "SledgeHammer"},
    };
    for (const CodeNameCase& row : cases) {
        CCpuInfo cpu = Detect(row.leaves);
        EXPECT_EQ(InfoText(cpu, INFO_MODEL_NAME), row.modelName) << row.processor << ": model name";
        EXPECT_EQ(InfoText(cpu, INFO_CODE_NAME), row.codeName) << row.processor << ": code name";
        EXPECT_EQ(InfoText(cpu, INFO_PROCESSOR_NAME), std::string("AMD ") + row.modelName) << row.processor;
    }
}

// Extended model 4 and 5: Brand(brand identifier, model-number index, power limit). The package
// type is bits 4..5 of the extended signature.
TEST(AmdFamily15, ExtendedModel4And5NamesByPackageAndBrand) {
    const NameCase cases[] = {
        {"Opteron 2218 HE", Amd(0x00040F12).Brand(1, 19, 6).Cores(2), " 2218 HE", "Opteron 2218 HE (Santa Rosa)", "Socket F"},
        {"Opteron 8220 SE", Amd(0x00040F12).Brand(4, 21, 12).Cores(2), " 8220 SE", "Opteron 8220 SE (Santa Rosa)", "Socket F"},
        {"Opteron 2216, other power limit", Amd(0x00040F12).Brand(1, 17, 7).Cores(2), " 2216", "Opteron 2216 (Santa Rosa)", "Socket F"},
        {"socket F, brand 2", Amd(0x00040F12).Brand(2, 17, 0), "", "Engineering Sample", "Socket F"},
        {"Opteron 1210 SE", Amd(0x00040F22).Brand(1, 11, 12).Cores(2), " 1210 SE", "Opteron 1210 SE (Santa Ana)", ""},
        {"Athlon 64 X2 4600+", Amd(0x00040FB2).Brand(4, 21, 0).Cores(2), " 4600+", "Athlon 64 X2 4600+ (Windsor)", "Socket AM2"},
        {"Athlon 64 3500+, no HE suffix", Amd(0x00040FF2).Brand(4, 20, 6), " 3500+", "Athlon 64 3500+ (Orleans)", "Socket AM2"},
        {"Athlon 64 FX-62", Amd(0x00040F32).Brand(5, 5, 0).Cores(2), "-62", "Athlon 64 FX-62 (Windsor)", "Socket AM2"},
        {"Sempron 2800+", Amd(0x00040FF2).Brand(6, 13, 0), " 2800+", "Sempron 2800+ (Manila)", "Socket AM2"},
        {"Sempron 3000+ ext model 5", Amd(0x00050FF2).Brand(6, 15, 0), " 3000+", "Sempron 3000+ (Manila)", "Socket AM2"},
        {"Athlon 64 ext model 5", Amd(0x00050FF2).Brand(4, 20, 0), " 3500+", "Athlon 64 3500+ (Orleans)", "Socket AM2"},
        {"quad core brand 4: not changed", Amd(0x00040FF2).Brand(4, 5, 0).Cores(4), " 4000+", "", "Socket AM2"},
        {"desktop brand 7", Amd(0x00040FF2).Brand(7, 5, 0), "", "Engineering Sample", "Socket AM2"},
        {"Turion 64 MK-37", Amd(0x00040F82).Brand(2, 8, 0), " MK-37", "Turion 64 (Richmond)", "Socket S1"},
        {"Turion 64 X2 TL-52 Trinidad", Amd(0x00040F82).Brand(2, 23, 0).Cores(2).L2(512), " TL-52", "Turion 64 X2 TL-52 (Trinidad)", "Socket S1"},
        {"Turion 64 X2 TL-50 Taylor", Amd(0x00040F82).Brand(2, 21, 0).Cores(2).L2(256), " TL-50", "Turion 64 X2 TL-50 (Taylor)", "Socket S1"},
        {"Mobile Sempron Keene", Amd(0x00040F82).Brand(3, 8, 0), "", "Mobile Sempron (Keene)", "Socket S1"},
        {"socket S1, brand 5", Amd(0x00040F82).Brand(5, 8, 0), "", "Engineering Sample", "Socket S1"},
    };
    for (const NameCase& row : cases) ExpectNames(row);
}

TEST(AmdFamily15, ExtendedModel6NamesByPackageAndBrand) {
    const NameCase cases[] = {
        {"Turion 64 X2 Tyler", Amd(0x00060F82).Brand(2, 23, 0).Cores(2), " TL-52", "Turion 64 X2 TL-52 (Tyler)", "Socket S1"},
        {"socket S1, brand 3", Amd(0x00060F82).Brand(3, 8, 0), "", "Engineering Sample", "Socket S1"},
        {"Opteron 2218 Hound", Amd(0x00060F12).Brand(1, 19, 0).Cores(2), " 2218", "Opteron 2218 (Hound)", "Socket F"},
        {"Opteron 8218 HE Hound", Amd(0x00060F12).Brand(4, 19, 6).Cores(2), " 8218 HE", "Opteron 8218 HE (Hound)", "Socket F"},
        {"socket F, brand 3", Amd(0x00060F12).Brand(3, 19, 0), "", "Engineering Sample", "Socket F"},
        {"Opteron 1210 Hound", Amd(0x00060FF2).Brand(1, 11, 0).Cores(2), " 1210", "Opteron 1210 (Hound)", "Socket AM2"},
        {"Athlon X2 Brisbane", Amd(0x00060FB1).Brand(3, 0, 0).Cores(2), "", "Athlon X2 (Brisbane)", "Socket AM2"},
        {"brand 3, one core", Amd(0x00060FB1).Brand(3, 0, 0), "", "Engineering Sample", "Socket AM2"},
        {"Athlon 64 X2 5000+ Brisbane", Amd(0x00060FB1).Brand(4, 25, 0).Cores(2), " 5000+", "Athlon 64 X2 5000+ (Brisbane)", "Socket AM2"},
        {"Athlon 64 Lima", Amd(0x00060FF2).Brand(4, 20, 0), " 3500+", "Athlon 64 3500+ (Lima)", "Socket AM2"},
        {"quad core brand 4: not changed", Amd(0x00060FF2).Brand(4, 5, 0).Cores(4), " 4000+", "", "Socket AM2"},
        {"Athlon 64 FX Brisbane", Amd(0x00060FB1).Brand(5, 5, 0).Cores(2), "-62", "Athlon 64 FX-62 (Brisbane)", "Socket AM2"},
        {"Sempron Sparta", Amd(0x00060FF2).Brand(6, 13, 0), " 2800+", "Sempron 2800+ (Sparta)", "Socket AM2"},
        {"package 2, brand 0", Amd(0x00060F22).Brand(0, 0, 0), "", "Engineering Sample", ""},
        {"extended model 7", Amd(0x00070FF2).Brand(4, 20, 0), " 3500+", "Hammer Family", "Socket AM2"},
        {"extended model 8", Amd(0x00080F12).Brand(1, 19, 0), " 2218", "Hammer Family", "Socket F"},
    };
    for (const NameCase& row : cases) ExpectNames(row);
}

TEST(AmdFamily15, SocketsByExtendedLeafModel) {
    struct SocketCase {
        int extLeafModel;
        const char* socket;
    };
    // The first and last model of each socket, and models in none of them.
    const SocketCase cases[] = {
        {4, "Socket 754"}, {46, "Socket 754"}, {5, "Socket 940"}, {37, "Socket 940"}, {7, "Socket 939"},
        {63, "Socket 939"}, {0, ""},           {18, ""},           {32, ""},           {62, ""},
    };
    for (const SocketCase& row : cases) {
        uint32_t signature = static_cast<uint32_t>(row.extLeafModel / 16) << 16 | 0xF00u |
                             static_cast<uint32_t>(row.extLeafModel % 16) << 4;
        CCpuInfo cpu = Detect(Amd(signature).Brand(4, 10));
        EXPECT_EQ(cpu.ExtLeafModel, row.extLeafModel);
        EXPECT_EQ(InfoText(cpu, INFO_SOCKET), row.socket) << "extended-leaf model " << row.extLeafModel;
    }
}

TEST(AmdFamily15, ProcessByExtendedModel) {
    struct ProcessCase {
        uint32_t signature;
        const char* process;
    };
    const ProcessCase cases[] = {
        {0x00000FF0, "0.13"}, {0x00010FF0, "0.09"}, {0x00030F72, "0.09"}, {0x00040FF2, "0.09"},
        {0x00050FF2, "0.09"}, {0x00060FF2, "0.065"}, {0x00080FF2, "0.065"},
    };
    for (const ProcessCase& row : cases) {
        CCpuInfo cpu = Detect(Amd(row.signature).Brand(4, 10));
        EXPECT_EQ(InfoText(cpu, INFO_PROCESS_TECH), row.process) << std::hex << row.signature;
    }
}

TEST(AmdFamily15, PowerNowSelectsTheMobileCoreCodeAndVariableClock) {
    CCpuInfo desktop = Detect(Amd(0x00020FF2).Brand(4, 10).L2(512));
    EXPECT_EQ(desktop.CoreCode, Core::K8Desktop);
    EXPECT_EQ(desktop.VariableClock, 0);

    CCpuInfo mobile = Detect(Amd(0x00020FC2).Brand(8, 10).L2(1024).PowerNow());
    EXPECT_EQ(mobile.HasPowerNow, 1);
    EXPECT_EQ(mobile.CoreCode, Core::K8Mobile);
    EXPECT_EQ(mobile.VariableClock, 1);
}

// Record-level cases: the rules that read the maximum multiplier, which only the register step sets,
// and the paths that keep what an earlier pass wrote.
CCpuInfo Family15Record(int32_t extModel, int32_t brandId, int32_t brandNN) {
    CCpuInfo cpu = BlankAmdRecord();
    cpu.Family = 15;
    cpu.FullFamily = 15;
    cpu.ExtModel = extModel;
    cpu.BrandId = brandId;
    cpu.BrandNN = brandNN;
    return cpu;
}

TEST(AmdFamily15, AthlonFxModelNumberFollowsTheMaximumMultiplier) {
    struct PassCase {
        double maxMultiplier;
        const char* modelNumber;
        const char* cpuName;
    };
    const PassCase cases[] = {
        {-1.0, "", "Athlon 64 FX (Toledo)"},
        {13.0, "-60", "Athlon 64 FX-60 (Toledo)"},
        {14.0, "-62", "Athlon 64 FX-62 (Toledo)"},
        {13.5, "", "Athlon 64 FX (Toledo)"},
    };
    CCpuInfo cpu = Family15Record(2, 6, 10);
    for (const PassCase& row : cases) {  // one record, pass after pass
        cpu.MaxMultiplier = row.maxMultiplier;
        cpu.NameProcessor();
        EXPECT_STREQ(cpu.ModelNumber, row.modelNumber) << "MaxMultiplier " << row.maxMultiplier;
        EXPECT_STREQ(cpu.CpuName, row.cpuName) << "MaxMultiplier " << row.maxMultiplier;
    }
}

TEST(AmdFamily15, NotChangedNameKeepsTheEarlierName) {
    CCpuInfo cpu = Family15Record(4, 4, 5);
    cpu.PackageType = 3;
    cpu.CoresPerPackage = 4;
    cpu.CmpCap = 2;
    CopyText(cpu.CpuName, "Athlon 64 X2 4000+ (Windsor)");
    cpu.NameProcessor();
    EXPECT_STREQ(cpu.CpuName, "Athlon 64 X2 4000+ (Windsor)");
    EXPECT_STREQ(cpu.ModelName, "Athlon 64 X2 4000+");
    EXPECT_STREQ(cpu.ModelNumber, " 4000+");

    // Extended model 6, brand 3 with one core: step 1's Engineering Sample replaces the earlier name.
    cpu.ExtModel = 6;
    cpu.BrandId = 3;
    cpu.CoresPerPackage = 1;
    cpu.CmpCap = 0;
    cpu.NameProcessor();
    EXPECT_STREQ(cpu.CpuName, "Engineering Sample");
    EXPECT_STREQ(cpu.ModelNumber, " 4000+");  // not written for brand 3
}

TEST(AmdFamily15, NotWrittenModelNumberAndSocketKeepEarlierTexts) {
    // Package 0 brand 3 writes no model number but names with it.
    CCpuInfo cpu = Family15Record(4, 3, 8);
    cpu.PackageType = 0;
    CopyText(cpu.ModelNumber, " 3400+");
    cpu.NameProcessor();
    EXPECT_STREQ(cpu.CpuName, "Mobile Sempron 3400+ (Keene)");
    EXPECT_STREQ(cpu.Socket, "Socket S1");

    // Brand 0 below extended model 4 writes no model number; an extended-leaf model outside the
    // socket table writes no socket.
    CCpuInfo early = Family15Record(1, 0, 0);
    early.ExtLeafModel = 18;
    CopyText(early.ModelNumber, " 3000+");
    CopyText(early.Socket, "Socket 939");
    early.NameProcessor();
    EXPECT_STREQ(early.CpuName, "Hammer Engineering Sample");
    EXPECT_STREQ(early.ModelNumber, " 3000+");
    EXPECT_STREQ(early.Socket, "Socket 939");

    // Any other brand writes the empty model number.
    early.BrandId = 2;
    early.NameProcessor();
    EXPECT_STREQ(early.ModelNumber, "");
    EXPECT_STREQ(early.CpuName, "Hammer (K8)");
}

TEST(AmdFamily15, PackageTypeOutsideTwoBitsGivesNoSocket) {
    CCpuInfo cpu = Family15Record(4, 4, 5);
    CopyText(cpu.Socket, "Socket AM2");
    for (int32_t package : {-1, 2, 4, 0x7FFFFFFF}) {
        cpu.PackageType = package;
        cpu.NameProcessor();
        EXPECT_STREQ(cpu.Socket, "") << "package " << package;
    }
}

TEST(AmdFamily15, ModelNumberIndexAtZeroGivesAMinusOne) {
    // BrandNN - 1 with an index of 0 is formatted as it is.
    CCpuInfo cpu = Family15Record(4, 1, 0);
    cpu.PackageType = 1;
    cpu.PwrLmt = 6;
    cpu.NameProcessor();
    EXPECT_STREQ(cpu.ModelNumber, " 22-1 HE");
    EXPECT_STREQ(cpu.CpuName, "Opteron 22-1 HE (Santa Rosa)");
}

}  // namespace
