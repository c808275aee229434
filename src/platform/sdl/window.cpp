#include "platform/window.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/resources.h"
#include "platform/sdl/sdl_internal.h"
#include "platform/testing/fault_injection.h"

namespace platform {

bool StartVideo() {
    if (SDL_WasInit(SDL_INIT_VIDEO)) return true;
    if (CallFails(Operation::StartVideo)) return false;
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        // Why SDL found no display tells a player or a bug report what to mend.
        std::fprintf(stderr, "ferrow: no display: %s\n", SDL_GetError());
        return false;
    }
    // Without a display SDL falls back on a driver that shows nothing, and the
    // game would run where no one can see or end it. Such a driver counts
    // only when asked for by name, as the tests do.
    const char* driver = SDL_GetCurrentVideoDriver();
    const char* wanted = SDL_getenv("SDL_VIDEODRIVER");
    const bool unseen = driver && (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0);
    if (unseen && !(wanted && *wanted)) {
        std::fprintf(stderr, "ferrow: no display: only SDL's %s video driver started\n", driver);
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return false;
    }
    return true;
}

namespace {

// Cursor and icon resources are 8-bit bitmaps keyed by their top-left pixel;
// the key becomes see-through.
SDL_Surface* keyed_rgba(const char* name, ResourceType type) {
    std::vector<std::uint32_t> pixels;
    int w = 0, h = 0;
    if (!internal::KeyedArgb(name, type, &pixels, &w, &h)) return nullptr;
    SDL_Surface* rgba = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_ARGB8888);
    if (!rgba) return nullptr;
    for (int y = 0; y < h; ++y)
        std::memcpy(static_cast<std::uint8_t*>(rgba->pixels) + y * rgba->pitch, &pixels[std::size_t(y) * w], 4 * std::size_t(w));
    return rgba;
}

}  // namespace

struct Cursor {
    SDL_Cursor* sdl;
};
struct Icon {
    SDL_Surface* sdl;
};

Cursor* LoadCursor(const char* name) {
    if (!StartVideo()) return nullptr;
    SDL_Surface* image = keyed_rgba(name, ResourceType::Cursor);
    if (!image) return nullptr;
    // The hot spot is the crosshair's centre dot.
    SDL_Cursor* cursor = SDL_CreateColorCursor(image, 15, 16);
    SDL_FreeSurface(image);
    return cursor ? new Cursor{cursor} : nullptr;
}

Icon* LoadIcon(const char* name) {
    SDL_Surface* image = keyed_rgba(name, ResourceType::Icon);
    return image ? new Icon{image} : nullptr;
}

namespace internal {

void WindowedSize(int* w, int* h) {
    const DisplaySettings& kept = RunSettings();
    SDL_Rect usable{0, 0, kImageWidth, kImageHeight};
    SDL_GetDisplayUsableBounds(0, &usable);
    // The size last played in, where it still fits the desktop (which may be
    // another one now).
    if (kept.window_w > 0 && kept.window_h > 0 && kept.window_w <= usable.w && kept.window_h <= usable.h) {
        *w = kept.window_w;
        *h = kept.window_h;
        return;
    }
    const int factor = FirstWindowFactor(usable.w, usable.h);
    *w = kImageWidth * factor;
    *h = kImageHeight * factor;
}

bool EnterFullscreen(SDL_Window* window) {
    if (CallFails(Operation::EnterFullscreen)) return false;
    // Covering the screen first keeps the picture right where no window
    // manager carries out the full-screen request: the window then has the
    // screen's size anyway, as the game believes.
    SDL_Rect screen;
    if (SDL_GetDisplayBounds(SDL_GetWindowDisplayIndex(window), &screen) == 0) {
        SDL_SetWindowPosition(window, screen.x, screen.y);
        SDL_SetWindowSize(window, screen.w, screen.h);
    }
    return SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP) == 0;
}

}  // namespace internal

Window* CreateWindow(const char* title, Icon* icon, Cursor* cursor) {
    SDL_Window* sdl = nullptr;
    const bool fullscreen = internal::OpenSettings().fullscreen;
    if (StartVideo() && !CallFails(Operation::CreateWindow)) {
        // The window's size also where it starts full screen: it is the size
        // Alt+Enter goes back to.
        int w = kImageWidth, h = kImageHeight;
        internal::WindowedSize(&w, &h);
        sdl = SDL_CreateWindow(title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, w, h,
                               SDL_WINDOW_RESIZABLE | SDL_WINDOW_HIDDEN | SDL_WINDOW_ALLOW_HIGHDPI);
    }
    if (sdl && fullscreen && !internal::EnterFullscreen(sdl)) {
        // A game that asked for the whole screen and did not get it has no
        // display to play on.
        SDL_DestroyWindow(sdl);
        sdl = nullptr;
    }
    if (!sdl) {
        // The window would have owned them.
        if (icon) SDL_FreeSurface(icon->sdl);
        if (cursor) SDL_FreeCursor(cursor->sdl);
        delete icon;
        delete cursor;
        return nullptr;
    }
    auto* window = new Window;
    window->sdl = sdl;
    if (icon) {
        SDL_SetWindowIcon(sdl, icon->sdl);
        window->icon = icon->sdl;
        delete icon;
    }
    if (cursor) {
        // The crosshair is the player's aim: it is set once and never hidden.
        SDL_SetCursor(cursor->sdl);
        window->cursor = cursor->sdl;
        delete cursor;
    }
    SDL_ShowWindow(sdl);
    SDL_RaiseWindow(sdl);
    // A shown window starts active: without a window manager no focus event
    // ever comes, and the game would never run a frame. Focus and minimise
    // events keep the flag from then on.
    const Uint32 shown = SDL_GetWindowFlags(sdl);
    internal::SetCurrentWindow(window, !(shown & (SDL_WINDOW_HIDDEN | SDL_WINDOW_MINIMIZED)));
    return window;
}

void internal::FreeWindow(Window* window) {
    // A window played in keeps its size for the next run. One that left full
    // screen only to show a report has no size of the player's.
    if (window->sdl && !RunSettings().fullscreen && !(SDL_GetWindowFlags(window->sdl) & SDL_WINDOW_FULLSCREEN)) {
        int w = 0, h = 0;
        SDL_GetWindowSize(window->sdl, &w, &h);
        KeepWindowSize(w, h);
    }
    if (window->sdl) SDL_DestroyWindow(window->sdl);
    if (window->cursor) SDL_FreeCursor(window->cursor);
    if (window->icon) SDL_FreeSurface(window->icon);
    delete window;
}

void ShutdownVideo() {
    if (SDL_WasInit(SDL_INIT_VIDEO)) SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

}  // namespace platform
