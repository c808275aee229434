// Time: the millisecond tick count that paces frames, the monotonic seconds of
// the game clock, calendar seconds for the random seed, and Sleep. Tests swap
// in their own clock so a 90-second game runs in milliseconds.
#pragma once
#include <cstdint>

namespace platform {

struct Clock {
    std::uint64_t (*ticks_ms)();
    std::uint64_t (*micros)();  // fine monotonic time for frame pacing
    std::int64_t (*monotonic_seconds)();
    std::int64_t (*calendar_seconds)();
    void (*sleep_micros)(std::uint64_t us);
};

// Null restores the real clock.
void SetClock(const Clock* clock);
// The clock in use: a test's, a recorded game's or the real one.
const Clock& CurrentClock();

std::uint32_t GetTickCount();
std::uint64_t Micros();
std::int64_t MonotonicSeconds();
std::int64_t CalendarSeconds();
void Sleep(std::uint32_t ms);
void SleepMicros(std::uint64_t us);

}  // namespace platform
