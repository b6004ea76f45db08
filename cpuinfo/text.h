// Bounded text writes for the record's fixed-size fields: every write is cut to the field and
// always terminated.
#pragma once

#include <cstdarg>
#include <cstddef>
#include <cstdint>
#include <cstring>

// The one bounded copy: at most size-1 of the length characters at source, then a terminator (nothing
// at all when size is 0). Returns the number of characters copied. The source may overlap the target
// (a field copied within itself): it is moved, not copied. Inline, like CopyTextInto: the naming
// copies a few dozen short texts per identification.
inline size_t CopyTextRange(char* target, size_t size, const char* source, size_t length) {
    if (size == 0) return 0;
    if (length > size - 1) length = size - 1;
    if (length) std::memmove(target, source, length);
    target[length] = '\0';
    return length;
}

// A terminated source (null counts as empty) through CopyTextRange, read no further than the target
// can take.
inline size_t CopyTextInto(char* target, size_t size, const char* source) {
    if (size == 0) return 0;
    size_t length = 0;
    if (source)
        while (length < size - 1 && source[length]) ++length;
    return CopyTextRange(target, size, source, length);
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
