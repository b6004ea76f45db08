// Intel naming: market name with code name, socket and process by family, model and the facts that
// tell variants apart (brand identifier, brand string, caches, cores, and on the second pass the
// platform identifier and bus clock); also the core code and the clock and cache flags later steps use.
#include <cstring>

#include "cpuinfo/cpu_info.h"
#include "cpuinfo/rules.h"
#include "cpuinfo/text.h"

namespace {

using Record = CCpuInfo;

// Marks a row whose socket is the NetBurst socket, chosen by the platform identifier.
const char kNetBurstSocket[] = "<NetBurst>";

struct IntelRow {
    bool (*when)(const Record&);  // null: always
    const char* name;
    const char* socket;
    const char* process;
    void (*also)(Record&);        // side effects; null when none
};

#define WHEN(condition) [](const Record& r) -> bool { return (condition); }
#define ALSO(effects) [](Record& r) { effects; }

bool Brand(const Record& r, const char* text) { return std::strstr(r.BrandString, text) != nullptr; }
// The platform identifier before the register step is -1, which counts as odd.
bool PlatformOdd(const Record& r) { return r.PlatformId % 2 != 0; }
bool ModelIs(const Record& r, int32_t model) { return r.Model == model; }

void Core1(Record& r) { r.CoreCode = Core::P6; }
void Core1Half(Record& r) { r.CoreCode = Core::P6; r.L2HalfSpeed = 1; }
void Core3(Record& r) { r.CoreCode = Core::Coppermine; }
void Core4(Record& r) { r.CoreCode = Core::Tualatin; }
void Core4Variable(Record& r) { r.CoreCode = Core::Tualatin; r.VariableClock = 1; }
void Core7(Record& r) { r.CoreCode = Core::Banias; }
void Core7Variable(Record& r) { r.CoreCode = Core::Banias; r.VariableClock = 1; }
void Core8(Record& r) { r.CoreCode = Core::Dothan; }
void Core8Variable(Record& r) { r.CoreCode = Core::Dothan; r.VariableClock = 1; }
void Core5(Record& r) { r.CoreCode = Core::Willamette; }
void Core6(Record& r) { r.CoreCode = Core::NetBurst; }
void Core6Variable(Record& r) { r.CoreCode = Core::NetBurst; r.VariableClock = 1; }

void L1Unified8(Record& r) { r.L1UnifiedSize = 8; }
void L1Both8(Record& r) { r.L1CodeSize = 8; r.L1DataSize = 8; }
void L1Both16(Record& r) { r.L1CodeSize = 16; r.L1DataSize = 16; }

const IntelRow kFamily3[] = {{nullptr, "386", "", "", nullptr}};

const IntelRow kFamily4[] = {
    {WHEN(r.Model == 0 || r.Model == 1), "486DX", "", "", L1Unified8},
    {WHEN(r.Model == 2), "486SX", "", "", L1Unified8},
    {WHEN(r.Model == 3), "486DX2", "", "", L1Unified8},
    {WHEN(r.Model == 4), "486SL", "", "", L1Unified8},
    {WHEN(r.Model == 5), "486SX2", "", "", L1Unified8},
    {WHEN(r.Model == 6), "486", "", "", nullptr},
    {WHEN(r.Model == 7), "486DX2 WB", "", "", L1Unified8},
    {WHEN(r.Model == 8), "486DX4", "", "", L1Unified8},
    {WHEN(r.Model == 9), "486DX4 WB", "", "", L1Unified8},
    {nullptr, "486", "", "", nullptr},
};

const IntelRow kFamily5[] = {
    {WHEN((r.Model == 0 || r.Model == 1) && r.ProcessorType == 1), "Pentium OverDrive", "", "0.80", L1Both8},
    {WHEN(r.Model == 0 || r.Model == 1), "Pentium (P5)", "", "0.80", L1Both8},
    {WHEN(r.Model == 2 && r.ProcessorType == 1), "Pentium OverDrive", "", "0.35", L1Both8},
    {WHEN(r.Model == 2), "Pentium (P54C)", "", "0.50/0.35", L1Both8},
    {WHEN(r.Model == 3), "Pentium OverDrive (P24T)", "", "0.35", L1Both8},
    {WHEN(r.Model == 4 && r.ProcessorType == 1), "Pentium MMX OverDrive", "", "0.35", L1Both16},
    {WHEN(r.Model == 4), "Pentium MMX (P55C)", "", "0.35", L1Both16},
    {WHEN(r.Model == 5 || r.Model == 6), "Pentium OverDrive", "", "", L1Both8},
    {WHEN(r.Model == 7), "Pentium (P54C)", "", "0.35", L1Both8},
    {WHEN(r.Model == 8), "Pentium MMX (P55)", "", "0.25", L1Both16},
    {nullptr, "Pentium", "", "", nullptr},
};

const IntelRow kFamily7[] = {{nullptr, "Itanium (Merced)", "", "", nullptr}};

// Core 2 at 65 nm: family 6 model 15, and extended model 1 model 6.
const IntelRow kCore2At65nm[] = {
    {WHEN(r.CoresPerPackage == 4 && Brand(r, "Xeon")), "Xeon (Clovertown)", "LGA771", "0.065", Core8Variable},
    {WHEN(r.CoresPerPackage == 4 && (Brand(r, "2.66") || Brand(r, "2.93"))), "Core 2 Extreme (Kentsfield)", "LGA775",
     "0.065", Core8Variable},
    {WHEN(r.CoresPerPackage == 4), "Core 2 Quad (Kentsfield)", "LGA775", "0.065", Core8Variable},
    {WHEN(Brand(r, "Xeon") && Brand(r, " 30")), "Xeon (Conroe)", "LGA775", "0.065", Core8Variable},
    {WHEN(r.PlatformId == 2 || r.ProcessorCount == 4 || Brand(r, "Xeon")), "Xeon (Woodcrest)", "LGA771", "0.065",
     Core8Variable},
    {WHEN(Brand(r, "2.93")), "Core 2 Extreme (Conroe)", "LGA775", "0.065", Core8Variable},
    {WHEN(r.CoresPerPackage == 2 && r.PlatformId == 5), "Core 2 Duo (Merom)", "Socket 479", "0.065", Core8Variable},
    {WHEN(r.CoresPerPackage == 2 && r.L2Size <= 1024), "Pentium DC (Conroe-1M)", "LGA775", "0.065", Core8Variable},
    {WHEN(r.CoresPerPackage == 2 && r.L2Size <= 2048), "Core 2 Duo (Allendale)", "LGA775", "0.065", Core8Variable},
    {WHEN(r.CoresPerPackage == 2), "Core 2 Duo (Conroe)", "LGA775", "0.065", Core8Variable},
    {WHEN(r.PlatformId == 5), "Celeron (Merom-L)", "Socket 479", "0.065", Core8Variable},
    {nullptr, "Celeron (Conroe-L)", "LGA775", "0.065", Core8Variable},
};

// Family 6 extended model 1 model 7: 45 nm.
const IntelRow kPenryn[] = {
    {WHEN(r.CoresPerPackage == 4 && Brand(r, "Xeon")), "Xeon (Penryn)", "LGA771", "0.045", Core8Variable},
    {WHEN(r.CoresPerPackage == 4 && Brand(r, "3.33")), "Core 2 Extreme (Yorkfield)", "LGA775", "0.045", Core8Variable},
    {WHEN(r.CoresPerPackage == 4), "Core 2 Quad (Yorkfield)", "LGA775", "0.045", Core8Variable},
    {nullptr, "Core 2 Duo (Wolfdale)", "LGA775", "0.045", Core8Variable},
};

// Family 6 with extended model other than 1, by model. Rows of one model stand together, in order.
const IntelRow kFamily6[] = {
    {WHEN(ModelIs(r, 0)), "Pentium Pro (P6)", "Socket 8", "0.60", Core1},
    {WHEN(ModelIs(r, 1) && r.Stepping <= 2), "Pentium Pro (P6)", "Socket 8", "0.60", Core1},
    {WHEN(ModelIs(r, 1)), "Pentium Pro (P6)", "Socket 8", "0.35", Core1},
    {WHEN(ModelIs(r, 2)), "Pentium Pro (P6)", "Socket 8", "0.35", Core1},
    {WHEN(ModelIs(r, 3) && r.ProcessorType == 1), "Pentium II OverDrive", "", "0.25", Core1},
    {WHEN(ModelIs(r, 3)), "Pentium II (Klamath)", "Slot 1", "0.28", Core1Half},
    {WHEN(ModelIs(r, 4)), "OverDrive", "", "", nullptr},
    {WHEN(ModelIs(r, 5) && r.L2Size > 512), "Pentium II Xeon (Deschutes)", "Slot 2", "0.25", Core1},
    {WHEN(ModelIs(r, 5) && r.L2Size == 512 && r.ProcessorType == 1), "Pentium II OverDrive", "", "0.25", Core1Half},
    {WHEN(ModelIs(r, 5) && r.L2Size == 512), "Pentium II (Deschutes)", "Slot 1", "0.25", Core1Half},
    {WHEN(ModelIs(r, 5) && r.L2Size == 0), "Celeron (Covinton)", "Slot 1", "0.25", Core1},
    {WHEN(ModelIs(r, 5)), "", "", "0.25", Core1},
    {WHEN(ModelIs(r, 6) && (r.Stepping == 10 || r.Stepping == 13) && r.L2Size == 256), "Mobile Pentium II (Dixon)",
     "Mobile Module", "0.25", Core1},
    {WHEN(ModelIs(r, 6) && (r.Stepping == 10 || r.Stepping == 13) && r.L2Size == 128),
     "Mobile Celeron (Dixon-128K)", "Mobile Module", "0.25", Core1},
    {WHEN(ModelIs(r, 6)), "Celeron (Mendocino)", "Socket 370", "0.25", Core1},
    {WHEN(ModelIs(r, 7) && r.L2Size == 1024), "Pentium III Xeon (Tanner)", "Slot 2", "0.25", Core1},
    {WHEN(ModelIs(r, 7)), "Pentium III (Katmai)", "Slot 1", "0.25", Core1Half},
    {WHEN(ModelIs(r, 8) && r.BrandId == 3), "Pentium III Xeon (Cascades)", "Slot 2", "0.18", Core3},
    {WHEN(ModelIs(r, 8) && r.L2Size == 256 && PlatformOdd(r)), "Mobile Pentium III (Coppermine)", "Mobile Module",
     "0.18", Core3},
    {WHEN(ModelIs(r, 8) && r.L2Size == 256 && r.PlatformId == 0), "Pentium III (Coppermine)", "Slot 1", "0.18", Core3},
    {WHEN(ModelIs(r, 8) && r.L2Size == 256), "Pentium III (Coppermine)", "Socket 370", "0.18", Core3},
    {WHEN(ModelIs(r, 8) && r.L2Size <= 128 && PlatformOdd(r)), "Mobile Celeron (Coppermine-128K)", "Mobile Module",
     "0.18", Core3},
    {WHEN(ModelIs(r, 8) && r.L2Size <= 128), "Celeron (Coppermine-128K)", "Socket 370", "0.18", Core3},
    {WHEN(ModelIs(r, 8)), "", "", "0.18", Core3},
    {WHEN(ModelIs(r, 9) && r.L2Size == 1024), "Pentium M (Banias)", "Socket 479", "0.13", Core7Variable},
    {WHEN(ModelIs(r, 9)), "Celeron M (Banias-512K)", "Socket 479", "0.13", Core7},
    {WHEN(ModelIs(r, 10)), "Pentium III Xeon (Cascades)", "", "0.18", Core3},
    // Model 11: the brand identifier decides before the cache size does.
    {WHEN(ModelIs(r, 11) && r.BrandId == 7), "Mobile Celeron (Tualatin)", "Mobile Module", "0.13", Core4Variable},
    {WHEN(ModelIs(r, 11) && r.BrandId == 6), "Mobile Pentium III-M (Tualatin)", "Mobile Module", "0.13", Core4Variable},
    {WHEN(ModelIs(r, 11) && r.BrandId == 3 && r.Stepping >= 1), "Celeron (Tualatin)", "Socket 370", "0.13", Core4},
    {WHEN(ModelIs(r, 11) && r.L2Size == 512), "Pentium III-S (Tualatin)", "Socket 370", "0.13", Core4},
    {WHEN(ModelIs(r, 11) && (r.BrandId == 4 || r.BrandId == 2)), "Pentium III (Tualatin)", "Socket 370", "0.13", Core4},
    {WHEN(ModelIs(r, 11)), "Celeron (Tualatin)", "Socket 370", "0.13", Core4},
    {WHEN((ModelIs(r, 12) || ModelIs(r, 13)) && r.L2Size == 1024), "Celeron M (Dothan-1024K)", "Socket 479", "0.09",
     Core8},
    {WHEN(ModelIs(r, 12) || ModelIs(r, 13)), "Pentium M (Dothan)", "Socket 479", "0.09", Core8Variable},
    {WHEN(ModelIs(r, 14) && (r.ProcessorCount == 4 || Brand(r, "Xeon"))), "Xeon (Sossaman)", "Socket 479", "0.065",
     Core8Variable},
    {WHEN(ModelIs(r, 14) && r.L2Size == 1024 && r.CoresPerPackage == 2), "Pentium Dual Core (Yonah)", "Socket 479",
     "0.065", Core8Variable},
    {WHEN(ModelIs(r, 14) && r.L2Size == 1024), "Celeron M (Yonah)", "Socket 479", "0.065", Core8Variable},
    {WHEN(ModelIs(r, 14) && r.CoresPerPackage == 2), "Core Duo (Yonah DC)", "Socket 479", "0.065", Core8Variable},
    {WHEN(ModelIs(r, 14)), "Core Solo (Yonah SC)", "Socket 479", "0.065", Core8Variable},
};

const IntelRow kWillamette[] = {
    {WHEN((r.BrandId == 11 && r.Stepping < 3) || r.BrandId == 12), "Xeon MP (Foster MP)", "Socket 603", "0.18", Core5},
    {WHEN(r.BrandId == 14 || r.BrandId == 11), "Xeon (Foster)", "Socket 603", "0.18", Core5},
    {WHEN(r.L2Size == 128), "Celeron (Willamette-128K)", "Socket 478", "0.18", Core5},
    {WHEN(r.Model == 1), "Pentium 4 (Willamette)", "Socket 478", "0.18", Core5},
    {nullptr, "Pentium 4 (Willamette)", "Socket 423", "0.18", Core5},
};

bool MobileNorthwood(const Record& r) { return r.BrandId == 14 || r.BrandId == 15; }

const IntelRow kNorthwood[] = {
    {WHEN(r.BrandId == 12), "Xeon MP (Gallatin)", "Socket 603/604", "0.13", Core6},
    {WHEN(r.BrandId == 11), "Xeon (Prestonia)", "Socket 603/604", "0.13", Core6},
    {WHEN(r.BrandId == 9 && r.L3Size == 2048), "Pentium 4 XE (Gallatin)", kNetBurstSocket, "0.13", Core6},
    {WHEN(r.L2Size == 256), "Mobile Celeron (Northwood-256K)", "Socket 478", "0.13", Core6},
    {WHEN(r.L2Size == 128 && Brand(r, "Pentium")), "Pentium 4 (Northwood-128K)", kNetBurstSocket, "0.13", Core6},
    {WHEN(r.L2Size == 128), "Celeron (Northwood-128K)", kNetBurstSocket, "0.13", Core6},
    {WHEN(MobileNorthwood(r) && r.LogicalPerCore >= 2), "Mobile Pentium 4 HT (Northwood)", kNetBurstSocket, "0.13",
     Core6Variable},
    {WHEN(MobileNorthwood(r) && r.BusClock >= 125.0), "Mobile Pentium 4 (Northwood)", kNetBurstSocket, "0.13",
     Core6Variable},
    {WHEN(MobileNorthwood(r)), "Mobile Pentium 4-M (Northwood)", kNetBurstSocket, "0.13", Core6Variable},
    {WHEN(r.LogicalPerCore >= 2), "Pentium 4 HT (Northwood)", kNetBurstSocket, "0.13", Core6},
    {nullptr, "Pentium 4 (Northwood)", kNetBurstSocket, "0.13", Core6},
};

// A Xeon by its caches and platform, before the desktop names.
bool XeonDp(const Record& r) {
    return !Brand(r, "Pentium") && r.L2Size >= 1024 && r.BrandId != 12 &&
           (r.PlatformId <= 0 || r.BrandId == 11 || Brand(r, "Xeon"));
}
bool XeonMp(const Record& r) { return r.BrandId == 12 || Brand(r, "Xeon"); }

const IntelRow kPrescott[] = {
    {WHEN(XeonDp(r) && r.CoresPerPackage == 2), "Xeon (Paxville DP)", "Socket 604", "0.09", Core6},
    {WHEN(XeonDp(r) && r.L2Size == 2048), "Xeon (Irwindale)", "Socket 604", "0.09", Core6},
    {WHEN(XeonDp(r)), "Xeon (Nocona)", "Socket 604", "0.09", Core6},
    {WHEN(XeonMp(r) && r.CoresPerPackage == 2), "Xeon (Paxville)", "Socket 604", "0.09", Core6},
    // An L3 of -1 (no descriptor seen) is not 0: Potomac.
    {WHEN(XeonMp(r) && r.L3Size == 0), "Xeon MP (Cranford)", "Socket 604", "0.09", Core6},
    {WHEN(XeonMp(r)), "Xeon MP (Potomac)", "Socket 604", "0.09", Core6},
    {WHEN(r.CoresPerPackage == 2 && r.LogicalPerCore == 2), "Pentium XE (Smithfield)", kNetBurstSocket, "0.09",
     ALSO(r.CoreCode = Core::NetBurst; r.HasHtt = 1; r.IsDualCore = 1)},
    {WHEN(r.CoresPerPackage == 2), "Pentium D (Smithfield)", kNetBurstSocket, "0.09",
     ALSO(r.CoreCode = Core::NetBurst; r.HasHtt = 0; r.IsDualCore = 1)},
    {WHEN(r.L2Size == 2048 && r.BusClock >= 266.6), "Pentium 4 XE (Prescott-2M)", kNetBurstSocket, "0.09", Core6},
    {WHEN(r.L2Size == 2048), "Pentium 4 HT (Prescott-2M)", kNetBurstSocket, "0.09", Core6},
    {WHEN(Brand(r, "obile Celeron") && r.L2Size == 256), "Mobile Celeron (Prescott-256K)", kNetBurstSocket, "0.09",
     Core6},
    {WHEN(Brand(r, "obile Celeron") && r.L2Size == 512), "Mobile Celeron (Prescott-512K)", kNetBurstSocket, "0.09",
     Core6},
    {WHEN(Brand(r, "Celeron") && r.L2Size == 256), "Celeron D (Prescott-256K)", kNetBurstSocket, "0.09", Core6},
    {WHEN(Brand(r, "Celeron") && r.L2Size == 128), "Celeron D (Prescott-128K)", kNetBurstSocket, "0.09", Core6},
    {WHEN(Brand(r, "obile") && r.LogicalPerCore >= 2), "Mobile Pentium 4 HT (Prescott)", kNetBurstSocket, "0.09",
     Core6},
    {WHEN(Brand(r, "obile")), "Mobile Pentium 4 (Prescott)", kNetBurstSocket, "0.09", Core6},
    {WHEN(r.LogicalPerCore >= 2), "Pentium 4 HT (Prescott)", kNetBurstSocket, "0.09", Core6},
    {nullptr, "Pentium 4 (Prescott)", kNetBurstSocket, "0.09", Core6},
};

const IntelRow kTejas[] = {{nullptr, "Pentium 4 (Tejas)", "LGA775", "0.09", Core6}};

const IntelRow kCedarMill[] = {
    {WHEN(Brand(r, "Xeon")), "Xeon (Dempsey)", "LGA771", "0.065", Core6},
    {WHEN(r.CoresPerPackage == 2 && r.LogicalPerCore == 2), "Pentium XE (Presler)", "LGA775", "0.065", Core6},
    {WHEN(r.CoresPerPackage == 2), "Pentium D (Presler)", "LGA775", "0.065", Core6},
    {WHEN(r.L2Size <= 512), "Celeron D (Cedar Mill-V)", "LGA775", "0.065", Core6},
    {nullptr, "Pentium 4 (Cedar Mill)", "LGA775", "0.065", Core6},
};

const IntelRow kUnknown[] = {{nullptr, "Unknown CPU", "", "", nullptr}};
const IntelRow kItanium2Madison[] = {{nullptr, "Itanium 2 (Madison)", "", "", nullptr}};
const IntelRow kItanium2McKinley[] = {{nullptr, "Itanium 2 (McKinley)", "", "", nullptr}};

#undef WHEN
#undef ALSO

const char* NetBurstSocket(const Record& r) {
    if (r.PlatformId == 2 || r.PlatformId == 3) return "Socket 478";
    if (r.PlatformId == 4) return "LGA775";
    return "Socket 478/LGA775";
}

template <size_t N>
const IntelRow* Pick(const IntelRow (&rows)[N], const Record& r) {
    return FirstMatch(rows, r);
}

// The row that names this processor, or null when its table leaves every text empty.
const IntelRow* ChooseRow(const Record& r) {
    switch (r.Family) {
        case 3: return Pick(kFamily3, r);
        case 4: return Pick(kFamily4, r);
        case 5: return Pick(kFamily5, r);
        case 7: return Pick(kFamily7, r);
        case 6:
            if (r.ExtModel == 1) {
                if (r.Model == 6) return Pick(kCore2At65nm, r);
                if (r.Model == 7) return Pick(kPenryn, r);
                return nullptr;
            }
            if (r.Model == 15) return Pick(kCore2At65nm, r);
            return Pick(kFamily6, r);
        case 15:
            if (r.ExtFamily >= 2) return Pick(kItanium2Madison, r);
            if (r.ExtFamily == 1) return Pick(kItanium2McKinley, r);
            if (r.Model <= 1) return Pick(kWillamette, r);
            if (r.Model == 2) return Pick(kNorthwood, r);
            if (r.Model == 3 || r.Model == 4) return Pick(kPrescott, r);
            if (r.Model == 5) return Pick(kTejas, r);
            if (r.Model == 6) return Pick(kCedarMill, r);
            return Pick(kUnknown, r);
        default: return Pick(kUnknown, r);
    }
}

}  // namespace

void CCpuInfo::NameIntel() {
    IdentifyIntelRevision();
    const IntelRow* row = ChooseRow(*this);
    const char* name = row ? row->name : "";
    const char* socket = row ? row->socket : "";
    const char* process = row ? row->process : "";
    if (socket == kNetBurstSocket) socket = NetBurstSocket(*this);
    if (row && row->also) row->also(*this);
    CopyText(CpuName, name);
    CopyText(Socket, socket);
    CopyText(ProcessTech, process);
}
