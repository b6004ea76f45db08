// How cpureport presents an information item to a person: its label in this platform's words, whether
// its value is unknown, and the text shown for it. The library's own item text is never changed here;
// the JSON keeps it as it is and adds the labels and the unknown items beside it.
#pragma once

#include <cstdint>
#include <string>

#include "cpuinfo/cpu_info.h"

namespace tools {

// What the report knows about the machine beyond the record.
struct ReportContext {
    // False for a replayed machine file that records no clock (no `SET tsc-mhz`): the measured clock
    // is then the simulated time-stamp counter's rate, and the figures that follow it mean nothing.
    bool clockRecorded = true;
};

struct ItemView {
    bool unknown = false;  // the item's figure was not determined
    bool empty = false;    // the item has nothing to show (an empty text that is not an unknown figure)
    std::string shown;     // the text for a person: "unknown", "0x19 (25)", "1000.00 (...)", ...
};

// The label of an item code in this platform's words; null for a code the report does not know.
const char* ItemLabel(int32_t code);

// Presents the item of `row` whose text GetInfo just wrote, judged on the record as it is now (the
// re-measuring items change it as they are queried).
ItemView PresentItem(const InfoItemRow& row, const char* text, const CCpuInfo& record, const ReportContext& context);

// One line per clock-measurement method code of `--clock-option`, each ending in a line feed:
// what the method measures, in this platform's words, and what any other code does.
std::string ClockOptionHelp(const char* indent);

}  // namespace tools
