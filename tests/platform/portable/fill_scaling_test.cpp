// The sharp fill against a reference that weighs each image pixel by the area it covers of each output pixel.
#include "platform/portable/fill_scaling.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

using namespace platform;

namespace {

constexpr std::uint32_t kUntouched = 0xA5A5A5A5u;

struct Output {
    Output(int w, int h) : view{5, 3, w, h}, pitch((w + 13) * 4), pixels(std::size_t(pitch) * (h + 7) / 4, kUntouched) {}
    std::uint32_t at(int x, int y) const { return pixels[std::size_t(y) * pitch / 4 + x]; }
    PixelTarget target() { return {reinterpret_cast<std::uint8_t*>(pixels.data()), pitch, 4}; }
    ViewRect view;  // inside a larger output, off its corner
    int pitch;
    std::vector<std::uint32_t> pixels;
};

Output Scaled(const std::vector<std::uint8_t>& image, const std::uint32_t* lut, int w, int h) {
    Output out(w, h);
    FillScaler scaler;
    scaler.Plan(w, h);
    scaler.Convert(image.data(), kImageWidth, lut, out.target(), out.view, 0, h);
    return out;
}

// How much of output pixel [o, o + 1) the image pixel i covers, at `scale` output pixels an image pixel.
double Overlap(int i, int o, double scale) {
    return std::max(0.0, std::min((i + 1) * scale, o + 1.0) - std::max(i * scale, double(o)));
}

std::uint8_t Byte(std::uint32_t c, int b) { return std::uint8_t(c >> (8 * b)); }

}  // namespace

TEST(FillScalingTest, EveryOutputPixelIsTheAreaWeightedImageWithinOneOneColourStaysOneAndNothingOutsideIsWritten) {
    std::vector<std::uint8_t> image(std::size_t(kImageWidth) * kImageHeight);
    std::uint32_t seed = 7;
    auto next = [&] { return seed = seed * 1103515245u + 12345u, seed >> 8; };
    for (auto& p : image) p = std::uint8_t(next());
    std::uint32_t lut[256];
    for (auto& c : lut) c = next() ^ next() << 16;

    // Factors 1.6, 2.25, 3.375 and 4.5, and odd sizes whose two axes differ a little.
    for (auto [w, h] : {std::pair{1024, 768}, {1440, 1080}, {2160, 1620}, {2880, 2160}, {1001, 751}, {1067, 800}}) {
        SCOPED_TRACE(testing::Message() << w << "x" << h);
        const Output out = Scaled(image, lut, w, h);
        const double sx = double(w) / kImageWidth, sy = double(h) / kImageHeight;
        int wrong = 0;
        for (int y = -out.view.y; y < h + 4; ++y) {
            for (int x = -out.view.x; x < w + 13 - out.view.x; ++x) {
                const std::uint32_t got = out.at(out.view.x + x, out.view.y + y);
                if (x < 0 || y < 0 || x >= w || y >= h) {
                    if (got != kUntouched && ++wrong <= 3) ADD_FAILURE() << "written outside at " << x << "," << y;
                    continue;
                }
                // Every output pixel lies over at most two image pixels each way.
                const int ix = int(x / sx), iy = int(y / sy);
                for (int b = 0; b < 4; ++b) {
                    double want = 0;
                    for (int j = iy; j <= std::min(iy + 1, kImageHeight - 1); ++j)
                        for (int i = ix; i <= std::min(ix + 1, kImageWidth - 1); ++i)
                            want += Overlap(i, x, sx) * Overlap(j, y, sy) * Byte(lut[image[j * kImageWidth + i]], b);
                    if (std::abs(Byte(got, b) - want) > 1.0 + 1e-9 && ++wrong <= 3)
                        ADD_FAILURE() << "pixel " << x << "," << y << " byte " << b << ": " << int(Byte(got, b))
                                      << ", want " << want;
                }
            }
        }
        EXPECT_EQ(wrong, 0);

        // One colour stays exactly that colour, blended rows and columns included.
        const Output plain = Scaled(std::vector<std::uint8_t>(image.size(), 2), lut, w, h);
        for (int y = 0; y < h && wrong == 0; ++y)
            for (int x = 0; x < w; ++x) wrong += plain.at(plain.view.x + x, plain.view.y + y) != lut[2];
        EXPECT_EQ(wrong, 0) << "a one-colour image changed";
    }
}

TEST(FillScalingTest, SinglePixelsBecomeEvenBlocksWithOneBlendBetween) {
    std::uint32_t lut[256] = {};
    lut[1] = 0xFFFFFFFFu;
    // From twice the size on: below it some image pixels are all blend (at 1.6 the third covers 3.2 to 4.8).
    for (auto [w, h] : {std::pair{1440, 1080}, {2160, 1620}, {2880, 2160}, {1280, 960}, {1360, 1020}}) {
        SCOPED_TRACE(testing::Message() << w << "x" << h);
        const double sx = double(w) / kImageWidth, sy = double(h) / kImageHeight;
        // A checkerboard of black and white image pixels. Along a row or a column of the output the colours run
        // in blocks of whole pixels, never two blends side by side, and each block with the blends' shares beside
        // it makes up one image pixel: k output pixels, k the factor.
        std::vector<std::uint8_t> board(std::size_t(kImageWidth) * kImageHeight);
        for (int y = 0; y < kImageHeight; ++y)
            for (int x = 0; x < kImageWidth; ++x) board[std::size_t(y) * kImageWidth + x] = std::uint8_t((x + y) & 1);
        const Output out = Scaled(board, lut, w, h);
        auto check_line = [&](int n, double k, auto pixel) {
            std::vector<double> white(n);  // each pixel's share of white
            for (int i = 0; i < n; ++i) white[i] = (pixel(i) & 0xFF) / 255.0;
            int problems = 0;
            for (int i = 0, start = 0; i < n; ++i) {
                const bool pure = white[i] == 0 || white[i] == 1;
                if (!pure && i + 1 < n && white[i + 1] != 0 && white[i + 1] != 1) ++problems;
                if (!pure || (i + 1 < n && white[i + 1] == white[i])) continue;
                // [start, i] is a block; blends on either side add their share of its colour.
                const double own = white[i];
                double size = i - start + 1;
                if (start > 0 && white[start - 1] != 1 - own) size += 1 - std::abs(white[start - 1] - own);
                if (i + 1 < n && white[i + 1] != 1 - own) size += 1 - std::abs(white[i + 1] - own);
                if (std::abs(size - k) > 0.02 || i - start + 1 > std::ceil(k)) ++problems;
                start = i + 1 + (i + 1 < n && white[i + 1] != 1 - own);
            }
            return problems;
        };
        const int rows = check_line(w, sx, [&](int i) { return out.at(out.view.x + i, out.view.y + h / 2); });
        const int columns = check_line(h, sy, [&](int i) { return out.at(out.view.x + w / 3, out.view.y + i); });
        EXPECT_EQ(std::pair(rows, columns), std::pair(0, 0));
    }
}
