// The display device: the 640 x 480 8-bit mode with its primary surface and
// back buffer, palettes and off-screen surfaces.
#pragma once
#include <cstdint>

#include "platform/palette_object.h"
#include "platform/results.h"
#include "platform/surface.h"
#include "platform/window.h"

namespace platform {

class DirectDraw {
public:
    ~DirectDraw();
    DirectDraw(const DirectDraw&) = delete;
    DirectDraw& operator=(const DirectDraw&) = delete;

    // Confines the pointer to the image while the window has the focus.
    HRESULT SetCooperativeLevel(Window* window);
    // 640 x 480 x 8: full-screen on the desktop, or a window of that size.
    HRESULT SetDisplayMode(int width, int height, int bits);
    HRESULT CreatePrimarySurface(Surface** primary);
    HRESULT CreateOffscreenSurface(int width, int height, Surface** surface);
    HRESULT CreatePalette(const PALETTEENTRY* entries, Palette** palette);
    // Back to the desktop, so that a message box can be seen.
    HRESULT FlipToGDISurface();
    unsigned long Release();

    struct Impl;

private:
    friend HRESULT DirectDrawCreate(Window* window, DirectDraw** out);
    explicit DirectDraw(Impl* impl) : impl_(impl) {}
    Impl* impl_;
};

// Starts the renderer for the window; DDERR_GENERIC when none can be had.
HRESULT DirectDrawCreate(Window* window, DirectDraw** out);

// Frame times are appended to the file named by FERROW_FRAME_LOG, one line of
// microseconds per flip, for measuring the pace; nothing is written otherwise.
void CloseFrameLog();

// The first half of the flip: the back buffer's changed rows through the
// palette into the texture or the window surface, without presenting them;
// the game-frame benchmark ends with it.
HRESULT ConvertBackBuffer();

// Flips made since the program started.
unsigned long FramesPresented();

}  // namespace platform
