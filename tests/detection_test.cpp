// The detection driver and the query on simulated machines: presence of CPUID, affinity handling,
// initial values as the query formats them, unknown items, the register entry points.
#include <gtest/gtest.h>

#include <cstring>
#include <new>

#include "cpuinfo/cpu_info.h"
#include "cpuinfo/msr.h"
#include "platform/simulated_machine.h"
#include "tests/support/simulated.h"

using platform::SimulatedMachine;
using testsupport::InfoText;

namespace {

TEST(Detection, WithoutCpuidEveryNameIsEmptyAndNumbersKeepInitialValues) {
    SimulatedMachine machine;
    machine.Facts().cpuid = false;
    machine.Facts().architecture = 9;
    testsupport::SetVendor(machine, "GenuineIntel", 1);  // never asked: the flag test fails first
    CCpuInfo cpu(machine, 0x100, 0);

    EXPECT_EQ(cpu.CpuidSupported, 0);
    EXPECT_EQ(cpu.VendorId, Vendor::Unknown);
    for (int32_t item : {INFO_CPU_NAME, INFO_VENDOR_STRING, INFO_VENDOR_NAME, INFO_BRAND_STRING, INFO_SOCKET,
                         INFO_PROCESSOR_TYPE, INFO_SIGNATURE, INFO_MODEL_NAME, INFO_CODE_NAME, INFO_PROCESSOR_NAME,
                         INFO_PROCESS_TECH, INFO_SERIAL_NUMBER, INFO_BUS_DATA_RATE, INFO_REVISION, INFO_L2_ASSOC,
                         INFO_CLOCK_METHOD, INFO_TRANSMETA_INFO})
        EXPECT_EQ(InfoText(cpu, item), "") << "item 0x" << std::hex << item;
    EXPECT_EQ(InfoText(cpu, INFO_ARCHITECTURE), "x64");  // the host probe runs before the CPUID test
}

struct InitialItem {
    int32_t item;
    const char* text;
};

TEST(Detection, InitialValuesAreFormattedPerItem) {
    SimulatedMachine machine;
    machine.Facts().cpuid = false;
    CCpuInfo cpu(machine, 0x100, 0);
    const InitialItem expected[] = {
        {INFO_FAMILY, "FFFFFFFF"},       {INFO_MODEL, "FFFFFFFF"},          {INFO_STEPPING, "FFFFFFFF"},
        {INFO_EXT_FAMILY, "FFFFFFFF"},   {INFO_EXT_MODEL, "FFFFFFFF"},      {INFO_BRAND_ID, "00"},
        {INFO_APIC_ID, "FFFFFFFF"},      {INFO_FULL_FAMILY, "FFFFFFFF"},    {INFO_EXT_LEAF_MODEL, "FFFFFFFF"},
        {INFO_CLOCK, "-1.00"},           {INFO_BUS_CLOCK, "-1.00"},         {INFO_FSB_CLOCK, "-1.00"},
        {INFO_MULTIPLIER, "-1.00"},      {INFO_RATED_CLOCK, "-1.00"},       {INFO_OVERCLOCK_PERCENT, "-100.00"},
        {INFO_MAX_MULTIPLIER, "-1.00"},  {INFO_L2_SPEED_RATIO, "-1.00"},    {INFO_DIE_SIZE, "-1.0"},
        {INFO_TRANSISTOR_COUNT, "-1.0"}, {INFO_AUX_FIGURE, "-1.0"},         {INFO_TRANSMETA_CURRENT_CLOCK, ""},
        {INFO_TRANSMETA_NOMINAL_CLOCK, ""}, {INFO_TRANSMETA_GATE_DELAY, ""}, {INFO_SPARE_1, ""},
        {INFO_SPARE_7, ""},              {INFO_UPDATE_MULTIPLIER, "-1.00"}, {INFO_MEASURE_CLOCK, "-1.00"},
    };
    for (const InitialItem& row : expected) {
        char buffer[80];
        EXPECT_EQ(cpu.GetInfo(row.item, buffer), 0) << std::hex << row.item;
        EXPECT_STREQ(buffer, row.text) << "item 0x" << std::hex << row.item;
    }
}

TEST(Detection, UnknownItemCodesGiveMinusOneAndAnEmptiedBuffer) {
    SimulatedMachine machine;
    CCpuInfo cpu(machine, 0x100, 0);
    for (int32_t code : {0, 0x1000, 0x1014, 0x101F, 0x1030, 0x1037, 0x1046, 0x1048, 0x105F, 0x1068, 0x107F,
                         0x1088, 0x109F, 0x10A3, 0x10B0, 0x10B5, 0x10BF, 0x10C3, 0x1213, 0x1217, 0x1223, 0x1227,
                         0x1300, -1, INT32_MIN, INT32_MAX}) {
        char buffer[16] = "previous";
        EXPECT_EQ(cpu.GetInfo(code, buffer), -1) << std::hex << code;
        EXPECT_STREQ(buffer, "") << std::hex << code;
    }
}

TEST(Detection, KnownItemEmptiesAPreviousText) {
    SimulatedMachine machine;
    machine.Facts().cpuid = false;
    CCpuInfo cpu(machine, 0x100, 0);
    char buffer[80] = "previous text";
    EXPECT_EQ(cpu.GetInfo(INFO_SPARE_3, buffer), 0);
    EXPECT_STREQ(buffer, "");
}

TEST(Detection, AffinityIsSetAndRestoredOnNt) {
    SimulatedMachine machine;
    machine.Facts().processors = 2;
    CCpuInfo cpu(machine, 0x2, 0);
    EXPECT_EQ(machine.AffinityCalls(), 2);
    EXPECT_EQ(machine.CurrentAffinity(), 0x3u);  // the previous mask (both processors) is back
    EXPECT_EQ(cpu.AffinityMask, 0x2u);
}

TEST(Detection, AffinityMaskWithoutSuchProcessorChangesNothing) {
    SimulatedMachine machine;
    CCpuInfo cpu(machine, 0x100, 0);
    EXPECT_EQ(machine.AffinityCalls(), 2);  // both calls are made, both refused
    EXPECT_EQ(cpu.AffinityMask, 0x100u);
}

TEST(Detection, AffinityCallsAreSkippedOffNt) {
    SimulatedMachine machine;
    machine.Facts().nt = false;
    machine.Facts().processors = 2;
    CCpuInfo cpu(machine, 0x2, 0);
    EXPECT_EQ(machine.AffinityCalls(), 0);
    EXPECT_EQ(cpu.AffinityMask, 0x2u);
}

TEST(Detection, ProcessorCountAndArchitectureComeFromTheHost) {
    struct Case {
        uint16_t architecture;
        bool wow64;
        const char* name;
    };
    const Case cases[] = {{0, false, "x86"},  {1, false, "MIPS"},   {2, false, "Alpha"}, {3, false, "PowerPC"},
                          {6, false, "IA64"}, {9, false, "x64"},    {10, false, "WOW64"}, {4, false, ""},
                          {5, false, ""},     {7, false, ""},       {8, false, ""},      {11, false, ""},
                          {0, true, "x64"},   {5, true, "x64"}};
    for (const Case& c : cases) {
        SimulatedMachine machine;
        machine.Facts().architecture = c.architecture;
        machine.Facts().wow64 = c.wow64;
        machine.Facts().processors = 3;
        CCpuInfo cpu(machine, 0x100, 0);
        EXPECT_STREQ(cpu.ArchitectureName, c.name) << "architecture " << c.architecture << " wow64 " << c.wow64;
        EXPECT_EQ(cpu.ProcessorCount, 3);
    }
}

TEST(Detection, DualWaitTimeFromTheIniValue) {
    struct Case {
        const char* value;  // null: no ini file
        int32_t expected;
    };
    const Case cases[] = {
        {nullptr, 1000}, {"  -250", 250}, {"12abc", 12}, {"abc", 0}, {"", 0}, {"+7", 7},
        {"2147483647", 2147483647}, {"2147483648", 2147483647}, {"-2147483648", 2147483647},
        {"99999999999999999999", 2147483647}, {"-99999999999999999999", 2147483647}, {"\t\n 42", 42}, {"- 5", 0},
    };
    for (const Case& c : cases) {
        SimulatedMachine machine;
        if (c.value) machine.Facts().dualWaitTime = c.value;
        CCpuInfo cpu(machine, 0x100, 0);
        EXPECT_EQ(cpu.DualWaitTime, c.expected) << (c.value ? c.value : "(no ini file)");
    }
}

TEST(Detection, ConstructionDoesNotDependOnPriorMemory) {
    SimulatedMachine machine;
    alignas(CCpuInfo) unsigned char storage[2][sizeof(CCpuInfo)];
    std::memset(storage[0], 0x00, sizeof(CCpuInfo));
    std::memset(storage[1], 0xA5, sizeof(CCpuInfo));
    CCpuInfo* first = new (storage[0]) CCpuInfo(machine, 0x100, 0);
    CCpuInfo* second = new (storage[1]) CCpuInfo(machine, 0x100, 0);
#define SAME_NUMBER(name, init) EXPECT_EQ(first->name, second->name) << #name;
#define SAME_TEXT(name, size) EXPECT_EQ(std::memcmp(first->name, second->name, size), 0) << #name;
    CPUINFO_RECORD_FIELDS(SAME_NUMBER, SAME_NUMBER, SAME_NUMBER, SAME_TEXT)
#undef SAME_NUMBER
#undef SAME_TEXT
}

TEST(Msr, ReadWithoutDeliveredRegisterLeavesBothWordsAndReturnsOne) {
    SimulatedMachine machine;
    uint32_t low = 0x12345678;
    uint32_t high = 0x9ABCDEF0;
    for (uint32_t index : {0x17u, 0x2Au, 0x198u, 0xC0010015u, 0xFFFFFFFFu}) {
        EXPECT_EQ(ReadMsrFrom(machine, index, &low, &high), 1) << std::hex << index;
        EXPECT_EQ(ReadMSR(index, &low, &high), 1) << std::hex << index;  // the native machine: never delivers
        EXPECT_EQ(low, 0x12345678u) << std::hex << index;
        EXPECT_EQ(high, 0x9ABCDEF0u) << std::hex << index;
    }
    EXPECT_EQ(WriteMSR(0x2A, 1, 2), 1);
}

TEST(Msr, SimulatedRegisterIsDeliveredWholeToItsOwnMachineOnly) {
    SimulatedMachine machine;
    machine.SetMsr(0x2A, 0x000000010E12000EULL);
    uint32_t low = 0;
    uint32_t high = 0;
    EXPECT_EQ(ReadMsrFrom(machine, 0x2A, &low, &high), 1);
    EXPECT_EQ(low, 0x0E12000Eu);
    EXPECT_EQ(high, 1u);

    machine.Facts().cpuid = false;
    CCpuInfo cpu(machine, 0x100, 0);
    low = high = 0;
    EXPECT_EQ(cpu.QueryMsr(0x2A, &low, &high), 1);
    EXPECT_EQ(low, 0x0E12000Eu);
    EXPECT_EQ(high, 1u);

    low = high = 7;
    EXPECT_EQ(ReadMSR(0x2A, &low, &high), 1);  // the exported entry reads this computer, not the simulation
    EXPECT_EQ(low, 7u);
    EXPECT_EQ(high, 7u);
}

}  // namespace
