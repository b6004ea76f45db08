// Transmeta: Crusoe and Efficeon, told apart by the model number in the brand string.
#include <cstring>

#include "cpuinfo/cpu_info.h"
#include "cpuinfo/rules.h"
#include "cpuinfo/text.h"

namespace {

using Record = CCpuInfo;

// A row's condition: the signature, and a text the brand string must contain (null: any brand string).
struct SignatureAndBrand {
    int32_t family;
    int32_t model;
    const char* brandKey;
    bool always;  // the table's final row: any processor

    // A row that always holds reads as a null condition to FirstMatch.
    explicit operator bool() const { return !always; }
    bool operator()(const Record& r) const {
        if (r.Family != family || r.Model != model) return false;
        return !brandKey || std::strstr(r.BrandString, brandKey) != nullptr;
    }
};

struct TransmetaRow {
    SignatureAndBrand when;
    const char* name;
    const char* process;
    bool fixedClock;  // these models keep their clock when idle
};

// Order matters: a brand string naming both "8600" and "8800" is the TM8800.
const TransmetaRow kTransmetaRows[] = {
    {{15, 2, "8800", false}, "Efficeon TM8800", "0.09", false},
    {{15, 2, "8600", false}, "Efficeon TM8600 (Astro)", "0.13", false},
    {{15, 2, "8500", false}, "Efficeon TM8500 (Astro)", "0.13", false},
    {{15, 2, "8300", false}, "Efficeon TM8300 (Astro)", "0.13", false},
    {{15, 2, "8820", false}, "Efficeon TM8820 (Astro)", "0.13", false},
    {{15, 2, "8620", false}, "Efficeon TM8620 (Astro)", "0.13", false},
    {{15, 2, nullptr, false}, "Efficeon (Astro)", "0.13", false},
    {{5, 4, "3120", false}, "Crusoe TM3120", "0.22", true},
    {{5, 4, "3200", false}, "Crusoe TM3200", "0.22", true},
    {{5, 4, "5400", false}, "Crusoe TM5400", "0.18", false},
    {{5, 4, "5600", false}, "Crusoe TM5600", "0.18", false},
    {{5, 4, "5500", false}, "Crusoe TM5500", "0.13", false},
    {{5, 4, "5800", false}, "Crusoe TM5800", "0.13", false},
    {{5, 4, "5700", false}, "Crusoe TM5700", "0.13", false},
    {{5, 4, "5900", false}, "Crusoe TM5900", "0.13", false},
    {{0, 0, nullptr, true}, "Unknown CPU", "", false},
};

}  // namespace

void CCpuInfo::NameTransmeta() {
    VariableClock = 1;
    const TransmetaRow* row = FirstMatch(kTransmetaRows, *this);
    CopyText(CpuName, row->name);
    CopyText(Socket, "Mobile Module");
    CopyText(ProcessTech, row->process);
    if (row->fixedClock) VariableClock = 0;
}
