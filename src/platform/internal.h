// State shared by the platform's own files; nothing outside src/platform
// includes this.
#pragma once
#include <SDL.h>

#include <array>
#include <cstdint>

#include "platform/frame_pacing.h"
#include "platform/palette_object.h"
#include "platform/presentation.h"
#include "platform/surface.h"
#include "platform/window.h"

namespace platform {

class Window {
public:
    SDL_Window* sdl = nullptr;
    SDL_Cursor* cursor = nullptr;
    SDL_Surface* icon = nullptr;
    bool active = false;
};

struct Surface::Impl {
    SDL_Surface* plain = nullptr;  // the pixels; blits read and write them directly
    std::uint8_t key = 0;          // the colour a keyed blit leaves out
    bool primary = false;
    Surface* back = nullptr;       // primary only: its back buffer
};

namespace internal {

// One palette shared by every surface, so that blits between them copy
// indices unchanged.
SDL_Palette* SharedPalette();
void SetSharedColours(const std::array<PALETTEENTRY, 256>& entries);

// The window the display works on, and its primary surface (null if none).
Window* CurrentWindow();
void SetCurrentWindow(Window* window);
Surface* CurrentPrimary();
// The primary is going: forget it and free the palette attached to it.
void ReleasePrimary(Surface* primary);

// The display's view of the window: leaving full-screen for a message box,
// the Alt+Enter toggle and the pointer's confinement to the image.
void LeaveFullscreen();
bool EnterFullscreen(SDL_Window* window);  // false when refused
void ToggleFullscreen();
void UpdatePointerConfinement();

// Enter, pressed with Alt, switched the display: it does not count as down
// until it is seen up, or pressed again on its own.
void EnterSwitchedDisplay();
void EnterPressedAlone();

// A window point mapped onto the image, clamped.
void WindowToImage(int wx, int wy, int* ix, int* iy);
// The window was uncovered or resized: the bars around the picture are
// drawn again with the next frame.
void InvalidateBars();

// Called when the program stops being the active one.
void OnDeactivate();
// Sound pauses while the program is in the background, and goes on after.
void SetAudioActive(bool active);

SDL_Surface* LoadBmpBytes(const std::uint8_t* data, std::size_t size);

}  // namespace internal
}  // namespace platform
