// The sound through the whole start-up and the window procedure, on SDL's dummy video and audio drivers. (That it
// holds still while the window is in the background is played under real window managers: tests/e2e.)
#include <chrono>
#include <thread>

#include "platform/audio_device.h"
#include "sound/sound_slots.h"
#include "support/shell_fixture.h"

using namespace platform;

namespace {

using GameSoundTest = WholeGameTest;

const std::uint32_t kSchleife = DSBSTATUS_PLAYING | DSBSTATUS_LOOPING;

}  // namespace

TEST_F(GameSoundTest, StartsWithBothLoopsAndAShotIsHeardUntilTheProgramEnds) {
    ASSERT_NO_FATAL_FAILURE(StartGame());
    for (int n : {kSoundMeer, kSoundMelodie}) EXPECT_EQ(soundstatus(soundpuffer[n]), kSchleife) << n;
    for (int n : {kSoundSchuss, kSoundLeer, kSoundNachladen, kSoundMotor})
        EXPECT_EQ(soundstatus(soundpuffer[n]), 0u) << n;

    restzeit = 90, schuesse = magazin;
    fensterproc(hauptfenster, WM_LBUTTONDOWN, 0, MakeLParam(320, 240));
    EXPECT_EQ(schuesse, magazin - 1);
    EXPECT_EQ(soundstatus(soundpuffer[kSoundSchuss]), DSBSTATUS_PLAYING);
    // The device really plays it: the shot ends after its half second.
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (soundstatus(soundpuffer[kSoundSchuss]) != 0 && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(soundstatus(soundpuffer[kSoundSchuss]), 0u);
    EXPECT_EQ(soundstatus(soundpuffer[kSoundMeer]), kSchleife);

    fensterproc(hauptfenster, WM_KEYDOWN, VK_ESCAPE, 0);
    for (auto* puffer : soundpuffer) EXPECT_EQ(puffer, nullptr);
    EXPECT_EQ(soundgeraet, nullptr);
}
