// Any register contents are valid input: whole detections on machines with arbitrary registers must
// keep every text inside its field and terminated, and every query item within 65 bytes.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "cpuinfo/cpu_info.h"
#include "platform/simulated_machine.h"
#include "tests/support/random_machine.h"

namespace {

void ExpectTextsTerminated(const CCpuInfo& cpu, uint32_t seed) {
#define TEXT_TERMINATED(name, size) \
    EXPECT_NE(std::memchr(cpu.name, '\0', size), nullptr) << #name << " unterminated, seed " << seed;
#define NOTHING(name, init)
    CPUINFO_RECORD_FIELDS(NOTHING, NOTHING, NOTHING, TEXT_TERMINATED)
#undef TEXT_TERMINATED
#undef NOTHING
}

TEST(Robustness, ArbitraryRegistersStayInsideEveryField) {
    std::mt19937 random(20261208);
    for (uint32_t seed = 0; seed < 300; ++seed) {
        std::vector<uint8_t> bytes(1024);
        for (uint8_t& byte : bytes) byte = static_cast<uint8_t>(random());
        testsupport::ByteSource source(bytes.data(), bytes.size());
        platform::SimulatedMachine machine;
        testsupport::FillRandomMachine(source, machine);

        CCpuInfo cpu(machine, 0x100, seed % 12);
        ExpectTextsTerminated(cpu, seed);
        for (size_t i = 0; i < kInfoItemCount; ++i) {
            char buffer[80];
            std::memset(buffer, 0x7F, sizeof buffer);
            cpu.GetInfo(kInfoItems[i].code, buffer);
            EXPECT_EQ(buffer[65], 0x7F) << kInfoItems[i].name << " wrote past 65 bytes, seed " << seed;
            EXPECT_NE(std::memchr(buffer, '\0', 65), nullptr) << kInfoItems[i].name << ", seed " << seed;
        }
        ExpectTextsTerminated(cpu, seed);
    }
}

}  // namespace
