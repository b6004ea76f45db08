// Cyrix and IDT/Centaur: the Cyrix 6x86 line, the WinChip line, and the VIA Cyrix III, C3 and C7.
#include "cpuinfo/cpu_info.h"
#include "cpuinfo/naming/name_row.h"
#include "cpuinfo/rule_tables.h"
#include "cpuinfo/rules.h"
#include "cpuinfo/text.h"

namespace {

constexpr Match kFamily6 = When().Family(6);
constexpr Match kIdt5 = When().Vendor(Vendor::Idt).Family(5);
constexpr Match kCyrix5 = When().Vendor(Vendor::Cyrix).Family(5);

// Family 6 rows hold for both vendor codes; family 5 rows tell Cyrix from IDT. The VIA parts are
// sold as "VIA"; the power-management code says how they lower their clock (1 and 2).
constexpr NameRow kViaRows[] = {
    {kFamily6.Model(10), "C7 (Esther)", "NanoBGA 479", "0.09", Core::Esther, kSoldAsVia, L2Of(128)},
    {kFamily6.Model(9), "C3 (Nehemiah)", "Socket 370", "0.13", Core::Nehemiah, kSoldAsVia, {}, 2},
    {kFamily6.Model(8), "C3 (Ezra-T)", "Socket 370", "0.13", Core::EzraT, kSoldAsVia, {}, 2},
    {kFamily6.Model(7).Stepping(AtLeast(8)), "C3 (Ezra)", "Socket 370", "0.13", Core::Ezra, kSoldAsVia, {}, 1},
    {kFamily6.Model(7).Stepping(0), "C3 (Samuel 2)", "Socket 370", "0.15", Core::Samuel, kSoldAsVia, {}, 1},
    {kFamily6.Model(7), "C3 (Samuel 2)", "Socket 370", "0.15", Core::Samuel2, kSoldAsVia, {}, 1},
    {kFamily6.Model(6), "Cyrix III (Samuel)", "Socket 370", "0.18", Core::Samuel, kSoldAsVia, {}, 1},
    {kFamily6.Model(5).Stepping(1), "6x86MX (M II)", "Socket 7", "0.18/0.25", Core::Samuel, kSoldAsVia},
    {kFamily6.Model(5), "Cyrix III (Joshua)", "Socket 370", "0.18", Core::Samuel, kSoldAsVia},
    {kFamily6.Model(0).Stepping(0), "6x86MX (M II)", "Socket 7", "0.35", Core::None, kNoFlags, UnifiedL1(64)},
    {kFamily6.Model(0), "6x86MX (M II)", "Socket 7", "0.30", Core::None, kNoFlags, UnifiedL1(64)},
    {kIdt5.Model(9), "WinChip 3", "Socket 7", "0.25"},
    {kIdt5.Model(8), "WinChip 2", "Socket 7", "0.35"},
    {kIdt5.Model(4), "WinChip C6", "Socket 7", "0.35", Core::None, kNoFlags, SplitL1(32, 32)},
    {kCyrix5.Model(9), "Geode", "", ""},
    {kCyrix5.Model(4), "MediaGX", "", "", Core::None, kNoFlags, UnifiedL1(16)},
    {kCyrix5.Model(2), "6x86 (M I)", "Socket 5/7", "0.35/0.65", Core::None, kNoFlags, UnifiedL1(16)},
    {Always(), "Unknown CPU", "", ""},
};

struct ViaRevision {
    uint32_t key;  // base family, model and stepping
    const char* revision;
    double dieSize;
    double transistors;
};

constexpr ViaRevision kViaRevisions[] = {
    {0x520, "", -1.0, 3.0},    {0x530, "", 169.0, 3.0},   {0x600, "", 197.0, 6.0},   {0x601, "", 156.0, 6.0},
    {0x651, "", -1.0, 6.0},    {0x660, "S1", 75.0, 11.3}, {0x670, "S2", 52.0, 15.2}, {0x671, "S2", 52.0, 15.2},
    {0x672, "S2", 52.0, 15.2}, {0x678, "E", 52.0, 15.4},  {0x680, "ET", 47.0, 15.5}, {0x689, "ET", 47.0, 15.5},
    {0x691, "N", 47.0, 20.5},  {0x693, "N", 47.0, 20.5},  {0x694, "N", 52.0, 20.5},  {0x695, "N", 52.0, 20.5},
    {0x696, "N", 52.0, 20.5},  {0x697, "N", 52.0, 20.5},  {0x698, "A", 47.0, 20.4},
};

}  // namespace

void CCpuInfo::NameViaCentaur() {
    IdentifyViaRevision();
    ApplyNameRow(*this, FirstMatch(kViaRows, *this));
}

void CCpuInfo::IdentifyViaRevision() {
    if (const ViaRevision* entry = FindByKey(kViaRevisions, Std1Eax & 0xFFFu))
        SetRevisionInfo(entry->dieSize, entry->transistors, entry->revision);
    else
        CopyText(RevisionName, "");
}

const RuleTableList& ViaCentaurTables() {
    static constexpr RuleTable kTables[] = {CPUINFO_RULE_TABLE(kViaRows), CPUINFO_KEY_TABLE(kViaRevisions)};
    static constexpr RuleTableList kList = CPUINFO_RULE_TABLE_LIST(kTables);
    return kList;
}
