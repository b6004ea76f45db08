// libFuzzer: the machine-file loader on arbitrary text, then a detection on whatever it loaded.
#include <cstddef>
#include <cstdint>
#include <string>

#include "cpuinfo/cpu_info.h"
#include "platform/machine_file.h"
#include "platform/simulated_machine.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    platform::SimulatedMachine machine;
    std::string error;
    if (!platform::ParseMachineText(std::string(reinterpret_cast<const char*>(data), size), "fuzz", machine, error))
        return 0;
    CCpuInfo cpu(machine, 0x100, 9);
    char buffer[65];
    cpu.GetInfo(INFO_PROCESSOR_NAME, buffer);
    return 0;
}
