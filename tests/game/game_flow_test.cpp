#include <algorithm>
#include <cstring>
#include <string>

#include "layers/sound_requests.h"
#include "platform/clock.h"
#include "platform/keys.h"
#include "support/game_fixture.h"
#include "text/highscore_table.h"

using namespace platform;

namespace {

std::vector<int> played;
void record(int slot) { played.push_back(slot); }

// The whole game started from a folder of its own (a copy of the data), on
// the fake clock, driven frame by frame.
class GameFlowTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        played.clear();
        soundzuhoerersetzen(record);
        ASSERT_NO_FATAL_FAILURE(StartGame());
    }
    void TearDown() override {
        soundzuhoerersetzen(nullptr);
        GameTest::TearDown();
    }

    void Frames(int n) {
        for (int i = 0; i < n; ++i) {
            spielschritt();
            fakes::Advance(16667);
        }
    }
    // Holds a key long enough for the name entry's poll to see it, then lets go.
    void Type(int vk) {
        fakes::keys_down = {vk};
        Frames(4);
        fakes::keys_down.clear();
        if (vk != VK_RETURN) Frames(4);
    }
    // Just past the start of a clock second, so a few frames never cross one.
    void StartOfASecond() { fakes::now_micros = (fakes::now_micros / 1000000 + 1) * 1000000 + 100000; }
    // One second per frame, each frame's own time included.
    void Seconds(int n) {
        for (int s = 0; s < n; ++s) {
            fakes::Advance(1000000 - 16667);
            Frames(1);
        }
    }
    // Clicks are refused during the name entry; then the countdown ticks
    // once a second, five times, and the game starts with 90 seconds.
    void EnterNameAndWaitOutTheCountdown() {
        Frames(2);
        EXPECT_EQ(restzeit, -1);
        const int shots = schuesse;
        fensterproc(hauptfenster, WM_LBUTTONDOWN, 0, MakeLParam(320, 240));
        EXPECT_EQ(schuesse, shots);
        // The last name ("spieler" on a first start) is offered; erase it.
        for (int i = 0; i < 7; ++i) Type(VK_BACK);
        for (int vk : {'Z', 'O', 'E'}) Type(vk);
        played.clear();
        StartOfASecond();
        Type(VK_RETURN);
        ASSERT_EQ(spiellaeuft, 0) << "the countdown should run";
        const Bildplatz& count = layerdatenbank.layerdaten[kLayerHud]->bilder[kSlotCountdown];
        std::vector<int> frames;
        for (int s = 0; s < 6; ++s) {
            Seconds(1);
            frames.push_back(count.actualframe);
        }
        EXPECT_EQ(frames, (std::vector<int>{1, 2, 3, 4, 5, 0}));
        EXPECT_EQ(std::count(played.begin(), played.end(), 16), 5);
        ASSERT_EQ(spiellaeuft, 1);
        EXPECT_EQ(count.belegt, 0);
        Frames(1);
        ASSERT_EQ(restzeit, 90);
    }
    int Entries(const char* name) {
        int n = 0;
        for (int i = 0; i < 7; ++i) n += std::strcmp(highscore.namen[i], name) == 0;
        return n;
    }
};

}  // namespace

TEST_F(GameFlowTest, CountdownThenNinetySecondsEndInExactlyOneEntryAndReloadNeedsAnEmptyMagazine) {
    EnterNameAndWaitOutTheCountdown();

    // Shots while the time runs; a reload with shots left does nothing.
    for (int i = 0; i < 8; ++i) {
        fensterproc(hauptfenster, WM_LBUTTONDOWN, 0, MakeLParam(10 + i, 10));
        fensterproc(hauptfenster, WM_LBUTTONUP, 0, 0);
        if (i == 7) break;
        fensterproc(hauptfenster, WM_RBUTTONDOWN, 0, 0);
        fensterproc(hauptfenster, WM_RBUTTONUP, 0, 0);
        ASSERT_EQ(schuesse, 7 - i);
    }
    EXPECT_EQ(schuesse, 0);
    for (int k = 0; k < 8; ++k) EXPECT_EQ(layerdatenbank.layerdaten[kLayerHud]->bilder[kSlotPatronen + k].belegt, 0);
    fensterproc(hauptfenster, WM_RBUTTONDOWN, 0, 0);
    EXPECT_EQ(schuesse, 8);
    for (int k = 0; k < 8; ++k) EXPECT_EQ(layerdatenbank.layerdaten[kLayerHud]->bilder[kSlotPatronen + k].belegt, 1);

    punkte = 4321;  // a score the table keeps
    played.clear();
    Seconds(90);
    EXPECT_EQ(restzeit, 0);
    EXPECT_EQ(std::count(played.begin(), played.end(), 16), 5);  // at 4, 3, 2, 1 and 0
    Frames(30);
    EXPECT_EQ(Entries("ZOE"), 1);
    EXPECT_EQ(spielendeerledigt, 1);
    EXPECT_EQ(layerdatenbank.layerdaten[kLayerHud]->bilder[kSlotHighscore].belegt, 1);

    // No shot is taken at game over.
    fensterproc(hauptfenster, WM_LBUTTONDOWN, 0, MakeLParam(320, 100));
    EXPECT_EQ(schuesse, 8);
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
    // The score's digits are made in the first frame of play; with their
    // layer full the report comes there, while the view would scroll and F2
    // reset the table.
    while (layerdatenbank.layerdaten[kLayerZiffern]->bilderanzahl < 300)
        layerdatenbank.addbild(kLayerZiffern, kBildZiffern, 0, 0);
    mausx = 0;
    fakes::keys_down = {VK_F2};
    Frames(2);
    ASSERT_EQ(fakes::boxes.size(), 1u);
    EXPECT_EQ(fakes::boxes[0].text, "_layerdaten::addbild-Bilderanzahl zu groß");
    EXPECT_EQ(layerdatenbank.anzahl, 0);
}

TEST_F(GameFlowTest, DrawingThatEndsTheProgramInTheCountdownOrAtGameOverGoesNoFurther) {
    // A picture without its surface makes the drawing report: first the
    // countdown's digits, then a title line of the table at game over.
    for (bool spielende : {false, true}) {
        platform::Surface* weg = nullptr;
        if (spielende) {
            eingabefertig = 1;
            restzeit = 0;
            std::swap(weg, highscore.texte[_highscore::kTitel1].surface);
        } else {
            spiellaeuft = 0;
            std::swap(weg, grafikdatenbank.grafikdaten[kBildCountdown]->surface);
        }
        Frames(2);
        ASSERT_EQ(fakes::boxes.size(), 1u) << spielende;
        EXPECT_EQ(fakes::boxes[0].text, "_layerdaten::zeichnen-Surface zeigt auf NULL");
        EXPECT_EQ(layerdatenbank.anzahl, 0);
        weg->Release();
        if (spielende) break;
        TearDown();
        std::filesystem::remove_all(folder_.path / "data");
        SetUp();
    }
}
