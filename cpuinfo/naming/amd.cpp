// AMD naming: the entry for every AMD processor. It records the core revision, then names the
// processor by family: 486 class (4), K5/K6 (5), K7 (6), K8 (15, its own file) and K10 (16).
#include <cstring>

#include "cpuinfo/cpu_info.h"
#include "cpuinfo/naming/amd_rules.h"
#include "cpuinfo/rules.h"
#include "cpuinfo/text.h"

using amd_naming::In;

namespace {

// The three texts a family-4, -5 or -6 rule chooses; they replace CpuName, Socket and ProcessTech.
struct WorkingTexts {
    const char* name;
    const char* socket;
    const char* process;
};

const WorkingTexts kUnknown = {"Unknown CPU", "", ""};

// One row of the family-4, -5 and -6 model tables. A family-6 row without a name lets the mobile
// or desktop table below decide it.
struct ModelRule {
    bool (*when)(const CCpuInfo&);
    const char* name;
    const char* socket;
    const char* process;
    void (*also)(CCpuInfo&);  // null when the row sets nothing else
};

void UnifiedL1Of8(CCpuInfo& r) { r.L1UnifiedSize = 8; }
void UnifiedL1Of16(CCpuInfo& r) { r.L1UnifiedSize = 16; }
void K5Caches(CCpuInfo& r) {
    r.L1CodeSize = 16;
    r.L1DataSize = 8;
}
void LaterK6Core(CCpuInfo& r) { r.CoreCode = Core::K6Late; }
void K7DesktopCore(CCpuInfo& r) { r.CoreCode = Core::K7Desktop; }

// Family 4: no process text.
const ModelRule kFamily4[] = {
    {AMD_WHEN(In(r.Model, {3, 7})), "Am486DX2", "Socket 3", "", UnifiedL1Of8},
    {AMD_WHEN(In(r.Model, {8, 9, 15})), "Am5x86", "Socket 3", "", UnifiedL1Of16},
    {nullptr, "Unknown CPU", "", "", nullptr},
};

// Family 5. Models 12 and 13: the 256 KB on-die L2 makes the K6-III+.
const ModelRule kFamily5[] = {
    {AMD_WHEN(r.Model == 0), "K5", "Socket 5/7", "0.35/0.50", K5Caches},
    {AMD_WHEN(In(r.Model, {1, 2, 3})), "K5", "Socket 5/7", "0.35", K5Caches},
    {AMD_WHEN(r.Model == 6), "K6", "Socket 7", "0.30", nullptr},
    {AMD_WHEN(r.Model == 7), "K6", "Socket 7", "0.25", nullptr},
    {AMD_WHEN(r.Model == 8), "K6-2 (K6-3D)", "Socket 7", "0.25", LaterK6Core},
    {AMD_WHEN(r.Model == 9), "K6-III (Sharptooth)", "Socket 7", "0.25", LaterK6Core},
    {AMD_WHEN(r.Model == 10), "Geode LX", "481-terminal PBGA", "0.13", LaterK6Core},
    {AMD_WHEN(In(r.Model, {12, 13}) && r.L2Size == 256), "K6-III+", "Socket 7 / Mobile", "0.18", LaterK6Core},
    {AMD_WHEN(In(r.Model, {12, 13})), "K6-2+", "Socket 7 / Mobile", "0.18", LaterK6Core},
    {nullptr, "Unknown CPU", "", "", nullptr},
};

// Family 6 by model: fixed rows for the early cores; models 6, 7, 8 and 10 are named by the mobile
// or desktop table; the rest are unknown and leave CoreCode alone.
const ModelRule kFamily6[] = {
    {AMD_WHEN(In(r.Model, {0, 1})), "Athlon (K7)", "Slot A", "0.25", K7DesktopCore},
    {AMD_WHEN(r.Model == 2), "Athlon (K75)", "Slot A", "0.18", K7DesktopCore},
    {AMD_WHEN(r.Model == 3), "Duron (Spitfire)", "Socket A", "0.18", K7DesktopCore},
    {AMD_WHEN(r.Model == 4), "Athlon (Thunderbird)", "Slot A / Socket A", "0.18", K7DesktopCore},
    {AMD_WHEN(In(r.Model, {6, 7})), nullptr, "Socket A", "0.18", nullptr},
    {AMD_WHEN(In(r.Model, {8, 10})), nullptr, "Socket A", "0.13", nullptr},
    {nullptr, "Unknown CPU", "", "", nullptr},
};

struct K7Name {
    bool (*when)(const CCpuInfo&);
    const char* name;
    int32_t sempron;  // 1: a Sempron name, which the speed rating needs to know
};

// Mobile parts (frequency and voltage control announced); the L2 size tells the lines apart.
const K7Name kK7Mobile[] = {
    {AMD_WHEN(r.Model == 6 && r.L2Size == 64), "Mobile Duron (Palomino)", 0},
    {AMD_WHEN(r.Model == 6), "Mobile Athlon 4 (Palomino)", 0},
    {AMD_WHEN(r.Model == 7), "Mobile Duron (Morgan)", 0},
    {AMD_WHEN(r.Model == 8 && r.L2Size == 64), "Mobile Duron (Applebred)", 0},
    {AMD_WHEN(r.Model == 8), "Mobile Athlon XP-M (Thoroughbred)", 0},
    {AMD_WHEN(r.Model == 10 && r.L2Size == 512), "Mobile Athlon XP-M (Barton)", 0},
    {AMD_WHEN(r.Model == 10), "Mobile Athlon XP-M (Thorton)", 0},
};

// CPUID 0x80000001 EDX bit 19: the core is multiprocessor-capable.
bool MpCapable(const CCpuInfo& r) { return ((r.Ext1Edx >> 19) & 1u) != 0; }

// Desktop parts. Within a model the multiprocessor name comes first; the Sempron rules must precede
// the Athlon XP rules of the same cache size. The Barton Sempron needs exactly 12.0; the others only
// "not above 12.0", which the first pass (Multiplier -1.0) satisfies as well.
const K7Name kK7Desktop[] = {
    {AMD_WHEN(r.Model == 6 && r.L2Size == 256 && r.MultiProcessor), "Athlon MP (Palomino)", 0},
    {AMD_WHEN(r.Model == 6 && r.L2Size == 256), "Athlon XP (Palomino)", 0},
    {AMD_WHEN(r.Model == 6 && r.L2Size == 64), "Duron (Morgan)", 0},
    {AMD_WHEN(r.Model == 6), "Athlon XP/MP (Palomino)", 0},
    {AMD_WHEN(r.Model == 7), "Duron (Morgan)", 0},
    {AMD_WHEN(r.Model == 8 && r.L2Size == 256 && r.MultiProcessor), "Athlon MP (Thoroughbred)", 0},
    {AMD_WHEN(r.Model == 8 && MpCapable(r) && r.L2Size == 256 && !(r.Multiplier > 12.0)), "Sempron (Thoroughbred)", 1},
    {AMD_WHEN(r.Model == 8 && r.L2Size == 256), "Athlon XP (Thoroughbred)", 0},
    {AMD_WHEN(r.Model == 8 && r.L2Size == 64), "Duron (Applebred)", 0},
    {AMD_WHEN(r.Model == 8), "Athlon XP/MP (Thoroughbred)", 0},
    {AMD_WHEN(r.Model == 10 && r.L2Size == 512 && r.MultiProcessor), "Athlon MP (Barton)", 0},
    {AMD_WHEN(r.Model == 10 && MpCapable(r) && r.L2Size == 512 && r.Multiplier == 12.0), "Sempron (Barton)", 1},
    {AMD_WHEN(r.Model == 10 && MpCapable(r) && r.L2Size == 256 && !(r.Multiplier > 12.0)), "Sempron (Thorton)", 1},
    {AMD_WHEN(r.Model == 10 && r.L2Size == 512), "Athlon XP (Barton)", 0},
    {AMD_WHEN(r.Model == 10 && r.L2Size == 256), "Athlon XP (Thorton)", 0},
    {AMD_WHEN(r.Model == 10), "Athlon XP/MP (Barton)", 0},
};

WorkingTexts FromModelRule(CCpuInfo& record, const ModelRule* row) {
    if (!row) return kUnknown;
    if (row->also) row->also(record);
    return {row->name, row->socket, row->process};
}

WorkingTexts NameFamily4(CCpuInfo& record) { return FromModelRule(record, FirstMatch(kFamily4, record)); }

WorkingTexts NameFamily5(CCpuInfo& record) { return FromModelRule(record, FirstMatch(kFamily5, record)); }

WorkingTexts NameFamily6(CCpuInfo& record) {
    record.MultiProcessor = (std::strstr(record.BrandString, "MP") || record.ProcessorCount >= 2) ? 1 : 0;

    const ModelRule* model = FirstMatch(kFamily6, record);
    if (!model) return kUnknown;
    if (model->name) return FromModelRule(record, model);

    const K7Name* chosen;
    if (record.HasPowerNow) {
        record.VariableClock = 1;
        record.CoreCode = Core::K7Mobile;
        chosen = FirstMatch(kK7Mobile, record);
    } else {
        record.CoreCode = Core::K7Desktop;
        chosen = FirstMatch(kK7Desktop, record);
    }
    if (!chosen) return kUnknown;
    if (chosen->sempron) record.IsSempron = 1;
    return {chosen->name, model->socket, model->process};
}

struct K10Name {
    bool (*when)(const CCpuInfo&);
    const char* market;
    const char* codeName;
    const char* socket;
};

bool IsOpteron(const CCpuInfo& r) { return std::strstr(r.BrandString, "Opteron") != nullptr; }

// Family 16: server parts by the brand string first; the desktop parts by L3, core count, the
// processor count and (second pass only) the maximum frequency identifier.
const K10Name kFamily16[] = {
    {AMD_WHEN(IsOpteron(r) && r.ProcessorCount >= 8), "Opteron", " (Barcelona)", "Socket F/F+"},
    {AMD_WHEN(IsOpteron(r)), "Opteron", " (Budapest)", "Socket F/F+"},
    {AMD_WHEN(r.L3Size > 0 && r.CoresPerPackage == 4 && r.ProcessorCount == 8), "Phenom FX", " (Agena FX)", "Socket F/F+"},
    {AMD_WHEN(r.L3Size > 0 && r.CoresPerPackage == 4 && r.MaxFid == 63), "Phenom FX", " (Agena FX)", "Socket AM2/AM2+"},
    {AMD_WHEN(r.L3Size > 0 && r.CoresPerPackage == 4), "Phenom X4", " (Agena)", "Socket AM2/AM2+"},
    {AMD_WHEN(r.L3Size > 0 && r.CoresPerPackage == 2), "Phenom X2", " (Kuma)", "Socket AM2/AM2+"},
    {AMD_WHEN(r.CoresPerPackage == 2), "Athlon X2", " (Rana)", "Socket AM2/AM2+"},
    {nullptr, "Sempron", " (Spica)", "Socket AM2/AM2+"},
};

// Writes CpuName and Socket itself; returns the process text.
const char* NameFamily16(CCpuInfo& record) {
    if (record.HasPowerNow) {
        record.VariableClock = 1;
        record.CoreCode = Core::K8Mobile;
    } else {
        record.CoreCode = Core::K8Desktop;
    }
    const K10Name* row = FirstMatch(kFamily16, record);
    if (row) {
        FormatText(record.CpuName, "%s%s", row->market, row->codeName);
        CopyText(record.Socket, row->socket);
    }
    return "0.065";
}

}  // namespace

void CCpuInfo::NameAmd() {
    IdentifyAmdRevision();

    if (FullFamily == 15) {
        NameAmdFamily15();  // writes its own name, socket and process
        return;
    }
    if (FullFamily == 16) {
        CopyText(ProcessTech, NameFamily16(*this));
        return;
    }

    WorkingTexts texts = kUnknown;
    if (FullFamily == 4) texts = NameFamily4(*this);
    else if (FullFamily == 5) texts = NameFamily5(*this);
    else if (FullFamily == 6) texts = NameFamily6(*this);
    CopyText(CpuName, texts.name);
    CopyText(Socket, texts.socket);
    CopyText(ProcessTech, texts.process);
}
