// Cyrix and IDT/Centaur: the Cyrix 6x86 line, the WinChip line, and the VIA Cyrix III, C3 and C7.
#include "cpuinfo/cpu_info.h"
#include "cpuinfo/rules.h"
#include "cpuinfo/text.h"

namespace {

using Record = CCpuInfo;

struct ViaRow {
    bool (*when)(const Record&);
    const char* name;
    const char* socket;
    const char* process;
    void (*also)(Record&);  // side effects; null when none
    bool viaBrand;          // the processor is sold under the name "VIA"
};

bool Is(const Record& r, int32_t family, int32_t model) { return r.Family == family && r.Model == model; }

// Family 6 rows hold for both vendor codes; family 5 rows tell Cyrix from IDT.
const ViaRow kViaRows[] = {
    {[](const Record& r) { return Is(r, 6, 10); }, "C7 (Esther)", "NanoBGA 479", "0.09",
     [](Record& r) { r.L2Size = 128; r.CoreCode = Core::Esther; }, true},
    {[](const Record& r) { return Is(r, 6, 9); }, "C3 (Nehemiah)", "Socket 370", "0.13",
     [](Record& r) { r.CoreCode = Core::Nehemiah; r.PowerMgmtCode = 2; }, true},
    {[](const Record& r) { return Is(r, 6, 8); }, "C3 (Ezra-T)", "Socket 370", "0.13",
     [](Record& r) { r.CoreCode = Core::EzraT; r.PowerMgmtCode = 2; }, true},
    {[](const Record& r) { return Is(r, 6, 7) && r.Stepping >= 8; }, "C3 (Ezra)", "Socket 370", "0.13",
     [](Record& r) { r.CoreCode = Core::Ezra; r.PowerMgmtCode = 1; }, true},
    {[](const Record& r) { return Is(r, 6, 7); }, "C3 (Samuel 2)", "Socket 370", "0.15",
     [](Record& r) { r.CoreCode = r.Stepping == 0 ? Core::Samuel : Core::Samuel2; r.PowerMgmtCode = 1; }, true},
    {[](const Record& r) { return Is(r, 6, 6); }, "Cyrix III (Samuel)", "Socket 370", "0.18",
     [](Record& r) { r.CoreCode = Core::Samuel; r.PowerMgmtCode = 1; }, true},
    {[](const Record& r) { return Is(r, 6, 5) && r.Stepping == 1; }, "6x86MX (M II)", "Socket 7", "0.18/0.25",
     [](Record& r) { r.CoreCode = Core::Samuel; }, true},
    {[](const Record& r) { return Is(r, 6, 5); }, "Cyrix III (Joshua)", "Socket 370", "0.18",
     [](Record& r) { r.CoreCode = Core::Samuel; }, true},
    {[](const Record& r) { return Is(r, 6, 0) && r.Stepping == 0; }, "6x86MX (M II)", "Socket 7", "0.35",
     [](Record& r) { r.L1UnifiedSize = 64; }, false},
    {[](const Record& r) { return Is(r, 6, 0); }, "6x86MX (M II)", "Socket 7", "0.30",
     [](Record& r) { r.L1UnifiedSize = 64; }, false},
    {[](const Record& r) { return Is(r, 5, 9) && r.VendorId == Vendor::Idt; }, "WinChip 3", "Socket 7", "0.25", nullptr, false},
    {[](const Record& r) { return Is(r, 5, 8) && r.VendorId == Vendor::Idt; }, "WinChip 2", "Socket 7", "0.35", nullptr, false},
    {[](const Record& r) { return Is(r, 5, 4) && r.VendorId == Vendor::Idt; }, "WinChip C6", "Socket 7", "0.35",
     [](Record& r) { r.L1CodeSize = 32; r.L1DataSize = 32; }, false},
    {[](const Record& r) { return Is(r, 5, 9) && r.VendorId == Vendor::Cyrix; }, "Geode", "", "", nullptr, false},
    {[](const Record& r) { return Is(r, 5, 4) && r.VendorId == Vendor::Cyrix; }, "MediaGX", "", "",
     [](Record& r) { r.L1UnifiedSize = 16; }, false},
    {[](const Record& r) { return Is(r, 5, 2) && r.VendorId == Vendor::Cyrix; }, "6x86 (M I)", "Socket 5/7", "0.35/0.65",
     [](Record& r) { r.L1UnifiedSize = 16; }, false},
    {nullptr, "Unknown CPU", "", "", nullptr, false},
};

struct ViaRevision {
    uint32_t key;  // base family, model and stepping
    const char* revision;
    double dieSize;
    double transistors;
};

const ViaRevision kViaRevisions[] = {
    {0x520, "", -1.0, 3.0},    {0x530, "", 169.0, 3.0},   {0x600, "", 197.0, 6.0},   {0x601, "", 156.0, 6.0},
    {0x651, "", -1.0, 6.0},    {0x660, "S1", 75.0, 11.3}, {0x670, "S2", 52.0, 15.2}, {0x671, "S2", 52.0, 15.2},
    {0x672, "S2", 52.0, 15.2}, {0x678, "E", 52.0, 15.4},  {0x680, "ET", 47.0, 15.5}, {0x689, "ET", 47.0, 15.5},
    {0x691, "N", 47.0, 20.5},  {0x693, "N", 47.0, 20.5},  {0x694, "N", 52.0, 20.5},  {0x695, "N", 52.0, 20.5},
    {0x696, "N", 52.0, 20.5},  {0x697, "N", 52.0, 20.5},  {0x698, "A", 47.0, 20.4},
};

}  // namespace

void CCpuInfo::NameViaCentaur() {
    IdentifyViaRevision();
    const ViaRow* row = FirstMatch(kViaRows, *this);
    CopyText(CpuName, row->name);
    CopyText(Socket, row->socket);
    CopyText(ProcessTech, row->process);
    if (row->also) row->also(*this);
    if (row->viaBrand) CopyText(VendorName, "VIA");
}

void CCpuInfo::IdentifyViaRevision() {
    if (const ViaRevision* entry = FindByKey(kViaRevisions, Std1Eax & 0xFFFu))
        SetRevisionInfo(entry->dieSize, entry->transistors, entry->revision);
    else
        CopyText(RevisionName, "");
}
