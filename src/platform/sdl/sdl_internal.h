// The desktop backend's own state on SDL; only src/platform/sdl includes this.
#pragma once
#include <SDL.h>

#include "platform/internal.h"

namespace platform {

class Window {
public:
    SDL_Window* sdl = nullptr;
    SDL_Cursor* cursor = nullptr;
    SDL_Surface* icon = nullptr;
};

namespace internal {

bool EnterFullscreen(SDL_Window* window);  // false when refused
// The size of the window when not full screen, in window units: the one kept
// from the last run, or the largest whole factor that fits the desktop.
void WindowedSize(int* w, int* h);
// What only a desktop window's own events ask of its screen: the
// Alt+Enter toggle, and the bars around the picture drawn again with the
// next frame once the window was uncovered or resized.
void ToggleFullscreen();
void InvalidateBars();

}  // namespace internal
}  // namespace platform
