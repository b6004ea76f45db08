// Bounded text writes for the record's fixed-size fields: every write is cut to the field and
// always terminated.
#pragma once

#include <cstdarg>
#include <cstddef>

// The one bounded copy: at most size-1 of the length characters at source, then a terminator (nothing
// at all when size is 0). Returns the number of characters copied. Source and target may overlap.
size_t CopyTextRange(char* target, size_t size, const char* source, size_t length);

// A terminated source (null counts as empty) through CopyTextRange.
size_t CopyTextInto(char* target, size_t size, const char* source);

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
