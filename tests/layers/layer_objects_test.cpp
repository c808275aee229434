#include "layers/layer_fixture.h"

using ObjectTest = LayerTest;

TEST_F(ObjectTest, LifeEndsTheObjectAndACasingLandsWithTwoSplashesAndOneSound) {
    const int huelse = neu(17, 48, 100, 200, {{lebensdauer, 27}});
    schritte(17, 26);
    EXPECT_TRUE(objekt(17, huelse).aktiv);
    EXPECT_TRUE(sounds().empty());
    layer(17).bewegen();
    EXPECT_FALSE(objekt(17, huelse).aktiv);
    EXPECT_EQ(sounds(), std::vector<int>{19});

    const std::vector<int> spritzer = lebende(17, 10), ring = lebende(17, 5);
    ASSERT_EQ(spritzer.size(), 1u);
    ASSERT_EQ(ring.size(), 1u);
    EXPECT_EQ(platz(17, spritzer[0]).x, 100);
    EXPECT_EQ(platz(17, spritzer[0]).y, 200);
    EXPECT_EQ(platz(17, ring[0]).x, 89);
    EXPECT_EQ(platz(17, ring[0]).y, 189);
    // Both stand still and fade by themselves; new records step at once.
    EXPECT_EQ(schritteBisZumEnde(17, spritzer[0], 100), 26);
    EXPECT_FALSE(objekt(17, ring[0]).aktiv);
    EXPECT_EQ(sounds(), std::vector<int>{19});
}

TEST_F(ObjectTest, ObjectsStepEveryTaktthFrameAndStraightMovesEndBeyondTheirBounds) {
    for (int t : {0, 1, 3}) {
        layer(4).zuruecksetzen();
        const int i = neu(4, 22, 100, 100, {{takt, t}, {rechts, 1}});
        std::vector<int> x;
        for (int f = 0; f < 9; ++f) {
            layer(4).bewegen();
            x.push_back(int(platz(4, i).x));
        }
        const std::vector<int> erwartet =
            t == 3 ? std::vector<int>{100, 100, 101, 101, 101, 102, 102, 102, 103}
                   : std::vector<int>{101, 102, 103, 104, 105, 106, 107, 108, 109};
        EXPECT_EQ(x, erwartet) << "takt " << t;
    }


    struct Fall {
        parameter richtung;
        int x, y;
        int endeImSchritt;
    };
    const Fall faelle[] = {
        {rechts, 2497, 0, 1},  {rechts, 2495, 0, 2},  {links, -2497, 0, 1}, {links, -2495, 0, 2},
        {hoch, 0, -497, 1},    {hoch, 0, -495, 2},    {runter, 0, 997, 1},  {runter, 0, 995, 2},
    };
    for (const Fall& f : faelle) {
        layer(4).zuruecksetzen();
        const int i = neu(4, 22, f.x, f.y, {{f.richtung, 5}});
        EXPECT_EQ(schritteBisZumEnde(4, i, 10), f.endeImSchritt) << "slot " << f.richtung << " from " << f.x << "," << f.y;
    }
}

TEST_F(ObjectTest, ArcsClimbFlyLevelDescendAndEnd) {
    const int r = neu(4, 22, 0, 400, {{bogenrechts, 2}});
    schritte(4, 149);
    EXPECT_EQ(platz(4, r).y, 102);
    EXPECT_GE(platz(4, r).x, 298);
    EXPECT_LE(platz(4, r).x, 447);
    layer(4).bewegen();  // level flight: straight on by the speed alone
    EXPECT_EQ(platz(4, r).y, 102);
    EXPECT_EQ(schritteBisZumEnde(4, r, 1000), 850 - 150);
    EXPECT_EQ(objekt(4, r).parameterblock[bogenrechts], 0);

    const int l = neu(5, 22, 2000, 400, {{bogenlinks, 2}});
    EXPECT_EQ(schritteBisZumEnde(5, l, 1000), 500);
    EXPECT_EQ(platz(5, l).y, 402);  // 149 steps up, 150 down
}

TEST_F(ObjectTest, CirclesTurnThroughTheFramesOfTheirPicture) {
    // Picture 72 has 12 frames: 30 degrees a frame, frame 8 at angle 0.
    const int i = neu(4, 72, 500, 300, {{bahn, 2}});
    layer(4).bewegen();
    EXPECT_EQ(platz(4, i).winkel, 0);
    EXPECT_EQ(platz(4, i).actualframe, 8);
    EXPECT_DOUBLE_EQ(platz(4, i).x, 510);
    EXPECT_DOUBLE_EQ(platz(4, i).y, 300);
    // A turn every third step: one frame on, round to frame 0, round again.
    schritte(4, 8);
    EXPECT_EQ(platz(4, i).winkel, 90);
    EXPECT_EQ(platz(4, i).actualframe, 11);
    schritte(4, 3);
    EXPECT_EQ(platz(4, i).actualframe, 0);
    schritte(4, 24);
    EXPECT_EQ(platz(4, i).winkel, 360);
    EXPECT_EQ(platz(4, i).actualframe, 8);
    schritte(4, 3);
    EXPECT_EQ(platz(4, i).winkel, 30);
    EXPECT_EQ(platz(4, i).actualframe, 9);
}

TEST_F(ObjectTest, SwingsShareOneTurningDirection) {
    // Picture 39 has 30 frames: 12 degrees a step.
    const int a = neu(4, 39, 500, 0, {{bahn, 3}});
    schritte(4, 80);
    EXPECT_EQ(schwenkrichtung, 0);
    EXPECT_EQ(platz(4, a).winkel, 80 * 12 % 360);
    layer(4).bewegen();
    EXPECT_EQ(schwenkrichtung, 1);
    const int nachWende = platz(4, a).winkel;
    layer(4).bewegen();
    EXPECT_EQ(platz(4, a).winkel, nachWende - 12);

    // Two counts running over in the same frame turn it twice: no change.
    layer(5).zuruecksetzen();
    neu(5, 39, 100, 0, {{bahn, 3}});
    neu(6, 40, 100, 0, {{bahn, 3}});
    schritte(5, 80);
    schritte(6, 80);
    layer(5).bewegen();
    EXPECT_EQ(schwenkrichtung, 0);
    layer(6).bewegen();
    EXPECT_EQ(schwenkrichtung, 1);
}

TEST_F(ObjectTest, AnArcWithASwingNeverLeavesItsClimb) {
    // Both count with the one zaehler, and the swing resets it beyond 80.
    const int i = neu(4, 72, 500, 0, {{bogenrechts, 1}, {bahn, 3}});
    int schritt = 0;
    while (objekt(4, i).aktiv && schritt < 5000) {
        layer(4).bewegen();
        ++schritt;
        ASSERT_LE(platz(4, i).zaehler, 80) << "step " << schritt;
    }
    EXPECT_FALSE(objekt(4, i).aktiv);
    EXPECT_GT(schritt, 850);
    EXPECT_EQ(objekt(4, i).parameterblock[bogenrechts], 1);  // ended by the world's edge, not the arc
}

TEST_F(ObjectTest, FallingPigsSplashIntoTheWater) {
    // From 265 to 275: only the flying pigs' layer has its water that high.
    neu(7, 15, 50, 265, {{runter, 10}});
    layer(7).bewegen();
    EXPECT_TRUE(lebende(7, 18).empty());
    EXPECT_TRUE(sounds().empty());

    neu(8, 15, 50, 265, {{runter, 10}});
    layer(8).bewegen();
    EXPECT_TRUE(lebende(8, 15).empty());
    ASSERT_EQ(lebende(8, 18).size(), 1u);
    EXPECT_EQ(platz(8, lebende(8, 18)[0]).y, 275);
    EXPECT_EQ(sounds(), std::vector<int>{18});

    // From 265 to 305 both tests fire. The first splash takes over the pig's
    // record and slot; ending the pig again must leave it showing.
    layer(8).zuruecksetzen();
    sounds().clear();
    neu(8, 24, 60, 265, {{runter, 40}});
    layer(8).bewegen();
    const std::vector<int> spritzer = lebende(8, 18);
    ASSERT_EQ(spritzer.size(), 2u);
    for (int s : spritzer) {
        EXPECT_EQ(platz(8, s).belegt, 1);
        EXPECT_EQ(platz(8, s).x, 60);
        EXPECT_EQ(platz(8, s).y, 305);
        EXPECT_EQ(objekt(8, s).maxalter, 35);
    }
    EXPECT_NE(objekt(8, spritzer[0]).instanz, objekt(8, spritzer[1]).instanz);
    EXPECT_EQ(sounds(), (std::vector<int>{18, 18}));

    // Small pigs and clouds splash lower, smaller and with another sound.
    sounds().clear();
    neu(3, 16, 70, 230, {{runter, 5}});
    layer(3).bewegen();
    ASSERT_EQ(lebende(3, 21).size(), 1u);
    EXPECT_EQ(platz(3, lebende(3, 21)[0]).y, 235);
    EXPECT_EQ(sounds(), std::vector<int>{1});
}

TEST_F(ObjectTest, TwoHundredObjectsFillALayerAndEndedRecordsAreReusedLowestFirst) {
    for (int i = 0; i < 200; ++i) ASSERT_EQ(neu(4, 22, i, 0), i);
    EXPECT_EQ(neu(4, 22, 0, 0), -1);
    EXPECT_EQ(layer(4).ereignissanzahl, 200);
    EXPECT_EQ(layer(4).bilderanzahl, 200);
    EXPECT_TRUE(fakes::boxes.empty());

    layer(4).beenden(7);
    layer(4).beenden(3);
    EXPECT_EQ(neu(4, 30, 5, 6), 3);
    EXPECT_EQ(objekt(4, 3).instanz, 3);  // the lowest hidden slot
    EXPECT_EQ(platz(4, 3).bild, 30);
    EXPECT_EQ(neu(4, 30, 5, 6), 7);
    EXPECT_EQ(neu(4, 30, 5, 6), -1);
}
