// AMD naming: the entry for every AMD processor. It records the core revision, sets the core code by
// family and model, then names the processor by family: 486 class (4), K5/K6 (5), K7 (6), K8 (15,
// its own file) and K10 (16).
#include <cstring>

#include "cpuinfo/cpu_info.h"
#include "cpuinfo/naming/name_row.h"
#include "cpuinfo/rule_tables.h"
#include "cpuinfo/rules.h"

namespace {

// The K7 models that the mobile or the desktop rows name.
constexpr Values kLaterK7 = OneOf(6, 7, 8, 10);

// The core code by family and model, for every AMD processor. With frequency and voltage control
// announced, the later K7 models and every K8 and K10 take the mobile code and a variable clock.
constexpr NameRow kAmdCores[] = {
    {When().FullFamily(5).Model(OneOf(8, 9, 10, 12, 13)), nullptr, nullptr, nullptr, Core::K6Late},
    {When().FullFamily(6).Model(Between(0, 4)), nullptr, nullptr, nullptr, Core::K7Desktop},
    {When().FullFamily(6).Model(kLaterK7).PowerNow(true), nullptr, nullptr, nullptr, Core::K7Mobile, kVariableClock},
    {When().FullFamily(6).Model(kLaterK7), nullptr, nullptr, nullptr, Core::K7Desktop},
    {When().FullFamily(OneOf(15, 16)).PowerNow(true), nullptr, nullptr, nullptr, Core::K8Mobile, kVariableClock},
    {When().FullFamily(OneOf(15, 16)), nullptr, nullptr, nullptr, Core::K8Desktop},
};

// Family 4: no process text.
constexpr NameRow kFamily4[] = {
    {When().Model(OneOf(3, 7)), "Am486DX2", "Socket 3", "", Core::None, kNoFlags, UnifiedL1(8)},
    {When().Model(OneOf(8, 9, 15)), "Am5x86", "Socket 3", "", Core::None, kNoFlags, UnifiedL1(16)},
    {Always(), "Unknown CPU", "", ""},
};

// Family 5. Models 12 and 13: the 256 KB on-die L2 makes the K6-III+.
constexpr NameRow kFamily5[] = {
    {When().Model(0), "K5", "Socket 5/7", "0.35/0.50", Core::None, kNoFlags, SplitL1(16, 8)},
    {When().Model(OneOf(1, 2, 3)), "K5", "Socket 5/7", "0.35", Core::None, kNoFlags, SplitL1(16, 8)},
    {When().Model(6), "K6", "Socket 7", "0.30"},
    {When().Model(7), "K6", "Socket 7", "0.25"},
    {When().Model(8), "K6-2 (K6-3D)", "Socket 7", "0.25"},
    {When().Model(9), "K6-III (Sharptooth)", "Socket 7", "0.25"},
    {When().Model(10), "Geode LX", "481-terminal PBGA", "0.13"},
    {When().Model(OneOf(12, 13)).L2(256), "K6-III+", "Socket 7 / Mobile", "0.18"},
    {When().Model(OneOf(12, 13)), "K6-2+", "Socket 7 / Mobile", "0.18"},
    {Always(), "Unknown CPU", "", ""},
};

// Family 6 by model. Models 6, 7, 8 and 10 are named by the mobile rows when frequency and voltage
// control is announced (every such part stops there), else by the desktop rows.
constexpr NameRow kFamily6[] = {
    {When().Model(OneOf(0, 1)), "Athlon (K7)", "Slot A", "0.25"},
    {When().Model(2), "Athlon (K75)", "Slot A", "0.18"},
    {When().Model(3), "Duron (Spitfire)", "Socket A", "0.18"},
    {When().Model(4), "Athlon (Thunderbird)", "Slot A / Socket A", "0.18"},
    // Mobile parts: the L2 size tells the lines apart.
    {When().PowerNow(true).Model(6).L2(64), "Mobile Duron (Palomino)", "Socket A", "0.18"},
    {When().PowerNow(true).Model(6), "Mobile Athlon 4 (Palomino)", "Socket A", "0.18"},
    {When().PowerNow(true).Model(7), "Mobile Duron (Morgan)", "Socket A", "0.18"},
    {When().PowerNow(true).Model(8).L2(64), "Mobile Duron (Applebred)", "Socket A", "0.13"},
    {When().PowerNow(true).Model(8), "Mobile Athlon XP-M (Thoroughbred)", "Socket A", "0.13"},
    {When().PowerNow(true).Model(10).L2(512), "Mobile Athlon XP-M (Barton)", "Socket A", "0.13"},
    {When().PowerNow(true).Model(10), "Mobile Athlon XP-M (Thorton)", "Socket A", "0.13"},
    // Desktop parts. Within a model the multiprocessor name comes first; the Sempron rows must precede
    // the Athlon XP rows of the same cache size. The Barton Sempron needs exactly 12.0; the others only
    // "not above 12.0", which the first pass (Multiplier -1.0) satisfies as well.
    {When().Model(6).L2(256).MultiProcessor(true), "Athlon MP (Palomino)", "Socket A", "0.18"},
    {When().Model(6).L2(256), "Athlon XP (Palomino)", "Socket A", "0.18"},
    {When().Model(6).L2(64), "Duron (Morgan)", "Socket A", "0.18"},
    {When().Model(6), "Athlon XP/MP (Palomino)", "Socket A", "0.18"},
    {When().Model(7), "Duron (Morgan)", "Socket A", "0.18"},
    {When().Model(8).L2(256).MultiProcessor(true), "Athlon MP (Thoroughbred)", "Socket A", "0.13"},
    {When().Model(8).MpCapable(true).L2(256).Multiplier(AtMost(12.0)), "Sempron (Thoroughbred)", "Socket A", "0.13",
     Core::None, kSempron},
    {When().Model(8).L2(256), "Athlon XP (Thoroughbred)", "Socket A", "0.13"},
    {When().Model(8).L2(64), "Duron (Applebred)", "Socket A", "0.13"},
    {When().Model(8), "Athlon XP/MP (Thoroughbred)", "Socket A", "0.13"},
    {When().Model(10).L2(512).MultiProcessor(true), "Athlon MP (Barton)", "Socket A", "0.13"},
    {When().Model(10).MpCapable(true).L2(512).Multiplier(12), "Sempron (Barton)", "Socket A", "0.13", Core::None,
     kSempron},
    {When().Model(10).MpCapable(true).L2(256).Multiplier(AtMost(12.0)), "Sempron (Thorton)", "Socket A", "0.13",
     Core::None, kSempron},
    {When().Model(10).L2(512), "Athlon XP (Barton)", "Socket A", "0.13"},
    {When().Model(10).L2(256), "Athlon XP (Thorton)", "Socket A", "0.13"},
    {When().Model(10), "Athlon XP/MP (Barton)", "Socket A", "0.13"},
    {Always(), "Unknown CPU", "", ""},
};

// Family 16: server parts by the brand string first; the desktop parts by L3, core count, the
// processor count and (second pass only) the maximum frequency identifier.
constexpr NameRow kFamily16[] = {
    {When().Brand("Opteron").Processors(AtLeast(8)), "Opteron (Barcelona)", "Socket F/F+", "0.065"},
    {When().Brand("Opteron"), "Opteron (Budapest)", "Socket F/F+", "0.065"},
    {When().L3(Above(0)).Cores(4).Processors(8), "Phenom FX (Agena FX)", "Socket F/F+", "0.065"},
    {When().L3(Above(0)).Cores(4).MaxFid(63), "Phenom FX (Agena FX)", "Socket AM2/AM2+", "0.065"},
    {When().L3(Above(0)).Cores(4), "Phenom X4 (Agena)", "Socket AM2/AM2+", "0.065"},
    {When().L3(Above(0)).Cores(2), "Phenom X2 (Kuma)", "Socket AM2/AM2+", "0.065"},
    {When().Cores(2), "Athlon X2 (Rana)", "Socket AM2/AM2+", "0.065"},
    {Always(), "Sempron (Spica)", "Socket AM2/AM2+", "0.065"},
};

constexpr NameRow kUnknown[] = {{Always(), "Unknown CPU", "", ""}};

// Which table names the processor; family 15 is composed by NameAmdFamily15 instead.
constexpr TableChoice<NameRow> kAmdTables[] = {
    {When().FullFamily(4), kFamily4},
    {When().FullFamily(5), kFamily5},
    {When().FullFamily(6), kFamily6},
    {When().FullFamily(16), kFamily16},
    {Always(), kUnknown},
};

}  // namespace

void CCpuInfo::NameAmd() {
    IdentifyAmdRevision();
    // The K7 rows, and later the bus-code step, read whether this is a multiprocessor part.
    if (FullFamily == 6) MultiProcessor = (std::strstr(BrandString, "MP") || ProcessorCount >= 2) ? 1 : 0;
    ApplyNameRow(*this, FirstMatch(kAmdCores, *this));
    if (FullFamily == 15) {
        NameAmdFamily15();
        return;
    }
    ApplyNameRow(*this, FirstMatchIn(kAmdTables, *this));
}

const RuleTableList& AmdNamingTables() {
    static constexpr RuleTable kTables[] = {
        CPUINFO_RULE_TABLE(kAmdCores), CPUINFO_RULE_TABLE(kAmdTables), CPUINFO_RULE_TABLE(kFamily4),
        CPUINFO_RULE_TABLE(kFamily5),  CPUINFO_RULE_TABLE(kFamily6),   CPUINFO_RULE_TABLE(kFamily16),
        CPUINFO_RULE_TABLE(kUnknown),
    };
    static constexpr RuleTableList kList = CPUINFO_RULE_TABLE_LIST(kTables);
    return kList;
}
