#include "platform/window.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/resources.h"
#include "platform/testing/fault_injection.h"
#include "platform/win32/win32_internal.h"

namespace platform {
namespace {

constexpr wchar_t kClassName[] = L"ferrow";

bool g_video = false;

// A window program has no terminal of its own. Started from one, its --help
// and its report's stderr lines go there; started from Explorer, nowhere.
bool attach_terminal() {
    const HANDLE err = GetStdHandle(STD_ERROR_HANDLE);
    if (err && err != INVALID_HANDLE_VALUE) return true;  // handed over already
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) return false;
    // The texts are UTF-8; a console shows its own code page otherwise.
    SetConsoleOutputCP(CP_UTF8);
    return std::freopen("CONOUT$", "w", stdout) && std::freopen("CONOUT$", "w", stderr);
}
const bool g_terminal = attach_terminal();

// Cursor and icon resources are 8-bit bitmaps keyed by their top-left pixel;
// the key becomes see-through. hot_x < 0: an icon.
HICON keyed_icon(const char* name, ResourceType type, int hot_x, int hot_y) {
    std::vector<std::uint32_t> argb;
    int w = 0, h = 0;
    if (!internal::KeyedArgb(name, type, &argb, &w, &h)) return nullptr;
    BITMAPV5HEADER header{};
    header.bV5Size = sizeof header;
    header.bV5Width = w;
    header.bV5Height = -h;  // top-down, as the pixels come
    header.bV5Planes = 1;
    header.bV5BitCount = 32;
    header.bV5Compression = BI_BITFIELDS;
    header.bV5RedMask = 0x00FF0000;
    header.bV5GreenMask = 0x0000FF00;
    header.bV5BlueMask = 0x000000FF;
    header.bV5AlphaMask = 0xFF000000;
    void* bits = nullptr;
    const HDC screen = GetDC(nullptr);
    HBITMAP colour = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS, &bits, nullptr, 0);
    ReleaseDC(nullptr, screen);
    if (!colour) return nullptr;
    std::memcpy(bits, argb.data(), argb.size() * 4);
    // The mask is what systems without alpha go by: set where see-through.
    const int mask_pitch = ((w + 15) / 16) * 2;
    std::vector<std::uint8_t> mask_bits(std::size_t(mask_pitch) * std::size_t(h), 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if ((argb[std::size_t(y) * w + x] >> 24) == 0) mask_bits[std::size_t(y) * mask_pitch + x / 8] |= 0x80 >> (x % 8);
    HBITMAP mask = CreateBitmap(w, h, 1, 1, mask_bits.data());
    ICONINFO info{};
    info.fIcon = hot_x < 0;
    info.xHotspot = DWORD(hot_x < 0 ? 0 : hot_x);
    info.yHotspot = DWORD(hot_y < 0 ? 0 : hot_y);
    info.hbmMask = mask;
    info.hbmColor = colour;
    const HICON icon = mask ? CreateIconIndirect(&info) : nullptr;
    if (mask) DeleteObject(mask);
    DeleteObject(colour);
    return icon;
}

}  // namespace

struct Cursor {
    HCURSOR handle;
};
struct Icon {
    HICON handle;
};

bool StartVideo() {
    if (g_video) return true;
    if (CallFails(Operation::StartVideo)) return false;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = internal::WindowProcedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    wc.lpszClassName = kClassName;
    if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
    // Frame waits sleep to the millisecond while the game runs.
    timeBeginPeriod(1);
    g_video = true;
    return true;
}

Cursor* LoadCursor(const char* name) {
    if (!StartVideo()) return nullptr;
    // The hot spot is the crosshair's centre dot.
    const HCURSOR cursor = keyed_icon(name, ResourceType::Cursor, 15, 16);
    return cursor ? new Cursor{cursor} : nullptr;
}

Icon* LoadIcon(const char* name) {
    const HICON icon = keyed_icon(name, ResourceType::Icon, -1, -1);
    return icon ? new Icon{icon} : nullptr;
}

namespace internal {

RECT WindowedRect(HWND hwnd) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& area = monitor.rcWork;
    const UINT dpi = GetDpiForWindow(hwnd);
    RECT r{0, 0, kImageWidth, kImageHeight};
    AdjustWindowRectExForDpi(&r, WS_OVERLAPPEDWINDOW, FALSE, 0, dpi ? dpi : 96);
    const LONG frame_w = r.right - r.left - kImageWidth, frame_h = r.bottom - r.top - kImageHeight;
    const LONG area_w = area.right - area.left, area_h = area.bottom - area.top;
    // The size last played in, where it still fits; else the largest whole
    // factor that does (Windows tells the frame's size, which Linux guesses).
    const DisplaySettings& kept = RunSettings();
    LONG client_w = kept.window_w, client_h = kept.window_h;
    if (client_w <= 0 || client_h <= 0 || client_w + frame_w > area_w || client_h + frame_h > area_h) {
        const LONG factor = std::max(1L, std::min((area_w - frame_w) / kImageWidth, (area_h - frame_h) / kImageHeight));
        client_w = kImageWidth * factor;
        client_h = kImageHeight * factor;
    }
    const LONG w = client_w + frame_w, h = client_h + frame_h;
    const LONG x = area.left + std::max(0L, (area_w - w) / 2), y = area.top + std::max(0L, (area_h - h) / 2);
    return RECT{x, y, x + w, y + h};
}

bool EnterFullscreen(Window* window) {
    if (CallFails(Operation::EnterFullscreen)) return false;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoW(MonitorFromWindow(window->hwnd, MONITOR_DEFAULTTONEAREST), &monitor)) return false;
    if (!window->fullscreen && IsWindowVisible(window->hwnd)) GetWindowRect(window->hwnd, &window->windowed);
    const RECT& m = monitor.rcMonitor;
    SetWindowLongPtrW(window->hwnd, GWL_STYLE, WS_POPUP | WS_VISIBLE);
    window->fullscreen = SetWindowPos(window->hwnd, HWND_TOP, m.left, m.top, m.right - m.left, m.bottom - m.top,
                                      SWP_FRAMECHANGED | SWP_NOOWNERZORDER) != 0;
    return window->fullscreen;
}

void FreeWindow(Window* window) {
    // A window played in keeps its size for the next run. One that left full
    // screen only to show a report has no size of the player's.
    RECT client;
    if (window->hwnd && !window->fullscreen && !RunSettings().fullscreen && GetClientRect(window->hwnd, &client))
        KeepWindowSize(client.right, client.bottom);
    if (window->hwnd) {
        ClipCursor(nullptr);
        ::DestroyWindow(window->hwnd);
    }
    if (window->cursor) DestroyCursor(window->cursor);
    if (window->icon) DestroyIcon(window->icon);
    delete window;
}

}  // namespace internal

Window* CreateWindow(const char* title, Icon* icon, Cursor* cursor) {
    const bool fullscreen = internal::OpenSettings().fullscreen;
    HWND hwnd = nullptr;
    if (StartVideo() && !CallFails(Operation::CreateWindow))
        hwnd = CreateWindowExW(0, kClassName, internal::Wide(title).c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                               CW_USEDEFAULT, kImageWidth, kImageHeight, nullptr, nullptr, GetModuleHandleW(nullptr),
                               nullptr);
    auto* window = new Window;
    window->hwnd = hwnd;
    window->cursor = cursor ? cursor->handle : nullptr;
    window->icon = icon ? icon->handle : nullptr;
    delete cursor;
    delete icon;
    // The procedure finds the window's state through the handle.
    if (hwnd) SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
    if (hwnd && fullscreen && !internal::EnterFullscreen(window)) {
        // A game that asked for the whole screen and did not get it has no
        // display to play on.
        internal::FreeWindow(window);
        return nullptr;
    }
    if (!hwnd) {
        internal::FreeWindow(window);
        return nullptr;
    }
    if (window->icon) {
        SendMessageW(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(window->icon));
        SendMessageW(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(window->icon));
    }
    if (!window->fullscreen) {
        const RECT r = internal::WindowedRect(hwnd);
        SetWindowPos(hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER);
    }
    // Known before it is shown: the activation that showing it brings finds
    // the window current.
    internal::SetCurrentWindow(window, false);
    ShowWindow(hwnd, SW_SHOW);
    SetForegroundWindow(hwnd);
    UpdateWindow(hwnd);
    // A shown window that has the focus starts active; activation messages
    // keep the flag from then on.
    const bool active = GetForegroundWindow() == hwnd && !IsIconic(hwnd);
    if (active != IsWindowActive(window)) {
        Message ignored;
        internal::SetWindowActive(active, &ignored);
    }
    return window;
}

void ShutdownVideo() {
    if (!g_video) return;
    timeEndPeriod(1);
    g_video = false;
}

}  // namespace platform
