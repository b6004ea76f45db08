// AMD family 15 (K8) naming. A name is composed of the market name, the model number, a power or
// voltage suffix and the code name in parentheses, e.g. "Athlon 64" " 3200+" " (Venice)". The
// generations are told apart by the extended model: 0-3 (130 and 90 nm, brand table of 64 entries),
// 4-5 (90 nm, package-based brands), 6 (65 nm) and later.
#include <cstdint>

#include "cpuinfo/cpu_info.h"
#include "cpuinfo/naming/amd_rules.h"
#include "cpuinfo/rules.h"
#include "cpuinfo/text.h"

using amd_naming::Between;
using amd_naming::In;

namespace {

// ---- Extended model 0 to 3: by brand identifier --------------------------------------------------

struct CodeNameRule {
    bool (*when)(const CCpuInfo&);
    const char* text;  // with its leading blank and parentheses; "" for none
};

template <const auto& rules>
const char* CodeNameBy(const CCpuInfo& r) {
    const CodeNameRule* row = FirstMatch(rules, r);
    return row ? row->text : "";
}

// Brands 4 and 24. The 512 KB parts are sorted out first: by extended model, then by model.
const CodeNameRule kAthlon64[] = {
    {AMD_WHEN(r.L2Size == 512 && r.ExtModel == 3), ""},
    {AMD_WHEN(r.L2Size == 512 && r.ExtModel == 2), " (Venice)"},
    {AMD_WHEN(r.L2Size == 512 && r.ExtModel == 1), " (Winchester)"},
    {AMD_WHEN(r.L2Size == 512 && In(r.Model, {4, 7})), " (ClawHammer)"},
    {AMD_WHEN(r.L2Size == 512 && In(r.Model, {8, 11, 12, 14, 15})), " (NewCastle)"},
    {AMD_WHEN(r.L2Size == 512), ""},
    {AMD_WHEN(r.ExtModel > 0), " (San Diego)"},
    {AMD_WHEN(In(r.Model, {4, 12, 14})), " (ClawHammer)"},
    {nullptr, " (SledgeHammer)"},
};
const CodeNameRule kAthlon64X2[] = {
    {AMD_WHEN(r.L2Size == 512 && r.ExtLeafModel == 35), " (Toledo-512K)"},
    {AMD_WHEN(r.L2Size == 512), " (Manchester)"},
    {nullptr, " (Toledo)"},
};
const CodeNameRule kToledo[] = {
    {nullptr, " (Toledo)"},
};
const CodeNameRule kMobileAthlon64[] = {
    {AMD_WHEN(r.ExtModel > 0), " (Newark)"},
    {AMD_WHEN(r.Model == 4), " (ClawHammer)"},
    {nullptr, " (Odessa)"},
};
const CodeNameRule kMobileAthlon64LowVoltage[] = {
    {AMD_WHEN(r.ExtModel > 0 && r.L2Size == 1024), " (Lancaster)"},
    {AMD_WHEN(r.ExtModel > 0), " (Oakville)"},
    {AMD_WHEN(r.Model == 4), " (ClawHammer)"},
    {nullptr, " (Odessa)"},
};
const CodeNameRule kTurion64[] = {
    {AMD_WHEN(r.HasSvm), " (Richmond)"},
    {nullptr, " (Lancaster)"},
};
const CodeNameRule kOpteronUp[] = {
    {AMD_WHEN(r.ExtModel >= 1), " (Venus)"},
    {AMD_WHEN(r.ExtModel == 0), " (SledgeHammer)"},
};
const CodeNameRule kOpteronDp[] = {
    {AMD_WHEN(r.ExtModel >= 1), " (Troy)"},
    {AMD_WHEN(r.ExtModel == 0), " (SledgeHammer)"},
};
const CodeNameRule kOpteronMp[] = {
    {AMD_WHEN(r.ExtModel >= 1), " (Athens)"},
    {AMD_WHEN(r.ExtModel == 0), " (SledgeHammer)"},
};
const CodeNameRule kDublin[] = {
    {nullptr, " (Dublin)"},
};
const CodeNameRule kAthlonXp[] = {
    {AMD_WHEN(r.ExtModel > 0), " (Palermo)"},
    {nullptr, " (Paris)"},
};
const CodeNameRule kMobileSempron[] = {
    {AMD_WHEN(r.ExtModel == 2), " (Albany)"},
    {AMD_WHEN(r.ExtModel == 1), " (Georgetown)"},
    {nullptr, " (Dublin)"},
};
const CodeNameRule kSempronByLeafModel[] = {
    {AMD_WHEN(r.ExtLeafModel == 12), " (Paris)"},
    {AMD_WHEN(In(r.ExtLeafModel, {28, 44})), " (Palermo)"},
    {AMD_WHEN(r.ExtLeafModel == 31 && r.L2Size == 128), " (Winchester-128K)"},
    {AMD_WHEN(r.ExtLeafModel == 31 && r.L2Size == 256), " (Winchester-256K)"},
    {AMD_WHEN(r.ExtLeafModel == 31), " (Winchester)"},
    {nullptr, ""},
};
const CodeNameRule kMobileSempronLowVoltage[] = {
    {AMD_WHEN(r.ExtModel == 2), " (Roma)"},
    {AMD_WHEN(r.ExtModel == 1), " (Sonora)"},
    {nullptr, " (Dublin)"},
};
const CodeNameRule kAthlon64Fx[] = {
    {AMD_WHEN(r.ExtModel > 0), " (San Diego)"},
    {nullptr, " (SledgeHammer)"},
};
const CodeNameRule kSempron[] = {
    {AMD_WHEN(r.ExtModel > 0 && (r.HasLongMode || r.HasSse3)), " (Palermo)"},
    {AMD_WHEN(r.ExtModel > 0), " (Victoria)"},
    {nullptr, " (Paris)"},
};
const CodeNameRule kDenmark[] = {
    {nullptr, " (Denmark)"},
};
const CodeNameRule kItaly[] = {
    {nullptr, " (Italy)"},
};
const CodeNameRule kEgypt[] = {
    {nullptr, " (Egypt)"},
};

struct FirstGenerationName {
    bool (*when)(const CCpuInfo&);
    const char* market;
    // Null: the market name stands alone, without model number, suffix or code name.
    const char* (*codeName)(const CCpuInfo&);
};

const FirstGenerationName kFirstGeneration[] = {
    {AMD_WHEN(r.BrandId == 0), "Hammer Engineering Sample", nullptr},
    {AMD_WHEN(In(r.BrandId, {4, 24})), "Athlon 64", CodeNameBy<kAthlon64>},
    {AMD_WHEN(r.BrandId == 5), "Athlon 64 X2", CodeNameBy<kAthlon64X2>},
    {AMD_WHEN(r.BrandId == 6), "Athlon 64 FX", CodeNameBy<kToledo>},
    {AMD_WHEN(r.BrandId == 8), "Mobile Athlon 64", CodeNameBy<kMobileAthlon64>},
    {AMD_WHEN(r.BrandId == 9), "Mobile Athlon 64", CodeNameBy<kMobileAthlon64LowVoltage>},
    {AMD_WHEN(r.BrandId == 10), "Turion 64 ML", CodeNameBy<kTurion64>},
    {AMD_WHEN(r.BrandId == 11), "Turion 64 MT", CodeNameBy<kTurion64>},
    {AMD_WHEN(Between(r.BrandId, 12, 15)), "Opteron UP", CodeNameBy<kOpteronUp>},
    {AMD_WHEN(Between(r.BrandId, 16, 19)), "Opteron DP", CodeNameBy<kOpteronDp>},
    {AMD_WHEN(Between(r.BrandId, 20, 23)), "Opteron MP", CodeNameBy<kOpteronMp>},
    {AMD_WHEN(In(r.BrandId, {29, 30})), "Mobile Athlon XP-M", CodeNameBy<kDublin>},
    {AMD_WHEN(r.BrandId == 32), "Athlon XP", CodeNameBy<kAthlonXp>},
    {AMD_WHEN(r.BrandId == 33), "Mobile Sempron", CodeNameBy<kMobileSempron>},
    {AMD_WHEN(r.BrandId == 34), "Sempron", CodeNameBy<kSempronByLeafModel>},
    {AMD_WHEN(r.BrandId == 35), "Mobile Sempron", CodeNameBy<kMobileSempronLowVoltage>},
    {AMD_WHEN(r.BrandId == 36), "Athlon 64 FX", CodeNameBy<kAthlon64Fx>},
    {AMD_WHEN(r.BrandId == 38), "Sempron", CodeNameBy<kSempron>},
    {AMD_WHEN(In(r.BrandId, {41, 44, 45, 46, 47, 56})), "Dual Core Opteron", CodeNameBy<kDenmark>},
    {AMD_WHEN(In(r.BrandId, {42, 48, 49, 50, 51, 57})), "Dual Core Opteron", CodeNameBy<kItaly>},
    {AMD_WHEN(In(r.BrandId, {43, 52, 53, 54, 55, 58})), "Dual Core Opteron", CodeNameBy<kEgypt>},
    // 1-3, 7, 25-28, 31, 37, 39, 40 and 59 up.
    {nullptr, "Hammer (K8)", nullptr},
};

// The suffix that follows the model number (low voltage, high efficiency, energy efficient,
// special edition), by brand identifier; brands without a row have none.
struct BrandSuffix {
    int32_t key;
    const char* text;
};
const BrandSuffix kFirstGenerationSuffixes[] = {
    {9, " [LV]"},
    {14, " HE"},
    {15, " EE"},
    {18, " HE"},
    {19, " EE"},
    {22, " HE"},
    {23, " EE"},
    {30, " [LV]"},
    {35, " [LV]"},
    {41, " SE"},
    {46, " HE"},
    {47, " EE"},
    {42, " SE"},
    {50, " HE"},
    {51, " EE"},
    {43, " SE"},
    {54, " HE"},
    {55, " EE"},
};

void NameFirstGeneration(CCpuInfo& r) {
    const FirstGenerationName* row = FirstMatch(kFirstGeneration, r);
    if (!row) return;
    if (!row->codeName) {
        CopyText(r.CpuName, row->market);
        return;
    }
    const BrandSuffix* suffix = FindByKey(kFirstGenerationSuffixes, r.BrandId);
    FormatText(r.CpuName, "%s%s%s%s", row->market, r.ModelNumber, suffix ? suffix->text : "", row->codeName(r));
}

// ---- Extended model 4 and above: by package type and brand identifier ----------------------------

enum class Piece { Alone, WithModelNumber };

struct LaterName {
    bool (*when)(const CCpuInfo&);
    const char* market;  // null: CpuName is not changed on this path
    Piece pieces;
    const char* codeName;
};

// Package 0 is the mobile S1 package, 1 the server socket F, the rest desktop packages. A dual-core
// Turion's code name depends on its L2 size; a single-core one is named without a model number.
const LaterName kExtModel4And5[] = {
    {AMD_WHEN(r.PackageType == 0 && r.BrandId == 2 && r.CoresPerPackage == 2 && r.L2Size == 512), "Turion 64 X2", Piece::WithModelNumber, " (Trinidad)"},
    {AMD_WHEN(r.PackageType == 0 && r.BrandId == 2 && r.CoresPerPackage == 2), "Turion 64 X2", Piece::WithModelNumber, " (Taylor)"},
    {AMD_WHEN(r.PackageType == 0 && r.BrandId == 2), "Turion 64", Piece::Alone, " (Richmond)"},
    {AMD_WHEN(r.PackageType == 0 && r.BrandId == 3), "Mobile Sempron", Piece::WithModelNumber, " (Keene)"},
    {AMD_WHEN(r.PackageType == 0), "Engineering Sample", Piece::Alone, ""},
    {AMD_WHEN(r.PackageType == 1 && In(r.BrandId, {1, 4})), "Opteron", Piece::WithModelNumber, " (Santa Rosa)"},
    {AMD_WHEN(r.PackageType == 1), "Engineering Sample", Piece::Alone, ""},
    {AMD_WHEN(r.BrandId == 1), "Opteron", Piece::WithModelNumber, " (Santa Ana)"},
    {AMD_WHEN(r.BrandId == 4 && r.CoresPerPackage == 2), "Athlon 64 X2", Piece::WithModelNumber, " (Windsor)"},
    {AMD_WHEN(r.BrandId == 4 && r.CoresPerPackage == 1), "Athlon 64", Piece::WithModelNumber, " (Orleans)"},
    {AMD_WHEN(r.BrandId == 4), nullptr, Piece::Alone, ""},
    {AMD_WHEN(r.BrandId == 5), "Athlon 64 FX", Piece::WithModelNumber, " (Windsor)"},
    {AMD_WHEN(r.BrandId == 6), "Sempron", Piece::WithModelNumber, " (Manila)"},
    {nullptr, "Engineering Sample", Piece::Alone, ""},
};

const LaterName kExtModel6[] = {
    {AMD_WHEN(r.PackageType == 0 && r.BrandId == 2), "Turion 64 X2", Piece::WithModelNumber, " (Tyler)"},
    {AMD_WHEN(r.PackageType == 0), "Engineering Sample", Piece::Alone, ""},
    {AMD_WHEN(r.PackageType == 1 && In(r.BrandId, {1, 4})), "Opteron", Piece::WithModelNumber, " (Hound)"},
    {AMD_WHEN(r.PackageType == 1), "Engineering Sample", Piece::Alone, ""},
    {AMD_WHEN(r.BrandId == 1), "Opteron", Piece::WithModelNumber, " (Hound)"},
    {AMD_WHEN(r.BrandId == 3 && r.CoresPerPackage == 2), "Athlon X2", Piece::Alone, " (Brisbane)"},
    {AMD_WHEN(r.BrandId == 3), nullptr, Piece::Alone, ""},
    {AMD_WHEN(r.BrandId == 4 && r.CoresPerPackage == 2), "Athlon 64 X2", Piece::WithModelNumber, " (Brisbane)"},
    {AMD_WHEN(r.BrandId == 4 && r.CoresPerPackage == 1), "Athlon 64", Piece::WithModelNumber, " (Lima)"},
    {AMD_WHEN(r.BrandId == 4), nullptr, Piece::Alone, ""},
    {AMD_WHEN(r.BrandId == 5), "Athlon 64 FX", Piece::WithModelNumber, " (Brisbane)"},
    {AMD_WHEN(r.BrandId == 6), "Sempron", Piece::WithModelNumber, " (Sparta)"},
    {nullptr, "Engineering Sample", Piece::Alone, ""},
};

template <size_t N>
void NameLaterGeneration(CCpuInfo& r, const LaterName (&rules)[N]) {
    const LaterName* row = FirstMatch(rules, r);
    if (!row || !row->market) return;  // not changed: an Engineering Sample or an earlier name stays
    const char* modelNumber = (row->pieces == Piece::WithModelNumber) ? r.ModelNumber : "";
    FormatText(r.CpuName, "%s%s%s", row->market, modelNumber, row->codeName);
}

const char* ProcessFor(int32_t extModel) {
    if (extModel >= 6) return "0.065";
    if (extModel >= 1) return "0.09";
    return "0.13";
}

}  // namespace

void CCpuInfo::NameAmdFamily15() {
    FormatAmdModelNumber();
    IdentifyAmdSocket();
    const char* process = ProcessFor(ExtModel);

    if (HasPowerNow) {
        VariableClock = 1;
        CoreCode = Core::K8Mobile;
    } else {
        CoreCode = Core::K8Desktop;
    }

    if (ExtModel > 6) CopyText(CpuName, "Hammer Family");
    else if (ExtModel == 6) NameLaterGeneration(*this, kExtModel6);
    else if (ExtModel >= 4) NameLaterGeneration(*this, kExtModel4And5);
    else NameFirstGeneration(*this);

    CopyText(ProcessTech, process);
}
