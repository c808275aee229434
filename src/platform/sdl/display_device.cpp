#include "platform/display_device.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "platform/clock.h"
#include "platform/fault_injection.h"
#include "platform/sdl/sdl_internal.h"
#include "platform/presentation.h"
#include "platform/sdl/screen_output.h"

namespace platform {

struct DirectDraw::Impl {
    Window* window = nullptr;
    internal::ScreenOutput output;
};

namespace {

bool g_fail[int(DisplayStep::Count)] = {};
DirectDraw::Impl* g_display = nullptr;
Surface* g_primary = nullptr;
Palette* g_primary_palette = nullptr;
FramePacer g_pacer;
std::FILE* g_frame_log = nullptr;
bool g_frame_log_checked = false;
unsigned long g_frames = 0;

bool take_failure(DisplayStep step) {
    if (CallFails(Operation(int(Operation::DisplayCreate) + int(step)))) return true;
    return std::exchange(g_fail[int(step)], false);
}

void log_frame() {
    ++g_frames;
    if (!g_frame_log_checked) {
        g_frame_log_checked = true;
        if (const char* path = std::getenv("FERROW_FRAME_LOG")) g_frame_log = std::fopen(path, "w");
        // Line by line, so that the log can be read while the game runs.
        if (g_frame_log) std::setvbuf(g_frame_log, nullptr, _IOLBF, 0);
    }
    if (g_frame_log) std::fprintf(g_frame_log, "%llu\n", (unsigned long long)Micros());
}

}  // namespace

void FailNextDisplayStep(DisplayStep step) { g_fail[int(step)] = true; }

unsigned long FramesPresented() { return g_frames; }

void CloseFrameLog() {
    if (g_frame_log) std::fclose(g_frame_log);
    g_frame_log = nullptr;
    g_frame_log_checked = false;
}

namespace internal {

Surface* CurrentPrimary() { return g_primary; }

void ReleasePrimary(Surface* primary) {
    if (primary != g_primary) return;
    g_primary = nullptr;
    if (g_primary_palette) g_primary_palette->Release();
    g_primary_palette = nullptr;
    if (g_display) g_display->output.SetColours(nullptr);
}

void OnDeactivate() {
    // Switching away must not eat game time: the primary reports itself
    // lost, so re-activation runs the restore, which re-bases the clock.
    if (g_primary) g_primary->MarkLost();
}

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
        SDL_SetWindowFullscreen(w->sdl, 0);
        SDL_SetWindowSize(w->sdl, kImageWidth, kImageHeight);
        SDL_SetWindowPosition(w->sdl, SDL_WINDOWPOS_CENTERED_DISPLAY(display), SDL_WINDOWPOS_CENTERED_DISPLAY(display));
    } else {
        EnterFullscreen(w->sdl);
    }
    UpdatePointerConfinement();
}

void UpdatePointerConfinement() {
    Window* w = CurrentWindow();
    if (!w || !w->sdl || !g_display) return;
    int ww = 0, wh = 0, ow = 0, oh = 0;
    SDL_GetWindowSize(w->sdl, &ww, &wh);
    g_display->output.OutputSize(&ow, &oh);
    const ViewRect v = ImageRectInWindow(ww, wh, ow, oh);
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
    if (g_display) g_display->output.OutputSize(&ow, &oh);
    WindowPointToImage(ww, wh, ow, oh, wx, wy, ix, iy);
}

void InvalidateBars() {
    if (g_display) g_display->output.InvalidateBars();
}

}  // namespace internal

HRESULT DirectDrawCreate(Window* window, DirectDraw** out) {
    *out = nullptr;
    if (take_failure(DisplayStep::Create) || !window || !window->sdl) return DDERR_GENERIC;
    auto* impl = new DirectDraw::Impl;
    impl->window = window;
    if (!impl->output.Open(window->sdl)) {
        delete impl;
        return DDERR_GENERIC;
    }
    // A renderer may have made the window anew, and without a window manager
    // the new one lies where the window was before it covered the screen.
    if (impl->output.UsesRenderer() && (SDL_GetWindowFlags(window->sdl) & SDL_WINDOW_FULLSCREEN)) {
        SDL_SetWindowFullscreen(window->sdl, 0);
        internal::EnterFullscreen(window->sdl);
    }
    if (std::getenv("FERROW_VERBOSE")) std::fprintf(stderr, "ferrow: picture shown through %s\n", impl->output.Description().c_str());
    g_display = impl;
    *out = new DirectDraw(impl);
    return DD_OK;
}

DirectDraw::~DirectDraw() = default;

HRESULT DirectDraw::SetCooperativeLevel(Window* window) {
    if (take_failure(DisplayStep::CooperativeLevel) || window != impl_->window) return DDERR_GENERIC;
    internal::UpdatePointerConfinement();
    return DD_OK;
}

HRESULT DirectDraw::SetDisplayMode(int width, int height, int bits) {
    if (take_failure(DisplayStep::DisplayMode)) return DDERR_GENERIC;
    if (width != kImageWidth || height != kImageHeight || bits != 8) return DDERR_INVALIDPARAMS;
    SDL_Window* w = impl_->window->sdl;
    if (!(SDL_GetWindowFlags(w) & SDL_WINDOW_FULLSCREEN)) SDL_SetWindowSize(w, width, height);
    internal::UpdatePointerConfinement();
    return DD_OK;
}

HRESULT DirectDraw::CreatePrimarySurface(Surface** primary) {
    *primary = nullptr;
    if (take_failure(DisplayStep::PrimarySurface) || g_primary) return DDERR_GENERIC;
    if (!impl_->output.PrepareTarget()) return DDERR_GENERIC;
    auto p = std::make_unique<Surface::Impl>();
    p->primary = true;
    g_primary = new Surface(std::move(p));
    // The back buffer is made with the primary, as one flip chain.
    Surface* back = nullptr;
    if (!take_failure(DisplayStep::BackBuffer)) {
        if (CreateOffscreenSurface(kImageWidth, kImageHeight, &back) != DD_OK) back = nullptr;
    }
    g_primary->impl()->back = back;
    impl_->output.SetColours(g_primary_palette ? &g_primary_palette->entries() : nullptr);
    g_pacer.Reset();
    *primary = g_primary;
    return DD_OK;
}

HRESULT DirectDraw::CreateOffscreenSurface(int width, int height, Surface** surface) {
    *surface = nullptr;
    if (take_failure(DisplayStep::OffscreenSurface)) return DDERR_GENERIC;
    if (width <= 0 || height <= 0) return DDERR_INVALIDPARAMS;
    auto impl = std::make_unique<Surface::Impl>();
    impl->plain = NewIndexedImage(width, height);
    if (!impl->plain) return DDERR_GENERIC;
    *surface = new Surface(std::move(impl));
    return DD_OK;
}

HRESULT DirectDraw::CreatePalette(const PALETTEENTRY* entries, Palette** palette) {
    *palette = nullptr;
    if (take_failure(DisplayStep::Palette) || !entries) return DDERR_GENERIC;
    *palette = new Palette(entries);
    return DD_OK;
}

HRESULT DirectDraw::FlipToGDISurface() {
    internal::LeaveFullscreen();
    return DD_OK;
}

unsigned long DirectDraw::Release() {
    impl_->output.Close();
    if (g_display == impl_) g_display = nullptr;
    delete impl_;
    delete this;
    return 0;
}

// --- primary-only surface operations ---

HRESULT Surface::GetAttachedSurface(Surface** back) {
    *back = impl_->primary ? impl_->back : nullptr;
    return *back ? DD_OK : DDERR_GENERIC;
}

HRESULT Surface::SetPalette(Palette* palette) {
    if (!impl_->primary) return DDERR_GENERIC;
    g_primary_palette = palette;
    if (palette) internal::SetSharedColours(palette->entries());
    if (g_display) g_display->output.SetColours(palette ? &palette->entries() : nullptr);
    return DD_OK;
}

HRESULT ConvertBackBuffer() {
    if (!g_primary || !g_primary->impl()->back || !g_display) return DDERR_GENERIC;
    return g_display->output.Convert(*g_primary->impl()->back->impl()->plain) ? DD_OK : DDERR_GENERIC;
}

HRESULT Surface::Flip() {
    if (!impl_->primary || !impl_->back || !g_display) return DDERR_GENERIC;
    if (take_failure(DisplayStep::Flip)) return DDERR_GENERIC;
    if (!g_display->output.Convert(*impl_->back->impl()->plain)) return DDERR_GENERIC;
    if (!g_display->output.Present()) return DDERR_GENERIC;
    g_pacer.Wait();
    log_frame();
    return DD_OK;
}

}  // namespace platform
