// Transmeta: Crusoe and Efficeon, told apart by the model number in the brand string.
#include <cstring>

#include "cpuinfo/cpu_info.h"
#include "cpuinfo/rules.h"
#include "cpuinfo/text.h"

namespace {

struct TransmetaRow {
    int32_t family;
    int32_t model;
    const char* brandKey;  // null: any brand string
    const char* name;
    const char* process;
    bool fixedClock;       // these models keep their clock when idle
};

// Order matters: a brand string naming both "8600" and "8800" is the TM8800.
const TransmetaRow kTransmetaRows[] = {
    {15, 2, "8800", "Efficeon TM8800", "0.09", false},
    {15, 2, "8600", "Efficeon TM8600 (Astro)", "0.13", false},
    {15, 2, "8500", "Efficeon TM8500 (Astro)", "0.13", false},
    {15, 2, "8300", "Efficeon TM8300 (Astro)", "0.13", false},
    {15, 2, "8820", "Efficeon TM8820 (Astro)", "0.13", false},
    {15, 2, "8620", "Efficeon TM8620 (Astro)", "0.13", false},
    {15, 2, nullptr, "Efficeon (Astro)", "0.13", false},
    {5, 4, "3120", "Crusoe TM3120", "0.22", true},
    {5, 4, "3200", "Crusoe TM3200", "0.22", true},
    {5, 4, "5400", "Crusoe TM5400", "0.18", false},
    {5, 4, "5600", "Crusoe TM5600", "0.18", false},
    {5, 4, "5500", "Crusoe TM5500", "0.13", false},
    {5, 4, "5800", "Crusoe TM5800", "0.13", false},
    {5, 4, "5700", "Crusoe TM5700", "0.13", false},
    {5, 4, "5900", "Crusoe TM5900", "0.13", false},
    {5, 4, nullptr, "Unknown CPU", "", false},
};

}  // namespace

void CCpuInfo::NameTransmeta() {
    VariableClock = 1;
    const TransmetaRow* match = nullptr;
    for (const TransmetaRow& row : kTransmetaRows) {
        if (row.family != Family || row.model != Model) continue;
        if (row.brandKey && !std::strstr(BrandString, row.brandKey)) continue;
        match = &row;
        break;
    }
    CopyText(CpuName, match ? match->name : "Unknown CPU");
    CopyText(Socket, "Mobile Module");
    CopyText(ProcessTech, match ? match->process : "");
    if (match && match->fixedClock) VariableClock = 0;
}
