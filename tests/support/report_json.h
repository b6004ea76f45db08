// Reads the JSON report cpureport writes: the "items" and "fields" objects, each a flat map from a key
// to a text, a number or null. Other top-level keys are skipped whatever they hold, so a report that
// gains keys still reads.
#pragma once

#include <map>
#include <string>

namespace testsupport {

struct JsonScalar {
    enum class Kind { Text, Number, Null, Boolean };
    Kind kind = Kind::Null;
    std::string text;     // Text: the bytes, escapes resolved (\u00XX is the byte XX)
    double number = 0.0;  // Number; Boolean as 0 or 1
};

struct ReportJson {
    std::map<std::string, JsonScalar> items;
    std::map<std::string, JsonScalar> fields;
};

// Parses text into report. On failure returns false with the byte offset and the reason in error.
bool ParseReportJson(const std::string& text, ReportJson& report, std::string& error);

}  // namespace testsupport
