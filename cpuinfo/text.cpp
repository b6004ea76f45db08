#include "cpuinfo/text.h"

#include <cstdio>
#include <cstring>

void CopyTextInto(char* target, size_t size, const char* source) {
    if (size == 0) return;
    size_t length = source ? std::strlen(source) : 0;
    if (length > size - 1) length = size - 1;
    if (length) std::memmove(target, source, length);
    target[length] = '\0';
}

void FormatTextInto(char* target, size_t size, const char* format, ...) {
    if (size == 0) return;
    va_list args;
    va_start(args, format);
    int written = std::vsnprintf(target, size, format, args);
    va_end(args);
    if (written < 0) target[0] = '\0';
}
