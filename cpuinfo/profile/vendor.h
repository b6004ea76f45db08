// Processor makers as the profile tells them apart, from the vendor string of leaf 0.
#pragma once

#include <cstdint>

namespace profile {

enum class Vendor : uint8_t {
    Unknown,
    Intel,
    Amd,
    Hygon,
    Centaur,  // IDT/Centaur and VIA
    Zhaoxin,
    Cyrix,
    Transmeta,
    NexGen,
    Rise,
    Umc,
    Sis,
    Nsc,
    Vortex,
};

// The maker of a vendor string (and of a brand string: Zhaoxin processors also answer "CentaurHauls").
Vendor VendorOf(const char* vendorString, const char* brand);

// The maker's short name for the report; family 5 Centaur processors are the IDT WinChips.
const char* VendorName(Vendor vendor, int32_t family);

}  // namespace profile
