// The core clock: time-stamp-counter cycles over one wait, timed by three platform timers at once
// (performance counter "QPC", multimedia timer "MMT", tick count "WT"); the method code picks the
// wait length, the warm-up and which timer's figure is returned.
#include "cpuinfo/cpu_info.h"
#include "cpuinfo/rule_tables.h"
#include "cpuinfo/rules.h"
#include "cpuinfo/text.h"
#include "platform/machine.h"

namespace {

enum class Figure { Qpc, Mmt, Wt };

struct ClockMethod {
    uint32_t key;
    bool warmUp;          // when the clock may drop while idle
    uint32_t waitMs;
    Figure figure;
    const char* name;     // null: ClockMethodName stays as it is
};

// Methods 0 to 4; every other code (9 aside) measures like method 1.
constexpr ClockMethod kClockMethods[] = {
    {0, true, 500, Figure::Mmt, nullptr},
    {1, true, 1000, Figure::Wt, "WT"},
    {2, true, 1000, Figure::Mmt, "MMT"},
    {3, true, 100, Figure::Qpc, "QPC"},
    {4, false, 100, Figure::Qpc, "QPC"},
};
constexpr uint32_t kNoMeasurement = 9;

// Cycles per second in MHz; an interval of zero (no tick, a zero counter frequency) gives 0.0 rather
// than a division by zero.
double Megahertz(int64_t cycles, double seconds) {
    if (!(seconds > 0.0)) return 0.0;
    return static_cast<double>(cycles) / seconds * 1e-6;
}

}  // namespace

double CCpuInfo::MeasureClock(uint32_t method) {
    if (method == kNoMeasurement) return 0.0;
    const ClockMethod* chosen = FindByKey(kClockMethods, method);
    if (!chosen) chosen = &kClockMethods[1];

    platform::Machine& machine = *MachineInUse;
    if (VariableClock && chosen->warmUp) {
        // Keep the processor busy for one second, without yielding, so it runs at full clock.
        const uint32_t start = machine.GetTickCount();
        while (static_cast<uint32_t>(machine.GetTickCount() - start) < 1000) {
        }
    }

    // Start readings, strictly in this order.
    const uint64_t tscStart = machine.ReadTsc();
    const int64_t qpcA = machine.QueryPerformanceCounter();
    const int64_t qpcB = machine.QueryPerformanceCounter();
    const uint32_t mmtStart = machine.TimeGetTime();
    const uint32_t wtStart = machine.GetTickCount();
    const uint32_t loopAnchor = machine.GetTickCount();

    while (static_cast<uint32_t>(machine.GetTickCount() - loopAnchor) < chosen->waitMs) machine.SleepZero();

    // End readings, strictly in this order.
    const uint64_t tscEnd = machine.ReadTsc();
    const uint32_t mmtEnd = machine.TimeGetTime();
    const uint32_t wtEnd = machine.GetTickCount();
    const int64_t qpcC = machine.QueryPerformanceCounter();
    const int64_t frequency = machine.QueryPerformanceFrequency();

    // The back-to-back difference B - A is the cost of one counter read, taken off the interval once.
    // Unsigned arithmetic keeps a wild counter from overflowing; the result is read back as signed.
    const int64_t qpcTicks = static_cast<int64_t>(static_cast<uint64_t>(qpcC) - static_cast<uint64_t>(qpcB) -
                                                  (static_cast<uint64_t>(qpcB) - static_cast<uint64_t>(qpcA)));
    const double qpcSeconds = frequency != 0 ? static_cast<double>(qpcTicks) / static_cast<double>(frequency) : 0.0;
    const double mmtSeconds = static_cast<uint32_t>(mmtEnd - mmtStart) * 0.001;
    const double wtSeconds = static_cast<uint32_t>(wtEnd - wtStart) * 0.001;
    const int64_t cycles = static_cast<int64_t>(tscEnd - tscStart);

    const double qpcMhz = Megahertz(cycles, qpcSeconds);
    const double mmtMhz = Megahertz(cycles, mmtSeconds);
    const double wtMhz = Megahertz(cycles, wtSeconds);

    if (chosen->name) CopyText(ClockMethodName, chosen->name);
    switch (chosen->figure) {
        case Figure::Qpc: return qpcMhz;
        case Figure::Mmt: return mmtMhz;
        case Figure::Wt: break;
    }
    return wtMhz;
}

const RuleTableList& ClockMethodTables() {
    static constexpr RuleTable kTables[] = {CPUINFO_KEY_TABLE(kClockMethods)};
    static constexpr RuleTableList kList = CPUINFO_RULE_TABLE_LIST(kTables);
    return kList;
}
