// The naming dispatch: splitting the market name into model and code name, and the printed name.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "cpuinfo/cpu_info.h"
#include "cpuinfo/naming/market_name.h"
#include "platform/simulated_machine.h"
#include "tests/support/simulated.h"

namespace {

struct SplitCase {
    const char* cpuName;
    const char* model;
    const char* code;  // "Earlier" when the code name is left alone
};

TEST(NamingDispatch, SplitsTheMarketName) {
    const std::string longCode = "Name (" + std::string(100, 'c') + ")";
    const SplitCase cases[] = {
        {"Pentium 4 HT (Northwood)", "Pentium 4 HT", "Northwood"},
        {"Core Duo (Yonah DC)", "Core Duo", "Yonah DC"},
        {"486DX", "486DX", "Earlier"},
        {"", "", "Earlier"},
        {"(Odd)", "", "Odd"},  // "(" first: nothing before it to take, no underflow
        {"Name (Unclosed", "Name", "Unclosed"},
        {"X(Y)", "", "Y"},     // the character before "(" is taken as the blank
        {"A (B) (C)", "A", "B"},
        {longCode.c_str(), "Name", "cccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccc"},
    };
    for (const SplitCase& c : cases) {
        char model[65];
        char code[65] = "Earlier";
        std::memset(model, 'x', sizeof model);
        SplitMarketName(c.cpuName, model, sizeof model, code, sizeof code);
        EXPECT_STREQ(model, c.model) << c.cpuName;
        EXPECT_STREQ(code, c.code) << c.cpuName;
    }
}

TEST(NamingDispatch, PrintedNameIsVendorBlankModel) {
    struct Case {
        const char* vendor;
        uint32_t signature;
        const char* printed;
    };
    const Case cases[] = {
        {"Geode By NSC", 0x540, "NSC Geode"},          // a name without code name
        {"CentaurHauls", 0x698, "VIA C3"},             // vendor name replaced by the routine
        {"SomeVendorXX", 0x520, " Pentium"},           // no vendor name: a leading blank
    };
    for (const Case& c : cases) {
        platform::SimulatedMachine machine;
        testsupport::SetVendor(machine, c.vendor, 1);
        testsupport::SetSignature(machine, c.signature, 0, 0, 0);
        CCpuInfo cpu(machine, 0x100, 0);
        EXPECT_EQ(testsupport::InfoText(cpu, INFO_PROCESSOR_NAME), c.printed) << c.vendor;
    }
}

}  // namespace
