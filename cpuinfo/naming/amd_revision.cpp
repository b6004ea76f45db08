// AMD core revisions: the stepping code with die size (mm^2) and transistor count (millions).
// Family-15-based parts are keyed by the whole extended signature (CPUID 0x80000001 EAX), which
// tells the silicon revisions apart; older parts by family, model and stepping of CPUID 1.
#include <cstdint>

#include "cpuinfo/cpu_info.h"
#include "cpuinfo/rule_tables.h"
#include "cpuinfo/rules.h"
#include "cpuinfo/text.h"

namespace {

struct AmdRevision {
    uint32_t key;
    const char* revision;
    double dieSize;
    double transistors;
};

// Keyed by Ext1Eax.
constexpr AmdRevision kFamily15Revisions[] = {
    {0x00000F40, "SH-B0", 193.0, 105.9},
    {0x00000F50, "SH-B0", 193.0, 105.9},
    {0x00000F51, "SH-B3", 193.0, 105.9},
    {0x00000F48, "SH-C0", 193.0, 105.9},
    {0x00000F58, "SH-C0", 193.0, 105.9},
    {0x00000F4A, "SH-CG", 193.0, 105.9},
    {0x00000F5A, "SH-CG", 193.0, 105.9},
    {0x00000F7A, "SH-CG", 193.0, 105.9},
    {0x00000FF4, "SH-CG", 193.0, 105.9},
    {0x00000F82, "CH-CG", 144.0, 68.5},
    {0x00000FB2, "CH-CG", 144.0, 68.5},
    {0x00000FC0, "DH-CG", 144.0, 68.5},
    {0x00000FE0, "DH-CG", 144.0, 68.5},
    {0x00000FF0, "DH-CG", 144.0, 68.5},
    {0x00010F40, "SH-D0", 84.0, 68.5},
    {0x00010F50, "SH-D0", 84.0, 68.5},
    {0x00010F70, "SH-D0", 84.0, 68.5},
    {0x00010F80, "CH-D0", 84.0, 68.5},
    {0x00010FB0, "CH-D0", 84.0, 68.5},
    {0x00010FC0, "DH-D0", 84.0, 68.5},
    {0x00010FF0, "DH-D0", 84.0, 68.5},
    {0x00020F10, "JH-E1", 205.0, 233.0},
    {0x00020F12, "JH-E6", 205.0, 233.0},
    {0x00020F32, "JH-E6", 205.0, 233.0},
    {0x00020F42, "BH-E5", 115.0, 114.0},
    {0x00020F51, "SH-E4", 115.0, 114.0},
    {0x00020F71, "SH-E4", 115.0, 114.0},
    {0x00020FB1, "BH-E4", 147.0, 154.0},
    {0x00020FC0, "DH-E3", 84.0, 76.0},
    {0x00020FF0, "DH-E3", 84.0, 76.0},
    {0x00020FC2, "DH-E6", 84.0, 76.0},
    {0x00020FF2, "DH-E6", 84.0, 76.0},
    {0x00030F72, "E6", 115.0, 114.0},
    {0x00040F12, "JH-F2", 220.0, 243.0},
    {0x00040F32, "JH-F2", 220.0, 243.0},
    {0x00040F82, "BH-F2", 147.0, 154.0},
    {0x00040FB2, "BH-F2", 183.0, 153.8},
    {0x00040FF2, "DH-F2", 81.0, 103.0},
    {0x00050FF2, "DH-F2", -1.0, -1.0},
};

// Keyed by CPUID 1 EAX AND 0xFFF (family, model, stepping).
constexpr AmdRevision kOlderRevisions[] = {
    {0x561, "B", 162.0, 8.8},
    {0x562, "C", 162.0, 8.8},
    {0x570, "A", 68.0, 8.8},
    {0x580, "A", 81.0, 9.3},
    {0x58C, "C", 81.0, 9.3},
    {0x590, "A", 118.0, 21.3},
    {0x591, "B", 118.0, 21.3},
    {0x611, "C1", 184.0, 22.0},
    {0x612, "C2", 184.0, 22.0},
    {0x621, "A1", 102.0, 22.0},
    {0x622, "A2", 102.0, 22.0},
    {0x630, "A0", 100.0, 25.0},
    {0x631, "A2", 100.0, 25.0},
    {0x642, "A4", 120.0, 37.0},
    {0x644, "A9", 120.0, 37.0},
    {0x660, "A0", 130.0, 37.5},
    {0x661, "A2", 130.0, 37.5},
    {0x662, "A5", 130.0, 37.5},
    {0x670, "A0", 106.0, 25.2},
    {0x671, "A1", 106.0, 25.2},
    {0x680, "A0", 81.0, 37.5},
    {0x681, "B1", 85.0, 37.5},
    {0x6A0, "A2", 101.0, 54.3},
};

}  // namespace

void CCpuInfo::IdentifyAmdRevision() {
    // Base family 15 covers the later families built on it (family 16 reports base family 15 too).
    const AmdRevision* row = (Family == 15) ? FindByKey(kFamily15Revisions, Ext1Eax)
                                            : FindByKey(kOlderRevisions, Std1Eax & 0xFFFu);
    if (row) {
        SetRevisionInfo(row->dieSize, row->transistors, row->revision);
    } else {
        CopyText(RevisionName, "");  // die size and transistor count keep what they held
    }
}

const RuleTableList& AmdRevisionTables() {
    static constexpr RuleTable kTables[] = {CPUINFO_KEY_TABLE(kFamily15Revisions), CPUINFO_KEY_TABLE(kOlderRevisions)};
    static constexpr RuleTableList kList = CPUINFO_RULE_TABLE_LIST(kTables);
    return kList;
}
