#include "platform/clock.h"

#include <SDL.h>

#include <chrono>
#include <ctime>
#include <thread>

namespace platform {
namespace {

std::uint64_t real_ticks() { return SDL_GetTicks64(); }

std::uint64_t real_micros() {
    using namespace std::chrono;
    return std::uint64_t(duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count());
}

std::int64_t real_monotonic_seconds() {
    using namespace std::chrono;
    return duration_cast<seconds>(steady_clock::now().time_since_epoch()).count();
}

std::int64_t real_calendar_seconds() { return std::int64_t(std::time(nullptr)); }

void real_sleep(std::uint64_t us) { std::this_thread::sleep_for(std::chrono::microseconds(us)); }

const Clock kRealClock = {real_ticks, real_micros, real_monotonic_seconds, real_calendar_seconds, real_sleep};
const Clock* g_clock = &kRealClock;

}  // namespace

void SetClock(const Clock* clock) { g_clock = clock ? clock : &kRealClock; }

std::uint32_t GetTickCount() { return std::uint32_t(g_clock->ticks_ms()); }
std::uint64_t Micros() { return g_clock->micros(); }
std::int64_t MonotonicSeconds() { return g_clock->monotonic_seconds(); }
std::int64_t CalendarSeconds() { return g_clock->calendar_seconds(); }
void Sleep(std::uint32_t ms) { g_clock->sleep_micros(std::uint64_t(ms) * 1000); }
void SleepMicros(std::uint64_t us) { g_clock->sleep_micros(us); }

}  // namespace platform
