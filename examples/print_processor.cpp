// A program that links the cputype library: it identifies the processor and prints a few items.
// Given a machine file (a recorded CPUID dump), it identifies the processor that file describes.
//
//   print_processor              this computer's processor
//   print_processor dump.txt     the processor of a recorded dump
#include <cstdio>
#include <optional>
#include <string>

#include <cpuinfo/cpu_info.h>
#include <platform/machine_file.h>
#include <platform/simulated_machine.h>

int main(int argc, char** argv) {
    platform::SimulatedMachine recorded;
    std::optional<platform::ScopedMachine> replay;  // while it lives, the library sees the recorded machine
    if (argc > 1) {
        std::string error;
        if (!platform::LoadMachineFile(argv[1], recorded, error)) {
            std::fprintf(stderr, "print_processor: %s\n", error.c_str());
            return 2;
        }
        replay.emplace(recorded);
    }

    CCpuInfo cpu(0x100, 0);  // the whole identification runs here (about half a second on a real machine)
    const struct {
        const char* label;
        int32_t item;
    } shown[] = {
        {"Vendor", INFO_VENDOR_NAME},
        {"Brand string", INFO_BRAND_STRING},
        {"Processor", INFO_PROCESSOR_NAME},
        {"Code name", INFO_CODE_NAME},
        {"Clock (MHz)", INFO_CLOCK},
    };
    for (const auto& row : shown) {
        char text[65];  // every item fits 64 characters and a terminator
        cpu.GetInfo(row.item, text);
        std::printf("%-14s %s\n", row.label, text);
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
