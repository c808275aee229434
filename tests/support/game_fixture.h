// A test of the whole game, started from a folder of its own that holds a
// copy of the data (so "hight.dat" is written there), on the fake clock.
#pragma once
#include <filesystem>
#include <string>

#include "support/shell_fixture.h"

class GameTest : public ShellTest {
protected:
    // Runs the window set-up with the game's whole start-up; `tag` names the folder.
    void StartGame(const std::string& tag) {
        namespace fs = std::filesystem;
        root_ = fs::path(::testing::TempDir()) / ("ferrow-" + tag + "-" + std::to_string(::getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_ / "data");
        fs::copy(FERROW_DATA_DIR, root_ / "data" / "set0", fs::copy_options::recursive);
        fs::remove(root_ / "data" / "set0" / "hight.dat");
        fs::current_path(root_);
        platform::SetWindowedStart(true);
        ASSERT_EQ(initfenster(), 1);
        ASSERT_TRUE(fakes::boxes.empty());
    }

    void TearDown() override {
        ShellTest::TearDown();
        std::filesystem::current_path(FERROW_BUILD_DIR);
        std::filesystem::remove_all(root_);
    }

    std::filesystem::path root_;
};
