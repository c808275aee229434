#include "platform/display_device.h"

#include <cstdio>
#include <cstdlib>

#include "platform/clock.h"
#include "platform/fault_injection.h"
#include "platform/internal.h"
#include "platform/presentation.h"

namespace platform {

struct DirectDraw::Impl {
    Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;
};

namespace {

bool g_fail[int(DisplayStep::OffscreenSurface) + 1] = {};
DirectDraw::Impl* g_display = nullptr;
Surface* g_primary = nullptr;
Palette* g_primary_palette = nullptr;
std::array<std::uint32_t, 256> g_lut{};
bool g_lut_valid = false;
FramePacer g_pacer;
std::FILE* g_frame_log = nullptr;
bool g_frame_log_checked = false;
unsigned long g_frames = 0;

bool take_failure(DisplayStep step) {
    if (CallFails(Operation(int(Operation::DisplayCreate) + int(step)))) return true;
    bool fail = g_fail[int(step)];
    g_fail[int(step)] = false;
    return fail;
}

// 8-bit indices to the texture's 32-bit colours; entries 0 and 255 stay black
// and white whatever the palette says.
void rebuild_lut() {
    if (g_primary_palette) {
        const auto& e = g_primary_palette->entries();
        for (int i = 0; i < 256; ++i)
            g_lut[i] = 0xFF000000u | std::uint32_t(e[i].peRed) << 16 | std::uint32_t(e[i].peGreen) << 8 | e[i].peBlue;
    } else {
        for (int i = 0; i < 256; ++i) g_lut[i] = 0xFF000000u | std::uint32_t(i) << 16 | std::uint32_t(i) << 8 | i;
    }
    g_lut[0] = 0xFF000000u;
    g_lut[255] = 0xFFFFFFFFu;
    g_lut_valid = true;
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
    g_lut_valid = false;
}

void OnDeactivate() {
    // Players relied on switching away not eating game time: the primary
    // reports itself lost, so re-activation re-bases the clock.
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
        SDL_SetWindowFullscreen(w->sdl, 0);
        SDL_SetWindowSize(w->sdl, kImageWidth, kImageHeight);
        SDL_SetWindowPosition(w->sdl, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    } else {
        EnterFullscreen(w->sdl);
    }
    UpdatePointerConfinement();
}

void UpdatePointerConfinement() {
    Window* w = CurrentWindow();
    if (!w || !w->sdl || !g_display) return;
    int ww = 0, wh = 0;
    SDL_GetWindowSize(w->sdl, &ww, &wh);
    ViewRect v = OutputRect(ww, wh);
    SDL_Rect r{v.x, v.y, v.w, v.h};
    SDL_SetWindowMouseRect(w->sdl, &r);
}

void WindowToImage(int wx, int wy, int* ix, int* iy) {
    Window* w = CurrentWindow();
    int ww = kImageWidth, wh = kImageHeight;
    if (w && w->sdl) SDL_GetWindowSize(w->sdl, &ww, &wh);
    OutputToImage(OutputRect(ww, wh), wx, wy, ix, iy);
}

}  // namespace internal

HRESULT DirectDrawCreate(Window* window, DirectDraw** out) {
    *out = nullptr;
    if (take_failure(DisplayStep::Create) || !window || !window->sdl) return DDERR_GENERIC;
    // The software renderer presents a 640 x 480 image for a fraction of what
    // a GL context costs where there is no graphics card.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
    SDL_Renderer* renderer = SDL_CreateRenderer(window->sdl, -1, SDL_RENDERER_SOFTWARE);
    if (!renderer) return DDERR_GENERIC;
    auto* impl = new DirectDraw::Impl;
    impl->window = window;
    impl->renderer = renderer;
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
    // No alpha: the picture is opaque, and a texture with alpha would be
    // blended into the window pixel by pixel. In the window's own format the
    // copy to the window is a plain one.
    impl_->texture = SDL_CreateTexture(impl_->renderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                                       kImageWidth, kImageHeight);
    if (!impl_->texture) return DDERR_GENERIC;
    SDL_SetTextureBlendMode(impl_->texture, SDL_BLENDMODE_NONE);
    auto p = std::make_unique<Surface::Impl>();
    p->primary = true;
    g_primary = new Surface(std::move(p));
    // The back buffer is made with the primary, as one flip chain.
    Surface* back = nullptr;
    if (!take_failure(DisplayStep::BackBuffer)) {
        if (CreateOffscreenSurface(kImageWidth, kImageHeight, &back) != DD_OK) back = nullptr;
    }
    g_primary->impl()->back = back;
    g_lut_valid = false;
    g_pacer.Reset();
    *primary = g_primary;
    return DD_OK;
}

HRESULT DirectDraw::CreateOffscreenSurface(int width, int height, Surface** surface) {
    *surface = nullptr;
    if (take_failure(DisplayStep::OffscreenSurface)) return DDERR_GENERIC;
    if (width <= 0 || height <= 0) return DDERR_INVALIDPARAMS;
    SDL_Surface* plain = SDL_CreateRGBSurfaceWithFormat(0, width, height, 8, SDL_PIXELFORMAT_INDEX8);
    if (!plain) return DDERR_GENERIC;
    SDL_SetSurfacePalette(plain, internal::SharedPalette());
    auto impl = std::make_unique<Surface::Impl>();
    impl->plain = plain;
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
    if (impl_->texture) SDL_DestroyTexture(impl_->texture);
    if (impl_->renderer) SDL_DestroyRenderer(impl_->renderer);
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
    g_lut_valid = false;
    return DD_OK;
}

namespace {

// The back buffer's indices through the table straight into the locked
// texture: one pass, no intermediate 32-bit surface.
HRESULT convert(Surface* back) {
    if (!g_lut_valid) rebuild_lut();
    void* texels = nullptr;
    int texture_pitch = 0;
    if (SDL_LockTexture(g_display->texture, nullptr, &texels, &texture_pitch) != 0) return DDERR_GENERIC;
    const SDL_Surface* src = back->impl()->plain;
    for (int y = 0; y < kImageHeight; ++y) {
        const std::uint8_t* in = static_cast<const std::uint8_t*>(src->pixels) + y * src->pitch;
        std::uint32_t* out = reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(texels) + y * texture_pitch);
        for (int x = 0; x < kImageWidth; ++x) out[x] = g_lut[in[x]];
    }
    SDL_UnlockTexture(g_display->texture);
    return DD_OK;
}

}  // namespace

HRESULT ConvertBackBuffer() {
    if (!g_primary || !g_primary->impl()->back || !g_display || !g_display->texture) return DDERR_GENERIC;
    return convert(g_primary->impl()->back);
}

HRESULT Surface::Flip() {
    if (!impl_->primary || !impl_->back || !g_display || !g_display->texture) return DDERR_GENERIC;
    if (take_failure(DisplayStep::Flip)) return DDERR_GENERIC;
    if (convert(impl_->back) != DD_OK) return DDERR_GENERIC;

    int ow = 0, oh = 0;
    SDL_GetRendererOutputSize(g_display->renderer, &ow, &oh);
    const ViewRect v = OutputRect(ow, oh);
    const SDL_Rect dst{v.x, v.y, v.w, v.h};
    // Black bars where the picture does not fill the output; a picture that
    // covers it all needs no clearing first.
    if (v.x > 0 || v.y > 0 || v.w < ow || v.h < oh) {
        SDL_SetRenderDrawColor(g_display->renderer, 0, 0, 0, 255);
        SDL_RenderClear(g_display->renderer);
    }
    SDL_RenderCopy(g_display->renderer, g_display->texture, nullptr, &dst);
    SDL_RenderPresent(g_display->renderer);
    g_pacer.Wait();
    log_frame();
    return DD_OK;
}

}  // namespace platform
