#include "cpuinfo/profile/vendor.h"

#include <cstring>

namespace profile {

namespace {

struct VendorRow {
    const char* id;  // the twelve characters of leaf 0
    Vendor vendor;
};

// Sources: the vendor strings Linux arch/x86/kernel/cpu/*.c matches, and the makers' manuals.
const VendorRow kVendorStrings[] = {
    {"GenuineIntel", Vendor::Intel},     {"AuthenticAMD", Vendor::Amd},       {"AMDisbetter!", Vendor::Amd},
    {"HygonGenuine", Vendor::Hygon},     {"CentaurHauls", Vendor::Centaur},   {"VIA VIA VIA ", Vendor::Centaur},
    {"  Shanghai  ", Vendor::Zhaoxin},   {"CyrixInstead", Vendor::Cyrix},     {"GenuineTMx86", Vendor::Transmeta},
    {"TransmetaCPU", Vendor::Transmeta}, {"NexGenDriven", Vendor::NexGen},    {"RiseRiseRise", Vendor::Rise},
    {"UMC UMC UMC ", Vendor::Umc},       {"SiS SiS SiS ", Vendor::Sis},       {"Geode by NSC", Vendor::Nsc},
    {"Vortex86 SoC", Vendor::Vortex},
};

struct VendorNameRow {
    Vendor vendor;
    const char* name;
};

const VendorNameRow kVendorNames[] = {
    {Vendor::Intel, "Intel"},       {Vendor::Amd, "AMD"},          {Vendor::Hygon, "Hygon"},
    {Vendor::Centaur, "VIA"},       {Vendor::Zhaoxin, "Zhaoxin"},  {Vendor::Cyrix, "Cyrix"},
    {Vendor::Transmeta, "Transmeta"}, {Vendor::NexGen, "NexGen"},  {Vendor::Rise, "Rise"},
    {Vendor::Umc, "UMC"},           {Vendor::Sis, "SiS"},          {Vendor::Nsc, "National Semiconductor"},
    {Vendor::Vortex, "DM&P"},
};

}  // namespace

Vendor VendorOf(const char* vendorString, const char* brand) {
    Vendor vendor = Vendor::Unknown;
    for (const VendorRow& row : kVendorStrings)
        if (std::strcmp(row.id, vendorString) == 0) vendor = row.vendor;
    // Zhaoxin's first processors kept VIA's vendor string; their brand string names the maker.
    if (vendor == Vendor::Centaur && brand && std::strstr(brand, "ZHAOXIN")) vendor = Vendor::Zhaoxin;
    return vendor;
}

const char* VendorName(Vendor vendor, int32_t family) {
    if (vendor == Vendor::Centaur && family == 5) return "IDT";
    for (const VendorNameRow& row : kVendorNames)
        if (row.vendor == vendor) return row.name;
    return "";
}

}  // namespace profile
