#include "support/test_pictures.h"

namespace {

// Twenty layers with the scene's scroll steps and a nine-view raft at its middle view.
class ScrollingTest : public DisplayTest {
protected:
    void SetUp() override {
        DisplayTest::SetUp();
        const int raft = testbilder::add(store_, 160, 140, 9);
        db_.init(lpdd, lpddsprimary, lpddsback);
        const int step[20][2] = {{0, 0}, {0, 0}, {6, 4},  {7, 4},  {0, 4},  {7, 4}, {0, 8}, {11, 5}, {13, 6}, {15, 7},
                                 {0, 0}, {0, 6}, {16, 6}, {0, 6},  {0, 6},  {0, 5}, {0, 0}, {0, 6},  {0, 0},  {0, 0}};
        for (int l = 0; l < 20; ++l) {
            db_.Setlayerdaten(&store_);
            db_.setpixelplus(l, step[l][0], step[l][1]);
        }
        db_.addbild(kLayerFloss, raft, 280, 405);
        layer(kLayerFloss).bilder[0].actualframe = 4;
        wellenzaehler = wellenschritte = wellenrichtung = 0;
    }
    void TearDown() override {
        db_.freigeben();
        store_.freigeben();
        DisplayTest::TearDown();
    }
    _layerdaten& layer(int n) { return *db_.layerdaten[n]; }
    int raft_frame() { return layer(kLayerFloss).bilder[0].actualframe; }
    _grafikdatenbank store_;
    _layerdatenbank db_;
};

}  // namespace

TEST_F(ScrollingTest, ScrollingStopsAtTheReferenceLayersLimitsAndTurnsTheRaft) {
    for (int i = 0; i < 91; ++i) db_.scrolllinks();
    EXPECT_EQ(layer(kLayerInseln).scrollx, -1001);
    EXPECT_EQ(layer(kLayerMeer).scrollx, 0);  // a step of 0 never moves
    EXPECT_EQ(raft_frame(), 0);               // turned as far as it goes
    const int counter = layer(kLayerFloss).drehzaehler;
    db_.scrolllinks();  // at the limit the whole call does nothing
    EXPECT_EQ(layer(kLayerInseln).scrollx, -1001);
    EXPECT_EQ(layer(kLayerFloss).drehzaehler, counter);

    for (int i = 0; i < 300; ++i) db_.scrollrechts();
    EXPECT_EQ(layer(kLayerInseln).scrollx, 1507);
    EXPECT_EQ(layer(kLayerLeuchtturm).scrollx, 2192);
    EXPECT_EQ(raft_frame(), 8);

    for (int i = 0; i < 100; ++i) db_.scrollhoch();
    EXPECT_EQ(layer(kLayerInseln).scrolly, -205);
    EXPECT_EQ(layer(kLayerHud).scrolly, 0);
    for (int i = 0; i < 100; ++i) db_.scrollrunter();
    EXPECT_EQ(layer(kLayerInseln).scrolly, 0);
    // A jolt above the rest position blocks scrolling down until it is gone.
    layer(kLayerInseln).scrolly = 3;
    db_.scrollrunter();
    EXPECT_EQ(layer(kLayerInseln).scrolly, 3);
}

TEST_F(ScrollingTest, TheSwellRocksEveryLayerButTheLastAndAJoltSettlesAPixelAFrame) {
    std::vector<int> offsets;
    for (int frame = 1; frame <= 90; ++frame) {
        db_.wellengang();
        if (frame % 10 == 0) offsets.push_back(layer(0).scrolly);
        EXPECT_EQ(layer(kLayerLogo).scrolly, 0);
    }
    EXPECT_EQ(offsets, (std::vector<int>{1, 2, 3, 4, 4, 3, 2, 1, 0}));
    EXPECT_EQ(layer(kLayerHud).scrolly, 0);
    EXPECT_EQ(wellenrichtung, 0);

    db_.ruckeln = 7;
    for (int l = 0; l < 20; ++l) layer(l).scrolly = 7;
    for (int i = 0; i < 10; ++i) db_.ruckelschritt();
    EXPECT_EQ(db_.ruckeln, 0);
    for (int l = 0; l < 20; ++l) EXPECT_EQ(layer(l).scrolly, 0) << l;
}
