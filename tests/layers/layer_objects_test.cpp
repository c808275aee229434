#include <functional>

#include "layers/layer_numbers.h"
#include "layers/layer_fixture.h"

using ObjectTest = LayerTest;

TEST_F(ObjectTest, LifeEndsTheObjectAndACasingLandsWithTwoSplashesAndOneSound) {
    const int huelse = NewObject(kLayerHuelsen, kBildHuelse, 100, 200, {{lebensdauer, 27}});
    Steps(kLayerHuelsen, 26);
    EXPECT_TRUE(Object(kLayerHuelsen, huelse).aktiv && sounds_played.empty());
    layer(kLayerHuelsen).bewegen();
    EXPECT_FALSE(Object(kLayerHuelsen, huelse).aktiv);
    EXPECT_EQ(sounds_played, std::vector<int>{kSoundHuelse});

    const std::vector<int> spritzer = LiveObjects(kLayerHuelsen, kBildSpritzerKlein);
    const std::vector<int> ring = LiveObjects(kLayerHuelsen, kBildWellenring);
    ASSERT_TRUE(spritzer.size() == 1u && ring.size() == 1u);
    EXPECT_TRUE(SlotOf(kLayerHuelsen, spritzer[0]).x == 100 && SlotOf(kLayerHuelsen, spritzer[0]).y == 200);
    // Both stand still and fade by themselves; new records step at once.
    EXPECT_EQ(StepsUntilEnd(kLayerHuelsen, spritzer[0], 100), 26);
    EXPECT_FALSE(Object(kLayerHuelsen, ring[0]).aktiv);
    EXPECT_EQ(sounds_played, std::vector<int>{kSoundHuelse});
}

TEST_F(ObjectTest, ObjectsStepEveryTaktthFrameAndStraightMovesEndBeyondTheirBounds) {
    for (int t : {0, 1, 3}) {
        layer(4).zuruecksetzen();
        const int i = NewObject(4, kBildPatrone, 100, 100, {{takt, t}, {rechts, 1}});
        std::vector<int> x;
        for (int f = 0; f < 9; ++f) {
            layer(4).bewegen();
            x.push_back(int(SlotOf(4, i).x));
        }
        const std::vector<int> erwartet =
            t == 3 ? std::vector<int>{100, 100, 101, 101, 101, 102, 102, 102, 103}
                   : std::vector<int>{101, 102, 103, 104, 105, 106, 107, 108, 109};
        EXPECT_EQ(x, erwartet) << "takt " << t;
    }
    const struct { parameter richtung; int x, y, endeImSchritt; } faelle[] = {
        {rechts, 2497, 0, 1}, {rechts, 2495, 0, 2}, {links, -2497, 0, 1}, {links, -2495, 0, 2},
        {hoch, 0, -497, 1},   {hoch, 0, -495, 2},   {runter, 0, 997, 1},  {runter, 0, 995, 2},
    };
    for (const auto& f : faelle) {
        layer(4).zuruecksetzen();
        const int i = NewObject(4, kBildPatrone, f.x, f.y, {{f.richtung, 5}});
        EXPECT_EQ(StepsUntilEnd(4, i, 10), f.endeImSchritt) << "slot " << f.richtung << " from " << f.x << "," << f.y;
    }
}

TEST_F(ObjectTest, ArcsCirclesAndSwingsFollowTheirPaths) {
    const int r = NewObject(4, kBildPatrone, 0, 400, {{bogenrechts, 2}});
    EXPECT_EQ(StepsUntilEnd(4, r, 1000), 850);
    const int l = NewObject(5, kBildPatrone, 2000, 400, {{bogenlinks, 2}});
    EXPECT_EQ(StepsUntilEnd(5, l, 1000), 500);
    EXPECT_EQ(SlotOf(5, l).y, 402);  // 149 steps up, 150 down

    // 12 frames: 30 degrees a turn, every third step; frame 8 at angle 0.
    const int k = NewObject(6, kBildSegelboot, 500, 300, {{bahn, 2}});
    Steps(6, 9);
    EXPECT_EQ(std::pair(SlotOf(6, k).winkel, SlotOf(6, k).actualframe), std::pair(90, 11));

    // 30 frames: 12 degrees a step; the 81st step turns every swing back.
    const int s = NewObject(7, kBildWolkeGross, 500, 0, {{bahn, 3}});
    Steps(7, 81);
    EXPECT_EQ(schwenkrichtung, 1);
    const int nachWende = SlotOf(7, s).winkel;
    layer(7).bewegen();
    EXPECT_EQ(SlotOf(7, s).winkel, nachWende - 12);

    // A picture of no frames or of more than 360 still turns, by at least a degree.
    for (int frames : {0, 400}) {
        grafikdatenbank.grafikdaten[kBildWolkeKlein]->frames = frames;
        layer(4).zuruecksetzen();
        const int a = NewObject(4, kBildWolkeKlein, 500, 100, {{bahn, 2}});
        const int b = NewObject(4, kBildWolkeKlein, 500, 100, {{bahn, 3}});
        Steps(4, 6);
        EXPECT_TRUE(SlotOf(4, a).winkel > 0 && SlotOf(4, b).winkel != 0) << frames;
    }
}

TEST_F(ObjectTest, FallingPigsSplashIntoTheWater) {
    NewObject(kLayerSchweine, kBildAbsturz, 50, 265, {{runter, 10}});
    layer(kLayerSchweine).bewegen();
    EXPECT_TRUE(LiveObjects(kLayerSchweine, kBildAbsturz).empty());
    ASSERT_EQ(LiveObjects(kLayerSchweine, kBildSpritzerGross).size(), 1u);
    EXPECT_EQ(SlotOf(kLayerSchweine, LiveObjects(kLayerSchweine, kBildSpritzerGross)[0]).y, 275);
    EXPECT_EQ(sounds_played, std::vector<int>{kSoundAufprall});

    // From 265 to 305 both water tests fire. The first splash takes over the
    // pig's record and slot; ending the pig again must leave it showing.
    layer(kLayerSchweine).zuruecksetzen();
    NewObject(kLayerSchweine, kBildRotAbsturz, 60, 265, {{runter, 40}});
    layer(kLayerSchweine).bewegen();
    const std::vector<int> spritzer = LiveObjects(kLayerSchweine, kBildSpritzerGross);
    ASSERT_EQ(spritzer.size(), 2u);
    for (int s : spritzer) EXPECT_EQ(SlotOf(kLayerSchweine, s).belegt, 1);
    EXPECT_NE(Object(kLayerSchweine, spritzer[0]).instanz, Object(kLayerSchweine, spritzer[1]).instanz);
}

TEST_F(ObjectTest, TwoHundredObjectsFillALayerAndEndedRecordsAreReusedLowestFirst) {
    for (int i = 0; i < 200; ++i) ASSERT_EQ(NewObject(4, kBildPatrone, i, 0), i);
    EXPECT_EQ(NewObject(4, kBildPatrone, 0, 0), -1);
    EXPECT_TRUE(layer(4).bilderanzahl == 200 && fakes::boxes.empty());

    layer(4).beenden(7);
    layer(4).beenden(3);
    EXPECT_EQ(NewObject(4, kBildLeuchtturm, 5, 6), 3);
    EXPECT_EQ(std::pair(Object(4, 3).instanz, SlotOf(4, 3).bild), std::pair(3, kBildLeuchtturm));  // lowest hidden slot
    EXPECT_EQ((std::pair{NewObject(4, kBildLeuchtturm, 5, 6), NewObject(4, kBildLeuchtturm, 5, 6)}), std::pair(7, -1));
}

// Every way to a 301st image slot on a full digit layer ends the program once, nothing left pointing at the display.
class FullLayerTest : public LayerTest, public ::testing::WithParamInterface<std::function<void()>> {};

TEST_P(FullLayerTest, A301stImageSlotEndsTheProgramWithOneReportAndNothingReleasedIsTouched) {
    FillLayer(kLayerZiffern, kBildZiffern);
    GetParam()();
    ExpectEndedByAFullLayer();
    EXPECT_TRUE(layerdatenbank.lpdd == nullptr && layerdatenbank.lpddsprimary == nullptr &&
                layerdatenbank.lpddsback == nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    EveryWay, FullLayerTest,
    ::testing::Values([] { EXPECT_TRUE(layerdatenbank.addbild(kLayerZiffern, kBildZiffern, 0, 0)); },
                      [] {
                          std::int32_t block[kParameter] = {};
                          EXPECT_EQ(layerdatenbank.addobject(block, kLayerZiffern, kBildZiffern, 0, 0), -1);
                      },
                      [] { layerdatenbank.punkteanzeige(); }));

TEST_F(ObjectTest, ACasingWhoseSecondSplashFindsNoSlotEndsTheProgramCleanly) {
    NewObject(kLayerHuelsen, kBildHuelse, 100, 200, {{lebensdauer, 27}});
    // The first splash takes the last of the 300 slots; the ring finds none.
    FillLayer(kLayerHuelsen, kBildSpiegelung, 299);
    Steps(kLayerHuelsen, 27);
    ExpectEndedByAFullLayer();
    EXPECT_EQ(sounds_played, std::vector<int>{kSoundHuelse});
}

TEST_F(ObjectTest, DrawingStopsWhenAnObjectsStepEndedTheProgram) {
    NewObject(kLayerHuelsen, kBildHuelse, 100, 200, {{lebensdauer, 1}});
    FillLayer(kLayerHuelsen, kBildSpiegelung);
    EXPECT_FALSE(layerdatenbank.allezeichnen(&grafikdatenbank));
    ExpectEndedByAFullLayer();
}
