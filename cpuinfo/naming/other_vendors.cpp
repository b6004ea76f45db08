// Rise, NexGen and NSC by signature; every other vendor (UMC, Compaq, unrecognised vendor strings) by
// the vendor string of two emulators and by what the operating system reports about its processor.
#include <cstring>

#include "cpuinfo/cpu_info.h"
#include "cpuinfo/rules.h"
#include "cpuinfo/text.h"
#include "platform/machine.h"

namespace {

using Record = CCpuInfo;

struct VendorRow {
    bool (*when)(const Record&);
    const char* name;
    const char* socket;
    const char* process;
    void (*also)(Record&);
};

bool Is(const Record& r, Vendor vendor, int32_t family, int32_t model) {
    return r.VendorId == vendor && r.Family == family && r.Model == model;
}
void RiseCaches(Record& r) { r.L1CodeSize = 8; r.L1DataSize = 8; }

const VendorRow kSignatureRows[] = {
    {[](const Record& r) { return Is(r, Vendor::Rise, 5, 0); }, "mP6 (iDragon)", "Socket 7", "0.25", RiseCaches},
    {[](const Record& r) { return Is(r, Vendor::Rise, 5, 2); }, "mP6 (iDragon)", "Socket 7", "0.18", RiseCaches},
    {[](const Record& r) { return Is(r, Vendor::Rise, 5, 8); }, "mP6 (iDragon)", "Socket 7", "0.25", RiseCaches},
    {[](const Record& r) { return Is(r, Vendor::Rise, 5, 9); }, "mP6 (iDragon II)", "Socket 7", "0.18", RiseCaches},
    {[](const Record& r) { return r.VendorId == Vendor::Rise; }, "Unknown CPU", "", "", nullptr},
    {[](const Record& r) { return Is(r, Vendor::NexGen, 5, 0); }, "Nx586", "", "0.44/0.50",
     [](Record& r) { r.L1CodeSize = 16; r.L1DataSize = 16; }},
    {[](const Record& r) { return r.VendorId == Vendor::NexGen; }, "Unknown CPU", "", "", nullptr},
    {[](const Record& r) { return r.VendorId == Vendor::Nsc; }, "Geode", "", "", nullptr},
};

// The operating system's view of its processor: the architecture code, then the processor type (x86)
// or level (the others); a row without a value is the architecture's default.
struct HostCondition {
    uint16_t architecture;
    bool byType;    // compare the processor type rather than the level
    uint32_t value;
    bool anyValue;

    explicit operator bool() const { return true; }
    bool operator()(const platform::SystemInfo& host) const {
        if (host.architecture != architecture) return false;
        return anyValue || (byType ? host.processorType : host.processorLevel) == value;
    }
};

struct HostRow {
    HostCondition when;
    const char* name;  // null: keep the name found from the vendor string
};

const HostRow kHostRows[] = {
    {{0, true, 386, false}, "386"},
    {{0, true, 486, false}, "486"},
    {{0, true, 586, false}, "Pentium"},
    {{0, true, 0, true}, nullptr},
    {{1, false, 4, false}, "MIPS R4000"},
    {{1, false, 0, true}, "MIPS"},
    {{2, false, 21064, false}, "Alpha 21064"},
    {{2, false, 21066, false}, "Alpha 21066"},
    {{2, false, 21164, false}, "Alpha 21164"},
    {{2, false, 0, true}, "Alpha"},
    {{3, false, 1, false}, "PowerPC 601"},
    {{3, false, 3, false}, "PowerPC 603"},
    {{3, false, 4, false}, "PowerPC 604"},
    {{3, false, 6, false}, "PowerPC 603+"},
    {{3, false, 9, false}, "PowerPC 604+"},
    {{3, false, 20, false}, "PowerPC 620"},
    {{3, false, 0, true}, "PowerPC"},
};

const char* NameFromHost(const platform::SystemInfo& host, const char* nameSoFar) {
    const HostRow* row = FirstMatch(kHostRows, host);
    if (!row) return "Unknown CPU";  // an architecture this table does not know
    return row->name ? row->name : nameSoFar;
}

}  // namespace

void CCpuInfo::NameOtherVendor() {
    if (const VendorRow* row = FirstMatch(kSignatureRows, *this)) {
        CopyText(CpuName, row->name);
        CopyText(Socket, row->socket);
        CopyText(ProcessTech, row->process);
        if (row->also) row->also(*this);
        return;
    }
    // Both comparisons are exact: the emulator's string is "Compaq FX!32", not the vendor table's.
    const char* name = "";
    if (std::strcmp(VendorString, "Compaq FX!32") == 0) name = "Alpha";
    if (std::strcmp(VendorString, "ConnectixCPU") == 0) name = "PowerPC";
    CopyText(CpuName, NameFromHost(platform::CurrentMachine().GetSystemInfo(), name));
    CopyText(Socket, "");
    CopyText(ProcessTech, "");
}
