// The POSIX ini reader. On Windows the native machine asks GetPrivateProfileStringA instead.
#if !defined(_WIN32)

#include "platform/ini_reader.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstring>

namespace platform {
namespace {

// Longer lines are cut here; the rest of such a line is skipped up to its line break.
constexpr size_t kMaxLine = 1024;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Compares [begin, end) with a terminated name, ignoring ASCII case.
bool EqualsIgnoringCase(const char* begin, const char* end, const char* name) {
    size_t length = static_cast<size_t>(end - begin);
    if (std::strlen(name) != length) return false;
    for (size_t i = 0; i < length; ++i)
        if (LowerAscii(begin[i]) != LowerAscii(name[i])) return false;
    return true;
}

void Trim(const char*& begin, const char*& end) {
    while (begin < end && IsBlank(*begin)) ++begin;
    while (end > begin && IsBlank(end[-1])) --end;
}

size_t CopyBounded(const char* begin, const char* end, char* out, size_t size) {
    if (size == 0) return 0;
    size_t length = static_cast<size_t>(end - begin);
    if (length > size - 1) length = size - 1;
    std::memcpy(out, begin, length);
    out[length] = '\0';
    return length;
}

struct Lookup {
    const char* section;
    const char* key;
    bool inSection = false;
    bool found = false;
    char* out;
    size_t size;
    size_t written = 0;

    // Handles one complete line [begin, end).
    void Line(const char* begin, const char* end) {
        Trim(begin, end);
        if (begin == end || *begin == ';') return;
        if (*begin == '[') {
            const char* close = static_cast<const char*>(std::memchr(begin, ']', static_cast<size_t>(end - begin)));
            const char* nameBegin = begin + 1;
            const char* nameEnd = close ? close : end;
            Trim(nameBegin, nameEnd);
            inSection = EqualsIgnoringCase(nameBegin, nameEnd, section);
            return;
        }
        if (!inSection) return;
        const char* equals = static_cast<const char*>(std::memchr(begin, '=', static_cast<size_t>(end - begin)));
        if (!equals) return;
        const char* keyEnd = equals;
        const char* keyBegin = begin;
        Trim(keyBegin, keyEnd);
        if (!EqualsIgnoringCase(keyBegin, keyEnd, key)) return;
        const char* valueBegin = equals + 1;
        const char* valueEnd = end;
        Trim(valueBegin, valueEnd);
        if (valueEnd - valueBegin >= 2 && (*valueBegin == '"' || *valueBegin == '\'') &&
            valueEnd[-1] == *valueBegin) {
            ++valueBegin;
            --valueEnd;
        }
        written = CopyBounded(valueBegin, valueEnd, out, size);
        found = true;
    }
};

}  // namespace

size_t ReadIniValue(const char* path, const char* section, const char* key, const char* defaultValue,
                    char* out, size_t size) {
    Lookup lookup{section, key, false, false, out, size, 0};
    int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        char line[kMaxLine];
        size_t lineLength = 0;
        char chunk[4096];
        ssize_t got;
        while (!lookup.found && (got = ::read(fd, chunk, sizeof chunk)) > 0) {
            for (ssize_t i = 0; i < got && !lookup.found; ++i) {
                char c = chunk[i];
                // A NUL byte ends a line like a line break does, so binary content cannot hide one.
                if (c == '\n' || c == '\r' || c == '\0') {
                    lookup.Line(line, line + lineLength);
                    lineLength = 0;
                } else if (lineLength < kMaxLine) {
                    line[lineLength++] = c;
                }
            }
        }
        if (!lookup.found && lineLength > 0) lookup.Line(line, line + lineLength);
        ::close(fd);
    }
    if (lookup.found) return lookup.written;
    return CopyBounded(defaultValue, defaultValue + std::strlen(defaultValue), out, size);
}

}  // namespace platform

#endif  // !_WIN32
