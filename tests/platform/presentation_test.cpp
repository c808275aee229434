#include "platform/presentation.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(PresentationTest, ImageScalesByWholeFactorsCentredOrShrinksKeepingFourToThree) {
    const struct {
        int out_w, out_h;
        ViewRect want;
    } cases[] = {
        {1920, 1080, {320, 60, 1280, 960}},  // factor 2, letterboxed on all sides
        {2560, 1440, {320, 0, 1920, 1440}},  // the height limits the factor to 3
        {320, 480, {0, 120, 320, 240}},      // smaller than the image: fit the width
    };
    for (const auto& c : cases) {
        const ViewRect r = OutputRect(c.out_w, c.out_h);
        EXPECT_TRUE(r.x == c.want.x && r.y == c.want.y && r.w == c.want.w && r.h == c.want.h)
            << c.out_w << "x" << c.out_h << ": " << r.x << "," << r.y << " " << r.w << "x" << r.h;
    }
}

TEST(PresentationTest, PointsMapOntoImagePixelsAndClampAtTheBars) {
    // On the bars and off the window: clamped to the image's edge, so edge
    // scrolling works with the pointer on a bar.
    const struct {
        int out_w, out_h, ox, oy, ix, iy;
    } cases[] = {
        {1920, 1080, 321, 61, 0, 0},        {1920, 1080, 322, 62, 1, 1},     {1920, 1080, 1599, 1019, 639, 479},
        {1920, 1080, 319, 59, 0, 0},        {1920, 1080, -50, 5000, 0, 479}, {320, 240, 159, 119, 318, 238},
    };
    for (const auto& c : cases) {
        int x = -1, y = -1;
        OutputToImage(OutputRect(c.out_w, c.out_h), c.ox, c.oy, &x, &y);
        EXPECT_TRUE(x == c.ix && y == c.iy) << "at " << c.ox << "," << c.oy << ": " << x << "," << y;
    }
}

TEST(PresentationTest, ScreensOfPlayersAndHighDensityWindows) {
    // Output rectangle, mouse mapping and the pointer's rectangle together,
    // for the screens players have; a high-density window reports its size in
    // units of two pixels.
    const struct {
        int win_w, win_h, out_w, out_h;
        ViewRect picture, pointer;  // in output pixels, in window units
        int wx, wy, ix, iy;         // a window point and the image pixel under it
    } cases[] = {
        {640, 480, 640, 480, {0, 0, 640, 480}, {0, 0, 640, 480}, 639, 0, 639, 0},
        {1920, 1080, 1920, 1080, {320, 60, 1280, 960}, {320, 60, 1280, 960}, 1599, 1019, 639, 479},
        {3840, 2160, 3840, 2160, {640, 120, 2560, 1920}, {640, 120, 2560, 1920}, 643, 124, 0, 1},
        {2560, 1600, 2560, 1600, {320, 80, 1920, 1440}, {320, 80, 1920, 1440}, 2559, 80, 639, 0},
        {1280, 800, 2560, 1600, {320, 80, 1920, 1440}, {160, 40, 960, 720}, 640, 520, 320, 320},
        {1920, 1080, 3840, 2160, {640, 120, 2560, 1920}, {320, 60, 1280, 960}, 321, 61, 0, 0},
        {400, 300, 400, 300, {0, 0, 400, 300}, {0, 0, 400, 300}, 399, 299, 638, 478},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.win_w << "x" << c.win_h << " showing " << c.out_w << "x" << c.out_h);
        const ViewRect p = OutputRect(c.out_w, c.out_h);
        EXPECT_TRUE(p.x == c.picture.x && p.y == c.picture.y && p.w == c.picture.w && p.h == c.picture.h)
            << p.x << "," << p.y << " " << p.w << "x" << p.h;
        const ViewRect q = ImageRectInWindow(c.win_w, c.win_h, c.out_w, c.out_h);
        EXPECT_TRUE(q.x == c.pointer.x && q.y == c.pointer.y && q.w == c.pointer.w && q.h == c.pointer.h)
            << q.x << "," << q.y << " " << q.w << "x" << q.h;
        int x = -1, y = -1;
        WindowPointToImage(c.win_w, c.win_h, c.out_w, c.out_h, c.wx, c.wy, &x, &y);
        EXPECT_TRUE(x == c.ix && y == c.iy) << "at " << c.wx << "," << c.wy << ": " << x << "," << y;
    }
}
