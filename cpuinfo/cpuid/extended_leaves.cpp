// The brand string, the AMD power-management test and the Transmeta leaves.
#include <cstring>

#include "cpuinfo/cpu_info.h"
#include "cpuinfo/text.h"

namespace {

void StoreRegisters(CCpuInfo& record, char* out, uint32_t leaf) {
    uint32_t regs[4] = {0, 0, 0, 0};
    record.QueryCpuid(leaf, &regs[0], &regs[1], &regs[2], &regs[3]);
    for (int r = 0; r < 4; ++r)
        for (int i = 0; i < 4; ++i) out[4 * r + i] = static_cast<char>((regs[r] >> (8 * i)) & 0xFF);
}

// Copies the text of a register buffer without its leading blanks; a NUL ends it early.
template <size_t N>
void CopyWithoutLeadingBlanks(char (&field)[N], const char* buffer) {
    while (*buffer == ' ') ++buffer;
    CopyText(field, buffer);
}

}  // namespace

void CCpuInfo::ReadBrandString() {
    char buffer[48 + 1];
    for (uint32_t i = 0; i < 3; ++i) StoreRegisters(*this, buffer + 16 * i, 0x80000002u + i);
    buffer[48] = '\0';
    CopyWithoutLeadingBlanks(BrandString, buffer);
}

int32_t CCpuInfo::TestPowerNow() {
    uint32_t eax = 0, ebx = 0, ecx = 0, edx = 0;
    QueryCpuid(0x80000007, &eax, &ebx, &ecx, &edx);
    // Frequency (bit 1) and voltage (bit 2) control, both.
    return (edx & 0x6u) == 0x6u ? 1 : 0;
}

void CCpuInfo::ReadTransmetaInfo() {
    uint32_t maxLeaf = 0, ebx = 0, ecx = 0, edx = 0;
    QueryCpuid(0x80860000, &maxLeaf, &ebx, &ecx, &edx);
    if (maxLeaf >= 0x80860002u) {
        uint32_t eax = 0;
        QueryCpuid(0x80860001, &eax, &ebx, &ecx, &edx);
        TransmetaNominalClock = static_cast<int32_t>(ecx);
        if (ebx != 0x20000000u)
            FormatText(TransmetaHardwareRevision, "%u.%u-%u.%u", ebx >> 24, (ebx >> 16) & 0xFF, (ebx >> 8) & 0xFF,
                       ebx & 0xFF);
        QueryCpuid(0x80860002, &eax, &ebx, &ecx, &edx);
        FormatText(TransmetaSoftwareRevision, "%u.%u.%u-%u-%d", ebx >> 24, (ebx >> 16) & 0xFF, (ebx >> 8) & 0xFF,
                   ebx & 0xFF, static_cast<int32_t>(ecx));
    }
    if (maxLeaf >= 0x80860006u) {
        char buffer[64 + 1];
        for (uint32_t i = 0; i < 4; ++i) StoreRegisters(*this, buffer + 16 * i, 0x80860003u + i);
        buffer[64] = '\0';
        CopyWithoutLeadingBlanks(TransmetaInfo, buffer);
    }
    if (maxLeaf >= 0x80860007u) {
        uint32_t eax = 0;
        QueryCpuid(0x80860007, &eax, &ebx, &ecx, &edx);
        TransmetaCurrentClock = static_cast<int32_t>(eax);
        TransmetaCurrentVoltage = static_cast<int32_t>(ebx);
        TransmetaCurrentLevel = static_cast<int32_t>(ecx);
        TransmetaGateDelay = static_cast<int32_t>(edx);
    }
}
