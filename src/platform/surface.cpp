#include "platform/surface.h"

#include <cstring>
#include <utility>
#include <vector>

#include "platform/internal.h"
#include "platform/testing/fault_injection.h"

namespace platform {
namespace {

bool inside(const Rect& r, int w, int h) {
    return r.left >= 0 && r.top >= 0 && r.left <= r.right && r.top <= r.bottom && r.right <= w && r.bottom <= h;
}

// Sixteen pixels at a time; the compiler turns this into one vector compare
// and select on any target it knows.
using Pixels16 = std::uint8_t __attribute__((vector_size(16)));

// One row of a colour-keyed copy: every source pixel but the key replaces the
// one under it. Comparing and selecting whole blocks costs less than a branch
// per pixel, and blocks that are all key (a picture's empty corners) are not
// written at all.
void keyed_row(std::uint8_t* to, const std::uint8_t* from, int n, std::uint8_t key) {
    const Pixels16 keys = Pixels16{} + key;
    int x = 0;
    for (; x + 16 <= n; x += 16) {
        Pixels16 s, d;
        std::memcpy(&s, from + x, 16);
        const Pixels16 see_through = Pixels16(s == keys);
        std::uint64_t halves[2];
        std::memcpy(halves, &see_through, 16);
        if ((halves[0] & halves[1]) == ~std::uint64_t{0}) continue;
        std::memcpy(&d, to + x, 16);
        d = (d & see_through) | (s & ~see_through);
        std::memcpy(to + x, &d, 16);
    }
    for (; x < n; ++x)
        if (from[x] != key) to[x] = from[x];
}

// Rows of width n from one pixel block to another. The caller has made sure
// the two do not overlap.
void copy_rows(std::uint8_t* to, int to_pitch, const std::uint8_t* from, int from_pitch, int n, int rows,
               bool keyed, std::uint8_t key) {
    for (int y = 0; y < rows; ++y, to += to_pitch, from += from_pitch) {
        if (keyed) keyed_row(to, from, n, key);
        else std::memcpy(to, from, std::size_t(n));
    }
}

}  // namespace

Surface::Surface(std::unique_ptr<Impl> impl)
    : impl_(std::move(impl)),
      width_(impl_->plain ? impl_->plain->w : kImageWidth),
      height_(impl_->plain ? impl_->plain->h : kImageHeight) {}

Surface::~Surface() = default;

HRESULT Surface::BltFast(int x, int y, Surface* src, const Rect* srcrect, std::uint32_t flags) {
    if (HRESULT r = CallFailure(Operation::Blt, DDERR_GENERIC, this)) return r;
    if (!src || !impl_->plain || !src->impl_->plain) return DDERR_INVALIDPARAMS;
    const Rect whole{0, 0, src->width(), src->height()};
    const Rect r = srcrect ? *srcrect : whole;
    if (!inside(r, src->width(), src->height())) return DDERR_INVALIDRECT;
    const Rect dst{x, y, x + (r.right - r.left), y + (r.bottom - r.top)};
    if (!inside(dst, width(), height())) return DDERR_INVALIDRECT;
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (w == 0 || h == 0) return DD_OK;
    const bool keyed = (flags & DDBLTFAST_SRCCOLORKEY) != 0;
    const IndexedImage& from = *src->impl_->plain;
    IndexedImage& to = *impl_->plain;
    const std::uint8_t* in = from.row(r.top) + r.left;
    std::uint8_t* out = to.row(y) + x;
    const bool overlap = src == this && r.left < dst.right && dst.left < r.right && r.top < dst.bottom &&
                         dst.top < r.bottom;
    if (overlap) {
        // A surface copied onto itself: the source is taken as it was before.
        std::vector<std::uint8_t> before(std::size_t(w) * h);
        copy_rows(before.data(), w, in, from.pitch, w, h, false, 0);
        copy_rows(out, to.pitch, before.data(), w, w, h, keyed, src->impl_->key);
    } else {
        copy_rows(out, to.pitch, in, from.pitch, w, h, keyed, src->impl_->key);
    }
    return DD_OK;
}

HRESULT Surface::ColorFill(std::uint8_t index) {
    if (HRESULT r = CallFailure(Operation::ColorFill, DDERR_GENERIC, this)) return r;
    if (!impl_->plain) return DDERR_GENERIC;
    // A byte per pixel: the fill is a memset per row, or one for the whole
    // surface when its rows lie end to end.
    IndexedImage& s = *impl_->plain;
    if (s.pitch == s.w) {
        std::memset(s.row(0), index, std::size_t(s.pitch) * std::size_t(s.h));
    } else {
        for (int y = 0; y < s.h; ++y) std::memset(s.row(y), index, std::size_t(s.w));
    }
    return DD_OK;
}

HRESULT Surface::Lock(const Rect* rect, SurfaceDesc* desc) {
    if (HRESULT r = CallFailure(Operation::SurfaceLock, DDERR_GENERIC, this)) return r;
    if (!desc || !impl_->plain) return DDERR_INVALIDPARAMS;
    const Rect r = rect ? *rect : Rect{0, 0, width(), height()};
    if (!inside(r, width(), height())) return DDERR_INVALIDRECT;
    desc->width = width();
    desc->height = height();
    desc->pitch = impl_->plain->pitch;
    desc->surface = impl_->plain->row(r.top) + r.left;
    return DD_OK;
}

HRESULT Surface::Unlock() { return DD_OK; }

HRESULT Surface::SetColorKey(std::uint8_t key) {
    if (CallFails(Operation::SetColorKey)) return DDERR_GENERIC;
    if (!impl_->plain) return DDERR_GENERIC;
    impl_->key = key;
    return DD_OK;
}

HRESULT Surface::IsLost() const { return lost_ ? DDERR_SURFACELOST : DD_OK; }

HRESULT Surface::Restore() {
    if (HRESULT r = CallFailure(Operation::SurfaceRestore, DDERR_GENERIC, this)) return r;
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
