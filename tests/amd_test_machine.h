// AMD processors for the naming tests: a few CPUID leaves described by a small builder, detected on
// a simulated machine; and a blank AMD record for rules that read what the register step finds.
#pragma once

#include <cstdint>

#include "cpuinfo/cpu_info.h"
#include "cpuinfo/text.h"
#include "platform/simulated_machine.h"
#include "tests/support/simulated.h"

namespace amdtest {

// The leaves an AMD processor reports, set by name: Amd(signature).L2(512).Cores(2)...
struct AmdLeaves {
    uint32_t signature = 0;     // CPUID 1 EAX
    uint32_t extSignature = 0;  // CPUID 0x80000001 EAX
    uint32_t extEbx = 0;        // CPUID 0x80000001 EBX: the brand identifier
    uint32_t extEcx = 0;
    uint32_t extEdx = 0;
    uint32_t l2Kb = 0;
    uint32_t l3Kb = 0;
    uint32_t cores = 1;
    bool powerNow = false;
    const char* brand = nullptr;
    uint32_t processors = 1;

    // Family 15 brand identifier of the first generations (extended model below 4).
    AmdLeaves& Brand(uint32_t brandId, uint32_t nn) {
        extEbx = (brandId & 63u) << 6 | (nn & 63u);
        return *this;
    }
    // Family 15 brand identifier from extended model 4 on: brand, model-number index, power limit.
    AmdLeaves& Brand(uint32_t brandId, uint32_t nn, uint32_t pwrLmt) {
        extEbx = (brandId & 31u) << 9 | (nn & 31u) | ((nn >> 6) & 1u) << 15 | ((pwrLmt >> 1) & 7u) << 6 |
                 (pwrLmt & 1u) << 14;
        return *this;
    }
    AmdLeaves& L2(uint32_t kb) { l2Kb = kb; return *this; }
    AmdLeaves& L3(uint32_t kb) { l3Kb = kb; return *this; }
    AmdLeaves& Cores(uint32_t count) { cores = count; return *this; }
    AmdLeaves& PowerNow() { powerNow = true; return *this; }
    AmdLeaves& MpCapable() { extEdx |= 1u << 19; return *this; }
    AmdLeaves& Svm() { extEcx |= 1u << 2; return *this; }
    AmdLeaves& LongMode() { extEdx |= 1u << 29; return *this; }
    AmdLeaves& BrandString(const char* text) { brand = text; return *this; }
    AmdLeaves& Processors(uint32_t count) { processors = count; return *this; }
};

// Both signatures alike, as AMD processors report them.
inline AmdLeaves Amd(uint32_t signature) {
    AmdLeaves leaves;
    leaves.signature = signature;
    leaves.extSignature = signature;
    return leaves;
}

inline void BuildMachine(platform::SimulatedMachine& machine, const AmdLeaves& p) {
    testsupport::SetVendor(machine, "AuthenticAMD", 1);
    testsupport::SetSignature(machine, p.signature, 0, 0, 0);  // no TSC, no MSR: one naming pass
    machine.SetLeaf(0x80000000, platform::CpuidRegs{0x80000008, 0, 0, 0});
    machine.SetLeaf(0x80000001, platform::CpuidRegs{p.extSignature, p.extEbx, p.extEcx, p.extEdx});
    machine.SetLeaf(0x80000006, platform::CpuidRegs{0, 0, p.l2Kb << 16 | 0x6040u, (p.l3Kb / 128u) << 16});
    machine.SetLeaf(0x80000007, platform::CpuidRegs{0, 0, 0, p.powerNow ? 6u : 0u});
    machine.SetLeaf(0x80000008, platform::CpuidRegs{0, 0, p.cores - 1u, 0});
    if (p.brand) testsupport::SetBrandString(machine, p.brand);
    machine.Facts().processors = p.processors;
}

// The whole detection on a machine with these leaves.
inline CCpuInfo Detect(const AmdLeaves& leaves) {
    platform::SimulatedMachine& machine = testsupport::KeptMachine();
    BuildMachine(machine, leaves);
    return CCpuInfo(machine, 0x100, 0);
}

// A freshly initialised record of an AMD processor, no naming pass yet; the test sets the fields
// that decoding and the register step would have set and calls NameProcessor itself.
inline CCpuInfo BlankAmdRecord() {
    platform::SimulatedMachine& machine = testsupport::KeptMachine();
    machine.Facts().cpuid = false;
    CCpuInfo cpu(machine, 0x100, 0);
    cpu.VendorId = Vendor::Amd;
    CopyText(cpu.VendorName, "AMD");
    return cpu;
}

}  // namespace amdtest
