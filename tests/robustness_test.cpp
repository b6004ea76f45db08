// Any register contents are valid input: whole detections on machines with arbitrary registers must
// keep every text inside its field and terminated, and every query item within 65 bytes.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "cpuinfo/cpu_info.h"
#include "platform/simulated_machine.h"
#include "platform/machine_file.h"
#include "tests/support/machine_bytes.h"
#include "tests/support/random_machine.h"
#include "tests/support/simulated.h"

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
        platform::ScopedMachine use(machine);

        CCpuInfo cpu(0x100, seed % 12);
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

// The detection fuzzer's seeds are recorded processors turned into its input bytes: decoding them must
// rebuild a machine that is named exactly like the recorded one.
TEST(Robustness, EncodedRecordedProcessorsRebuildTheSameMachine) {
    for (const char* file : {"pentium4-2.40.test", "athlon-xp-registers.txt", "core2-6300-registers.txt",
                             "via-nehemiah.test", "athlon-7750.test"}) {
        platform::SimulatedMachine recorded;
        std::string error;
        ASSERT_TRUE(platform::LoadMachineFile(std::string(CPUTYPE_TEST_MACHINES) + "/" + file, recorded, error))
            << error;
        const std::vector<uint8_t> bytes = testsupport::EncodeMachine(recorded, 9);
        testsupport::ByteSource source(bytes.data(), bytes.size());
        platform::SimulatedMachine rebuilt;
        testsupport::FillRandomMachine(source, rebuilt);
        for (uint32_t leaf : {0u, 1u, 2u, 0x80000000u, 0x80000001u, 0x80000002u, 0x80000006u}) {
            EXPECT_EQ(rebuilt.Cpuid(leaf, 0).eax, recorded.Cpuid(leaf, 0).eax) << file << ": leaf " << std::hex << leaf;
            EXPECT_EQ(rebuilt.Cpuid(leaf, 0).edx, recorded.Cpuid(leaf, 0).edx) << file << ": leaf " << std::hex << leaf;
        }
        EXPECT_EQ(rebuilt.Msrs(), recorded.Msrs()) << file;
        EXPECT_EQ(source.Byte(), 9) << file << ": the clock option comes last";

        auto name = [](platform::SimulatedMachine& machine) {
            platform::ScopedMachine use(machine);
            CCpuInfo cpu(0x100, 9);
            return testsupport::InfoText(cpu, INFO_CPU_NAME);
        };
        EXPECT_EQ(name(rebuilt), name(recorded)) << file;
    }
}

}  // namespace
