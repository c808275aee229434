#include <SDL.h>

#include <chrono>
#include <ctime>
#include <thread>

#include "platform/sdl/sdl_internal.h"

namespace platform::internal {
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

}  // namespace

const Clock& RealClock() { return kRealClock; }

}  // namespace platform::internal
