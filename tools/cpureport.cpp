// cpureport: everything the library knows about a processor, as a labelled report or JSON; replay of
// a machine described by a file; and recording of this machine as such a file.
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "cpuinfo/cpu_info.h"
#include "cpuinfo/profile/classic_naming.h"
#include "cpuinfo/profile/profile.h"
#include "platform/machine.h"
#include "platform/machine_file.h"
#include "platform/simulated_machine.h"
#include "tools/atomic_file.h"
#include "tools/item_presentation.h"
#include "tools/machine_description.h"
#include "tools/profile_report.h"

namespace {

constexpr int kUsageError = 2;

struct Options {
    std::optional<std::string> machineFile;
    std::optional<std::string> saveFile;
    bool json = false;
    bool remeasure = true;
    bool all = false;  // the text report shows empty rows and every group too
    uint32_t clockOption = 0;
};

#ifndef CPUTYPE_VERSION
#define CPUTYPE_VERSION "unknown"
#endif

// Every option with its values.
std::string Usage() {
    return std::string(
               "usage: cpureport [--machine FILE] [--json] [--all] [--no-remeasure] [--clock-option N]\n"
               "       cpureport [--machine FILE] --save FILE\n"
               "       cpureport --help | --version\n"
               "Reports everything the cputype library knows about this processor, or about the machine that a\n"
               "machine file or CPUID dump describes.\n"
               "\n"
               "  --machine FILE     report the machine that FILE describes (a machine file or a raw CPUID dump)\n"
               "                     instead of this one\n"
               "  --json             JSON instead of the labelled report: \"items\" (item code -> text),\n"
               "                     \"fields\" (the record), \"labels\" (item code -> label), \"unknown\" (codes)\n"
               "  --all              the labelled report shows empty rows and the groups of other vendors too\n"
               "  --no-remeasure     skip the items that measure the clock again (a few seconds on a real machine)\n"
               "  --save FILE        write the machine's description (CPUID leaves, host facts, clock) to FILE\n"
               "                     instead of a report; with --machine, the replayed machine as it was given\n"
               "  --clock-option N   how the detection measures the core clock (default 0):\n") +
           tools::ClockOptionHelp("                       ") +
           "  --help             this text\n"
           "  --version          the version\n"
           "\n"
           "Exit status: 0 done, 1 standard output could not be written, 2 bad option or unreadable machine file.\n";
}

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
        } else if (arg == "--all") {
            options.all = true;
        } else if (arg == "--help" || arg == "-h") {
            std::fputs(Usage().c_str(), stdout);
            std::exit(FinishOutput());
        } else if (arg == "--version") {
            std::fputs("cpureport (cputype) " CPUTYPE_VERSION "\n", stdout);
            std::exit(FinishOutput());
        } else {
            Fail("unknown option '" + arg + "' (see --help)");
        }
    }
    return options;
}

constexpr int32_t kAnyVendor = 0;
constexpr int32_t kTransmeta = 3;

struct Group {
    const char* title;
    int32_t first;
    int32_t last;
    int32_t vendor;  // kAnyVendor, or the only vendor whose processors have these items
};

const Group kGroups[] = {
    {"Identification", 0x1001, 0x1013, kAnyVendor},
    {"Clocks and multipliers", 0x1020, 0x102F, kAnyVendor},
    {"Signature", 0x1031, 0x1047, kAnyVendor},
    {"Extended signature", 0x10A0, 0x10B4, kAnyVendor},
    {"Caches", 0x1080, 0x1087, kAnyVendor},
    {"Revision", 0x10C0, 0x10C2, kAnyVendor},
    {"Transmeta", 0x1060, 0x1067, kTransmeta},
    {"Spare texts", 0x1214, 0x1226, kAnyVendor},
};

const char* LabelOf(const InfoItemRow& row) {
    const char* label = tools::ItemLabel(row.code);
    return label ? label : row.name;
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
    tools::ItemView view;  // judged on the record right after the item was queried
};

std::vector<ItemText> QueryItems(CCpuInfo& cpu, bool remeasure, const tools::ReportContext& context) {
    std::vector<ItemText> items;
    for (size_t i = 0; i < kInfoItemCount; ++i) {
        const InfoItemRow& row = kInfoItems[i];
        if (!remeasure && IsRemeasuring(row)) continue;
        char buffer[256];
        cpu.GetInfo(row.code, buffer);
        items.push_back({&row, buffer, tools::PresentItem(row, buffer, cpu, context)});
    }
    return items;
}

std::string ItemKey(const InfoItemRow& row) {
    char key[16];
    std::snprintf(key, sizeof key, "0x%04X", static_cast<unsigned>(row.code));
    return key;
}

// "labels": item code -> label, in this platform's words.
std::string LabelsJson(const std::vector<ItemText>& items) {
    std::string out = "{";
    for (size_t i = 0; i < items.size(); ++i) {
        out += i ? ",\n    \"" : "\n    \"";
        out += ItemKey(*items[i].row) + "\": " + JsonString(LabelOf(*items[i].row));
    }
    return out + "\n  }";
}

// "unknown": the codes of the items whose figure was not determined, in table order.
std::string UnknownJson(const std::vector<ItemText>& items) {
    std::string out = "[";
    bool first = true;
    for (const ItemText& item : items) {
        if (!item.view.unknown) continue;
        out += first ? "\"" : ", \"";
        first = false;
        out += ItemKey(*item.row) + "\"";
    }
    return out + "]";
}

void PrintJson(const profile::ProcessorProfile& processor, const CCpuInfo& snapshot,
               const std::vector<ItemText>& items) {
    std::string out = "{\n  \"items\": {";
    for (size_t i = 0; i < items.size(); ++i) {
        out += i ? ",\n    \"" : "\n    \"";
        out += ItemKey(*items[i].row);
        out += "\": " + JsonString(items[i].text.c_str());
    }
    out += "\n  },\n  \"fields\": " + FieldsJson(snapshot);
    out += ",\n  \"processor\": " + ProfileJson(processor, 2);
    out += ",\n  \"labels\": " + LabelsJson(items);
    out += ",\n  \"unknown\": " + UnknownJson(items);
    out += "\n}\n";
    std::fputs(out.c_str(), stdout);
}

bool InGroup(const ItemText& item, const Group& group) {
    return item.row->code >= group.first && item.row->code <= group.last;
}

// The rows a person sees: empty ones only with --all, and a vendor's own group only for its processors.
std::vector<const ItemText*> ShownRows(const std::vector<ItemText>& items, const Group& group, int32_t vendor,
                                       bool all) {
    std::vector<const ItemText*> rows;
    if (!all && group.vendor != kAnyVendor && group.vendor != vendor) return rows;
    for (const ItemText& item : items)
        if (InGroup(item, group) && (all || !item.view.empty)) rows.push_back(&item);
    return rows;
}

void PrintReport(const profile::ProcessorProfile& processor, const std::vector<ItemText>& items, int32_t vendor,
                 bool all) {
    // One label column for the whole report, as wide as its longest label.
    size_t width = kProfileLabelWidth;
    for (const Group& group : kGroups)
        for (const ItemText* item : ShownRows(items, group, vendor, all))
            width = std::max(width, std::strlen(LabelOf(*item->row)));
    std::fputs(ProfileText(processor, static_cast<int>(width) + 1).c_str(), stdout);
    bool firstGroup = true;
    for (const Group& group : kGroups) {
        const std::vector<const ItemText*> rows = ShownRows(items, group, vendor, all);
        if (rows.empty()) continue;
        std::printf("%s%s\n", firstGroup ? "" : "\n", group.title);
        firstGroup = false;
        for (const ItemText* item : rows) {
            const std::string& shown = item->view.shown.empty() ? std::string("(empty)") : item->view.shown;
            std::printf("  %-*s  %s\n", static_cast<int>(width), LabelOf(*item->row), shown.c_str());
        }
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
    profile::ProcessorProfile processor;
    profile::BuildProcessorProfile(profile::ClassicNamingOf(snapshot), processor);

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

    tools::ReportContext context;
    context.clockRecorded = !options.machineFile || loaded.Facts().tscMhzGiven;
    std::vector<ItemText> items = QueryItems(cpu, options.remeasure, context);
    if (options.json)
        PrintJson(processor, snapshot, items);
    else
        PrintReport(processor, items, snapshot.VendorId, options.all);
    return FinishOutput();
}
