// Text as a JSON string: quoted, with quotes and backslashes escaped and every control character and
// byte from 0x7F up written as \u00XX, so any bytes a processor reports stay valid JSON.
#pragma once

#include <string>

std::string JsonString(const char* text);
