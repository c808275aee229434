// Start-up where the machine lacks what the game needs: each case ends with a
// report that names what is missing, and never with a crash.
#include <fstream>

#include "platform/audio_device.h"
#include "platform/fault_injection.h"
#include "sound/sound_slots.h"
#include "support/scoped_env.h"
#include "support/shell_fixture.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string> BoxTexts() {
    std::vector<std::string> texts;
    for (const auto& b : fakes::boxes) texts.push_back(b.text);
    return texts;
}

struct BrokenData {
    const char* name;
    const char* picture;  // spoilt in a copy of the data; null: no data at all
    const char* bytes;    // what it then holds
    std::size_t keep;     // or this many bytes of itself
} const kBrokenData[] = {{"no data folder", nullptr, "", 0},
                         {"not a picture", "wasser256.bmp", "kein Bild", 0},
                         {"cut short", "floss9256.bmp", "", 800},
                         {"empty", "tschik256.bmp", "", 0}};

void PrintTo(const BrokenData& c, std::ostream* os) { *os << c.name; }

class NoPictureTest : public ShellTest, public testing::WithParamInterface<BrokenData> {};

}  // namespace

TEST_P(NoPictureTest, NoDataFolderOrABrokenPictureIsReportedByThePicturesName) {
    const BrokenData& c = GetParam();
    TempFolder folder;
    const fs::path start = folder.path / "start", daten = start / "data" / "set0";
    fs::create_directories(start);
    if (c.picture) {
        fs::create_directories(start / "data");
        fs::copy(FERROW_DATA_DIR, daten, fs::copy_options::recursive);
        std::string bytes(c.keep, '\0');
        if (c.keep) std::ifstream(daten / c.picture, std::ios::binary).read(&bytes[0], std::streamsize(c.keep));
        else bytes = c.bytes;
        std::ofstream(daten / c.picture, std::ios::binary | std::ios::trunc) << bytes;
    }
    fs::current_path(start);
    ASSERT_TRUE(OpenDisplay());
    basisordnerholen();
    datenordnersetzen("set0");
    grafikkatalog();
    const std::string picture = c.picture ? c.picture : "wasser256.bmp";
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Konnte Bild nicht laden : " + picture});
    EXPECT_TRUE(programmendet);
    EXPECT_EQ(lpdd, nullptr);
}

INSTANTIATE_TEST_SUITE_P(Cases, NoPictureTest, testing::ValuesIn(kBrokenData));

namespace {

// Left to itself, SDL falls back on a driver that shows nothing; that is no
// display either.
struct NoDisplay {
    const char* name;
    const char* driver;     // null: whatever SDL finds
    unsigned long refused;  // the counted call refused: 3 is the switch to full screen
    const char* step;
} const kNoDisplay[] = {{"X server not there", "x11", 0, "Fehler bei DirectDrawInit->DirectDrawCreate"},
                        {"nothing found", nullptr, 0, "Fehler bei DirectDrawInit->DirectDrawCreate"},
                        {"full screen refused", "dummy", 3, "Fehler bei DirectDrawInit->SetDisplayMode"}};

void PrintTo(const NoDisplay& c, std::ostream* os) { *os << c.name; }

class NoDisplayTest : public ShellTest, public testing::WithParamInterface<NoDisplay> {};

}  // namespace

TEST_P(NoDisplayTest, NoDisplayOrNoFullScreenIsReportedAsAFailedDisplaySetUp) {
    const NoDisplay& c = GetParam();
    ScopedEnv env;
    env.Set("DISPLAY", nullptr);
    env.Set("WAYLAND_DISPLAY", nullptr);
    env.Set("SDL_VIDEODRIVER", c.driver);
    platform::SetWindowedStart(false);
    platform::FailCall(c.refused);
    EXPECT_EQ(WinMain(), 1);
    if (c.refused) {
        EXPECT_EQ(platform::FailedOperation(), platform::Operation::EnterFullscreen);
    }
    platform::FailCall(0);
    EXPECT_EQ(fakes::debug_lines.at(0), c.step);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Fehler bei DirectDrawInit (id:00)"});
    EXPECT_EQ(fakes::boxes.at(0).caption, "Fehlermeldung ");
    EXPECT_EQ(hauptfenster, nullptr);
}

INSTANTIATE_TEST_SUITE_P(Cases, NoDisplayTest, testing::ValuesIn(kNoDisplay));

// No driver at all (false), or a device that will not be shared (true).
class NoAudioTest : public ShellTest, public testing::WithParamInterface<bool> {};

TEST_P(NoAudioTest, NoAudioDeviceIsReportedBeforeTheGameStarts) {
    ScopedEnv env;
    if (GetParam()) platform::FailNextSoundStep(platform::SoundStep::CooperativeLevel, platform::DSERR_NODRIVER);
    else env.Set("SDL_AUDIODRIVER", "keiner");
    platform::SetWindowedStart(true);
    EXPECT_EQ(initfenster(), 1);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Fehler bei DirectSoundInit (id:01)"});
    EXPECT_EQ(fakes::DebugLineContains("Soundfehler CooperativeLevel "), GetParam());
    EXPECT_TRUE(programmendet);
    EXPECT_EQ(basisordner[0], 0) << "start-up went on after the report";
    // The device is given back at once.
    EXPECT_EQ(soundgeraet, nullptr);
    EXPECT_EQ(lpdd, nullptr);
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
    EXPECT_TRUE(BoxTexts().empty()) << BoxTexts().at(0);
    EXPECT_FALSE(programmendet);
    EXPECT_NE(soundgeraet, nullptr);
    EXPECT_GT(platform::AudioRate(), 0);
}
