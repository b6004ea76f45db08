// Every rule table as a whole: no row is shadowed by an earlier row that always matches first, and no
// key is listed twice. Also the matching itself: value sets, open bounds, and what one match covers.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "cpuinfo/cpu_info.h"
#include "cpuinfo/rule_tables.h"
#include "cpuinfo/rules.h"
#include "platform/simulated_machine.h"
#include "tests/support/simulated.h"

namespace {

std::string TableName(const RuleTableList& list, const RuleTable& table) {
    const char* file = std::strstr(list.file, "cpuinfo/");
    return std::string(file ? file : list.file) + " " + table.name;
}

TEST(RuleTables, EveryFileListsItsTables) {
    const RuleTableLists all = RuleTables();
    EXPECT_GE(all.count, 14u);
    size_t tables = 0;
    for (size_t l = 0; l < all.count; ++l) {
        EXPECT_GT(all.lists[l]->count, 0u) << all.lists[l]->file;
        tables += all.lists[l]->count;
        for (size_t t = 0; t < all.lists[l]->count; ++t)
            EXPECT_GT(all.lists[l]->tables[t].rows, 0u) << TableName(*all.lists[l], all.lists[l]->tables[t]);
    }
    EXPECT_GE(tables, 60u);
}

TEST(RuleTables, NoRowIsShadowedByAnEarlierRow) {
    const RuleTableLists all = RuleTables();
    for (size_t l = 0; l < all.count; ++l) {
        const RuleTableList& list = *all.lists[l];
        for (size_t t = 0; t < list.count; ++t) {
            const RuleTable& table = list.tables[t];
            if (!table.match) continue;
            for (size_t later = 1; later < table.rows; ++later)
                for (size_t earlier = 0; earlier < later; ++earlier)
                    EXPECT_FALSE(Covers(table.match(earlier), table.match(later)))
                        << TableName(list, table) << ": row " << later << " is never chosen, row " << earlier
                        << " always matches first";
        }
    }
}

TEST(RuleTables, NoKeyIsHiddenByAnEarlierKey) {
    const RuleTableLists all = RuleTables();
    for (size_t l = 0; l < all.count; ++l) {
        const RuleTableList& list = *all.lists[l];
        for (size_t t = 0; t < list.count; ++t) {
            const RuleTable& table = list.tables[t];
            if (table.match) continue;
            for (size_t later = 1; later < table.rows; ++later)
                for (size_t earlier = 0; earlier < later; ++earlier) {
                    bool hidden = false;
                    if (table.key)
                        hidden = table.key(earlier) == table.key(later);
                    else if (table.substringKeys)
                        hidden = std::strstr(table.textKey(later), table.textKey(earlier)) != nullptr;
                    else
                        hidden = std::strcmp(table.textKey(earlier), table.textKey(later)) == 0;
                    // A row of a key that holds only under a further condition leaves the key to later rows.
                    const bool earlierMayFail = table.conditional && table.conditional(earlier);
                    EXPECT_FALSE(hidden && !earlierMayFail) << TableName(list, table) << ": row " << later
                                                            << " is never chosen, the key of row " << earlier
                                                            << " comes first";
                }
        }
    }
}

// ---- Value sets -----------------------------------------------------------------------------------

struct HoldsCase {
    const char* set;
    Values values;
    double value;
    bool holds;
};

TEST(Values, BoundsMasksAndNotANumber) {
    const double nan = std::nan("");
    const HoldsCase cases[] = {
        {"Is(5)", 5, 5, true},
        {"Is(5)", 5, 4, false},
        {"Is(5)", 5, 5.5, false},
        {"AtLeast(2)", AtLeast(2), 2, true},
        {"AtLeast(2)", AtLeast(2), 1.999, false},
        {"Above(512)", Above(512), 512, false},
        {"Above(512)", Above(512), 513, true},
        {"AtMost(128)", AtMost(128), -1, true},
        {"AtMost(128)", AtMost(128), 129, false},
        {"Below(12.5)", Below(12.5), 12.5, false},
        {"Below(12.5)", Below(12.5), 12.0, true},
        {"Between(7, 9)", Between(7, 9), 9, true},
        {"Between(7, 9)", Between(7, 9), 10, false},
        {"OneOf(-1, 1, 3)", OneOf(-1, 1, 3), -1, true},
        {"OneOf(-1, 1, 3)", OneOf(-1, 1, 3), 0, false},
        {"OneOf(-1, 1, 3)", OneOf(-1, 1, 3), 3, true},
        {"OneOf(-1, 1, 3)", OneOf(-1, 1, 3), 2.5, false},
        {"OneOf(4, 63)", OneOf(4, 63), 63, true},
        {"OneOf(4, 63)", OneOf(4, 63), 64, false},
        {"OneOf(Cyrix, Idt)", OneOf(Vendor::Cyrix, Vendor::Idt), 5, true},
        {"OneOf(Cyrix, Idt)", OneOf(Vendor::Cyrix, Vendor::Idt), 1, false},
        {"AtMost(12)", AtMost(12.0), nan, false},
        {"AtLeast(0)", AtLeast(0), nan, false},
    };
    for (const HoldsCase& c : cases)
        EXPECT_EQ(c.values.Holds(c.value), c.holds) << c.set << " holding " << c.value;
}

// A record after a detection without CPUID; the test sets the fields the rows read.
CCpuInfo Blank() {
    platform::SimulatedMachine& machine = testsupport::KeptMachine();
    machine.Facts().cpuid = false;
    return CCpuInfo(machine, 0x100, 0);
}

bool HasMp(const CCpuInfo& r) { return std::strstr(r.BrandString, "MP") != nullptr; }

TEST(Match, AcceptsWhenEveryConditionHolds) {
    CCpuInfo cpu = Blank();
    cpu.VendorId = Vendor::Amd;
    cpu.Family = 6;
    cpu.Model = 8;
    cpu.L2Size = 256;
    cpu.Ext1Edx = 1u << 19;
    std::strcpy(cpu.BrandString, "AMD Athlon MP");
    EXPECT_TRUE(Always().Accepts(cpu));
    EXPECT_TRUE(When().Vendor(Vendor::Amd).Family(6).Model(8).L2(256).Accepts(cpu));
    EXPECT_FALSE(When().Vendor(Vendor::Amd).Family(6).Model(8).L2(512).Accepts(cpu));
    EXPECT_TRUE(When().MpCapable(true).Brand("Athlon").Brand(" MP").Accepts(cpu));
    EXPECT_FALSE(When().BrandLacks("MP").Accepts(cpu));
    EXPECT_TRUE(When().Model(8).And(HasMp).Accepts(cpu));
    EXPECT_FALSE(When().Model(7).And(HasMp).Accepts(cpu));  // the predicate alone is not enough
    EXPECT_TRUE(When().Multiplier(AtMost(12.0)).Accepts(cpu));  // -1.0 before the clock step
    EXPECT_FALSE(When().PowerNow(true).Accepts(cpu));
    cpu.HasPowerNow = 2;  // any value but 0 is a set flag
    EXPECT_TRUE(When().PowerNow(true).Accepts(cpu));
}

struct CoversCase {
    const char* pair;
    Match earlier;
    Match later;
    bool covers;
};

TEST(Match, CoversOnlyWhatItAlwaysMatchesFirst) {
    const CoversCase cases[] = {
        {"any before anything", Always(), When().Model(5).L2(512), true},
        {"same model, more conditions later", When().Model(5), When().Model(5).L2(512), true},
        {"more conditions earlier", When().Model(5).L2(512), When().Model(5), false},
        {"other model", When().Model(5), When().Model(6), false},
        {"set holds the later value", When().Model(OneOf(12, 13)), When().Model(13), true},
        {"set misses a later value", When().Model(OneOf(12, 13)), When().Model(OneOf(13, 14)), false},
        {"range holds the set", When().Model(AtLeast(12)), When().Model(OneOf(12, 15)), true},
        {"range holds the range", When().L2(AtMost(2048)), When().L2(AtMost(1024)), true},
        {"range narrower", When().L2(AtMost(1024)), When().L2(AtMost(2048)), false},
        {"whole numbers above 512", When().L2(AtLeast(513)), When().L2(Above(512)), true},
        {"fractions above", When().BusClock(AtLeast(126.0)), When().BusClock(Above(125.0)), false},
        {"open bound covers the same open bound", When().MaxMultiplier(Below(12.5)), When().MaxMultiplier(Below(12.5)), true},
        {"closed bound is not inside an open one", When().MaxMultiplier(Below(12.5)), When().MaxMultiplier(AtMost(12.5)), false},
        {"earlier text inside the later one", When().Brand("Celeron"), When().Brand("obile Celeron"), true},
        {"later text inside the earlier one", When().Brand("obile Celeron"), When().Brand("Celeron"), false},
        {"lacking a shorter text", When().BrandLacks("Pentium 4"), When().BrandLacks("Pentium"), true},
        {"predicate earlier", When().And(HasMp), When().Model(5).And(HasMp), false},
        {"predicate only later", When().Model(5), When().Model(5).And(HasMp), true},
        {"flag against flag", When().PowerNow(true), When().PowerNow(false), false},
        {"vendors", When().Vendor(OneOf(Vendor::Cyrix, Vendor::Idt)), When().Vendor(Vendor::Idt).Model(8), true},
    };
    for (const CoversCase& c : cases) EXPECT_EQ(Covers(c.earlier, c.later), c.covers) << c.pair;
}

}  // namespace
