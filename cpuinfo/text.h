// Bounded text writes for the record's fixed-size fields: every write is cut to the field and
// always terminated.
#pragma once

#include <cstdarg>
#include <cstddef>

// Copies at most size-1 characters of source (null counts as empty) and terminates.
void CopyTextInto(char* target, size_t size, const char* source);

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
