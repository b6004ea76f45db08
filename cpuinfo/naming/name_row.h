// The row every naming table uses: what it matches, then what it sets - the three texts, the core
// code, flags and cache sizes. ApplyNameRow writes a chosen row into the record, always in the same
// order; a field the row leaves open (null text, Core::None, kKeep) keeps what the record holds.
#pragma once

#include <cstdint>

#include "cpuinfo/codes.h"
#include "cpuinfo/rules.h"

using RowFlags = uint32_t;
constexpr RowFlags kNoFlags = 0;
constexpr RowFlags kHalfSpeedL2 = 1u << 0;       // L2HalfSpeed = 1
constexpr RowFlags kVariableClock = 1u << 1;     // VariableClock = 1: the clock drops when idle
constexpr RowFlags kFixedClock = 1u << 2;        // VariableClock = 0
constexpr RowFlags kHyperThreading = 1u << 3;    // HasHtt = 1
constexpr RowFlags kNoHyperThreading = 1u << 4;  // HasHtt = 0
constexpr RowFlags kDualCore = 1u << 5;          // IsDualCore = 1
constexpr RowFlags kSempron = 1u << 6;           // IsSempron = 1: the speed rating needs to know
constexpr RowFlags kSoldAsVia = 1u << 7;         // VendorName = "VIA"

// A cache size the row leaves as decoding found it.
constexpr int32_t kKeep = -2;

// Sizes in KB that a row knows better than the processor's cache leaves.
struct CacheSizes {
    int32_t l1Code = kKeep;
    int32_t l1Data = kKeep;
    int32_t l1Unified = kKeep;
    int32_t l2 = kKeep;
};

constexpr CacheSizes UnifiedL1(int32_t kb) {
    CacheSizes sizes;
    sizes.l1Unified = kb;
    return sizes;
}
constexpr CacheSizes SplitL1(int32_t codeKb, int32_t dataKb) {
    CacheSizes sizes;
    sizes.l1Code = codeKb;
    sizes.l1Data = dataKb;
    return sizes;
}
constexpr CacheSizes L2Of(int32_t kb) {
    CacheSizes sizes;
    sizes.l2 = kb;
    return sizes;
}

// As a row's socket: the NetBurst socket, which the platform identifier tells.
extern const char kSocketByPlatform[];

struct NameRow {
    Match match;
    const char* name = nullptr;     // CpuName, market name with the code name in parentheses
    const char* socket = nullptr;   // Socket
    const char* process = nullptr;  // ProcessTech, in micrometres
    Core core = Core::None;         // the multiplier scheme of the clock step
    RowFlags flags = kNoFlags;
    CacheSizes caches = {};
    int32_t powerManagement = 0;    // PowerMgmtCode; 0 leaves it
};

// Texts, core code, flags, cache sizes, power management, in that order.
void ApplyNameRow(CCpuInfo& record, const NameRow& row);

// Applies the row when there is one; returns whether there was.
inline bool ApplyNameRow(CCpuInfo& record, const NameRow* row) {
    if (row) ApplyNameRow(record, *row);
    return row != nullptr;
}
