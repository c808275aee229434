// Image slots and their drawing, with pictures made in memory.
#include "layers/layer.h"
#include "platform/testing/fault_injection.h"
#include "support/layers_fixture.h"

using Values = std::vector<int>;

namespace {

// A picture of `frames` frames of fw x fh, frame k all index 10 + k but a keyed one's top-left (key 2); its number.
int TestPicture(_grafikdatenbank& store, int fw, int fh, int frames, bool animiert = false, int verzoegerung = 0,
             bool transparent = false) {
    grafikdaten d;
    d.framebreite = fw, d.framehoehe = d.hoehe = fh, d.frames = frames, d.breite = fw * frames;
    d.animiert = animiert, d.verzoegerung = verzoegerung, d.transparent = transparent;
    store.setgrafikdaten(d);
    grafikdaten* p = store.grafikdaten[store.anzahl - 1];
    lpdd->CreateOffscreenSurface(fw * frames, fh, &p->surface);
    platform::SurfaceDesc desc;
    p->surface->Lock(nullptr, &desc);
    for (int y = 0; y < fh; ++y)
        for (int x = 0; x < fw * frames; ++x) desc.surface[y * desc.pitch + x] = std::uint8_t(10 + x / fw);
    if (transparent) desc.surface[0] = 2;
    p->surface->Unlock();
    if (transparent) p->surface->SetColorKey(2);
    p->keyfarbe = transparent ? 2 : 10;
    return store.anzahl - 1;
}

Values back_pixels(std::initializer_list<std::pair<int, int>> punkte) {
    Values p;
    for (auto [x, y] : punkte) p.push_back(pixel(lpddsback, x, y));
    return p;
}

class LayerDrawingTest : public DisplayTest {
protected:
    void SetUp() override {
        DisplayTest::SetUp();
        layer_.grafikdatenbank = &store_, layer_.lpddsback = lpddsback;
        lpddsback->ColorFill(192);
    }
    void TearDown() override { store_.freigeben(); DisplayTest::TearDown(); }
    Bildplatz& Show(int bild, double x, double y) {
        layer_.addbild(bild, 0, 0);
        Bildplatz& s = layer_.bilder[layer_.bilderanzahl - 1];
        std::tie(s.x, s.y) = std::pair(x, y);
        return s;
    }
    _grafikdatenbank store_;
    _layerdaten layer_;
};

using LayerDatabaseTest = LayersTest;

}  // namespace

TEST_F(LayerDrawingTest, ClippingAtTheViewEdges) {
    const int b32 = TestPicture(store_, 32, 32, 1);
    const Bildplatz& a = Show(b32, -10, 100);
    const Bildplatz& b = Show(b32, -32, 0);  // right edge at the view's left: not drawn
    const Bildplatz& c = Show(b32, 639, 0);  // left edge at the last column: one pixel wide
    EXPECT_FALSE(layer_.zeichnen(&store_));
    EXPECT_TRUE(a.blitx == 0 && a.blity == 100 && a.rechteck.left == 10 && a.rechteck.right == 32);
    EXPECT_TRUE(b.blitx == -1 && c.blitx == 639 && c.rechteck.right - c.rechteck.left == 1);
    EXPECT_EQ(back_pixels({{639, 0}, {21, 100}, {22, 100}}), (Values{10, 10, 192}));

    // View at (100, 0): a 60-wide frame 2 at world x 80 and at 700.
    const int b60 = TestPicture(store_, 60, 60, 3);
    layer_.scrollx = 100;
    Bildplatz& d = Show(b60, 80, 0);
    Bildplatz& e = Show(b60, 700, 200);
    d.actualframe = e.actualframe = 2;
    layer_.zeichnen(&store_);
    EXPECT_TRUE(d.blitx == 0 && d.rechteck.left == 20 && e.blitx == 600 && e.rechteck.right == 40);
    EXPECT_EQ(back_pixels({{0, 0}, {639, 259}}), (Values{12, 12}));
}

TEST_F(LayerDrawingTest, KeyedPicturesLeaveTheirKeyOutAndAnimationHoldsEachFrameForDelayPlusOneDraws) {
    Show(TestPicture(store_, 4, 4, 1, false, 0, false), 10, 10);
    Show(TestPicture(store_, 4, 4, 1, false, 0, true), 20, 10);
    const Bildplatz& fast = Show(TestPicture(store_, 2, 2, 3, true, 0), 0, 0);
    const Bildplatz& slow = Show(TestPicture(store_, 2, 2, 3, true, 3), 100, 0);
    std::vector<int> frames;
    for (int i = 0; i < 8; ++i) {
        layer_.zeichnen(&store_);
        frames.push_back(10 * fast.actualframe + slow.actualframe);
    }
    EXPECT_EQ(frames, (Values{10, 20, 0, 11, 21, 1, 11, 22}));
    // The opaque picture's corner pixel is drawn; the keyed one's (the key) is left out.
    EXPECT_EQ(back_pixels({{10, 10}, {20, 10}, {21, 10}, {23, 13}, {24, 13}}), (Values{10, 192, 10, 10, 192}));
}

TEST_F(LayerDrawingTest, BoatsInViewRunTheEngine) {
    while (store_.anzahl < kBildMotorbootRechts) TestPicture(store_, 1, 1, 1);
    Bildplatz& boat = Show(TestPicture(store_, 92, 64, 6, true, 4), 100, 100);
    layer_.zeichnen(&store_);
    const int imBild = layer_.motorlaeuft;
    boat.x = 2000;  // out of view
    layer_.zeichnen(&store_);
    EXPECT_EQ(std::pair(imBild, layer_.motorlaeuft), std::pair(1, 0));
}

TEST_F(LayerDrawingTest, FailuresAreReportedAndOutOfRangeFramesAreClamped) {
    Show(TestPicture(store_, 8, 8, 2), 0, 0).actualframe = 9;  // set from outside, beyond the strip
    EXPECT_FALSE(layer_.zeichnen(&store_));
    EXPECT_EQ(pixel(lpddsback, 0, 0), 11);  // the last frame

    platform::FailNext(platform::Operation::Blt, platform::DDERR_WASSTILLDRAWING, lpddsback);
    EXPECT_TRUE(!layer_.zeichnen(&store_) && fakes::boxes.empty());  // passed over silently

    platform::FailNext(platform::Operation::Blt, platform::DDERR_SURFACELOST, lpddsback);
    EXPECT_TRUE(layer_.zeichnen(&store_));
    EXPECT_EQ(fakes::BoxTexts(), fakes::Lines{"_layerdaten::zeichen-ddrval!=DD_OK"});
    EXPECT_TRUE(fakes::DebugLineContains("Fehler bei bild Nr.: 0") && fakes::DebugLineContains("\nDDRVAL="));

    // An empty layer needs neither store nor back buffer; one with a slot does.
    programmendet = false;
    _layerdaten leer;
    EXPECT_FALSE(leer.zeichnen(nullptr));
    leer.grafikdatenbank = &store_;
    leer.addbild(kBildWasser, 0, 0);
    EXPECT_TRUE(leer.zeichnen(&store_));
    EXPECT_EQ(fakes::boxes.back().text, "_layerdaten::zeichnen-lpddsback zeigt auf NULL");
}

TEST_F(LayerDatabaseTest, LayersAreMadeInOrderAndDrawnBackToFront) {
    ASSERT_TRUE(OpenDisplay());
    _grafikdatenbank store;
    const int red = TestPicture(store, 10, 10, 1);   // index 10
    const int blue = TestPicture(store, 20, 20, 2);  // frame 0: index 10, frame 1: 11
    _layerdatenbank db;

    // Nothing to add to before the layers exist.
    EXPECT_TRUE(db.addbild(5, red, 0, 0));
    EXPECT_EQ(fakes::boxes.back().text, "_layerdatenbank::addbild-layerdaten[layernummer] zeigt auf NULL");
    fakes::boxes.clear();
    programmendet = false;
    ASSERT_TRUE(OpenDisplay());

    db.init(lpdd, lpddsprimary, lpddsback);
    for (int i = 0; i < 3; ++i) ASSERT_FALSE(db.Setlayerdaten(&store));
    db.addbild(0, blue, 0, 0);
    db.layerdaten[0]->bilder[0].actualframe = 1;
    db.addbild(2, red, 5, 5);
    lpddsback->ColorFill(192);
    EXPECT_FALSE(db.allezeichnen(&store));
    EXPECT_EQ(back_pixels({{0, 0}, {5, 5}, {25, 25}}), (Values{11, 10, 192}));  // layer 0 alone, layer 2 over it

    EXPECT_TRUE(db.zeichnen(&store, 3));
    EXPECT_EQ(fakes::boxes.back().text, "_layerdatenbank::zeichnen-layer inst nicht vorhanden");
}
