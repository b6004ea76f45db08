#include "cpuinfo/cpuid/host_probe.h"

#include <cstring>

#include "cpuinfo/cpu_info.h"
#include "cpuinfo/rule_tables.h"
#include "cpuinfo/rules.h"
#include "cpuinfo/text.h"
#include "platform/machine.h"

namespace {

struct ArchitectureRow {
    uint32_t key;
    const char* name;
};

constexpr ArchitectureRow kArchitectures[] = {
    {0, "x86"}, {1, "MIPS"}, {2, "Alpha"}, {3, "PowerPC"}, {6, "IA64"}, {9, "x64"}, {10, "WOW64"},
};

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

}  // namespace

void MakeIniPath(const char* executablePath, char* out, size_t size) {
    if (size == 0) return;
    CopyTextInto(out, size, executablePath);
    char* dot = std::strrchr(out, '.');
    if (!dot) return;
    *dot = '\0';
    size_t used = static_cast<size_t>(dot - out);
    CopyTextInto(dot, size - used, ".ini");
}

int32_t ParseIniInteger(const char* text) {
    while (IsSpace(*text)) ++text;
    bool negative = false;
    if (*text == '+' || *text == '-') negative = (*text++ == '-');
    int64_t magnitude = 0;
    const int64_t limit = negative ? 2147483648LL : 2147483647LL;
    for (; *text >= '0' && *text <= '9'; ++text) {
        magnitude = magnitude * 10 + (*text - '0');
        if (magnitude > limit) magnitude = limit;  // saturate; keeps the arithmetic defined
    }
    return static_cast<int32_t>(negative ? -magnitude : magnitude);
}

int32_t AbsoluteSetting(int32_t value) {
    if (value == INT32_MIN) return INT32_MAX;
    return value < 0 ? -value : value;
}

const char* ArchitectureNameOf(uint32_t code) {
    const ArchitectureRow* row = FindByKey(kArchitectures, code);
    return row ? row->name : "";
}

void CCpuInfo::InitRecord() {
    platform::Machine& machine = *MachineInUse;

    char executable[260];
    machine.ExecutablePath(executable, sizeof executable);
    char iniPath[260 + 4];
    MakeIniPath(executable, iniPath, sizeof iniPath);
    char setting[256];
    machine.ReadIniString(iniPath, "Setting", "CqDualWaitTime", "1000", setting, sizeof setting);
    const int32_t dualWaitTime = AbsoluteSetting(ParseIniInteger(setting));

    // Every field to its initial value, but the two the driver owns: the affinity mask, stored before
    // this step, and the rescale flag, which only the constructor clears.
    const uint32_t affinityMask = AffinityMask;
    const int32_t rescale = RescaleByMultiplier;
#define CPUINFO_INIT_NUMBER(name, init) name = init;
#define CPUINFO_INIT_TEXT(name, size) std::memset(name, 0, size);
    CPUINFO_RECORD_FIELDS(CPUINFO_INIT_NUMBER, CPUINFO_INIT_NUMBER, CPUINFO_INIT_NUMBER, CPUINFO_INIT_TEXT)
#undef CPUINFO_INIT_NUMBER
#undef CPUINFO_INIT_TEXT
    AffinityMask = affinityMask;
    RescaleByMultiplier = rescale;
    DualWaitTime = dualWaitTime;

    platform::SystemInfo system = machine.GetSystemInfo();
    ProcessorCount = static_cast<int32_t>(system.processorCount);
    CopyText(ArchitectureName, machine.IsWow64() ? "x64" : ArchitectureNameOf(system.architecture));
}

const RuleTableList& HostProbeTables() {
    static constexpr RuleTable kTables[] = {CPUINFO_KEY_TABLE(kArchitectures)};
    static constexpr RuleTableList kList = CPUINFO_RULE_TABLE_LIST(kTables);
    return kList;
}
