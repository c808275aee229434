// Failures made to order, the one way tests reach the failure paths: every
// fallible operation of the platform counts its calls on one counter, in
// the order they are made, and the k-th of them can be told to fail; a
// test walks that failure over every step of a whole session. A test that
// wants one particular failure instead asks for the next call of a kind.
#pragma once
#include <cstddef>
#include <new>

#include "platform/results.h"

namespace platform {

enum class Operation {
    StartVideo, CreateWindow, EnterFullscreen,
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

// The next call of that kind fails, once: with `code` where the operation
// answers with one (0: its usual failure), and only on `object` if one is
// named (a surface, say), else on whichever makes the call.
void FailNext(Operation op, HRESULT code = 0, const void* object = nullptr);

// The first thing a fallible operation does: 0 when the call goes on, else
// the code it fails with, `usual` unless a test asked for another.
HRESULT CallFailure(Operation op, HRESULT usual, const void* object = nullptr);
// The same for operations that only succeed or fail.
inline bool CallFails(Operation op) { return CallFailure(op, E_FAIL) != 0; }

// The game's own allocations whose failure it reports.
template <typename T>
T* NewOrNull() {
    return CallFails(Operation::Allocation) ? nullptr : new (std::nothrow) T;
}
void* AllocateOrNull(std::size_t bytes);

}  // namespace platform
