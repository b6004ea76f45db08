#include "tools/item_presentation.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace tools {
namespace {

// The timers of the clock measurement, in this platform's words. On Windows they are the multimedia
// timer, the tick count and the performance counter; on Linux all three read the monotonic clock,
// the first two in milliseconds and the third in nanoseconds.
#if defined(_WIN32)
#define CPUREPORT_MS_TIMER "multimedia timer"
#define CPUREPORT_TICK_TIMER "tick count"
#define CPUREPORT_FINE_TIMER "performance counter"
// The timer's long name would overflow the label column here.
#define CPUREPORT_QUICK_CLOCK "Clock, method 4: as method 3, no warm-up (MHz)"
#else
#define CPUREPORT_MS_TIMER "ms clock"
#define CPUREPORT_TICK_TIMER "ms clock"
#define CPUREPORT_FINE_TIMER "ns clock"
#define CPUREPORT_QUICK_CLOCK "Clock, method 4: 0.1 s by " CPUREPORT_FINE_TIMER ", no warm-up (MHz)"
#endif

// How a value is shown; most items are shown as their GetInfo action formats them.
enum class Shown : uint8_t {
    AsItem,        // by the item's action: texts as they are, figures, hexadecimal numbers, counts
    HexText,       // a text of hexadecimal digits
    CacheText,     // a cache figure as text: "-1" or empty while unknown
    Clock,         // the measured clock: the simulated counter's rate on a replay without a recorded clock
    FollowsClock,  // derived from the measured clock: unknown on a replay without a recorded clock
    Overclock,     // measured against rated clock: unknown unless both are known and the clock is recorded
    TimerName,     // the name of the timer of the last measurement
    BusDataRate,   // the transfers per bus clock, as a short name
};

struct ItemLabelRow {
    int32_t code;
    const char* label;
    Shown shown;
};

// Every item of the query table, in its order.
const ItemLabelRow kItemLabels[] = {
    {INFO_CPU_NAME, "Name with code name", Shown::AsItem},
    {INFO_BUS_DATA_RATE, "Bus data rate", Shown::BusDataRate},
    {INFO_VENDOR_STRING, "Vendor string", Shown::AsItem},
    {INFO_VENDOR_NAME, "Vendor", Shown::AsItem},
    {INFO_BRAND_STRING, "Brand string", Shown::AsItem},
    {INFO_SOCKET, "Socket or package", Shown::AsItem},
    {INFO_PROCESSOR_TYPE, "Processor type", Shown::AsItem},
    {INFO_SIGNATURE, "Signature", Shown::HexText},
    {INFO_L2_SPEED, "L2 speed", Shown::AsItem},
    {INFO_MODEL_NAME, "Model name", Shown::AsItem},
    {INFO_CODE_NAME, "Code name", Shown::AsItem},
    {INFO_PROCESSOR_NAME, "Processor name", Shown::AsItem},
    {INFO_PROCESS_TECH, "Process (micrometres)", Shown::AsItem},
    {INFO_SERIAL_NUMBER, "Serial number", Shown::AsItem},
    {INFO_ARCHITECTURE, "Architecture", Shown::AsItem},
    {INFO_CLOCK_METHOD, "Timer of the last measurement", Shown::TimerName},
    {INFO_MODEL_NUMBER, "Model number", Shown::AsItem},
    {INFO_REVISION, "Core revision", Shown::AsItem},
    {INFO_SPARE_1, "Spare text 1", Shown::AsItem},
    {INFO_CLOCK, "Core clock (MHz)", Shown::Clock},
    {INFO_BUS_CLOCK, "Bus clock (MHz)", Shown::FollowsClock},
    {INFO_FSB_CLOCK, "Front-side bus (MHz)", Shown::FollowsClock},
    {INFO_MULTIPLIER, "Multiplier", Shown::AsItem},
    {INFO_RATED_CLOCK, "Rated clock (MHz)", Shown::AsItem},
    {INFO_RATED_BUS_CLOCK, "Rated bus clock (MHz)", Shown::AsItem},
    {INFO_RATED_FSB_CLOCK, "Rated front-side bus (MHz)", Shown::AsItem},
    {INFO_L2_SPEED_RATIO, "L2 speed ratio", Shown::AsItem},
    {INFO_OVERCLOCK_PERCENT, "Overclock (%)", Shown::Overclock},
    {INFO_MAX_MULTIPLIER, "Maximum multiplier", Shown::AsItem},
    {INFO_MEASURE_CLOCK, "Clock, method 0: 0.5 s by " CPUREPORT_MS_TIMER " (MHz)", Shown::Clock},
    {INFO_UPDATE_MULTIPLIER, "Multiplier, read again", Shown::AsItem},
    {INFO_MEASURE_CLOCK_WT, "Clock, method 1: 1 s by " CPUREPORT_TICK_TIMER " (MHz)", Shown::Clock},
    {INFO_MEASURE_CLOCK_MMT, "Clock, method 2: 1 s by " CPUREPORT_MS_TIMER " (MHz)", Shown::Clock},
    {INFO_MEASURE_CLOCK_QPC, "Clock, method 3: 0.1 s by " CPUREPORT_FINE_TIMER " (MHz)", Shown::Clock},
    {INFO_MEASURE_CLOCK_QPC_QUICK, CPUREPORT_QUICK_CLOCK, Shown::Clock},
    {INFO_FAMILY, "Family", Shown::AsItem},
    {INFO_MODEL, "Model", Shown::AsItem},
    {INFO_STEPPING, "Stepping", Shown::AsItem},
    {INFO_EXT_FAMILY, "Extended family", Shown::AsItem},
    {INFO_EXT_MODEL, "Extended model", Shown::AsItem},
    {INFO_BRAND_ID, "Brand identifier", Shown::AsItem},
    {INFO_APIC_ID, "Initial APIC id", Shown::AsItem},
    {INFO_TRANSMETA_INFO, "Information", Shown::AsItem},
    {INFO_TRANSMETA_CURRENT_CLOCK, "Current clock (MHz)", Shown::AsItem},
    {INFO_TRANSMETA_NOMINAL_CLOCK, "Nominal clock (MHz)", Shown::AsItem},
    {INFO_TRANSMETA_VOLTAGE, "Current voltage (mV)", Shown::AsItem},
    {INFO_TRANSMETA_LEVEL, "Performance level (%)", Shown::AsItem},
    {INFO_TRANSMETA_GATE_DELAY, "Gate delay (fs)", Shown::AsItem},
    {INFO_TRANSMETA_HW_REVISION, "Hardware revision", Shown::AsItem},
    {INFO_TRANSMETA_SW_REVISION, "Software revision", Shown::AsItem},
    {INFO_L1_CODE_ASSOC, "L1 code ways", Shown::CacheText},
    {INFO_L1_CODE_LINE, "L1 code line (bytes)", Shown::CacheText},
    {INFO_L1_DATA_ASSOC, "L1 data ways", Shown::CacheText},
    {INFO_L1_DATA_LINE, "L1 data line (bytes)", Shown::CacheText},
    {INFO_L2_ASSOC, "L2 ways", Shown::CacheText},
    {INFO_L2_LINE, "L2 line (bytes)", Shown::CacheText},
    {INFO_L3_ASSOC, "L3 ways", Shown::CacheText},
    {INFO_L3_LINE, "L3 line (bytes)", Shown::CacheText},
    {INFO_EXT_LEAF_BASE_FAMILY, "Extended-leaf base family", Shown::AsItem},
    {INFO_EXT_LEAF_BASE_MODEL, "Extended-leaf base model", Shown::AsItem},
    {INFO_EXT_LEAF_STEPPING, "Extended-leaf stepping", Shown::AsItem},
    {INFO_FULL_FAMILY, "Full family", Shown::AsItem},
    {INFO_FULL_MODEL, "Full model", Shown::AsItem},
    {INFO_EXT_LEAF_FAMILY, "Extended-leaf family", Shown::AsItem},
    {INFO_EXT_LEAF_MODEL, "Extended-leaf model", Shown::AsItem},
    {INFO_DIE_SIZE, "Die size (mm2)", Shown::AsItem},
    {INFO_TRANSISTOR_COUNT, "Transistors (millions)", Shown::AsItem},
    {INFO_AUX_FIGURE, "Auxiliary figure", Shown::AsItem},
    {INFO_SPARE_2, "Spare text 2", Shown::AsItem},
    {INFO_SPARE_3, "Spare text 3", Shown::AsItem},
    {INFO_SPARE_4, "Spare text 4", Shown::AsItem},
    {INFO_SPARE_5, "Spare text 5", Shown::AsItem},
    {INFO_SPARE_6, "Spare text 6", Shown::AsItem},
    {INFO_SPARE_7, "Spare text 7", Shown::AsItem},
};

// A short name the library writes, and what it means.
struct NameMeaning {
    const char* name;
    const char* meaning;
};

// The library's names of the measurement timers, and what they are here.
const NameMeaning kTimerNames[] = {
    {"WT", CPUREPORT_TICK_TIMER},
    {"MMT", CPUREPORT_MS_TIMER},
    {"QPC", CPUREPORT_FINE_TIMER},
};

// What each `--clock-option` code measures; the methods of the library's clock measurement.
// The library's names of the bus data rates, and what they mean.
const NameMeaning kBusDataRates[] = {
    {"QDR", "4 transfers per bus clock"},
    {"DDR", "2 transfers per bus clock"},
    {"SDR", "1 transfer per bus clock"},
    {"---", "no front-side bus"},
};

const char* const kClockOptionLines[] = {
    "0  cycles over 0.5 s timed by the " CPUREPORT_MS_TIMER " (the default, as cputype measures)",
    "1  cycles over 1 s timed by the " CPUREPORT_TICK_TIMER,
    "2  cycles over 1 s timed by the " CPUREPORT_MS_TIMER,
    "3  cycles over 0.1 s timed by the " CPUREPORT_FINE_TIMER,
    "4  cycles over 0.1 s timed by the " CPUREPORT_FINE_TIMER ", without the warm-up",
    "9  no measurement: the core clock is 0",
    "any other code measures as 1",
    "methods 0 to 3 first keep a processor that lowers its clock when idle busy for 1 s",
#if !defined(_WIN32)
    "the ms and ns clocks: the monotonic clock (CLOCK_MONOTONIC) in milliseconds and in nanoseconds",
#endif
};

const ItemLabelRow* FindLabelRow(int32_t code) {
    for (const ItemLabelRow& row : kItemLabels)
        if (row.code == code) return &row;
    return nullptr;
}

template <typename T>
T FieldOf(const CCpuInfo& record, size_t offset) {
    T value;
    std::memcpy(&value, reinterpret_cast<const char*>(&record) + offset, sizeof value);
    return value;
}

// Without the blanks around it: fixed-point figures have a minimum width ("%4.1f" of 1.0 is " 1.0"), and
// some texts are composed with a leading blank (an AMD model number " 2600+").
std::string Trimmed(const char* text) {
    while (*text == ' ') ++text;
    std::string trimmed = text;
    while (!trimmed.empty() && trimmed.back() == ' ') trimmed.pop_back();
    return trimmed;
}

bool IsUnknownFigure(double value) { return !std::isfinite(value) || value < 0.0; }

ItemView Unknown(const char* why = nullptr) {
    ItemView view;
    view.unknown = true;
    view.shown = why ? std::string("unknown (") + why + ")" : "unknown";
    return view;
}

ItemView Known(std::string shown) {
    ItemView view;
    view.empty = shown.empty();
    view.shown = std::move(shown);
    return view;
}

// Hexadecimal digits with their marker, and the decimal value beside numbers from 10 up.
// "QPC (ns clock)": the name with its meaning; a name the table does not know stays as it is.
template <size_t N>
std::string Explained(const NameMeaning (&names)[N], const char* text) {
    for (const NameMeaning& entry : names)
        if (std::strcmp(entry.name, text) == 0) return std::string(text) + " (" + entry.meaning + ")";
    return text;
}

ItemView HexNumber(const char* text, int32_t value) {
    if (value < 0) return Unknown();
    std::string shown = std::string("0x") + text;
    if (value >= 10) shown += " (" + std::to_string(value) + ")";
    return Known(shown);
}

constexpr char kNoClock[] = "the file records no clock";

ItemView AsItem(const InfoItemRow& row, const char* text, const CCpuInfo& record) {
    switch (row.action) {
        case InfoAction::Copy:
            return Known(Trimmed(text));
        case InfoAction::Fixed2:
        case InfoAction::Fixed1:
        case InfoAction::Remeasure:
        case InfoAction::UpdateMultiplier:
            if (IsUnknownFigure(FieldOf<double>(record, row.fieldOffset))) return Unknown();
            return Known(Trimmed(text));
        case InfoAction::Hex:
        case InfoAction::Hex2:
            return HexNumber(text, FieldOf<int32_t>(record, row.fieldOffset));
        case InfoAction::DecimalIfKnown:
            // The library leaves the text empty while the count is unknown.
            if (FieldOf<int32_t>(record, row.fieldOffset) < 0) {
                ItemView view = Unknown();
                view.empty = true;
                return view;
            }
            return Known(text);
    }
    return Known(text);
}

}  // namespace

const char* ItemLabel(int32_t code) {
    const ItemLabelRow* row = FindLabelRow(code);
    return row ? row->label : nullptr;
}

ItemView PresentItem(const InfoItemRow& row, const char* text, const CCpuInfo& record, const ReportContext& context) {
    const ItemLabelRow* label = FindLabelRow(row.code);
    switch (label ? label->shown : Shown::AsItem) {
        case Shown::AsItem:
            break;
        case Shown::HexText:
            return Known(*text ? std::string("0x") + text : std::string());
        case Shown::CacheText:
            if (*text == '\0' || std::strcmp(text, "-1") == 0) return Unknown();
            return Known(text);
        case Shown::Clock: {
            ItemView view = AsItem(row, text, record);
            if (!view.unknown && !context.clockRecorded)
                view.shown += " (from the simulated counter: " + std::string(kNoClock) + ")";
            return view;
        }
        case Shown::FollowsClock:
            if (!context.clockRecorded) return Unknown(kNoClock);
            break;
        case Shown::Overclock:
            if (!context.clockRecorded) return Unknown(kNoClock);
            // Without both clocks the figure is the record's -100 % placeholder or meaningless.
            if (IsUnknownFigure(record.RatedClock) || record.RatedClock == 0.0 || IsUnknownFigure(record.EffectiveClock))
                return Unknown();
            return Known(Trimmed(text));
        case Shown::TimerName:
            return Known(Explained(kTimerNames, text));
        case Shown::BusDataRate:
            return Known(Explained(kBusDataRates, text));
    }
    return AsItem(row, text, record);
}

std::string ClockOptionHelp(const char* indent) {
    std::string out;
    for (const char* line : kClockOptionLines) out += std::string(indent) + line + "\n";
    return out;
}

}  // namespace tools
