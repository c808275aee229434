#include "game/random_numbers.h"
#include "layers/layer.h"
#include "support/shell_fixture.h"
#include "support/test_pictures.h"

namespace {

class LayerImagesTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        ASSERT_TRUE(OpenDisplay());
        still_ = testbilder::add(store_, 10, 10, 4);
        layer_.grafikdatenbank = &store_;
    }
    void TearDown() override {
        store_.freigeben();
        ShellTest::TearDown();
    }
    _grafikdatenbank store_;
    _layerdaten layer_;
    int still_ = 0;
};

}  // namespace

TEST_F(LayerImagesTest, ThreeHundredSlotsThenAReport) {
    for (int i = 0; i < 300; ++i) ASSERT_FALSE(layer_.addbild(still_, i, 0)) << i;
    EXPECT_TRUE(fakes::boxes.empty());
    EXPECT_TRUE(layer_.addbild(still_, 0, 0));
    EXPECT_EQ(layer_.bilderanzahl, 300);
    ASSERT_EQ(fakes::boxes.size(), 1u);
    EXPECT_EQ(fakes::boxes[0].text, "_layerdaten::addbild-Bilderanzahl zu groß");
}

TEST_F(LayerImagesTest, PalmAndSurfPicturesStartAtARandomFrame) {
    testbilder::fill_to(store_, 36);
    const int palm = testbilder::add(store_, 52, 52, 7, true, 8);
    zufallsstart(1);  // first value 41: 41 mod 7 = 6
    layer_.addbild(palm, 0, 0);
    EXPECT_EQ(layer_.bilder[0].actualframe, 6);
    EXPECT_EQ(layer_.bilder[0].verzoegerung, 8);
    EXPECT_EQ(layer_.bilder[0].blitx, -1);

    // Handed to an object through a reused slot it starts at frame 0.
    layer_.bilder[0].belegt = 0;
    layer_.ereigniss[0] = new Ereigniss;
    layer_.bildvergeben(0, palm, 5, 6);
    EXPECT_EQ(layer_.ereigniss[0]->instanz, 0);
    EXPECT_EQ(layer_.bilder[0].actualframe, 0);
    EXPECT_EQ(layer_.bilder[0].x, 5.0);
}

TEST_F(LayerImagesTest, ObjectsTakeTheFirstHiddenSlotAndAppendAfterAReset) {
    for (int i = 0; i < 10; ++i) layer_.addbild(still_, i, 0);
    layer_.bilder[7].belegt = 0;
    layer_.bilder[3].belegt = 0;
    layer_.bilder[3].actualframe = 2;
    layer_.ereigniss[0] = new Ereigniss;
    layer_.bildvergeben(0, still_, 100, 200);
    EXPECT_EQ(layer_.ereigniss[0]->instanz, 3);
    EXPECT_EQ(layer_.bilder[3].belegt, 1);
    EXPECT_EQ(layer_.bilder[3].actualframe, 0);
    EXPECT_EQ(layer_.bilder[3].y, 200.0);
    layer_.bildvergeben(0, still_, 1, 1);
    EXPECT_EQ(layer_.ereigniss[0]->instanz, 7);
    layer_.bildvergeben(0, still_, 1, 1);
    EXPECT_EQ(layer_.ereigniss[0]->instanz, 10);
    EXPECT_EQ(layer_.bilderanzahl, 11);

    // After a reset the search stops at once: slot 0 is taken afresh.
    layer_.ereigniss[0]->aktiv = true;
    layer_.ereignissanzahl = 1;
    layer_.bilder[0].blitx = 77;
    layer_.zuruecksetzen();
    EXPECT_EQ(layer_.bilderanzahl, 0);
    EXPECT_FALSE(layer_.ereigniss[0]->aktiv);
    EXPECT_EQ(layer_.bilder[5].belegt, 0);
    layer_.bildvergeben(0, still_, 9, 9);
    EXPECT_EQ(layer_.ereigniss[0]->instanz, 0);
    EXPECT_EQ(layer_.bilder[0].blitx, -1);
    EXPECT_EQ(layer_.bilderanzahl, 1);
}

TEST_F(LayerImagesTest, TurningFramesShareOneCounterAndStopAtTheEnds) {
    layer_.addbild(still_, 0, 0);  // four frames
    layer_.addbild(still_, 0, 0);
    layer_.bilder[1].belegt = 0;   // hidden slots turn too
    for (int i = 0; i < 10; ++i) layer_.framesvor();
    EXPECT_EQ(layer_.bilder[0].actualframe, 1);
    EXPECT_EQ(layer_.bilder[1].actualframe, 1);
    EXPECT_EQ(layer_.drehzaehler, 4);

    _layerdaten fresh;
    fresh.grafikdatenbank = &store_;
    fresh.addbild(still_, 0, 0);
    fresh.framesrueck();  // from a fresh layer the first step back is at once
    EXPECT_EQ(fresh.drehzaehler, 6);
    EXPECT_EQ(fresh.bilder[0].actualframe, 0);  // and stops at frame 0
    fresh.bilder[0].actualframe = 3;
    for (int i = 0; i < 6 * 5; ++i) fresh.framesvor();
    EXPECT_EQ(fresh.bilder[0].actualframe, 3);  // stops at the last frame
}
