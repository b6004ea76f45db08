// Microarchitectures of the other makers: Hygon, VIA/Centaur and Zhaoxin today, and the makers of the
// 1990s whose processors the classic tables name.
#include "cpuinfo/profile/microarchitecture.h"

namespace profile {

namespace {

constexpr Vendor kHygon = Vendor::Hygon;
constexpr Vendor kVia = Vendor::Centaur;
constexpr Vendor kZhaoxin = Vendor::Zhaoxin;
constexpr Vendor kCyrix = Vendor::Cyrix;
constexpr CodeNameSource kClassic = CodeNameSource::Classic;
constexpr Range kAnyS = kAnyStepping;

// Sources: Linux hygon.c, centaur.c and zhaoxin.c, VIA and Zhaoxin product briefs, the makers' data books.
const ArchitectureRow kOtherRows[] = {
    // Hygon: the Dhyana core, licensed from AMD's first Zen.
    {kHygon, 0x18, Span(0x00, 0x01), kAnyS, nullptr, "Dhyana", "Dhyana", "14 nm"},
    {kHygon, 0x18, kAnyModel, kAnyS, nullptr, "Dhyana", "", ""},

    // IDT/Centaur WinChip, then VIA's C3, C7 and Nano. Nano steppings tell the three processes apart.
    {kVia, 5, Only(0x04), kAnyS, nullptr, "WinChip", "C6", "350 nm", kClassic},
    {kVia, 5, Only(0x08), kAnyS, nullptr, "WinChip", "", "350 nm", kClassic},
    {kVia, 5, Only(0x09), kAnyS, nullptr, "WinChip", "", "250 nm", kClassic},
    {kVia, 5, kAnyModel, kAnyS, nullptr, "WinChip", "", ""},
    {kVia, 6, Only(0x06), kAnyS, nullptr, "C3", "Samuel", "180 nm", kClassic},
    {kVia, 6, Only(0x07), Span(0x0, 0x7), nullptr, "C3", "Samuel 2", "150 nm", kClassic},
    {kVia, 6, Only(0x07), Span(0x8, 0xF), nullptr, "C3", "Ezra", "130 nm", kClassic},
    {kVia, 6, Only(0x08), kAnyS, nullptr, "C3", "Ezra-T", "130 nm", kClassic},
    {kVia, 6, Only(0x09), kAnyS, nullptr, "C3", "Nehemiah", "130 nm", kClassic},
    {kVia, 6, Only(0x0A), kAnyS, nullptr, "C7", "Esther", "90 nm", kClassic},
    {kVia, 6, Only(0x0D), kAnyS, nullptr, "C7", "Esther", "90 nm", kClassic},
    {kVia, 6, Only(0x0F), Span(0x0, 0x9), nullptr, "Isaiah", "Isaiah", "65 nm"},
    {kVia, 6, Only(0x0F), Span(0xA, 0xD), nullptr, "Isaiah", "Isaiah", "40 nm"},
    {kVia, 6, Only(0x0F), Span(0xE, 0xF), nullptr, "Isaiah", "Isaiah", "28 nm"},
    {kVia, 6, kAnyModel, kAnyS, nullptr, "C3", "", ""},

    // Zhaoxin: its cores carry the code names of Shanghai districts and roads.
    {kZhaoxin, 6, Only(0x0F), kAnyS, nullptr, "ZhangJiang", "ZhangJiang", "28 nm"},
    {kZhaoxin, 7, Only(0x1B), kAnyS, nullptr, "WuDaoKou", "WuDaoKou", "28 nm"},
    {kZhaoxin, 7, Only(0x3B), kAnyS, nullptr, "LuJiaZui", "LuJiaZui", "16 nm"},
    {kZhaoxin, 7, Only(0x5B), kAnyS, nullptr, "Yongfeng", "Yongfeng", "16 nm"},
    {kZhaoxin, 6, kAnyModel, kAnyS, nullptr, "Zhaoxin family 6", "", ""},
    {kZhaoxin, 7, kAnyModel, kAnyS, nullptr, "Zhaoxin family 7", "", ""},

    // Cyrix, and the Cyrix III that VIA sold.
    {kCyrix, 4, Only(0x04), kAnyS, nullptr, "MediaGX", "", "", kClassic},
    {kCyrix, 4, Only(0x09), kAnyS, nullptr, "Cx5x86", "M1sc", "650 nm", kClassic},
    {kCyrix, 4, kAnyModel, kAnyS, nullptr, "Cx486", "", ""},
    {kCyrix, 5, Only(0x02), kAnyS, nullptr, "6x86", "M1", "", kClassic},
    {kCyrix, 5, Only(0x04), kAnyS, nullptr, "MediaGX", "GXm", "", kClassic},
    {kCyrix, 5, kAnyModel, kAnyS, nullptr, "6x86", "", ""},
    {kCyrix, 6, Only(0x00), kAnyS, nullptr, "6x86MX", "M2", "", kClassic},
    {kCyrix, 6, Only(0x05), kAnyS, nullptr, "Joshua", "Joshua", "180 nm", kClassic},
    {kCyrix, 6, kAnyModel, kAnyS, nullptr, "6x86MX", "", ""},

    // The other makers of the 1990s and their successors.
    {Vendor::Transmeta, 5, kAnyModel, kAnyS, nullptr, "Crusoe", "", "", kClassic},
    {Vendor::Transmeta, 15, kAnyModel, kAnyS, nullptr, "Efficeon", "", "", kClassic},
    {Vendor::NexGen, 5, kAnyModel, kAnyS, nullptr, "Nx586", "", "", kClassic},
    {Vendor::Rise, 5, Only(0x00), kAnyS, nullptr, "mP6", "Kirin", "250 nm", kClassic},
    {Vendor::Rise, 5, Only(0x02), kAnyS, nullptr, "mP6", "Lynx", "180 nm", kClassic},
    {Vendor::Rise, 5, kAnyModel, kAnyS, nullptr, "mP6", "", "", kClassic},
    {Vendor::Umc, 4, kAnyModel, kAnyS, nullptr, "U5", "", "", kClassic},
    {Vendor::Sis, 5, kAnyModel, kAnyS, nullptr, "mP6", "", "", kClassic},
    {Vendor::Nsc, 5, Only(0x04), kAnyS, nullptr, "Geode", "GX1", "", kClassic},
    {Vendor::Nsc, 5, Only(0x05), kAnyS, nullptr, "Geode", "GX2", "130 nm", kClassic},
    {Vendor::Nsc, 5, kAnyModel, kAnyS, nullptr, "Geode", "", "", kClassic},
    {Vendor::Vortex, 5, kAnyModel, kAnyS, nullptr, "Vortex86", "", ""},
    {Vendor::Vortex, 6, kAnyModel, kAnyS, nullptr, "Vortex86", "", ""},
};

}  // namespace

ArchitectureTable OtherArchitectures() {
    return {"other makers", kOtherRows, sizeof kOtherRows / sizeof kOtherRows[0]};
}

}  // namespace profile
