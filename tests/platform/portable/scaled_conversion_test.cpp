#include "platform/portable/scaled_conversion.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

using namespace platform;

namespace {

// Converted into rows wider than the picture, every pixel checked against the image pixel whose area
// holds its centre, and the border and padding left untouched.
void CheckOutput(int out_w, int out_h, int bpp) {
    SCOPED_TRACE(testing::Message() << out_w << "x" << out_h << " at " << bpp << " bytes a pixel");
    // Neighbouring pixels differ.
    std::vector<std::uint8_t> image(std::size_t(kImageWidth) * kImageHeight);
    for (int y = 0; y < kImageHeight; ++y)
        for (int x = 0; x < kImageWidth; ++x) image[std::size_t(y) * kImageWidth + x] = std::uint8_t(x * 7 + y * 13);
    std::uint32_t lut[256];
    // Each index a distinct colour with all four bytes in use.
    for (int i = 0; i < 256; ++i) lut[i] = 0x80000000u | std::uint32_t(i) * 0x010307u;
    const int pitch = out_w * bpp + 12;
    const std::uint8_t kUntouched = 0xA5;
    std::vector<std::uint8_t> out(std::size_t(pitch) * out_h, kUntouched);
    const ViewRect view = OutputRect(out_w, out_h, Scaling::WholeFactors);
    ConvertScaled(image.data(), kImageWidth, lut, {out.data(), pitch, bpp}, view);

    int wrong = 0;
    for (int y = 0; y < out_h; ++y) {
        for (int x = 0; x < out_w; ++x) {
            const std::uint8_t* p = out.data() + std::size_t(y) * pitch + std::size_t(x) * bpp;
            const bool inside = x >= view.x && x < view.x + view.w && y >= view.y && y < view.y + view.h;
            std::uint32_t want = 0xA5A5A5A5u, got = 0xA5A5A5A5u;
            if (inside) {
                const int ix = int((2LL * (x - view.x) + 1) * kImageWidth / (2LL * view.w));
                const int iy = int((2LL * (y - view.y) + 1) * kImageHeight / (2LL * view.h));
                want = lut[image[std::size_t(iy) * kImageWidth + ix]];
            }
            std::memcpy(&got, p, bpp);
            if (bpp < 4) want &= (1u << (8 * bpp)) - 1, got &= (1u << (8 * bpp)) - 1;
            if (got != want && ++wrong <= 3) ADD_FAILURE() << "pixel " << x << "," << y << ": " << got << " want " << want;
        }
        // The padding past each row is never written.
        for (int i = out_w * bpp; i < pitch; ++i) ASSERT_EQ(out[std::size_t(y) * pitch + i], kUntouched) << "row " << y;
    }
    EXPECT_EQ(wrong, 0);
}

}  // namespace

TEST(ScaledConversionTest, WholeFactorsOtherSizesAndPixelWidthsMatchTheNearestPixelReference) {
    // The image's size, 2x with bars all round, 3x, 4x, smaller at odd sizes; then narrower pixels.
    for (auto [w, h, bpp] : {std::array{640, 480, 4}, {1920, 1080, 4}, {2000, 1500, 4}, {2600, 1950, 4}, {500, 301, 4},
                             {1920, 1080, 2}, {1280, 960, 3}})
        CheckOutput(w, h, bpp);
}
