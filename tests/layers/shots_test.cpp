#include "layers/digit_displays.h"
#include "layers/layer_fixture.h"

class ShotTest : public LayerTest {
protected:
    static std::vector<int> frames(const std::int32_t* objekte, int anzahl) {
        std::vector<int> f;
        for (int i = 0; i < anzahl; ++i) f.push_back(platz(kLayerZiffern, objekte[i]).actualframe);
        return f;
    }
};

TEST_F(ShotTest, TheScoreShowsRightAlignedInSevenDigitsTheTimeLeftAlignedBlankingTheRest) {
    // Frames: 0-9 the digits, 10 blank, 11 minus; at most five digits.
    const struct {
        int wert;
        std::vector<int> punkte, zeit;
    } faelle[] = {
        {123456, {10, 10, 1, 2, 3, 4, 5}, {1, 2, 3, 4, 5, 10}},
        {0, {10, 10, 10, 10, 10, 10, 0}, {0, 10, 10, 10, 10, 10}},
        {-5, {10, 10, 10, 10, 10, 11, 5}, {11, 5, 10, 10, 10, 10}},
        {-12345, {10, 11, 1, 2, 3, 4, 5}, {11, 1, 2, 3, 4, 5}},
        {90, {10, 10, 10, 10, 10, 9, 0}, {9, 0, 10, 10, 10, 10}},  // the sixth time position is blanked too
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
    EXPECT_FALSE(layerdatenbank.schiessen(&grafikdatenbank, 320, 240));
    EXPECT_EQ(lebende(kLayerHuelsen, kBildHuelse).size(), 1u);

    // The view settles a pixel a frame; a shot tops the jolt up to 7 again.
    for (int n = 0; n < 20; ++n) EXPECT_EQ(layer(n).scrolly, 7);
    for (int zurueck : {0, 3, 7, 1, 6}) {
        layerdatenbank.ruckeln -= zurueck;
        for (int n = 0; n < 20; ++n) layer(n).scrolly -= zurueck;
        layerdatenbank.schiessen(&grafikdatenbank, 320, 240);
        for (int n = 0; n < 20; ++n) ASSERT_EQ(layer(n).scrolly, 7) << "layer " << n;
        EXPECT_EQ(layerdatenbank.ruckeln, 7);
    }
    EXPECT_TRUE(fakes::boxes.empty());
}

TEST_F(ShotTest, OnlyTheFrontmostObjectIsHitAndNeverOneOfTheSea) {
    bemalen(kBildSonne, {0, 0, 60, 60});
    bemalen(kBildLeuchtturm, {0, 0, 120, 320});
    neu(7, kBildLeuchtturm, 100, 50);  // lighthouse, -5
    neu(12, kBildSonne, 100, 50);      // sun in front of it, -20
    neu(0, kBildLeuchtturm, 400, 50);  // in the sea layer
    layerdatenbank.allezeichnen(&grafikdatenbank);

    EXPECT_TRUE(layerdatenbank.schiessen(&grafikdatenbank, 110, 60));
    EXPECT_EQ(punkte, -20);
    EXPECT_EQ(sounds(), std::vector<int>{kSoundQuerschlaeger});

    EXPECT_FALSE(layerdatenbank.schiessen(&grafikdatenbank, 410, 60));
    EXPECT_EQ(punkte, -20);
    EXPECT_EQ(lebende(kLayerHuelsen, kBildHuelse).size(), 2u);
}
