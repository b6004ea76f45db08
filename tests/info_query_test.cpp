// GetInfo: the item index finds every row and nothing else, and the sized form cuts every item's
// text to its buffer, terminates it, and never writes past the buffer or past 65 bytes.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "cpuinfo/cpu_info.h"
#include "platform/machine_file.h"
#include "platform/simulated_machine.h"

namespace {

TEST(InfoItems, EveryCodeFindsItsOwnRow) {
    for (size_t i = 0; i < kInfoItemCount; ++i)
        EXPECT_EQ(FindInfoItem(kInfoItems[i].code), &kInfoItems[i]) << kInfoItems[i].name;
}

TEST(InfoItems, CodesBetweenAndAroundTheRowsFindNothing) {
    int32_t found = 0;
    for (int32_t code = 0x0F00; code < 0x1400; ++code) {
        const InfoItemRow* row = FindInfoItem(code);
        if (!row) continue;
        ++found;
        EXPECT_EQ(row->code, code) << std::hex << code;
    }
    EXPECT_EQ(static_cast<size_t>(found), kInfoItemCount);
    for (int32_t code : {0, -1, 0x1000, 0x0FFF, 0x1014, 0x1030, 0x1227, 0x12FF, 0x1300, INT32_MIN, INT32_MAX})
        EXPECT_EQ(FindInfoItem(code), nullptr) << std::hex << code;
}

class SizedGetInfo : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(platform::LoadMachineFile(std::string(CPUTYPE_TEST_MACHINES) + "/pentium4-2.40.test", machine,
                                              error))
            << error;
    }
    platform::SimulatedMachine machine;
};

// Every item at every interesting size: the text is the full one cut to size - 1 characters.
TEST_F(SizedGetInfo, EveryItemIsCutToItsBufferAndTerminated) {
    platform::ScopedMachine use(machine);
    CCpuInfo cpu(0x1, 9);
    const size_t sizes[] = {1, 2, 3, 4, 5, 8, 16, 48, 63, 64, 65, 66, 100};
    for (size_t i = 0; i < kInfoItemCount; ++i) {
        const InfoItemRow& row = kInfoItems[i];
        if (row.action == InfoAction::Remeasure) continue;  // measures anew: compared below
        char full[65];
        ASSERT_EQ(cpu.GetInfo(row.code, full), 0) << row.name;
        const std::string text = full;
        for (size_t size : sizes) {
            char buffer[128];
            std::memset(buffer, 0x7F, sizeof buffer);
            EXPECT_EQ(cpu.GetInfo(row.code, buffer, size), 0) << row.name << ", size " << size;
            const size_t expected = text.size() < size - 1 ? text.size() : size - 1;
            EXPECT_EQ(std::string(buffer, strnlen(buffer, sizeof buffer)), text.substr(0, expected))
                << row.name << ", size " << size;
            const size_t untouchedFrom = size < 65 ? size : 65;
            for (size_t b = untouchedFrom; b < sizeof buffer; ++b)
                ASSERT_EQ(buffer[b], 0x7F) << row.name << ", size " << size << ": byte " << b << " written";
        }
    }
}

TEST_F(SizedGetInfo, ABufferOfNoBytesIsNotWritten) {
    platform::ScopedMachine use(machine);
    CCpuInfo cpu(0x1, 9);
    for (size_t i = 0; i < kInfoItemCount; ++i) {
        char buffer[4] = {'a', 'b', 'c', 'd'};
        EXPECT_EQ(cpu.GetInfo(kInfoItems[i].code, buffer, 0), 0) << kInfoItems[i].name;
        EXPECT_EQ(std::memcmp(buffer, "abcd", 4), 0) << kInfoItems[i].name;
    }
    EXPECT_EQ(cpu.GetInfo(INFO_CPU_NAME, nullptr, 0), 0);
    EXPECT_EQ(cpu.GetInfo(INFO_CPU_NAME, nullptr, 65), 0);
}

TEST_F(SizedGetInfo, UnknownCodeClearsWhatTheBufferHolds) {
    platform::ScopedMachine use(machine);
    CCpuInfo cpu(0x1, 9);
    char buffer[8] = {'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h'};
    EXPECT_EQ(cpu.GetInfo(0x1000, buffer, 1), -1);
    EXPECT_EQ(buffer[0], '\0');
    EXPECT_EQ(buffer[1], 'b');
    buffer[0] = 'a';
    EXPECT_EQ(cpu.GetInfo(0x1000, buffer, 0), -1);
    EXPECT_EQ(buffer[0], 'a');
}

// A re-measuring item does its work whatever the buffer: the method's name is stored, the figure
// is cut like any text.
TEST_F(SizedGetInfo, RemeasuringItemsMeasureWhateverTheBuffer) {
    platform::ScopedMachine use(machine);
    CCpuInfo cpu(0x1, 9);
    ASSERT_STREQ(cpu.ClockMethodName, "");
    EXPECT_EQ(cpu.GetInfo(INFO_MEASURE_CLOCK_WT, nullptr, 0), 0);
    EXPECT_STREQ(cpu.ClockMethodName, "WT");
    char full[65];
    cpu.GetInfo(INFO_MEASURE_CLOCK_QPC, full);
    EXPECT_STREQ(cpu.ClockMethodName, "QPC");
    char cut[4];
    EXPECT_EQ(cpu.GetInfo(INFO_MEASURE_CLOCK_QPC, cut, sizeof cut), 0);
    EXPECT_EQ(std::string(cut), std::string(full).substr(0, 3));
}

}  // namespace
