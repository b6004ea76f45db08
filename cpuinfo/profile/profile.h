// The processor profile: what CPUID says about any x86 processor of any year - identity (vendor, brand,
// signature, microarchitecture, code name, process), topology, caches, instruction-set features, the
// clocks the processor states and the hypervisor it runs under. It lives beside the CCpuInfo record and
// leaves it alone; it reads CPUID only through a machine, keeps everything in fixed-size storage and
// allocates nothing.
#pragma once

#include <cstddef>
#include <cstdint>

#include "cpuinfo/profile/features.h"

namespace platform {
class Machine;
}

namespace profile {

// Marks a number the processor does not state.
constexpr int32_t kUnknown = -1;

enum class CacheKind : uint8_t { Data, Instruction, Unified, Trace };

struct Cache {
    uint8_t level = 0;
    CacheKind kind = CacheKind::Unified;
    uint32_t sizeKib = 0;         // for a trace cache: thousands of micro-operations
    int32_t ways = kUnknown;      // a fully associative cache counts one way per line
    int32_t lineBytes = kUnknown;
    int32_t sharedBy = kUnknown;  // logical processors sharing it (at most, where CPUID gives a bound)
};

constexpr size_t kMaxCaches = 8;

struct ProcessorProfile {
    bool hasCpuid = false;

    // Identity.
    char vendorString[13] = "";       // the twelve characters of leaf 0
    char vendor[16] = "";             // the maker's short name ("Intel", "AMD", "VIA", ...)
    char brand[49] = "";              // the brand string without its padding
    int32_t family = kUnknown;        // display family, model and stepping
    int32_t model = kUnknown;
    int32_t stepping = kUnknown;
    char microarchitecture[40] = "";
    char codeName[48] = "";           // empty when no public code name is known
    char process[24] = "";

    // Topology. Cores and threads count one package; packages come from the operating system's
    // processor count and are unknown when that does not divide evenly.
    int32_t packages = kUnknown;
    int32_t cores = kUnknown;
    int32_t threads = kUnknown;
    int32_t threadsPerCore = kUnknown;
    bool hybrid = false;  // cores of more than one kind: one processor's CPUID cannot count them

    Cache caches[kMaxCaches];
    size_t cacheCount = 0;

    FeatureSet features;

    // Clocks the processor states (leaf 0x16) and the nominal time-stamp counter rate (leaf 0x15).
    int32_t baseMhz = kUnknown;
    int32_t maxMhz = kUnknown;
    int32_t busMhz = kUnknown;
    double counterMhz = -1.0;

    // Hypervisor: present when leaf 1 says so; its name from leaf 0x40000000 when known, otherwise
    // the printable part of its signature.
    bool underHypervisor = false;
    char hypervisor[24] = "";
};

// What the classic naming tables found for this processor (the record's code name and process text),
// used for the processors those tables were written for.
struct ClassicNaming {
    const char* codeName = "";
    const char* process = "";  // micrometres, as the classic tables write it ("0.13")
};

// Builds the profile of the processor the machine describes. The host's processor count comes from
// the same machine.
void BuildProcessorProfile(platform::Machine& machine, const ClassicNaming& classic, ProcessorProfile& out);

// The same for the current machine.
void BuildProcessorProfile(const ClassicNaming& classic, ProcessorProfile& out);

// "data", "instruction", "unified", "trace".
const char* CacheKindName(CacheKind kind);

}  // namespace profile
