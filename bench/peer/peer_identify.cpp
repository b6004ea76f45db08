#include "bench/peer/peer_identify.h"

#include <libcpuid.h>

namespace peer {
namespace {

void IgnoreWarning(const char*) {}

}  // namespace

struct RecordedProcessor {
    cpu_raw_data_t raw{};
    cpu_id_t id{};
};

RecordedProcessor* Load(const char* path) {
    // The dumps carry the peer's own decoding after the registers, which its reader warns about.
    cpuid_set_warn_function(IgnoreWarning);
    auto* processor = new RecordedProcessor;
    if (cpuid_deserialize_raw_data(&processor->raw, path) != 0 || processor->raw.basic_cpuid[0][0] == 0) {
        delete processor;
        return nullptr;
    }
    return processor;
}

RecordedProcessor* FromLeaves(const Leaf* leaves, unsigned count) {
    // Only the basic and extended leaves (sub-leaf 0) are handed over: given the sub-leaves of leaf 4
    // in its deterministic-cache array, libcpuid 0.6.2's cpu_identify overran its stack on a Core 2 dump.
    auto* processor = new RecordedProcessor;
    cpu_raw_data_t& raw = processor->raw;
    for (unsigned i = 0; i < count; ++i) {
        const Leaf& given = leaves[i];
        uint32_t* target = nullptr;
        if (given.subleaf != 0) continue;
        if (given.leaf < MAX_CPUID_LEVEL)
            target = raw.basic_cpuid[given.leaf];
        else if (given.leaf >= 0x80000000u && given.leaf - 0x80000000u < MAX_EXT_CPUID_LEVEL)
            target = raw.ext_cpuid[given.leaf - 0x80000000u];
        if (!target) continue;
        for (int r = 0; r < 4; ++r) target[r] = given.regs[r];
    }
    return processor;
}

void Release(RecordedProcessor* processor) { delete processor; }

int Identify(RecordedProcessor* processor) { return cpu_identify(&processor->raw, &processor->id); }

}  // namespace peer
