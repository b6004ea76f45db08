// cpureport's rendering of the profile: the "processor" JSON object (keys in the documented order,
// null for unknown values, escaped texts) and the "Processor" text section.
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "tests/profile_replay.h"
#include "tools/profile_report.h"

namespace {

const char* const kKeys[] = {"vendor",  "brand",   "family", "model",    "stepping", "microarchitecture",
                             "codename", "process", "packages", "cores", "threads",  "caches",
                             "features", "base_mhz", "max_mhz", "bus_mhz", "hypervisor"};

// The value text after "key": in a JSON object rendered one key per line.
std::string ValueOf(const std::string& json, const std::string& key) {
    const std::string marker = "\"" + key + "\": ";
    const size_t at = json.find(marker);
    if (at == std::string::npos) return "(missing)";
    const size_t begin = at + marker.size();
    size_t end = json.find(",\n", begin);
    if (key == "caches") end = json.find("],\n", begin) + 1;
    if (end == std::string::npos) end = json.find('\n', begin);
    return json.substr(begin, end - begin);
}

TEST(ProfileReport, JsonKeysInOrder) {
    const std::string json = ProfileJson(profiletest::Replay("modern/amd/zen3/amd-ryzen-9-5950x-16-core-processor.test"), 2);
    size_t last = 0;
    for (const char* key : kKeys) {
        const size_t at = json.find(std::string("\"") + key + "\": ");
        ASSERT_NE(std::string::npos, at) << key << ": missing";
        EXPECT_GT(at, last) << key << ": out of order";
        last = at;
    }
    EXPECT_EQ('{', json.front());
    EXPECT_EQ("\n  }", json.substr(json.size() - 4)) << "closing brace indented";
}

TEST(ProfileReport, JsonValues) {
    const std::string json =
        ProfileJson(profiletest::Replay("modern/amd/zen3/amd-ryzen-9-5950x-16-core-processor.test"), 2);
    struct Case {
        const char* key;
        const char* value;
    };
    const Case cases[] = {
        {"vendor", "\"AMD\""},     {"family", "25"},         {"model", "33"},
        {"stepping", "0"},         {"codename", "\"Vermeer\""}, {"process", "\"TSMC 7 nm\""},
        {"packages", "null"},      {"cores", "16"},          {"threads", "32"},
        {"base_mhz", "null"},      {"hypervisor", "null"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.value, ValueOf(json, c.key)) << c.key;
    EXPECT_NE(std::string::npos,
              json.find("{\"level\": 3, \"type\": \"unified\", \"size_kib\": 32768, \"ways\": 16, \"line\": 64, "
                        "\"shared_by\": 16}"))
        << "L3 object";
    EXPECT_EQ(0u, ValueOf(json, "features").find("[\"fpu\", \"vme\", ")) << "features array";
}

TEST(ProfileReport, UnknownValuesAreNull) {
    profile::ProcessorProfile p;  // nothing known
    p.hasCpuid = true;
    const std::string json = ProfileJson(p, 0);
    for (const char* key : {"vendor", "brand", "family", "model", "stepping", "microarchitecture", "codename",
                            "process", "packages", "cores", "threads", "base_mhz", "max_mhz", "bus_mhz",
                            "hypervisor"})
        EXPECT_EQ("null", ValueOf(json, key)) << key;
    EXPECT_EQ("[]", ValueOf(json, "caches")) << "caches";
    EXPECT_EQ("[]", ValueOf(json, "features")) << "features";
}

TEST(ProfileReport, TextsAreEscaped) {
    profile::ProcessorProfile p;
    std::strcpy(p.brand, "A \"quoted\" \\ brand\x01\xE9");
    p.underHypervisor = true;  // no name known
    const std::string json = ProfileJson(p, 0);
    EXPECT_EQ("\"A \\\"quoted\\\" \\\\ brand\\u0001\\u00E9\"", ValueOf(json, "brand"));
    EXPECT_EQ("\"unidentified\"", ValueOf(json, "hypervisor"));
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST(ProfileReport, TextSection) {
    const std::string text = ProfileText(profiletest::Replay("modern/amd/zen3/amd-ryzen-9-5950x-16-core-processor.test"));
    const std::vector<std::string> lines = Lines(text);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ("Processor", lines.front()) << "title";
    EXPECT_EQ("", lines.back()) << "blank line after the section";
    const char* const expected[] = {
        "  Code name                                    Vermeer",
        "  Cores per package                            16",
        "  L3 cache                                     32 MiB, 16-way, 64-byte lines, shared by 16",
        "  L1 instruction cache                         32 KiB, 8-way, 64-byte lines, shared by 2",
        "  Hypervisor                                   none",
    };
    for (const char* line : expected) EXPECT_NE(std::string::npos, text.find(std::string(line) + "\n")) << line;
    // Features wrap: every line of the list stays within the value column's width.
    size_t featureLines = 0;
    for (const std::string& line : lines) {
        if (line.rfind("  Features", 0) == 0 || line.rfind(std::string(47, ' '), 0) == 0) {
            ++featureLines;
            EXPECT_LE(line.size(), 47u + 72u) << line;
        }
    }
    EXPECT_GT(featureLines, 2u) << "the feature list wraps";
}

TEST(ProfileReport, TextWithoutCpuid) {
    const profile::ProcessorProfile p;
    EXPECT_EQ("Processor\n  CPUID                                        not available\n\n", ProfileText(p));
}

}  // namespace
