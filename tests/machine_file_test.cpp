// Machine files: the three dump formats load to the same machine, the native grammar's variants,
// host facts, registers, and clear errors for everything that is not a machine description.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>
#include <string>

#include "cpuinfo/cpu_info.h"
#include "platform/machine_file.h"
#include "platform/simulated_machine.h"
#include "tests/support/simulated.h"

using platform::CpuidRegs;
using platform::SimulatedMachine;

namespace {

const std::string kMachines = CPUTYPE_TEST_MACHINES;

SimulatedMachine Load(const std::string& file) {
    SimulatedMachine machine;
    std::string error;
    EXPECT_TRUE(platform::LoadMachineFile(kMachines + "/" + file, machine, error)) << error;
    return machine;
}

SimulatedMachine Parse(const std::string& text) {
    SimulatedMachine machine;
    std::string error;
    EXPECT_TRUE(platform::ParseMachineText(text, "test", machine, error)) << error;
    return machine;
}

std::string ParseError(const std::string& text) {
    SimulatedMachine machine;
    std::string error;
    EXPECT_FALSE(platform::ParseMachineText(text, "bad.txt", machine, error)) << text;
    return error;
}

bool SameRegs(const CpuidRegs& a, const CpuidRegs& b) {
    return a.eax == b.eax && a.ebx == b.ebx && a.ecx == b.ecx && a.edx == b.edx;
}

// Runs a detection on the machine and reads every item.
struct Detection {
    explicit Detection(SimulatedMachine& machine) : cpu(machine, 0x100, 0), fields(cpu) {
        for (size_t i = 0; i < kInfoItemCount; ++i) items.push_back(testsupport::InfoText(cpu, kInfoItems[i].code));
    }
    CCpuInfo cpu;
    CCpuInfo fields;  // as construction left it
    std::vector<std::string> items;
};

void ExpectSameDetection(SimulatedMachine& a, SimulatedMachine& b, const char* what) {
    Detection first(a);
    Detection second(b);
#define SAME_NUMBER(name, init) EXPECT_EQ(first.fields.name, second.fields.name) << what << ": " #name;
#define SAME_TEXT(name, size) EXPECT_STREQ(first.fields.name, second.fields.name) << what << ": " #name;
    CPUINFO_RECORD_FIELDS(SAME_NUMBER, SAME_NUMBER, SAME_NUMBER, SAME_TEXT)
#undef SAME_NUMBER
#undef SAME_TEXT
    for (size_t i = 0; i < kInfoItemCount; ++i)
        EXPECT_EQ(first.items[i], second.items[i]) << what << ": " << kInfoItems[i].name;
}

TEST(MachineFile, ThreeFormatsGiveTheSameMachine) {
    SimulatedMachine names = Load("athlon-xp.test");
    SimulatedMachine native = Load("athlon-xp-native.txt");
    SimulatedMachine hex = Load("athlon-xp-hex.txt");
    EXPECT_EQ(names.Leaves().size(), native.Leaves().size());
    EXPECT_EQ(names.Leaves().size(), hex.Leaves().size());
    for (const auto& leaf : names.Leaves()) {
        EXPECT_TRUE(SameRegs(leaf.second, native.Cpuid(leaf.first.first, leaf.first.second))) << std::hex << leaf.first.first;
        EXPECT_TRUE(SameRegs(leaf.second, hex.Cpuid(leaf.first.first, leaf.first.second))) << std::hex << leaf.first.first;
    }
    ExpectSameDetection(names, native, "name format vs native");
    ExpectSameDetection(names, hex, "name format vs 0x format");
}

TEST(MachineFile, RealDumpsLoadTheirFirstProcessor) {
    for (const char* file : {"athlon-7750.test", "pentium4-2.40.test", "via-nehemiah.test", "core2-6300.test"}) {
        SimulatedMachine machine = Load(file);
        EXPECT_NE(machine.Cpuid(0, 0).eax, 0u) << file;
    }
}

TEST(MachineFile, NativeGrammarVariants) {
    SimulatedMachine machine = Parse(
        "  CPUID 00000000: 00000004-756E6547-6C65746E-49656E69\n"
        "CPUID 00000001\t00000F29-00020809-00004400-BFEBFBFF\n"
        "CPUID 00000002 665b5001 00000000 00000000 007a7000\n"
        "CPUID 00000004: 04000121-01C0003F-0000003F-00000001\n"
        "CPUID 00000004: 04000122-01C0003F-0000003F-00000001\n"
        "CPUID 0000000B: 00000001-00000002-00000100-00000000 [SL 00]\n"
        "CPUID 0000000B: 00000004-00000004-00000201-00000000 [SL 01]\n"
        "CPUID 00000001: 11111111-11111111-11111111-11111111\n"
        "CPUID 80000000: 80000004-00000000-00000000-00000000 [ignored note]\n"
        "MSR 0000002C: 0000-0001-0E12-000E\n"
        "SET processors = 2\n"
        "SET tsc-mhz = 2400.5\n"
        "SET tick-start = 4294967000\n"
        "SET CqDualWaitTime =  -250\n"
        "some header text\n");
    EXPECT_EQ(machine.Cpuid(1, 0).eax, 0x00000F29u);  // the first line of a leaf wins
    EXPECT_EQ(machine.Cpuid(2, 0).eax, 0x665B5001u);
    EXPECT_EQ(machine.Cpuid(4, 1).eax, 0x04000122u);  // repeated lines are sub-leaves 0, 1, ...
    EXPECT_EQ(machine.Cpuid(0xB, 1).ecx, 0x201u);
    EXPECT_EQ(machine.Cpuid(0x80000000, 0).eax, 0x80000004u);
    EXPECT_EQ(machine.Cpuid(5, 0).eax, 0u);  // absent leaves are zeros
    EXPECT_EQ(machine.Msrs().at(0x2C), 0x000000010E12000EULL);
    EXPECT_EQ(machine.Facts().processors, 2u);
    EXPECT_DOUBLE_EQ(machine.Facts().tscMhz, 2400.5);
    EXPECT_EQ(machine.Facts().tickStart, 4294967000u);
    ASSERT_TRUE(machine.Facts().dualWaitTime.has_value());
    EXPECT_EQ(*machine.Facts().dualWaitTime, " -250");
}

TEST(MachineFile, SecondProcessorAndDashesEndTheLeaves) {
    SimulatedMachine machine = Parse(
        "------[ Logical CPU #0 ]------\n"
        "CPUID 00000000: 00000001-756E6547-6C65746E-49656E69\n"
        "------[ Logical CPU #1 ]------\n"
        "CPUID 00000001: 00000F29-00020809-00004400-BFEBFBFF\n"
        "MSR 00000017: 0000-0000-0000-0001\n"
        "SET CqDualWaitTime =\n"
        "------------------------------\n"
        "CPUID 00000002: 00000001-00000000-00000000-00000000\n"
        "SET nonsense = 1\n");
    EXPECT_EQ(machine.Cpuid(0, 0).eax, 1u);
    EXPECT_EQ(machine.Cpuid(1, 0).eax, 0u);   // the second processor's leaf
    EXPECT_EQ(machine.Msrs().count(0x17), 1u);  // registers count wherever they stand
    EXPECT_EQ(*machine.Facts().dualWaitTime, "");
    EXPECT_EQ(machine.Cpuid(2, 0).eax, 0u);   // after the dashes
}

TEST(MachineFile, ProcessorHeaderNumbersOfAnyLength) {
    struct Case {
        const char* header;
        bool second;  // the header starts a later processor: the leaf after it is ignored
    };
    const Case cases[] = {
        {"------[ Logical CPU #99999999999999999999999 ]------", true},
        {"------[ Logical CPU #-99999999999999999999999 ]------", false},
        {"------[ Logical CPU #0 ]------", false},
        {"CPU#99999999999999999999999 AffMask: 0x00000002", true},
        {"CPU#000 AffMask: 0x00000001", false},
        {"CPU 99999999999999999999999:", true},
    };
    for (const Case& c : cases) {
        SimulatedMachine machine =
            Parse(std::string(c.header) + "\nCPUID 00000001: 00000F29-00020809-00004400-BFEBFBFF\n");
        EXPECT_EQ(machine.Cpuid(1, 0).eax, c.second ? 0u : 0xF29u) << c.header;
    }
}

TEST(MachineFile, MalformedLinesNameFileAndLine) {
    struct Case {
        const char* text;
        const char* expected;
    };
    const Case cases[] = {
        {"CPUID 00000000: 00000001-756E6547-6C65746E\n", "bad.txt:1:"},
        {"# note\nCPUID 0000000G: 00000001-756E6547-6C65746E-49656E69\n", "bad.txt:2:"},
        {"CPUID 00000000: 00000001-756E6547-6C65746E-49656E69X\n", "bad.txt:1:"},
        {"CPUID 00000000: 1000000001-756E6547-6C65746E-49656E69\n", "bad.txt:1:"},
        {"MSR 0000002A: 0000-0000-000E\n", "bad.txt:1:"},
        {"MSR 0000002A: 0000-0000-10000-0000\n", "bad.txt:1:"},
        {"SET colour = 3\n", "unknown SET key"},
        {"SET processors = two\n", "bad.txt:1:"},
        {"SET processors = 0\n", "bad.txt:1:"},
        {"SET tsc-mhz = fast\n", "bad.txt:1:"},
        {"SET nt = 2\n", "bad.txt:1:"},
        {"basic_cpuid[1]=00000681 00000000\n", "bad.txt:1:"},
        {"basic_cpuid[x]=00000681 00000000 00000000 0383fbff\n", "bad.txt:1:"},
        {"0x00000000 0x00: eax=0x1 ebx=0x2 ecx=0x3\n", "bad.txt:1:"},
        {"just text\nnothing recognised\n", "not a machine description"},
        {"", "not a machine description"},
        {"CPUID 0", "bad.txt:1:"},
        {"CPUID Registers (CPU #1):\n", "not a machine description"},
    };
    for (const Case& c : cases) {
        std::string error = ParseError(c.text);
        EXPECT_NE(error.find(c.expected), std::string::npos) << c.text << " -> " << error;
    }
    EXPECT_NE(ParseError(std::string("CPUID 00000000: 00000000-00000000-00000000-00000000\n\0\x01\x02", 55))
                  .find("binary"),
              std::string::npos);
}

TEST(MachineFile, CutLastLineIsAnError) {
    // What an interrupted write leaves: a register with fewer than eight digits.
    const std::string whole = "CPUID 00000000: 00000001-756E6547-6C65746E-49656E69\n";
    EXPECT_NE(ParseError(whole + "CPUID 80000000: 80000008-00000000-00000000-00000").find("bad.txt:2:"),
              std::string::npos);
    EXPECT_NE(ParseError(whole + "ext_cpuid[0]=80000008 00000000 00000000 0000").find("bad.txt:2:"),
              std::string::npos);
}

TEST(MachineFile, ByteOrderMarkBeforeTheFirstLineIsSkipped) {
    SimulatedMachine machine = Parse("\xEF\xBB\xBF" "CPUID 00000000: 00000001-756E6547-6C65746E-49656E69\n");
    EXPECT_EQ(machine.Cpuid(0, 0).ebx, 0x756E6547u);
    CCpuInfo cpu = [&] {
        return CCpuInfo(machine, 0x100, 9);
    }();
    EXPECT_STREQ(cpu.VendorString, "GenuineIntel");
}

TEST(MachineFile, ProcessorCountsOfLargeServersLoad) {
    const std::string leaf0 = "CPUID 00000000: 00000001-756E6547-6C65746E-49656E69\n";
    for (uint32_t count : {1u, 64u, 128u, 512u, 65535u})
        EXPECT_EQ(Parse(leaf0 + "SET processors = " + std::to_string(count) + "\n").Facts().processors, count);
    EXPECT_NE(ParseError(leaf0 + "SET processors = 65536\n").find("bad.txt:2:"), std::string::npos);
}

// The shapes of the largest public collection of CPUID dumps: headers after the CPUID word, notes after
// the registers and register values, registers the dump could not read.
TEST(MachineFile, AnnotatedDumpShapesLoad) {
    SimulatedMachine machine = Parse(
        "CPUID Manufacturer : GenuineIntel\n"
        "CPUID CPU Name     : Intel(R) Core(TM) i7 CPU @ 3.40GHz\n"
        "CPUID Revision     : 000206A7h\n"
        "CPUID Registers (CPU #1):\n"
        "CPUID 00000000 0000000D-756E6547-6C65746E-49656E69\n"
        "CPUID 00000004: 1C004121-01C0003F-0000003F-00000000 [SL 00] [L1D: 32 KB]\n"
        "CPUID 00000004: 1C004122-01C0003F-0000003F-00000000 [SL 01]   [L1I: 32 KB]\n"
        "CPUID 80000006: 00000000-00000000-01006040-00000000 [L2: 256 KB] / L3: 0 KB]\n"
        "CPUID 80000007: 00000000-00000000-00000000-00000100 note without brackets\n"
        "MSR Registers:\n"
        "MSR 00000017: 001C-0000-0000-0000 [PlatID = 7]\n"
        "MSR 000000E7: 0000-0AE0-4A7B-3A42 [S200]\n"
        "MSR 0000001B: < FAILED >\n"
        "MSR 000000CE:<FAILED>\n");
    EXPECT_EQ(machine.Cpuid(0, 0).eax, 0xDu);  // leaf then registers, no colon
    EXPECT_EQ(machine.Cpuid(0, 0).edx, 0x49656E69u);
    EXPECT_EQ(machine.Cpuid(4, 0).eax, 0x1C004121u);
    EXPECT_EQ(machine.Cpuid(4, 1).eax, 0x1C004122u);
    EXPECT_EQ(machine.Cpuid(0x80000006, 0).ecx, 0x01006040u);
    EXPECT_EQ(machine.Cpuid(0x80000007, 0).edx, 0x100u);
    EXPECT_EQ(machine.Msrs().at(0x17), 0x001C000000000000ULL);
    EXPECT_EQ(machine.Msrs().at(0xE7), 0x00000AE04A7B3A42ULL);
    // A register that could not be read is one the machine does not deliver.
    EXPECT_EQ(machine.Msrs().count(0x1B), 0u);
    EXPECT_EQ(machine.Msrs().count(0xCE), 0u);
    uint32_t low = 0x5A5A5A5A;
    uint32_t high = 0xA5A5A5A5;
    EXPECT_FALSE(machine.ReadMsr(0x1B, low, high));
    EXPECT_EQ(low, 0x5A5A5A5Au);
    EXPECT_EQ(high, 0xA5A5A5A5u);
    EXPECT_TRUE(machine.ReadMsr(0x17, low, high));
    EXPECT_EQ(high, 0x001C0000u);
}

TEST(MachineFile, HeadersAloneAreNotAMachine) {
    EXPECT_NE(ParseError("CPUID Manufacturer : GenuineIntel\nCPUID CPU Name : Pentium\n").find("not a machine"),
              std::string::npos);
    // A dump whose only register could not be read still describes a machine: one without registers.
    SimulatedMachine machine = Parse("MSR 0000001B: < FAILED >\n");
    EXPECT_TRUE(machine.Msrs().empty());
}

TEST(MachineFile, RegisterLinesThatStayMalformed) {
    struct Case {
        const char* name;
        const char* text;
    };
    const Case cases[] = {
        {"leaf number with a letter", "CPUID 0000000G: 00000001-756E6547-6C65746E-49656E69 [note]\n"},
        {"hexadecimal word then no registers", "CPUID Bad : 00000001\n"},
        {"three registers then a note", "CPUID 00000000: 00000001-756E6547-6C65746E [note]\n"},
        {"text run on into a register", "CPUID 00000000: 00000001-756E6547-6C65746E-49656E69[x]\n"},
        {"leaf and sub-leaf without brackets", "CPUID 00000004 00000000: 1C004121-01C0003F-0000003F-00000000\n"},
        {"bad sub-leaf", "CPUID 00000004: 1C004121-01C0003F-0000003F-00000000 [SL zz]\n"},
        {"MSR value of three groups then a note", "MSR 00000017: 001C-0000-0000 [PlatID = 7]\n"},
        {"MSR text run on into the value", "MSR 00000017: 001C-0000-0000-0000x\n"},
        {"MSR failure misspelt", "MSR 0000001B: < FAIL >\n"},
        {"MSR failure unterminated", "MSR 0000001B: < FAILED\n"},
        {"MSR number with a letter", "MSR 0000001Z: 0000-0000-0000-0000\n"},
    };
    for (const Case& c : cases) {
        std::string error = ParseError(std::string("# dump\n") + c.text);
        EXPECT_NE(error.find("bad.txt:2:"), std::string::npos) << c.name << " -> " << error;
    }
}

TEST(MachineFile, UnreadableFiles) {
    SimulatedMachine machine;
    std::string error;
    EXPECT_FALSE(platform::LoadMachineFile("/nonexistent/machine.txt", machine, error));
    EXPECT_NE(error.find("/nonexistent/machine.txt"), std::string::npos);
    EXPECT_FALSE(platform::LoadMachineFile(kMachines, machine, error));
    EXPECT_NE(error.find("directory"), std::string::npos);
    // A device (or a FIFO) is refused before it is opened: reading it could block or never end.
#if defined(_WIN32)
    EXPECT_FALSE(platform::LoadMachineFile("NUL", machine, error)) << "NUL";  // the message is the system's
#else
    for (const char* device : {"/dev/zero", "/dev/null"}) {
        EXPECT_FALSE(platform::LoadMachineFile(device, machine, error)) << device;
        EXPECT_NE(error.find("not a regular file"), std::string::npos) << error;
    }
#endif
}

TEST(MachineFile, OtherArraysAreIgnored) {
    SimulatedMachine machine = Parse(
        "basic_cpuid[0]=00000004 756e6547 6c65746e 49656e69\n"
        "intel_fn4[1]=04000122 01c0003f 0000003f 00000001\n"
        "intel_fn11[1]=00000004 00000004 00000201 00000000\n"
        "amd_fn8000001dh[0]=zzz\n"
        "ext_cpuid[4]=00000001 00000002 00000003 00000004\n");
    EXPECT_EQ(machine.Cpuid(4, 1).eax, 0x04000122u);
    EXPECT_EQ(machine.Cpuid(0xB, 1).ecx, 0x201u);
    EXPECT_EQ(machine.Cpuid(0x80000004, 0).edx, 4u);
}

}  // namespace
