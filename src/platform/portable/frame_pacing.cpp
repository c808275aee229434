#include "platform/portable/frame_pacing.h"

namespace platform {
namespace {
bool g_paced = true;
}  // namespace

void SetPaced(bool paced) { g_paced = paced; }
bool Paced() { return g_paced; }

std::uint64_t FramePacer::Delay(std::uint64_t now) {
    if (!g_paced) return 0;
    if (deadline_ == 0 || now > deadline_ + kResetMicros) {
        deadline_ = now + kPeriodMicros;
        return 0;
    }
    const std::uint64_t delay = now < deadline_ ? deadline_ - now : 0;
    deadline_ += kPeriodMicros;
    return delay;
}

}  // namespace platform
