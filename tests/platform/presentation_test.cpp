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
