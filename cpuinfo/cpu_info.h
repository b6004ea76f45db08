// CCpuInfo: identifies the processor in its constructor and keeps every result in one flat record,
// read back as text through GetInfo. The object owns no heap memory and no handles; it is meant to
// live on the stack of the program that asks. Every contact with the processor and the operating
// system goes through the machine the object was constructed with, so that two objects on two
// threads can identify two machines at once.
#pragma once

#include <cstddef>
#include <cstdint>

#include "cpuinfo/info_items.h"
#include "cpuinfo/record_fields.h"

namespace platform {
class Machine;
}

class CCpuInfo {
public:
    // Identifies the processor of this computer (the native machine).
    CCpuInfo(uint32_t affinityMask, uint32_t clockOption);
    // Identifies the processor of the given machine, e.g. a simulated one. The machine must outlive
    // the object: the items that measure again ask it too.
    CCpuInfo(platform::Machine& machine, uint32_t affinityMask, uint32_t clockOption);
    ~CCpuInfo() = default;

    // Clears the buffer, then writes the item's text. Returns 0 for a known item code, -1 otherwise.
    // The buffer must hold 65 characters; no item is longer.
    int32_t GetInfo(int32_t item, char* buffer);
    // The same into a buffer of size bytes: the text is cut to size - 1 characters and terminated,
    // and nothing is written at all when size is 0 (or buffer is null). At most 65 bytes are
    // written whatever the size. An item's work (a new clock measurement) is done whatever the size.
    int32_t GetInfo(int32_t item, char* buffer, size_t size);

    // The record, in its declared order (see record_fields.h). The fields are public so that
    // reports and tests can see them; detection writes them only through the members below.
#define CPUINFO_DECLARE_I32(name, init) RecordI32<decltype(init)> name;
#define CPUINFO_DECLARE_U32(name, init) uint32_t name;
#define CPUINFO_DECLARE_F64(name, init) double name;
#define CPUINFO_DECLARE_TEXT(name, size) char name[size];
    CPUINFO_RECORD_FIELDS(CPUINFO_DECLARE_I32, CPUINFO_DECLARE_U32, CPUINFO_DECLARE_F64, CPUINFO_DECLARE_TEXT)
#undef CPUINFO_DECLARE_I32
#undef CPUINFO_DECLARE_U32
#undef CPUINFO_DECLARE_F64
#undef CPUINFO_DECLARE_TEXT

    // The machine this record is detected on; not part of the record. Public like the record, so
    // that the object keeps one access level throughout.
    platform::Machine* MachineInUse;

    // CPUID (leaf in EAX, 0 in ECX) and a model-specific register read on this record's machine, with
    // the contracts of the free Cpuid (below) and of ReadMSR (msr.h).
    void QueryCpuid(uint32_t leaf, uint32_t* eax, uint32_t* ebx, uint32_t* ecx, uint32_t* edx);
    int32_t QueryMsr(uint32_t index, uint32_t* low, uint32_t* high);

    // Detection driver and its steps, in the order the driver runs them.
    void Detect(uint32_t affinityMask, uint32_t clockOption);
    void InitRecord();
    int32_t TestCpuid();

    // CPUID decoding (cpuid/).
    int32_t DecodeCpuid();
    void IdentifyCaches();
    void ReadBrandString();
    int32_t TestPowerNow();
    void ReadTransmetaInfo();

    // Naming (naming/).
    void NameProcessor();
    void SetRevisionInfo(double dieSize, double transistorCount, const char* revision);
    void NameIntel();
    void IdentifyIntelRevision();
    void NameAmd();
    void IdentifyAmdRevision();
    void NameAmdFamily15();
    void FormatAmdModelNumber();
    void IdentifyAmdSocket();
    void NameTransmeta();
    void NameViaCentaur();
    void IdentifyViaRevision();
    void NameOtherVendor();

    // Clock, multiplier and bus (clock/).
    double MeasureClock(uint32_t method);
    void UpdateMultiplierAndBus();
    void SetL2SpeedRatio();
    void DetectRescaleNeed();
    void ApplyMultiplierRescale();
    double GetAuxFigure();
    void DecodeMultiplierAndBus();
    double RatedClockFromBrand();
    double MaxMultiplierFromBrand(BusCode busCode);
};

// CPUID with the leaf in EAX and 0 in ECX, on this computer's processor.
void Cpuid(uint32_t leaf, uint32_t* eax, uint32_t* ebx, uint32_t* ecx, uint32_t* edx);

// 1 when the operating system belongs to the NT family.
int32_t IsNtPlatform();

// Non-zero when this is a 32-bit process on a 64-bit system.
int32_t IsWow64();
