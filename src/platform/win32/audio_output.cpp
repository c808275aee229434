// Sound through waveOut: a thread of ours refills each buffer the device has
// played with the mixer's next frames. waveOut is on every Windows and in
// Wine, and needs nothing but winmm.
#include <array>
#include <cstdio>
#include <cstdlib>

#include "platform/win32/win32_internal.h"

namespace platform::internal {
namespace {

// Three buffers of about 23 ms: a shot is heard within two frames of the
// game, and a late refill has two buffers' time to catch up.
constexpr int kBuffers = 3;
constexpr int kFrames = 1024;
constexpr int kChannels = 2;
constexpr int kRate = 44100;

struct Output {
    HWAVEOUT device = nullptr;
    HANDLE done = nullptr;  // set by the device for each buffer played
    HANDLE thread = nullptr;
    volatile LONG stopping = 0;
    std::array<WAVEHDR, kBuffers> headers{};
    std::array<std::array<std::int16_t, kFrames * kChannels>, kBuffers> samples{};
};

bool g_open = false;
bool g_paused = true;
Output* g_output = nullptr;  // null while silent
CRITICAL_SECTION g_lock;
void (*g_fill)(void*, std::int16_t*, std::size_t) = nullptr;
void* g_user = nullptr;

void refill(Output* o, WAVEHDR& header) {
    EnterCriticalSection(&g_lock);
    g_fill(g_user, reinterpret_cast<std::int16_t*>(header.lpData), kFrames);
    LeaveCriticalSection(&g_lock);
    waveOutWrite(o->device, &header, sizeof header);
}

DWORD WINAPI feed(void* parameter) {
    auto* o = static_cast<Output*>(parameter);
    while (WaitForSingleObject(o->done, INFINITE) == WAIT_OBJECT_0 && !o->stopping) {
        for (WAVEHDR& header : o->headers)
            if (header.dwFlags & WHDR_DONE) refill(o, header);
    }
    return 0;
}

void close_device(Output* o) {
    if (o->thread) {
        InterlockedExchange(&o->stopping, 1);
        SetEvent(o->done);
        WaitForSingleObject(o->thread, INFINITE);
        CloseHandle(o->thread);
    }
    if (o->device) {
        waveOutReset(o->device);
        for (WAVEHDR& header : o->headers)
            if (header.dwFlags & WHDR_PREPARED) waveOutUnprepareHeader(o->device, &header, sizeof header);
        waveOutClose(o->device);
    }
    if (o->done) CloseHandle(o->done);
    delete o;
}

}  // namespace

bool OpenAudioOutput(void (*fill)(void*, std::int16_t*, std::size_t), void* user, bool silent, int* rate,
                     int* channels) {
    if (g_open) return false;
    static const bool lock_made = (InitializeCriticalSection(&g_lock), true);
    (void)lock_made;
    g_fill = fill;
    g_user = user;
    // Silent: the slots work as ever, and nothing pulls from them.
    if (!silent) {
        auto* o = new Output;
        WAVEFORMATEX format{};
        format.wFormatTag = WAVE_FORMAT_PCM;
        format.nChannels = kChannels;
        format.nSamplesPerSec = kRate;
        format.wBitsPerSample = 16;
        format.nBlockAlign = kChannels * 2;
        format.nAvgBytesPerSec = kRate * format.nBlockAlign;
        o->done = CreateEventW(nullptr, FALSE, FALSE, nullptr);
        if (!o->done || waveOutOpen(&o->device, WAVE_MAPPER, &format, reinterpret_cast<DWORD_PTR>(o->done), 0,
                                    CALLBACK_EVENT) != MMSYSERR_NOERROR) {
            o->device = nullptr;
            close_device(o);
            return false;
        }
        // Opened paused: the buffers queue up silent until the game plays.
        waveOutPause(o->device);
        for (int i = 0; i < kBuffers; ++i) {
            WAVEHDR& header = o->headers[std::size_t(i)];
            header.lpData = reinterpret_cast<LPSTR>(o->samples[std::size_t(i)].data());
            header.dwBufferLength = sizeof o->samples[0];
            waveOutPrepareHeader(o->device, &header, sizeof header);
            waveOutWrite(o->device, &header, sizeof header);
        }
        o->thread = CreateThread(nullptr, 0, feed, o, 0, nullptr);
        if (!o->thread) {
            close_device(o);
            return false;
        }
        SetThreadPriority(o->thread, THREAD_PRIORITY_TIME_CRITICAL);
        g_output = o;
        if (std::getenv("FERROW_VERBOSE")) std::fprintf(stderr, "ferrow: sound through waveOut at %d Hz\n", kRate);
    }
    g_open = true;
    g_paused = true;
    *rate = kRate;
    *channels = kChannels;
    return true;
}

void CloseAudioOutput() {
    if (!g_open) return;
    if (g_output) close_device(g_output);
    g_output = nullptr;
    g_open = false;
}

void PauseAudioOutput(bool paused) {
    if (!g_open || g_paused == paused) return;
    g_paused = paused;
    if (!g_output) return;
    if (paused) waveOutPause(g_output->device);
    else waveOutRestart(g_output->device);
}

bool AudioOutputPaused() { return g_open && g_paused; }

void LockAudioOutput() {
    if (g_open) EnterCriticalSection(&g_lock);
}

void UnlockAudioOutput() {
    if (g_open) LeaveCriticalSection(&g_lock);
}

}  // namespace platform::internal
