#include "platform/surface.h"

#include <cstring>

#include "platform/internal.h"

namespace platform {
namespace {

bool inside(const Rect& r, int w, int h) {
    return r.left >= 0 && r.top >= 0 && r.left <= r.right && r.top <= r.bottom && r.right <= w && r.bottom <= h;
}

}  // namespace

Surface::Surface(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}

Surface::~Surface() {
    if (impl_->keyed) SDL_FreeSurface(impl_->keyed);
    if (impl_->plain) SDL_FreeSurface(impl_->plain);
}

int Surface::width() const { return impl_->plain ? impl_->plain->w : kImageWidth; }
int Surface::height() const { return impl_->plain ? impl_->plain->h : kImageHeight; }

namespace {
HRESULT g_fail_anywhere[3] = {DD_OK, DD_OK, DD_OK};
}

void Surface::FailNext(SurfaceOp op, HRESULT code) { fail_[int(op)] = code; }
void Surface::FailNextAnywhere(SurfaceOp op, HRESULT code) { g_fail_anywhere[int(op)] = code; }

HRESULT Surface::TakeFailure(SurfaceOp op) {
    HRESULT& slot = fail_[int(op)] != DD_OK ? fail_[int(op)] : g_fail_anywhere[int(op)];
    HRESULT r = slot;
    slot = DD_OK;
    return r;
}

HRESULT Surface::BltFast(int x, int y, Surface* src, const Rect* srcrect, std::uint32_t flags) {
    if (HRESULT r = TakeFailure(SurfaceOp::Blt)) return r;
    if (!src || !impl_->plain || !src->impl_->plain) return DDERR_INVALIDPARAMS;
    const Rect whole{0, 0, src->width(), src->height()};
    const Rect r = srcrect ? *srcrect : whole;
    if (!inside(r, src->width(), src->height())) return DDERR_INVALIDRECT;
    const Rect dst{x, y, x + (r.right - r.left), y + (r.bottom - r.top)};
    if (!inside(dst, width(), height())) return DDERR_INVALIDRECT;
    SDL_Rect from{r.left, r.top, r.right - r.left, r.bottom - r.top};
    SDL_Rect to{x, y, 0, 0};
    SDL_Surface* source = (flags & DDBLTFAST_SRCCOLORKEY) ? src->impl_->keyed : src->impl_->plain;
    return SDL_BlitSurface(source, &from, impl_->plain, &to) == 0 ? DD_OK : DDERR_GENERIC;
}

HRESULT Surface::ColorFill(std::uint8_t index) {
    if (HRESULT r = TakeFailure(SurfaceOp::Blt)) return r;
    if (!impl_->plain) return DDERR_GENERIC;
    return SDL_FillRect(impl_->plain, nullptr, index) == 0 ? DD_OK : DDERR_GENERIC;
}

HRESULT Surface::Lock(const Rect* rect, SurfaceDesc* desc) {
    if (HRESULT r = TakeFailure(SurfaceOp::Lock)) return r;
    if (!desc || !impl_->plain) return DDERR_INVALIDPARAMS;
    const Rect r = rect ? *rect : Rect{0, 0, width(), height()};
    if (!inside(r, width(), height())) return DDERR_INVALIDRECT;
    desc->width = width();
    desc->height = height();
    desc->pitch = impl_->plain->pitch;
    desc->surface = static_cast<std::uint8_t*>(impl_->plain->pixels) + r.top * impl_->plain->pitch + r.left;
    locked_ = true;
    return DD_OK;
}

HRESULT Surface::Unlock() {
    locked_ = false;
    return DD_OK;
}

HRESULT Surface::SetColorKey(std::uint8_t key) {
    if (!impl_->keyed) return DDERR_GENERIC;
    return SDL_SetColorKey(impl_->keyed, SDL_TRUE, key) == 0 ? DD_OK : DDERR_GENERIC;
}

HRESULT Surface::GetSurfaceDesc(SurfaceDesc* desc) const {
    if (!desc) return DDERR_INVALIDPARAMS;
    desc->width = width();
    desc->height = height();
    desc->pitch = impl_->plain ? impl_->plain->pitch : 0;
    desc->surface = nullptr;
    return DD_OK;
}

HRESULT Surface::IsLost() const { return lost_ ? DDERR_SURFACELOST : DD_OK; }

HRESULT Surface::Restore() {
    if (HRESULT r = TakeFailure(SurfaceOp::Restore)) return r;
    lost_ = false;
    if (impl_->back) impl_->back->lost_ = false;
    return DD_OK;
}

unsigned long Surface::Release() {
    if (impl_->primary) {
        // The back buffer and the palette belong to the flip chain.
        if (impl_->back) impl_->back->Release();
        internal::ReleasePrimary(this);
    }
    delete this;
    return 0;
}

}  // namespace platform
