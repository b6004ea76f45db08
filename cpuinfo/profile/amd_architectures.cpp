// AMD microarchitectures by display family and model range; brand patterns pick the code name where one
// die is sold under several (server, workstation, desktop and mobile names of the same silicon).
#include "cpuinfo/profile/microarchitecture.h"

namespace profile {

namespace {

constexpr Vendor A = Vendor::Amd;
constexpr CodeNameSource kClassic = CodeNameSource::Classic;
constexpr Range kAnyS = kAnyStepping;

// Sources: Linux amd.c (Zen model ranges), AMD revision guides and PPR titles, AMD product pages, tests/machines/modern.
const ArchitectureRow kAmdRows[] = {
    // Family 4 to 6 and K8: the classic tables name these.
    {A, 4, Span(0x00, 0x0D), kAnyS, nullptr, "Am486", "", "", kClassic},
    {A, 4, Span(0x0E, 0x0F), kAnyS, nullptr, "Am5x86", "", "350 nm", kClassic},
    {A, 5, Span(0x00, 0x03), kAnyS, nullptr, "K5", "SSA/5", "350 nm", kClassic},
    {A, 5, Only(0x06), kAnyS, nullptr, "K6", "K6", "300 nm", kClassic},
    {A, 5, Only(0x07), kAnyS, nullptr, "K6", "Little Foot", "250 nm", kClassic},
    {A, 5, Only(0x08), kAnyS, nullptr, "K6", "Chomper", "250 nm", kClassic},
    {A, 5, Only(0x09), kAnyS, nullptr, "K6", "Sharptooth", "250 nm", kClassic},
    {A, 5, Only(0x0A), kAnyS, nullptr, "Geode", "", "130 nm", kClassic},
    {A, 5, Span(0x0C, 0x0D), kAnyS, nullptr, "K6", "Sharptooth", "180 nm", kClassic},
    {A, 5, kAnyModel, kAnyS, nullptr, "K6", "", ""},
    {A, 6, Only(0x01), kAnyS, nullptr, "K7", "Argon", "250 nm", kClassic},
    {A, 6, Only(0x02), kAnyS, nullptr, "K7", "Pluto", "180 nm", kClassic},
    {A, 6, Only(0x03), kAnyS, nullptr, "K7", "Spitfire", "180 nm", kClassic},
    {A, 6, Only(0x04), kAnyS, nullptr, "K7", "Thunderbird", "180 nm", kClassic},
    {A, 6, Only(0x06), kAnyS, nullptr, "K7", "Palomino", "180 nm", kClassic},
    {A, 6, Only(0x07), kAnyS, nullptr, "K7", "Morgan", "180 nm", kClassic},
    {A, 6, Only(0x08), kAnyS, nullptr, "K7", "Thoroughbred", "130 nm", kClassic},
    {A, 6, Only(0x0A), kAnyS, nullptr, "K7", "Barton", "130 nm", kClassic},
    {A, 6, kAnyModel, kAnyS, nullptr, "K7", "", ""},
    {A, 15, Span(0x00, 0x0F), kAnyS, nullptr, "K8", "", "130 nm", kClassic},
    {A, 15, Span(0x10, 0x5F), kAnyS, nullptr, "K8", "", "90 nm", kClassic},
    {A, 15, Span(0x60, 0x7F), kAnyS, nullptr, "K8", "", "65 nm", kClassic},
    {A, 15, kAnyModel, kAnyS, nullptr, "K8", "", "", kClassic},

    // Family 0x10 (K10). The classic tables know the 65 nm model 2 only.
    {A, 0x10, Span(0x00, 0x02), kAnyS, "Opteron", "K10", "Barcelona", "65 nm", kClassic},
    {A, 0x10, Span(0x00, 0x02), kAnyS, "X3", "K10", "Toliman", "65 nm", kClassic},
    {A, 0x10, Span(0x00, 0x02), kAnyS, "X2", "K10", "Kuma", "65 nm", kClassic},
    {A, 0x10, Span(0x00, 0x02), kAnyS, nullptr, "K10", "Agena", "65 nm", kClassic},
    {A, 0x10, Only(0x04), kAnyS, "Opteron", "K10", "Shanghai", "45 nm"},
    {A, 0x10, Only(0x04), kAnyS, "X3", "K10", "Heka", "45 nm"},
    {A, 0x10, Only(0x04), kAnyS, "X2", "K10", "Callisto", "45 nm"},
    {A, 0x10, Only(0x04), kAnyS, nullptr, "K10", "Deneb", "45 nm"},
    {A, 0x10, Only(0x05), kAnyS, "X3", "K10", "Rana", "45 nm"},
    {A, 0x10, Only(0x05), kAnyS, nullptr, "K10", "Propus", "45 nm"},
    {A, 0x10, Only(0x06), kAnyS, "Sempron", "K10", "Sargas", "45 nm"},
    {A, 0x10, Only(0x06), kAnyS, "Turion(tm) II", "K10", "Caspian", "45 nm"},
    {A, 0x10, Only(0x06), kAnyS, " P#", "K10", "Champlain", "45 nm"},
    {A, 0x10, Only(0x06), kAnyS, " N#", "K10", "Champlain", "45 nm"},
    {A, 0x10, Only(0x06), kAnyS, nullptr, "K10", "Regor", "45 nm"},
    {A, 0x10, Only(0x08), kAnyS, " 41", "K10", "Lisbon", "45 nm"},
    {A, 0x10, Only(0x08), kAnyS, nullptr, "K10", "Istanbul", "45 nm"},
    {A, 0x10, Only(0x09), kAnyS, nullptr, "K10", "Magny-Cours", "45 nm"},
    {A, 0x10, Only(0x0A), kAnyS, "X4", "K10", "Zosma", "45 nm"},
    {A, 0x10, Only(0x0A), kAnyS, nullptr, "K10", "Thuban", "45 nm"},
    {A, 0x10, kAnyModel, kAnyS, nullptr, "K10", "", ""},

    {A, 0x11, kAnyModel, kAnyS, nullptr, "K8", "Griffin", "65 nm"},
    {A, 0x12, kAnyModel, kAnyS, nullptr, "K10", "Llano", "32 nm"},
    {A, 0x14, kAnyModel, kAnyS, "C-#", "Bobcat", "Ontario", "40 nm"},
    {A, 0x14, kAnyModel, kAnyS, "Z-#", "Bobcat", "Desna", "40 nm"},
    {A, 0x14, kAnyModel, kAnyS, nullptr, "Bobcat", "Zacate", "40 nm"},

    // Family 0x15: Bulldozer and its successors. Opteron model numbers give the server names.
    {A, 0x15, Only(0x01), kAnyS, " 62##", "Bulldozer", "Interlagos", "32 nm"},
    {A, 0x15, Only(0x01), kAnyS, " 42##", "Bulldozer", "Valencia", "32 nm"},
    {A, 0x15, Only(0x01), kAnyS, " 32##", "Bulldozer", "Zurich", "32 nm"},
    {A, 0x15, Only(0x01), kAnyS, nullptr, "Bulldozer", "Zambezi", "32 nm"},
    {A, 0x15, Only(0x00), kAnyS, nullptr, "Bulldozer", "", "32 nm"},
    {A, 0x15, Only(0x02), kAnyS, " 63##", "Piledriver", "Abu Dhabi", "32 nm"},
    {A, 0x15, Only(0x02), kAnyS, " 43##", "Piledriver", "Seoul", "32 nm"},
    {A, 0x15, Only(0x02), kAnyS, " 33##", "Piledriver", "Delhi", "32 nm"},
    {A, 0x15, Only(0x02), kAnyS, nullptr, "Piledriver", "Vishera", "32 nm"},
    {A, 0x15, Only(0x10), kAnyS, nullptr, "Piledriver", "Trinity", "32 nm"},
    {A, 0x15, Only(0x13), kAnyS, nullptr, "Piledriver", "Richland", "32 nm"},
    {A, 0x15, Span(0x00, 0x1F), kAnyS, nullptr, "Piledriver", "", "32 nm"},
    {A, 0x15, Only(0x30), kAnyS, "RX-", "Steamroller", "Bald Eagle", "28 nm"},
    {A, 0x15, Only(0x30), kAnyS, nullptr, "Steamroller", "Kaveri", "28 nm"},
    {A, 0x15, Only(0x38), kAnyS, nullptr, "Steamroller", "Godavari", "28 nm"},
    {A, 0x15, Span(0x30, 0x4F), kAnyS, nullptr, "Steamroller", "", "28 nm"},
    {A, 0x15, Only(0x60), kAnyS, "Opteron", "Excavator", "Toronto", "28 nm"},
    {A, 0x15, Only(0x60), kAnyS, "RX-", "Excavator", "Merlin Falcon", "28 nm"},
    {A, 0x15, Only(0x60), kAnyS, nullptr, "Excavator", "Carrizo", "28 nm"},
    {A, 0x15, Only(0x65), kAnyS, nullptr, "Excavator", "Bristol Ridge", "28 nm"},
    {A, 0x15, Only(0x70), kAnyS, nullptr, "Excavator", "Stoney Ridge", "28 nm"},
    {A, 0x15, Span(0x60, 0x7F), kAnyS, nullptr, "Excavator", "", "28 nm"},
    {A, 0x15, kAnyModel, kAnyS, nullptr, "Bulldozer family", "", ""},

    // Family 0x16: Jaguar and Puma.
    {A, 0x16, Span(0x00, 0x0F), kAnyS, "Opteron", "Jaguar", "Kyoto", "28 nm"},
    {A, 0x16, Span(0x00, 0x0F), kAnyS, "A4-1", "Jaguar", "Temash", "28 nm"},
    {A, 0x16, Span(0x00, 0x0F), kAnyS, "A6-1", "Jaguar", "Temash", "28 nm"},
    {A, 0x16, Span(0x00, 0x0F), kAnyS, nullptr, "Jaguar", "Kabini", "28 nm"},
    {A, 0x16, Span(0x30, 0x3F), kAnyS, "GX-", "Puma", "Steppe Eagle", "28 nm"},
    {A, 0x16, Span(0x30, 0x3F), kAnyS, "Micro-", "Puma", "Mullins", "28 nm"},
    {A, 0x16, Span(0x30, 0x3F), kAnyS, nullptr, "Puma", "Beema", "28 nm"},
    {A, 0x16, kAnyModel, kAnyS, nullptr, "Jaguar", "", "28 nm"},

    // Family 0x17: Zen (0x00-0x2F, 0x50-0x5F; Zen+ at 0x08 and 0x18) and Zen 2.
    {A, 0x17, Only(0x01), kAnyS, "EPYC", "Zen", "Naples", "GlobalFoundries 14 nm"},
    {A, 0x17, Only(0x01), kAnyS, "Threadripper", "Zen", "Whitehaven", "GlobalFoundries 14 nm"},
    {A, 0x17, Only(0x01), kAnyS, nullptr, "Zen", "Summit Ridge", "GlobalFoundries 14 nm"},
    {A, 0x17, Only(0x08), kAnyS, "Threadripper", "Zen+", "Colfax", "GlobalFoundries 12 nm"},
    {A, 0x17, Only(0x08), kAnyS, nullptr, "Zen+", "Pinnacle Ridge", "GlobalFoundries 12 nm"},
    {A, 0x17, Only(0x11), kAnyS, nullptr, "Zen", "Raven Ridge", "GlobalFoundries 14 nm"},
    {A, 0x17, Only(0x18), kAnyS, nullptr, "Zen+", "Picasso", "GlobalFoundries 12 nm"},
    {A, 0x17, Only(0x20), kAnyS, nullptr, "Zen", "Dali", "GlobalFoundries 14 nm"},
    {A, 0x17, Span(0x00, 0x2F), kAnyS, nullptr, "Zen", "", ""},
    {A, 0x17, Span(0x50, 0x5F), kAnyS, nullptr, "Zen", "", ""},
    {A, 0x17, Only(0x31), kAnyS, "Threadripper", "Zen 2", "Castle Peak", "TSMC 7 nm"},
    {A, 0x17, Only(0x31), kAnyS, nullptr, "Zen 2", "Rome", "TSMC 7 nm"},
    {A, 0x17, Only(0x60), kAnyS, nullptr, "Zen 2", "Renoir", "TSMC 7 nm"},
    {A, 0x17, Only(0x68), kAnyS, nullptr, "Zen 2", "Lucienne", "TSMC 7 nm"},
    {A, 0x17, Only(0x71), kAnyS, nullptr, "Zen 2", "Matisse", "TSMC 7 nm"},
    {A, 0x17, Span(0x90, 0x91), kAnyS, nullptr, "Zen 2", "Van Gogh", "TSMC 7 nm"},
    {A, 0x17, Span(0xA0, 0xAF), kAnyS, nullptr, "Zen 2", "Mendocino", "TSMC 6 nm"},
    // The desktop kits (4700S, 4800S) are console chips without a public code name of their own.
    {A, 0x17, Span(0x30, 0x4F), kAnyS, nullptr, "Zen 2", "", "TSMC 7 nm"},
    {A, 0x17, Span(0x60, 0x7F), kAnyS, nullptr, "Zen 2", "", "TSMC 7 nm"},
    {A, 0x17, Only(0x84), kAnyS, nullptr, "Zen 2", "", "TSMC 7 nm"},
    {A, 0x17, kAnyModel, kAnyS, nullptr, "Zen family", "", ""},

    // Family 0x19: Zen 3 (0x00-0x0F, 0x20-0x5F; Zen 3+ at 0x40-0x4F) and Zen 4 (0x10-0x1F, 0x60-0xAF).
    {A, 0x19, Span(0x00, 0x01), kAnyS, nullptr, "Zen 3", "Milan", "TSMC 7 nm"},
    {A, 0x19, Only(0x08), kAnyS, nullptr, "Zen 3", "Chagall", "TSMC 7 nm"},
    {A, 0x19, Span(0x00, 0x0F), kAnyS, nullptr, "Zen 3", "", "TSMC 7 nm"},
    {A, 0x19, Span(0x10, 0x11), kAnyS, nullptr, "Zen 4", "Genoa", "TSMC 5 nm"},
    {A, 0x19, Only(0x18), kAnyS, nullptr, "Zen 4", "Storm Peak", "TSMC 5 nm"},
    {A, 0x19, Span(0x10, 0x1F), kAnyS, nullptr, "Zen 4", "", "TSMC 5 nm"},
    {A, 0x19, Span(0x20, 0x21), kAnyS, nullptr, "Zen 3", "Vermeer", "TSMC 7 nm"},
    {A, 0x19, Only(0x30), kAnyS, nullptr, "Zen 3", "Trento", "TSMC 7 nm"},
    {A, 0x19, Span(0x40, 0x44), kAnyS, " 7#35", "Zen 3+", "Rembrandt-R", "TSMC 6 nm"},
    {A, 0x19, Span(0x40, 0x44), kAnyS, nullptr, "Zen 3+", "Rembrandt", "TSMC 6 nm"},
    {A, 0x19, Span(0x40, 0x4F), kAnyS, nullptr, "Zen 3+", "", "TSMC 6 nm"},
    {A, 0x19, Only(0x50), kAnyS, " 5#25U", "Zen 3", "Barcelo", "TSMC 7 nm"},
    {A, 0x19, Only(0x50), kAnyS, " 7#30U", "Zen 3", "Barcelo-R", "TSMC 7 nm"},
    {A, 0x19, Only(0x50), kAnyS, nullptr, "Zen 3", "Cezanne", "TSMC 7 nm"},
    {A, 0x19, Span(0x20, 0x5F), kAnyS, nullptr, "Zen 3", "", "TSMC 7 nm"},
    {A, 0x19, Only(0x61), kAnyS, " 7#45HX", "Zen 4", "Dragon Range", "TSMC 5 nm"},
    {A, 0x19, Only(0x61), kAnyS, nullptr, "Zen 4", "Raphael", "TSMC 5 nm"},
    {A, 0x19, Span(0x74, 0x75), kAnyS, " 8#40", "Zen 4", "Hawk Point", "TSMC 4 nm"},
    {A, 0x19, Span(0x74, 0x75), kAnyS, " 8#45", "Zen 4", "Hawk Point", "TSMC 4 nm"},
    {A, 0x19, Span(0x74, 0x75), kAnyS, nullptr, "Zen 4", "Phoenix", "TSMC 4 nm"},
    {A, 0x19, Only(0x78), kAnyS, nullptr, "Zen 4", "Phoenix 2", "TSMC 4 nm"},
    {A, 0x19, Span(0xA0, 0xAF), kAnyS, "EPYC 8", "Zen 4c", "Siena", "TSMC 5 nm"},
    {A, 0x19, Span(0xA0, 0xAF), kAnyS, nullptr, "Zen 4c", "Bergamo", "TSMC 5 nm"},
    {A, 0x19, Span(0x60, 0xAF), kAnyS, nullptr, "Zen 4", "", ""},
    {A, 0x19, kAnyModel, kAnyS, nullptr, "Zen family", "", ""},

    // Family 0x1A: Zen 5 (0x00-0x2F, 0x40-0x4F, 0x60-0x7F) and Zen 6 (0x50-0x5F, 0x80-0xAF, 0xC0-0xEF).
    {A, 0x1A, Span(0x00, 0x0F), kAnyS, "Threadripper", "Zen 5", "Shimada Peak", "TSMC 4 nm"},
    {A, 0x1A, Span(0x00, 0x0F), kAnyS, nullptr, "Zen 5", "Turin", "TSMC 4 nm"},
    {A, 0x1A, Span(0x10, 0x1F), kAnyS, nullptr, "Zen 5c", "Turin Dense", "TSMC 3 nm"},
    {A, 0x1A, Only(0x24), kAnyS, nullptr, "Zen 5", "Strix Point", "TSMC 4 nm"},
    {A, 0x1A, Only(0x44), kAnyS, " 9#55HX", "Zen 5", "Fire Range", "TSMC 4 nm"},
    {A, 0x1A, Only(0x44), kAnyS, nullptr, "Zen 5", "Granite Ridge", "TSMC 4 nm"},
    {A, 0x1A, Only(0x60), kAnyS, nullptr, "Zen 5", "Krackan Point", "TSMC 4 nm"},
    {A, 0x1A, Only(0x70), kAnyS, nullptr, "Zen 5", "Strix Halo", "TSMC 4 nm"},
    {A, 0x1A, Span(0x00, 0x2F), kAnyS, nullptr, "Zen 5", "", ""},
    {A, 0x1A, Span(0x40, 0x4F), kAnyS, nullptr, "Zen 5", "", ""},
    {A, 0x1A, Span(0x60, 0x7F), kAnyS, nullptr, "Zen 5", "", ""},
    {A, 0x1A, Span(0x50, 0x5F), kAnyS, nullptr, "Zen 6", "", ""},
    {A, 0x1A, Span(0x80, 0xAF), kAnyS, nullptr, "Zen 6", "", ""},
    {A, 0x1A, Span(0xC0, 0xEF), kAnyS, nullptr, "Zen 6", "", ""},
    {A, 0x1A, kAnyModel, kAnyS, nullptr, "Zen family", "", ""},
};

}  // namespace

ArchitectureTable AmdArchitectures() {
    return {"AMD", kAmdRows, sizeof kAmdRows / sizeof kAmdRows[0]};
}

}  // namespace profile
