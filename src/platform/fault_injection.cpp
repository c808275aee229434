#include "platform/fault_injection.h"

#include <cstdlib>

#include "platform/audio_device.h"
#include "platform/display_device.h"

namespace platform {
namespace {

unsigned long g_calls = 0;
unsigned long g_failing = 0;
Operation g_failed = Operation::Count;
void (*g_recorder)(Operation) = nullptr;

constexpr const char* kNames[] = {
    "StartVideo", "CreateWindow", "EnterFullscreen",
    "DirectDrawCreate", "SetCooperativeLevel", "SetDisplayMode", "CreatePrimarySurface", "BackBuffer",
    "CreatePalette", "Flip", "CreateOffscreenSurface", "BltFast", "ColorFill", "Surface::Lock", "SetColorKey", "Surface::Restore",
    "DirectSoundCreate", "DirectSound::SetCooperativeLevel", "CreateSoundBuffer", "SoundBuffer::Lock",
    "SoundBuffer::Play",
    "OpenFile", "ReadFile", "WriteFile", "CloseFile", "RenameFile",
    "Allocation",
};
static_assert(int(Operation::OffscreenSurface) - int(Operation::DisplayCreate) == int(DisplayStep::OffscreenSurface) &&
                  int(Operation::SoundPlay) - int(Operation::SoundCreate) == int(SoundStep::Play),
              "display and sound steps in the same order");
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

bool CallFails(Operation op) {
    ++g_calls;
    if (g_recorder) g_recorder(op);
    if (g_calls != g_failing) return false;
    g_failed = op;
    return true;
}

void* AllocateOrNull(std::size_t bytes) { return CallFails(Operation::Allocation) ? nullptr : std::malloc(bytes); }

}  // namespace platform
