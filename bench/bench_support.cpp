#include "bench_support.h"

#include <cstdlib>
#include <ctime>
#include <cstring>
#include <filesystem>
#include <vector>

#include "base/data_paths.h"
#include "base/fatal_report.h"
#include "graphics/catalogue.h"
#include "graphics/display.h"
#include "platform/debug_output.h"
#include "platform/message_box.h"
#include "platform/testing/test_hooks.h"
#include "platform/window.h"
#include "shell/main_loop.h"

namespace benchsupport {

namespace {
void quiet(const char*) {}
void quiet_box(const char*, const char*) {}
}  // namespace

bool OpenGame() {
    static bool opened = false;
    if (opened) return true;
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    // The window as a first run opens it, whatever settings the one who
    // measures has kept.
    setenv("XDG_CONFIG_HOME", FERROW_BUILD_DIR "/bench-config", 1);
    platform::SetDebugOutputHook(quiet);
    platform::SetMessageBoxHook(quiet_box);
    std::filesystem::current_path(FERROW_BUILD_DIR);
    platform::SetWindowedStart(true);
    hauptfenster = platform::CreateWindow("bench", nullptr, nullptr);
    if (!hauptfenster || initdirectdraw(hauptfenster) != 0) return false;
    basisordnerholen();
    datenordnersetzen("set0");
    grafikkatalog();
    opened = !programmendet;
    return opened;
}

void CopyOneFrame() {
    static std::vector<unsigned char> from(640 * 480, 7), to(640 * 480);
    std::memcpy(to.data(), from.data(), from.size());
    asm volatile("" : : "r"(to.data()) : "memory");
}

double ThreadMicros() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e6 + double(t.tv_nsec) / 1e3;
}

double MicrosPerFrameCopy() {
    constexpr int kCopies = 2000;
    for (int i = 0; i < 100; ++i) CopyOneFrame();
    const double start = ThreadMicros();
    for (int i = 0; i < kCopies; ++i) CopyOneFrame();
    return (ThreadMicros() - start) / kCopies;
}

}  // namespace benchsupport
