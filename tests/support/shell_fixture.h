// The game's fixture with the shell's globals reset; a window opened on request is the main window, and a fatal
// report releases what the shell set up. And a stream whose text a test reads back.
#pragma once
#include <cstdio>
#include <string>

#include "shell/fatal_report.h"
#include "shell/main_loop.h"
#include "support/game_fixture.h"

class ShellTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        beendigunglaeuft = false;
        programmaktiv = linkssperre = rechtssperre = 0;
    }
    void WindowMade() override {
        hauptfenster = window_;
        fehlerberichtanbinden();
    }
    void ReleaseGameObjects() override {
        aufraeumen();
        GameTest::ReleaseGameObjects();
    }
    void ReleaseObjects() override {
        // The start-up's own window, where it made one, goes after what was shown in it.
        platform::Window* own = hauptfenster != window_ ? hauptfenster : nullptr;
        GameTest::ReleaseObjects();
        if (own) platform::DestroyWindow(own);
        hauptfenster = nullptr;
    }
};

// The whole game on the fake clock, started from the test's folder with a copy of the data (so "hight.dat" goes there).
class WholeGameTest : public ShellTest {
protected:
    // Runs the window set-up with the game's whole start-up.
    void StartGame() {
        fs::create_directories(folder_.path / "data");
        fs::copy(FERROW_DATA_DIR, folder_.path / "data" / "set0", fs::copy_options::recursive);
        fs::remove(folder_.path / "data" / "set0" / "hight.dat");
        fs::current_path(folder_.path);
        platform::SetWindowedStart(true);
        ASSERT_EQ(initfenster(), 1);
        ASSERT_TRUE(fakes::boxes.empty());
    }
};

// A stream whose text the test reads back (a scratch file, since Windows has no memory streams).
class CapturedStream {
public:
    CapturedStream() : f(std::tmpfile()) {}
    ~CapturedStream() { std::fclose(f); }
    std::string text() {
        std::string text(std::size_t(std::ftell(f)), '\0');
        std::rewind(f);
        text.resize(std::fread(text.data(), 1, text.size(), f));
        return text;
    }
    std::FILE* const f;
};
