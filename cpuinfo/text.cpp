#include "cpuinfo/text.h"

#include <cstdio>
#include <cstring>

size_t CopyTextRange(char* target, size_t size, const char* source, size_t length) {
    if (size == 0) return 0;
    if (length > size - 1) length = size - 1;
    if (length) std::memmove(target, source, length);
    target[length] = '\0';
    return length;
}

size_t CopyTextInto(char* target, size_t size, const char* source) {
    return CopyTextRange(target, size, source, source ? std::strlen(source) : 0);
}

void FormatTextInto(char* target, size_t size, const char* format, ...) {
    if (size == 0) return;
    va_list args;
    va_start(args, format);
    int written = std::vsnprintf(target, size, format, args);
    va_end(args);
    if (written < 0) target[0] = '\0';
}
