#include "support/test_pictures.h"

namespace {

// Twenty layers with the scene's scroll steps and a nine-view raft on layer 6
// at its middle view.
class ScrollingTest : public DisplayTest {
protected:
    void SetUp() override {
        DisplayTest::SetUp();
        const int raft = testbilder::add(store_, 160, 140, 9);
        db_.init(lpdd, lpddsprimary, lpddsback);
        for (int i = 0; i < 20; ++i) db_.Setlayerdaten(&store_);
        const int step[20][2] = {{0, 0}, {0, 0}, {6, 4},  {7, 4},  {0, 4},  {7, 4}, {0, 8}, {11, 5}, {13, 6}, {15, 7},
                                 {0, 0}, {0, 6}, {16, 6}, {0, 6},  {0, 6},  {0, 5}, {0, 0}, {0, 6},  {0, 0},  {0, 0}};
        for (int l = 0; l < 20; ++l) db_.setpixelplus(l, step[l][0], step[l][1]);
        db_.addbild(kLayerFloss, raft, 280, 405);
        db_.layerdaten[kLayerFloss]->bilder[0].actualframe = 4;
        wellenzaehler = wellenschritte = wellenrichtung = 0;
    }
    void TearDown() override {
        db_.freigeben();
        store_.freigeben();
        DisplayTest::TearDown();
    }
    int raft_frame() { return db_.layerdaten[kLayerFloss]->bilder[0].actualframe; }
    _grafikdatenbank store_;
    _layerdatenbank db_;
};

}  // namespace

TEST_F(ScrollingTest, ScrollingStopsAtTheReferenceLayersLimitsAndTurnsTheRaft) {
    for (int i = 0; i < 91; ++i) db_.scrolllinks();
    EXPECT_EQ(db_.layerdaten[kLayerInseln]->scrollx, -1001);
    EXPECT_EQ(db_.layerdaten[kLayerMeer]->scrollx, 0);  // a step of 0 never moves
    EXPECT_EQ(raft_frame(), 0);                // turned as far as it goes
    const int counter = db_.layerdaten[kLayerFloss]->drehzaehler;
    db_.scrolllinks();  // at the limit the whole call does nothing
    EXPECT_EQ(db_.layerdaten[kLayerInseln]->scrollx, -1001);
    EXPECT_EQ(db_.layerdaten[kLayerFloss]->drehzaehler, counter);

    for (int i = 0; i < 300; ++i) db_.scrollrechts();
    EXPECT_EQ(db_.layerdaten[kLayerInseln]->scrollx, 1507);
    EXPECT_EQ(db_.layerdaten[kLayerLeuchtturm]->scrollx, 2192);
    EXPECT_EQ(raft_frame(), 8);

    // Up and down likewise.
    for (int i = 0; i < 100; ++i) db_.scrollhoch();
    EXPECT_EQ(db_.layerdaten[kLayerInseln]->scrolly, -205);
    EXPECT_EQ(db_.layerdaten[kLayerHud]->scrolly, 0);
    for (int i = 0; i < 100; ++i) db_.scrollrunter();
    EXPECT_EQ(db_.layerdaten[kLayerInseln]->scrolly, 0);

    // A jolt above the rest position blocks scrolling down until it is gone.
    db_.layerdaten[kLayerInseln]->scrolly = 3;
    db_.scrollrunter();
    EXPECT_EQ(db_.layerdaten[kLayerInseln]->scrolly, 3);
}

TEST_F(ScrollingTest, TheSwellRocksEveryLayerButTheLastAndAJoltSettlesAPixelAFrame) {
    std::vector<int> offsets;
    for (int frame = 1; frame <= 90; ++frame) {
        db_.wellengang();
        if (frame % 10 == 0) offsets.push_back(db_.layerdaten[0]->scrolly);
        EXPECT_EQ(db_.layerdaten[kLayerLogo]->scrolly, 0);
    }
    EXPECT_EQ(offsets, (std::vector<int>{1, 2, 3, 4, 4, 3, 2, 1, 0}));
    EXPECT_EQ(db_.layerdaten[kLayerHud]->scrolly, 0);
    EXPECT_EQ(wellenrichtung, 0);

    // A jolt settles one pixel a frame on every layer.
    db_.ruckeln = 7;
    for (int l = 0; l < 20; ++l) db_.layerdaten[l]->scrolly = 7;
    for (int i = 0; i < 10; ++i) db_.ruckelschritt();
    EXPECT_EQ(db_.ruckeln, 0);
    for (int l = 0; l < 20; ++l) EXPECT_EQ(db_.layerdaten[l]->scrolly, 0) << l;
}
