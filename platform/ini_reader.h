// A small ini-file reader with the Windows lookup semantics: section and key names compare without
// regard to case, blanks around names and values are trimmed, a value in matching quotes loses them,
// an empty value stays empty, and a missing file, section or key gives the default. It reads the file
// with open/read into fixed buffers (no heap), copes with any content (binary bytes, endless lines,
// no final line break) and never writes past the output buffer.
#pragma once

#include <cstddef>

namespace platform {

// Writes the value (or the default) terminated and truncated to size; returns the length written.
size_t ReadIniValue(const char* path, const char* section, const char* key, const char* defaultValue,
                    char* out, size_t size);

}  // namespace platform
