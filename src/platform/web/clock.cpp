#include <emscripten.h>

#include <ctime>

#include "platform/web/web_internal.h"

namespace platform::internal {
namespace {

// The page's monotonic clock, in milliseconds with a fraction.
std::uint64_t real_ticks() { return std::uint64_t(emscripten_get_now()); }
std::uint64_t real_micros() { return std::uint64_t(emscripten_get_now() * 1000.0); }
std::int64_t real_monotonic_seconds() { return std::int64_t(emscripten_get_now() / 1000.0); }
std::int64_t real_calendar_seconds() { return std::int64_t(std::time(nullptr)); }

bool g_slept = false;

// Every wait hands the page its turn: events, drawing and sound go on while
// the game sleeps. The browser's timers count whole milliseconds; rounding
// up keeps a wait from ending early.
void real_sleep(std::uint64_t us) {
    g_slept = true;
    emscripten_sleep(unsigned((us + 999) / 1000));
}

const Clock kRealClock = {real_ticks, real_micros, real_monotonic_seconds, real_calendar_seconds, real_sleep};

}  // namespace

const Clock& RealClock() { return kRealClock; }

void HandOverIfNotSlept() {
    if (!g_slept) emscripten_sleep(0);
    g_slept = false;
}

}  // namespace platform::internal
