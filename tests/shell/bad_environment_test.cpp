// Start-up where the machine lacks what the game needs: a report naming what is missing, never a crash.

#include "platform/audio_device.h"
#include "platform/display_device.h"
#include "platform/testing/fault_injection.h"
#include "sound/sound_slots.h"
#include "support/scoped_env.h"
#include "support/shell_fixture.h"

namespace {

// The picture spoilt in a copy of the data (null: no data at all), and what it then holds: bytes, or its first `keep`.
struct BrokenData { const char *name, *picture, *bytes; std::size_t keep; } const kBrokenData[] = {
    {"no data folder", nullptr, "", 0}, {"not a picture", "wasser256.bmp", "kein Bild", 0},
    {"cut short", "floss9256.bmp", "", 800}, {"empty", "tschik256.bmp", "", 0}};

void PrintTo(const BrokenData& c, std::ostream* os) { *os << c.name; }

class NoPictureTest : public ShellTest, public testing::WithParamInterface<BrokenData> {};

}  // namespace

TEST_P(NoPictureTest, NoDataFolderOrABrokenPictureIsReportedByThePicturesName) {
    const BrokenData& c = GetParam();
    const fs::path start = folder_.path / "start", daten = start / "data" / "set0";
    fs::create_directories(start);
    if (c.picture) {
        fs::create_directories(start / "data");
        fs::copy(FERROW_DATA_DIR, daten, fs::copy_options::recursive);
        WriteWholeFile(daten / c.picture, c.keep ? ReadWholeFile(daten / c.picture).substr(0, c.keep) : c.bytes);
    }
    fs::current_path(start);
    ASSERT_TRUE(OpenDisplay());
    LoadPictures();
    const std::string picture = c.picture ? c.picture : "wasser256.bmp";
    EXPECT_EQ(fakes::BoxTexts(), fakes::Lines{"Konnte Bild nicht laden : " + picture});
    EXPECT_TRUE(programmendet && lpdd == nullptr);
}

INSTANTIATE_TEST_SUITE_P(Cases, NoPictureTest, testing::ValuesIn(kBrokenData));

namespace {

// No display: left to itself, SDL falls back on a driver that shows nothing, which is none either. The driver (null:
// whatever SDL finds), the counted call refused (4 is the switch to full screen) or the display step that fails (Count:
// none), the debug line's step. (The report of every other step is checked where each counted call fails in turn.)
struct SetUpFailure { const char *name, *driver; unsigned long refused; platform::Operation step; const char* line; }
const kSetUpFailures[] = {
    {"X server not there", "x11", 0, platform::Operation::Count, "DirectDrawCreate"},
    {"nothing found", nullptr, 0, platform::Operation::Count, "DirectDrawCreate"},
    {"full screen refused", "dummy", 4, platform::Operation::Count, "SetDisplayMode"},
    {"back buffer, after the primary was made", "dummy", 0, platform::Operation::BackBuffer, "CreateBackPuffer"},
};

void PrintTo(const SetUpFailure& c, std::ostream* os) { *os << c.name; }

class DisplaySetUpTest : public ShellTest, public testing::WithParamInterface<SetUpFailure> {};

}  // namespace

TEST_P(DisplaySetUpTest, EachFailureNamesItsStepThenTheInitReportAndStartUpGoesNoFurther) {
    const SetUpFailure& c = GetParam();
    ScopedEnv env;
    env.Set("DISPLAY", nullptr);
    env.Set("WAYLAND_DISPLAY", nullptr);
    env.Set("SDL_VIDEODRIVER", c.driver);
    // No settings kept: the missing file's opening is the second counted call.
    env.Set("XDG_CONFIG_HOME", (folder_.path / "config").c_str());
    const bool step_fails = c.step != platform::Operation::Count;
    if (step_fails) platform::FailNext(c.step);
    platform::SetWindowedStart(step_fails);  // the failed steps in a window, the missing displays full screen
    platform::FailCall(c.refused);
    EXPECT_EQ(WinMain(), 1);
    EXPECT_TRUE(!c.refused || platform::FailedOperation() == platform::Operation::EnterFullscreen);
    platform::FailCall(0);
    ASSERT_EQ(fakes::BoxTexts(), fakes::Lines{"Fehler bei DirectDrawInit (id:00)"});
    EXPECT_EQ(fakes::debug_lines.at(0), std::string("Fehler bei DirectDrawInit->") + c.line);
    EXPECT_TRUE(programmendet && lpdd == nullptr && lpddsprimary == nullptr && hauptfenster == nullptr);
    EXPECT_EQ(basisordner[0], 0) << "start-up went on after the report";
    platform::Message msg;
    EXPECT_TRUE(platform::PeekMessage(&msg) && msg.message == platform::WM_QUIT);
}

INSTANTIATE_TEST_SUITE_P(Cases, DisplaySetUpTest, testing::ValuesIn(kSetUpFailures));

// No driver at all (false), or a device that will not be shared (true).
class NoAudioTest : public ShellTest, public testing::WithParamInterface<bool> {};

TEST_P(NoAudioTest, NoAudioDeviceIsReportedBeforeTheGameStarts) {
    ScopedEnv env;
    if (GetParam()) platform::FailNext(platform::Operation::SoundCooperativeLevel, platform::DSERR_NODRIVER);
    else env.Set("SDL_AUDIODRIVER", "keiner");
    platform::SetWindowedStart(true);
    EXPECT_EQ(initfenster(), 1);
    EXPECT_EQ(fakes::BoxTexts(), fakes::Lines{"Fehler bei DirectSoundInit (id:01)"});
    EXPECT_EQ(fakes::DebugLineContains("Soundfehler CooperativeLevel "), GetParam());
    EXPECT_EQ(basisordner[0], 0) << "start-up went on after the report";
    EXPECT_TRUE(programmendet && soundgeraet == nullptr && lpdd == nullptr) << "the device is given back at once";
}

INSTANTIATE_TEST_SUITE_P(DriverOrDevice, NoAudioTest, testing::Bool());

// --nosound: the same start-up on SDL's silent driver, whatever the machine has.
TEST_F(ShellTest, WithNoSoundTheGameStartsWhereThereIsNoAudioDevice) {
    ScopedEnv env;
    env.Set("SDL_AUDIODRIVER", "keiner");
    platform::SetWindowedStart(true);
    platform::SetSilentSound(true);
    EXPECT_EQ(initfenster(), 1);
    platform::SetSilentSound(false);
    EXPECT_TRUE(fakes::BoxTexts().empty()) << fakes::BoxTexts().at(0);
    EXPECT_TRUE(!programmendet && soundgeraet != nullptr && platform::AudioRate() > 0);
}
