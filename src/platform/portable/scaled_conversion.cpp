#include "platform/portable/scaled_conversion.h"

#include <cstring>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace platform {
namespace {

// One image row widened by the factor k into 32-bit pixels, with stores as
// wide as the widening allows (two pixels at once for 2, four for 4).
void widen_row(const std::uint8_t* in, const std::uint32_t* lut, std::uint8_t* out, int k) {
    if (k == 2) {
        for (int x = 0; x < kImageWidth; ++x) {
            const std::uint64_t c = lut[in[x]];
            const std::uint64_t pair = c | c << 32;
            std::memcpy(out + 8 * x, &pair, 8);
        }
    } else if (k == 4) {
        for (int x = 0; x < kImageWidth; ++x) {
            const std::uint64_t c = lut[in[x]];
            const std::uint64_t quad[2] = {c | c << 32, c | c << 32};
            std::memcpy(out + 16 * x, quad, 16);
        }
    } else {
        for (int x = 0; x < kImageWidth; ++x) {
            const std::uint32_t c = lut[in[x]];
            for (int i = 0; i < k; ++i, out += 4) std::memcpy(out, &c, 4);
        }
    }
}

// A widened row, still in the cache, written `count` times down the output.
// The display reads the output next, from another core: stores that bypass
// the cache hand it over without first pulling every line of it back from
// there (a quarter less processor time at 4x on the screen, in this game).
bool stream_rows(const std::uint8_t* row, std::size_t bytes, std::uint8_t* out, int pitch, int count) {
#if defined(__SSE2__)
    if ((reinterpret_cast<std::uintptr_t>(out) | std::uintptr_t(pitch) | bytes) % 16 != 0) return false;
    const auto* src = reinterpret_cast<const __m128i*>(row);
    for (int i = 0; i < count; ++i) {
        auto* dst = reinterpret_cast<__m128i*>(out + std::size_t(i) * pitch);
        for (std::size_t n = 0; n < bytes / 16; ++n) _mm_stream_si128(dst + n, _mm_load_si128(src + n));
    }
    return true;
#else
    (void)row, (void)bytes, (void)out, (void)pitch, (void)count;
    return false;
#endif
}

void whole_factor(const std::uint8_t* image, int image_pitch, const std::uint32_t* lut, std::uint8_t* out,
                  int pitch, int k, int first, int end) {
    if (k == 1) {
        for (int y = first; y < end; ++y)
            ConvertImageRow(image + std::size_t(y) * image_pitch, lut, out + std::size_t(y) * pitch);
        return;
    }
    const std::size_t row_bytes = std::size_t(kImageWidth) * k * 4;
    std::vector<std::uint64_t> storage(row_bytes / 8 + 2);
    auto* wide = reinterpret_cast<std::uint8_t*>((reinterpret_cast<std::uintptr_t>(storage.data()) + 15) & ~std::uintptr_t(15));
    for (int y = first; y < end; ++y) {
        std::uint8_t* rows = out + std::size_t(y) * k * pitch;
        widen_row(image + std::size_t(y) * image_pitch, lut, wide, k);
        if (stream_rows(wide, row_bytes, rows, pitch, k)) continue;
        for (int i = 0; i < k; ++i) std::memcpy(rows + std::size_t(i) * pitch, wide, row_bytes);
    }
#if defined(__SSE2__)
    // Streamed rows are in memory before the display is told to read them.
    _mm_sfence();
#endif
}

// Any size and pixel width: each output pixel takes the image pixel under its
// centre, so the picture is neither shifted nor cut at its right or bottom.
void nearest(const std::uint8_t* image, int image_pitch, const std::uint32_t* lut, const PixelTarget& out,
             const ViewRect& view) {
    std::vector<int> source_x(view.w);
    for (int x = 0; x < view.w; ++x) source_x[x] = int((2LL * x + 1) * kImageWidth / (2LL * view.w));
    const int bpp = out.bytes_per_pixel;
    for (int y = 0; y < view.h; ++y) {
        const std::uint8_t* in = image + std::size_t((2LL * y + 1) * kImageHeight / (2LL * view.h)) * image_pitch;
        std::uint8_t* row = out.pixels + std::size_t(view.y + y) * out.pitch + std::size_t(view.x) * bpp;
        for (int x = 0; x < view.w; ++x) {
            // Little-endian: the pixel's bytes are the table entry's low ones.
            const std::uint32_t c = lut[in[source_x[x]]];
            std::memcpy(row + std::size_t(x) * bpp, &c, bpp);
        }
    }
}

// One colour from the table into its place: `shift` picks the index out of
// eight read at once.
inline void put_colour(std::uint8_t* to, const std::uint32_t* lut, std::uint64_t eight, int shift) {
    std::memcpy(to, &lut[(eight >> shift) & 0xFF], 4);
}

}  // namespace

// Eight indices read at once and each colour stored by itself, written out
// so that every shift is a constant: as a loop over four or eight indices
// it took 1.6 to 3 times as long.
void ConvertImageRow(const std::uint8_t* in, const std::uint32_t* lut, std::uint8_t* out) {
    for (int x = 0; x < kImageWidth; x += 8, out += 32) {
        std::uint64_t eight;
        std::memcpy(&eight, in + x, 8);
        put_colour(out, lut, eight, 0);
        put_colour(out + 4, lut, eight, 8);
        put_colour(out + 8, lut, eight, 16);
        put_colour(out + 12, lut, eight, 24);
        put_colour(out + 16, lut, eight, 32);
        put_colour(out + 20, lut, eight, 40);
        put_colour(out + 24, lut, eight, 48);
        put_colour(out + 28, lut, eight, 56);
    }
}

bool IsWholeFactorView(const PixelTarget& out, const ViewRect& view) {
    const int k = view.w / kImageWidth;
    return out.bytes_per_pixel == 4 && k >= 1 && view.w == k * kImageWidth && view.h == k * kImageHeight;
}

void ConvertScaledRows(const std::uint8_t* image, int image_pitch, const std::uint32_t* lut, const PixelTarget& out,
                       const ViewRect& view, int first, int count) {
    if (!IsWholeFactorView(out, view) || first < 0 || count <= 0 || first + count > kImageHeight) return;
    std::uint8_t* top_left = out.pixels + std::size_t(view.y) * out.pitch + std::size_t(view.x) * 4;
    whole_factor(image, image_pitch, lut, top_left, out.pitch, view.w / kImageWidth, first, first + count);
}

void ConvertScaled(const std::uint8_t* image, int image_pitch, const std::uint32_t* lut, const PixelTarget& out,
                   const ViewRect& view) {
    if (view.w <= 0 || view.h <= 0) return;
    if (IsWholeFactorView(out, view)) ConvertScaledRows(image, image_pitch, lut, out, view, 0, kImageHeight);
    else nearest(image, image_pitch, lut, out, view);
}

}  // namespace platform
