// Clock measurement on this machine: each method's figure against a reference time-stamp-counter rate.
// The reference is the hypervisor's frequency leaf (0x40000010) or CPUID leaf 0x15 where present, else a
// ten-second count against CLOCK_MONOTONIC_RAW. Counters: mhz, reference_mhz, error_percent.
#include <benchmark/benchmark.h>

#include <time.h>

#include <cmath>
#include <cstdio>
#include <cstring>

#include "cpuinfo/cpu_info.h"
#include "platform/machine.h"

namespace {

struct Reference {
    double mhz = 0.0;
    const char* source = "";
};

double MonotonicRawSeconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC_RAW, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

Reference FindReference() {
    platform::Machine& machine = platform::NativeMachine();
    const platform::CpuidRegs hypervisor = machine.Cpuid(0x40000000, 0);
    if (hypervisor.eax >= 0x40000010) {
        const platform::CpuidRegs frequency = machine.Cpuid(0x40000010, 0);
        if (frequency.eax != 0) return Reference{frequency.eax / 1000.0, "hypervisor leaf 0x40000010"};
    }
    if (machine.Cpuid(0, 0).eax >= 0x15) {
        const platform::CpuidRegs tsc = machine.Cpuid(0x15, 0);
        if (tsc.eax != 0 && tsc.ebx != 0 && tsc.ecx != 0)
            return Reference{static_cast<double>(tsc.ecx) * tsc.ebx / tsc.eax / 1e6, "CPUID leaf 0x15"};
    }
    const double start = MonotonicRawSeconds();
    const uint64_t tscStart = machine.ReadTsc();
    double now = start;
    while (now - start < 10.0) now = MonotonicRawSeconds();
    const uint64_t tscEnd = machine.ReadTsc();
    return Reference{static_cast<double>(tscEnd - tscStart) / (now - start) / 1e6,
                     "10-second count against CLOCK_MONOTONIC_RAW"};
}

const Reference& TheReference() {
    static const Reference reference = FindReference();
    return reference;
}

void MeasureWithMethod(benchmark::State& state) {
    const uint32_t method = static_cast<uint32_t>(state.range(0));
    const Reference& reference = TheReference();
    CCpuInfo cpu(0x1, 9);  // construction without measuring; the method is measured below
    double mhz = 0.0;
    for (auto _ : state) {
        mhz = cpu.MeasureClock(method);
        benchmark::DoNotOptimize(mhz);
    }
    state.counters["mhz"] = mhz;
    state.counters["reference_mhz"] = reference.mhz;
    state.counters["error_percent"] = (mhz / reference.mhz - 1.0) * 100.0;
    state.SetLabel(reference.source);
}

}  // namespace

BENCHMARK(MeasureWithMethod)->DenseRange(0, 4)->Iterations(3)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
