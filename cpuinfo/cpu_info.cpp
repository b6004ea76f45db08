// The detection driver: the constructor runs every step in its fixed order with the thread pinned to
// the requested processors, and restores the thread's affinity afterwards.
#include "cpuinfo/cpu_info.h"

#include "cpuinfo/msr.h"
#include "platform/machine.h"

CCpuInfo::CCpuInfo(uint32_t affinityMask, uint32_t clockOption)
    : CCpuInfo(platform::NativeMachine(), affinityMask, clockOption) {}

CCpuInfo::CCpuInfo(platform::Machine& machine, uint32_t affinityMask, uint32_t clockOption) : MachineInUse(&machine) {
    // The one field the record initialisation leaves alone.
    RescaleByMultiplier = 0;
    Detect(affinityMask, clockOption);
}

void CCpuInfo::Detect(uint32_t affinityMask, uint32_t clockOption) {
    platform::Machine& machine = *MachineInUse;
    machine.BeginDetection();

    AffinityMask = affinityMask;
    uint32_t maskToRestore = affinityMask;
    if (machine.IsNtPlatform()) maskToRestore = machine.SetThreadAffinityMask(AffinityMask);

    InitRecord();

    if (TestCpuid()) {
        DecodeCpuid();
        IdentifyCaches();
        if (MaxExtLeaf >= 0x80000004u) ReadBrandString();
        if (VendorId == Vendor::Amd && MaxExtLeaf >= 0x80000007u) HasPowerNow = TestPowerNow();
        if (VendorId == Vendor::Transmeta) ReadTransmetaInfo();
        NameProcessor();
        if (HasTsc) CoreClock = MeasureClock(clockOption);
        if (HasMsr) {
            UpdateMultiplierAndBus();
            NameProcessor();  // the second pass sees the platform identifier, multiplier and bus clock
        }
    }

    if (machine.IsNtPlatform()) machine.SetThreadAffinityMask(maskToRestore);
}

int32_t CCpuInfo::TestCpuid() {
    uint32_t before = 0;
    uint32_t after = 0;
    MachineInUse->ToggleIdFlag(before, after);
    CpuidSupported = (before != after) ? 1 : 0;
    return CpuidSupported;
}

int32_t CCpuInfo::QueryMsr(uint32_t index, uint32_t* low, uint32_t* high) {
    return ReadMsrFrom(*MachineInUse, index, low, high);
}

int32_t IsNtPlatform() { return platform::NativeMachine().IsNtPlatform() ? 1 : 0; }

int32_t IsWow64() { return platform::NativeMachine().IsWow64() ? 1 : 0; }
