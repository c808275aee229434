#include "platform/portable/presentation.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <tuple>

using namespace platform;

namespace {

auto rect(const ViewRect& r) { return std::tuple(r.x, r.y, r.w, r.h); }

}  // namespace

TEST(PresentationTest, WholeFactorsCentreTheImageOrShrinkItAndPointsClampAtTheBars) {
    // A high-density window reports its size in units of two pixels.
    // The picture in output pixels, the pointer's area in window units.
    const struct { int win_w, win_h, out_w, out_h; ViewRect picture, pointer; } screens[] = {
        {640, 480, 640, 480, {0, 0, 640, 480}, {0, 0, 640, 480}},
        {1920, 1080, 1920, 1080, {320, 60, 1280, 960}, {320, 60, 1280, 960}},  // factor 2, bars on all sides
        {2560, 1440, 2560, 1440, {320, 0, 1920, 1440}, {320, 0, 1920, 1440}},  // the height limits it to 3
        {320, 480, 320, 480, {0, 120, 320, 240}, {0, 120, 320, 240}},          // smaller: fit the width
        {3840, 2160, 3840, 2160, {640, 120, 2560, 1920}, {640, 120, 2560, 1920}},
        {1280, 800, 2560, 1600, {320, 80, 1920, 1440}, {160, 40, 960, 720}},
        {1920, 1080, 3840, 2160, {640, 120, 2560, 1920}, {320, 60, 1280, 960}},
        {400, 300, 400, 300, {0, 0, 400, 300}, {0, 0, 400, 300}},
    };
    for (const auto& s : screens) {
        SCOPED_TRACE(testing::Message() << s.win_w << "x" << s.win_h << " showing " << s.out_w << "x" << s.out_h);
        EXPECT_EQ(rect(OutputRect(s.out_w, s.out_h, Scaling::WholeFactors)), rect(s.picture));
        EXPECT_EQ(rect(ImageRectInWindow(s.win_w, s.win_h, s.out_w, s.out_h, Scaling::WholeFactors)), rect(s.pointer));
    }

    // Points on the bars and off the window clamp to the image's edge, so edge scrolling works there.
    const struct { int win_w, win_h, out_w, out_h, wx, wy, ix, iy; } points[] = {
        {640, 480, 640, 480, 639, 0, 639, 0},           {1920, 1080, 1920, 1080, 1599, 1019, 639, 479},
        {1920, 1080, 1920, 1080, 321, 61, 0, 0},        {1920, 1080, 1920, 1080, 322, 62, 1, 1},
        {1920, 1080, 1920, 1080, 319, 59, 0, 0},        {1920, 1080, 1920, 1080, -50, 5000, 0, 479},
        {320, 240, 320, 240, 159, 119, 318, 238},       {3840, 2160, 3840, 2160, 643, 124, 0, 1},
        {1280, 800, 2560, 1600, 640, 520, 320, 320},    {1920, 1080, 3840, 2160, 321, 61, 0, 0},
    };
    for (const auto& p : points) {
        int x = -1, y = -1;
        WindowPointToImage(p.win_w, p.win_h, p.out_w, p.out_h, Scaling::WholeFactors, p.wx, p.wy, &x, &y);
        EXPECT_TRUE(x == p.ix && y == p.iy) << p.win_w << "x" << p.win_h << " showing " << p.out_w << "x" << p.out_h
                                            << ", at " << p.wx << "," << p.wy << ": " << x << "," << y;
    }
}

TEST(PresentationTest, FillTakesTheLimitingSideWithFourToThreeKeptAndMapsItsCornersOntoTheImagesCorners) {
    // Laptops, handhelds, the common desktop sizes, 4K, and a 5:4 screen limited by its width.
    const struct { int w, h; ViewRect picture; } screens[] = {
        {1366, 768, {171, 0, 1024, 768}},   {1280, 800, {106, 0, 1067, 800}}, {1920, 1080, {240, 0, 1440, 1080}},
        {2560, 1440, {320, 0, 1920, 1440}}, {3840, 2160, {480, 0, 2880, 2160}}, {1280, 1024, {0, 32, 1280, 960}},
        {1536, 864, {192, 0, 1152, 864}},   {1001, 751, {0, 0, 1001, 751}},    {390, 844, {0, 275, 390, 293}},
    };
    for (const auto& s : screens) {
        SCOPED_TRACE(testing::Message() << s.w << "x" << s.h);
        const ViewRect r = OutputRect(s.w, s.h, Scaling::Fill);
        EXPECT_EQ(rect(r), rect(s.picture));
        EXPECT_TRUE(r.w == s.w || r.h == s.h);
        EXPECT_LE(std::abs(r.w * 3 - r.h * 4), 4) << "4:3 within a pixel";
        // The picture's first and last output pixels are the image's first and last pixels, where it is no smaller.
        if (r.w < kImageWidth) continue;
        int x0, y0, x1, y1;
        WindowPointToImage(s.w, s.h, s.w, s.h, Scaling::Fill, r.x, r.y, &x0, &y0);
        WindowPointToImage(s.w, s.h, s.w, s.h, Scaling::Fill, r.x + r.w - 1, r.y + r.h - 1, &x1, &y1);
        EXPECT_EQ(std::tuple(x0, y0, x1, y1), std::tuple(0, 0, 639, 479));
    }
    // A whole factor fills exactly as whole factors do.
    EXPECT_EQ(rect(OutputRect(1920, 1440, Scaling::Fill)), rect(OutputRect(1920, 1440, Scaling::WholeFactors)));

    // High-density: a 1366 x 768 window of twice as many pixels; the pointer's area is in window units.
    EXPECT_EQ(rect(ImageRectInWindow(1366, 768, 2732, 1536, Scaling::Fill)), rect(ViewRect{171, 0, 1024, 768}));
    int x, y;
    WindowPointToImage(1366, 768, 2732, 1536, Scaling::Fill, 1194, 767, &x, &y);
    EXPECT_EQ(std::pair(x, y), std::pair(639, 479));
    WindowPointToImage(1366, 768, 2732, 1536, Scaling::Fill, 683, 384, &x, &y);
    EXPECT_EQ(std::pair(x, y), std::pair(320, 240));
}

TEST(PresentationTest, TheFirstWindowTakesTheLargestWholeFactorThatFitsWithItsFrame) {
    // Usable areas: below a panel, with and without one, 4K, and smaller than a 640 x 480 window.
    const struct { int w, h, factor; } desktops[] = {
        {1366, 736, 1}, {1920, 1080, 2}, {1920, 1040, 2}, {1920, 1000, 1}, {2560, 1400, 2},
        {2560, 1600, 3}, {3840, 2112, 4}, {800, 500, 1},
    };
    for (const auto& d : desktops) EXPECT_EQ(FirstWindowFactor(d.w, d.h), d.factor) << d.w << "x" << d.h;
}
