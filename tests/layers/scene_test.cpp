#include "game/random_numbers.h"
#include "layers/scene.h"
#include "support/shell_fixture.h"

namespace {

int live_objects(int layer) {
    const _layerdaten* l = layerdatenbank.layerdaten[layer];
    int n = 0;
    for (int i = 0; i < l->ereignissanzahl; ++i) n += l->ereigniss[i] && l->ereigniss[i]->aktiv;
    return n;
}

class SceneTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        ASSERT_TRUE(OpenDisplayWithPictures());
        zufallsstart(4711);
        szeneaufbauen(0);
    }
};

}  // namespace

TEST_F(SceneTest, TheFirstBuildPlacesEverythingAndARebuildRefillsTheSameLayersKeepingTheView) {
    ASSERT_EQ(layerdatenbank.anzahl, 20);
    // Objects, and still images (slots that show no object).
    const struct {
        int layer, objects, stills;
    } counts[] = {{kLayerInseln, 53, 4}, {kLayerInselnNah, 37, 2}};
    for (const auto& c : counts) {
        EXPECT_EQ(live_objects(c.layer), c.objects) << c.layer;
        EXPECT_EQ(layerdatenbank.layerdaten[c.layer]->bilderanzahl - live_objects(c.layer), c.stills) << c.layer;
    }
    const _layerdaten* hud = layerdatenbank.layerdaten[kLayerHud];
    ASSERT_EQ(hud->bilderanzahl, 12);
    for (int slot = 0; slot < 12; ++slot) EXPECT_EQ(hud->bilder[slot].belegt, slot == 2 ? 1 : 0) << slot;
    // The raft starts in its middle view.
    const _layerdaten* raft = layerdatenbank.layerdaten[kLayerFloss];
    EXPECT_EQ(raft->bilder[raft->ereigniss[0]->instanz].actualframe, 4);
    EXPECT_TRUE(fakes::boxes.empty());

    for (int i = 0; i < 40; ++i) layerdatenbank.scrolllinks();
    const int view7 = layerdatenbank.layerdaten[kLayerInseln]->scrollx;
    // Something of the old game on a layer the scene leaves empty.
    std::int32_t block[kParameter] = {};
    layerdatenbank.addobject(block, 11, 9, 100, 100);
    _layerdaten* layer7 = layerdatenbank.layerdaten[kLayerInseln];
    layerdatenbank.punkteinit = layerdatenbank.zeitinit = 1;
    layerdatenbank.neustart();
    // The score and time digits are made anew in the emptied digit layer.
    EXPECT_EQ(layerdatenbank.punkteinit, 0);
    EXPECT_EQ(layerdatenbank.zeitinit, 0);
    szeneaufbauen(1);
    EXPECT_EQ(layerdatenbank.layerdaten[kLayerInseln], layer7);
    EXPECT_EQ(layerdatenbank.layerdaten[kLayerInseln]->scrollx, view7);
    EXPECT_EQ(live_objects(11), 0);
    EXPECT_EQ(live_objects(7), 53);
    EXPECT_EQ(layerdatenbank.layerdaten[kLayerHud]->bilderanzahl, 12);
    EXPECT_EQ(layerdatenbank.layerdaten[kLayerHud]->bilder[0].bild, kBildHighscore);
    EXPECT_EQ(layerdatenbank.layerdaten[kLayerMeer]->bilder[0].bild, kBildWasser);  // the sea is slot 0 again
}

TEST_F(SceneTest, ASetUpThatEndsTheProgramGoesNoFurther) {
    // A full layer makes the set-up's first image there the 301st: the
    // sea's, the raft's (whose first frame is then set), a pig's.
    for (int voll : {kLayerMeer, kLayerFloss, kLayerSchweine}) {
        layerdatenbank.neustart();
        while (layerdatenbank.layerdaten[voll]->bilderanzahl < 300) layerdatenbank.addbild(voll, kBildWasser, 0, 0);
        szeneaufbauen(1);
        ASSERT_EQ(fakes::boxes.size(), 1u) << voll;
        EXPECT_EQ(fakes::boxes[0].text, "_layerdaten::addbild-Bilderanzahl zu groß");
        EXPECT_EQ(layerdatenbank.anzahl, 0);
        TearDown();
        SetUp();
    }
}
