// The one-byte cache descriptors of leaf 2, keyed by the byte.
#pragma once

#include <cstddef>
#include <cstdint>

#include "cpuinfo/profile/profile.h"

namespace profile {

struct CacheDescriptor {
    uint8_t key;
    uint8_t level;
    CacheKind kind;
    uint32_t sizeKib;
    uint8_t ways;
    uint8_t lineBytes;  // 0 for a trace cache, which has no lines
};

// The descriptor of a byte, or null for a byte that describes no cache (TLBs, prefetch, "none").
const CacheDescriptor* FindCacheDescriptor(uint8_t key);

// Byte 0x49 is the L3 of the Xeon MP of family 15 model 6 and the L2 of every other processor.
constexpr uint8_t kL2OrXeonMpL3 = 0x49;

}  // namespace profile
