// A small ini-file reader with the Windows lookup semantics: section and key names compare without
// regard to case, blanks around names and values are trimmed, a value in matching quotes loses them,
// an empty value stays empty, and a missing file, section or key gives the default. It reads the file
// with open/read into fixed buffers (no heap), copes with any content (endless lines, no final line
// break) and never writes past the output buffer. Only regular files are read, at most their first
// 1 MiB; a file with a NUL byte before the value is binary (an executable, a device) and gives the default.
#pragma once

#include <cstddef>

namespace platform {

// The most of an ini file that is read; the rest is ignored.
constexpr size_t kMaxIniBytes = 1024 * 1024;

// Where the ini text comes from: Read fills up to size bytes and returns how many, 0 at the end.
class IniTextSource {
public:
    virtual size_t Read(char* buffer, size_t size) = 0;

protected:
    ~IniTextSource() = default;
};

// The lookup on text from any source (the file reader below, fuzzing, tests).
size_t ScanIniText(IniTextSource& source, const char* section, const char* key, const char* defaultValue,
                   char* out, size_t size);

// Writes the value (or the default) terminated and truncated to size; returns the length written.
size_t ReadIniValue(const char* path, const char* section, const char* key, const char* defaultValue,
                    char* out, size_t size);

}  // namespace platform
