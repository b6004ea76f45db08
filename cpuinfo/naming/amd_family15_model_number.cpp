// AMD family 15 model numbers ("3200+", "248", "TL-52"...), computed from the brand identifier's
// model-number index. The first-generation brand table (extended model below 4) keys on the brand
// identifier alone; from extended model 4 on, the package type and the power limit take part.
#include <cstdint>

#include "cpuinfo/cpu_info.h"
#include "cpuinfo/rule_tables.h"
#include "cpuinfo/rules.h"
#include "cpuinfo/text.h"

namespace {

enum class Write : uint8_t {
    Nothing,            // ModelNumber keeps what it held
    Number,             // before, the computed number, after
    Fixed,              // before is the whole text
    EngineeringSample,  // ModelNumber keeps what it held; the name becomes "Engineering Sample"
};

// The number: brandScale x BrandNN + cmpCapScale x CmpCap + offset.
struct Number {
    int32_t brandScale;
    int32_t offset;
    int32_t cmpCapScale = 0;
};

struct ModelNumberRow {
    Match match;
    Write write;
    const char* before = "";
    Number number = {0, 0};
    const char* after = "";
    bool powerSuffix = false;  // append " HE" or " SE" by the power limit
};

// Extended model 0 to 3, by brand identifier.
constexpr ModelNumberRow kFirstGeneration[] = {
    {When().BrandId(0), Write::Nothing},
    {When().BrandId(OneOf(4, 5, 8, 9, 29, 30, 32)), Write::Number, " ", {1, 22}, "00+"},
    {When().BrandId(6).MaxMultiplier(14), Write::Fixed, "-62"},
    {When().BrandId(6).MaxMultiplier(13), Write::Fixed, "-60"},
    {When().BrandId(6), Write::Fixed, ""},
    {When().BrandId(OneOf(10, 11)), Write::Number, "-", {1, 22}},
    {When().BrandId(Between(12, 15)), Write::Number, " 1", {2, 38}},
    {When().BrandId(Between(16, 19)), Write::Number, " 2", {2, 38}},
    {When().BrandId(Between(20, 23)), Write::Number, " 8", {2, 38}},
    {When().BrandId(24), Write::Number, " ", {1, 9}, "00+"},
    {When().BrandId(OneOf(33, 34, 35, 38)), Write::Number, " ", {1, 24}, "00+"},
    {When().BrandId(36), Write::Number, "-", {1, 24}},
    {When().BrandId(OneOf(41, 44, 45, 46, 47, 56)), Write::Number, " 1", {5, 45}},
    {When().BrandId(OneOf(42, 48, 49, 50, 51, 57)), Write::Number, " 2", {5, 45}},
    {When().BrandId(OneOf(43, 52, 53, 54, 55, 58)), Write::Number, " 8", {5, 45}},
    {Always(), Write::Fixed, ""},
};

// Extended model 4 and above, by package type (0 mobile S1, 1 server F, others desktop) and brand.
constexpr ModelNumberRow kLaterGenerations[] = {
    {When().PackageType(0).BrandId(2).Cores(2), Write::Number, " TL-", {1, 29}},
    {When().PackageType(0).BrandId(2), Write::Number, " MK-", {1, 29}},
    {When().PackageType(0), Write::Nothing},
    {When().PackageType(1).BrandId(1), Write::Number, " 22", {1, -1}, "", true},
    {When().PackageType(1).BrandId(4), Write::Number, " 82", {1, -1}, "", true},
    {When().PackageType(1), Write::Nothing},
    {When().BrandId(1), Write::Number, " 12", {1, -1}, "", true},
    {When().BrandId(OneOf(4, 6)), Write::Number, " ", {1, 15, 10}, "00+"},
    {When().BrandId(5), Write::Number, "-", {1, 57}},
    {Always(), Write::EngineeringSample},
};

constexpr TableChoice<ModelNumberRow> kModelNumberTables[] = {
    {When().ExtModel(AtMost(3)), kFirstGeneration},
    {Always(), kLaterGenerations},
};

// The power suffix by power limit.
struct PowerSuffix {
    int32_t key;
    const char* text;
};
constexpr PowerSuffix kPowerSuffixes[] = {{6, " HE"}, {12, " SE"}};

void ApplyModelNumberRow(CCpuInfo& r, const ModelNumberRow& row) {
    switch (row.write) {
        case Write::Nothing: return;
        case Write::EngineeringSample: CopyText(r.CpuName, "Engineering Sample"); return;
        case Write::Fixed: CopyText(r.ModelNumber, row.before); break;
        case Write::Number: {
            const Number& n = row.number;
            FormatText(r.ModelNumber, "%s%d%s", row.before, n.brandScale * r.BrandNN + n.cmpCapScale * r.CmpCap + n.offset,
                       row.after);
            break;
        }
    }
    if (!row.powerSuffix) return;
    if (const PowerSuffix* suffix = FindByKey(kPowerSuffixes, r.PwrLmt)) {
        char number[sizeof r.ModelNumber];
        CopyText(number, r.ModelNumber);
        FormatText(r.ModelNumber, "%s%s", number, suffix->text);
    }
}

}  // namespace

void CCpuInfo::FormatAmdModelNumber() {
    if (const ModelNumberRow* row = FirstMatchIn(kModelNumberTables, *this)) ApplyModelNumberRow(*this, *row);
}

const RuleTableList& AmdFamily15ModelNumberTables() {
    static constexpr RuleTable kTables[] = {
        CPUINFO_RULE_TABLE(kModelNumberTables), CPUINFO_RULE_TABLE(kFirstGeneration),
        CPUINFO_RULE_TABLE(kLaterGenerations), CPUINFO_KEY_TABLE(kPowerSuffixes),
    };
    static constexpr RuleTableList kList = CPUINFO_RULE_TABLE_LIST(kTables);
    return kList;
}
