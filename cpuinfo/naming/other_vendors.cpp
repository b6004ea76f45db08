// Rise, NexGen and NSC by signature; every other vendor (UMC, Compaq, unrecognised vendor strings) by
// the vendor string of two emulators and by what the operating system reports about its processor.
#include <cstring>

#include "cpuinfo/cpu_info.h"
#include "cpuinfo/naming/name_row.h"
#include "cpuinfo/rule_tables.h"
#include "cpuinfo/rules.h"
#include "cpuinfo/text.h"
#include "platform/machine.h"

namespace {

constexpr Match kRise = When().Vendor(Vendor::Rise);
constexpr Match kNexGen = When().Vendor(Vendor::NexGen);

constexpr NameRow kSignatureRows[] = {
    {kRise.Family(5).Model(0), "mP6 (iDragon)", "Socket 7", "0.25", Core::None, kNoFlags, SplitL1(8, 8)},
    {kRise.Family(5).Model(2), "mP6 (iDragon)", "Socket 7", "0.18", Core::None, kNoFlags, SplitL1(8, 8)},
    {kRise.Family(5).Model(8), "mP6 (iDragon)", "Socket 7", "0.25", Core::None, kNoFlags, SplitL1(8, 8)},
    {kRise.Family(5).Model(9), "mP6 (iDragon II)", "Socket 7", "0.18", Core::None, kNoFlags, SplitL1(8, 8)},
    {kRise, "Unknown CPU", "", ""},
    {kNexGen.Family(5).Model(0), "Nx586", "", "0.44/0.50", Core::None, kNoFlags, SplitL1(16, 16)},
    {kNexGen, "Unknown CPU", "", ""},
    {When().Vendor(Vendor::Nsc), "Geode", "", ""},
};

// The operating system's view of its processor: the architecture code, then the processor type (x86)
// or level (the others).
enum class HostValue : uint8_t { Any, Type, Level };

struct HostMatch {
    uint16_t architecture;
    HostValue compared;
    uint32_t value;

    bool Accepts(const platform::SystemInfo& host) const {
        if (host.architecture != architecture) return false;
        switch (compared) {
            case HostValue::Type: return host.processorType == value;
            case HostValue::Level: return host.processorLevel == value;
            case HostValue::Any: break;
        }
        return true;
    }
};

struct HostRow {
    HostMatch match;
    const char* name;  // null: keep the name found from the vendor string
};

constexpr HostRow kHostRows[] = {
    {{0, HostValue::Type, 386}, "386"},
    {{0, HostValue::Type, 486}, "486"},
    {{0, HostValue::Type, 586}, "Pentium"},
    {{0, HostValue::Any, 0}, nullptr},
    {{1, HostValue::Level, 4}, "MIPS R4000"},
    {{1, HostValue::Any, 0}, "MIPS"},
    {{2, HostValue::Level, 21064}, "Alpha 21064"},
    {{2, HostValue::Level, 21066}, "Alpha 21066"},
    {{2, HostValue::Level, 21164}, "Alpha 21164"},
    {{2, HostValue::Any, 0}, "Alpha"},
    {{3, HostValue::Level, 1}, "PowerPC 601"},
    {{3, HostValue::Level, 3}, "PowerPC 603"},
    {{3, HostValue::Level, 4}, "PowerPC 604"},
    {{3, HostValue::Level, 6}, "PowerPC 603+"},
    {{3, HostValue::Level, 9}, "PowerPC 604+"},
    {{3, HostValue::Level, 20}, "PowerPC 620"},
    {{3, HostValue::Any, 0}, "PowerPC"},
};

const char* NameFromHost(const platform::SystemInfo& host, const char* nameSoFar) {
    const HostRow* row = FirstMatch(kHostRows, host);
    if (!row) return "Unknown CPU";  // an architecture this table does not know
    return row->name ? row->name : nameSoFar;
}

// Two emulators' vendor strings; both comparisons are exact: the emulator's string is "Compaq FX!32",
// not the vendor table's.
struct EmulatorName {
    const char* key;
    const char* name;
};
constexpr EmulatorName kEmulators[] = {{"Compaq FX!32", "Alpha"}, {"ConnectixCPU", "PowerPC"}};

}  // namespace

void CCpuInfo::NameOtherVendor() {
    if (ApplyNameRow(*this, FirstMatch(kSignatureRows, *this))) return;
    const char* name = "";
    for (const EmulatorName& emulator : kEmulators)
        if (std::strcmp(VendorString, emulator.key) == 0) name = emulator.name;
    CopyText(CpuName, NameFromHost(MachineInUse->GetSystemInfo(), name));
    CopyText(Socket, "");
    CopyText(ProcessTech, "");
}

const RuleTableList& OtherVendorTables() {
    static constexpr RuleTable kTables[] = {CPUINFO_RULE_TABLE(kSignatureRows), CPUINFO_TEXT_KEY_TABLE(kEmulators)};
    static constexpr RuleTableList kList = CPUINFO_RULE_TABLE_LIST(kTables);
    return kList;
}
