#include "platform/sdl/sdl_internal.h"

namespace platform::internal {
namespace {

SDL_AudioDeviceID g_device = 0;
void (*g_fill)(void*, std::int16_t*, std::size_t) = nullptr;
void* g_user = nullptr;
int g_channels = 2;

void SDLCALL pull(void*, Uint8* stream, int len) {
    const int frame = int(sizeof(std::int16_t)) * g_channels;
    g_fill(g_user, reinterpret_cast<std::int16_t*>(stream), std::size_t(len / frame));
}

}  // namespace

bool OpenAudioOutput(void (*fill)(void*, std::int16_t*, std::size_t), void* user, bool silent, int* rate,
                     int* channels) {
    if (g_device) return false;
    // Over whatever SDL_AUDIODRIVER names; without it, that choice holds again.
    if (silent) SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
    else SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    SDL_AudioSpec want{}, got{};
    want.freq = 44100;
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    // About 23 ms: a shot is heard with the frame that fired it.
    want.samples = 1024;
    want.callback = pull;
    g_fill = fill;
    g_user = user;
    // The mixer adds 16-bit stereo; SDL turns that into whatever the card
    // wants, but the rate may be the card's own, for less resampling.
    g_device = SDL_OpenAudioDevice(nullptr, 0, &want, &got, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE);
    if (g_device == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    g_channels = got.channels;
    *rate = got.freq;
    *channels = got.channels;
    return true;
}

void CloseAudioOutput() {
    if (!g_device) return;
    SDL_CloseAudioDevice(g_device);
    g_device = 0;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void PauseAudioOutput(bool paused) {
    if (g_device) SDL_PauseAudioDevice(g_device, paused ? 1 : 0);
}

bool AudioOutputPaused() { return g_device && SDL_GetAudioDeviceStatus(g_device) == SDL_AUDIO_PAUSED; }

void LockAudioOutput() {
    if (g_device) SDL_LockAudioDevice(g_device);
}

void UnlockAudioOutput() {
    if (g_device) SDL_UnlockAudioDevice(g_device);
}

}  // namespace platform::internal
