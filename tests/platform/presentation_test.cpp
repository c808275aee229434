#include "platform/presentation.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(PresentationTest, ImageScalesByWholeFactorsCentredOrShrinksKeepingFourToThree) {
    struct Case {
        int out_w, out_h;
        ViewRect want;
    };
    const Case cases[] = {
        {640, 480, {0, 0, 640, 480}},
        {1920, 1080, {320, 60, 1280, 960}},   // factor 2, letterboxed on all sides
        {1280, 1024, {0, 32, 1280, 960}},
        {2560, 1440, {320, 0, 1920, 1440}},   // the height limits the factor to 3
        {800, 600, {80, 60, 640, 480}},
        {320, 480, {0, 120, 320, 240}},        // smaller than the image: fit the width
        {640, 240, {160, 0, 320, 240}},        // fit the height
    };
    for (const Case& c : cases) {
        ViewRect r = OutputRect(c.out_w, c.out_h);
        EXPECT_EQ(r.x, c.want.x) << c.out_w << "x" << c.out_h;
        EXPECT_EQ(r.y, c.want.y) << c.out_w << "x" << c.out_h;
        EXPECT_EQ(r.w, c.want.w) << c.out_w << "x" << c.out_h;
        EXPECT_EQ(r.h, c.want.h) << c.out_w << "x" << c.out_h;
    }
}

namespace {

void expect_point(const ViewRect& v, int ox, int oy, int ix, int iy) {
    int x = -1, y = -1;
    OutputToImage(v, ox, oy, &x, &y);
    EXPECT_EQ(x, ix) << "at " << ox << "," << oy;
    EXPECT_EQ(y, iy) << "at " << ox << "," << oy;
}

}  // namespace

TEST(PresentationTest, PointsMapOntoImagePixelsAndClampAtTheBars) {
    const ViewRect v = OutputRect(1920, 1080);  // image at (320, 60), 2×
    expect_point(v, 320, 60, 0, 0);
    expect_point(v, 321, 61, 0, 0);
    expect_point(v, 322, 62, 1, 1);
    expect_point(v, 1599, 1019, 639, 479);
    // On the bars and off the window: clamped to the image's edge, so edge
    // scrolling works with the pointer on a bar.
    expect_point(v, 0, 0, 0, 0);
    expect_point(v, 319, 59, 0, 0);
    expect_point(v, 1919, 1079, 639, 479);
    expect_point(v, -50, 5000, 0, 479);

    const ViewRect small = OutputRect(320, 240);  // half size
    expect_point(small, 159, 119, 318, 238);
}
