#include "platform/clock.h"

#include "platform/internal.h"

namespace platform {
namespace {
const Clock* g_clock = nullptr;
const Clock& clock() { return g_clock ? *g_clock : internal::RealClock(); }
}  // namespace

void SetClock(const Clock* clock) { g_clock = clock; }
const Clock& CurrentClock() { return clock(); }

std::uint32_t GetTickCount() { return std::uint32_t(clock().ticks_ms()); }
std::uint64_t Micros() { return clock().micros(); }
std::int64_t MonotonicSeconds() { return clock().monotonic_seconds(); }
std::int64_t CalendarSeconds() { return clock().calendar_seconds(); }
void Sleep(std::uint32_t ms) { clock().sleep_micros(std::uint64_t(ms) * 1000); }
void SleepMicros(std::uint64_t us) { clock().sleep_micros(us); }

}  // namespace platform
