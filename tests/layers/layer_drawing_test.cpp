// One layer's image slots and their drawing, with pictures made in memory.
#include "layers/layer.h"
#include "support/test_pictures.h"

using testbilder::back_pixel;

namespace {

class LayerDrawingTest : public DisplayTest {
protected:
    void SetUp() override {
        DisplayTest::SetUp();
        layer_.grafikdatenbank = &store_;
        layer_.lpddsback = lpddsback;
        lpddsback->ColorFill(192);
    }
    void TearDown() override {
        store_.freigeben();
        DisplayTest::TearDown();
    }
    int Show(int bild, double x, double y) {
        layer_.addbild(bild, 0, 0);
        Bildplatz& s = layer_.bilder[layer_.bilderanzahl - 1];
        s.x = x;
        s.y = y;
        return layer_.bilderanzahl - 1;
    }
    _grafikdatenbank store_;
    _layerdaten layer_;
};

}  // namespace

TEST_F(LayerDrawingTest, ClippingAtTheViewEdges) {
    const int b32 = testbilder::add(store_, 32, 32, 1);
    const int b60 = testbilder::add(store_, 60, 60, 3);

    // 32 x 32 at world (-10, 100), view at (0, 0).
    const int a = Show(b32, -10, 100);
    // Right edge exactly at the view's left: not drawn, keeps its old values.
    const int b = Show(b32, -32, 0);
    // Left edge at the last column: drawn one pixel wide.
    const int c = Show(b32, 639, 0);
    EXPECT_FALSE(layer_.zeichnen(&store_));
    const Bildplatz& sa = layer_.bilder[a];
    EXPECT_TRUE(sa.blitx == 0 && sa.blity == 100 && sa.rechteck.left == 10 && sa.rechteck.right == 32);
    EXPECT_EQ(layer_.bilder[b].blitx, -1);
    EXPECT_TRUE(layer_.bilder[c].blitx == 639 && layer_.bilder[c].rechteck.right - layer_.bilder[c].rechteck.left == 1);
    EXPECT_EQ(back_pixel(639, 0), 10);
    EXPECT_EQ(back_pixel(21, 100), 10);
    EXPECT_EQ(back_pixel(22, 100), 192);

    // View at (100, 0): a 60-wide frame at world x 80 and at 700, frame 2.
    layer_.scrollx = 100;
    Bildplatz& d = layer_.bilder[Show(b60, 80, 0)];
    Bildplatz& e = layer_.bilder[Show(b60, 700, 200)];
    d.actualframe = e.actualframe = 2;
    layer_.zeichnen(&store_);
    EXPECT_TRUE(d.blitx == 0 && d.rechteck.left == 20);
    EXPECT_TRUE(e.blitx == 600 && e.rechteck.right == 40);
    EXPECT_EQ(back_pixel(0, 0), 12);  // frame 2's pixels
    EXPECT_EQ(back_pixel(639, 259), 12);
}

TEST_F(LayerDrawingTest, KeyedPicturesLeaveTheirKeyOutAndAnimationHoldsEachFrameForDelayPlusOneDraws) {
    const int opaque = testbilder::add(store_, 4, 4, 1, false, 0, false);
    const int keyed = testbilder::add(store_, 4, 4, 1, false, 0, true);
    const int fast = testbilder::add(store_, 2, 2, 3, true, 0);
    const int slow = testbilder::add(store_, 2, 2, 3, true, 3);
    Show(opaque, 10, 10);
    Show(keyed, 20, 10);
    const int f = Show(fast, 0, 0);
    const int s = Show(slow, 100, 0);
    const int want_fast[] = {1, 2, 0, 1, 2, 0, 1, 2};
    const int want_slow[] = {0, 0, 0, 1, 1, 1, 1, 2};
    for (int i = 0; i < 8; ++i) {
        layer_.zeichnen(&store_);
        EXPECT_EQ(layer_.bilder[f].actualframe, want_fast[i]) << "draw " << i;
        EXPECT_EQ(layer_.bilder[s].actualframe, want_slow[i]) << "draw " << i;
    }
    EXPECT_EQ(back_pixel(10, 10), 10);   // opaque: its corner pixel too
    EXPECT_EQ(back_pixel(20, 10), 192);  // keyed: the corner (the key) is left out
    EXPECT_EQ(back_pixel(21, 10), 10);
    EXPECT_EQ(back_pixel(23, 13), 10);
    EXPECT_EQ(back_pixel(24, 13), 192);
}

TEST_F(LayerDrawingTest, BoatsInViewRunTheEngine) {
    while (store_.anzahl < 57) testbilder::add(store_, 1, 1, 1);  // picture 57 is a motor boat
    const int b = Show(testbilder::add(store_, 92, 64, 6, true, 4), 100, 100);
    layer_.zeichnen(&store_);
    EXPECT_EQ(layer_.motorlaeuft, 1);
    layer_.bilder[b].x = 2000;  // out of view
    layer_.zeichnen(&store_);
    EXPECT_EQ(layer_.motorlaeuft, 0);
}

TEST_F(LayerDrawingTest, FailuresAreReportedAndOutOfRangeFramesAreClamped) {
    Show(testbilder::add(store_, 8, 8, 2), 0, 0);
    layer_.bilder[0].actualframe = 9;  // set from outside, beyond the strip
    EXPECT_FALSE(layer_.zeichnen(&store_));
    EXPECT_TRUE(fakes::boxes.empty());
    EXPECT_EQ(back_pixel(0, 0), 11);  // the last frame

    lpddsback->FailNext(platform::SurfaceOp::Blt, platform::DDERR_WASSTILLDRAWING);
    EXPECT_FALSE(layer_.zeichnen(&store_));  // passed over silently
    EXPECT_TRUE(fakes::boxes.empty());

    lpddsback->FailNext(platform::SurfaceOp::Blt, platform::DDERR_SURFACELOST);
    EXPECT_TRUE(layer_.zeichnen(&store_));
    ASSERT_EQ(fakes::boxes.size(), 1u);
    EXPECT_EQ(fakes::boxes[0].text, "_layerdaten::zeichen-ddrval!=DD_OK");
    EXPECT_TRUE(fakes::DebugLineContains("Fehler bei bild Nr.: 0"));
    EXPECT_TRUE(fakes::DebugLineContains("\nDDRVAL="));

    // An empty layer needs neither store nor back buffer; one with a slot
    // does. (Once the program is ending nothing is drawn at all.)
    programmendet = false;
    _layerdaten leer;
    EXPECT_FALSE(leer.zeichnen(nullptr));
    leer.grafikdatenbank = &store_;
    leer.addbild(kBildWasser, 0, 0);
    EXPECT_TRUE(leer.zeichnen(&store_));
    EXPECT_EQ(fakes::boxes.back().text, "_layerdaten::zeichnen-lpddsback zeigt auf NULL");
}

TEST_F(LayerDrawingTest, ThreeHundredSlotsThenAReport) {
    const int still = testbilder::add(store_, 10, 10, 4);
    for (int i = 0; i < 300; ++i) ASSERT_FALSE(layer_.addbild(still, i, 0)) << i;
    EXPECT_TRUE(fakes::boxes.empty());
    EXPECT_TRUE(layer_.addbild(still, 0, 0));
    EXPECT_EQ(layer_.bilderanzahl, 300);
    ASSERT_EQ(fakes::boxes.size(), 1u);
    EXPECT_EQ(fakes::boxes[0].text, "_layerdaten::addbild-Bilderanzahl zu groß");
}
