#include "platform/scaled_conversion.h"

#include <cstring>
#include <vector>

namespace platform {
namespace {

// One image row widened by the factor K into 32-bit pixels. The stores are as
// wide as the widening allows: two pixels at once for 2, four for 4, which
// the compiler turns into single vector stores.
template <int K>
void widen_row(const std::uint8_t* in, const std::uint32_t* lut, std::uint8_t* out) {
    for (int x = 0; x < kImageWidth; ++x) {
        const std::uint64_t c = lut[in[x]];
        if constexpr (K == 1) {
            const std::uint32_t c32 = std::uint32_t(c);
            std::memcpy(out + 4 * x, &c32, 4);
        } else if constexpr (K == 2) {
            const std::uint64_t pair = c | c << 32;
            std::memcpy(out + 8 * x, &pair, 8);
        } else if constexpr (K == 4) {
            const std::uint64_t pair[2] = {c | c << 32, c | c << 32};
            std::memcpy(out + 16 * x, pair, 16);
        }
    }
}

void widen_row_any(const std::uint8_t* in, const std::uint32_t* lut, std::uint8_t* out, int k) {
    for (int x = 0; x < kImageWidth; ++x) {
        const std::uint32_t c = lut[in[x]];
        for (int i = 0; i < k; ++i, out += 4) std::memcpy(out, &c, 4);
    }
}

void whole_factor(const std::uint8_t* image, int image_pitch, const std::uint32_t* lut, std::uint8_t* out,
                  int pitch, int k) {
    const std::size_t row_bytes = std::size_t(kImageWidth) * k * 4;
    for (int y = 0; y < kImageHeight; ++y) {
        const std::uint8_t* in = image + std::size_t(y) * image_pitch;
        std::uint8_t* first = out + std::size_t(y) * k * pitch;
        switch (k) {
            case 1: widen_row<1>(in, lut, first); break;
            case 2: widen_row<2>(in, lut, first); break;
            case 4: widen_row<4>(in, lut, first); break;
            default: widen_row_any(in, lut, first, k); break;
        }
        for (int i = 1; i < k; ++i) std::memcpy(first + std::size_t(i) * pitch, first, row_bytes);
    }
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

}  // namespace

void ConvertScaled(const std::uint8_t* image, int image_pitch, const std::uint32_t* lut, const PixelTarget& out,
                   const ViewRect& view) {
    if (view.w <= 0 || view.h <= 0) return;
    const int k = view.w / kImageWidth;
    if (out.bytes_per_pixel == 4 && k >= 1 && view.w == k * kImageWidth && view.h == k * kImageHeight) {
        std::uint8_t* first = out.pixels + std::size_t(view.y) * out.pitch + std::size_t(view.x) * 4;
        whole_factor(image, image_pitch, lut, first, out.pitch, k);
    } else {
        nearest(image, image_pitch, lut, out, view);
    }
}

}  // namespace platform
