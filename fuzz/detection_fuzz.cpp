// libFuzzer: a whole detection and every query item on a machine whose registers come from the input.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "cpuinfo/cpu_info.h"
#include "platform/simulated_machine.h"
#include "tests/support/random_machine.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    testsupport::ByteSource source(data, size);
    platform::SimulatedMachine machine;
    testsupport::FillRandomMachine(source, machine);
    CCpuInfo cpu(machine, 0x100, source.Byte());
    for (size_t i = 0; i < kInfoItemCount; ++i) {
        char buffer[65];
        cpu.GetInfo(kInfoItems[i].code, buffer);
        if (!std::memchr(buffer, '\0', sizeof buffer)) __builtin_trap();
    }
    return 0;
}
