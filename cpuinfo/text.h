// Bounded text writes for the record's fixed-size fields: every write is cut to the field and
// always terminated.
#pragma once

#include <cstdarg>
#include <cstddef>
#include <cstdint>
#include <cstring>

// Copies at most size-1 characters of source (null counts as empty) and terminates. Inline: the
// naming copies a few dozen short texts per identification.
inline void CopyTextInto(char* target, size_t size, const char* source) {
    if (size == 0) return;
    size_t length = 0;
    if (source) {
        while (length < size - 1 && source[length]) ++length;
        // The source may overlap the target (a field copied within itself): move, don't copy.
        if (length) std::memmove(target, source, length);
    }
    target[length] = '\0';
}

#if defined(__GNUC__)
#define CPUINFO_PRINTF_FORMAT(f, a) __attribute__((format(printf, f, a)))
#else
#define CPUINFO_PRINTF_FORMAT(f, a)
#endif

// Formats into target, cut to size and terminated.
void FormatTextInto(char* target, size_t size, const char* format, ...) CPUINFO_PRINTF_FORMAT(3, 4);

template <size_t N>
void CopyText(char (&target)[N], const char* source) {
    CopyTextInto(target, N, source);
}

// FormatText(field, "%X", value): the field's size comes from its type, the format is checked.
#define FormatText(target, ...) FormatTextInto((target), sizeof(target), __VA_ARGS__)

// The decimal text of value exactly as "%d" writes it, cut to size and terminated; without the cost
// of the C library's formatter, for texts written on every identification.
void DecimalTextInto(char* target, size_t size, int32_t value);

template <size_t N>
void DecimalText(char (&target)[N], int32_t value) {
    DecimalTextInto(target, N, value);
}
