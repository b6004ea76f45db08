// The profile's entry point: checks that CPUID exists, then runs the steps in order.
#include "cpuinfo/profile/profile.h"

#include "cpuinfo/profile/cpuid_view.h"
#include "cpuinfo/profile/profile_steps.h"
#include "platform/machine.h"

namespace profile {

void BuildProcessorProfile(platform::Machine& machine, const ClassicNaming& classic, ProcessorProfile& out) {
    out = ProcessorProfile();
    uint32_t before = 0;
    uint32_t after = 0;
    machine.ToggleIdFlag(before, after);
    if (before == after) return;  // no CPUID: nothing can be read
    out.hasCpuid = true;

    const CpuidView cpuid(machine);
    const Signature signature = ReadIdentity(cpuid, classic, out);
    ReadFeatures(cpuid, out.features);
    ReadTopology(cpuid, signature, out);
    ReadCaches(cpuid, signature, out);
    ReadStatedClocks(cpuid, out);
    ReadHypervisor(cpuid, out);
}

void BuildProcessorProfile(const ClassicNaming& classic, ProcessorProfile& out) {
    BuildProcessorProfile(platform::CurrentMachine(), classic, out);
}

const char* CacheKindName(CacheKind kind) {
    switch (kind) {
        case CacheKind::Data: return "data";
        case CacheKind::Instruction: return "instruction";
        case CacheKind::Unified: return "unified";
        case CacheKind::Trace: return "trace";
    }
    return "unified";
}

}  // namespace profile
