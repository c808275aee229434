// The one window as both backends keep it: which one the display works on,
// whether the program is the active one, and its end. Being active belongs
// to the program, so it is kept here rather than in a backend's window.
#include "platform/internal.h"

namespace platform {
namespace {

Window* g_window = nullptr;
bool g_active = false;

}  // namespace

namespace internal {

Window* CurrentWindow() { return g_window; }

void SetCurrentWindow(Window* window, bool active) {
    g_window = window;
    g_active = window && active;
}

bool SetWindowActive(bool active, Message* msg) {
    if (!g_window || g_active == active) return false;
    g_active = active;
    if (!active) OnDeactivate();
    SetAudioActive(active);
    msg->message = WM_ACTIVATEAPP;
    msg->wparam = active ? 1 : 0;
    return true;
}

}  // namespace internal

bool IsWindowActive(const Window* window) { return window && window == g_window && g_active; }

void DestroyWindow(Window* window) {
    if (!window) return;
    if (g_window == window) internal::SetCurrentWindow(nullptr, false);
    internal::FreeWindow(window);
    internal::SaveSettings();
}

}  // namespace platform
