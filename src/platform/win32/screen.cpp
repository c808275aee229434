// The screen on Windows: the shared presenter converts the picture into a
// 32-bit DIB section of the window's client size, and the bands that changed
// are copied to the window. The DIB also repaints the window while no frame
// runs (the program inactive, a box shown).
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/portable/frame_presenter.h"
#include "platform/win32/win32_internal.h"

namespace platform::internal {

struct Screen {
    HWND hwnd = nullptr;
    HDC memory = nullptr;  // holds the DIB for copying
    HBITMAP dib = nullptr;
    HGDIOBJ previous = nullptr;
    std::uint8_t* pixels = nullptr;
    int w = 0, h = 0;
    Scaling scaling = Scaling::Fill;
    FramePresenter presenter;
    // The palette as the DIB's pixels take it: 0x00RRGGBB.
    std::array<std::uint32_t, 256> lut{};
    std::vector<ViewRect> bands;
};

namespace {

void free_dib(Screen* s) {
    if (s->dib) {
        SelectObject(s->memory, s->previous);
        DeleteObject(s->dib);
    }
    s->dib = nullptr;
    s->pixels = nullptr;
    s->w = s->h = 0;
}

// The DIB follows the client area's size; made anew when that changed.
bool fit_dib(Screen* s) {
    RECT client;
    if (!GetClientRect(s->hwnd, &client)) return false;
    const int w = std::max(1L, client.right), h = std::max(1L, client.bottom);
    if (s->dib && w == s->w && h == s->h) return true;
    free_dib(s);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    s->dib = CreateDIBSection(s->memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!s->dib) return false;
    s->previous = SelectObject(s->memory, s->dib);
    s->pixels = static_cast<std::uint8_t*>(bits);
    s->w = w;
    s->h = h;
    s->presenter.Invalidate();
    return true;
}

}  // namespace

Screen* OpenScreen(Window* window) {
    if (!window->hwnd) return nullptr;
    auto* screen = new Screen;
    screen->hwnd = window->hwnd;
    screen->scaling = RunSettings().scaling;
    screen->memory = CreateCompatibleDC(nullptr);
    if (!screen->memory) {
        delete screen;
        return nullptr;
    }
    if (std::getenv("FERROW_VERBOSE")) std::fputs("ferrow: picture shown through a DIB section\n", stderr);
    return screen;
}

void CloseScreen(Screen* screen) {
    free_dib(screen);
    DeleteDC(screen->memory);
    delete screen;
}

void ScreenSetMode(Screen* screen) {
    Window* w = CurrentWindow();
    if (!w || w->fullscreen) return;
    const RECT r = WindowedRect(screen->hwnd);
    SetWindowPos(screen->hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

bool ScreenPrepare(Screen* screen) { return fit_dib(screen); }

void ScreenSetColours(Screen* screen, const std::array<PALETTEENTRY, 256>* entries) {
    for (int i = 0; i < 256; ++i) {
        const PALETTEENTRY c = ShownColour(entries, i);
        screen->lut[std::size_t(i)] = std::uint32_t(c.peRed) << 16 | std::uint32_t(c.peGreen) << 8 | c.peBlue;
    }
}

bool ScreenConvert(Screen* screen, const IndexedImage& image) {
    if (image.w != kImageWidth || image.h != kImageHeight || !fit_dib(screen)) return false;
    // GDI may still be copying from the DIB; its pixels are ours after this.
    GdiFlush();
    screen->presenter.SetScaling(screen->scaling);
    screen->bands = screen->presenter.Present(image.row(0), image.pitch, screen->lut.data(),
                                              OutputPixels{screen->pixels, screen->w * 4, screen->w, screen->h});
    return true;
}

bool ScreenPresent(Screen* screen) {
    const auto& bands = screen->bands;
    if (bands.empty()) return true;
    const HDC dc = GetDC(screen->hwnd);
    if (!dc) return false;
    bool ok = true;
    for (const ViewRect& b : bands) ok = BitBlt(dc, b.x, b.y, b.w, b.h, screen->memory, b.x, b.y, SRCCOPY) && ok;
    ReleaseDC(screen->hwnd, dc);
    return ok;
}

void ScreenFrameStarts(Screen*) {}

void PaintScreen(HWND hwnd) {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(hwnd, &paint);
    Screen* screen = CurrentScreen();
    RECT client;
    GetClientRect(hwnd, &client);
    if (screen && screen->hwnd == hwnd && screen->dib && screen->w == client.right && screen->h == client.bottom) {
        const RECT& r = paint.rcPaint;
        BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, screen->memory, r.left, r.top, SRCCOPY);
    } else {
        // Resized since the last frame: black until the next one fills it.
        FillRect(dc, &paint.rcPaint, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        InvalidateBars();
    }
    EndPaint(hwnd, &paint);
}

void LeaveFullscreen() {
    Window* w = CurrentWindow();
    ClipCursor(nullptr);
    if (!w || !w->hwnd || !w->fullscreen) return;
    SetWindowLongPtrW(w->hwnd, GWL_STYLE, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    w->fullscreen = false;
    // Back where the player had the window, else in the middle of the
    // monitor the game filled.
    const RECT r = IsRectEmpty(&w->windowed) ? WindowedRect(w->hwnd) : w->windowed;
    SetWindowPos(w->hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_FRAMECHANGED | SWP_NOZORDER | SWP_NOOWNERZORDER);
}

void ToggleFullscreen() {
    Window* w = CurrentWindow();
    if (!w || !w->hwnd) return;
    if (w->fullscreen) LeaveFullscreen();
    else EnterFullscreen(w);
    KeepFullscreen(w->fullscreen);
    UpdatePointerConfinement();
}

// In window pixels: the program is aware of each monitor's scale, so its
// window has as many units as the output has pixels.
void UpdatePointerConfinement() {
    Window* w = CurrentWindow();
    if (!w || !w->hwnd || !CurrentScreen() || !IsWindowActive(w) || GetForegroundWindow() != w->hwnd) {
        ClipCursor(nullptr);
        return;
    }
    RECT client;
    GetClientRect(w->hwnd, &client);
    const ViewRect v = ImageRectInWindow(client.right, client.bottom, client.right, client.bottom, CurrentScreen()->scaling);
    POINT corners[2] = {{v.x, v.y}, {v.x + v.w, v.y + v.h}};
    MapWindowPoints(w->hwnd, nullptr, corners, 2);
    const RECT clip{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
    ClipCursor(&clip);
}

void WindowToImage(int wx, int wy, int* ix, int* iy) {
    Window* w = CurrentWindow();
    RECT client{0, 0, kImageWidth, kImageHeight};
    if (w && w->hwnd) GetClientRect(w->hwnd, &client);
    const Screen* screen = CurrentScreen();
    WindowPointToImage(client.right, client.bottom, client.right, client.bottom,
                       screen ? screen->scaling : Scaling::Fill, wx, wy, ix, iy);
}

void InvalidateBars() {
    if (Screen* screen = CurrentScreen()) screen->presenter.Invalidate();
}

}  // namespace platform::internal
