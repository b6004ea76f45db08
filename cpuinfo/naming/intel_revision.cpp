// Intel core revisions: the stepping name, die area and transistor count by signature. A few
// signatures were made with different L3 sizes and are told apart by it.
#include "cpuinfo/cpu_info.h"
#include "cpuinfo/rule_tables.h"
#include "cpuinfo/text.h"

namespace {

constexpr int32_t kAnyL3 = -2;  // the row holds whatever the L3 size

struct IntelRevision {
    uint32_t key;    // base family, model and stepping
    int32_t l3Size;  // the L3 size the row needs, or kAnyL3
    const char* revision;
    double dieSize;
    double transistors;
};

// Rows of one key stand together; the first whose L3 condition holds is used.
constexpr IntelRevision kIntelRevisions[] = {
    {0x517, kAnyL3, "D1", 294.0, 3.1},   {0x51A, kAnyL3, "tA0", 91.0, 3.3},   {0x525, kAnyL3, "C2", -1.0, 3.2},
    {0x52C, kAnyL3, "C2", 81.0, 3.3},    {0x543, kAnyL3, "B1", 128.0, 4.5},   {0x544, kAnyL3, "A3", 140.0, 4.5},
    {0x581, kAnyL3, "A0", 90.0, 4.5},    {0x582, kAnyL3, "B2", 90.0, 4.5},    {0x611, kAnyL3, "B0", 306.0, 5.5},
    {0x612, kAnyL3, "C0", 306.0, 5.5},   {0x616, kAnyL3, "sA0", 195.0, 5.5},  {0x617, kAnyL3, "sA1", 195.0, 5.5},
    {0x619, kAnyL3, "sB1", 195.0, 5.5},  {0x632, kAnyL3, "TdB0", -1.0, -1.0}, {0x633, kAnyL3, "C0", 203.0, 7.5},
    {0x634, kAnyL3, "C1", 203.0, 7.5},   {0x650, kAnyL3, "A0", 131.0, 7.5},   {0x651, kAnyL3, "A1", 131.0, 7.5},
    {0x652, kAnyL3, "B0", -1.0, 7.5},    {0x653, kAnyL3, "B1", 118.0, 7.5},   {0x660, kAnyL3, "mA0", 154.0, 19.0},
    {0x665, kAnyL3, "mB0", 154.0, 19.0}, {0x66A, kAnyL3, "A0", -1.0, -1.0},   {0x672, kAnyL3, "B0", 123.0, 9.5},
    {0x673, kAnyL3, "C0", 123.0, 9.5},   {0x681, kAnyL3, "A2", 106.0, 28.0},  {0x683, kAnyL3, "B0", 105.0, 28.0},
    {0x686, kAnyL3, "C0", 90.0, 28.0},   {0x68A, kAnyL3, "D0", 95.0, 28.0},   {0x695, kAnyL3, "B1", 83.0, 77.0},
    {0x6A0, kAnyL3, "A0", 375.0, 140.0}, {0x6A1, kAnyL3, "A1", 375.0, 140.0}, {0x6B1, kAnyL3, "A1", 80.0, 44.0},
    {0x6B4, kAnyL3, "B1", 80.0, 44.0},   {0x6D6, kAnyL3, "B1", 87.0, 144.0},  {0x6D8, kAnyL3, "C0", 87.0, 144.0},
    {0x6E4, kAnyL3, "C0", 90.0, 151.0},  {0x6E8, kAnyL3, "C0", 90.0, 151.0},  {0xF07, kAnyL3, "B2", 217.0, 42.0},
    {0xF0A, kAnyL3, "C1", 217.0, 42.0},  {0xF11, kAnyL3, "C0", -1.0, 76.0},   {0xF12, kAnyL3, "D0", 217.0, 42.0},
    {0xF13, kAnyL3, "E0", 217.0, 42.0},
    {0xF22, 1024, "A0", -1.0, 110.0},    {0xF22, 2048, "A0", 237.0, 169.0},
    {0xF24, kAnyL3, "B0", 146.0, 55.0},
    {0xF25, 1024, "B1", -1.0, 108.0},    {0xF25, 2048, "M0", 237.0, 169.0},   {0xF25, kAnyL3, "M0", 131.0, 55.0},
    {0xF26, 2048, "C0", 237.0, 169.0},   {0xF26, kAnyL3, "C0", -1.0, -1.0},
    {0xF27, kAnyL3, "C1", 131.0, 55.0},  {0xF29, kAnyL3, "D1", 131.0, 55.0},  {0xF33, kAnyL3, "C0", 81.0, 125.0},
    {0xF34, kAnyL3, "D0", 81.0, 125.0},  {0xF41, kAnyL3, "E0", 81.0, 125.0},  {0xF43, kAnyL3, "N0", 135.0, 169.0},
    {0xF44, kAnyL3, "A0", 206.0, 230.0}, {0xF47, kAnyL3, "B0", 206.0, 230.0}, {0xF49, kAnyL3, "G1", 81.0, 125.0},
    {0xF4A, kAnyL3, "R0", 135.0, 169.0}, {0xF62, kAnyL3, "B1", 280.0, -1.0},  {0xF64, kAnyL3, "C1", -1.0, -1.0},
};

}  // namespace

void CCpuInfo::IdentifyIntelRevision() {
    const uint32_t key = Std1Eax & 0xFFFu;
    bool keyListed = false;
    for (const IntelRevision& row : kIntelRevisions) {
        if (row.key != key) continue;
        keyListed = true;
        if (row.l3Size == kAnyL3 || row.l3Size == L3Size) {
            SetRevisionInfo(row.dieSize, row.transistors, row.revision);
            return;
        }
    }
    // A listed key whose L3 condition fails (F22 with another L3 size) changes nothing at all.
    if (!keyListed) CopyText(RevisionName, "");
}

const RuleTableList& IntelRevisionTables() {
    static constexpr RuleTable kTables[] = {CPUINFO_CONDITIONAL_KEY_TABLE(
        kIntelRevisions, [](size_t row) { return kIntelRevisions[row].l3Size != kAnyL3; })};
    static constexpr RuleTableList kList = CPUINFO_RULE_TABLE_LIST(kTables);
    return kList;
}
