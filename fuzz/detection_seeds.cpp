// Writes seed inputs for detection_fuzz: each machine file given becomes the bytes that rebuild it.
//   detection_seeds OUTPUT_FOLDER MACHINE_FILE...
#include <cstdio>
#include <string>

#include "platform/machine_file.h"
#include "tests/support/machine_bytes.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: detection_seeds OUTPUT_FOLDER MACHINE_FILE...\n");
        return 2;
    }
    int written = 0;
    for (int i = 2; i < argc; ++i) {
        platform::SimulatedMachine machine;
        std::string error;
        if (!platform::LoadMachineFile(argv[i], machine, error)) continue;  // not every file is a machine
        const std::vector<uint8_t> bytes = testsupport::EncodeMachine(machine, 9);
        const std::string path = std::string(argv[1]) + "/seed-" + std::to_string(i - 2);
        std::FILE* file = std::fopen(path.c_str(), "wb");
        if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size() || std::fclose(file) != 0) {
            std::fprintf(stderr, "detection_seeds: cannot write %s\n", path.c_str());
            return 1;
        }
        ++written;
    }
    std::printf("%d seeds written to %s\n", written, argv[1]);
    return 0;
}
