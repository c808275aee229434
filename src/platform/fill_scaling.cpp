#include "platform/fill_scaling.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace platform {
namespace {

constexpr std::uint32_t kAlone = 65536;

// Where output pixel j of an axis of `out` pixels showing `image` pixels
// takes its colour: the image pixel under its first edge, and that pixel's
// share of it in 65536ths (kAlone when it covers the whole output pixel).
// Every output pixel is at most as wide as an image pixel, so the rest of
// it, if any, is the next image pixel's.
struct Source {
    int pixel;
    std::uint32_t share;
};

Source source(int j, int image, int out) {
    const int pixel = int((long long)j * image / out);
    // The part of [j, j + 1) left of the pixel's far edge, in 1/image units.
    const long long covered = (long long)(pixel + 1) * out - (long long)j * image;
    if (covered >= image) return {pixel, kAlone};
    // Neither share may round to nothing or to the whole.
    const long long share = (covered * 65536 + image / 2) / image;
    return {pixel, std::uint32_t(std::clamp(share, 1LL, 65535LL))};
}

// a * share + b * (1 - share), each of the four bytes rounded.
std::uint32_t blend_pixel(std::uint32_t a, std::uint32_t b, std::uint32_t share) {
    std::uint32_t blended = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const std::uint32_t ca = (a >> shift) & 0xFF, cb = (b >> shift) & 0xFF;
        blended |= ((ca * share + cb * (kAlone - share) + 32768) >> 16) << shift;
    }
    return blended;
}

#if defined(__SSE2__)
// Four pixels blended by shares given per byte: a byte moved to the top of
// 16 bits times a share keeps the top 16 bits of the product, which is the
// byte's weighted value in 256ths; the two are added and rounded.
inline __m128i blend_four(__m128i a, __m128i b, __m128i own_lo, __m128i own_hi, __m128i next_lo, __m128i next_hi) {
    const __m128i zero = _mm_setzero_si128(), half = _mm_set1_epi16(128);
    __m128i lo = _mm_add_epi16(_mm_mulhi_epu16(_mm_unpacklo_epi8(zero, a), own_lo),
                               _mm_mulhi_epu16(_mm_unpacklo_epi8(zero, b), next_lo));
    __m128i hi = _mm_add_epi16(_mm_mulhi_epu16(_mm_unpackhi_epi8(zero, a), own_hi),
                               _mm_mulhi_epu16(_mm_unpackhi_epi8(zero, b), next_hi));
    lo = _mm_srli_epi16(_mm_add_epi16(lo, half), 8);
    hi = _mm_srli_epi16(_mm_add_epi16(hi, half), 8);
    return _mm_packus_epi16(lo, hi);
}
#endif

// The output is read next by the display, from another core: stores that
// bypass the cache hand it over without pulling each line of it in first.
// Pixels before the first 16-byte boundary and after the last are stored
// one by one.
void copy_row(const std::uint32_t* from, std::uint32_t* to, int n) {
#if defined(__SSE2__)
    int i = 0;
    for (; i < n && (reinterpret_cast<std::uintptr_t>(to + i) & 15) != 0; ++i) to[i] = from[i];
    for (; i + 4 <= n; i += 4)
        _mm_stream_si128(reinterpret_cast<__m128i*>(to + i), _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + i)));
    for (; i < n; ++i) to[i] = from[i];
#else
    std::memcpy(to, from, std::size_t(n) * 4);
#endif
}

void blend_rows(const std::uint32_t* a, const std::uint32_t* b, std::uint32_t share, std::uint32_t* to, int n) {
    int i = 0;
#if defined(__SSE2__)
    const __m128i own = _mm_set1_epi16(short(share)), next = _mm_set1_epi16(short(kAlone - share));
    for (; i < n && (reinterpret_cast<std::uintptr_t>(to + i) & 15) != 0; ++i) to[i] = blend_pixel(a[i], b[i], share);
    for (; i + 4 <= n; i += 4) {
        const __m128i pa = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + i));
        const __m128i pb = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + i));
        _mm_stream_si128(reinterpret_cast<__m128i*>(to + i), blend_four(pa, pb, own, own, next, next));
    }
#endif
    for (; i < n; ++i) to[i] = blend_pixel(a[i], b[i], share);
}

}  // namespace

void FillScaler::Plan(int w, int h) {
    width_ = 0;
    whole_factor_ = 0;
    rows_.clear();
    wide_row_[0] = wide_row_[1] = -1;
    if (w < kImageWidth || h < kImageHeight) return;
    width_ = w;
    if (w % kImageWidth == 0 && w / kImageWidth * kImageHeight == h) whole_factor_ = w / kImageWidth;

    std::fill(columns_.begin(), columns_.end(), Column{0, 0, 0});
    for (int j = 0; j < w; ++j) {
        const Source s = source(j, kImageWidth, w);
        if (s.share == kAlone) ++columns_[s.pixel].alone;
        else columns_[s.pixel].share = std::uint16_t(s.share);
    }
    longest_run_ = 0;
    for (int x = 0, start = 0; x < kImageWidth; ++x) {
        columns_[x].start = start;
        start += columns_[x].alone + (columns_[x].share != 0);
        longest_run_ = std::max<int>(longest_run_, columns_[x].alone);
    }
    for (int x = 0; x < kImageWidth; ++x) {
        const std::uint16_t own = columns_[x].share, next = own ? std::uint16_t(kAlone - own) : 0;
        std::fill_n(&own_share_[std::size_t(x) * 4], 4, own);
        std::fill_n(&next_share_[std::size_t(x) * 4], 4, next);
    }

    rows_.resize(std::size_t(h));
    first_row_.assign(kImageHeight, h);
    end_row_.assign(kImageHeight, 0);
    auto touches = [&](int image_row, int r) {
        first_row_[image_row] = std::min(first_row_[image_row], r);
        end_row_[image_row] = std::max(end_row_[image_row], r + 1);
    };
    for (int r = 0; r < h; ++r) {
        const Source s = source(r, kImageHeight, h);
        rows_[r] = {s.pixel, s.share};
        touches(s.pixel, r);
        if (s.share != kAlone) touches(s.pixel + 1, r);
    }
    // Room for the widening's last stores, which may reach past the row.
    for (auto& wide : wide_) wide.assign(std::size_t(w) + 8, 0);
}

void FillScaler::OutputRows(int first, int end, int* out_first, int* out_end) const {
    *out_first = *out_end = 0;
    if (rows_.empty() || first < 0 || end > kImageHeight || first >= end) return;
    *out_first = first_row_[first];
    *out_end = end_row_[end - 1];
}

// One image row through the table, then widened to the view's width: each
// pixel's run of output columns, and after it the column it shares with
// the next pixel, if any.
void FillScaler::widen(const std::uint8_t* in, const std::uint32_t* lut, std::uint32_t* out) {
    ConvertImageRow(in, lut, reinterpret_cast<std::uint8_t*>(colours_.data()));
    colours_[kImageWidth] = colours_[kImageWidth - 1];
    // Every column's blend with the next, needed or not: four at a time
    // that is cheaper than picking out the ones that are.
    int x = 0;
#if defined(__SSE2__)
    for (; x < kImageWidth; x += 4) {
        auto vec = [](const void* p) { return _mm_loadu_si128(static_cast<const __m128i*>(p)); };
        const std::uint16_t* own = &own_share_[std::size_t(x) * 4];
        const std::uint16_t* next = &next_share_[std::size_t(x) * 4];
        _mm_storeu_si128(reinterpret_cast<__m128i*>(&blends_[x]),
                         blend_four(vec(&colours_[x]), vec(&colours_[x + 1]), vec(own), vec(own + 8), vec(next),
                                    vec(next + 8)));
    }
#endif
    for (; x < kImageWidth; ++x) blends_[x] = blend_pixel(colours_[x], colours_[x + 1], columns_[x].share);

    // Each run written whole in stores of four pixels; what they write past
    // the run, and the blend where there is none, the next run overwrites.
    // The runs' places are planned, so that no store waits for the last.
    // Local pointers: the compiler cannot tell that the output does not
    // overlap the members it would otherwise read again after each store.
    const Column* columns = columns_.data();
    const std::uint32_t* colours = colours_.data();
    const std::uint32_t* blends = blends_.data();
#if defined(__SSE2__)
    if (longest_run_ <= 4) {
        for (x = 0; x < kImageWidth; ++x) {
            const Column c = columns[x];
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + c.start), _mm_set1_epi32(int(colours[x])));
            out[c.start + c.alone] = blends[x];
        }
        return;
    }
#endif
    for (x = 0; x < kImageWidth; ++x) {
        const Column c = columns[x];
        std::fill_n(out + c.start, c.alone, colours[x]);
        out[c.start + c.alone] = blends[x];
    }
}

const std::uint32_t* FillScaler::widened(const std::uint8_t* image, int image_pitch, const std::uint32_t* lut,
                                         int row, int keep) {
    for (int i = 0; i < 2; ++i)
        if (wide_row_[i] == row) return wide_[i].data();
    const int slot = wide_row_[0] == keep ? 1 : 0;
    widen(image + std::size_t(row) * image_pitch, lut, wide_[slot].data());
    wide_row_[slot] = row;
    return wide_[slot].data();
}

void FillScaler::Convert(const std::uint8_t* image, int image_pitch, const std::uint32_t* lut, const PixelTarget& out,
                         const ViewRect& view, int out_first, int out_end) {
    if (view.w != width_ || view.h != Height() || width_ == 0 || out.bytes_per_pixel != 4) return;
    out_first = std::max(out_first, 0);
    out_end = std::min(out_end, view.h);
    if (out_first >= out_end) return;
    if (whole_factor_) {
        ConvertScaledRows(image, image_pitch, lut, out, view, out_first / whole_factor_,
                          (out_end - out_first) / whole_factor_);
        return;
    }
    // The image has changed since the last call.
    wide_row_[0] = wide_row_[1] = -1;
    for (int r = out_first; r < out_end; ++r) {
        auto* to = reinterpret_cast<std::uint32_t*>(out.pixels + std::size_t(view.y + r) * out.pitch +
                                                     std::size_t(view.x) * 4);
        const Row& row = rows_[r];
        if (row.share == kAlone) {
            copy_row(widened(image, image_pitch, lut, row.image_row, -1), to, view.w);
        } else {
            const std::uint32_t* top = widened(image, image_pitch, lut, row.image_row, row.image_row + 1);
            const std::uint32_t* bottom = widened(image, image_pitch, lut, row.image_row + 1, row.image_row);
            blend_rows(top, bottom, row.share, to, view.w);
        }
    }
#if defined(__SSE2__)
    // Streamed rows are in memory before the display is told to read them.
    _mm_sfence();
#endif
}

}  // namespace platform
