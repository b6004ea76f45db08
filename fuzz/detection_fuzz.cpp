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
    platform::ScopedMachine use(machine);
    // Measuring the clock runs through half a second of simulated time: only inputs with this marker do
    // (methods 0-7; not 0, which short inputs read past their end), the rest skip it (9) so the fuzzer
    // spends its time on decoding and naming.
    const bool measure = source.Byte() == 'M';
    CCpuInfo cpu(0x100, measure ? source.Byte() % 8u : 9u);
    for (size_t i = 0; i < kInfoItemCount; ++i) {
        const InfoAction action = kInfoItems[i].action;
        if (!measure && (action == InfoAction::Remeasure || action == InfoAction::UpdateMultiplier)) continue;
        char buffer[65];
        cpu.GetInfo(kInfoItems[i].code, buffer);
        if (!std::memchr(buffer, '\0', sizeof buffer)) __builtin_trap();
    }
    return 0;
}
