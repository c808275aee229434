#include "platform/testing/fault_injection.h"

#include <cstdlib>

namespace platform {
namespace {

unsigned long g_calls = 0;
unsigned long g_failing = 0;
Operation g_failed = Operation::Count;
void (*g_recorder)(Operation) = nullptr;

// One failure asked for by kind, waiting for its call.
struct NextFailure {
    bool armed = false;
    HRESULT code = 0;
    const void* object = nullptr;
};
NextFailure g_next[int(Operation::Count)];

constexpr const char* kNames[] = {
    "StartVideo", "CreateWindow", "EnterFullscreen",
    "DirectDrawCreate", "SetCooperativeLevel", "SetDisplayMode", "CreatePrimarySurface", "BackBuffer",
    "CreatePalette", "Flip", "CreateOffscreenSurface", "BltFast", "ColorFill", "Surface::Lock", "SetColorKey", "Surface::Restore",
    "DirectSoundCreate", "DirectSound::SetCooperativeLevel", "CreateSoundBuffer", "SoundBuffer::Lock",
    "SoundBuffer::Play",
    "OpenFile", "ReadFile", "WriteFile", "CloseFile", "RenameFile",
    "Allocation",
};
static_assert(sizeof kNames / sizeof kNames[0] == std::size_t(Operation::Count), "a name for every operation");

}  // namespace

const char* OperationName(Operation op) { return op < Operation::Count ? kNames[int(op)] : "none"; }

void FailCall(unsigned long k) {
    g_calls = 0;
    g_failing = k;
    g_failed = Operation::Count;
}

unsigned long CallsCounted() { return g_calls; }
Operation FailedOperation() { return g_failed; }
void SetCallRecorder(void (*recorder)(Operation op)) { g_recorder = recorder; }

void FailNext(Operation op, HRESULT code, const void* object) { g_next[int(op)] = {true, code, object}; }

HRESULT CallFailure(Operation op, HRESULT usual, const void* object) {
    ++g_calls;
    if (g_recorder) g_recorder(op);
    if (g_calls == g_failing) {
        g_failed = op;
        return usual;
    }
    NextFailure& next = g_next[int(op)];
    if (!next.armed || (next.object && next.object != object)) return 0;
    next.armed = false;
    return next.code ? next.code : usual;
}

void* AllocateOrNull(std::size_t bytes) { return CallFails(Operation::Allocation) ? nullptr : std::malloc(bytes); }

}  // namespace platform
