#include "platform/frame_pacing.h"

#include "platform/clock.h"

namespace platform {

void FramePacer::Wait() {
    std::uint64_t now = Micros();
    if (deadline_ == 0 || now > deadline_ + kResetMicros) {
        deadline_ = now + kPeriodMicros;
        return;
    }
    if (now < deadline_) SleepMicros(deadline_ - now);
    deadline_ += kPeriodMicros;
}

}  // namespace platform
