#include "cpuinfo/profile/microarchitecture.h"

namespace profile {

bool ContainsPattern(const char* text, const char* pattern) {
    if (!pattern || !*pattern) return true;
    if (!text) return false;
    for (const char* start = text; *start; ++start) {
        const char* t = start;
        const char* p = pattern;
        while (*p && *t && (*p == '#' ? (*t >= '0' && *t <= '9') : *p == *t)) {
            ++p;
            ++t;
        }
        if (!*p) return true;
    }
    return false;
}

bool RowMatches(const ArchitectureRow& row, const Signature& signature) {
    auto within = [](int32_t value, Range range) { return value >= range.first && value <= range.last; };
    return row.vendor == signature.vendor && row.family == signature.family && within(signature.model, row.model) &&
           within(signature.stepping, row.stepping) && (!row.brand || ContainsPattern(signature.brand, row.brand));
}

const ArchitectureRow* FindArchitecture(const Signature& signature) {
    const ArchitectureTable table = signature.vendor == Vendor::Intel ? IntelArchitectures()
                                    : signature.vendor == Vendor::Amd ? AmdArchitectures()
                                                                      : OtherArchitectures();
    for (size_t i = 0; i < table.count; ++i)
        if (RowMatches(table.rows[i], signature)) return &table.rows[i];
    return nullptr;
}

}  // namespace profile
