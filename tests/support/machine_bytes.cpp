#include "tests/support/machine_bytes.h"

#include <cstring>

#include "tests/support/random_machine.h"

namespace testsupport {
namespace {

class ByteSink {
public:
    void Byte(uint8_t value) { bytes.push_back(value); }
    void Word(uint32_t value) {
        for (int shift = 24; shift >= 0; shift -= 8) Byte(static_cast<uint8_t>(value >> shift));
    }
    void Regs(const platform::CpuidRegs& regs) {
        Word(regs.eax);
        Word(regs.ebx);
        Word(regs.ecx);
        Word(regs.edx);
    }
    std::vector<uint8_t> bytes;
};

uint8_t VendorChoice(const platform::CpuidRegs& leaf0) {
    char vendor[12];
    std::memcpy(vendor, &leaf0.ebx, 4);
    std::memcpy(vendor + 4, &leaf0.edx, 4);
    std::memcpy(vendor + 8, &leaf0.ecx, 4);
    for (unsigned i = 0; i < kVendorCount; ++i)
        if (std::memcmp(vendor, kVendors[i], 12) == 0) return static_cast<uint8_t>(i);
    return 15;  // raw leaf 0
}

}  // namespace

std::vector<uint8_t> EncodeMachine(platform::SimulatedMachine& machine, uint8_t clockOption) {
    ByteSink out;
    const platform::CpuidRegs leaf0 = machine.Cpuid(0, 0);
    out.Byte(VendorChoice(leaf0));
    out.Regs(leaf0);
    for (uint32_t leaf = 1; leaf <= 7; ++leaf) out.Regs(machine.Cpuid(leaf, 0));
    out.Regs(machine.Cpuid(0xB, 0));
    out.Regs(machine.Cpuid(0x80000000, 0));
    out.Byte(0);  // the highest extended leaf as given
    for (uint32_t leaf = 0x80000001; leaf <= 0x80000008; ++leaf) out.Regs(machine.Cpuid(leaf, 0));
    out.Regs(machine.Cpuid(0x80860000, 0));
    out.Byte(0);
    for (uint32_t leaf = 0x80860001; leaf <= 0x80860007; ++leaf) out.Regs(machine.Cpuid(leaf, 0));
    out.Regs(machine.Cpuid(0xC0000000, 0));
    out.Regs(machine.Cpuid(0xC0000001, 0));
    for (uint32_t index : kMsrIndices) {
        const auto found = machine.Msrs().find(index);
        out.Byte(found != machine.Msrs().end() ? 1 : 0);
        if (found != machine.Msrs().end()) {
            out.Word(static_cast<uint32_t>(found->second >> 32));
            out.Word(static_cast<uint32_t>(found->second));
        }
    }
    const platform::HostFacts& facts = machine.Facts();
    out.Byte(static_cast<uint8_t>((facts.processors - 1) % 8));
    out.Byte(static_cast<uint8_t>(facts.architecture % 12));
    out.Word(facts.processorType);
    out.Word(facts.processorLevel);
    out.Byte(facts.nt ? 1 : 0);
    out.Byte(facts.wow64 ? 0 : 1);
    out.Byte(facts.cpuid ? 1 : 0);
    // The counter rate in the fuzzer's 20 MHz steps.
    const double steps = (facts.tscMhz - 1.0) / 20.0;
    out.Byte(static_cast<uint8_t>(steps <= 0 ? 0 : steps >= 255 ? 255 : steps + 0.5));
    out.Word(facts.tickStart);
    out.Byte(clockOption);
    return out.bytes;
}

}  // namespace testsupport
