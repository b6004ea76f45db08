// AMD family 15 model numbers ("3200+", "248", "TL-52"...), computed from the brand identifier's
// model-number index. The first-generation brand table (extended model below 4) keys on the brand
// identifier alone; from extended model 4 on, the package type and the power limit take part.
#include <cstdint>

#include "cpuinfo/cpu_info.h"
#include "cpuinfo/naming/amd_rules.h"
#include "cpuinfo/rules.h"
#include "cpuinfo/text.h"

using amd_naming::AppendText;
using amd_naming::Between;
using amd_naming::In;

namespace {

enum class Write {
    Nothing,             // ModelNumber keeps what it held
    Formatted,           // format with one %d of the computed value
    Fixed,               // the format is the whole text
    EngineeringSample,   // ModelNumber keeps what it held; the name becomes "Engineering Sample"
};

struct ModelNumberRule {
    bool (*when)(const CCpuInfo&);
    Write write;
    const char* format;
    int32_t (*value)(const CCpuInfo&);  // null unless Formatted
    bool powerSuffix;                   // append " HE" or " SE" by the power limit
};

#define AMD_VALUE(expression) [](const CCpuInfo& r) -> int32_t { return (expression); }

// Extended model 0 to 3, by brand identifier.
const ModelNumberRule kFirstGeneration[] = {
    {AMD_WHEN(r.BrandId == 0), Write::Nothing, nullptr, nullptr, false},
    {AMD_WHEN(In(r.BrandId, {4, 5, 8, 9, 29, 30, 32})), Write::Formatted, " %d00+", AMD_VALUE(r.BrandNN + 22), false},
    {AMD_WHEN(r.BrandId == 6 && r.MaxMultiplier == 14.0), Write::Fixed, "-62", nullptr, false},
    {AMD_WHEN(r.BrandId == 6 && r.MaxMultiplier == 13.0), Write::Fixed, "-60", nullptr, false},
    {AMD_WHEN(r.BrandId == 6), Write::Fixed, "", nullptr, false},
    {AMD_WHEN(In(r.BrandId, {10, 11})), Write::Formatted, "-%d", AMD_VALUE(r.BrandNN + 22), false},
    {AMD_WHEN(Between(r.BrandId, 12, 15)), Write::Formatted, " 1%d", AMD_VALUE(2 * r.BrandNN + 38), false},
    {AMD_WHEN(Between(r.BrandId, 16, 19)), Write::Formatted, " 2%d", AMD_VALUE(2 * r.BrandNN + 38), false},
    {AMD_WHEN(Between(r.BrandId, 20, 23)), Write::Formatted, " 8%d", AMD_VALUE(2 * r.BrandNN + 38), false},
    {AMD_WHEN(r.BrandId == 24), Write::Formatted, " %d00+", AMD_VALUE(r.BrandNN + 9), false},
    {AMD_WHEN(In(r.BrandId, {33, 34, 35, 38})), Write::Formatted, " %d00+", AMD_VALUE(r.BrandNN + 24), false},
    {AMD_WHEN(r.BrandId == 36), Write::Formatted, "-%d", AMD_VALUE(r.BrandNN + 24), false},
    {AMD_WHEN(In(r.BrandId, {41, 44, 45, 46, 47, 56})), Write::Formatted, " 1%d", AMD_VALUE(5 * r.BrandNN + 45), false},
    {AMD_WHEN(In(r.BrandId, {42, 48, 49, 50, 51, 57})), Write::Formatted, " 2%d", AMD_VALUE(5 * r.BrandNN + 45), false},
    {AMD_WHEN(In(r.BrandId, {43, 52, 53, 54, 55, 58})), Write::Formatted, " 8%d", AMD_VALUE(5 * r.BrandNN + 45), false},
    {nullptr, Write::Fixed, "", nullptr, false},
};

// Extended model 4 and above, by package type (0 mobile S1, 1 server F, others desktop) and brand.
const ModelNumberRule kLaterGenerations[] = {
    {AMD_WHEN(r.PackageType == 0 && r.BrandId == 2 && r.CoresPerPackage == 2), Write::Formatted, " TL-%d", AMD_VALUE(r.BrandNN + 29), false},
    {AMD_WHEN(r.PackageType == 0 && r.BrandId == 2), Write::Formatted, " MK-%d", AMD_VALUE(r.BrandNN + 29), false},
    {AMD_WHEN(r.PackageType == 0), Write::Nothing, nullptr, nullptr, false},
    {AMD_WHEN(r.PackageType == 1 && r.BrandId == 1), Write::Formatted, " 22%d", AMD_VALUE(r.BrandNN - 1), true},
    {AMD_WHEN(r.PackageType == 1 && r.BrandId == 4), Write::Formatted, " 82%d", AMD_VALUE(r.BrandNN - 1), true},
    {AMD_WHEN(r.PackageType == 1), Write::Nothing, nullptr, nullptr, false},
    {AMD_WHEN(r.BrandId == 1), Write::Formatted, " 12%d", AMD_VALUE(r.BrandNN - 1), true},
    {AMD_WHEN(In(r.BrandId, {4, 6})), Write::Formatted, " %d00+", AMD_VALUE(10 * r.CmpCap + r.BrandNN + 15), false},
    {AMD_WHEN(r.BrandId == 5), Write::Formatted, "-%d", AMD_VALUE(r.BrandNN + 57), false},
    {nullptr, Write::EngineeringSample, nullptr, nullptr, false},
};

#undef AMD_VALUE

}  // namespace

void CCpuInfo::FormatAmdModelNumber() {
    const ModelNumberRule* row =
        (ExtModel < 4) ? FirstMatch(kFirstGeneration, *this) : FirstMatch(kLaterGenerations, *this);
    if (!row) return;

    switch (row->write) {
        case Write::Nothing:
            return;
        case Write::EngineeringSample:
            CopyText(CpuName, "Engineering Sample");
            return;
        case Write::Fixed:
            CopyText(ModelNumber, row->format);
            break;
        case Write::Formatted:
            // The formats above each hold exactly one %d.
            FormatText(ModelNumber, row->format, row->value(*this));
            break;
    }

    if (row->powerSuffix) {
        if (PwrLmt == 6) AppendText(ModelNumber, " HE");
        else if (PwrLmt == 12) AppendText(ModelNumber, " SE");
    }
}
