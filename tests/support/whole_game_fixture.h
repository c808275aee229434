// The whole game on the fake clock, started from the test's folder with a copy of the data (so "hight.dat" goes there).
#pragma once
#include "support/shell_fixture.h"

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
