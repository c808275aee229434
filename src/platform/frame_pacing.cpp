#include "platform/frame_pacing.h"

#include "platform/clock.h"

namespace platform {

void FramePacer::Wait() {
    std::uint64_t now = Micros();
    if (deadline_ == 0 || now > deadline_ + kResetMicros) {
        deadline_ = now + kPeriodMicros;
        return;
    }
    if (now + 1000 < deadline_) Sleep(std::uint32_t((deadline_ - now - 1000) / 1000));
    while (Micros() < deadline_) {
    }
    deadline_ += kPeriodMicros;
}

}  // namespace platform
