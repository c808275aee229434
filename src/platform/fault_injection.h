// Counted failures: every fallible operation of the platform counts its calls
// on one counter, in the order they are made, and the k-th of them can be
// told to fail. A test walks the failure over every step of a whole session.
#pragma once
#include <cstddef>
#include <new>

namespace platform {

enum class Operation {
    StartVideo, CreateWindow, EnterFullscreen,
    // In the order of DisplayStep and SoundStep, whose one-shot failures these count.
    DisplayCreate, DisplayCooperativeLevel, DisplayMode, PrimarySurface, BackBuffer, CreatePalette, Flip,
    OffscreenSurface, Blt, ColorFill, SurfaceLock, SetColorKey, SurfaceRestore,
    SoundCreate, SoundCooperativeLevel, CreateSoundBuffer, SoundLock, SoundPlay,
    FileOpen, FileRead, FileWrite, FileClose, FileRename,
    Allocation,
    Count
};

const char* OperationName(Operation op);

// Counts again from 1, and call k fails (none when k is 0, as at the start).
void FailCall(unsigned long k);
// Calls counted since the start or FailCall; what the failed one was (Count while none).
unsigned long CallsCounted();
Operation FailedOperation();
// Tests that want the order of the calls: told of each one as it is counted.
void SetCallRecorder(void (*recorder)(Operation op));

// The first thing a fallible operation does: true when this call is to fail.
bool CallFails(Operation op);

// The game's own allocations whose failure it reports.
template <typename T>
T* NewOrNull() {
    return CallFails(Operation::Allocation) ? nullptr : new (std::nothrow) T;
}
void* AllocateOrNull(std::size_t bytes);

}  // namespace platform
