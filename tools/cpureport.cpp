// cpureport: everything the library knows about a processor, as a labelled report or JSON; replay of
// a machine described by a file; and recording of this machine as such a file.
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "cpuinfo/cpu_info.h"
#include "platform/machine.h"
#include "platform/machine_file.h"
#include "platform/simulated_machine.h"
#include "tools/atomic_file.h"
#include "tools/machine_description.h"

namespace {

constexpr int kUsageError = 2;

struct Options {
    std::optional<std::string> machineFile;
    std::optional<std::string> saveFile;
    bool json = false;
    bool remeasure = true;
    uint32_t clockOption = 0;
};

const char kUsage[] =
    "usage: cpureport [--machine FILE] [--json] [--save FILE] [--clock-option N] [--no-remeasure]\n"
    "  --machine FILE     report the machine that FILE describes instead of this one\n"
    "  --json             JSON instead of the labelled report\n"
    "  --save FILE        write this machine's description (CPUID leaves, host facts, clock) to FILE\n"
    "  --clock-option N   clock measurement method of the detection (default 0)\n"
    "  --no-remeasure     skip the items that measure the clock again (they take seconds on a real machine)\n";

[[noreturn]] void Fail(const std::string& message) {
    std::fprintf(stderr, "cpureport: %s\n", message.c_str());
    std::exit(kUsageError);
}

// Everything written to standard output must have arrived: a full disk or a closed pipe is an error.
int FinishOutput() {
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "cpureport: cannot write to standard output: %s\n", std::strerror(errno));
        return 1;
    }
    return 0;
}

Options ParseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        auto value = [&](const char* option) -> std::string {
            if (i + 1 >= argc) Fail(std::string(option) + " needs a value");
            return argv[++i];
        };
        if (arg == "--machine") {
            options.machineFile = value("--machine");
        } else if (arg == "--save") {
            options.saveFile = value("--save");
        } else if (arg == "--json") {
            options.json = true;
        } else if (arg == "--no-remeasure") {
            options.remeasure = false;
        } else if (arg == "--clock-option") {
            std::string text = value("--clock-option");
            char* end = nullptr;
            unsigned long n = std::strtoul(text.c_str(), &end, 10);
            if (text.empty() || *end != '\0' || text[0] == '-' || n > 0xFFFFFFFFul)
                Fail("--clock-option needs a number from 0 to 4294967295, not '" + text + "'");
            options.clockOption = static_cast<uint32_t>(n);
        } else if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            std::exit(FinishOutput());
        } else {
            Fail("unknown option '" + arg + "' (see --help)");
        }
    }
    return options;
}

struct Group {
    const char* title;
    int32_t first;
    int32_t last;
};

const Group kGroups[] = {
    {"Identification", 0x1001, 0x1013},      {"Clocks and multipliers", 0x1020, 0x102F},
    {"Signature", 0x1031, 0x1047},           {"Extended signature", 0x10A0, 0x10B4},
    {"Caches", 0x1080, 0x1087},              {"Revision", 0x10C0, 0x10C2},
    {"Transmeta", 0x1060, 0x1067},           {"Spare texts", 0x1214, 0x1226},
};

struct Label {
    int32_t code;
    const char* text;
};

const Label kLabels[] = {
    {INFO_CPU_NAME, "Name with code name"}, {INFO_BUS_DATA_RATE, "Bus data rate"},
    {INFO_VENDOR_STRING, "Vendor string"}, {INFO_VENDOR_NAME, "Vendor"}, {INFO_BRAND_STRING, "Brand string"},
    {INFO_SOCKET, "Socket / package"}, {INFO_PROCESSOR_TYPE, "Processor type"}, {INFO_SIGNATURE, "Signature"},
    {INFO_L2_SPEED, "L2 speed"}, {INFO_MODEL_NAME, "Model"}, {INFO_CODE_NAME, "Code name"},
    {INFO_PROCESSOR_NAME, "Processor name"}, {INFO_PROCESS_TECH, "Process (um)"},
    {INFO_SERIAL_NUMBER, "Serial number"}, {INFO_ARCHITECTURE, "Architecture"},
    {INFO_CLOCK_METHOD, "Clock timer"}, {INFO_MODEL_NUMBER, "Model number"}, {INFO_REVISION, "Core revision"},
    {INFO_SPARE_1, "Spare text 1"}, {INFO_CLOCK, "Core clock (MHz)"}, {INFO_BUS_CLOCK, "Bus clock (MHz)"},
    {INFO_FSB_CLOCK, "Front-side bus (MHz)"}, {INFO_MULTIPLIER, "Multiplier"},
    {INFO_RATED_CLOCK, "Rated clock (MHz)"}, {INFO_RATED_BUS_CLOCK, "Rated bus clock (MHz)"},
    {INFO_RATED_FSB_CLOCK, "Rated front-side bus (MHz)"}, {INFO_L2_SPEED_RATIO, "L2 speed ratio"},
    {INFO_OVERCLOCK_PERCENT, "Overclock (%)"}, {INFO_MAX_MULTIPLIER, "Maximum multiplier"},
    {INFO_MEASURE_CLOCK, "Clock, measured again (MMT, 500 ms)"},
    {INFO_UPDATE_MULTIPLIER, "Multiplier, read again"},
    {INFO_MEASURE_CLOCK_WT, "Clock, measured again (tick count)"},
    {INFO_MEASURE_CLOCK_MMT, "Clock, measured again (multimedia timer)"},
    {INFO_MEASURE_CLOCK_QPC, "Clock, measured again (performance counter)"},
    {INFO_MEASURE_CLOCK_QPC_QUICK, "Clock, measured again (performance counter, no warm-up)"},
    {INFO_FAMILY, "Family"}, {INFO_MODEL, "Model"}, {INFO_STEPPING, "Stepping"},
    {INFO_EXT_FAMILY, "Extended family"}, {INFO_EXT_MODEL, "Extended model"}, {INFO_BRAND_ID, "Brand identifier"},
    {INFO_APIC_ID, "Initial APIC id"}, {INFO_TRANSMETA_INFO, "Information"},
    {INFO_TRANSMETA_CURRENT_CLOCK, "Current clock (MHz)"}, {INFO_TRANSMETA_NOMINAL_CLOCK, "Nominal clock (MHz)"},
    {INFO_TRANSMETA_VOLTAGE, "Current voltage"}, {INFO_TRANSMETA_LEVEL, "Performance level"},
    {INFO_TRANSMETA_GATE_DELAY, "Gate delay"}, {INFO_TRANSMETA_HW_REVISION, "Hardware revision"},
    {INFO_TRANSMETA_SW_REVISION, "Software revision"}, {INFO_L1_CODE_ASSOC, "L1 code ways"},
    {INFO_L1_CODE_LINE, "L1 code line (bytes)"}, {INFO_L1_DATA_ASSOC, "L1 data ways"},
    {INFO_L1_DATA_LINE, "L1 data line (bytes)"}, {INFO_L2_ASSOC, "L2 ways"}, {INFO_L2_LINE, "L2 line (bytes)"},
    {INFO_L3_ASSOC, "L3 ways"}, {INFO_L3_LINE, "L3 line (bytes)"},
    {INFO_EXT_LEAF_BASE_FAMILY, "Extended-leaf base family"}, {INFO_EXT_LEAF_BASE_MODEL, "Extended-leaf base model"},
    {INFO_EXT_LEAF_STEPPING, "Extended-leaf stepping"}, {INFO_FULL_FAMILY, "Full family"},
    {INFO_FULL_MODEL, "Full model"}, {INFO_EXT_LEAF_FAMILY, "Extended-leaf family"},
    {INFO_EXT_LEAF_MODEL, "Extended-leaf model"}, {INFO_DIE_SIZE, "Die size (mm2)"},
    {INFO_TRANSISTOR_COUNT, "Transistors (millions)"}, {INFO_AUX_FIGURE, "Auxiliary figure"},
    {INFO_SPARE_2, "Spare text 2"}, {INFO_SPARE_3, "Spare text 3"}, {INFO_SPARE_4, "Spare text 4"},
    {INFO_SPARE_5, "Spare text 5"}, {INFO_SPARE_6, "Spare text 6"}, {INFO_SPARE_7, "Spare text 7"},
};

const char* LabelOf(const InfoItemRow& row) {
    for (const Label& label : kLabels)
        if (label.code == row.code) return label.text;
    return row.name;
}

bool IsRemeasuring(const InfoItemRow& row) {
    return row.action == InfoAction::Remeasure || row.action == InfoAction::UpdateMultiplier;
}

std::string JsonString(const char* text) {
    std::string out = "\"";
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p) {
        if (*p == '"' || *p == '\\') {
            out += '\\';
            out += static_cast<char>(*p);
        } else if (*p < 0x20 || *p >= 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04X", *p);
            out += escaped;
        } else {
            out += static_cast<char>(*p);
        }
    }
    return out + "\"";
}

std::string JsonNumber(double value) {
    if (!std::isfinite(value)) return "null";
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

std::string FieldsJson(const CCpuInfo& r) {
    std::string out = "{";
    bool first = true;
    auto add = [&](const char* name, const std::string& value) {
        out += first ? "\n    " : ",\n    ";
        first = false;
        out += "\"";
        out += name;
        out += "\": " + value;
    };
#define JSON_I32(name, init) add(#name, std::to_string(r.name));
#define JSON_U32(name, init) add(#name, std::to_string(r.name));
#define JSON_F64(name, init) add(#name, JsonNumber(r.name));
#define JSON_TEXT(name, size) add(#name, JsonString(r.name));
    CPUINFO_RECORD_FIELDS(JSON_I32, JSON_U32, JSON_F64, JSON_TEXT)
#undef JSON_I32
#undef JSON_U32
#undef JSON_F64
#undef JSON_TEXT
    return out + "\n  }";
}

struct ItemText {
    const InfoItemRow* row;
    std::string text;
};

std::vector<ItemText> QueryItems(CCpuInfo& cpu, bool remeasure) {
    std::vector<ItemText> items;
    for (size_t i = 0; i < kInfoItemCount; ++i) {
        const InfoItemRow& row = kInfoItems[i];
        if (!remeasure && IsRemeasuring(row)) continue;
        char buffer[256];
        cpu.GetInfo(row.code, buffer);
        items.push_back({&row, buffer});
    }
    return items;
}

void PrintJson(const CCpuInfo& snapshot, const std::vector<ItemText>& items) {
    std::string out = "{\n  \"items\": {";
    for (size_t i = 0; i < items.size(); ++i) {
        char key[16];
        std::snprintf(key, sizeof key, "0x%04X", static_cast<unsigned>(items[i].row->code));
        out += i ? ",\n    \"" : "\n    \"";
        out += key;
        out += "\": " + JsonString(items[i].text.c_str());
    }
    out += "\n  },\n  \"fields\": " + FieldsJson(snapshot) + "\n}\n";
    std::fputs(out.c_str(), stdout);
}

void PrintReport(const std::vector<ItemText>& items) {
    for (const Group& group : kGroups) {
        std::printf("%s\n", group.title);
        for (const ItemText& item : items)
            if (item.row->code >= group.first && item.row->code <= group.last)
                std::printf("  %-44s %s\n", LabelOf(*item.row), item.text.c_str());
        std::printf("\n");
    }
}

}  // namespace

int main(int argc, char** argv) {
    Options options = ParseOptions(argc, argv);

    platform::SimulatedMachine loaded;
    std::optional<platform::ScopedMachine> replay;
    if (options.machineFile) {
        std::string error;
        if (!platform::LoadMachineFile(*options.machineFile, loaded, error)) Fail(error);
        replay.emplace(loaded);
    }

    CCpuInfo cpu(0x100, options.clockOption);
    const CCpuInfo snapshot = cpu;  // the record as construction left it

    if (options.saveFile) {
        // A replayed machine is saved as it was given; this machine as it answers.
        const std::string description = options.machineFile
                                            ? tools::DescribeMachine(loaded)
                                            : tools::DescribeMachine(platform::CurrentMachine(), snapshot);
        std::string error;
        if (!tools::WriteFileAtomically(*options.saveFile, description, error)) Fail(error);
        std::printf("machine written to %s\n", options.saveFile->c_str());
        return FinishOutput();
    }

    std::vector<ItemText> items = QueryItems(cpu, options.remeasure);
    if (options.json)
        PrintJson(snapshot, items);
    else
        PrintReport(items);
    return FinishOutput();
}
