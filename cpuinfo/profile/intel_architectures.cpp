// Intel microarchitectures by display family, model and stepping; brand patterns pick the market segment
// where one model serves several. Code names are Intel's platform names ("Products formerly ...").
#include "cpuinfo/profile/microarchitecture.h"

namespace profile {

namespace {

constexpr Vendor I = Vendor::Intel;
constexpr CodeNameSource kClassic = CodeNameSource::Classic;
constexpr Range kAnyS = kAnyStepping;

// Sources: Linux intel-family.h, Intel ARK "Products formerly", Intel SDM vol. 4, tests/machines/modern.
const ArchitectureRow kIntelRows[] = {
    // Family 4 and 5: the classic tables name these.
    {I, 4, kAnyModel, kAnyS, nullptr, "i486", "", "", kClassic},
    {I, 5, Span(0x00, 0x01), kAnyS, nullptr, "P5", "P5", "800 nm", kClassic},
    {I, 5, Only(0x02), kAnyS, nullptr, "P5", "P54C", "600 nm", kClassic},
    {I, 5, Only(0x03), kAnyS, nullptr, "P5", "P24T", "600 nm", kClassic},
    {I, 5, Only(0x04), kAnyS, nullptr, "P5", "P55C", "350 nm", kClassic},
    {I, 5, Only(0x07), kAnyS, nullptr, "P5", "P54C", "350 nm", kClassic},
    {I, 5, Only(0x08), kAnyS, nullptr, "P5", "Tillamook", "250 nm", kClassic},
    {I, 5, Only(0x09), kAnyS, nullptr, "Quark", "Clanton", "32 nm"},
    {I, 5, kAnyModel, kAnyS, nullptr, "P5", "", ""},

    // Family 6 before Nehalem: the classic tables give the code names, these rows the rest.
    {I, 6, Span(0x00, 0x02), kAnyS, nullptr, "P6", "P6", "350 nm", kClassic},
    {I, 6, Only(0x03), kAnyS, nullptr, "P6", "Klamath", "350 nm", kClassic},
    {I, 6, Only(0x04), kAnyS, nullptr, "P6", "", "", kClassic},
    {I, 6, Only(0x05), kAnyS, nullptr, "P6", "Deschutes", "250 nm", kClassic},
    {I, 6, Only(0x06), kAnyS, nullptr, "P6", "Mendocino", "250 nm", kClassic},
    {I, 6, Only(0x07), kAnyS, nullptr, "P6", "Katmai", "250 nm", kClassic},
    {I, 6, Only(0x08), kAnyS, nullptr, "P6", "Coppermine", "180 nm", kClassic},
    {I, 6, Only(0x09), kAnyS, nullptr, "Pentium M", "Banias", "130 nm", kClassic},
    {I, 6, Only(0x0A), kAnyS, nullptr, "P6", "Cascades", "180 nm", kClassic},
    {I, 6, Only(0x0B), kAnyS, nullptr, "P6", "Tualatin", "130 nm", kClassic},
    {I, 6, Only(0x0D), kAnyS, nullptr, "Pentium M", "Dothan", "90 nm", kClassic},
    {I, 6, Only(0x0E), kAnyS, nullptr, "Enhanced Pentium M", "Yonah", "65 nm", kClassic},
    {I, 6, Only(0x0F), kAnyS, nullptr, "Core", "Merom", "65 nm", kClassic},
    {I, 6, Only(0x15), kAnyS, nullptr, "Pentium M", "Tolapai", "90 nm"},
    {I, 6, Only(0x16), kAnyS, nullptr, "Core", "Merom-L", "65 nm", kClassic},
    {I, 6, Only(0x17), kAnyS, nullptr, "Penryn", "Penryn", "45 nm", kClassic},
    {I, 6, Only(0x1D), kAnyS, nullptr, "Penryn", "Dunnington", "45 nm"},

    // Nehalem and Westmere. Mobile parts carry a letter before the model number ("M 520", "Q 720").
    {I, 6, Only(0x1A), kAnyS, "Xeon", "Nehalem", "Gainestown", "45 nm"},
    {I, 6, Only(0x1A), kAnyS, nullptr, "Nehalem", "Bloomfield", "45 nm"},
    {I, 6, Only(0x1E), kAnyS, "Xeon", "Nehalem", "Lynnfield", "45 nm"},
    {I, 6, Only(0x1E), kAnyS, "Q ", "Nehalem", "Clarksfield", "45 nm"},
    {I, 6, Only(0x1E), kAnyS, "X ", "Nehalem", "Clarksfield", "45 nm"},
    {I, 6, Only(0x1E), kAnyS, nullptr, "Nehalem", "Lynnfield", "45 nm"},
    {I, 6, Only(0x1F), kAnyS, nullptr, "Nehalem", "", "45 nm"},
    {I, 6, Only(0x2E), kAnyS, nullptr, "Nehalem", "Beckton", "45 nm"},
    {I, 6, Only(0x25), kAnyS, " M ", "Westmere", "Arrandale", "32 nm"},
    {I, 6, Only(0x25), kAnyS, " U ", "Westmere", "Arrandale", "32 nm"},
    {I, 6, Only(0x25), kAnyS, " P#", "Westmere", "Arrandale", "32 nm"},
    {I, 6, Only(0x25), kAnyS, " U#", "Westmere", "Arrandale", "32 nm"},
    {I, 6, Only(0x25), kAnyS, nullptr, "Westmere", "Clarkdale", "32 nm"},
    {I, 6, Only(0x2C), kAnyS, "Xeon", "Westmere", "Westmere-EP", "32 nm"},
    {I, 6, Only(0x2C), kAnyS, nullptr, "Westmere", "Gulftown", "32 nm"},
    {I, 6, Only(0x2F), kAnyS, nullptr, "Westmere", "Westmere-EX", "32 nm"},

    // Sandy Bridge to Broadwell.
    {I, 6, Only(0x2A), kAnyS, nullptr, "Sandy Bridge", "Sandy Bridge", "32 nm"},
    {I, 6, Only(0x2D), kAnyS, "Xeon", "Sandy Bridge", "Sandy Bridge-EP", "32 nm"},
    {I, 6, Only(0x2D), kAnyS, nullptr, "Sandy Bridge", "Sandy Bridge-E", "32 nm"},
    {I, 6, Only(0x3A), kAnyS, nullptr, "Ivy Bridge", "Ivy Bridge", "22 nm"},
    {I, 6, Only(0x3E), kAnyS, "Xeon(R) CPU E7", "Ivy Bridge", "Ivy Bridge-EX", "22 nm"},
    {I, 6, Only(0x3E), kAnyS, "Xeon", "Ivy Bridge", "Ivy Bridge-EP", "22 nm"},
    {I, 6, Only(0x3E), kAnyS, nullptr, "Ivy Bridge", "Ivy Bridge-E", "22 nm"},
    {I, 6, Only(0x3C), kAnyS, nullptr, "Haswell", "Haswell", "22 nm"},
    {I, 6, Only(0x45), kAnyS, nullptr, "Haswell", "Haswell-ULT", "22 nm"},
    {I, 6, Only(0x46), kAnyS, nullptr, "Haswell", "Crystal Well", "22 nm"},
    {I, 6, Only(0x3F), kAnyS, "Xeon(R) CPU E7", "Haswell", "Haswell-EX", "22 nm"},
    {I, 6, Only(0x3F), kAnyS, "Xeon", "Haswell", "Haswell-EP", "22 nm"},
    {I, 6, Only(0x3F), kAnyS, nullptr, "Haswell", "Haswell-E", "22 nm"},
    {I, 6, Only(0x3D), kAnyS, "#Y##", "Broadwell", "Broadwell-Y", "14 nm"},
    {I, 6, Only(0x3D), kAnyS, "Core(TM) M", "Broadwell", "Broadwell-Y", "14 nm"},
    {I, 6, Only(0x3D), kAnyS, nullptr, "Broadwell", "Broadwell-U", "14 nm"},
    {I, 6, Only(0x47), kAnyS, nullptr, "Broadwell", "Broadwell-H", "14 nm"},
    {I, 6, Only(0x4F), kAnyS, "Xeon(R) CPU E7", "Broadwell", "Broadwell-EX", "14 nm"},
    {I, 6, Only(0x4F), kAnyS, "Xeon", "Broadwell", "Broadwell-EP", "14 nm"},
    {I, 6, Only(0x4F), kAnyS, nullptr, "Broadwell", "Broadwell-E", "14 nm"},
    {I, 6, Only(0x56), kAnyS, nullptr, "Broadwell", "Broadwell-DE", "14 nm"},

    // Skylake and its refreshes. Model 0x55: stepping 5-7 Cascade Lake, 10-11 Cooper Lake.
    {I, 6, Only(0x4E), kAnyS, nullptr, "Skylake", "Skylake", "14 nm"},
    {I, 6, Only(0x5E), kAnyS, nullptr, "Skylake", "Skylake", "14 nm"},
    {I, 6, Only(0x55), Span(0x0, 0x4), "Xeon(R) W-", "Skylake", "Skylake-W", "14 nm"},
    {I, 6, Only(0x55), Span(0x0, 0x4), "Xeon", "Skylake", "Skylake-SP", "14 nm"},
    {I, 6, Only(0x55), Span(0x0, 0x4), nullptr, "Skylake", "Skylake-X", "14 nm"},
    {I, 6, Only(0x55), Span(0x5, 0x7), "Xeon(R) W-", "Cascade Lake", "Cascade Lake-W", "14 nm"},
    {I, 6, Only(0x55), Span(0x5, 0x7), "Xeon", "Cascade Lake", "Cascade Lake-SP", "14 nm"},
    {I, 6, Only(0x55), Span(0x5, 0x7), nullptr, "Cascade Lake", "Cascade Lake-X", "14 nm"},
    {I, 6, Only(0x55), Span(0xA, 0xB), nullptr, "Cooper Lake", "Cooper Lake", "14 nm"},
    {I, 6, Only(0x55), kAnyS, nullptr, "Skylake", "", "14 nm"},
    // Model 0x8E by stepping: 9 Kaby Lake and Amber Lake, 10 Kaby Lake-R and Coffee Lake-U,
    // 11 and 12 Whiskey Lake, with Comet Lake-U and the 10th-generation Amber Lake at 12.
    {I, 6, Only(0x8E), Only(0x9), "8##0Y", "Skylake", "Amber Lake-Y", "14 nm"},
    {I, 6, Only(0x8E), Only(0x9), "4425Y", "Skylake", "Amber Lake-Y", "14 nm"},
    {I, 6, Only(0x8E), Only(0x9), "#Y##", "Skylake", "Kaby Lake-Y", "14 nm"},
    {I, 6, Only(0x8E), Only(0x9), "#Y ", "Skylake", "Kaby Lake-Y", "14 nm"},
    {I, 6, Only(0x8E), Only(0x9), nullptr, "Skylake", "Kaby Lake-U", "14 nm"},
    {I, 6, Only(0x8E), Only(0xA), "8##9U", "Skylake", "Coffee Lake-U", "14 nm"},
    {I, 6, Only(0x8E), Only(0xA), nullptr, "Skylake", "Kaby Lake-R", "14 nm"},
    {I, 6, Only(0x8E), Span(0xB, 0xC), "#Y ", "Skylake", "Amber Lake-Y", "14 nm"},
    {I, 6, Only(0x8E), Only(0xC), "10##0U", "Skylake", "Comet Lake-U", "14 nm"},
    {I, 6, Only(0x8E), Only(0xC), "5205U", "Skylake", "Comet Lake-U", "14 nm"},
    {I, 6, Only(0x8E), Only(0xC), "6405U", "Skylake", "Comet Lake-U", "14 nm"},
    {I, 6, Only(0x8E), Span(0xB, 0xC), nullptr, "Skylake", "Whiskey Lake-U", "14 nm"},
    {I, 6, Only(0x8E), kAnyS, nullptr, "Skylake", "Kaby Lake", "14 nm"},
    // Model 0x9E: stepping 9 Kaby Lake (with the X and G parts), 10-13 Coffee Lake.
    {I, 6, Only(0x9E), Only(0x9), "#X ", "Skylake", "Kaby Lake-X", "14 nm"},
    {I, 6, Only(0x9E), Only(0x9), "#G ", "Skylake", "Kaby Lake-G", "14 nm"},
    {I, 6, Only(0x9E), Only(0x9), nullptr, "Skylake", "Kaby Lake", "14 nm"},
    {I, 6, Only(0x9E), Span(0xA, 0xD), "9###H", "Skylake", "Coffee Lake-H Refresh", "14 nm"},
    {I, 6, Only(0x9E), Span(0xA, 0xD), "#H", "Skylake", "Coffee Lake-H", "14 nm"},
    {I, 6, Only(0x9E), Span(0xA, 0xD), nullptr, "Skylake", "Coffee Lake-S", "14 nm"},
    {I, 6, Only(0x9E), kAnyS, nullptr, "Skylake", "Kaby Lake", "14 nm"},
    {I, 6, Only(0xA5), kAnyS, "#H", "Skylake", "Comet Lake-H", "14 nm"},
    {I, 6, Only(0xA5), kAnyS, "Xeon(R) W-", "Skylake", "Comet Lake-W", "14 nm"},
    {I, 6, Only(0xA5), kAnyS, nullptr, "Skylake", "Comet Lake-S", "14 nm"},
    {I, 6, Only(0xA6), kAnyS, nullptr, "Skylake", "Comet Lake-U", "14 nm"},

    // 10 nm cores and their 14 nm back-port.
    {I, 6, Only(0x66), kAnyS, "#Y ", "Palm Cove", "Cannon Lake-Y", "10 nm"},
    {I, 6, Only(0x66), kAnyS, nullptr, "Palm Cove", "Cannon Lake-U", "10 nm"},
    {I, 6, Only(0x6A), kAnyS, "Xeon(R) W-", "Sunny Cove", "Ice Lake-W", "10 nm"},
    {I, 6, Only(0x6A), kAnyS, nullptr, "Sunny Cove", "Ice Lake-SP", "10 nm"},
    {I, 6, Only(0x6C), kAnyS, nullptr, "Sunny Cove", "Ice Lake-D", "10 nm"},
    {I, 6, Span(0x7D, 0x7E), kAnyS, nullptr, "Sunny Cove", "Ice Lake", "10 nm"},
    {I, 6, Only(0x9D), kAnyS, nullptr, "Sunny Cove", "Spring Hill", "10 nm"},
    {I, 6, Only(0xA7), kAnyS, nullptr, "Cypress Cove", "Rocket Lake-S", "14 nm"},
    {I, 6, Only(0x8C), kAnyS, "11###H", "Willow Cove", "Tiger Lake-H35", "10 nm SuperFin"},
    {I, 6, Only(0x8C), kAnyS, "11#0G#", "Willow Cove", "Tiger Lake-UP4", "10 nm SuperFin"},
    {I, 6, Only(0x8C), kAnyS, nullptr, "Willow Cove", "Tiger Lake-UP3", "10 nm SuperFin"},
    {I, 6, Only(0x8D), kAnyS, nullptr, "Willow Cove", "Tiger Lake-H", "10 nm SuperFin"},

    // Server cores since Sapphire Rapids.
    {I, 6, Only(0x8F), kAnyS, nullptr, "Golden Cove", "Sapphire Rapids", "Intel 7"},
    {I, 6, Only(0xCF), kAnyS, nullptr, "Raptor Cove", "Emerald Rapids", "Intel 7"},
    {I, 6, Only(0xAD), kAnyS, nullptr, "Redwood Cove", "Granite Rapids", "Intel 3"},
    {I, 6, Only(0xAE), kAnyS, nullptr, "Redwood Cove", "Granite Rapids-D", "Intel 3"},
    {I, 6, Only(0xD7), kAnyS, nullptr, "Raptor Cove", "Bartlett Lake", "Intel 7"},

    // Hybrid processors: performance and efficient cores. Suffix letters in the brand pick the segment.
    {I, 6, Only(0x8A), kAnyS, nullptr, "Sunny Cove / Tremont", "Lakefield", "10 nm"},
    {I, 6, Only(0x97), kAnyS, "HX", "Golden Cove / Gracemont", "Alder Lake-HX", "Intel 7"},
    {I, 6, Only(0x97), kAnyS, nullptr, "Golden Cove / Gracemont", "Alder Lake-S", "Intel 7"},
    {I, 6, Only(0x9A), kAnyS, "#H", "Golden Cove / Gracemont", "Alder Lake-H", "Intel 7"},
    {I, 6, Only(0x9A), kAnyS, "#P", "Golden Cove / Gracemont", "Alder Lake-P", "Intel 7"},
    {I, 6, Only(0x9A), kAnyS, "#U", "Golden Cove / Gracemont", "Alder Lake-U", "Intel 7"},
    {I, 6, Only(0x9A), kAnyS, "Pentium(R) Gold 8", "Golden Cove / Gracemont", "Alder Lake-U", "Intel 7"},
    {I, 6, Only(0x9A), kAnyS, "Celeron(R) 7", "Golden Cove / Gracemont", "Alder Lake-U", "Intel 7"},
    {I, 6, Only(0x9A), kAnyS, nullptr, "Golden Cove / Gracemont", "Alder Lake-P", "Intel 7"},
    {I, 6, Only(0xB7), kAnyS, "HX", "Raptor Cove / Gracemont", "Raptor Lake-HX", "Intel 7"},
    {I, 6, Only(0xB7), kAnyS, nullptr, "Raptor Cove / Gracemont", "Raptor Lake-S", "Intel 7"},
    {I, 6, Only(0xBF), kAnyS, nullptr, "Raptor Cove / Gracemont", "Raptor Lake-S", "Intel 7"},
    {I, 6, Only(0xBA), kAnyS, "#H", "Raptor Cove / Gracemont", "Raptor Lake-H", "Intel 7"},
    {I, 6, Only(0xBA), kAnyS, "#U", "Raptor Cove / Gracemont", "Raptor Lake-U", "Intel 7"},
    {I, 6, Only(0xBA), kAnyS, nullptr, "Raptor Cove / Gracemont", "Raptor Lake-P", "Intel 7"},
    {I, 6, Only(0xAA), kAnyS, "#H", "Redwood Cove / Crestmont", "Meteor Lake-H", "Intel 4"},
    {I, 6, Only(0xAA), kAnyS, "#U", "Redwood Cove / Crestmont", "Meteor Lake-U", "Intel 4"},
    {I, 6, Only(0xAA), kAnyS, nullptr, "Redwood Cove / Crestmont", "Meteor Lake", "Intel 4"},
    {I, 6, Only(0xAC), kAnyS, nullptr, "Redwood Cove / Crestmont", "Meteor Lake-S", "Intel 4"},
    // Arrow Lake-U is the Meteor Lake design on Intel 3; the other Arrow Lakes have new cores.
    {I, 6, Only(0xB5), kAnyS, nullptr, "Redwood Cove / Crestmont", "Arrow Lake-U", "Intel 3"},
    {I, 6, Only(0xC5), kAnyS, nullptr, "Lion Cove / Skymont", "Arrow Lake-H", "TSMC N3B"},
    {I, 6, Only(0xC6), kAnyS, "HX", "Lion Cove / Skymont", "Arrow Lake-HX", "TSMC N3B"},
    {I, 6, Only(0xC6), kAnyS, nullptr, "Lion Cove / Skymont", "Arrow Lake-S", "TSMC N3B"},
    {I, 6, Only(0xBD), kAnyS, nullptr, "Lion Cove / Skymont", "Lunar Lake", "TSMC N3B"},
    {I, 6, Only(0xCC), kAnyS, nullptr, "Cougar Cove / Darkmont", "Panther Lake", "Intel 18A"},
    {I, 6, Only(0xE5), kAnyS, nullptr, "Cougar Cove / Darkmont", "Panther Lake", "Intel 18A"},
    {I, 6, Only(0xD5), kAnyS, nullptr, "Cougar Cove / Darkmont", "Wildcat Lake", "Intel 18A"},

    // Atom-class cores.
    {I, 6, Only(0x1C), Only(0xA), nullptr, "Bonnell", "Pineview", "45 nm"},
    {I, 6, Only(0x1C), kAnyS, "Z5##", "Bonnell", "Silverthorne", "45 nm"},
    {I, 6, Only(0x1C), kAnyS, nullptr, "Bonnell", "Diamondville", "45 nm"},
    {I, 6, Only(0x26), kAnyS, " E6", "Bonnell", "Tunnel Creek", "45 nm"},
    {I, 6, Only(0x26), kAnyS, nullptr, "Bonnell", "Lincroft", "45 nm"},
    {I, 6, Only(0x27), kAnyS, nullptr, "Saltwell", "Penwell", "32 nm"},
    {I, 6, Only(0x35), kAnyS, nullptr, "Saltwell", "Cloverview", "32 nm"},
    {I, 6, Only(0x36), kAnyS, " S12", "Saltwell", "Centerton", "32 nm"},
    {I, 6, Only(0x36), kAnyS, nullptr, "Saltwell", "Cedarview", "32 nm"},
    {I, 6, Only(0x37), kAnyS, " Z3", "Silvermont", "Bay Trail-T", "22 nm"},
    {I, 6, Only(0x37), kAnyS, " E38", "Silvermont", "Bay Trail-I", "22 nm"},
    {I, 6, Only(0x37), kAnyS, " J#", "Silvermont", "Bay Trail-D", "22 nm"},
    {I, 6, Only(0x37), kAnyS, " N#", "Silvermont", "Bay Trail-M", "22 nm"},
    {I, 6, Only(0x37), kAnyS, nullptr, "Silvermont", "Bay Trail", "22 nm"},
    {I, 6, Only(0x4A), kAnyS, nullptr, "Silvermont", "Merrifield", "22 nm"},
    {I, 6, Only(0x5A), kAnyS, nullptr, "Silvermont", "Moorefield", "22 nm"},
    {I, 6, Only(0x4D), kAnyS, "C2##8", "Silvermont", "Rangeley", "22 nm"},
    {I, 6, Only(0x4D), kAnyS, nullptr, "Silvermont", "Avoton", "22 nm"},
    {I, 6, Only(0x4C), kAnyS, "Z8", "Airmont", "Cherry Trail", "14 nm"},
    {I, 6, Only(0x4C), kAnyS, nullptr, "Airmont", "Braswell", "14 nm"},
    // Model 0x75 is Intel's Lightning Mountain and also the Airmont cores Unisoc licensed.
    {I, 6, Only(0x75), kAnyS, "Spreadtrum", "Airmont", "", "14 nm"},
    {I, 6, Only(0x75), kAnyS, nullptr, "Airmont", "Lightning Mountain", "14 nm"},
    {I, 6, Only(0x5C), kAnyS, nullptr, "Goldmont", "Apollo Lake", "14 nm"},
    {I, 6, Only(0x5F), kAnyS, nullptr, "Goldmont", "Denverton", "14 nm"},
    {I, 6, Only(0x7A), Span(0x8, 0xF), nullptr, "Goldmont Plus", "Gemini Lake Refresh", "14 nm"},
    {I, 6, Only(0x7A), kAnyS, nullptr, "Goldmont Plus", "Gemini Lake", "14 nm"},
    {I, 6, Only(0x86), kAnyS, "Atom(TM) P59", "Tremont", "Snow Ridge", "10 nm"},
    {I, 6, Only(0x86), kAnyS, nullptr, "Tremont", "Jacobsville", "10 nm"},
    {I, 6, Only(0x96), kAnyS, nullptr, "Tremont", "Elkhart Lake", "10 nm"},
    {I, 6, Only(0x9C), kAnyS, nullptr, "Tremont", "Jasper Lake", "10 nm"},
    {I, 6, Only(0xBE), kAnyS, "N#5#", "Gracemont", "Twin Lake", "Intel 7"},
    {I, 6, Only(0xBE), kAnyS, nullptr, "Gracemont", "Alder Lake-N", "Intel 7"},
    {I, 6, Only(0xB6), kAnyS, nullptr, "Crestmont", "Grand Ridge", "Intel 4"},
    {I, 6, Only(0xAF), kAnyS, nullptr, "Crestmont", "Sierra Forest", "Intel 3"},
    {I, 6, Only(0xDD), kAnyS, nullptr, "Darkmont", "Clearwater Forest", "Intel 18A"},

    // Xeon Phi.
    {I, 6, Only(0x57), kAnyS, nullptr, "Knights Landing", "Knights Landing", "14 nm"},
    {I, 6, Only(0x85), kAnyS, nullptr, "Knights Mill", "Knights Mill", "14 nm"},
    {I, 11, kAnyModel, kAnyS, nullptr, "Knights Corner", "Knights Corner", "22 nm"},

    // Any other family 6 model: no single microarchitecture to name. The classic tables would read its
    // low model bits as a processor of the 1990s, so their code name is not taken.
    {I, 6, kAnyModel, kAnyS, nullptr, "Intel family 6", "", ""},

    // Itanium in its x86 mode, and NetBurst.
    {I, 7, kAnyModel, kAnyS, nullptr, "Itanium", "Merced", "180 nm", kClassic},
    {I, 15, Span(0x00, 0x01), kAnyS, nullptr, "NetBurst", "Willamette", "180 nm", kClassic},
    {I, 15, Only(0x02), kAnyS, nullptr, "NetBurst", "Northwood", "130 nm", kClassic},
    {I, 15, Span(0x03, 0x04), kAnyS, nullptr, "NetBurst", "Prescott", "90 nm", kClassic},
    {I, 15, Only(0x05), kAnyS, nullptr, "NetBurst", "Tejas", "90 nm", kClassic},
    {I, 15, Only(0x06), kAnyS, nullptr, "NetBurst", "Cedar Mill", "65 nm", kClassic},
    {I, 15, kAnyModel, kAnyS, nullptr, "NetBurst", "", ""},
    {I, 16, kAnyModel, kAnyS, nullptr, "Itanium 2", "McKinley", "180 nm", kClassic},
    {I, 17, kAnyModel, kAnyS, nullptr, "Itanium 2", "Madison", "130 nm", kClassic},

    // The families after 6.
    {I, 18, Only(0x01), kAnyS, nullptr, "Coyote Cove / Arctic Wolf", "Nova Lake", ""},
    {I, 18, Only(0x03), kAnyS, nullptr, "Coyote Cove / Arctic Wolf", "Nova Lake", ""},
    {I, 18, kAnyModel, kAnyS, nullptr, "Intel family 18", "", ""},
    {I, 19, Only(0x01), kAnyS, nullptr, "Panther Cove", "Diamond Rapids", "Intel 18A"},
    {I, 19, kAnyModel, kAnyS, nullptr, "Intel family 19", "", ""},
};

}  // namespace

ArchitectureTable IntelArchitectures() {
    return {"Intel", kIntelRows, sizeof kIntelRows / sizeof kIntelRows[0]};
}

}  // namespace profile
