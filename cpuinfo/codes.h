// Codes that one detection step writes and a later one reads: the vendor, the core code (which
// multiplier scheme the clock step uses) and the bus code (which nominal bus clock it reports).
// Reports print them as their numbers, so every enumerator keeps the number it has always had.
#pragma once

#include <cstdint>

// Set by CPUID decoding from the vendor string; 0 when the string is none of the known ones.
enum class Vendor : int32_t {
    Unknown = 0,
    Intel = 1,
    Amd = 2,
    Transmeta = 3,
    Cyrix = 4,
    Idt = 5,  // IDT / Centaur, later sold as VIA
    Umc = 7,
    Rise = 8,
    NexGen = 9,
    Compaq = 10,
    Nsc = 11,
};

// Set by the naming rows; selects how the register step decodes multiplier and bus. Each code is
// named after the first core that uses its scheme.
enum class Core : int32_t {
    None = 0,
    // Intel
    P6 = 1,           // Pentium Pro, Pentium II and Celeron, early Pentium III
    Coppermine = 3,   // Pentium III and Celeron at 0.18 um
    Tualatin = 4,
    Willamette = 5,   // NetBurst at 0.18 um
    NetBurst = 6,     // Northwood and later NetBurst cores
    Banias = 7,
    Dothan = 8,       // Dothan and the Core cores after it
    // AMD
    K6Late = 10,      // K6-2 and later K6 cores, Geode LX
    K7Desktop = 11,
    K7Mobile = 12,
    K8Desktop = 13,   // K8 and K10 without frequency and voltage control
    K8Mobile = 14,    // K8 and K10 with frequency and voltage control
    // Cyrix and IDT/VIA
    Samuel = 20,
    Samuel2 = 21,
    Ezra = 22,
    EzraT = 23,
    Nehemiah = 24,
    Esther = 25,
};

// The VIA cores, whose multiplier comes from the same register whatever the vendor code.
constexpr bool IsViaCore(Core core) { return core >= Core::Samuel && core <= Core::Esther; }

// Index into the nominal bus clocks (66.66 to 333.33 MHz); NoBusClock: no nominal bus is known.
enum class BusCode : int32_t {
    Bus66 = 0,
    Bus133 = 1,
    Bus100 = 2,
    Bus166 = 3,
    Bus200 = 4,
    Bus233 = 5,
    Bus266 = 6,
    NoBusClock = 7,
    Bus300 = 8,
    Bus333 = 9,
};
