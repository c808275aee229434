// Shots, what they hit and how each picture reacts.
#include "layers/digit_displays.h"
#include "layers/layer_fixture.h"
#include "layers/layer_numbers.h"
#include "platform/testing/fault_injection.h"

using ShotTest = LayerTest;

TEST_F(ShotTest, TheScoreShowsRightAlignedInSevenDigitsTheTimeLeftAlignedBlankingTheRest) {
    // Frames: 0-9 the digits, 10 blank, 11 minus; at most five digits.
    const struct { int wert; std::vector<int> punkte, zeit; } faelle[] = {
        {123456, {10, 10, 1, 2, 3, 4, 5}, {1, 2, 3, 4, 5, 10}},
        {0, {10, 10, 10, 10, 10, 10, 0}, {0, 10, 10, 10, 10, 10}},
        {-5, {10, 10, 10, 10, 10, 11, 5}, {11, 5, 10, 10, 10, 10}},
        {-12345, {10, 11, 1, 2, 3, 4, 5}, {11, 1, 2, 3, 4, 5}},
        {90, {10, 10, 10, 10, 10, 9, 0}, {9, 0, 10, 10, 10, 10}},  // the sixth time position is blanked too
    };
    const auto frames = [](const std::int32_t* objekte, int anzahl) {
        std::vector<int> f;
        for (int i = 0; i < anzahl; ++i) f.push_back(SlotOf(kLayerZiffern, objekte[i]).actualframe);
        return f;
    };
    for (const auto& f : faelle) {
        punkte = f.wert;
        layerdatenbank.punkteanzeige();
        layerdatenbank.zeitanzeige(f.wert);
        EXPECT_EQ(frames(punkteobjekte, 7), f.punkte) << f.wert;
        EXPECT_EQ(frames(zeitobjekte, 6), f.zeit) << f.wert;
    }
    EXPECT_EQ(layer(kLayerZiffern).ereignissanzahl, 13);  // made once, then only re-framed
}

TEST_F(ShotTest, AShotThrowsACasingAndJoltsTheViewSevenPixelsAtMost) {
    // The view settles a pixel a frame; a shot tops the jolt up to 7 again.
    for (int zurueck : {0, 0, 3, 7, 1, 6}) {
        layerdatenbank.ruckeln -= zurueck;
        for (int n = 0; n < 20; ++n) layer(n).scrolly -= zurueck;
        EXPECT_FALSE(layerdatenbank.schiessen(&grafikdatenbank, 320, 240));
        for (int n = 0; n < 20; ++n) ASSERT_EQ(layer(n).scrolly, 7) << "layer " << n;
        EXPECT_EQ(layerdatenbank.ruckeln, 7);
    }
    EXPECT_EQ(LiveObjects(kLayerHuelsen, kBildHuelse).size(), 6u);
    EXPECT_TRUE(fakes::boxes.empty());
}

TEST_F(ShotTest, OnlyTheFrontmostObjectIsHitAndNeverOneOfTheSea) {
    Paint(kBildSonne, {0, 0, 60, 60});
    Paint(kBildLeuchtturm, {0, 0, 120, 320});
    NewObject(7, kBildLeuchtturm, 100, 50);  // lighthouse, -5
    NewObject(12, kBildSonne, 100, 50);      // sun in front of it, -20
    NewObject(0, kBildLeuchtturm, 400, 50);  // in the sea layer
    layerdatenbank.allezeichnen(&grafikdatenbank);

    EXPECT_TRUE(layerdatenbank.schiessen(&grafikdatenbank, 110, 60));
    EXPECT_EQ(std::tuple(punkte, sounds_played), std::tuple(-20, std::vector<int>{kSoundQuerschlaeger}));

    EXPECT_FALSE(layerdatenbank.schiessen(&grafikdatenbank, 410, 60));
    EXPECT_EQ(std::tuple(punkte, LiveObjects(kLayerHuelsen, kBildHuelse).size()), std::tuple(-20, 2u));
}

TEST_F(ShotTest, OnlyClicksStrictlyInsideLeftOfTheMarginAndOnOpaquePixelsHit) {
    Paint(kBildSonne, {0, 0, 60, 60});  // the sun, opaque all over; it stays when hit
    const int sonne = NewObject(9, kBildSonne, 100, 50);
    layer(9).zeichnen(&grafikdatenbank);
    const struct { int mx, my; bool trifft; } faelle[] = {
        {100, 60, false}, {101, 60, true}, {156, 60, true}, {157, 60, false}, {159, 60, false},
        {120, 50, false}, {120, 51, true}, {120, 109, true}, {120, 110, false},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(layer(9).treffertest(&grafikdatenbank, f.mx, f.my), f.trifft ? sonne : -1) << f.mx << "," << f.my;

    // A see-through spot lets the click through: four pixels from 105 are background, from 113 not all.
    layer(9).zuruecksetzen();
    Paint(kBildLeuchtturm, {0, 0, 120, 320});
    Paint(kBildSauLinks, {16, 0, 32, 32});  // its left half see-through
    const int turm = NewObject(9, kBildLeuchtturm, 100, 50);
    const int sau = NewObject(9, kBildSauLinks, 100, 50);
    layer(9).zeichnen(&grafikdatenbank);
    // What clicks at these x (y 60) hit, in order.
    const auto treffer = [](std::vector<int> xs) {
        for (int& x : xs) x = layer(9).treffertest(&grafikdatenbank, x, 60);
        return xs;
    };
    EXPECT_EQ(treffer({105, 113}), (std::vector{turm, sau}));
    EXPECT_FALSE(LiveObjects(9, kBildAbsturz).empty());  // the pig falls

    // Plain images are scenery that cannot be hit, nor can objects never drawn.
    layer(9).zuruecksetzen();
    layerdatenbank.addbild(9, kBildLeuchtturm, 100, 50);
    const int gezeichnet = NewObject(9, kBildLeuchtturm, 300, 50);
    layer(9).zeichnen(&grafikdatenbank);
    NewObject(9, kBildLeuchtturm, 500, 50);
    EXPECT_EQ(treffer({110, 510, 310}), (std::vector{-1, -1, gezeichnet}));
    EXPECT_TRUE(fakes::boxes.empty());
}

TEST_F(ShotTest, ThePixelTestedIsTheOneDrawnUnderTheClick) {
    // Frame 0 opaque; every other frame see-through in its left 20 columns.
    Paint(kBildSauLinks, {20, 0, 32, 32});
    grafikdaten& p = *grafikdatenbank.grafikdaten[kBildSauLinks];
    platform::SurfaceDesc d;
    ASSERT_EQ(p.surface->Lock(nullptr, &d), platform::DD_OK);
    for (int y = 0; y < 32; ++y) std::fill_n(d.surface + y * d.pitch, 32, 200);
    p.surface->Unlock();

    // Clipped at the view's left edge: drawn from column 10 of frame 1.
    const int sau = NewObject(8, kBildSauLinks, -10, 100);
    SlotOf(8, sau).actualframe = 1;
    layer(8).zeichnen(&grafikdatenbank);
    ASSERT_TRUE(SlotOf(8, sau).blitx == 0 && SlotOf(8, sau).rechteck.left == 10);
    EXPECT_EQ(layer(8).treffertest(&grafikdatenbank, 5, 110), -1);  // column 15
    // A frame number out of range is taken as the last frame, as drawn.
    SlotOf(8, sau).actualframe = 40;
    EXPECT_EQ(layer(8).treffertest(&grafikdatenbank, 12, 110), sau);  // column 22
    EXPECT_TRUE(fakes::boxes.empty());
}

TEST_F(ShotTest, MaskReadsOnlyInsideThePictureAndReportsWhatFails) {
    Paint(kBildSauLinks, {0, 0, 32, 32});
    const int sau = NewObject(8, kBildSauLinks, 0, 0);
    const platform::Surface* bild = grafikdatenbank.grafikdaten[kBildSauLinks]->surface;
    const int breite = bild->width(), hoehe = bild->height();
    EXPECT_EQ(layer(8).mask(&grafikdatenbank, sau, breite - 4, hoehe - 1), sau);
    for (auto [x, y] : {std::pair{breite - 3, 0}, {0, hoehe}, {-1, 0}, {0, -1}})
        EXPECT_EQ(layer(8).mask(&grafikdatenbank, sau, x, y), -1) << x << "," << y;
    EXPECT_TRUE(fakes::boxes.empty());

    // Fatal, and the shot goes no further through the released layers.
    layer(8).zeichnen(&grafikdatenbank);
    platform::FailNext(platform::Operation::SurfaceLock, platform::DDERR_SURFACELOST,
                       grafikdatenbank.grafikdaten[kBildSauLinks]->surface);
    EXPECT_FALSE(layerdatenbank.schiessen(&grafikdatenbank, 10, 10));
    EXPECT_EQ(layerdatenbank.layerdaten[8], nullptr);
    EXPECT_EQ(fakes::BoxTexts(), fakes::Lines{"_layerdaten::mask-surface->Lock-Surface konnte nicht gesperrt werden"});
}

TEST_F(ShotTest, PicturesReactAsTheirRowsSay) {
    // View at (100, 20), click at (50, 60): "at the click" is world (150, 80); the object at (300.75, 150.5).
    // folge and sound -1: none; x, y where the follow-up (or else the points) appear.
    struct Row { int bild; bool endet; int punkte, folge, x, y; std::vector<std::pair<parameter, int>> werte;
                   bool folgeZuerst; int sound; };
    const Row tabelle[] = {
        {kBildFloss, false, -3, kBildStaub, 140, 70, {{takt, 1}, {lebensdauer, 18}, {bogenrechts, 1}}, false, kSoundQuerschlaeger},
        {kBildSonne, false, -20, -1, 300, 150, {}, false, kSoundQuerschlaeger},
        {kBildSauLinks, true, 10, kBildAbsturz, 134, 64, {{runter, 2}}, true, kSoundSauschrei},
        {kBildAbsturz, true, 15, kBildSplat, 120, 55, {{lebensdauer, 30}, {runter, 2}}, true, -1},
        {kBildWolkeGross, true, 2, kBildWolkeGross, 123, 53, {{bogenrechts, 1}, {bahn, 3}}, false, kSoundPuff},
        {kBildGewehr, false, -45, kBildStaub, 140, 70, {{takt, 1}, {lebensdauer, 18}, {rechts, 2}, {hoch, 1}}, true, kSoundQuerschlaeger},
        {kBildAugeOffen, true, 10, kBildAugeBlau, 300, 150, {}, true, kSoundQuerschlaeger},
        {kBildBoot, true, 25, kBildSegelboot, 300, 130, {{lebensdauer, 102}}, false, kSoundHolzkrach},
        {kBildWelle, false, 0, -1, 0, 0, {}, false, -1},  // no row: no reaction
    };
    layer(5).scrollx = 100;
    layer(5).scrolly = 20;
    for (const Row& z : tabelle) {
        SCOPED_TRACE("picture " + std::to_string(z.bild));
        layer(5).zuruecksetzen();
        punkte = 0;
        sounds_played.clear();
        const int i = NewObject(5, z.bild, 300, 150);
        std::tie(SlotOf(5, i).x, SlotOf(5, i).y) = std::pair(300.75, 150.5);
        const int slot = Object(5, i).instanz;
        layer(5).treffer(&grafikdatenbank, i, 50, 60);

        EXPECT_EQ(std::tuple(int(LiveObjects(5, z.bild).size()), punkte, sounds_played),
                  std::tuple((z.endet ? 0 : 1) + (z.folge == z.bild ? 1 : 0), z.punkte,
                             z.sound == -1 ? std::vector<int>{} : std::vector<int>{z.sound}));
        const std::vector<int> ziffern = LiveObjects(5, kBildZiffern);
        if (z.punkte == 0) {
            for (int k = 0; k < layer(5).ereignissanzahl; ++k) EXPECT_EQ(Object(5, k).aktiv, k == i);
            continue;
        }
        ASSERT_FALSE(ziffern.empty());
        EXPECT_EQ(std::pair(SlotOf(5, ziffern[0]).x, SlotOf(5, ziffern[0]).y), std::pair(double(z.x), double(z.y - 5)));
        if (z.folge == -1) continue;

        std::vector<int> folge = LiveObjects(5, z.folge);
        if (z.folge == z.bild) folge.erase(std::remove(folge.begin(), folge.end(), i), folge.end());
        ASSERT_EQ(folge.size(), 1u);
        const int f = folge[0];
        EXPECT_TRUE(SlotOf(5, f).x == z.x && SlotOf(5, f).y == z.y);
        std::int32_t block[kParameter] = {};
        for (auto [p, wert] : z.werte) block[p] = wert;
        EXPECT_TRUE(std::equal(block, block + kParameter, Object(5, f).parameterblock));
        EXPECT_EQ(std::pair(Object(5, f).maxalter, f < ziffern[0]), std::pair(block[lebensdauer], z.folgeZuerst));
        EXPECT_TRUE(!(z.endet && z.folgeZuerst) || Object(5, f).instanz == slot) << "the freed slot";
    }
}
