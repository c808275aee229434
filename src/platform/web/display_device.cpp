#include "platform/display_device.h"

#include <emscripten.h>

#include <utility>
#include <vector>

#include "platform/fault_injection.h"
#include "platform/presentation.h"
#include "platform/scaled_conversion.h"
#include "platform/web/web_internal.h"

namespace platform {

// The page's canvas holds the picture at its own size; the page scales it.
// Each flip turns the back buffer into RGBA through the palette and hands
// it over whole.
struct DirectDraw::Impl {
    Window* window = nullptr;
    std::array<std::uint32_t, 256> lut{};
    std::vector<std::uint8_t> rgba = std::vector<std::uint8_t>(std::size_t(kImageWidth) * kImageHeight * 4);
};

namespace {

bool g_fail[int(DisplayStep::Count)] = {};
DirectDraw::Impl* g_display = nullptr;
Surface* g_primary = nullptr;
Palette* g_primary_palette = nullptr;
FramePacer g_pacer;
unsigned long g_frames = 0;
// When the last flip's wait ended: the game's frame runs from there.
double g_frame_start = 0;

bool take_failure(DisplayStep step) {
    if (CallFails(Operation(int(Operation::DisplayCreate) + int(step)))) return true;
    return std::exchange(g_fail[int(step)], false);
}

// Bytes R, G, B, A as the canvas takes them. Entries 0 and 255 stay black
// and white whatever the palette says; a grey ramp until there is one.
void set_colours(const std::array<PALETTEENTRY, 256>* entries) {
    if (!g_display) return;
    for (int i = 0; i < 256; ++i) {
        std::uint32_t r = std::uint32_t(i), g = r, b = r;
        if (entries && i != 0 && i != 255) {
            r = (*entries)[i].peRed;
            g = (*entries)[i].peGreen;
            b = (*entries)[i].peBlue;
        }
        g_display->lut[i] = r | g << 8 | b << 16 | 0xFF000000u;
    }
}

bool convert(const IndexedImage& image) {
    if (!g_display || image.w != kImageWidth || image.h != kImageHeight) return false;
    const PixelTarget target{g_display->rgba.data(), kImageWidth * 4, 4};
    ConvertScaled(image.row(0), image.pitch, g_display->lut.data(), target, ViewRect{0, 0, kImageWidth, kImageHeight});
    return true;
}

}  // namespace

void FailNextDisplayStep(DisplayStep step) { g_fail[int(step)] = true; }

unsigned long FramesPresented() { return g_frames; }

// The page keeps the frame times (ferrow_page_frame) instead of a file.
void CloseFrameLog() {}

namespace internal {

Surface* CurrentPrimary() { return g_primary; }

void ReleasePrimary(Surface* primary) {
    if (primary != g_primary) return;
    g_primary = nullptr;
    if (g_primary_palette) g_primary_palette->Release();
    g_primary_palette = nullptr;
    set_colours(nullptr);
}

void OnDeactivate() {
    // A hidden page must not eat game time: the primary reports itself
    // lost, so coming back runs the restore, which re-bases the clock.
    if (g_primary) g_primary->MarkLost();
}

// The page leaves full-screen itself when it shows a report; the game's own
// switch is the page's button and Alt+Enter, which browsers allow only in
// answer to the player.
void LeaveFullscreen() {}
void ToggleFullscreen() {}
// A page cannot hold the pointer; the edges still scroll while it is over
// the picture.
void UpdatePointerConfinement() {}

// The page sends points in the picture's pixels already; only the clamp to
// the picture is left, for a pointer beside it.
void WindowToImage(int wx, int wy, int* ix, int* iy) {
    OutputToImage(ViewRect{0, 0, kImageWidth, kImageHeight}, wx, wy, ix, iy);
}

// The page draws no bars of its own.
void InvalidateBars() {}

}  // namespace internal

HRESULT DirectDrawCreate(Window* window, DirectDraw** out) {
    *out = nullptr;
    if (take_failure(DisplayStep::Create) || !window) return DDERR_GENERIC;
    auto* impl = new DirectDraw::Impl;
    impl->window = window;
    g_display = impl;
    set_colours(nullptr);
    *out = new DirectDraw(impl);
    return DD_OK;
}

DirectDraw::~DirectDraw() = default;

HRESULT DirectDraw::SetCooperativeLevel(Window* window) {
    if (take_failure(DisplayStep::CooperativeLevel) || window != impl_->window) return DDERR_GENERIC;
    return DD_OK;
}

HRESULT DirectDraw::SetDisplayMode(int width, int height, int bits) {
    if (take_failure(DisplayStep::DisplayMode)) return DDERR_GENERIC;
    if (width != kImageWidth || height != kImageHeight || bits != 8) return DDERR_INVALIDPARAMS;
    return DD_OK;
}

HRESULT DirectDraw::CreatePrimarySurface(Surface** primary) {
    *primary = nullptr;
    if (take_failure(DisplayStep::PrimarySurface) || g_primary) return DDERR_GENERIC;
    auto p = std::make_unique<Surface::Impl>();
    p->primary = true;
    g_primary = new Surface(std::move(p));
    // The back buffer is made with the primary, as one flip chain.
    Surface* back = nullptr;
    if (!take_failure(DisplayStep::BackBuffer)) {
        if (CreateOffscreenSurface(kImageWidth, kImageHeight, &back) != DD_OK) back = nullptr;
    }
    g_primary->impl()->back = back;
    set_colours(g_primary_palette ? &g_primary_palette->entries() : nullptr);
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

HRESULT DirectDraw::FlipToGDISurface() { return DD_OK; }

unsigned long DirectDraw::Release() {
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
    set_colours(palette ? &palette->entries() : nullptr);
    return DD_OK;
}

HRESULT ConvertBackBuffer() {
    if (!g_primary || !g_primary->impl()->back || !g_display) return DDERR_GENERIC;
    return convert(*g_primary->impl()->back->impl()->plain) ? DD_OK : DDERR_GENERIC;
}

HRESULT Surface::Flip() {
    if (!impl_->primary || !impl_->back || !g_display) return DDERR_GENERIC;
    if (take_failure(DisplayStep::Flip)) return DDERR_GENERIC;
    if (!convert(*impl_->back->impl()->plain)) return DDERR_GENERIC;
    ferrow_page_present(g_display->rgba.data());
    // The frame's work, from the end of the last wait to here, for the
    // page's frame times.
    if (g_frame_start > 0) ferrow_page_frame(emscripten_get_now() - g_frame_start);
    g_pacer.Wait();
    g_frame_start = emscripten_get_now();
    ++g_frames;
    return DD_OK;
}

}  // namespace platform
