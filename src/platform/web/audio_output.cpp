#include <emscripten.h>

#include "platform/web/web_internal.h"

namespace platform::internal {
namespace {

// Frames the page asks for at a time: about 46 ms at 44.1 kHz, enough to
// cover a frame of the game and the page's own work between two pulls.
constexpr int kFrames = 2048;
constexpr int kChannels = 2;

bool g_open = false;
bool g_paused = true;
void (*g_fill)(void*, std::int16_t*, std::size_t) = nullptr;
void* g_user = nullptr;
std::int16_t g_buffer[kFrames * kChannels];

}  // namespace

// The page's sound output runs on the game's own thread, between its waits:
// no fill can run while the game changes a slot, so the lock has nothing to do.
bool OpenAudioOutput(void (*fill)(void*, std::int16_t*, std::size_t), void* user, bool silent, int* rate,
                     int* channels) {
    if (g_open) return false;
    g_fill = fill;
    g_user = user;
    // Silent: the slots work as ever, and nothing pulls from them.
    const int got = silent ? 44100 : ferrow_audio_open(kChannels, g_buffer, kFrames);
    if (got <= 0) return false;
    g_open = true;
    g_paused = true;
    ferrow_audio_pause(1);
    *rate = got;
    *channels = kChannels;
    return true;
}

void CloseAudioOutput() {
    if (!g_open) return;
    ferrow_audio_close();
    g_open = false;
}

void PauseAudioOutput(bool paused) {
    if (!g_open) return;
    g_paused = paused;
    ferrow_audio_pause(paused ? 1 : 0);
}

bool AudioOutputPaused() { return g_open && g_paused; }

void LockAudioOutput() {}
void UnlockAudioOutput() {}

}  // namespace platform::internal

// The page pulls the mixed frames from here.
extern "C" EMSCRIPTEN_KEEPALIVE void ferrow_audio_fill(std::int16_t* out, int frames) {
    using namespace platform::internal;
    if (g_open && g_fill && frames > 0 && frames <= kFrames) g_fill(g_user, out, std::size_t(frames));
}
