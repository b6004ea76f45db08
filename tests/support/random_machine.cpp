#include "tests/support/random_machine.h"

#include <cstring>

#include "tests/support/simulated.h"

namespace testsupport {

const char* const kVendors[kVendorCount] = {
    "GenuineIntel", "AuthenticAMD", "GenuineTMx86", "CyrixInstead", "CentaurHauls", "RiseRiseRise",
    "NexGenDriven", "UMC UMC UMC ", "Geode By NSC", "Compaq FX32!", "ConnectixCPU", "VirtualCPU  ",
};
const uint32_t kMsrIndices[kMsrIndexCount] = {
    0x17u, 0x2Au, 0x2Cu, 0x198u, 0x10Au, 0x147u, 0xC0010015u, 0xC0010042u, 0xC0010011u, 0xC0000087u, 0x4C000014u,
};

namespace {

platform::CpuidRegs Regs(ByteSource& source) {
    platform::CpuidRegs regs;
    regs.eax = source.Word();
    regs.ebx = source.Word();
    regs.ecx = source.Word();
    regs.edx = source.Word();
    return regs;
}

}  // namespace

void FillRandomMachine(ByteSource& source, platform::SimulatedMachine& machine) {
    // Leaf 0 is given once (a leaf given twice keeps its first value): a known vendor chosen by the
    // first byte, or raw bytes.
    uint8_t choice = source.Byte();
    platform::CpuidRegs leaf0 = Regs(source);
    if (choice % 16 < kVendorCount)
        SetVendor(machine, kVendors[choice % 16], leaf0.eax % 16);
    else
        machine.SetLeaf(0, leaf0);

    for (uint32_t leaf = 1; leaf <= 7; ++leaf) machine.SetLeaf(leaf, Regs(source));
    machine.SetLeaf(0xB, Regs(source));
    platform::CpuidRegs ext = Regs(source);
    if (source.Byte() & 1) ext.eax = 0x80000000u + (ext.eax % 12);
    machine.SetLeaf(0x80000000, ext);
    for (uint32_t leaf = 0x80000001; leaf <= 0x80000008; ++leaf) machine.SetLeaf(leaf, Regs(source));
    platform::CpuidRegs transmeta = Regs(source);
    if (source.Byte() & 1) transmeta.eax = 0x80860000u + (transmeta.eax % 10);
    machine.SetLeaf(0x80860000, transmeta);
    for (uint32_t leaf = 0x80860001; leaf <= 0x80860007; ++leaf) machine.SetLeaf(leaf, Regs(source));
    machine.SetLeaf(0xC0000000, Regs(source));
    machine.SetLeaf(0xC0000001, Regs(source));

    for (uint32_t index : kMsrIndices) {
        if (source.Byte() & 1) {
            const uint64_t high = source.Word();  // read in this order: the encoder writes them so
            const uint64_t low = source.Word();
            machine.SetMsr(index, (high << 32) | low);
        }
    }
    platform::HostFacts& facts = machine.Facts();
    facts.processors = 1 + source.Byte() % 8;
    facts.architecture = source.Byte() % 12;
    facts.processorType = source.Word();
    facts.processorLevel = static_cast<uint16_t>(source.Word());
    facts.nt = source.Byte() & 1;
    facts.wow64 = source.Byte() % 4 == 0;
    facts.cpuid = source.Byte() % 16 != 0;
    facts.tscMhz = 1 + source.Byte() * 20.0;
    facts.tickStart = source.Word();
}

}  // namespace testsupport
