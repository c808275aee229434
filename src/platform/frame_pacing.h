// Paces frames to 60 per second on any display: the game's speeds are per
// frame, so the rate must not follow the monitor's refresh rate.
#pragma once
#include <cstdint>

namespace platform {

class FramePacer {
public:
    static constexpr std::uint64_t kPeriodMicros = 1000000 / 60;
    // After a stall longer than this the deadline starts afresh, so the game
    // does not race through a burst of catch-up frames.
    static constexpr std::uint64_t kResetMicros = 100000;

    // A sleep overshoots by some tens of microseconds; the last stretch
    // before the deadline is spun instead. Kept short: every microsecond spun
    // is processor time the game burns sixty times a second.
    static constexpr std::uint64_t kSpinMicros = 100;

    // Waits until the next deadline: sleeps for the bulk of it and spins only
    // through the last hundred microseconds.
    void Wait();

    void Reset() { deadline_ = 0; }

private:
    std::uint64_t deadline_ = 0;
};

}  // namespace platform
