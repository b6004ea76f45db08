// The native Windows timers the clock measurement reads (built only for Windows): the tick count and
// the multimedia timer advance with the performance counter. The clock methods compare these timers
// with each other, so one running at another rate would skew every measured clock.
#include <gtest/gtest.h>

#include <cstdint>

#include "platform/machine.h"

using platform::Machine;

namespace {

// Millisecond timers move in steps of the system tick, at most about 15.6 ms by default.
constexpr int64_t kTimerStepMs = 16;
// How far the tick count is watched; long enough for several steps, short enough for a test.
constexpr uint32_t kWatchMs = 64;

// A millisecond-timer reading between two performance-counter readings: the true moment of the
// reading lies between them, however the thread was scheduled.
struct Bracketed {
    int64_t before;
    uint32_t value;
    int64_t after;
};

Bracketed Read(Machine& machine, uint32_t (Machine::*timer)()) {
    Bracketed reading{};
    reading.before = machine.QueryPerformanceCounter();
    reading.value = (machine.*timer)();
    reading.after = machine.QueryPerformanceCounter();
    return reading;
}

struct TimerCase {
    const char* name;
    uint32_t (Machine::*timer)();
};

TEST(NativeTimers, MillisecondTimersAdvanceWithThePerformanceCounter) {
    Machine& machine = platform::NativeMachine();
    const int64_t frequency = machine.QueryPerformanceFrequency();
    ASSERT_GT(frequency, 0);
    const TimerCase timers[] = {
        {"GetTickCount", &Machine::GetTickCount},
        {"timeGetTime", &Machine::TimeGetTime},
    };
    for (const TimerCase& timer : timers) {
        const Bracketed start = Read(machine, timer.timer);
        const int64_t deadline = start.after + 10 * frequency;  // a stuck timer fails instead of hanging
        Bracketed end = start;
        while (static_cast<uint32_t>(end.value - start.value) < kWatchMs) {
            machine.SleepZero();
            end = Read(machine, timer.timer);
            ASSERT_LT(end.after, deadline) << timer.name << " stopped advancing";
        }
        ASSERT_GE(end.before, start.after) << "the performance counter went backwards";

        // Unsigned difference: correct across a wrap of the 32-bit counter.
        const int64_t elapsedMs = static_cast<uint32_t>(end.value - start.value);
        const int64_t shortestMs = (end.before - start.after) * 1000 / frequency;
        const int64_t longestMs = (end.after - start.before) * 1000 / frequency + 1;
        EXPECT_GE(elapsedMs + kTimerStepMs, shortestMs) << timer.name << " runs slow";
        EXPECT_LE(elapsedMs, longestMs + kTimerStepMs) << timer.name << " runs fast";
    }
}

}  // namespace
