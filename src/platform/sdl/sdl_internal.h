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

}  // namespace internal
}  // namespace platform
