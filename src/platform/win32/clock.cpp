#include <ctime>

#include "platform/win32/win32_internal.h"

namespace platform::internal {
namespace {

std::uint64_t counts_per_second() {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return std::uint64_t(f.QuadPart);
}
const std::uint64_t g_frequency = counts_per_second();

std::uint64_t counts() {
    LARGE_INTEGER c;
    QueryPerformanceCounter(&c);
    return std::uint64_t(c.QuadPart);
}

// In two steps, so that a counter of ten million a second does not overflow
// when multiplied by a million.
std::uint64_t real_micros() {
    const std::uint64_t c = counts();
    return c / g_frequency * 1000000 + c % g_frequency * 1000000 / g_frequency;
}

// Not GetTickCount64: it moves in steps of the system's tick (15.6 ms, and
// Wine's likewise), and the main loop's five milliseconds would then spin
// until the next step, through most of every frame.
std::uint64_t real_ticks() { return real_micros() / 1000; }

std::int64_t real_monotonic_seconds() { return std::int64_t(counts() / g_frequency); }

std::int64_t real_calendar_seconds() { return std::int64_t(std::time(nullptr)); }

// A timer that wakes to the tenth of a millisecond where Windows has one
// (Windows 10 since 2018); Sleep's whole milliseconds otherwise.
HANDLE fine_timer() {
    constexpr DWORD kHighResolution = 0x00000002;  // CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
    return CreateWaitableTimerExW(nullptr, nullptr, kHighResolution, TIMER_ALL_ACCESS);
}

// The wait sleeps; only a rest below a millisecond that Sleep cannot time is
// spun out, so that frames keep their pace without burning the processor.
void real_sleep(std::uint64_t us) {
    const std::uint64_t end = real_micros() + us;
    static const HANDLE timer = fine_timer();
    if (timer) {
        LARGE_INTEGER due;
        due.QuadPart = -LONGLONG(us * 10);  // relative, in 100 ns
        if (SetWaitableTimer(timer, &due, 0, nullptr, nullptr, FALSE)) {
            WaitForSingleObject(timer, INFINITE);
            return;
        }
    }
    if (us >= 1000) Sleep(DWORD(us / 1000));
    while (real_micros() < end) YieldProcessor();
}

const Clock kRealClock = {real_ticks, real_micros, real_monotonic_seconds, real_calendar_seconds, real_sleep};

}  // namespace

const Clock& RealClock() { return kRealClock; }

}  // namespace platform::internal
