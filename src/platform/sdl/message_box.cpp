#include "platform/message_box.h"

#include <cstdio>

#include "platform/sdl/sdl_internal.h"

namespace platform {
namespace {
void (*g_hook)(const char*, const char*) = nullptr;
}

void SetMessageBoxHook(void (*hook)(const char*, const char*)) { g_hook = hook; }

void MessageBox(const char* text, const char* caption) {
    if (g_hook) {
        g_hook(text, caption);
        return;
    }
    internal::LeaveFullscreen();
    Window* w = internal::CurrentWindow();
    if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption, text, w ? w->sdl : nullptr) != 0) {
        std::fprintf(stderr, "%s%s\n", caption, text);
    }
}

}  // namespace platform
