// The host probe against Windows itself (built only for Windows): the ini setting read through the
// system's GetPrivateProfileStringA and the architecture name from the system's own answers.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "cpuinfo/cpu_info.h"
#include "cpuinfo/cpuid/host_probe.h"
#include "platform/machine.h"
#include "platform/simulated_machine.h"
#include "tests/support/simulated.h"

using platform::CpuidRegs;
using platform::Machine;
using platform::SimulatedMachine;
using platform::SystemInfo;

namespace {

// A processor without CPUID on the real host: the detection stops after the host probe, so the
// processor, timers and affinity stay simulated while the executable path, the ini lookup, the system
// information and the WOW64 test are the native machine's.
class RealHostMachine final : public Machine {
public:
    RealHostMachine() { processor_.Facts().cpuid = false; }

    void BeginDetection() override { processor_.BeginDetection(); }
    void ToggleIdFlag(uint32_t& before, uint32_t& after) override { processor_.ToggleIdFlag(before, after); }
    CpuidRegs Cpuid(uint32_t leaf, uint32_t subleaf) override { return processor_.Cpuid(leaf, subleaf); }
    uint64_t ReadTsc() override { return processor_.ReadTsc(); }
    bool ReadMsr(uint32_t index, uint32_t& low, uint32_t& high) override { return processor_.ReadMsr(index, low, high); }
    int64_t QueryPerformanceCounter() override { return processor_.QueryPerformanceCounter(); }
    int64_t QueryPerformanceFrequency() override { return processor_.QueryPerformanceFrequency(); }
    uint32_t TimeGetTime() override { return processor_.TimeGetTime(); }
    uint32_t GetTickCount() override { return processor_.GetTickCount(); }
    void SleepZero() override { processor_.SleepZero(); }
    uint32_t SetThreadAffinityMask(uint32_t mask) override { return processor_.SetThreadAffinityMask(mask); }
    bool IsNtPlatform() override { return processor_.IsNtPlatform(); }

    SystemInfo GetSystemInfo() override { return native_.GetSystemInfo(); }
    bool IsWow64() override { return native_.IsWow64(); }
    size_t ExecutablePath(char* out, size_t size) override { return native_.ExecutablePath(out, size); }
    size_t ReadIniString(const char* path, const char* section, const char* key, const char* defaultValue,
                         char* out, size_t size) override {
        return native_.ReadIniString(path, section, key, defaultValue, out, size);
    }

private:
    SimulatedMachine processor_;
    Machine& native_ = platform::NativeMachine();
};

std::string ExecutablePath() {
    char path[MAX_PATH];
    DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string(path, length < MAX_PATH ? length : 0);
}

bool WriteText(const std::string& path, const std::string& content) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    bool written = std::fwrite(content.data(), 1, content.size(), file) == content.size();
    return std::fclose(file) == 0 && written;
}

// The file the detection reads: this test program's path with ".ini" for ".exe".
class IniBesideExecutable : public ::testing::Test {
protected:
    void SetUp() override {
        std::string executable = ExecutablePath();
        ASSERT_GT(executable.size(), 4u);
        ASSERT_EQ(executable.substr(executable.size() - 4), ".exe");
        path_ = executable.substr(0, executable.size() - 4) + ".ini";
        std::remove(path_.c_str());
    }
    void TearDown() override { std::remove(path_.c_str()); }

    std::string path_;
};

TEST_F(IniBesideExecutable, NegativeValueWithLeadingBlanksGivesItsAbsoluteValue) {
    ASSERT_TRUE(WriteText(path_, "[Setting]\r\nCqDualWaitTime=  -250\r\n"));
    RealHostMachine machine;
    CCpuInfo cpu(machine, 0x100, 0);
    EXPECT_EQ(cpu.DualWaitTime, 250);
}

TEST_F(IniBesideExecutable, MissingFileGivesTheDefault) {
    RealHostMachine machine;
    CCpuInfo cpu(machine, 0x100, 0);
    EXPECT_EQ(cpu.DualWaitTime, 1000);
}

// Other files, each written once: the system may keep a profile it has read in memory.
class IniThroughTheSystem : public ::testing::Test {
protected:
    void SetUp() override {
        char directory[MAX_PATH];
        char path[MAX_PATH];
        ASSERT_NE(::GetTempPathA(MAX_PATH, directory), 0u);
        ASSERT_NE(::GetTempFileNameA(directory, "cpt", 0, path), 0u);
        path_ = path;
    }
    void TearDown() override { std::remove(path_.c_str()); }

    // The setting as the host probe stores it.
    int32_t Setting(const std::string& content) {
        EXPECT_TRUE(WriteText(path_, content));
        char value[256];
        platform::NativeMachine().ReadIniString(path_.c_str(), "Setting", "CqDualWaitTime", "1000", value,
                                                sizeof value);
        return AbsoluteSetting(ParseIniInteger(value));
    }

    std::string path_;
};

TEST_F(IniThroughTheSystem, ValuesConvertLikeAtoi) {
    EXPECT_EQ(Setting("[Setting]\r\nCqDualWaitTime=  -250\r\n"), 250);
    EXPECT_EQ(Setting("[setting]\r\ncqdualwaittime=12abc\r\n"), 12);
    EXPECT_EQ(Setting("[Setting]\r\nCqDualWaitTime=abc\r\n"), 0);
    EXPECT_EQ(Setting("[Setting]\r\nCqDualWaitTime=\r\n"), 0);
    EXPECT_EQ(Setting("[Setting]\r\nOther=5\r\n"), 1000);
    EXPECT_EQ(Setting("[Other]\r\nCqDualWaitTime=5\r\n"), 1000);
}

TEST_F(IniThroughTheSystem, ValueIsCutToTheBufferAndTerminated) {
    ASSERT_TRUE(WriteText(path_, "[Setting]\r\nCqDualWaitTime=" + std::string(300, '7') + "\r\n"));
    char value[8];
    std::memset(value, 'x', sizeof value);
    size_t length = platform::NativeMachine().ReadIniString(path_.c_str(), "Setting", "CqDualWaitTime", "1000",
                                                             value, sizeof value);
    EXPECT_EQ(length, 7u);
    EXPECT_STREQ(value, "7777777");
}

// The name the host probe must give: "x64" on 64-bit Windows (a 32-bit program there runs under WOW64),
// "x86" on 32-bit Windows.
TEST(Architecture, NameMatchesTheNativeSystem) {
    SYSTEM_INFO native{};
    ::GetNativeSystemInfo(&native);
    const char* expected = native.wProcessorArchitecture == PROCESSOR_ARCHITECTURE_AMD64   ? "x64"
                           : native.wProcessorArchitecture == PROCESSOR_ARCHITECTURE_INTEL ? "x86"
                                                                                           : nullptr;
    if (!expected) GTEST_SKIP() << "architecture code " << native.wProcessorArchitecture;

    RealHostMachine machine;
    CCpuInfo cpu(machine, 0x100, 0);
    EXPECT_EQ(testsupport::InfoText(cpu, INFO_ARCHITECTURE), expected);
    // A 64-bit program is never under WOW64; a 32-bit one is exactly on 64-bit Windows.
    const bool wow64Expected = sizeof(void*) == 4 && native.wProcessorArchitecture == PROCESSOR_ARCHITECTURE_AMD64;
    EXPECT_EQ(IsWow64() != 0, wow64Expected);
}

}  // namespace
