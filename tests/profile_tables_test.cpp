// The microarchitecture tables as data: every row reachable, ranges well formed, brand patterns, the
// boundaries where steppings or brands split a model, the fall-back for unknown models, and where the
// classic tables' code name takes over.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "cpuinfo/profile/microarchitecture.h"
#include "cpuinfo/profile/profile_steps.h"
#include "tests/profile_replay.h"

namespace {

using profile::ArchitectureRow;
using profile::ArchitectureTable;
using profile::Range;
using profile::Signature;
using profile::Vendor;

const ArchitectureTable kTables[] = {profile::IntelArchitectures(), profile::AmdArchitectures(),
                                     profile::OtherArchitectures()};

bool Covers(Range outer, Range inner) { return outer.first <= inner.first && inner.last <= outer.last; }

// An earlier row shadows a later one when it matches every processor the later one matches.
bool Shadows(const ArchitectureRow& earlier, const ArchitectureRow& later) {
    const bool brandCovers = !earlier.brand || (later.brand && std::strcmp(earlier.brand, later.brand) == 0);
    return earlier.vendor == later.vendor && earlier.family == later.family && Covers(earlier.model, later.model) &&
           Covers(earlier.stepping, later.stepping) && brandCovers;
}

TEST(ProfileTables, NoRowIsShadowedByAnEarlierRow) {
    for (const ArchitectureTable& table : kTables)
        for (size_t later = 0; later < table.count; ++later)
            for (size_t earlier = 0; earlier < later; ++earlier)
                EXPECT_FALSE(Shadows(table.rows[earlier], table.rows[later]))
                    << table.name << " table: row " << later << " (" << table.rows[later].codeName << ", family "
                    << table.rows[later].family << ") never applies, row " << earlier << " matches first";
}

TEST(ProfileTables, RowsAreWellFormed) {
    for (const ArchitectureTable& table : kTables) {
        for (size_t i = 0; i < table.count; ++i) {
            const ArchitectureRow& row = table.rows[i];
            const std::string where = std::string(table.name) + " table row " + std::to_string(i);
            EXPECT_LE(row.model.first, row.model.last) << where << ": model range";
            EXPECT_LE(row.stepping.first, row.stepping.last) << where << ": stepping range";
            EXPECT_LE(row.stepping.last, 0xF) << where << ": stepping range";
            ASSERT_TRUE(row.microarchitecture && row.codeName && row.process) << where << ": null text";
            EXPECT_NE('\0', row.microarchitecture[0]) << where << ": microarchitecture";
            EXPECT_LT(std::strlen(row.microarchitecture), sizeof(profile::ProcessorProfile::microarchitecture))
                << where << ": microarchitecture longer than its field";
            EXPECT_LT(std::strlen(row.codeName), sizeof(profile::ProcessorProfile::codeName)) << where << ": code name";
            EXPECT_LT(std::strlen(row.process), sizeof(profile::ProcessorProfile::process)) << where << ": process";
            if (row.brand) {
                EXPECT_NE('\0', row.brand[0]) << where << ": an empty brand pattern is written as null";
            }
        }
    }
}

TEST(ProfileTables, BrandPatterns) {
    struct Case {
        const char* text;
        const char* pattern;
        bool contains;
    };
    const Case cases[] = {
        {"Intel(R) Core(TM) m3-8100Y CPU @ 1.10GHz", "8##0Y", true},
        {"Intel(R) Core(TM) m3-7Y30 CPU @ 1.00GHz", "8##0Y", false},
        {"Intel(R) Core(TM) m3-7Y30 CPU @ 1.00GHz", "#Y##", true},
        {"AMD Ryzen 7 7735HS with Radeon Graphics", " 7#35", true},
        {"AMD Ryzen 9 6900HX with Radeon Graphics", " 7#35", false},
        {"Intel(R) Core(TM) 3 N355", "N#5#", true},
        {"Intel(R) N95", "N#5#", false},           // the pattern runs past the end of the text
        {"Intel(R) Core(TM) i3-N305", "N#5#", false},
        {"AAB", "AB", true},                       // a partial match does not hide a later one
        {"abc", "", true},
        {"abc", nullptr, true},
        {nullptr, "a", false},
        {"#", "#", false},                         // '#' in the pattern wants a digit
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.contains, profile::ContainsPattern(c.text, c.pattern))
            << "'" << (c.text ? c.text : "(null)") << "' and pattern '" << (c.pattern ? c.pattern : "(null)") << "'";
}

struct LookupCase {
    const char* what;
    Signature signature;
    const char* microarchitecture;
    const char* codeName;
};

void ExpectLookups(const LookupCase* cases, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        const LookupCase& c = cases[i];
        const ArchitectureRow* row = profile::FindArchitecture(c.signature);
        ASSERT_NE(nullptr, row) << c.what << ": no row";
        EXPECT_STREQ(c.microarchitecture, row->microarchitecture) << c.what << ": microarchitecture";
        EXPECT_STREQ(c.codeName, row->codeName) << c.what << ": code name";
    }
}

TEST(ProfileTables, SteppingAndBrandBoundariesWithinOneModel) {
    const LookupCase cases[] = {
        {"0x8E stepping 9", {Vendor::Intel, 6, 0x8E, 9, "Intel(R) Core(TM) i5-7200U"}, "Skylake", "Kaby Lake-U"},
        {"0x8E stepping 10", {Vendor::Intel, 6, 0x8E, 10, "Intel(R) Core(TM) i5-8250U"}, "Skylake", "Kaby Lake-R"},
        {"0x8E stepping 10, Iris", {Vendor::Intel, 6, 0x8E, 10, "Intel(R) Core(TM) i5-8259U"}, "Skylake",
         "Coffee Lake-U"},
        {"0x8E stepping 11", {Vendor::Intel, 6, 0x8E, 11, "Intel(R) Core(TM) i7-8565U"}, "Skylake", "Whiskey Lake-U"},
        {"0x8E stepping 12, 10th generation", {Vendor::Intel, 6, 0x8E, 12, "Intel(R) Core(TM) i7-10510U"},
         "Skylake", "Comet Lake-U"},
        {"0x8E stepping 12, Y part", {Vendor::Intel, 6, 0x8E, 12, "Intel(R) Core(TM) i5-10210Y CPU"}, "Skylake",
         "Amber Lake-Y"},
        {"0x8E stepping 13", {Vendor::Intel, 6, 0x8E, 13, ""}, "Skylake", "Kaby Lake"},
        {"0x9E stepping 9", {Vendor::Intel, 6, 0x9E, 9, ""}, "Skylake", "Kaby Lake"},
        {"0x9E stepping 10", {Vendor::Intel, 6, 0x9E, 10, ""}, "Skylake", "Coffee Lake-S"},
        {"0x9E stepping 13", {Vendor::Intel, 6, 0x9E, 13, "Intel(R) Core(TM) i9-9980HK CPU"}, "Skylake",
         "Coffee Lake-H Refresh"},
        {"0x55 stepping 4", {Vendor::Intel, 6, 0x55, 4, ""}, "Skylake", "Skylake-X"},
        {"0x55 stepping 5", {Vendor::Intel, 6, 0x55, 5, ""}, "Cascade Lake", "Cascade Lake-X"},
        {"0x55 stepping 7 Xeon", {Vendor::Intel, 6, 0x55, 7, "Intel(R) Xeon(R) Gold 6230"}, "Cascade Lake",
         "Cascade Lake-SP"},
        {"0x55 stepping 11", {Vendor::Intel, 6, 0x55, 11, ""}, "Cooper Lake", "Cooper Lake"},
        {"0x55 stepping 8", {Vendor::Intel, 6, 0x55, 8, ""}, "Skylake", ""},
        {"0x1C stepping 10", {Vendor::Intel, 6, 0x1C, 10, "Intel(R) Atom(TM) CPU N450"}, "Bonnell", "Pineview"},
        {"0x7A stepping 1", {Vendor::Intel, 6, 0x7A, 1, ""}, "Goldmont Plus", "Gemini Lake"},
        {"0x7A stepping 8", {Vendor::Intel, 6, 0x7A, 8, ""}, "Goldmont Plus", "Gemini Lake Refresh"},
        {"Nano stepping 9", {Vendor::Centaur, 6, 0x0F, 9, ""}, "Isaiah", "Isaiah"},
        {"AMD 0x44 Rembrandt", {Vendor::Amd, 0x19, 0x44, 1, "AMD Ryzen 7 6800H"}, "Zen 3+", "Rembrandt"},
        {"AMD 0x45", {Vendor::Amd, 0x19, 0x45, 0, "AMD Ryzen 7 7735U"}, "Zen 3+", ""},
        {"AMD 0x75 8700G", {Vendor::Amd, 0x19, 0x75, 2, "AMD Ryzen 7 8700G w/ Radeon 780M Graphics"}, "Zen 4",
         "Phoenix"},
        {"AMD 0x61 7945HX", {Vendor::Amd, 0x19, 0x61, 2, "AMD Ryzen 9 7945HX with Radeon Graphics"}, "Zen 4",
         "Dragon Range"},
        {"AMD 0x50 7530U", {Vendor::Amd, 0x19, 0x50, 0, "AMD Ryzen 5 7530U with Radeon Graphics"}, "Zen 3",
         "Barcelo-R"},
        {"AMD 0x01 EPYC", {Vendor::Amd, 0x17, 0x01, 2, "AMD EPYC 7601 32-Core Processor"}, "Zen", "Naples"},
    };
    ExpectLookups(cases, sizeof cases / sizeof cases[0]);
}

TEST(ProfileTables, UnknownModelsFallBackToTheFamilyWithoutCodeName) {
    const LookupCase cases[] = {
        {"Intel family 6 model 0xF0", {Vendor::Intel, 6, 0xF0, 0, ""}, "Intel family 6", ""},
        {"Intel family 18 model 0x07", {Vendor::Intel, 18, 0x07, 0, ""}, "Intel family 18", ""},
        {"Intel family 15 model 0x07", {Vendor::Intel, 15, 0x07, 0, ""}, "NetBurst", ""},
        {"AMD 0x15 model 0x35", {Vendor::Amd, 0x15, 0x35, 0, ""}, "Steamroller", ""},
        {"AMD 0x17 model 0x4F", {Vendor::Amd, 0x17, 0x4F, 0, ""}, "Zen 2", ""},
        {"AMD 0x17 model 0x2F", {Vendor::Amd, 0x17, 0x2F, 0, ""}, "Zen", ""},
        {"AMD 0x19 model 0x6F", {Vendor::Amd, 0x19, 0x6F, 0, ""}, "Zen 4", ""},
        {"AMD 0x19 model 0x5F", {Vendor::Amd, 0x19, 0x5F, 0, ""}, "Zen 3", ""},
        {"AMD 0x19 model 0xB0", {Vendor::Amd, 0x19, 0xB0, 0, ""}, "Zen family", ""},
        {"AMD 0x1A model 0x2F", {Vendor::Amd, 0x1A, 0x2F, 0, ""}, "Zen 5", ""},
        {"AMD 0x1A model 0x50", {Vendor::Amd, 0x1A, 0x50, 0, ""}, "Zen 6", ""},
        {"AMD 0x1A model 0x30", {Vendor::Amd, 0x1A, 0x30, 0, ""}, "Zen family", ""},
        {"AMD 0x1A model 0xF0", {Vendor::Amd, 0x1A, 0xF0, 0, ""}, "Zen family", ""},
        {"Hygon 0x18 model 0x06", {Vendor::Hygon, 0x18, 0x06, 0, ""}, "Dhyana", ""},
        {"Zhaoxin family 7 model 0x6B", {Vendor::Zhaoxin, 7, 0x6B, 0, ""}, "Zhaoxin family 7", ""},
    };
    ExpectLookups(cases, sizeof cases / sizeof cases[0]);
    EXPECT_EQ(nullptr, profile::FindArchitecture({Vendor::Amd, 0x30, 0x00, 0, ""})) << "a family not yet seen";
    EXPECT_EQ(nullptr, profile::FindArchitecture({Vendor::Unknown, 6, 0x00, 0, ""})) << "an unknown maker";
}

// The whole profile of an unknown model: the family's microarchitecture and an empty code name, even
// when the classic tables (which match on the low model bits) offer one.
TEST(ProfileTables, UnknownModelGetsNoCodeNameEndToEnd) {
    platform::SimulatedMachine machine;
    machine.SetLeaf(0, {1, 0x68747541, 0x444D4163, 0x69746E65});  // AuthenticAMD
    machine.SetLeaf(1, {profiletest::SignatureEax(0x19, 0x6F, 0), 0, 0, 0});
    const profile::ProcessorProfile p = profiletest::Build(machine, "Agena", "0.065");
    EXPECT_STREQ("Zen 4", p.microarchitecture) << "microarchitecture";
    EXPECT_STREQ("", p.codeName) << "code name";
    EXPECT_STREQ("", p.process) << "process";
}

struct ClassicCase {
    const char* what;
    uint32_t vendorEbx, vendorEdx, vendorEcx;
    uint32_t family, model, stepping;
    const char* classicCodeName;
    const char* classicProcess;
    const char* codeName;
    const char* process;
};

TEST(ProfileTables, ClassicCodeNameOnlyWhereTheClassicTablesApply) {
    const uint32_t intel[3] = {0x756E6547, 0x49656E69, 0x6C65746E};
    const ClassicCase cases[] = {
        {"Coppermine, the classic name", intel[0], intel[1], intel[2], 6, 0x08, 3, "Coppermine-128K", "0.18",
         "Coppermine-128K", "180 nm"},
        {"Coppermine, no classic name", intel[0], intel[1], intel[2], 6, 0x08, 3, "", "", "Coppermine", "180 nm"},
        {"Pentium, two processes", intel[0], intel[1], intel[2], 5, 0x02, 5, "P54C", "0.50/0.35", "P54C",
         "500/350 nm"},
        {"classic process not a number", intel[0], intel[1], intel[2], 6, 0x0F, 6, "Conroe", "n/a", "Conroe",
         "65 nm"},
        // Sandy Bridge's low model bits are Pentium III Xeon's: the classic name is wrong here.
        {"Sandy Bridge", intel[0], intel[1], intel[2], 6, 0x2A, 7, "Cascades", "0.18", "Sandy Bridge", "32 nm"},
        {"Kaby Lake", intel[0], intel[1], intel[2], 6, 0x9E, 9, "Yonah SC", "0.065", "Kaby Lake", "14 nm"},
        // An unknown family 6 model: the family's microarchitecture, no code name from either source.
        {"unknown family 6 model", intel[0], intel[1], intel[2], 6, 0xF0, 0, "P6", "0.60", "", ""},
    };
    for (const ClassicCase& c : cases) {
        platform::SimulatedMachine machine;
        machine.SetLeaf(0, {1, c.vendorEbx, c.vendorEcx, c.vendorEdx});
        machine.SetLeaf(1, {profiletest::SignatureEax(c.family, c.model, c.stepping), 0, 0, 0});
        const profile::ProcessorProfile p = profiletest::Build(machine, c.classicCodeName, c.classicProcess);
        EXPECT_STREQ(c.codeName, p.codeName) << c.what << ": code name";
        EXPECT_STREQ(c.process, p.process) << c.what << ": process";
    }
}

TEST(ProfileTables, MicrometresToNanometres) {
    struct Case {
        const char* micrometres;
        bool converted;
        const char* nanometres;
    };
    const Case cases[] = {
        {"0.13", true, "130 nm"},   {"0.065", true, "65 nm"},  {"0.50/0.35", true, "500/350 nm"},
        {"0.18/0.25", true, "180/250 nm"}, {"", false, ""}, {"abc", false, ""}, {"0.13x", false, ""},
        {"-0.1", false, ""},        {"0", false, ""},          {"12", false, ""},
    };
    for (const Case& c : cases) {
        char text[24] = "";
        EXPECT_EQ(c.converted, profile::MicrometresToNanometres(c.micrometres, text, sizeof text)) << c.micrometres;
        EXPECT_STREQ(c.nanometres, text) << c.micrometres;
    }
    char small[5] = "";
    EXPECT_TRUE(profile::MicrometresToNanometres("0.50/0.35", small, sizeof small)) << "cut to the field";
    EXPECT_STREQ("500/", small) << "cut to the field";
}

}  // namespace
