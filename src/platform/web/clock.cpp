#include "platform/clock.h"

#include <emscripten.h>

#include <ctime>

namespace platform {
namespace {

// The page's monotonic clock, in milliseconds with a fraction.
std::uint64_t real_ticks() { return std::uint64_t(emscripten_get_now()); }
std::uint64_t real_micros() { return std::uint64_t(emscripten_get_now() * 1000.0); }
std::int64_t real_monotonic_seconds() { return std::int64_t(emscripten_get_now() / 1000.0); }
std::int64_t real_calendar_seconds() { return std::int64_t(std::time(nullptr)); }

// Every wait hands the page its turn: events, drawing and sound go on while
// the game sleeps. The browser's timers count whole milliseconds; rounding
// up keeps a wait from ending early.
void real_sleep(std::uint64_t us) { emscripten_sleep(unsigned((us + 999) / 1000)); }

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
