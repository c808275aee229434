// The window procedure: Windows' messages become the game's. Windows calls
// the procedure from inside its own calls (showing a window sends the
// activation at once), so what it makes waits in a queue of our own until
// the game's loop asks for a message.
#include "platform/messages.h"

#include <deque>

#include "platform/keys.h"
#include "platform/win32/win32_internal.h"

namespace platform {
namespace {

std::deque<Message> g_pending;

Window* window_of(HWND hwnd) { return reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)); }

void post(Message msg) {
    msg.window = internal::CurrentWindow();
    g_pending.push_back(msg);
}

void activate(bool active) {
    Message msg;
    if (internal::SetWindowActive(active, &msg)) post(msg);
    internal::UpdatePointerConfinement();
}

void mouse(std::uint32_t code, LPARAM lparam) {
    Message msg;
    // Signed: a pointer left of or above the window, while a button is held.
    internal::MouseMessage(&msg, code, short(LOWORD(lparam)), short(HIWORD(lparam)));
    post(msg);
}

// Key-down messages repeat while a key is held; bit 30 marks the repeats.
bool first_press(LPARAM lparam) { return (lparam & (1L << 30)) == 0; }

// False: Windows' default handling follows.
bool handle(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    Window* w = window_of(hwnd);
    if (!w || w != internal::CurrentWindow()) return false;
    switch (message) {
        case WM_CLOSE: post(Message{nullptr, WM_CLOSE, 0, 0}); return true;
        case WM_ACTIVATEAPP: activate(wparam != 0); return true;
        case WM_SIZE:
            if (wparam == SIZE_MINIMIZED) activate(false);
            else if (GetForegroundWindow() == hwnd) activate(true);
            internal::InvalidateBars();
            internal::UpdatePointerConfinement();
            return false;
        case WM_MOVE: internal::UpdatePointerConfinement(); return false;
        case WM_ERASEBKGND: return true;  // the picture and its bars cover all
        case WM_PAINT: internal::PaintScreen(hwnd); return true;
        case WM_SETCURSOR:
            // The crosshair is the player's aim: shown over the whole picture.
            if (LOWORD(lparam) != HTCLIENT || !w->cursor) return false;
            SetCursor(w->cursor);
            return true;
        case WM_MOUSEMOVE: mouse(WM_MOUSEMOVE, lparam); return true;
        case WM_LBUTTONDOWN: mouse(WM_LBUTTONDOWN, lparam); return true;
        case WM_LBUTTONUP: mouse(WM_LBUTTONUP, lparam); return true;
        case WM_RBUTTONDOWN: mouse(WM_RBUTTONDOWN, lparam); return true;
        case WM_RBUTTONUP: mouse(WM_RBUTTONUP, lparam); return true;
        case WM_KEYDOWN:
            if (wparam == VK_RETURN) internal::EnterPressedAlone();
            if ((wparam == VK_ESCAPE || wparam == VK_F12) && first_press(lparam))
                post(Message{nullptr, WM_KEYDOWN, wparam, 0});
            return true;
        case WM_SYSKEYDOWN:
            // Alt+Enter; Alt+F4 and the rest go on to Windows.
            if (wparam != VK_RETURN) return false;
            if (first_press(lparam)) {
                internal::EnterSwitchedDisplay();
                internal::ToggleFullscreen();
            }
            return true;
        case WM_SYSCOMMAND:
            // Alt or F10 alone would open the window's menu, whose loop holds
            // the game until the key is pressed again.
            return (wparam & 0xFFF0) == SC_KEYMENU;
        case WM_DPICHANGED:
            // Another monitor's scale: a window keeps its size in the
            // picture's pixels, a full screen covers the new monitor.
            if (w->fullscreen) {
                internal::EnterFullscreen(w);
            } else {
                const RECT* r = reinterpret_cast<const RECT*>(lparam);
                SetWindowPos(hwnd, nullptr, r->left, r->top, r->right - r->left, r->bottom - r->top,
                             SWP_NOZORDER | SWP_NOACTIVATE);
            }
            return true;
        case WM_DISPLAYCHANGE:
            if (w->fullscreen) internal::EnterFullscreen(w);
            return false;
        default: return false;
    }
}

bool take_pending(Message* msg) {
    if (g_pending.empty()) return false;
    *msg = g_pending.front();
    g_pending.pop_front();
    return true;
}

}  // namespace

namespace internal {

LRESULT CALLBACK WindowProcedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    return handle(hwnd, message, wparam, lparam) ? 0 : DefWindowProcW(hwnd, message, wparam, lparam);
}

bool PollEvent(Message* msg) {
    MSG m;
    while (g_pending.empty() && PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&m);
    return take_pending(msg);
}

bool WaitEvent(Message* msg) {
    MSG m;
    while (g_pending.empty()) {
        if (GetMessageW(&m, nullptr, 0, 0) <= 0) return false;
        DispatchMessageW(&m);
    }
    return take_pending(msg);
}

}  // namespace internal

void PumpEvents() {
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&m);
}

}  // namespace platform
