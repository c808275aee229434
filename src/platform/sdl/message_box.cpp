#include "platform/sdl/sdl_internal.h"

namespace platform::internal {

bool ShowBox(const char* text, const char* caption) {
    LeaveFullscreen();
    Window* w = CurrentWindow();
    return SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption, text, w ? w->sdl : nullptr) == 0;
}

}  // namespace platform::internal
