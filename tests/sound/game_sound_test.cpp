#include <SDL.h>

#include <chrono>
#include <string>
#include <thread>

#include "platform/audio_device.h"
#include "platform/files.h"
#include "platform/keys.h"
#include "sound/sound_slots.h"
#include "support/shell_fixture.h"

using namespace platform;

namespace {

// The whole start-up through the window set-up, from the folder that holds
// data/set0, on SDL's dummy video and audio drivers.
class GameSoundTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        start = CurrentDirectory();
        ASSERT_TRUE(ChangeDirectory(std::string(FERROW_DATA_DIR) + "/../.."));
        SetWindowedStart(true);
    }

    void TearDown() override {
        ShellTest::TearDown();
        ChangeDirectory(start);
    }

    // Pushes a focus change as the window system would and lets the window
    // procedure take it.
    void focus(bool gained) {
        SDL_Event e{};
        e.type = SDL_WINDOWEVENT;
        e.window.event = gained ? SDL_WINDOWEVENT_FOCUS_GAINED : SDL_WINDOWEVENT_FOCUS_LOST;
        ASSERT_EQ(SDL_PushEvent(&e), 1);
        bool seen = false;
        Message msg;
        for (int i = 0; i < 100 && PeekMessage(&msg); ++i) {
            fensterproc(msg.window, msg.message, msg.wparam, msg.lparam);
            seen = seen || msg.message == WM_ACTIVATEAPP;
        }
        EXPECT_TRUE(seen);
    }

    std::string start;
};

const std::uint32_t kSchleife = DSBSTATUS_PLAYING | DSBSTATUS_LOOPING;

}  // namespace

TEST_F(GameSoundTest, StartsWithBothLoopsAndAShotIsHeardUntilTheProgramEnds) {
    ASSERT_EQ(initfenster(), 1);
    ASSERT_TRUE(fakes::boxes.empty());
    EXPECT_EQ(soundstatus(soundpuffer[10]), kSchleife);
    EXPECT_EQ(soundstatus(soundpuffer[17]), kSchleife);
    for (int n : {0, 5, 6, 13}) EXPECT_EQ(soundstatus(soundpuffer[n]), 0u) << n;

    restzeit = 90;
    schuesse = magazin;
    fensterproc(hauptfenster, WM_LBUTTONDOWN, 0, MakeLParam(320, 240));
    EXPECT_EQ(schuesse, magazin - 1);
    EXPECT_EQ(soundstatus(soundpuffer[0]), DSBSTATUS_PLAYING);
    // The device really plays it: the shot ends after its half second.
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (soundstatus(soundpuffer[0]) != 0 && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(soundstatus(soundpuffer[0]), 0u);
    EXPECT_EQ(soundstatus(soundpuffer[10]), kSchleife);

    // In the background the sound holds still, and goes on at the front.
    EXPECT_FALSE(AudioPaused());
    focus(false);
    EXPECT_TRUE(AudioPaused());
    EXPECT_EQ(soundstatus(soundpuffer[17]), kSchleife);
    focus(true);
    EXPECT_FALSE(AudioPaused());

    fensterproc(hauptfenster, WM_KEYDOWN, VK_ESCAPE, 0);
    for (auto* puffer : soundpuffer) EXPECT_EQ(puffer, nullptr);
    EXPECT_EQ(soundgeraet, nullptr);
}

TEST_F(GameSoundTest, ASoundDeviceThatCannotBeHadIsFatalBeforeTheGameStarts) {
    const struct {
        SoundStep step;
        std::vector<std::string> lines;
    } cases[] = {
        {SoundStep::Create, {}},
        {SoundStep::CooperativeLevel, {"Soundfehler CooperativeLevel "}},
    };
    for (const auto& c : cases) {
        SetUp();
        FailNextSoundStep(c.step, DSERR_NODRIVER);
        EXPECT_EQ(initfenster(), 1);
        ASSERT_EQ(fakes::boxes.size(), 1u);
        EXPECT_EQ(fakes::boxes[0].text, "Fehler bei DirectSoundInit (id:01)");
        for (const std::string& line : c.lines) EXPECT_TRUE(fakes::DebugLineContains(line)) << line;
        // Nothing was loaded, and the device is given back at once.
        EXPECT_EQ(basisordner[0], 0);
        EXPECT_EQ(soundgeraet, nullptr);
        EXPECT_EQ(lpdd, nullptr);
        TearDown();
    }
    SetUp();
}
