// A test of the whole game, started from a folder of its own that holds a
// copy of the data (so "hight.dat" is written there), on the fake clock.
#pragma once
#include "support/shell_fixture.h"

class GameTest : public ShellTest {
protected:
    // Runs the window set-up with the game's whole start-up.
    void StartGame() {
        namespace fs = std::filesystem;
        fs::create_directories(folder_.path / "data");
        fs::copy(FERROW_DATA_DIR, folder_.path / "data" / "set0", fs::copy_options::recursive);
        fs::remove(folder_.path / "data" / "set0" / "hight.dat");
        fs::current_path(folder_.path);
        platform::SetWindowedStart(true);
        ASSERT_EQ(initfenster(), 1);
        ASSERT_TRUE(fakes::boxes.empty());
    }
};
