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

    // How long to sleep, at `now` (monotonic microseconds), until the next
    // deadline. A sleep overshoots by some tens of microseconds, far less than
    // a frame may vary; spinning through the last stretch would burn
    // processor time sixty times a second for nothing. The deadlines
    // themselves stay a period apart, so overshoots never add up.
    std::uint64_t Delay(std::uint64_t now);

    void Reset() { deadline_ = 0; }

private:
    std::uint64_t deadline_ = 0;
};

// A timedemo measures how fast frames can be drawn: then no frame waits for
// its deadline, and neither the loop's shortest frame nor the logo holds.
// Paced unless told otherwise.
void SetPaced(bool paced);
bool Paced();

}  // namespace platform
