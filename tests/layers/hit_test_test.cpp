#include "layers/layer_fixture.h"

using namespace platform;

using HitTest = LayerTest;

TEST_F(HitTest, OnlyClicksStrictlyInsideLeftOfTheMarginAndOnOpaquePixelsHit) {
    bemalen(kBildSonne, {0, 0, 60, 60});  // the sun, opaque all over; it stays when hit
    const int sonne = neu(9, kBildSonne, 100, 50);
    layer(9).zeichnen(&grafikdatenbank);
    const struct {
        int mx, my;
        bool trifft;
    } faelle[] = {
        {100, 60, false}, {101, 60, true}, {156, 60, true}, {157, 60, false}, {159, 60, false},
        {120, 50, false}, {120, 51, true}, {120, 109, true}, {120, 110, false},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(layer(9).treffertest(&grafikdatenbank, f.mx, f.my), f.trifft ? sonne : -1) << f.mx << "," << f.my;

    // A see-through spot lets the click through to the object below: four
    // pixels from 105 are all background; from 113 the fourth is not.
    layer(9).zuruecksetzen();
    bemalen(kBildLeuchtturm, {0, 0, 120, 320});  // lighthouse: opaque
    bemalen(kBildSauLinks, {16, 0, 32, 32});     // pig: its left half see-through
    const int turm = neu(9, kBildLeuchtturm, 100, 50);
    const int sau = neu(9, kBildSauLinks, 100, 50);
    layer(9).zeichnen(&grafikdatenbank);
    EXPECT_EQ(layer(9).treffertest(&grafikdatenbank, 105, 60), turm);
    EXPECT_TRUE(objekt(9, sau).aktiv);
    EXPECT_EQ(layer(9).treffertest(&grafikdatenbank, 113, 60), sau);
    EXPECT_FALSE(lebende(9, kBildAbsturz).empty());  // the pig falls

    // Plain images are scenery that cannot be hit, nor can objects never drawn.
    layer(9).zuruecksetzen();
    layerdatenbank.addbild(9, kBildLeuchtturm, 100, 50);
    const int gezeichnet = neu(9, kBildLeuchtturm, 300, 50);
    layer(9).zeichnen(&grafikdatenbank);
    neu(9, kBildLeuchtturm, 500, 50);
    EXPECT_EQ(layer(9).treffertest(&grafikdatenbank, 110, 60), -1);
    EXPECT_EQ(layer(9).treffertest(&grafikdatenbank, 510, 60), -1);
    EXPECT_EQ(layer(9).treffertest(&grafikdatenbank, 310, 60), gezeichnet);
    EXPECT_TRUE(fakes::boxes.empty());
}

TEST_F(HitTest, ThePixelTestedIsTheOneDrawnUnderTheClick) {
    // Every frame but the first is see-through in its left 20 columns.
    bemalen(kBildSauLinks, {20, 0, 32, 32});
    {
        grafikdaten& p = *grafikdatenbank.grafikdaten[kBildSauLinks];
        SurfaceDesc d;
        ASSERT_EQ(p.surface->Lock(nullptr, &d), DD_OK);
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) d.surface[y * d.pitch + x] = 200;
        p.surface->Unlock();
    }
    // Clipped at the view's left edge: drawn from column 10 of frame 1.
    const int sau = neu(8, kBildSauLinks, -10, 100);
    platz(8, sau).actualframe = 1;
    layer(8).zeichnen(&grafikdatenbank);
    ASSERT_EQ(platz(8, sau).blitx, 0);
    ASSERT_EQ(platz(8, sau).rechteck.left, 10);
    EXPECT_EQ(layer(8).treffertest(&grafikdatenbank, 5, 110), -1);  // column 15
    EXPECT_TRUE(objekt(8, sau).aktiv);

    // A frame number out of range is taken as the last frame, as drawn.
    platz(8, sau).actualframe = 40;
    EXPECT_EQ(layer(8).treffertest(&grafikdatenbank, 12, 110), sau);  // column 22
    EXPECT_TRUE(fakes::boxes.empty());
}

TEST_F(HitTest, MaskReadsOnlyInsideThePictureAndReportsWhatFails) {
    bemalen(kBildSauLinks, {0, 0, 32, 32});
    const int sau = neu(8, kBildSauLinks, 0, 0);
    const int breite = grafikdatenbank.grafikdaten[kBildSauLinks]->surface->width();
    const int hoehe = grafikdatenbank.grafikdaten[kBildSauLinks]->surface->height();
    EXPECT_EQ(layer(8).mask(&grafikdatenbank, sau, breite - 4, hoehe - 1), sau);
    for (auto [x, y] : {std::pair{breite - 3, 0}, {0, hoehe}, {-1, 0}, {0, -1}})
        EXPECT_EQ(layer(8).mask(&grafikdatenbank, sau, x, y), -1) << x << "," << y;
    EXPECT_TRUE(fakes::boxes.empty());

    // Fatal, and the shot goes no further through the released layers.
    layer(8).zeichnen(&grafikdatenbank);
    grafikdatenbank.grafikdaten[kBildSauLinks]->surface->FailNext(SurfaceOp::Lock, DDERR_SURFACELOST);
    EXPECT_FALSE(layerdatenbank.schiessen(&grafikdatenbank, 10, 10));
    EXPECT_EQ(layerdatenbank.layerdaten[8], nullptr);
    ASSERT_EQ(fakes::boxes.size(), 1u);
    EXPECT_EQ(fakes::boxes[0].text, "_layerdaten::mask-surface->Lock-Surface konnte nicht gesperrt werden");
}
