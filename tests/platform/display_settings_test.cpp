// The settings kept between runs: the file, and a window that starts from it whatever state it is in.
#include "platform/settings_file.h"

#include <SDL.h>

#include "platform/internal.h"
#include "platform/saving.h"
#include "platform/sdl/sdl_internal.h"
#include "support/scoped_env.h"
#include "support/platform_display.h"

using namespace platform;

TEST(SettingsFileTest, WhatIsWrittenReadsBackAndAnyLineNotUnderstoodGivesTheDefaults) {
    const DisplaySettings kept{false, Scaling::WholeFactors, 1280, 960};
    DisplaySettings read;
    std::string problem;
    EXPECT_TRUE(ParseSettings(FormatSettings(kept), &read, &problem) && read == kept) << problem;
    // As a player might write it.
    EXPECT_TRUE(ParseSettings("  ganzzahlig=ja # scharf\r\n\n\tfenster = 800x600", &read, &problem));
    EXPECT_TRUE(read == (DisplaySettings{true, Scaling::WholeFactors, 800, 600}));

    for (const char* damaged : {"vollbild = vielleicht\n", "vollbild = ja\nganzz", "fenster = 0 x 480\n",
                                "fenster = 640 x 480 x 2\n", "farbe = blau\n", "vollbild\n"}) {
        read = kept;
        EXPECT_FALSE(ParseSettings(damaged, &read, &problem)) << damaged;
        EXPECT_TRUE(read == DisplaySettings{} && problem.rfind("ist beschädigt: Zeile ", 0) == 0) << damaged;
    }
}

namespace {

// A window made and ended as the game does, its stderr caught; the settings live in the test's folder.
class KeptSettingsTest : public PlatformDisplayTest {
protected:
    void SetUp() override {
        PlatformDisplayTest::SetUp();
        env_.Set("XDG_CONFIG_HOME", folder_.path.c_str());
        SetStartChoices(std::nullopt, std::nullopt);
    }
    void TearDown() override {
        SetWindowedStart(true);
        PlatformDisplayTest::TearDown();
    }
    // Opens the window and display; answers what went to stderr.
    std::string Open() {
        testing::internal::CaptureStderr();
        const bool shown = OpenDisplay(false);
        std::string err = testing::internal::GetCapturedStderr();
        EXPECT_TRUE(shown && fakes::boxes.empty()) << err;
        return err;
    }
    std::string Close() {
        testing::internal::CaptureStderr();
        ReleaseObjects();
        return testing::internal::GetCapturedStderr();
    }
    std::pair<int, int> WindowSize() {
        int w = 0, h = 0;
        SDL_GetWindowSize(window_->sdl, &w, &h);
        return {w, h};
    }
    bool Fullscreen() { return SDL_GetWindowFlags(window_->sdl) & SDL_WINDOW_FULLSCREEN; }
    fs::path File() { return folder_.path / "ferrow" / "settings"; }
    std::string Kept() { return ReadWholeFile(File()); }

    ScopedEnv env_;
};

int Lines(const std::string& text) { return int(std::count(text.begin(), text.end(), '\n')); }

}  // namespace

TEST_F(KeptSettingsTest, DamagedUnreadableAndUnwritableSettingsGiveTheDefaultsOneLineAndAGame) {
    // Missing: said once, then written with the defaults.
    std::string err = Open();
    EXPECT_TRUE(Lines(err) == 1 && err.find("fehlt; es gelten die Vorgaben") != std::string::npos) << err;
    EXPECT_TRUE(Fullscreen() && internal::RunSettings().scaling == Scaling::Fill);
    EXPECT_EQ(Close(), "");
    EXPECT_NE(Kept().find("vollbild = ja\nganzzahlig = nein\n"), std::string::npos) << Kept();
    EXPECT_FALSE(fs::exists(File().string() + ".neu"));
    // Then read without a word, and not written again.
    const auto written = fs::last_write_time(File());
    EXPECT_EQ(Open(), "");
    EXPECT_EQ(Close(), "");
    EXPECT_EQ(fs::last_write_time(File()), written);

    // Damaged, or cut short: the defaults, and the file mended.
    for (const char* damaged : {"vollbild = nein\nganzzahlig = vie", "\x7f" "ELF\x02\x01"}) {
        WriteWholeFile(File(), damaged);
        err = Open();
        EXPECT_TRUE(Lines(err) == 1 && err.find("ist beschädigt: Zeile ") != std::string::npos) << err;
        EXPECT_TRUE(Fullscreen());
        EXPECT_EQ(Close(), "");
        EXPECT_NE(Kept().find("vollbild = ja\n"), std::string::npos);
    }

    // Unreadable: a folder in its place, which cannot be replaced either. One line, at the start.
    fs::remove(File());
    fs::create_directories(File() / "x");
    err = Open();
    EXPECT_TRUE(Lines(err) == 1 && err.find("ist nicht lesbar") != std::string::npos) << err;
    EXPECT_EQ(Close(), "");

    // Unwritable, read well: a change is not kept, and that is said. (A folder where the new file would go.)
    fs::remove_all(File());
    WriteWholeFile(File(), "vollbild = ja\n");
    fs::create_directories(File().string() + ".neu/x");
    EXPECT_EQ(Open(), "");
    internal::ToggleFullscreen();
    err = Close();
    EXPECT_TRUE(Lines(err) == 1 && err.find("nicht geschrieben") != std::string::npos) << err;
    EXPECT_EQ(Kept(), "vollbild = ja\n");
}

TEST_F(KeptSettingsTest, TheCommandLineWinsForItsRunAndWhatThePlayerChangesIsKept) {
    fs::create_directories(File().parent_path());
    WriteWholeFile(File(), "vollbild = nein\nganzzahlig = ja\nfenster = 800 x 600\n");
    Open();
    EXPECT_TRUE(!Fullscreen() && WindowSize() == std::pair(800, 600));
    EXPECT_EQ(internal::RunSettings().scaling, Scaling::WholeFactors);
    Close();

    // Chosen for one run: not kept.
    const std::string before = Kept();
    SetStartChoices(false, Scaling::Fill);
    Open();
    EXPECT_TRUE(Fullscreen() && internal::RunSettings().scaling == Scaling::Fill);
    Close();
    EXPECT_EQ(Kept(), before);
    SetStartChoices(std::nullopt, std::nullopt);

    // Alt+Enter to full screen and back at another size; the size is kept, and so is the window.
    Open();
    SDL_SetWindowSize(window_->sdl, 900, 700);
    internal::ToggleFullscreen();
    EXPECT_TRUE(Fullscreen());
    Close();
    Open();
    EXPECT_TRUE(Fullscreen());
    internal::ToggleFullscreen();
    EXPECT_TRUE(!Fullscreen() && WindowSize() == std::pair(900, 700));
    SDL_SetWindowSize(window_->sdl, 700, 525);
    Close();
    EXPECT_NE(Kept().find("vollbild = nein\nganzzahlig = ja\nfenster = 700 x 525\n"), std::string::npos) << Kept();

    // A kept size larger than the desktop gives way to the largest whole factor that fits.
    WriteWholeFile(File(), "vollbild = nein\nfenster = 5000 x 4000\n");
    Open();
    EXPECT_EQ(WindowSize(), std::pair(640, 480));
    Close();

    // A replayed game changes nothing.
    const std::string played = Kept();
    SetSavingAllowed(false);
    Open();
    internal::ToggleFullscreen();
    Close();
    SetSavingAllowed(true);
    EXPECT_EQ(Kept(), played);
}
