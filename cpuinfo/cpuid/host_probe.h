// The host facts the record initialisation gathers: the ini setting next to the executable and the
// platform's architecture name.
#pragma once

#include <cstddef>
#include <cstdint>

// The ini path of an executable: the path cut at its last '.' with ".ini" appended, or the path
// unchanged when it has no '.' at all (the cut may fall in a directory name). Writes at most size
// bytes, terminated.
void MakeIniPath(const char* executablePath, char* out, size_t size);

// Decimal text as the C library's atoi reads it: leading white space, one optional sign, digits up to
// the first non-digit; no digits give 0. Values beyond the int32 range saturate at INT32_MIN/INT32_MAX.
int32_t ParseIniInteger(const char* text);

// The absolute value stored for the wait setting; the most negative int32 gives INT32_MAX.
int32_t AbsoluteSetting(int32_t value);

// The name of a Windows processor-architecture code, or "" for a code without one.
const char* ArchitectureNameOf(uint32_t code);
