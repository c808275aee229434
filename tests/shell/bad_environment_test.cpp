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

// No display: left to itself, SDL falls back on a driver that shows nothing, which is none either. The driver, or null
// for whatever SDL finds. (The report of every other failed step is checked where each counted call fails in turn.)
class NoDisplayTest : public ShellTest, public testing::WithParamInterface<const char*> {};

TEST_P(NoDisplayTest, NoDisplayNamesItsStepThenTheInitReportAndStartUpGoesNoFurther) {
    ScopedEnv env;
    env.Set("DISPLAY", nullptr);
    env.Set("WAYLAND_DISPLAY", nullptr);
    env.Set("SDL_VIDEODRIVER", GetParam());
    env.Set("XDG_CONFIG_HOME", (folder_.path / "config").c_str());  // no settings kept
    platform::SetWindowedStart(false);
    EXPECT_EQ(WinMain(), 1);
    ASSERT_EQ(fakes::BoxTexts(), fakes::Lines{"Fehler bei DirectDrawInit (id:00)"});
    EXPECT_EQ(fakes::debug_lines.at(0), "Fehler bei DirectDrawInit->DirectDrawCreate");
    EXPECT_TRUE(programmendet && lpdd == nullptr && lpddsprimary == nullptr && hauptfenster == nullptr);
    EXPECT_EQ(basisordner[0], 0) << "start-up went on after the report";
    platform::Message msg;
    EXPECT_TRUE(platform::PeekMessage(&msg) && msg.message == platform::WM_QUIT);
}

INSTANTIATE_TEST_SUITE_P(X11OrNone, NoDisplayTest, testing::Values("x11", nullptr));

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
