// The desktop's screen: the window, full screen or not, through SDL.
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/sdl/screen_output.h"
#include "platform/sdl/sdl_internal.h"

namespace platform::internal {

struct Screen {
    SDL_Window* window = nullptr;
    ScreenOutput output;
};

Screen* OpenScreen(Window* window) {
    if (!window->sdl) return nullptr;
    auto* screen = new Screen{window->sdl, {}};
    if (!screen->output.Open(window->sdl)) {
        delete screen;
        return nullptr;
    }
    screen->output.SetScaling(RunSettings().scaling);
    // A renderer may have made the window anew, and without a window manager
    // the new one lies where the window was before it covered the screen.
    if (screen->output.UsesRenderer() && (SDL_GetWindowFlags(window->sdl) & SDL_WINDOW_FULLSCREEN)) {
        SDL_SetWindowFullscreen(window->sdl, 0);
        EnterFullscreen(window->sdl);
    }
    if (std::getenv("FERROW_VERBOSE"))
        std::fprintf(stderr, "ferrow: picture shown through %s\n", screen->output.Description().c_str());
    return screen;
}

void CloseScreen(Screen* screen) {
    screen->output.Close();
    delete screen;
}

// The window keeps the size it was made with: the picture fills it.
void ScreenSetMode(Screen*) {}

bool ScreenPrepare(Screen* screen) { return screen->output.PrepareTarget(); }

void ScreenSetColours(Screen* screen, const std::array<PALETTEENTRY, 256>* entries) {
    screen->output.SetColours(entries);
}

bool ScreenConvert(Screen* screen, const IndexedImage& image) { return screen->output.Convert(image); }
bool ScreenPresent(Screen* screen) { return screen->output.Present(); }
void ScreenFrameStarts(Screen*) {}

void LeaveFullscreen() {
    Window* w = CurrentWindow();
    if (w && w->sdl && (SDL_GetWindowFlags(w->sdl) & SDL_WINDOW_FULLSCREEN)) SDL_SetWindowFullscreen(w->sdl, 0);
    if (w && w->sdl) SDL_SetWindowMouseRect(w->sdl, nullptr);
}

void ToggleFullscreen() {
    Window* w = CurrentWindow();
    if (!w || !w->sdl) return;
    if (SDL_GetWindowFlags(w->sdl) & SDL_WINDOW_FULLSCREEN) {
        // Back in the middle of the screen the game filled, not the first one.
        const int display = std::max(SDL_GetWindowDisplayIndex(w->sdl), 0);
        int width = kImageWidth, height = kImageHeight;
        WindowedSize(&width, &height);
        SDL_SetWindowFullscreen(w->sdl, 0);
        SDL_SetWindowSize(w->sdl, width, height);
        SDL_SetWindowPosition(w->sdl, SDL_WINDOWPOS_CENTERED_DISPLAY(display), SDL_WINDOWPOS_CENTERED_DISPLAY(display));
        KeepFullscreen(false);
    } else {
        int width = 0, height = 0;
        SDL_GetWindowSize(w->sdl, &width, &height);
        KeepWindowSize(width, height);
        KeepFullscreen(true);
        EnterFullscreen(w->sdl);
    }
    UpdatePointerConfinement();
}

void UpdatePointerConfinement() {
    Window* w = CurrentWindow();
    Screen* screen = CurrentScreen();
    if (!w || !w->sdl || !screen) return;
    int ww = 0, wh = 0, ow = 0, oh = 0;
    SDL_GetWindowSize(w->sdl, &ww, &wh);
    screen->output.OutputSize(&ow, &oh);
    const ViewRect v = ImageRectInWindow(ww, wh, ow, oh, screen->output.GetScaling());
    SDL_Rect r{v.x, v.y, v.w, v.h};
    SDL_SetWindowMouseRect(w->sdl, &r);
}

void WindowToImage(int wx, int wy, int* ix, int* iy) {
    Window* w = CurrentWindow();
    int ww = kImageWidth, wh = kImageHeight, ow = kImageWidth, oh = kImageHeight;
    if (w && w->sdl) {
        SDL_GetWindowSize(w->sdl, &ww, &wh);
        ow = ww;
        oh = wh;
    }
    Scaling scaling = Scaling::Fill;
    if (Screen* screen = CurrentScreen()) {
        screen->output.OutputSize(&ow, &oh);
        scaling = screen->output.GetScaling();
    }
    WindowPointToImage(ww, wh, ow, oh, scaling, wx, wy, ix, iy);
}

void InvalidateBars() {
    if (Screen* screen = CurrentScreen()) screen->output.InvalidateBars();
}

}  // namespace platform::internal
