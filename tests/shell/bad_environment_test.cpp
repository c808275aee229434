// Start-up where the machine lacks what the game needs: each case ends with a
// report that names what is missing, and never with a crash.
#include <fstream>

#include "support/scoped_env.h"
#include "platform/audio_device.h"
#include "platform/fault_injection.h"
#include "sound/sound_slots.h"
#include "support/shell_fixture.h"

namespace fs = std::filesystem;

namespace {

class BadEnvironmentTest : public ShellTest {
protected:
    std::vector<std::string> BoxTexts() const {
        std::vector<std::string> texts;
        for (const auto& b : fakes::boxes) texts.push_back(b.text);
        return texts;
    }
};

}  // namespace

TEST_F(BadEnvironmentTest, NoDataFolderOrABrokenPictureIsReportedByThePicturesName) {
    struct Case {
        const char* name;
        const char* broken;        // the picture spoilt in a copy of the data; null: no data at all
        std::string bytes;
    };
    std::string truncated(800, '\0');
    std::ifstream(fs::path(FERROW_DATA_DIR) / "floss9256.bmp", std::ios::binary).read(&truncated[0], 800);
    const Case cases[] = {
        {"no data folder", nullptr, ""},
        {"not a picture", "wasser256.bmp", "kein Bild"},
        {"cut short", "floss9256.bmp", truncated},
        {"empty", "tschik256.bmp", ""},
    };
    for (const Case& c : cases) {
        SetUp();
        TempFolder folder;
        const fs::path start = folder.path / "start";
        fs::create_directories(start);
        if (c.broken) {
            fs::create_directories(start / "data");
            fs::copy(FERROW_DATA_DIR, start / "data" / "set0", fs::copy_options::recursive);
            std::ofstream(start / "data" / "set0" / c.broken, std::ios::binary | std::ios::trunc) << c.bytes;
        }
        fs::current_path(start);
        ASSERT_TRUE(OpenDisplay());
        basisordnerholen();
        datenordnersetzen("set0");
        grafikkatalog();
        const std::string picture = c.broken ? c.broken : "wasser256.bmp";
        EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Konnte Bild nicht laden : " + picture}) << c.name;
        EXPECT_TRUE(programmendet) << c.name;
        EXPECT_EQ(lpdd, nullptr) << c.name;
        TearDown();
    }
}

TEST_F(BadEnvironmentTest, NoDisplayOrNoFullScreenIsReportedAsAFailedDisplaySetUp) {
    struct Case {
        const char* name;
        const char* driver;     // null: whatever SDL finds
        unsigned long refused;  // the counted call refused: 3 is the switch to full screen
        const char* step;
    };
    // Left to itself, SDL falls back on a driver that shows nothing; that is
    // no display either.
    const Case cases[] = {{"X server not there", "x11", 0, "Fehler bei DirectDrawInit->DirectDrawCreate"},
                          {"nothing found", nullptr, 0, "Fehler bei DirectDrawInit->DirectDrawCreate"},
                          {"full screen refused", "dummy", 3, "Fehler bei DirectDrawInit->SetDisplayMode"}};
    for (const Case& c : cases) {
        SetUp();
        ScopedEnv env;
        env.Set("DISPLAY", nullptr);
        env.Set("WAYLAND_DISPLAY", nullptr);
        env.Set("SDL_VIDEODRIVER", c.driver);
        platform::SetWindowedStart(false);
        platform::FailCall(c.refused);
        EXPECT_EQ(WinMain(), 1) << c.name;
        if (c.refused) {
            EXPECT_EQ(platform::FailedOperation(), platform::Operation::EnterFullscreen);
        }
        platform::FailCall(0);
        EXPECT_EQ(fakes::debug_lines.at(0), c.step) << c.name;
        EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Fehler bei DirectDrawInit (id:00)"}) << c.name;
        EXPECT_EQ(fakes::boxes.at(0).caption, "Fehlermeldung ");
        EXPECT_EQ(hauptfenster, nullptr) << c.name;
        TearDown();
    }
}

TEST_F(BadEnvironmentTest, NoAudioDeviceIsReportedBeforeTheGameStarts) {
    // No driver at all, or a device that will not be shared.
    for (const bool driver : {false, true}) {
        SetUp();
        ScopedEnv env;
        if (driver) platform::FailNextSoundStep(platform::SoundStep::CooperativeLevel, platform::DSERR_NODRIVER);
        else env.Set("SDL_AUDIODRIVER", "keiner");
        platform::SetWindowedStart(true);
        EXPECT_EQ(initfenster(), 1);
        EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Fehler bei DirectSoundInit (id:01)"});
        EXPECT_EQ(fakes::DebugLineContains("Soundfehler CooperativeLevel "), driver);
        EXPECT_TRUE(programmendet);
        EXPECT_EQ(basisordner[0], 0) << "start-up went on after the report";
        // The device is given back at once.
        EXPECT_EQ(soundgeraet, nullptr);
        EXPECT_EQ(lpdd, nullptr);
        TearDown();
    }
}
