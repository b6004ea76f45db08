// libFuzzer: the ini lookup on arbitrary bytes as the file's content, delivered in chunks whose size the
// first byte chooses, for every output buffer size: the value is always terminated inside the buffer,
// its length is what was returned, and a smaller buffer gets a prefix of what a larger one gets.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "platform/ini_reader.h"

namespace {

class MemorySource final : public platform::IniTextSource {
public:
    MemorySource(const uint8_t* data, size_t size, size_t chunk) : data_(data), size_(size), chunk_(chunk) {}
    size_t Read(char* buffer, size_t size) override {
        const size_t count = std::min({size, size_ - position_, chunk_});
        std::memcpy(buffer, data_ + position_, count);
        position_ += count;
        return count;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t chunk_;
    size_t position_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const size_t chunk = 1 + data[0] % 64 * 67;  // 1 to 4222 bytes a read
    constexpr size_t kLargest = 300;
    char reference[kLargest + 8];
    for (size_t outSize = 0; outSize <= kLargest; outSize = outSize < 70 ? outSize + 1 : outSize + 115) {
        char out[kLargest + 8];
        std::memset(out, 0x7F, sizeof out);
        MemorySource source(data + 1, size - 1, chunk);
        const size_t length = platform::ScanIniText(source, "Setting", "CqDualWaitTime", "1000", out, outSize);
        if (outSize == 0) {
            if (length != 0 || out[0] != 0x7F) __builtin_trap();
            continue;
        }
        if (length >= outSize || out[length] != '\0' || std::strlen(out) != length) __builtin_trap();
        for (size_t i = outSize; i < sizeof out; ++i)
            if (out[i] != 0x7F) __builtin_trap();
        if (outSize == 1) std::memcpy(reference, out, 1);
        if (std::strncmp(out, reference, std::strlen(reference)) != 0) __builtin_trap();
        std::memcpy(reference, out, length + 1);
    }
    return 0;
}
