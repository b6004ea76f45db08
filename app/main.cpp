// cputype: identifies the processor, prints its name in a fixed Traditional Chinese (code page 950)
// message and waits for Enter. Command-line arguments are ignored. Only the C library's standard I/O
// is used (no iostreams), so the program starts and ends quickly and stays small in memory. A message
// that cannot be written ends the program with status 1 and a line on standard error.
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "cpuinfo/cpu_info.h"

namespace {

// "CPU類型:%s\n\n按Enter鍵離開\n" as code-page-950 bytes, written without conversion.
const char kMessageFormat[] =
    "CPU" "\xC3\xFE\xAB\xAC" ":%s\n\n" "\xAB\xF6" "Enter" "\xC1\xE4\xC2\xF7\xB6\x7D" "\n";
static_assert(sizeof kMessageFormat - 1 == 26, "the message format is 26 bytes");

}  // namespace

int main() {
    CCpuInfo cpu(0x100, 0);
    char name[256];
    cpu.GetInfo(INFO_PROCESSOR_NAME, name);
    // A message that did not arrive (a full disk, a closed or broken pipe) is reported, not waited on.
    if (std::printf(kMessageFormat, name) < 0 || std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "cputype: cannot write to standard output: %s\n", std::strerror(errno));
        return 1;
    }
    std::getchar();
    return 0;
}
