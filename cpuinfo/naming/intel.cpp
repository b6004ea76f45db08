// Intel naming: market name with code name, socket and process by family, model and the facts that
// tell variants apart (brand identifier, brand string, caches, cores, and on the second pass the
// platform identifier and bus clock); also the core code and the clock and cache flags later steps use.
#include <cstring>

#include "cpuinfo/cpu_info.h"
#include "cpuinfo/naming/name_row.h"
#include "cpuinfo/rule_tables.h"
#include "cpuinfo/rules.h"

namespace {

// The platform identifier is three bits; before the register step reads it, it is -1, which counts
// as odd.
constexpr Values kOddPlatform = OneOf(-1, 1, 3, 5, 7);

constexpr NameRow kFamily3[] = {{Always(), "386", "", ""}};

constexpr NameRow kFamily4[] = {
    {When().Model(OneOf(0, 1)), "486DX", "", "", Core::None, kNoFlags, UnifiedL1(8)},
    {When().Model(2), "486SX", "", "", Core::None, kNoFlags, UnifiedL1(8)},
    {When().Model(3), "486DX2", "", "", Core::None, kNoFlags, UnifiedL1(8)},
    {When().Model(4), "486SL", "", "", Core::None, kNoFlags, UnifiedL1(8)},
    {When().Model(5), "486SX2", "", "", Core::None, kNoFlags, UnifiedL1(8)},
    {When().Model(6), "486", "", ""},
    {When().Model(7), "486DX2 WB", "", "", Core::None, kNoFlags, UnifiedL1(8)},
    {When().Model(8), "486DX4", "", "", Core::None, kNoFlags, UnifiedL1(8)},
    {When().Model(9), "486DX4 WB", "", "", Core::None, kNoFlags, UnifiedL1(8)},
    {Always(), "486", "", ""},
};

// Processor type 1 is an OverDrive part.
constexpr NameRow kFamily5[] = {
    {When().Model(OneOf(0, 1)).ProcessorType(1), "Pentium OverDrive", "", "0.80", Core::None, kNoFlags, SplitL1(8, 8)},
    {When().Model(OneOf(0, 1)), "Pentium (P5)", "", "0.80", Core::None, kNoFlags, SplitL1(8, 8)},
    {When().Model(2).ProcessorType(1), "Pentium OverDrive", "", "0.35", Core::None, kNoFlags, SplitL1(8, 8)},
    {When().Model(2), "Pentium (P54C)", "", "0.50/0.35", Core::None, kNoFlags, SplitL1(8, 8)},
    {When().Model(3), "Pentium OverDrive (P24T)", "", "0.35", Core::None, kNoFlags, SplitL1(8, 8)},
    {When().Model(4).ProcessorType(1), "Pentium MMX OverDrive", "", "0.35", Core::None, kNoFlags, SplitL1(16, 16)},
    {When().Model(4), "Pentium MMX (P55C)", "", "0.35", Core::None, kNoFlags, SplitL1(16, 16)},
    {When().Model(OneOf(5, 6)), "Pentium OverDrive", "", "", Core::None, kNoFlags, SplitL1(8, 8)},
    {When().Model(7), "Pentium (P54C)", "", "0.35", Core::None, kNoFlags, SplitL1(8, 8)},
    {When().Model(8), "Pentium MMX (P55)", "", "0.25", Core::None, kNoFlags, SplitL1(16, 16)},
    {Always(), "Pentium", "", ""},
};

constexpr NameRow kFamily7[] = {{Always(), "Itanium (Merced)", "", ""}};

// Core 2 at 65 nm: family 6 model 15, and extended model 1 model 6.
constexpr NameRow kCore2At65nm[] = {
    {When().Cores(4).Brand("Xeon"), "Xeon (Clovertown)", "LGA771", "0.065", Core::Dothan, kVariableClock},
    {When().Cores(4).Brand("2.66"), "Core 2 Extreme (Kentsfield)", "LGA775", "0.065", Core::Dothan, kVariableClock},
    {When().Cores(4).Brand("2.93"), "Core 2 Extreme (Kentsfield)", "LGA775", "0.065", Core::Dothan, kVariableClock},
    {When().Cores(4), "Core 2 Quad (Kentsfield)", "LGA775", "0.065", Core::Dothan, kVariableClock},
    {When().Brand("Xeon").Brand(" 30"), "Xeon (Conroe)", "LGA775", "0.065", Core::Dothan, kVariableClock},
    {When().PlatformId(2), "Xeon (Woodcrest)", "LGA771", "0.065", Core::Dothan, kVariableClock},
    {When().Processors(4), "Xeon (Woodcrest)", "LGA771", "0.065", Core::Dothan, kVariableClock},
    {When().Brand("Xeon"), "Xeon (Woodcrest)", "LGA771", "0.065", Core::Dothan, kVariableClock},
    {When().Brand("2.93"), "Core 2 Extreme (Conroe)", "LGA775", "0.065", Core::Dothan, kVariableClock},
    {When().Cores(2).PlatformId(5), "Core 2 Duo (Merom)", "Socket 479", "0.065", Core::Dothan, kVariableClock},
    {When().Cores(2).L2(AtMost(1024)), "Pentium DC (Conroe-1M)", "LGA775", "0.065", Core::Dothan, kVariableClock},
    {When().Cores(2).L2(AtMost(2048)), "Core 2 Duo (Allendale)", "LGA775", "0.065", Core::Dothan, kVariableClock},
    {When().Cores(2), "Core 2 Duo (Conroe)", "LGA775", "0.065", Core::Dothan, kVariableClock},
    {When().PlatformId(5), "Celeron (Merom-L)", "Socket 479", "0.065", Core::Dothan, kVariableClock},
    {Always(), "Celeron (Conroe-L)", "LGA775", "0.065", Core::Dothan, kVariableClock},
};

// Family 6 extended model 1 model 7: 45 nm.
constexpr NameRow kPenryn[] = {
    {When().Cores(4).Brand("Xeon"), "Xeon (Penryn)", "LGA771", "0.045", Core::Dothan, kVariableClock},
    {When().Cores(4).Brand("3.33"), "Core 2 Extreme (Yorkfield)", "LGA775", "0.045", Core::Dothan, kVariableClock},
    {When().Cores(4), "Core 2 Quad (Yorkfield)", "LGA775", "0.045", Core::Dothan, kVariableClock},
    {Always(), "Core 2 Duo (Wolfdale)", "LGA775", "0.045", Core::Dothan, kVariableClock},
};

// Family 6 with extended model other than 1, by model. Rows of one model stand together, in order.
constexpr NameRow kFamily6[] = {
    {When().Model(0), "Pentium Pro (P6)", "Socket 8", "0.60", Core::P6},
    {When().Model(1).Stepping(AtMost(2)), "Pentium Pro (P6)", "Socket 8", "0.60", Core::P6},
    {When().Model(1), "Pentium Pro (P6)", "Socket 8", "0.35", Core::P6},
    {When().Model(2), "Pentium Pro (P6)", "Socket 8", "0.35", Core::P6},
    {When().Model(3).ProcessorType(1), "Pentium II OverDrive", "", "0.25", Core::P6},
    {When().Model(3), "Pentium II (Klamath)", "Slot 1", "0.28", Core::P6, kHalfSpeedL2},
    {When().Model(4), "OverDrive", "", ""},
    {When().Model(5).L2(Above(512)), "Pentium II Xeon (Deschutes)", "Slot 2", "0.25", Core::P6},
    {When().Model(5).L2(512).ProcessorType(1), "Pentium II OverDrive", "", "0.25", Core::P6, kHalfSpeedL2},
    {When().Model(5).L2(512), "Pentium II (Deschutes)", "Slot 1", "0.25", Core::P6, kHalfSpeedL2},
    {When().Model(5).L2(0), "Celeron (Covinton)", "Slot 1", "0.25", Core::P6},
    {When().Model(5), "", "", "0.25", Core::P6},
    {When().Model(6).Stepping(OneOf(10, 13)).L2(256), "Mobile Pentium II (Dixon)", "Mobile Module", "0.25",
     Core::P6},
    {When().Model(6).Stepping(OneOf(10, 13)).L2(128), "Mobile Celeron (Dixon-128K)", "Mobile Module", "0.25",
     Core::P6},
    {When().Model(6), "Celeron (Mendocino)", "Socket 370", "0.25", Core::P6},
    {When().Model(7).L2(1024), "Pentium III Xeon (Tanner)", "Slot 2", "0.25", Core::P6},
    {When().Model(7), "Pentium III (Katmai)", "Slot 1", "0.25", Core::P6, kHalfSpeedL2},
    {When().Model(8).BrandId(3), "Pentium III Xeon (Cascades)", "Slot 2", "0.18", Core::Coppermine},
    {When().Model(8).L2(256).PlatformId(kOddPlatform), "Mobile Pentium III (Coppermine)", "Mobile Module", "0.18",
     Core::Coppermine},
    {When().Model(8).L2(256).PlatformId(0), "Pentium III (Coppermine)", "Slot 1", "0.18", Core::Coppermine},
    {When().Model(8).L2(256), "Pentium III (Coppermine)", "Socket 370", "0.18", Core::Coppermine},
    {When().Model(8).L2(AtMost(128)).PlatformId(kOddPlatform), "Mobile Celeron (Coppermine-128K)", "Mobile Module",
     "0.18", Core::Coppermine},
    {When().Model(8).L2(AtMost(128)), "Celeron (Coppermine-128K)", "Socket 370", "0.18", Core::Coppermine},
    {When().Model(8), "", "", "0.18", Core::Coppermine},
    {When().Model(9).L2(1024), "Pentium M (Banias)", "Socket 479", "0.13", Core::Banias, kVariableClock},
    {When().Model(9), "Celeron M (Banias-512K)", "Socket 479", "0.13", Core::Banias},
    {When().Model(10), "Pentium III Xeon (Cascades)", "", "0.18", Core::Coppermine},
    // Model 11: the brand identifier decides before the cache size does.
    {When().Model(11).BrandId(7), "Mobile Celeron (Tualatin)", "Mobile Module", "0.13", Core::Tualatin,
     kVariableClock},
    {When().Model(11).BrandId(6), "Mobile Pentium III-M (Tualatin)", "Mobile Module", "0.13", Core::Tualatin,
     kVariableClock},
    {When().Model(11).BrandId(3).Stepping(AtLeast(1)), "Celeron (Tualatin)", "Socket 370", "0.13", Core::Tualatin},
    {When().Model(11).L2(512), "Pentium III-S (Tualatin)", "Socket 370", "0.13", Core::Tualatin},
    {When().Model(11).BrandId(OneOf(2, 4)), "Pentium III (Tualatin)", "Socket 370", "0.13", Core::Tualatin},
    {When().Model(11), "Celeron (Tualatin)", "Socket 370", "0.13", Core::Tualatin},
    {When().Model(OneOf(12, 13)).L2(1024), "Celeron M (Dothan-1024K)", "Socket 479", "0.09", Core::Dothan},
    {When().Model(OneOf(12, 13)), "Pentium M (Dothan)", "Socket 479", "0.09", Core::Dothan, kVariableClock},
    {When().Model(14).Processors(4), "Xeon (Sossaman)", "Socket 479", "0.065", Core::Dothan, kVariableClock},
    {When().Model(14).Brand("Xeon"), "Xeon (Sossaman)", "Socket 479", "0.065", Core::Dothan, kVariableClock},
    {When().Model(14).L2(1024).Cores(2), "Pentium Dual Core (Yonah)", "Socket 479", "0.065", Core::Dothan,
     kVariableClock},
    {When().Model(14).L2(1024), "Celeron M (Yonah)", "Socket 479", "0.065", Core::Dothan, kVariableClock},
    {When().Model(14).Cores(2), "Core Duo (Yonah DC)", "Socket 479", "0.065", Core::Dothan, kVariableClock},
    {When().Model(14), "Core Solo (Yonah SC)", "Socket 479", "0.065", Core::Dothan, kVariableClock},
};

constexpr NameRow kWillamette[] = {
    {When().BrandId(11).Stepping(Below(3)), "Xeon MP (Foster MP)", "Socket 603", "0.18", Core::Willamette},
    {When().BrandId(12), "Xeon MP (Foster MP)", "Socket 603", "0.18", Core::Willamette},
    {When().BrandId(OneOf(11, 14)), "Xeon (Foster)", "Socket 603", "0.18", Core::Willamette},
    {When().L2(128), "Celeron (Willamette-128K)", "Socket 478", "0.18", Core::Willamette},
    {When().Model(1), "Pentium 4 (Willamette)", "Socket 478", "0.18", Core::Willamette},
    {Always(), "Pentium 4 (Willamette)", "Socket 423", "0.18", Core::Willamette},
};

// Brands 14 and 15 are the mobile Northwood parts.
constexpr Values kMobileNorthwood = OneOf(14, 15);

constexpr NameRow kNorthwood[] = {
    {When().BrandId(12), "Xeon MP (Gallatin)", "Socket 603/604", "0.13", Core::NetBurst},
    {When().BrandId(11), "Xeon (Prestonia)", "Socket 603/604", "0.13", Core::NetBurst},
    {When().BrandId(9).L3(2048), "Pentium 4 XE (Gallatin)", kSocketByPlatform, "0.13", Core::NetBurst},
    {When().L2(256), "Mobile Celeron (Northwood-256K)", "Socket 478", "0.13", Core::NetBurst},
    {When().L2(128).Brand("Pentium"), "Pentium 4 (Northwood-128K)", kSocketByPlatform, "0.13", Core::NetBurst},
    {When().L2(128), "Celeron (Northwood-128K)", kSocketByPlatform, "0.13", Core::NetBurst},
    {When().BrandId(kMobileNorthwood).LogicalPerCore(AtLeast(2)), "Mobile Pentium 4 HT (Northwood)",
     kSocketByPlatform, "0.13", Core::NetBurst, kVariableClock},
    {When().BrandId(kMobileNorthwood).BusClock(AtLeast(125.0)), "Mobile Pentium 4 (Northwood)", kSocketByPlatform,
     "0.13", Core::NetBurst, kVariableClock},
    {When().BrandId(kMobileNorthwood), "Mobile Pentium 4-M (Northwood)", kSocketByPlatform, "0.13",
     Core::NetBurst, kVariableClock},
    {When().LogicalPerCore(AtLeast(2)), "Pentium 4 HT (Northwood)", kSocketByPlatform, "0.13", Core::NetBurst},
    {Always(), "Pentium 4 (Northwood)", kSocketByPlatform, "0.13", Core::NetBurst},
};

// A dual-processor Xeon by its caches and platform, before the desktop names: no "Pentium" in the
// brand string, an L2 of 1 MB or more, not the multiprocessor brand, and the platform, brand or
// brand string of a Xeon.
bool XeonDpPlatform(const CCpuInfo& r) {
    if (r.BrandId == 12) return false;
    return r.PlatformId <= 0 || r.BrandId == 11 || std::strstr(r.BrandString, "Xeon") != nullptr;
}
constexpr Match kXeonDp = When().BrandLacks("Pentium").L2(AtLeast(1024)).And(XeonDpPlatform);

constexpr NameRow kPrescott[] = {
    {kXeonDp.Cores(2), "Xeon (Paxville DP)", "Socket 604", "0.09", Core::NetBurst},
    {kXeonDp.L2(2048), "Xeon (Irwindale)", "Socket 604", "0.09", Core::NetBurst},
    {kXeonDp, "Xeon (Nocona)", "Socket 604", "0.09", Core::NetBurst},
    // The multiprocessor Xeons: brand 12 or "Xeon" in the brand string. An L3 of -1 (no descriptor
    // seen) is not 0: Potomac.
    {When().BrandId(12).Cores(2), "Xeon (Paxville)", "Socket 604", "0.09", Core::NetBurst},
    {When().Brand("Xeon").Cores(2), "Xeon (Paxville)", "Socket 604", "0.09", Core::NetBurst},
    {When().BrandId(12).L3(0), "Xeon MP (Cranford)", "Socket 604", "0.09", Core::NetBurst},
    {When().Brand("Xeon").L3(0), "Xeon MP (Cranford)", "Socket 604", "0.09", Core::NetBurst},
    {When().BrandId(12), "Xeon MP (Potomac)", "Socket 604", "0.09", Core::NetBurst},
    {When().Brand("Xeon"), "Xeon MP (Potomac)", "Socket 604", "0.09", Core::NetBurst},
    {When().Cores(2).LogicalPerCore(2), "Pentium XE (Smithfield)", kSocketByPlatform, "0.09", Core::NetBurst,
     kHyperThreading | kDualCore},
    {When().Cores(2), "Pentium D (Smithfield)", kSocketByPlatform, "0.09", Core::NetBurst,
     kNoHyperThreading | kDualCore},
    {When().L2(2048).BusClock(AtLeast(266.6)), "Pentium 4 XE (Prescott-2M)", kSocketByPlatform, "0.09",
     Core::NetBurst},
    {When().L2(2048), "Pentium 4 HT (Prescott-2M)", kSocketByPlatform, "0.09", Core::NetBurst},
    {When().Brand("obile Celeron").L2(256), "Mobile Celeron (Prescott-256K)", kSocketByPlatform, "0.09",
     Core::NetBurst},
    {When().Brand("obile Celeron").L2(512), "Mobile Celeron (Prescott-512K)", kSocketByPlatform, "0.09",
     Core::NetBurst},
    {When().Brand("Celeron").L2(256), "Celeron D (Prescott-256K)", kSocketByPlatform, "0.09", Core::NetBurst},
    {When().Brand("Celeron").L2(128), "Celeron D (Prescott-128K)", kSocketByPlatform, "0.09", Core::NetBurst},
    {When().Brand("obile").LogicalPerCore(AtLeast(2)), "Mobile Pentium 4 HT (Prescott)", kSocketByPlatform, "0.09",
     Core::NetBurst},
    {When().Brand("obile"), "Mobile Pentium 4 (Prescott)", kSocketByPlatform, "0.09", Core::NetBurst},
    {When().LogicalPerCore(AtLeast(2)), "Pentium 4 HT (Prescott)", kSocketByPlatform, "0.09", Core::NetBurst},
    {Always(), "Pentium 4 (Prescott)", kSocketByPlatform, "0.09", Core::NetBurst},
};

constexpr NameRow kTejas[] = {{Always(), "Pentium 4 (Tejas)", "LGA775", "0.09", Core::NetBurst}};

constexpr NameRow kCedarMill[] = {
    {When().Brand("Xeon"), "Xeon (Dempsey)", "LGA771", "0.065", Core::NetBurst},
    {When().Cores(2).LogicalPerCore(2), "Pentium XE (Presler)", "LGA775", "0.065", Core::NetBurst},
    {When().Cores(2), "Pentium D (Presler)", "LGA775", "0.065", Core::NetBurst},
    {When().L2(AtMost(512)), "Celeron D (Cedar Mill-V)", "LGA775", "0.065", Core::NetBurst},
    {Always(), "Pentium 4 (Cedar Mill)", "LGA775", "0.065", Core::NetBurst},
};

constexpr NameRow kUnknown[] = {{Always(), "Unknown CPU", "", ""}};
constexpr NameRow kItanium2Madison[] = {{Always(), "Itanium 2 (Madison)", "", ""}};
constexpr NameRow kItanium2McKinley[] = {{Always(), "Itanium 2 (McKinley)", "", ""}};

// Which table names the processor. Extended model 1 (45 and 65 nm cores) is told apart from the
// family-6 models before them; an extended model 1 without a table leaves every text empty.
constexpr TableChoice<NameRow> kIntelTables[] = {
    {When().Family(3), kFamily3},
    {When().Family(4), kFamily4},
    {When().Family(5), kFamily5},
    {When().Family(7), kFamily7},
    {When().Family(6).ExtModel(1).Model(6), kCore2At65nm},
    {When().Family(6).ExtModel(1).Model(7), kPenryn},
    {When().Family(6).ExtModel(1), {}},
    {When().Family(6).Model(15), kCore2At65nm},
    {When().Family(6), kFamily6},
    {When().Family(15).ExtFamily(AtLeast(2)), kItanium2Madison},
    {When().Family(15).ExtFamily(1), kItanium2McKinley},
    {When().Family(15).Model(AtMost(1)), kWillamette},
    {When().Family(15).Model(2), kNorthwood},
    {When().Family(15).Model(OneOf(3, 4)), kPrescott},
    {When().Family(15).Model(5), kTejas},
    {When().Family(15).Model(6), kCedarMill},
    {Always(), kUnknown},
};

// The texts of a processor no row names.
constexpr NameRow kNoName = {Always(), "", "", ""};

}  // namespace

void CCpuInfo::NameIntel() {
    IdentifyIntelRevision();
    const NameRow* row = FirstMatchIn(kIntelTables, *this);
    ApplyNameRow(*this, row ? *row : kNoName);
}

const RuleTableList& IntelNamingTables() {
    static constexpr RuleTable kTables[] = {
        CPUINFO_RULE_TABLE(kIntelTables), CPUINFO_RULE_TABLE(kFamily3),     CPUINFO_RULE_TABLE(kFamily4),
        CPUINFO_RULE_TABLE(kFamily5),     CPUINFO_RULE_TABLE(kFamily7),     CPUINFO_RULE_TABLE(kCore2At65nm),
        CPUINFO_RULE_TABLE(kPenryn),      CPUINFO_RULE_TABLE(kFamily6),     CPUINFO_RULE_TABLE(kWillamette),
        CPUINFO_RULE_TABLE(kNorthwood),   CPUINFO_RULE_TABLE(kPrescott),    CPUINFO_RULE_TABLE(kTejas),
        CPUINFO_RULE_TABLE(kCedarMill),   CPUINFO_RULE_TABLE(kUnknown),     CPUINFO_RULE_TABLE(kItanium2Madison),
        CPUINFO_RULE_TABLE(kItanium2McKinley),
    };
    static constexpr RuleTableList kList = CPUINFO_RULE_TABLE_LIST(kTables);
    return kList;
}
