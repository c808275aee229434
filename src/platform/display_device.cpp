#include "platform/display_device.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

#include "platform/clock.h"
#include "platform/internal.h"
#include "platform/testing/fault_injection.h"

namespace platform {

struct DirectDraw::Impl {
    Window* window = nullptr;
    internal::Screen* screen = nullptr;
};

namespace {

DirectDraw::Impl* g_display = nullptr;
Surface* g_primary = nullptr;
Palette* g_primary_palette = nullptr;
FramePacer g_pacer;
std::FILE* g_frame_log = nullptr;
bool g_frame_log_checked = false;
unsigned long g_frames = 0;

void log_frame() {
    ++g_frames;
    if (!g_frame_log_checked) {
        g_frame_log_checked = true;
        if (const char* path = std::getenv("FERROW_FRAME_LOG")) g_frame_log = std::fopen(path, "wb");
        // Line by line, so that the log can be read while the game runs.
        if (g_frame_log) std::setvbuf(g_frame_log, nullptr, _IOLBF, 0);
    }
    if (g_frame_log) std::fprintf(g_frame_log, "%llu\n", (unsigned long long)Micros());
}

void set_colours(const Palette* palette) {
    if (g_display) internal::ScreenSetColours(g_display->screen, palette ? &palette->entries() : nullptr);
}

}  // namespace

unsigned long FramesPresented() { return g_frames; }

void CloseFrameLog() {
    if (g_frame_log) std::fclose(g_frame_log);
    g_frame_log = nullptr;
    g_frame_log_checked = false;
}

namespace internal {

Surface* CurrentPrimary() { return g_primary; }
Screen* CurrentScreen() { return g_display ? g_display->screen : nullptr; }

void ReleasePrimary(Surface* primary) {
    if (primary != g_primary) return;
    g_primary = nullptr;
    if (g_primary_palette) g_primary_palette->Release();
    g_primary_palette = nullptr;
    set_colours(nullptr);
}

void OnDeactivate() {
    // Switching away must not eat game time: the primary reports itself
    // lost, so re-activation runs the restore, which re-bases the clock.
    if (g_primary) g_primary->MarkLost();
}

}  // namespace internal

HRESULT DirectDrawCreate(Window* window, DirectDraw** out) {
    *out = nullptr;
    if (CallFails(Operation::DisplayCreate) || !window) return DDERR_GENERIC;
    internal::Screen* screen = internal::OpenScreen(window);
    if (!screen) return DDERR_GENERIC;
    g_display = new DirectDraw::Impl{window, screen};
    set_colours(nullptr);
    *out = new DirectDraw(g_display);
    return DD_OK;
}

DirectDraw::~DirectDraw() = default;

HRESULT DirectDraw::SetCooperativeLevel(Window* window) {
    if (CallFails(Operation::DisplayCooperativeLevel) || window != impl_->window) return DDERR_GENERIC;
    internal::UpdatePointerConfinement();
    return DD_OK;
}

HRESULT DirectDraw::SetDisplayMode(int width, int height, int bits) {
    if (CallFails(Operation::DisplayMode)) return DDERR_GENERIC;
    if (width != kImageWidth || height != kImageHeight || bits != 8) return DDERR_INVALIDPARAMS;
    internal::ScreenSetMode(impl_->screen);
    internal::UpdatePointerConfinement();
    return DD_OK;
}

HRESULT DirectDraw::CreatePrimarySurface(Surface** primary) {
    *primary = nullptr;
    if (CallFails(Operation::PrimarySurface) || g_primary) return DDERR_GENERIC;
    if (!internal::ScreenPrepare(impl_->screen)) return DDERR_GENERIC;
    auto p = std::make_unique<Surface::Impl>();
    p->primary = true;
    g_primary = new Surface(std::move(p));
    // The back buffer is made with the primary, as one flip chain.
    Surface* back = nullptr;
    if (!CallFails(Operation::BackBuffer)) {
        if (CreateOffscreenSurface(kImageWidth, kImageHeight, &back) != DD_OK) back = nullptr;
    }
    g_primary->impl()->back = back;
    set_colours(g_primary_palette);
    g_pacer.Reset();
    *primary = g_primary;
    return DD_OK;
}

HRESULT DirectDraw::CreateOffscreenSurface(int width, int height, Surface** surface) {
    *surface = nullptr;
    if (CallFails(Operation::OffscreenSurface)) return DDERR_GENERIC;
    if (width <= 0 || height <= 0) return DDERR_INVALIDPARAMS;
    auto impl = std::make_unique<Surface::Impl>();
    impl->plain = NewIndexedImage(width, height);
    if (!impl->plain) return DDERR_GENERIC;
    *surface = new Surface(std::move(impl));
    return DD_OK;
}

HRESULT DirectDraw::CreatePalette(const PALETTEENTRY* entries, Palette** palette) {
    *palette = nullptr;
    if (CallFails(Operation::CreatePalette) || !entries) return DDERR_GENERIC;
    *palette = new Palette(entries);
    return DD_OK;
}

HRESULT DirectDraw::FlipToGDISurface() {
    internal::LeaveFullscreen();
    return DD_OK;
}

unsigned long DirectDraw::Release() {
    internal::CloseScreen(impl_->screen);
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
    set_colours(palette);
    return DD_OK;
}

HRESULT ConvertBackBuffer() {
    if (!g_primary || !g_primary->impl()->back || !g_display) return DDERR_GENERIC;
    return internal::ScreenConvert(g_display->screen, *g_primary->impl()->back->impl()->plain) ? DD_OK : DDERR_GENERIC;
}

HRESULT Surface::Flip() {
    if (!impl_->primary || !impl_->back || !g_display) return DDERR_GENERIC;
    if (CallFails(Operation::Flip)) return DDERR_GENERIC;
    if (!internal::ScreenConvert(g_display->screen, *impl_->back->impl()->plain)) return DDERR_GENERIC;
    if (!internal::ScreenPresent(g_display->screen)) return DDERR_GENERIC;
    if (const std::uint64_t delay = g_pacer.Delay(Micros())) SleepMicros(delay);
    log_frame();
    internal::ScreenFrameStarts(g_display->screen);
    return DD_OK;
}

}  // namespace platform
