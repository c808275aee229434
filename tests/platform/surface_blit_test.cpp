// Copies and fill against a per-pixel reference where the fast paths' blocks of 16 end: clipping, odd widths, overlap.
#include "support/platform_display.h"

using namespace platform;

namespace {

// Roughly every third pixel the key (0), in runs long enough to cover whole blocks.
void fill_pattern(Surface* s, int seed) {
    SurfaceDesc d;
    ASSERT_EQ(s->Lock(nullptr, &d), DD_OK);
    for (int y = 0; y < d.height; ++y)
        for (int x = 0; x < d.width; ++x) {
            const int v = (x * 7 + y * 13 + seed) % 23;
            d.surface[y * d.pitch + x] = (v < 8 || (y % 5 == 0 && x < 40)) ? 0 : std::uint8_t(v * 11 + seed);
        }
    s->Unlock();
}

void reference_blit(Pixels& to, int x, int y, const Pixels& from, const Rect& r, bool keyed, std::uint8_t key) {
    Pixels src = from;
    for (int j = r.top; j < r.bottom; ++j)
        for (int i = r.left; i < r.right; ++i)
            if (!keyed || src.at(i, j) != key) to.at(x + i - r.left, y + j - r.top) = src.at(i, j);
}

class SurfaceBlitTest : public PlatformDisplayTest {
protected:
    void SetUp() override {
        PlatformDisplayTest::SetUp();
        ASSERT_TRUE(OpenDisplay());
    }
    Surface* make(int w, int h, int seed) {
        Surface* s = NewSurface(w, h);
        if (s) fill_pattern(s, seed);
        return s;
    }
};

TEST_F(SurfaceBlitTest, OpaqueAndKeyedCopiesMatchThePixelByPixelReference) {
    const struct { int src_w, src_h; Rect r; int x, y; } cases[] = {
        {64, 40, {0, 0, 64, 40}, 0, 0},      // whole blocks
        {64, 40, {3, 2, 50, 39}, 101, 77},   // clipped, blocks start off a row's start
        {37, 21, {0, 0, 37, 21}, 603, 459},  // odd width, at the far corner
        {33, 9, {1, 1, 32, 8}, 5, 0},        // one block and a tail
        {3, 5, {0, 0, 3, 5}, 10, 10},        // narrower than a block
        {1, 1, {0, 0, 1, 1}, 639, 479},      // one pixel
        {20, 20, {4, 4, 4, 10}, 0, 0},       // empty: nothing changes
    };
    for (const bool keyed : {false, true})
        for (const std::uint8_t key : {std::uint8_t(0), std::uint8_t(11)})
            for (const auto& c : cases) {
                SCOPED_TRACE(testing::Message() << "keyed " << keyed << " key " << int(key) << " source "
                                                << c.src_w << "x" << c.src_h << " at " << c.x << "," << c.y);
                Surface* src = make(c.src_w, c.src_h, c.x);
                ASSERT_EQ(src->SetColorKey(key), DD_OK);
                Surface* dst = make(640, 480, 5);
                Pixels want = pixels(dst);
                reference_blit(want, c.x, c.y, pixels(src), c.r, keyed, key);
                Rect r = c.r;
                ASSERT_EQ(dst->BltFast(c.x, c.y, src, &r, keyed ? DDBLTFAST_SRCCOLORKEY : DDBLTFAST_NOCOLORKEY), DD_OK);
                EXPECT_EQ(pixels(dst).p, want.p);
            }
}

TEST_F(SurfaceBlitTest, RectanglesOutsideEitherSurfaceAreRefusedAndChangeNothing) {
    Surface *src = make(30, 20, 1), *dst = make(100, 50, 2);
    const Pixels before = pixels(dst);
    const struct { Rect r; int x, y; } bad[] = {{{0, 0, 31, 20}, 0, 0}, {{-1, 0, 10, 10}, 0, 0}, {{5, 5, 4, 10}, 0, 0},
               {{0, 0, 30, 20}, 71, 0}, {{0, 0, 30, 20}, 0, 31}, {{0, 0, 10, 10}, -1, 0}};
    for (const auto& b : bad) {
        Rect r = b.r;
        EXPECT_EQ(dst->BltFast(b.x, b.y, src, &r, DDBLTFAST_SRCCOLORKEY), DDERR_INVALIDRECT);
        EXPECT_EQ(dst->BltFast(b.x, b.y, src, &r, DDBLTFAST_NOCOLORKEY), DDERR_INVALIDRECT);
    }
    EXPECT_EQ(pixels(dst).p, before.p);
    EXPECT_EQ(dst->BltFast(0, 0, nullptr, nullptr, 0), DDERR_INVALIDPARAMS);
}

TEST_F(SurfaceBlitTest, ASurfaceCopiedOntoItselfReadsItsPixelsAsTheyWereBefore) {
    for (const bool keyed : {false, true})
        for (const int shift : {-7, 3, 20}) {
            Surface* s = make(90, 60, 9);
            Pixels want = pixels(s);
            const Rect r{10, 10, 70, 50};
            reference_blit(want, 10 + shift, 10 + shift / 2, pixels(s), r, keyed, 0);
            Rect copy = r;
            ASSERT_EQ(s->BltFast(10 + shift, 10 + shift / 2, s, &copy, keyed ? DDBLTFAST_SRCCOLORKEY : 0), DD_OK);
            EXPECT_EQ(pixels(s).p, want.p) << "keyed " << keyed << " shift " << shift;
        }
}

TEST_F(SurfaceBlitTest, TheFillCoversEveryPixelOfSurfacesOfAnyWidth) {
    for (const int w : {1, 3, 17, 640}) {
        Surface* s = make(w, 7, 3);
        ASSERT_EQ(s->ColorFill(192), DD_OK);
        EXPECT_EQ(pixels(s).p, std::vector<std::uint8_t>(std::size_t(w) * 7, 192)) << "width " << w;
    }
}

}  // namespace
