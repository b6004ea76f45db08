// AMD family 15 (K8) naming. A name is composed of the market name, the model number, a power or
// voltage suffix and the code name in parentheses, e.g. "Athlon 64" " 3200+" " (Venice)". The
// generations are told apart by the extended model: 0-3 (130 and 90 nm, brand table of 64 entries),
// 4-5 (90 nm, package-based brands), 6 (65 nm) and later.
#include <cstdint>

#include "cpuinfo/cpu_info.h"
#include "cpuinfo/naming/name_row.h"
#include "cpuinfo/rule_tables.h"
#include "cpuinfo/rules.h"
#include "cpuinfo/text.h"

namespace {

// Which pieces make up the name, in this order: market name, model number, power suffix, code name.
enum class Pieces : uint8_t {
    Market,
    MarketAndCode,
    MarketNumberAndCode,
    MarketNumberSuffixAndCode,  // the suffix by brand identifier, first generations only
};

struct CodeNameRow {
    Match match;
    const char* text;  // with its leading blank and parentheses; "" for none
};

struct K8NameRow {
    Match match;
    const char* market;  // null: CpuName is not changed
    Pieces pieces;
    const char* codeName = "";      // the code name, unless codeNames decide it
    Rows<CodeNameRow> codeNames{};  // when not empty: the first row that matches ("" when none does)
};

// ---- Extended model 0 to 3: by brand identifier --------------------------------------------------

// Brands 4 and 24. The 512 KB parts are sorted out first: by extended model, then by model.
constexpr CodeNameRow kAthlon64[] = {
    {When().L2(512).ExtModel(3), ""},
    {When().L2(512).ExtModel(2), " (Venice)"},
    {When().L2(512).ExtModel(1), " (Winchester)"},
    {When().L2(512).Model(OneOf(4, 7)), " (ClawHammer)"},
    {When().L2(512).Model(OneOf(8, 11, 12, 14, 15)), " (NewCastle)"},
    {When().L2(512), ""},
    {When().ExtModel(Above(0)), " (San Diego)"},
    {When().Model(OneOf(4, 12, 14)), " (ClawHammer)"},
    {Always(), " (SledgeHammer)"},
};
constexpr CodeNameRow kAthlon64X2[] = {
    {When().L2(512).ExtLeafModel(35), " (Toledo-512K)"},
    {When().L2(512), " (Manchester)"},
    {Always(), " (Toledo)"},
};
constexpr CodeNameRow kMobileAthlon64[] = {
    {When().ExtModel(Above(0)), " (Newark)"},
    {When().Model(4), " (ClawHammer)"},
    {Always(), " (Odessa)"},
};
constexpr CodeNameRow kMobileAthlon64LowVoltage[] = {
    {When().ExtModel(Above(0)).L2(1024), " (Lancaster)"},
    {When().ExtModel(Above(0)), " (Oakville)"},
    {When().Model(4), " (ClawHammer)"},
    {Always(), " (Odessa)"},
};
constexpr CodeNameRow kTurion64[] = {
    {When().Svm(true), " (Richmond)"},
    {Always(), " (Lancaster)"},
};
// The Opterons name no code for an extended model below 0 (not decoded).
constexpr CodeNameRow kOpteronUp[] = {
    {When().ExtModel(AtLeast(1)), " (Venus)"},
    {When().ExtModel(0), " (SledgeHammer)"},
};
constexpr CodeNameRow kOpteronDp[] = {
    {When().ExtModel(AtLeast(1)), " (Troy)"},
    {When().ExtModel(0), " (SledgeHammer)"},
};
constexpr CodeNameRow kOpteronMp[] = {
    {When().ExtModel(AtLeast(1)), " (Athens)"},
    {When().ExtModel(0), " (SledgeHammer)"},
};
constexpr CodeNameRow kAthlonXp[] = {
    {When().ExtModel(Above(0)), " (Palermo)"},
    {Always(), " (Paris)"},
};
constexpr CodeNameRow kMobileSempron[] = {
    {When().ExtModel(2), " (Albany)"},
    {When().ExtModel(1), " (Georgetown)"},
    {Always(), " (Dublin)"},
};
constexpr CodeNameRow kSempronByLeafModel[] = {
    {When().ExtLeafModel(12), " (Paris)"},
    {When().ExtLeafModel(OneOf(28, 44)), " (Palermo)"},
    {When().ExtLeafModel(31).L2(128), " (Winchester-128K)"},
    {When().ExtLeafModel(31).L2(256), " (Winchester-256K)"},
    {When().ExtLeafModel(31), " (Winchester)"},
    {Always(), ""},
};
constexpr CodeNameRow kMobileSempronLowVoltage[] = {
    {When().ExtModel(2), " (Roma)"},
    {When().ExtModel(1), " (Sonora)"},
    {Always(), " (Dublin)"},
};
constexpr CodeNameRow kAthlon64Fx[] = {
    {When().ExtModel(Above(0)), " (San Diego)"},
    {Always(), " (SledgeHammer)"},
};
// Long mode or SSE3 tells the Palermo from the Victoria.
constexpr CodeNameRow kSempronCodeNames[] = {
    {When().ExtModel(Above(0)).LongMode(true), " (Palermo)"},
    {When().ExtModel(Above(0)).Sse3(true), " (Palermo)"},
    {When().ExtModel(Above(0)), " (Victoria)"},
    {Always(), " (Paris)"},
};

constexpr Pieces kFull = Pieces::MarketNumberSuffixAndCode;

constexpr K8NameRow kFirstGeneration[] = {
    {When().BrandId(0), "Hammer Engineering Sample", Pieces::Market},
    {When().BrandId(OneOf(4, 24)), "Athlon 64", kFull, "", kAthlon64},
    {When().BrandId(5), "Athlon 64 X2", kFull, "", kAthlon64X2},
    {When().BrandId(6), "Athlon 64 FX", kFull, " (Toledo)"},
    {When().BrandId(8), "Mobile Athlon 64", kFull, "", kMobileAthlon64},
    {When().BrandId(9), "Mobile Athlon 64", kFull, "", kMobileAthlon64LowVoltage},
    {When().BrandId(10), "Turion 64 ML", kFull, "", kTurion64},
    {When().BrandId(11), "Turion 64 MT", kFull, "", kTurion64},
    {When().BrandId(Between(12, 15)), "Opteron UP", kFull, "", kOpteronUp},
    {When().BrandId(Between(16, 19)), "Opteron DP", kFull, "", kOpteronDp},
    {When().BrandId(Between(20, 23)), "Opteron MP", kFull, "", kOpteronMp},
    {When().BrandId(OneOf(29, 30)), "Mobile Athlon XP-M", kFull, " (Dublin)"},
    {When().BrandId(32), "Athlon XP", kFull, "", kAthlonXp},
    {When().BrandId(33), "Mobile Sempron", kFull, "", kMobileSempron},
    {When().BrandId(34), "Sempron", kFull, "", kSempronByLeafModel},
    {When().BrandId(35), "Mobile Sempron", kFull, "", kMobileSempronLowVoltage},
    {When().BrandId(36), "Athlon 64 FX", kFull, "", kAthlon64Fx},
    {When().BrandId(38), "Sempron", kFull, "", kSempronCodeNames},
    {When().BrandId(OneOf(41, 44, 45, 46, 47, 56)), "Dual Core Opteron", kFull, " (Denmark)"},
    {When().BrandId(OneOf(42, 48, 49, 50, 51, 57)), "Dual Core Opteron", kFull, " (Italy)"},
    {When().BrandId(OneOf(43, 52, 53, 54, 55, 58)), "Dual Core Opteron", kFull, " (Egypt)"},
    // 1-3, 7, 25-28, 31, 37, 39, 40 and 59 up.
    {Always(), "Hammer (K8)", Pieces::Market},
};

// The suffix that follows the model number (low voltage, high efficiency, energy efficient,
// special edition), by brand identifier; brands without a row have none.
struct BrandSuffix {
    int32_t key;
    const char* text;
};
constexpr BrandSuffix kFirstGenerationSuffixes[] = {
    {9, " [LV]"}, {14, " HE"}, {15, " EE"}, {18, " HE"}, {19, " EE"}, {22, " HE"},
    {23, " EE"},  {30, " [LV]"}, {35, " [LV]"}, {41, " SE"}, {46, " HE"}, {47, " EE"},
    {42, " SE"},  {50, " HE"}, {51, " EE"}, {43, " SE"}, {54, " HE"}, {55, " EE"},
};

// ---- Extended model 4 and above: by package type and brand identifier ----------------------------

// Package 0 is the mobile S1 package, 1 the server socket F, the rest desktop packages. A dual-core
// Turion's code name depends on its L2 size; a single-core one is named without a model number. A
// row without a market name leaves the name as an earlier step wrote it.
constexpr K8NameRow kExtModel4And5[] = {
    {When().PackageType(0).BrandId(2).Cores(2).L2(512), "Turion 64 X2", Pieces::MarketNumberAndCode, " (Trinidad)"},
    {When().PackageType(0).BrandId(2).Cores(2), "Turion 64 X2", Pieces::MarketNumberAndCode, " (Taylor)"},
    {When().PackageType(0).BrandId(2), "Turion 64", Pieces::MarketAndCode, " (Richmond)"},
    {When().PackageType(0).BrandId(3), "Mobile Sempron", Pieces::MarketNumberAndCode, " (Keene)"},
    {When().PackageType(0), "Engineering Sample", Pieces::MarketAndCode, ""},
    {When().PackageType(1).BrandId(OneOf(1, 4)), "Opteron", Pieces::MarketNumberAndCode, " (Santa Rosa)"},
    {When().PackageType(1), "Engineering Sample", Pieces::MarketAndCode, ""},
    {When().BrandId(1), "Opteron", Pieces::MarketNumberAndCode, " (Santa Ana)"},
    {When().BrandId(4).Cores(2), "Athlon 64 X2", Pieces::MarketNumberAndCode, " (Windsor)"},
    {When().BrandId(4).Cores(1), "Athlon 64", Pieces::MarketNumberAndCode, " (Orleans)"},
    {When().BrandId(4), nullptr, Pieces::MarketAndCode, ""},
    {When().BrandId(5), "Athlon 64 FX", Pieces::MarketNumberAndCode, " (Windsor)"},
    {When().BrandId(6), "Sempron", Pieces::MarketNumberAndCode, " (Manila)"},
    {Always(), "Engineering Sample", Pieces::MarketAndCode, ""},
};

constexpr K8NameRow kExtModel6[] = {
    {When().PackageType(0).BrandId(2), "Turion 64 X2", Pieces::MarketNumberAndCode, " (Tyler)"},
    {When().PackageType(0), "Engineering Sample", Pieces::MarketAndCode, ""},
    {When().PackageType(1).BrandId(OneOf(1, 4)), "Opteron", Pieces::MarketNumberAndCode, " (Hound)"},
    {When().PackageType(1), "Engineering Sample", Pieces::MarketAndCode, ""},
    {When().BrandId(1), "Opteron", Pieces::MarketNumberAndCode, " (Hound)"},
    {When().BrandId(3).Cores(2), "Athlon X2", Pieces::MarketAndCode, " (Brisbane)"},
    {When().BrandId(3), nullptr, Pieces::MarketAndCode, ""},
    {When().BrandId(4).Cores(2), "Athlon 64 X2", Pieces::MarketNumberAndCode, " (Brisbane)"},
    {When().BrandId(4).Cores(1), "Athlon 64", Pieces::MarketNumberAndCode, " (Lima)"},
    {When().BrandId(4), nullptr, Pieces::MarketAndCode, ""},
    {When().BrandId(5), "Athlon 64 FX", Pieces::MarketNumberAndCode, " (Brisbane)"},
    {When().BrandId(6), "Sempron", Pieces::MarketNumberAndCode, " (Sparta)"},
    {Always(), "Engineering Sample", Pieces::MarketAndCode, ""},
};

constexpr K8NameRow kLaterThanExtModel6[] = {{Always(), "Hammer Family", Pieces::Market}};

constexpr TableChoice<K8NameRow> kK8Names[] = {
    {When().ExtModel(AtLeast(7)), kLaterThanExtModel6},
    {When().ExtModel(6), kExtModel6},
    {When().ExtModel(AtLeast(4)), kExtModel4And5},
    {Always(), kFirstGeneration},
};

// The manufacturing process by generation.
constexpr NameRow kK8Processes[] = {
    {When().ExtModel(AtLeast(6)), nullptr, nullptr, "0.065"},
    {When().ExtModel(AtLeast(1)), nullptr, nullptr, "0.09"},
    {Always(), nullptr, nullptr, "0.13"},
};

void ApplyK8NameRow(CCpuInfo& r, const K8NameRow& row) {
    if (!row.market) return;
    const bool withNumber = row.pieces == Pieces::MarketNumberAndCode || row.pieces == Pieces::MarketNumberSuffixAndCode;
    const BrandSuffix* suffix =
        row.pieces == Pieces::MarketNumberSuffixAndCode ? FindByKey(kFirstGenerationSuffixes, r.BrandId) : nullptr;
    const char* code = row.codeName;
    if (row.pieces == Pieces::Market) {
        code = "";
    } else if (row.codeNames.count != 0) {
        const CodeNameRow* chosen = FirstMatch(row.codeNames, r);
        code = chosen ? chosen->text : "";
    }
    FormatText(r.CpuName, "%s%s%s%s", row.market, withNumber ? r.ModelNumber : "", suffix ? suffix->text : "", code);
}

}  // namespace

void CCpuInfo::NameAmdFamily15() {
    FormatAmdModelNumber();
    IdentifyAmdSocket();
    if (const K8NameRow* row = FirstMatchIn(kK8Names, *this)) ApplyK8NameRow(*this, *row);
    ApplyNameRow(*this, FirstMatch(kK8Processes, *this));
}

const RuleTableList& AmdFamily15Tables() {
    static constexpr RuleTable kTables[] = {
        CPUINFO_RULE_TABLE(kK8Names),
        CPUINFO_RULE_TABLE(kFirstGeneration),
        CPUINFO_RULE_TABLE(kExtModel4And5),
        CPUINFO_RULE_TABLE(kExtModel6),
        CPUINFO_RULE_TABLE(kLaterThanExtModel6),
        CPUINFO_RULE_TABLE(kK8Processes),
        CPUINFO_RULE_TABLE(kAthlon64),
        CPUINFO_RULE_TABLE(kAthlon64X2),
        CPUINFO_RULE_TABLE(kMobileAthlon64),
        CPUINFO_RULE_TABLE(kMobileAthlon64LowVoltage),
        CPUINFO_RULE_TABLE(kTurion64),
        CPUINFO_RULE_TABLE(kOpteronUp),
        CPUINFO_RULE_TABLE(kOpteronDp),
        CPUINFO_RULE_TABLE(kOpteronMp),
        CPUINFO_RULE_TABLE(kAthlonXp),
        CPUINFO_RULE_TABLE(kMobileSempron),
        CPUINFO_RULE_TABLE(kSempronByLeafModel),
        CPUINFO_RULE_TABLE(kMobileSempronLowVoltage),
        CPUINFO_RULE_TABLE(kAthlon64Fx),
        CPUINFO_RULE_TABLE(kSempronCodeNames),
        CPUINFO_KEY_TABLE(kFirstGenerationSuffixes),
    };
    static constexpr RuleTableList kList = CPUINFO_RULE_TABLE_LIST(kTables);
    return kList;
}
