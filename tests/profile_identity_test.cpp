// Identity of recorded processors: microarchitecture, code name and process, one table per family of
// microarchitectures. A failure names the file and the field.
#include <gtest/gtest.h>

#include <string>

#include "tests/profile_replay.h"

namespace {

struct IdentityCase {
    const char* file;  // under tests/machines/modern
    const char* microarchitecture;
    const char* codeName;
    const char* process;
};

template <size_t N>
void ExpectIdentities(const IdentityCase (&cases)[N]) {
    for (const IdentityCase& c : cases) {
        const profile::ProcessorProfile p = profiletest::Replay(std::string("modern/") + c.file);
        EXPECT_STREQ(c.microarchitecture, p.microarchitecture) << c.file << ": microarchitecture";
        EXPECT_STREQ(c.codeName, p.codeName) << c.file << ": code name";
        EXPECT_STREQ(c.process, p.process) << c.file << ": process";
    }
}

TEST(ProfileIdentity, IntelCoresFromNehalemToArrowLake) {
    const IdentityCase cases[] = {
        {"intel/x86-64/nehalem/intel-core-i7-cpu-920.test", "Nehalem", "Bloomfield", "45 nm"},
        {"intel/x86-64/nehalem/intel-core-i7-cpu-860.test", "Nehalem", "Lynnfield", "45 nm"},
        {"intel/x86-64/nehalem/intel-core-i7-cpu-q-720.test", "Nehalem", "Clarksfield", "45 nm"},
        {"intel/x86-64/nehalem/intel-core-i5-cpu-650.test", "Westmere", "Clarkdale", "32 nm"},
        {"intel/x86-64/nehalem/intel-core-i5-cpu-m-520.test", "Westmere", "Arrandale", "32 nm"},
        {"intel/x86-64/nehalem/intel-pentium-cpu-p6100.test", "Westmere", "Arrandale", "32 nm"},
        {"intel/x86-64/nehalem/intel-core-i7-cpu-x-980.test", "Westmere", "Gulftown", "32 nm"},
        {"intel/x86-64/sandy-bridge/intel-core-i7-2600k-cpu.test", "Sandy Bridge", "Sandy Bridge", "32 nm"},
        {"intel/x86-64/sandy-bridge/intel-core-i7-3960x-cpu.test", "Sandy Bridge", "Sandy Bridge-E", "32 nm"},
        {"intel/x86-64/sandy-bridge/intel-core-i7-3770k-cpu.test", "Ivy Bridge", "Ivy Bridge", "22 nm"},
        {"intel/x86-64/sandy-bridge/intel-core-i7-4930k-cpu.test", "Ivy Bridge", "Ivy Bridge-E", "22 nm"},
        {"intel/x86-64/haswell/intel-core-i7-4770-cpu.test", "Haswell", "Haswell", "22 nm"},
        {"intel/x86-64/haswell/intel-core-i7-4500u-cpu.test", "Haswell", "Haswell-ULT", "22 nm"},
        {"intel/x86-64/haswell/intel-core-i7-4750hq-cpu.test", "Haswell", "Crystal Well", "22 nm"},
        {"intel/x86-64/haswell/intel-core-i7-5820k-cpu.test", "Haswell", "Haswell-E", "22 nm"},
        {"intel/x86-64/haswell/intel-core-i7-5500u-cpu.test", "Broadwell", "Broadwell-U", "14 nm"},
        {"intel/x86-64/haswell/intel-processor-5y70-cpu.test", "Broadwell", "Broadwell-Y", "14 nm"},
        {"intel/x86-64/haswell/intel-core-i7-5775c-cpu.test", "Broadwell", "Broadwell-H", "14 nm"},
        {"intel/x86-64/haswell/intel-core-i7-6950x-cpu.test", "Broadwell", "Broadwell-E", "14 nm"},
        {"intel/x86-64/skylake/intel-core-i7-6700k-cpu.test", "Skylake", "Skylake", "14 nm"},
        {"intel/x86-64/skylake/intel-core-i7-6500u-cpu.test", "Skylake", "Skylake", "14 nm"},
        {"intel/x86-64/skylake/intel-core-i9-7980xe-cpu.test", "Skylake", "Skylake-X", "14 nm"},
        {"intel/x86-64/skylake/intel-core-i9-10980xe-cpu.test", "Cascade Lake", "Cascade Lake-X", "14 nm"},
        // Model 0x8E: the stepping, then the brand's model number, tells the refreshes apart.
        {"intel/x86-64/skylake/intel-core-i7-7500u-cpu.test", "Skylake", "Kaby Lake-U", "14 nm"},
        {"intel/x86-64/skylake/intel-core-m3-7y30-cpu.test", "Skylake", "Kaby Lake-Y", "14 nm"},
        {"intel/x86-64/skylake/intel-core-m3-8100y-cpu.test", "Skylake", "Amber Lake-Y", "14 nm"},
        {"intel/x86-64/skylake/intel-pentium-cpu-4425y.test", "Skylake", "Amber Lake-Y", "14 nm"},
        {"intel/x86-64/skylake/intel-core-i5-8350u-cpu.test", "Skylake", "Kaby Lake-R", "14 nm"},
        {"intel/x86-64/skylake/intel-core-i7-8565u-cpu.test", "Skylake", "Whiskey Lake-U", "14 nm"},
        {"intel/x86-64/skylake/intel-core-i5-8265u-cpu.test", "Skylake", "Whiskey Lake-U", "14 nm"},
        {"intel/x86-64/skylake/intel-core-i5-10210u-cpu.test", "Skylake", "Comet Lake-U", "14 nm"},
        // Model 0x9E: stepping 9 Kaby Lake with its X and G parts, later steppings Coffee Lake.
        {"intel/x86-64/skylake/intel-core-i7-7700k-cpu.test", "Skylake", "Kaby Lake", "14 nm"},
        {"intel/x86-64/skylake/intel-core-i7-7740x-cpu.test", "Skylake", "Kaby Lake-X", "14 nm"},
        {"intel/x86-64/skylake/intel-core-i7-8705g-cpu.test", "Skylake", "Kaby Lake-G", "14 nm"},
        {"intel/x86-64/skylake/intel-core-i7-8700k-cpu.test", "Skylake", "Coffee Lake-S", "14 nm"},
        {"intel/x86-64/skylake/intel-core-i7-8750h-cpu.test", "Skylake", "Coffee Lake-H", "14 nm"},
        {"intel/x86-64/skylake/intel-core-i7-9750h-cpu.test", "Skylake", "Coffee Lake-H Refresh", "14 nm"},
        {"intel/x86-64/skylake/intel-core-i7-10750h-cpu.test", "Skylake", "Comet Lake-H", "14 nm"},
        {"intel/x86-64/skylake/intel-core-i9-10900k-cpu.test", "Skylake", "Comet Lake-S", "14 nm"},
        {"intel/x86-64/skylake/intel-core-i7-10710u-cpu.test", "Skylake", "Comet Lake-U", "14 nm"},
        {"intel/x86-64/palm-cove/intel-core-i3-8121u-cpu.test", "Palm Cove", "Cannon Lake-U", "10 nm"},
        {"intel/x86-64/sunny-cove/intel-core-i7-1065g7-cpu.test", "Sunny Cove", "Ice Lake", "10 nm"},
        {"intel/x86-64/cypress-cove/11th-gen-intel-core-i9-11900k.test", "Cypress Cove", "Rocket Lake-S", "14 nm"},
        {"intel/x86-64/willow-cove/11th-gen-intel-core-i7-1165g7.test", "Willow Cove", "Tiger Lake-UP3",
         "10 nm SuperFin"},
        {"intel/x86-64/willow-cove/11th-gen-intel-core-i7-11375h.test", "Willow Cove", "Tiger Lake-H35",
         "10 nm SuperFin"},
        {"intel/x86-64/willow-cove/11th-gen-intel-core-i7-11800h.test", "Willow Cove", "Tiger Lake-H",
         "10 nm SuperFin"},
        {"intel/x86-64/golden-cove/12th-gen-intel-core-i9-12900k.test", "Golden Cove / Gracemont", "Alder Lake-S",
         "Intel 7"},
        {"intel/x86-64/golden-cove/12th-gen-intel-core-i7-12800hx.test", "Golden Cove / Gracemont", "Alder Lake-HX",
         "Intel 7"},
        {"intel/x86-64/golden-cove/12th-gen-intel-core-i7-12700h.test", "Golden Cove / Gracemont", "Alder Lake-H",
         "Intel 7"},
        {"intel/x86-64/golden-cove/12th-gen-intel-core-i3-1220p.test", "Golden Cove / Gracemont", "Alder Lake-P",
         "Intel 7"},
        {"intel/x86-64/golden-cove/intel-pentium-gold-8505.test", "Golden Cove / Gracemont", "Alder Lake-U",
         "Intel 7"},
        {"intel/x86-64/raptor-cove/13th-gen-intel-core-i9-13900kf.test", "Raptor Cove / Gracemont", "Raptor Lake-S",
         "Intel 7"},
        {"intel/x86-64/raptor-cove/13th-gen-intel-core-i5-13500.test", "Raptor Cove / Gracemont", "Raptor Lake-S",
         "Intel 7"},
        {"intel/x86-64/raptor-cove/13th-gen-intel-core-i9-13900h.test", "Raptor Cove / Gracemont", "Raptor Lake-H",
         "Intel 7"},
        {"intel/x86-64/raptor-cove/13th-gen-intel-coret-i7-1370p.test", "Raptor Cove / Gracemont", "Raptor Lake-P",
         "Intel 7"},
        {"intel/x86-64/raptor-cove/13th-gen-intel-core-i7-1365u.test", "Raptor Cove / Gracemont", "Raptor Lake-U",
         "Intel 7"},
        {"intel/x86-64/redwood-cove/intel-core-ultra-7-155h.test", "Redwood Cove / Crestmont", "Meteor Lake-H",
         "Intel 4"},
        {"intel/x86-64/lion-cove/intel-core-ultra-7-265u.test", "Redwood Cove / Crestmont", "Arrow Lake-U", "Intel 3"},
        {"intel/x86-64/lion-cove/intel-core-ultra-9-285h.test", "Lion Cove / Skymont", "Arrow Lake-H", "TSMC N3B"},
        {"intel/x86-64/lion-cove/intel-core-ultra-7-265k.test", "Lion Cove / Skymont", "Arrow Lake-S", "TSMC N3B"},
        {"intel/x86-64/lion-cove/intel-core-ultra-9-275hx.test", "Lion Cove / Skymont", "Arrow Lake-HX", "TSMC N3B"},
        {"intel/x86-64/lion-cove/intel-core-ultra-9-288v.test", "Lion Cove / Skymont", "Lunar Lake", "TSMC N3B"},
    };
    ExpectIdentities(cases);
}

TEST(ProfileIdentity, IntelAtomClassCores) {
    const IdentityCase cases[] = {
        {"intel/x86-atom/bonnell/intel-atom-cpu-n270.test", "Bonnell", "Diamondville", "45 nm"},
        {"intel/x86-atom/bonnell/intel-atom-cpu-d525.test", "Bonnell", "Pineview", "45 nm"},
        {"intel/x86-atom/bonnell/intel-atom-cpu-e680.test", "Bonnell", "Tunnel Creek", "45 nm"},
        {"intel/x86-atom/bonnell/intel-atom-cpu-z670.test", "Bonnell", "Lincroft", "45 nm"},
        {"intel/x86-atom/saltwell/intel-atom-cpu-z2460.test", "Saltwell", "Penwell", "32 nm"},
        {"intel/x86-atom/saltwell/intel-atom-cpu-n2800.test", "Saltwell", "Cedarview", "32 nm"},
        {"intel/x86-atom/silvermont/intel-atom-cpu-z3740.test", "Silvermont", "Bay Trail-T", "22 nm"},
        {"intel/x86-atom/silvermont/intel-celeron-cpu-j1900.test", "Silvermont", "Bay Trail-D", "22 nm"},
        {"intel/x86-atom/silvermont/intel-celeron-cpu-n2820.test", "Silvermont", "Bay Trail-M", "22 nm"},
        {"intel/x86-atom/silvermont/intel-atom-cpu-e3827.test", "Silvermont", "Bay Trail-I", "22 nm"},
        {"intel/x86-atom/silvermont/intel-atom-cpu-c2750.test", "Silvermont", "Avoton", "22 nm"},
        {"intel/x86-atom/silvermont/intel-atom-cpu-c2758.test", "Silvermont", "Rangeley", "22 nm"},
        {"intel/x86-atom/silvermont/genuine-intel-cpu-4000.test", "Silvermont", "Moorefield", "22 nm"},
        {"intel/x86-atom/airmont/intel-atom-x7-z8700-cpu.test", "Airmont", "Cherry Trail", "14 nm"},
        {"intel/x86-atom/airmont/intel-celeron-cpu-n3150.test", "Airmont", "Braswell", "14 nm"},
        // Airmont cores in a licensee's SoC: no Intel code name.
        {"intel/x86-atom/airmont/spreadtrum-sc9853i-ia.test", "Airmont", "", "14 nm"},
        {"intel/x86-atom/goldmont/intel-celeron-cpu-j3455.test", "Goldmont", "Apollo Lake", "14 nm"},
        {"intel/x86-atom/goldmont/intel-atom-cpu-c3958.test", "Goldmont", "Denverton", "14 nm"},
        {"intel/x86-atom/goldmont-plus/intel-celeron-j4105-cpu.test", "Goldmont Plus", "Gemini Lake", "14 nm"},
        {"intel/x86-atom/goldmont-plus/intel-pentium-silver-j5040-cpu.test", "Goldmont Plus", "Gemini Lake Refresh",
         "14 nm"},
        {"intel/x86-atom/tremont/intel-core-i5-l16g7-cpu.test", "Sunny Cove / Tremont", "Lakefield", "10 nm"},
        {"intel/x86-atom/tremont/intel-celeron-j6412.test", "Tremont", "Elkhart Lake", "10 nm"},
        {"intel/x86-atom/tremont/intel-celeron-n5100.test", "Tremont", "Jasper Lake", "10 nm"},
        {"intel/x86-atom/gracemont/intel-core-i3-n305.test", "Gracemont", "Alder Lake-N", "Intel 7"},
        {"intel/x86-atom/gracemont/intel-core-3-n355.test", "Gracemont", "Twin Lake", "Intel 7"},
    };
    ExpectIdentities(cases);
}

TEST(ProfileIdentity, AmdK10ToJaguar) {
    const IdentityCase cases[] = {
        {"amd/k10/amd-phenom-ii-x4-940-processor.test", "K10", "Deneb", "45 nm"},
        {"amd/k10/amd-phenom-ii-x3-710-processor.test", "K10", "Heka", "45 nm"},
        {"amd/k10/amd-phenom-ii-x2-550-processor.test", "K10", "Callisto", "45 nm"},
        {"amd/k10/quad-core-amd-opteron-processor-2378-dual.test", "K10", "Shanghai", "45 nm"},
        {"amd/k10/amd-athlon-ii-x4-620-processor.test", "K10", "Propus", "45 nm"},
        {"amd/k10/amd-athlon-ii-x2-245-processor.test", "K10", "Regor", "45 nm"},
        {"amd/k10/amd-sempron-140-processor.test", "K10", "Sargas", "45 nm"},
        {"amd/k10/amd-athlon-ii-p320-dual-core-processor.test", "K10", "Champlain", "45 nm"},
        {"amd/k10/six-core-amd-opteron-processor-2431-dual.test", "K10", "Istanbul", "45 nm"},
        {"amd/k10/amd-opteron-processor-4176-he-dual.test", "K10", "Lisbon", "45 nm"},
        {"amd/k10/amd-opteron-processor-6168.test", "K10", "Magny-Cours", "45 nm"},
        {"amd/k10/amd-phenom-ii-x6-1055t-processor.test", "K10", "Thuban", "45 nm"},
        {"amd/k10/amd-a8-3850-apu-with-radeon-hd-graphics.test", "K10", "Llano", "32 nm"},
        {"amd/bobcat/amd-c-50-processor.test", "Bobcat", "Ontario", "40 nm"},
        {"amd/bobcat/amd-e-350-processor.test", "Bobcat", "Zacate", "40 nm"},
        {"amd/bulldozer/amd-fx-8150-eight-core-processor.test", "Bulldozer", "Zambezi", "32 nm"},
        {"amd/bulldozer/amd-opteron-processor-6274-dual.test", "Bulldozer", "Interlagos", "32 nm"},
        {"amd/bulldozer/amd-fx-8350-eight-core-processor.test", "Piledriver", "Vishera", "32 nm"},
        {"amd/bulldozer/amd-opteron-processor-6380.test", "Piledriver", "Abu Dhabi", "32 nm"},
        {"amd/bulldozer/amd-a10-5800k-apu-with-radeon-hd-graphics.test", "Piledriver", "Trinity", "32 nm"},
        {"amd/bulldozer/amd-a10-6800k-apu-with-radeon-hd-graphics.test", "Piledriver", "Richland", "32 nm"},
        {"amd/bulldozer/amd-a10-7850k-radeon-r7-12-compute-cores-4c+8g.test", "Steamroller", "Kaveri", "28 nm"},
        {"amd/bulldozer/amd-rx-427bb-with-amd-radeon-r7-graphics.test", "Steamroller", "Bald Eagle", "28 nm"},
        {"amd/bulldozer/amd-a10-7890k-radeon-r7-12-compute-cores-4c+8g.test", "Steamroller", "Godavari", "28 nm"},
        {"amd/bulldozer/amd-fx-8800p-radeon-r7-12-compute-cores-4c+8g.test", "Excavator", "Carrizo", "28 nm"},
        {"amd/bulldozer/amd-opteron-x3216-apu.test", "Excavator", "Toronto", "28 nm"},
        {"amd/bulldozer/amd-a12-9800-radeon-r7-12-compute-cores-4c+8g.test", "Excavator", "Bristol Ridge", "28 nm"},
        // Model 0x65 is the Bristol Ridge die whatever the brand says.
        {"amd/bulldozer/amd-pro-a12-8870-r7-12-compute-cores-4c+8g.test", "Excavator", "Bristol Ridge", "28 nm"},
        {"amd/bulldozer/amd-a9-9410-radeon-r5-5-compute-cores-2c+3g.test", "Excavator", "Stoney Ridge", "28 nm"},
        {"amd/jaguar/amd-athlon-5350-apu-with-radeon-r3.test", "Jaguar", "Kabini", "28 nm"},
        {"amd/jaguar/amd-a6-6310-apu-with-amd-radeon-r4-graphics.test", "Puma", "Beema", "28 nm"},
        {"amd/jaguar/amd-gx-212jc-soc-with-radeon-r2e-graphics.test", "Puma", "Steppe Eagle", "28 nm"},
    };
    ExpectIdentities(cases);
}

TEST(ProfileIdentity, AmdZen) {
    const IdentityCase cases[] = {
        {"amd/zen/amd-ryzen-7-1800x-eight-core-processor.test", "Zen", "Summit Ridge", "GlobalFoundries 14 nm"},
        {"amd/zen/amd-ryzen-threadripper-1950x-16-core-processor.test", "Zen", "Whitehaven", "GlobalFoundries 14 nm"},
        {"amd/zen/amd-ryzen-5-2400g-with-radeon-vega-graphics.test", "Zen", "Raven Ridge", "GlobalFoundries 14 nm"},
        {"amd/zen/amd-3020e-with-radeon-graphics.test", "Zen", "Dali", "GlobalFoundries 14 nm"},
        {"amd/zen+/amd-ryzen-7-2700x-eight-core-processor.test", "Zen+", "Pinnacle Ridge", "GlobalFoundries 12 nm"},
        {"amd/zen+/amd-ryzen-threadripper-2950x-16-core-processor.test", "Zen+", "Colfax", "GlobalFoundries 12 nm"},
        {"amd/zen+/amd-ryzen-5-3500u-with-radeon-vega-mobile-gfx.test", "Zen+", "Picasso", "GlobalFoundries 12 nm"},
        {"amd/zen2/amd-ryzen-9-3950x-16-core-processor.test", "Zen 2", "Matisse", "TSMC 7 nm"},
        {"amd/zen2/amd-ryzen-threadripper-pro-3955wx-16-cores.test", "Zen 2", "Castle Peak", "TSMC 7 nm"},
        {"amd/zen2/amd-ryzen-7-4800h-with-radeon-graphics.test", "Zen 2", "Renoir", "TSMC 7 nm"},
        {"amd/zen2/amd-ryzen-7-5700u-with-radeon-graphics.test", "Zen 2", "Lucienne", "TSMC 7 nm"},
        {"amd/zen2/amd-custom-apu-0405.test", "Zen 2", "Van Gogh", "TSMC 7 nm"},
        {"amd/zen2/amd-ryzen-5-7520u-with-radeon-graphics.test", "Zen 2", "Mendocino", "TSMC 6 nm"},
        // A console chip sold as a desktop kit: Zen 2, no public code name.
        {"amd/zen2/amd-4800s-8-core-processor-desktop-kit.test", "Zen 2", "", "TSMC 7 nm"},
        {"amd/zen3/amd-ryzen-9-5950x-16-core-processor.test", "Zen 3", "Vermeer", "TSMC 7 nm"},
        {"amd/zen3/amd-ryzen-7-5800h-with-radeon-graphics.test", "Zen 3", "Cezanne", "TSMC 7 nm"},
        {"amd/zen3/amd-ryzen-7-5825u-with-radeon-graphics.test", "Zen 3", "Barcelo", "TSMC 7 nm"},
        {"amd/zen3+/amd-ryzen-9-6900hx-with-radeon-graphics.test", "Zen 3+", "Rembrandt", "TSMC 6 nm"},
        {"amd/zen3+/amd-ryzen-7-7735hs-with-radeon-graphics.test", "Zen 3+", "Rembrandt-R", "TSMC 6 nm"},
        {"amd/zen4/amd-ryzen-9-7900x-12-core-processor.test", "Zen 4", "Raphael", "TSMC 5 nm"},
        {"amd/zen4/amd-ryzen-9-7940h-with-radeon-780m-graphics.test", "Zen 4", "Phoenix", "TSMC 4 nm"},
        {"amd/zen4/amd-ryzen-7-8845hs-with-radeon-780m-graphics.test", "Zen 4", "Hawk Point", "TSMC 4 nm"},
        {"amd/zen4/amd-ryzen-z1.test", "Zen 4", "Phoenix 2", "TSMC 4 nm"},
        {"amd/zen5/amd-ryzen-9-9950x-16-core-processor.test", "Zen 5", "Granite Ridge", "TSMC 4 nm"},
        {"amd/zen5/amd-ryzen-ai-9-hx-370-with-radeon-890m.test", "Zen 5", "Strix Point", "TSMC 4 nm"},
        {"amd/zen5/amd-ryzen-ai-7-pro-350-with-radeon-860m.test", "Zen 5", "Krackan Point", "TSMC 4 nm"},
    };
    ExpectIdentities(cases);
}

TEST(ProfileIdentity, HygonViaAndZhaoxin) {
    const IdentityCase cases[] = {
        {"hygon/dhyana/hygon-c86-7185-32-core-processor.test", "Dhyana", "Dhyana", "14 nm"},
        // Nano steppings: 65 nm, 40 nm, 28 nm.
        {"via/isaiah/via-nano-processor-l2200.test", "Isaiah", "Isaiah", "65 nm"},
        {"via/isaiah/via-quadcore-l4700.test", "Isaiah", "Isaiah", "40 nm"},
        {"via/isaiah/via-eden-x4-c4250.test", "Isaiah", "Isaiah", "28 nm"},
        // The same signature as the Eden X4; the brand string says Zhaoxin.
        {"zhaoxin/zhangjiang/zhaoxin-kaixian-zx-c+-c4580.test", "ZhangJiang", "ZhangJiang", "28 nm"},
        {"zhaoxin/lujiazui/zhaoxin-kaixian-kx-6640ma.test", "LuJiaZui", "LuJiaZui", "16 nm"},
        {"zhaoxin/yongfeng/zhaoxin-kaisheng-kh-40000.test", "Yongfeng", "Yongfeng", "16 nm"},
    };
    ExpectIdentities(cases);
}

struct VendorCase {
    const char* file;
    const char* vendor;
    const char* brand;
    int32_t family;
    int32_t model;
    int32_t stepping;
};

TEST(ProfileIdentity, VendorBrandAndDisplaySignature) {
    const VendorCase cases[] = {
        // The brand string loses its leading and trailing blanks, keeps the inner ones.
        {"modern/intel/x86-64/nehalem/intel-core-i7-cpu-920.test", "Intel",
         "Intel(R) Core(TM) i7 CPU         920  @ 2.67GHz", 6, 0x1A, 4},
        {"modern/amd/zen5/amd-ryzen-9-9950x-16-core-processor.test", "AMD", "AMD Ryzen 9 9950X 16-Core Processor",
         0x1A, 0x44, 0},
        {"modern/hygon/dhyana/hygon-c86-7185-32-core-processor.test", "Hygon", "Hygon C86 7185 32-core Processor",
         0x18, 0x00, 1},
        {"modern/zhaoxin/lujiazui/zhaoxin-kaixian-kx-6640ma.test", "Zhaoxin", "ZHAOXIN KaiXian KX-6640MA@2.2+GHz", 7,
         0x3B, 0},
        {"modern/via/isaiah/via-quadcore-l4700.test", "VIA", "VIA QuadCore L4700 @ 1.2+ GHz", 6, 0x0F, 0xC},
        {"pentium4-2.40.test", "Intel", "Intel(R) Pentium(R) 4 CPU 2.40GHz", 15, 2, 7},
    };
    for (const VendorCase& c : cases) {
        const profile::ProcessorProfile p = profiletest::Replay(c.file);
        EXPECT_STREQ(c.vendor, p.vendor) << c.file << ": vendor";
        EXPECT_STREQ(c.brand, p.brand) << c.file << ": brand";
        EXPECT_EQ(c.family, p.family) << c.file << ": family";
        EXPECT_EQ(c.model, p.model) << c.file << ": model";
        EXPECT_EQ(c.stepping, p.stepping) << c.file << ": stepping";
    }
}

// Processors the classic tables were written for take those tables' finer code names, and the process
// text in nanometres.
TEST(ProfileIdentity, ClassicProcessorsTakeTheClassicCodeName) {
    const IdentityCase cases[] = {
        {"core2-6300.test", "Core", "Allendale", "65 nm"},
        {"pentium4-2.40.test", "NetBurst", "Northwood", "130 nm"},
        {"athlon-xp.test", "K7", "Thoroughbred", "130 nm"},
        {"via-nehemiah.test", "C3", "Nehemiah", "130 nm"},
        {"athlon-7750.test", "K10", "Kuma", "65 nm"},
    };
    for (const IdentityCase& c : cases) {
        const profile::ProcessorProfile p = profiletest::Replay(c.file);
        EXPECT_STREQ(c.microarchitecture, p.microarchitecture) << c.file << ": microarchitecture";
        EXPECT_STREQ(c.codeName, p.codeName) << c.file << ": code name";
        EXPECT_STREQ(c.process, p.process) << c.file << ": process";
    }
}

}  // namespace
