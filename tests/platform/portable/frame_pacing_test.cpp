#include "platform/portable/frame_pacing.h"

#include <gtest/gtest.h>

using platform::FramePacer;

namespace {
// Time as the frames see it: each frame's own work, then the pacer's sleep.
struct PacedTime {
    FramePacer pacer;
    std::uint64_t now = 1000000;
    void Wait() { now += pacer.Delay(now); }
};
}  // namespace

TEST(FramePacingTest, SixtyFramesASecondWithoutACatchUpBurstAfterAStall) {
    PacedTime time;
    time.Wait();
    const std::uint64_t start = time.now;
    for (int i = 0; i < 60; ++i) {
        time.now += 2000;  // the frame's own work
        time.Wait();
    }
    EXPECT_NEAR(double(time.now - start), 1000000, 1000);

    // A half-second stall: the next frames are paced from now, not rushed.
    time.now += 500000;
    time.Wait();
    const std::uint64_t after_stall = time.now;
    time.Wait();
    EXPECT_GE(time.now - after_stall, FramePacer::kPeriodMicros - 10);
}
