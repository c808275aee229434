#include "platform/frame_pacing.h"

#include <gtest/gtest.h>

#include "support/fakes.h"

using platform::FramePacer;

TEST(FramePacingTest, SixtyFramesASecondWithoutACatchUpBurstAfterAStall) {
    fakes::Install();
    FramePacer pacer;
    pacer.Wait();
    const std::uint64_t start = fakes::now_micros;
    for (int i = 0; i < 60; ++i) {
        fakes::Advance(2000);  // the frame's own work
        pacer.Wait();
    }
    EXPECT_NEAR(double(fakes::now_micros - start), 1000000, 1000);

    // A half-second stall: the next frames are paced from now, not rushed.
    fakes::Advance(500000);
    pacer.Wait();
    const std::uint64_t after_stall = fakes::now_micros;
    pacer.Wait();
    EXPECT_GE(fakes::now_micros - after_stall, FramePacer::kPeriodMicros - 10);
    fakes::Uninstall();
}
