// Market names carry their code name in parentheses after one blank: "Pentium M (Dothan)".
#pragma once

#include <cstddef>

// Writes the name before the first "(" less its last character (the separating blank) into model,
// and the text after it up to ")" (or the end) into code; both cut to their sizes and terminated.
// Without a "(" the whole name goes to model and code is left alone. Returns whether a code name
// was found.
bool SplitMarketName(const char* cpuName, char* model, size_t modelSize, char* code, size_t codeSize);
