// CCpuInfo: identifies the processor in its constructor and keeps every result in one flat record,
// read back as text through GetInfo. The object owns no heap memory and no handles; it is meant to
// live on the stack of the program that asks.
#pragma once

#include <cstddef>
#include <cstdint>

#include "cpuinfo/info_items.h"
#include "cpuinfo/record_fields.h"

class CCpuInfo {
public:
    CCpuInfo(uint32_t affinityMask, uint32_t clockOption);
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
#define CPUINFO_DECLARE_I32(name, init) int32_t name;
#define CPUINFO_DECLARE_U32(name, init) uint32_t name;
#define CPUINFO_DECLARE_F64(name, init) double name;
#define CPUINFO_DECLARE_TEXT(name, size) char name[size];
    CPUINFO_RECORD_FIELDS(CPUINFO_DECLARE_I32, CPUINFO_DECLARE_U32, CPUINFO_DECLARE_F64, CPUINFO_DECLARE_TEXT)
#undef CPUINFO_DECLARE_I32
#undef CPUINFO_DECLARE_U32
#undef CPUINFO_DECLARE_F64
#undef CPUINFO_DECLARE_TEXT

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
    double MaxMultiplierFromBrand(int32_t busCode);
};

// CPUID with the leaf in EAX and 0 in ECX, through the current machine.
void Cpuid(uint32_t leaf, uint32_t* eax, uint32_t* ebx, uint32_t* ecx, uint32_t* edx);

// 1 when the operating system belongs to the NT family.
int32_t IsNtPlatform();

// Non-zero when this is a 32-bit process on a 64-bit system.
int32_t IsWow64();
