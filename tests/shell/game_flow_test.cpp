#include <cstring>

#include "layers/layer_fixture.h"
#include "support/shell_fixture.h"
#include "text/highscore_table.h"

using namespace platform;

namespace {

// The whole game on the fake clock, driven frame by frame.
class GameFlowTest : public WholeGameTest {
protected:
    void SetUp() override { WholeGameTest::SetUp(); ASSERT_NO_FATAL_FAILURE(StartGame()); }

    void Frames(int n) { for (int i = 0; i < n; ++i) spielschritt(), fakes::Advance(16667); }
    // Held long enough for the name entry's poll to see it.
    void Type(int vk) {
        fakes::keys_down = {vk};
        Frames(4);
        fakes::keys_down.clear();
        if (vk != VK_RETURN) Frames(4);
    }
    // One second per frame, each frame's own time included.
    void Seconds(int n) { for (int s = 0; s < n; ++s) fakes::Advance(1000000 - 16667), Frames(1); }
    int Ticks() { return int(std::count(sounds_played.begin(), sounds_played.end(), kSoundTicken)); }
    const Bildplatz& Hud(int slot) { return layerdatenbank.layerdaten[kLayerHud]->bilder[slot]; }

    // The countdown ticks once a second, five times; the game starts with 90 seconds.
    void EnterNameAndWaitOutTheCountdown() {
        Frames(2);
        EXPECT_EQ(restzeit, -1);  // no shots during the name entry
        for (int i = 0; i < 7; ++i) Type(VK_BACK);  // the offered "spieler"
        for (int vk : {'Z', 'O', 'E'}) Type(vk);
        sounds_played.clear();
        // Just past the start of a clock second, so a few frames never cross one.
        fakes::now_micros = (fakes::now_micros / 1000000 + 1) * 1000000 + 100000;
        Type(VK_RETURN);
        ASSERT_EQ(spiellaeuft, 0) << "the countdown should run";
        std::vector<int> frames;
        for (int s = 0; s < 6; ++s) {
            Seconds(1);
            frames.push_back(Hud(kSlotCountdown).actualframe);
        }
        EXPECT_EQ(frames, (std::vector<int>{1, 2, 3, 4, 5, 0}));
        ASSERT_EQ(std::tuple(Ticks(), spiellaeuft, Hud(kSlotCountdown).belegt), std::tuple(5, 1, 0));
        Frames(1);
        ASSERT_EQ(restzeit, 90);
    }
    int Entries(const char* name) {
        return int(std::count_if(highscore.namen, highscore.namen + 7, [&](auto& n) { return !std::strcmp(n, name); }));
    }
};

}  // namespace

TEST_F(GameFlowTest, CountdownThenNinetySecondsEndInExactlyOneEntryAndReloadNeedsAnEmptyMagazine) {
    EnterNameAndWaitOutTheCountdown();
    // A reload with shots left does nothing; one cartridge shows per shot left.
    for (int i = 0; i < 8; ++i) {
        if (i > 0) {
            fensterproc(hauptfenster, WM_RBUTTONDOWN, 0, 0);
            fensterproc(hauptfenster, WM_RBUTTONUP, 0, 0);
        }
        fensterproc(hauptfenster, WM_LBUTTONDOWN, 0, MakeLParam(10 + i, 10));
        fensterproc(hauptfenster, WM_LBUTTONUP, 0, 0);
        ASSERT_EQ(schuesse, 7 - i);
        for (int k = 0; k < 8; ++k) ASSERT_EQ(Hud(kSlotPatronen + k).belegt, k < 7 - i ? 1 : 0) << i;
    }
    fensterproc(hauptfenster, WM_RBUTTONDOWN, 0, 0);
    EXPECT_EQ(schuesse, 8);
    for (int k = 0; k < 8; ++k) EXPECT_EQ(Hud(kSlotPatronen + k).belegt, 1);

    punkte = 4321;  // a score the table keeps
    sounds_played.clear();
    Seconds(90);
    EXPECT_EQ(std::pair(restzeit, Ticks()), std::pair(0, 5));  // game over (no more shots), ticks at 4, 3, 2, 1 and 0
    Frames(30);
    // One entry, the game over done and the table shown.
    EXPECT_EQ(std::tuple(Entries("ZOE"), spielendeerledigt, Hud(kSlotHighscore).belegt), std::tuple(1, 1, 1));
    // and the file holds it before the program ends.
    std::memset(highscore.namen, 0, sizeof highscore.namen);
    ASSERT_EQ(highscore.laden(), 0);
    EXPECT_EQ(Entries("ZOE"), 1);
}

TEST_F(GameFlowTest, GivingUpWithF1EntersNothing) {
    EnterNameAndWaitOutTheCountdown();
    Seconds(10);
    punkte = 999999;
    fakes::keys_down = {VK_F1};
    Frames(1);
    fakes::keys_down.clear();
    EXPECT_EQ(restzeit, -1);
    fakes::Advance(100 * 1000000ull);
    Frames(5);
    EXPECT_EQ(Entries("ZOE"), 0);
}

TEST_F(GameFlowTest, AFrameWhoseDigitsEndTheProgramGoesNoFurther) {
    // The score's digits are made in the first frame of play; with their layer
    // full the report comes there, while the view would scroll and F2 reset the table.
    FillLayer(kLayerZiffern, kBildZiffern);
    mausx = 0;
    fakes::keys_down = {VK_F2};
    Frames(2);
    ExpectEndedByAFullLayer();
}

// A picture without its surface makes the drawing report: the countdown's digits, or a table title at game over.
class DrawingEndsTest : public GameFlowTest, public ::testing::WithParamInterface<bool> {};

TEST_P(DrawingEndsTest, DrawingThatEndsTheProgramInTheCountdownOrAtGameOverGoesNoFurther) {
    platform::Surface* weg = nullptr;
    if (GetParam()) {
        eingabefertig = 1, restzeit = 0;
        std::swap(weg, highscore.texte[_highscore::kTitel1].surface);
    } else {
        spiellaeuft = 0;
        std::swap(weg, grafikdatenbank.grafikdaten[kBildCountdown]->surface);
    }
    Frames(2);
    EXPECT_EQ(fakes::BoxTexts(), fakes::Lines{"_layerdaten::zeichnen-Surface zeigt auf NULL"});
    EXPECT_EQ(layerdatenbank.anzahl, 0);
    weg->Release();
}

INSTANTIATE_TEST_SUITE_P(CountdownAndGameOver, DrawingEndsTest, ::testing::Bool());
