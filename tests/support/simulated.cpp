#include "tests/support/simulated.h"

#include <algorithm>
#include <cstring>
#include <deque>

namespace testsupport {

uint32_t Chars(const char* four) {
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(four[i]);
    return value;
}

void SetVendor(platform::SimulatedMachine& machine, const char* vendor, uint32_t maxStdLeaf) {
    char padded[12] = {};
    std::memcpy(padded, vendor, std::min<size_t>(12, std::strlen(vendor)));
    machine.SetLeaf(0, platform::CpuidRegs{maxStdLeaf, Chars(padded), Chars(padded + 8), Chars(padded + 4)});
}

void SetSignature(platform::SimulatedMachine& machine, uint32_t eax, uint32_t ebx, uint32_t ecx, uint32_t edx) {
    machine.SetLeaf(1, platform::CpuidRegs{eax, ebx, ecx, edx});
}

void SetMaxExtLeaf(platform::SimulatedMachine& machine, uint32_t maxExtLeaf) {
    platform::CpuidRegs leaf = machine.Cpuid(0x80000000, 0);
    leaf.eax = maxExtLeaf;
    machine.ReplaceLeaf(0x80000000, 0, leaf);
}

void SetBrandString(platform::SimulatedMachine& machine, const char* brand) {
    char text[48] = {};
    std::memcpy(text, brand, std::min<size_t>(48, std::strlen(brand)));
    for (uint32_t i = 0; i < 3; ++i) {
        const char* part = text + 16 * i;
        machine.SetLeaf(0x80000002 + i,
                        platform::CpuidRegs{Chars(part), Chars(part + 4), Chars(part + 8), Chars(part + 12)});
    }
    if (machine.Cpuid(0x80000000, 0).eax < 0x80000004) SetMaxExtLeaf(machine, 0x80000004);
}

platform::SimulatedMachine& KeptMachine() {
    static std::deque<platform::SimulatedMachine> machines;  // a deque keeps its elements in place
    return machines.emplace_back();
}

std::string InfoText(CCpuInfo& cpu, int32_t item) {
    char buffer[256];
    std::memset(buffer, 'x', sizeof buffer);
    cpu.GetInfo(item, buffer);
    return buffer;
}

}  // namespace testsupport
