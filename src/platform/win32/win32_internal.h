// The Windows backend's own state; only src/platform/win32 includes this.
// The platform's headers come before windows.h: its macros (VK_ESCAPE,
// WM_CLOSE, WAVE_FORMAT_PCM, ...) would otherwise rename the platform's own
// constants of the same names, which have the same values.
#pragma once
#include <string>

#include "platform/internal.h"
#include "platform/keys.h"
#include "platform/messages.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// After windows.h, whose types it uses: waveOut and the timer resolution.
#include <mmsystem.h>

// windows.h also names its A/W pairs by macros that would rename the
// platform's functions of the same names.
#undef CreateWindow
#undef LoadCursor
#undef LoadIcon
#undef MessageBox
#undef PeekMessage
#undef GetMessage
#undef PostQuitMessage
#undef OutputDebugString
#undef FindResource

namespace platform {

class Window {
public:
    HWND hwnd = nullptr;
    HCURSOR cursor = nullptr;
    HICON icon = nullptr;
    bool fullscreen = false;
    // Where a window that covered its monitor goes back to; empty until the
    // player has had it as a window.
    RECT windowed{};
};

namespace internal {

// UTF-8, as the game keeps every text, and UTF-16, as the wide calls take it.
std::wstring Wide(const std::string& utf8);
std::string Utf8(const std::wstring& wide);

// The window procedure of the game's window class.
LRESULT CALLBACK WindowProcedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
// Covers the window's monitor, without frame (false where refused).
bool EnterFullscreen(Window* window);
// A frame around a client area of the picture's size times the largest
// whole factor that fits the monitor's work area, in the middle of it.
RECT WindowedRect(HWND hwnd);
// The picture again, as last converted, for a window the system asks to
// paint.
void PaintScreen(HWND hwnd);
// What only a desktop window's own events ask of its screen: the
// Alt+Enter toggle, and the bars around the picture drawn again with the
// next frame once the window was uncovered or resized.
void ToggleFullscreen();
void InvalidateBars();

}  // namespace internal
}  // namespace platform
