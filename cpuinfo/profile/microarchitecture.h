// Microarchitecture tables: rows of vendor, display family, model range, stepping range and (rarely) a
// brand-string pattern, naming the microarchitecture, the code name and the manufacturing process. The
// first matching row of a table applies, so within one model the rows that need a stepping or a brand
// come before the row for the whole model, and the row for a family's model range comes last.
#pragma once

#include <cstddef>
#include <cstdint>

#include "cpuinfo/profile/vendor.h"

namespace profile {

struct Range {
    uint8_t first;
    uint8_t last;  // inclusive
};

constexpr Range Only(uint8_t value) { return {value, value}; }
constexpr Range Span(uint8_t first, uint8_t last) { return {first, last}; }
constexpr Range kAnyModel{0x00, 0xFF};
constexpr Range kAnyStepping{0x0, 0xF};

// Where the code name comes from.
enum class CodeNameSource : uint8_t {
    Table,    // this row's code name
    Classic,  // the classic naming tables' code name when they give one, else this row's
};

struct ArchitectureRow {
    Vendor vendor;
    uint16_t family;
    Range model;
    Range stepping;
    const char* brand;  // pattern the brand string must contain ('#' stands for any digit); null: any
    const char* microarchitecture;
    const char* codeName;  // "" when no public code name is known
    const char* process;   // "" when unknown
    CodeNameSource source = CodeNameSource::Table;
};

struct Signature {
    Vendor vendor;
    int32_t family;
    int32_t model;
    int32_t stepping;
    const char* brand;
};

struct ArchitectureTable {
    const char* name;
    const ArchitectureRow* rows;
    size_t count;
};

// The tables, one per maker group.
ArchitectureTable IntelArchitectures();
ArchitectureTable AmdArchitectures();
ArchitectureTable OtherArchitectures();  // Hygon, VIA/Centaur, Zhaoxin and the makers of the 1990s

// True when text contains pattern, '#' in the pattern matching any decimal digit.
bool ContainsPattern(const char* text, const char* pattern);

// True when the row applies to the processor.
bool RowMatches(const ArchitectureRow& row, const Signature& signature);

// The first row of the processor's table that applies, or null.
const ArchitectureRow* FindArchitecture(const Signature& signature);

}  // namespace profile
