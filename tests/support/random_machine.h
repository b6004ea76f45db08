// Machines with arbitrary register contents, for robustness tests and fuzzing: every leaf the detection
// may ask for, filled from a byte source.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/simulated_machine.h"

namespace testsupport {

// Reads bytes in order; past the end it yields zeros.
class ByteSource {
public:
    ByteSource(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    uint8_t Byte() { return position_ < size_ ? data_[position_++] : 0; }
    uint32_t Word() {
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i) value = (value << 8) | Byte();
        return value;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t position_ = 0;
};

// The vendor strings the first byte chooses from, and the registers a machine may deliver.
constexpr unsigned kVendorCount = 12;
extern const char* const kVendors[kVendorCount];
constexpr size_t kMsrIndexCount = 11;
extern const uint32_t kMsrIndices[kMsrIndexCount];

// Fills leaves 0-7, 0xB, 0x80000000-0x80000008, 0x80860000-0x80860007 and 0xC0000000-0xC0000001 (and a
// few registers) from the source. The vendor string is one of the known ones or raw bytes, and the
// leaf maxima are nudged towards values that make the detection read the vendor leaves.
void FillRandomMachine(ByteSource& source, platform::SimulatedMachine& machine);

}  // namespace testsupport
