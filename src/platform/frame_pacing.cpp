#include "platform/frame_pacing.h"

#include "platform/clock.h"

namespace platform {
namespace {
bool g_paced = true;
}  // namespace

void SetPaced(bool paced) { g_paced = paced; }
bool Paced() { return g_paced; }

void FramePacer::Wait() {
    if (!g_paced) return;
    std::uint64_t now = Micros();
    if (deadline_ == 0 || now > deadline_ + kResetMicros) {
        deadline_ = now + kPeriodMicros;
        return;
    }
    if (now < deadline_) SleepMicros(deadline_ - now);
    deadline_ += kPeriodMicros;
}

}  // namespace platform
