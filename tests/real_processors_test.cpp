// Every recorded processor under tests/machines/real, replayed through the loader and the whole
// detection and compared with its golden report: the JSON that cpureport --json wrote for it
// (tools/regen-golden.sh). Texts and figures match exactly, except the figures that follow the
// measured clock, which match within 0.1 %.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "cpuinfo/cpu_info.h"
#include "platform/machine_file.h"
#include "platform/simulated_machine.h"
#include "tests/support/report_json.h"

namespace fs = std::filesystem;
using testsupport::JsonScalar;

namespace {

const std::string kRecorded = std::string(CPUTYPE_TEST_MACHINES) + "/real";
constexpr size_t kRecordedCount = 122;

// The dumps, as paths relative to kRecorded, in a fixed order.
std::vector<std::string> RecordedDumps() {
    std::vector<std::string> dumps;
    std::error_code error;
    for (fs::recursive_directory_iterator it(kRecorded, error), end; !error && it != end; it.increment(error))
        if (it->is_regular_file() && it->path().extension() == ".test")
            dumps.push_back(fs::relative(it->path(), kRecorded).generic_string());
    std::sort(dumps.begin(), dumps.end());
    return dumps;
}

std::string GoldenOf(const std::string& dump) { return dump.substr(0, dump.size() - 5) + ".json"; }

bool ReadText(const std::string& path, std::string& text) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    std::ostringstream content;
    content << file.rdbuf();
    text = content.str();
    return true;
}

// Record fields derived from the measured clock; their items are the re-measuring ones and these.
const char* const kClockFields[] = {
    "CoreClock", "MeasuredBusClock", "MeasuredFsbClock", "Multiplier", "RatedClock", "BusClock",
    "FsbClock", "EffectiveClock", "EffectiveBusClock", "EffectiveFsbClock", "OverclockPercent",
};

bool FollowsClock(const char* field) {
    for (const char* name : kClockFields)
        if (std::strcmp(name, field) == 0) return true;
    return false;
}

// 0.1 % of the figure, and never less than 0.1 (a multiplier's half step stays visible).
bool Near(double actual, double golden) {
    return std::fabs(actual - golden) <= 1e-3 * std::max(std::fabs(golden), 100.0);
}

bool ParseFigure(const std::string& text, double& value) {
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return !text.empty() && end != text.c_str() && *end == '\0' && std::isfinite(value);
}

const JsonScalar* Find(const std::map<std::string, JsonScalar>& values, const std::string& key) {
    auto found = values.find(key);
    return found == values.end() ? nullptr : &found->second;
}

void ExpectInteger(const std::map<std::string, JsonScalar>& golden, const char* name, double actual) {
    const JsonScalar* value = Find(golden, name);
    ASSERT_NE(value, nullptr) << "field " << name << " missing from the golden report";
    ASSERT_EQ(value->kind, JsonScalar::Kind::Number) << "field " << name;
    EXPECT_EQ(actual, value->number) << "field " << name;
}

void ExpectFigure(const std::map<std::string, JsonScalar>& golden, const char* name, double actual) {
    const JsonScalar* value = Find(golden, name);
    ASSERT_NE(value, nullptr) << "field " << name << " missing from the golden report";
    if (value->kind == JsonScalar::Kind::Null) {
        EXPECT_FALSE(std::isfinite(actual)) << "field " << name << ": " << actual << ", golden null";
        return;
    }
    ASSERT_EQ(value->kind, JsonScalar::Kind::Number) << "field " << name;
    if (FollowsClock(name))
        EXPECT_PRED2(Near, actual, value->number) << "field " << name;
    else
        EXPECT_EQ(actual, value->number) << "field " << name;
}

void ExpectText(const std::map<std::string, JsonScalar>& golden, const char* name, const char* actual) {
    const JsonScalar* value = Find(golden, name);
    ASSERT_NE(value, nullptr) << "field " << name << " missing from the golden report";
    ASSERT_EQ(value->kind, JsonScalar::Kind::Text) << "field " << name;
    EXPECT_EQ(std::string(actual), value->text) << "field " << name;
}

void ExpectItem(const std::map<std::string, JsonScalar>& golden, const InfoItemRow& row, const std::string& actual) {
    char key[16];
    std::snprintf(key, sizeof key, "0x%04X", static_cast<unsigned>(row.code));
    const JsonScalar* value = Find(golden, key);
    ASSERT_NE(value, nullptr) << "item " << row.name << " (" << key << ") missing from the golden report";
    ASSERT_EQ(value->kind, JsonScalar::Kind::Text) << "item " << row.name;
    const bool clock = row.action == InfoAction::Remeasure || row.action == InfoAction::UpdateMultiplier ||
                       FollowsClock(row.fieldName);
    double actualFigure = 0.0;
    double goldenFigure = 0.0;
    if (clock && ParseFigure(actual, actualFigure) && ParseFigure(value->text, goldenFigure))
        EXPECT_PRED2(Near, actualFigure, goldenFigure) << "item " << row.name << ": \"" << actual << "\"";
    else
        EXPECT_EQ(actual, value->text) << "item " << row.name;
}

class RecordedProcessor : public ::testing::TestWithParam<std::string> {};

TEST_P(RecordedProcessor, MatchesItsGoldenReport) {
    const std::string dump = GetParam();
    platform::SimulatedMachine machine;
    std::string error;
    ASSERT_TRUE(platform::LoadMachineFile(kRecorded + "/" + dump, machine, error)) << error;
    std::string text;
    ASSERT_TRUE(ReadText(kRecorded + "/" + GoldenOf(dump), text))
        << GoldenOf(dump) << " is missing: run tools/regen-golden.sh";
    testsupport::ReportJson golden;
    ASSERT_TRUE(testsupport::ParseReportJson(text, golden, error)) << GoldenOf(dump) << ": " << error;

    // As cpureport does it: the record as construction left it, then every item in table order (the
    // re-measuring items change the record for the items after them).
    platform::ScopedMachine use(machine);
    CCpuInfo cpu(0x100, 0);
    const CCpuInfo fields = cpu;

    size_t fieldCount = 0;
#define EXPECT_I32(name, init) ++fieldCount; ExpectInteger(golden.fields, #name, static_cast<double>(fields.name));
#define EXPECT_U32(name, init) ++fieldCount; ExpectInteger(golden.fields, #name, static_cast<double>(fields.name));
#define EXPECT_F64(name, init) ++fieldCount; ExpectFigure(golden.fields, #name, fields.name);
#define EXPECT_TEXT(name, size) ++fieldCount; ExpectText(golden.fields, #name, fields.name);
    CPUINFO_RECORD_FIELDS(EXPECT_I32, EXPECT_U32, EXPECT_F64, EXPECT_TEXT)
#undef EXPECT_I32
#undef EXPECT_U32
#undef EXPECT_F64
#undef EXPECT_TEXT
    EXPECT_EQ(golden.fields.size(), fieldCount) << "the golden report has fields the record lacks";

    for (size_t i = 0; i < kInfoItemCount; ++i) {
        char buffer[256];
        cpu.GetInfo(kInfoItems[i].code, buffer);
        ExpectItem(golden.items, kInfoItems[i], buffer);
    }
    EXPECT_EQ(golden.items.size(), kInfoItemCount) << "the golden report has items the query table lacks";
}

std::string TestName(const ::testing::TestParamInfo<std::string>& info) {
    std::string name = info.param.substr(0, info.param.size() - 5);
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Real, RecordedProcessor, ::testing::ValuesIn(RecordedDumps()), TestName);

TEST(RecordedProcessors, EveryDumpHasAGoldenReportAndTheLicenceIsThere) {
    const std::vector<std::string> dumps = RecordedDumps();
    EXPECT_EQ(dumps.size(), kRecordedCount);
    for (const std::string& dump : dumps) EXPECT_TRUE(fs::is_regular_file(kRecorded + "/" + GoldenOf(dump))) << dump;
    // A golden report without its dump is stale.
    for (const auto& entry : fs::recursive_directory_iterator(kRecorded)) {
        if (entry.path().extension() != ".json") continue;
        std::string golden = fs::relative(entry.path(), kRecorded).generic_string();
        std::string dump = golden.substr(0, golden.size() - 5) + ".test";
        EXPECT_TRUE(std::binary_search(dumps.begin(), dumps.end(), dump)) << golden << " has no dump";
    }
    EXPECT_TRUE(fs::is_regular_file(kRecorded + "/COPYING"));
}

}  // namespace
