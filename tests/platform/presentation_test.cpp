#include "platform/presentation.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace platform;

TEST(PresentationTest, ImageScalesByWholeFactorsCentredOrShrinksAndPointsClampAtTheBars) {
    const auto rect = [](const ViewRect& r) { return std::tuple(r.x, r.y, r.w, r.h); };
    // A high-density window reports its size in units of two pixels.
    // The picture in output pixels, the pointer's area in window units.
    const struct { int win_w, win_h, out_w, out_h; ViewRect picture, pointer; } screens[] = {
        {640, 480, 640, 480, {0, 0, 640, 480}, {0, 0, 640, 480}},
        {1920, 1080, 1920, 1080, {320, 60, 1280, 960}, {320, 60, 1280, 960}},  // factor 2, bars on all sides
        {2560, 1440, 2560, 1440, {320, 0, 1920, 1440}, {320, 0, 1920, 1440}},  // the height limits it to 3
        {320, 480, 320, 480, {0, 120, 320, 240}, {0, 120, 320, 240}},          // smaller: fit the width
        {3840, 2160, 3840, 2160, {640, 120, 2560, 1920}, {640, 120, 2560, 1920}},
        {2560, 1600, 2560, 1600, {320, 80, 1920, 1440}, {320, 80, 1920, 1440}},
        {1280, 800, 2560, 1600, {320, 80, 1920, 1440}, {160, 40, 960, 720}},
        {1920, 1080, 3840, 2160, {640, 120, 2560, 1920}, {320, 60, 1280, 960}},
        {400, 300, 400, 300, {0, 0, 400, 300}, {0, 0, 400, 300}},
    };
    for (const auto& s : screens) {
        SCOPED_TRACE(testing::Message() << s.win_w << "x" << s.win_h << " showing " << s.out_w << "x" << s.out_h);
        EXPECT_EQ(rect(OutputRect(s.out_w, s.out_h)), rect(s.picture));
        EXPECT_EQ(rect(ImageRectInWindow(s.win_w, s.win_h, s.out_w, s.out_h)), rect(s.pointer));
    }

    // Points on the bars and off the window clamp to the image's edge, so edge scrolling works there.
    const struct { int win_w, win_h, out_w, out_h, wx, wy, ix, iy; } points[] = {
        {640, 480, 640, 480, 639, 0, 639, 0},           {1920, 1080, 1920, 1080, 1599, 1019, 639, 479},
        {1920, 1080, 1920, 1080, 321, 61, 0, 0},        {1920, 1080, 1920, 1080, 322, 62, 1, 1},
        {1920, 1080, 1920, 1080, 319, 59, 0, 0},        {1920, 1080, 1920, 1080, -50, 5000, 0, 479},
        {320, 240, 320, 240, 159, 119, 318, 238},       {3840, 2160, 3840, 2160, 643, 124, 0, 1},
        {2560, 1600, 2560, 1600, 2559, 80, 639, 0},     {1280, 800, 2560, 1600, 640, 520, 320, 320},
        {1920, 1080, 3840, 2160, 321, 61, 0, 0},        {400, 300, 400, 300, 399, 299, 638, 478},
    };
    for (const auto& p : points) {
        int x = -1, y = -1;
        WindowPointToImage(p.win_w, p.win_h, p.out_w, p.out_h, p.wx, p.wy, &x, &y);
        EXPECT_TRUE(x == p.ix && y == p.iy) << p.win_w << "x" << p.win_h << " showing " << p.out_w << "x" << p.out_h
                                            << ", at " << p.wx << "," << p.wy << ": " << x << "," << y;
    }
}
