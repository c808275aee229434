#include "game/scene.h"
#include "layers/layer_fixture.h"
#include "support/game_fixture.h"

namespace {

int live_objects(int layer) {
    const _layerdaten* l = layerdatenbank.layerdaten[layer];
    return int(std::count_if(l->ereigniss, l->ereigniss + l->ereignissanzahl, [](auto* e) { return e && e->aktiv; }));
}

class SceneTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        ASSERT_TRUE(OpenDisplayWithPictures());
        zufallsstart(4711);
        wellenzaehler = wellenschritte = wellenrichtung = 0;
        szeneaufbauen(0);
    }
    static _layerdaten& layer(int n) { return *layerdatenbank.layerdaten[n]; }
    static int raft_frame() { return layer(kLayerFloss).bilder[layer(kLayerFloss).ereigniss[0]->instanz].actualframe; }
};

}  // namespace

TEST_F(SceneTest, TheFirstBuildPlacesEverythingAndARebuildRefillsTheSameLayersKeepingTheView) {
    ASSERT_EQ(layerdatenbank.anzahl, 20);
    // Objects, and still images (slots that show no object).
    EXPECT_EQ(std::pair(live_objects(kLayerInseln), layer(kLayerInseln).bilderanzahl), std::pair(53, 53 + 4));
    EXPECT_EQ(std::pair(live_objects(kLayerInselnNah), layer(kLayerInselnNah).bilderanzahl), std::pair(37, 37 + 2));
    ASSERT_EQ(layer(kLayerHud).bilderanzahl, 12);
    for (int slot = 0; slot < 12; ++slot) EXPECT_EQ(layer(kLayerHud).bilder[slot].belegt, slot == 2 ? 1 : 0) << slot;
    EXPECT_TRUE(raft_frame() == 4 && fakes::boxes.empty());  // the middle view

    for (int i = 0; i < 40; ++i) layerdatenbank.scrolllinks();
    _layerdaten* inseln = &layer(kLayerInseln);
    const int view = inseln->scrollx;
    std::int32_t block[kParameter] = {};
    layerdatenbank.addobject(block, 11, 9, 100, 100);  // on a layer the scene leaves empty
    layerdatenbank.punkteinit = layerdatenbank.zeitinit = 1;
    layerdatenbank.neustart();
    // The score and time digits are made anew in the emptied digit layer.
    EXPECT_EQ(std::pair(layerdatenbank.punkteinit, layerdatenbank.zeitinit), std::pair(0, 0));
    szeneaufbauen(1);
    EXPECT_TRUE(&layer(kLayerInseln) == inseln && inseln->scrollx == view);
    EXPECT_EQ(std::tuple(live_objects(11), live_objects(kLayerInseln), layer(kLayerHud).bilderanzahl),
              std::tuple(0, 53, 12));
    // The sea is slot 0 again.
    EXPECT_EQ(std::pair(layer(kLayerHud).bilder[0].bild, layer(kLayerMeer).bilder[0].bild),
              std::pair(kBildHighscore, kBildWasser));
}

TEST_F(SceneTest, ScrollingStopsAtTheReferenceLayersLimitsAndTurnsTheRaft) {
    for (int i = 0; i < 91; ++i) layerdatenbank.scrolllinks();
    // A step of 0 never moves; the raft is turned as far as it goes.
    EXPECT_EQ(std::tuple(layer(kLayerInseln).scrollx, layer(kLayerMeer).scrollx, raft_frame()),
              std::tuple(-1001, 0, 0));
    const int counter = layer(kLayerFloss).drehzaehler;
    layerdatenbank.scrolllinks();  // at the limit the whole call does nothing
    EXPECT_EQ(std::pair(layer(kLayerInseln).scrollx, layer(kLayerFloss).drehzaehler), std::pair(-1001, counter));

    for (int i = 0; i < 300; ++i) layerdatenbank.scrollrechts();
    EXPECT_EQ(std::tuple(layer(kLayerInseln).scrollx, layer(kLayerLeuchtturm).scrollx, raft_frame()),
              std::tuple(1507, 2192, 8));

    for (int i = 0; i < 100; ++i) layerdatenbank.scrollhoch();
    EXPECT_EQ(std::pair(layer(kLayerInseln).scrolly, layer(kLayerHud).scrolly), std::pair(-205, 0));
    for (int i = 0; i < 100; ++i) layerdatenbank.scrollrunter();
    EXPECT_EQ(layer(kLayerInseln).scrolly, 0);
    // A jolt above the rest position blocks scrolling down until it is gone.
    layer(kLayerInseln).scrolly = 3;
    layerdatenbank.scrollrunter();
    EXPECT_EQ(layer(kLayerInseln).scrolly, 3);
}

TEST_F(SceneTest, TheSwellRocksEveryLayerButTheLastAndAJoltSettlesAPixelAFrame) {
    std::vector<int> offsets;
    for (int frame = 1; frame <= 90; ++frame) {
        layerdatenbank.wellengang();
        if (frame % 10 == 0) offsets.push_back(layer(0).scrolly);
        EXPECT_EQ(layer(kLayerLogo).scrolly, 0);
    }
    EXPECT_EQ(offsets, (std::vector<int>{1, 2, 3, 4, 4, 3, 2, 1, 0}));
    EXPECT_EQ(std::pair(layer(kLayerHud).scrolly, wellenrichtung), std::pair(0, 0));

    layerdatenbank.ruckeln = 7;
    for (int l = 0; l < 20; ++l) layer(l).scrolly = 7;
    for (int i = 0; i < 10; ++i) layerdatenbank.ruckelschritt();
    EXPECT_EQ(layerdatenbank.ruckeln, 0);
    for (int l = 0; l < 20; ++l) EXPECT_EQ(layer(l).scrolly, 0) << l;
}

// A full layer makes the set-up's first image there the 301st: the sea's, the raft's (its frame then set), a pig's.
class SceneOnAFullLayerTest : public SceneTest, public ::testing::WithParamInterface<int> {};

TEST_P(SceneOnAFullLayerTest, ASetUpThatEndsTheProgramGoesNoFurther) {
    layerdatenbank.neustart();
    FillLayer(GetParam(), kBildWasser);
    szeneaufbauen(1);
    ExpectEndedByAFullLayer();
}

// A scene object asked for on a full layer ends the program once; its frame is then set nowhere.
TEST_F(SceneTest, AnObjectOnAFullLayerEndsTheProgramWithOneReport) {
    FillLayer(kLayerZiffern, kBildZiffern);
    startframe(kLayerZiffern, objekt(kLayerZiffern, kBildZiffern, 0, 0), 8);
    ExpectEndedByAFullLayer();
    EXPECT_TRUE(layerdatenbank.lpdd == nullptr && layerdatenbank.lpddsback == nullptr);
}

INSTANTIATE_TEST_SUITE_P(SeaRaftPigs, SceneOnAFullLayerTest, ::testing::Values(kLayerMeer, kLayerFloss, kLayerSchweine));
