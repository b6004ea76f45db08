// The POSIX ini reader. On Windows the native machine asks GetPrivateProfileStringA instead.
#if !defined(_WIN32)

#include "platform/ini_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "cpuinfo/text.h"

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
        written = CopyTextRange(out, size, valueBegin, static_cast<size_t>(valueEnd - valueBegin));
        found = true;
    }
};

}  // namespace

size_t ScanIniText(IniTextSource& source, const char* section, const char* key, const char* defaultValue,
                   char* out, size_t size) {
    Lookup lookup{section, key, false, false, out, size, 0};
    char line[kMaxLine];
    size_t lineLength = 0;
    bool binary = false;
    size_t total = 0;
    char chunk[4096];
    size_t got;
    while (!lookup.found && !binary && total < kMaxIniBytes &&
           (got = source.Read(chunk, std::min(sizeof chunk, kMaxIniBytes - total))) > 0) {
        total += got;
        for (size_t i = 0; i < got && !lookup.found; ++i) {
            char c = chunk[i];
            if (c == '\0') {
                // A NUL byte means binary content (an executable, a device): not an ini file.
                binary = true;
                break;
            }
            if (c == '\n' || c == '\r') {
                lookup.Line(line, line + lineLength);
                lineLength = 0;
            } else if (lineLength < kMaxLine) {
                line[lineLength++] = c;
            }
        }
    }
    if (!binary && !lookup.found && lineLength > 0) lookup.Line(line, line + lineLength);
    if (lookup.found && !binary) return lookup.written;
    return CopyTextInto(out, size, defaultValue);
}

namespace {

// Reads an open file descriptor.
class FileSource final : public IniTextSource {
public:
    explicit FileSource(int fd) : fd_(fd) {}
    size_t Read(char* buffer, size_t size) override {
        for (;;) {
            ssize_t got = ::read(fd_, buffer, size);
            if (got >= 0) return static_cast<size_t>(got);
            if (errno != EINTR) return 0;  // an unreadable file reads as empty
        }
    }

private:
    int fd_;
};

class NoText final : public IniTextSource {
public:
    size_t Read(char*, size_t) override { return 0; }
};

}  // namespace

size_t ReadIniValue(const char* path, const char* section, const char* key, const char* defaultValue,
                    char* out, size_t size) {
    // Opened without blocking (a FIFO would wait for a writer) and used only when it is a regular file:
    // devices, FIFOs and directories count as absent.
    int fd = ::open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat info {};
    if (fd >= 0 && ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        FileSource source(fd);
        size_t written = ScanIniText(source, section, key, defaultValue, out, size);
        ::close(fd);
        return written;
    }
    if (fd >= 0) ::close(fd);
    NoText none;
    return ScanIniText(none, section, key, defaultValue, out, size);
}

}  // namespace platform

#endif  // !_WIN32
