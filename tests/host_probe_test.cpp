// The host probe's plain pieces: the ini path rule, the ini reader on real files, the number conversion.
#include <gtest/gtest.h>

#if !defined(_WIN32)
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "cpuinfo/cpuid/host_probe.h"
#include "platform/ini_reader.h"

namespace {

std::string IniPath(const char* executable, size_t size = 264) {
    char out[300];
    MakeIniPath(executable, out, size);
    return out;
}

TEST(IniPath, ExtensionIsReplacedAndOtherPathsFollowTheLastDot) {
    EXPECT_EQ(IniPath("C:\\tools\\cpu.exe"), "C:\\tools\\cpu.ini");
    EXPECT_EQ(IniPath("/usr/local/bin/cputype"), "/usr/local/bin/cputype");  // no '.' at all: unchanged
    EXPECT_EQ(IniPath("C:\\my.dir\\cpu"), "C:\\my.ini");                     // the cut falls in the directory
    EXPECT_EQ(IniPath("/home/a.b/build/cputype"), "/home/a.ini");
    EXPECT_EQ(IniPath("cpu.tar.exe"), "cpu.tar.ini");
    EXPECT_EQ(IniPath("."), ".ini");
    EXPECT_EQ(IniPath(""), "");
}

TEST(IniPath, LongPathsStayInsideTheBuffer) {
    std::string longName(400, 'a');
    longName += ".exe";
    char out[16];
    MakeIniPath(longName.c_str(), out, sizeof out);
    EXPECT_EQ(std::string(out), std::string(15, 'a'));  // cut to the buffer; the '.' lies beyond it
    char tiny[3];
    MakeIniPath("a.exe", tiny, sizeof tiny);
    EXPECT_STREQ(tiny, "a.");
}

// The POSIX ini reader; Windows builds use GetPrivateProfileStringA (tests/windows_host_test.cpp).
#if !defined(_WIN32)
class IniFile : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/cputype_ini_XXXXXX";
        int fd = mkstemp(pattern);
        ASSERT_GE(fd, 0);
        close(fd);
        path_ = pattern;
    }
    void TearDown() override { std::remove(path_.c_str()); }

    void Write(const std::string& content) {
        FILE* file = std::fopen(path_.c_str(), "wb");
        ASSERT_NE(file, nullptr);
        std::fwrite(content.data(), 1, content.size(), file);
        std::fclose(file);
    }

    std::string Read(const char* section = "Setting", const char* key = "CqDualWaitTime", size_t size = 256) {
        char out[300];
        std::memset(out, 'x', sizeof out);
        size_t length = platform::ReadIniValue(path_.c_str(), section, key, "1000", out, size);
        EXPECT_EQ(length, std::strlen(out));
        return out;
    }

    std::string path_;
};

TEST_F(IniFile, SectionsAndKeysInAnyCaseWithBlanksAndQuotes) {
    struct Case {
        const char* content;
        const char* value;
    };
    const Case cases[] = {
        {"[Setting]\nCqDualWaitTime=250\n", "250"},
        {"[setting]\ncqdualwaittime=251\n", "251"},
        {"  [ SETTING ]  \n   CQDUALWAITTIME   =   252   \n", "252"},
        {"[Setting]\r\nCqDualWaitTime=253\r\n", "253"},
        {"[Setting]\nCqDualWaitTime=\"254\"\n", "254"},
        {"[Setting]\nCqDualWaitTime='255'\n", "255"},
        {"[Setting]\nCqDualWaitTime=\"256'\n", "\"256'"},  // quotes that do not match stay
        {"[Setting]\nCqDualWaitTime=\"\n", "\""},
        {"[Setting]\nCqDualWaitTime=\n", ""},               // an empty value stays empty
        {"[Setting]\nCqDualWaitTime=   \n", ""},
        {"[Other]\nCqDualWaitTime=5\n", "1000"},            // wrong section: the default
        {"[Setting]\nOther=5\n", "1000"},
        {"CqDualWaitTime=5\n[Setting]\n", "1000"},          // before any section
        {"[Setting]\n;CqDualWaitTime=5\n", "1000"},         // a comment
        {"[Setting]\nCqDualWaitTime=6\nCqDualWaitTime=7\n", "6"},  // the first one counts
        {"[Other]\nCqDualWaitTime=5\n[Setting]\nCqDualWaitTime=8", "8"},  // no final line break
        {"[Setting]\nCqDualWaitTime = a = b\n", "a = b"},
        {"", "1000"},
    };
    for (const Case& c : cases) {
        Write(c.content);
        EXPECT_EQ(Read(), c.value) << c.content;
    }
}

TEST_F(IniFile, MissingFileGivesTheDefault) {
    std::remove(path_.c_str());
    EXPECT_EQ(Read(), "1000");
}

TEST_F(IniFile, ValueIsCutToTheBuffer) {
    Write("[Setting]\nCqDualWaitTime=" + std::string(500, '9') + "\n");
    EXPECT_EQ(Read("Setting", "CqDualWaitTime", 256), std::string(255, '9'));
    EXPECT_EQ(Read("Setting", "CqDualWaitTime", 4), "999");
}

TEST_F(IniFile, OverlongLinesAndBinaryContentAreHarmless) {
    std::string content = "[Setting]\nJunk=" + std::string(100000, 'z') + "\nCqDualWaitTime=42\n";
    Write(content);
    EXPECT_EQ(Read(), "42");

    std::string binary;
    for (int i = 0; i < 70000; ++i) binary += static_cast<char>((i * 131 + 7) & 0xFF);
    Write(binary);
    EXPECT_EQ(Read(), "1000");

    // A NUL byte marks binary content: no ini, even when a value follows it.
    Write(std::string("[Setting]\0CqDualWaitTime=9\0", 27));
    EXPECT_EQ(Read(), "1000");
    // Reading stops at the value, so binary bytes after it do not matter.
    Write(std::string("[Setting]\nCqDualWaitTime=9\n\0\x7F" "ELF", 31));
    EXPECT_EQ(Read(), "9");
}

TEST_F(IniFile, OnlyTheFirstMebibyteIsRead) {
    std::string content = "[Setting]\n";
    content += std::string(platform::kMaxIniBytes - content.size() - 1, ';') + "\n";
    Write(content + "CqDualWaitTime=77\n");
    EXPECT_EQ(Read(), "1000");
    // 17 bytes earlier, the value line (without its line break) ends exactly at the limit.
    content.erase(content.size() - 18, 17);
    Write(content + "CqDualWaitTime=77\n");
    EXPECT_EQ(Read(), "77");
}

TEST(IniSpecialFiles, DevicesFifosAndDirectoriesCountAsAbsent) {
    char directory[] = "/tmp/cputype_ini_dir_XXXXXX";
    ASSERT_NE(mkdtemp(directory), nullptr);
    const std::string fifo = std::string(directory) + "/fifo.ini";
    const std::string link = std::string(directory) + "/zero.ini";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    ASSERT_EQ(symlink("/dev/zero", link.c_str()), 0);
    // Each of these would block or never end if it were read.
    for (const std::string& path : {fifo, link, std::string("/dev/zero"), std::string("/dev/urandom"),
                                    std::string(directory)}) {
        char out[16];
        platform::ReadIniValue(path.c_str(), "Setting", "CqDualWaitTime", "1000", out, sizeof out);
        EXPECT_STREQ(out, "1000") << path;
    }
    std::remove(fifo.c_str());
    std::remove(link.c_str());
    rmdir(directory);
}

TEST_F(IniFile, ExecutableReadAsIniGivesTheDefault) {
    // On Linux the executable has no extension, so the ini path is an executable file itself.
    char out[256];
    platform::ReadIniValue("/bin/sh", "Setting", "CqDualWaitTime", "1000", out, sizeof out);
    EXPECT_STREQ(out, "1000");
}
#endif  // !_WIN32

TEST(IniInteger, ConvertsLikeAtoiWithSaturation) {
    struct Case {
        const char* text;
        int32_t value;
    };
    const Case cases[] = {
        {"1000", 1000}, {"  -250", -250}, {"12abc", 12}, {"abc", 0}, {"", 0}, {"+", 0}, {"-", 0}, {"--5", 0},
        {"+42", 42}, {"\t\v\f\r\n 7", 7}, {"0009", 9}, {"2147483647", INT32_MAX}, {"2147483648", INT32_MAX},
        {"-2147483648", INT32_MIN}, {"-2147483649", INT32_MIN}, {"123456789012345678901234567890", INT32_MAX},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseIniInteger(c.text), c.value) << '"' << c.text << '"';
    EXPECT_EQ(AbsoluteSetting(-250), 250);
    EXPECT_EQ(AbsoluteSetting(INT32_MIN), INT32_MAX);
    EXPECT_EQ(AbsoluteSetting(0), 0);
}

}  // namespace
