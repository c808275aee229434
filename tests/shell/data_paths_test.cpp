#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/files.h"
#include "shell/data_paths.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

class DataPathsTest : public ::testing::Test {
protected:
    void SetUp() override {
        fakes::Install();
        old_dir_ = fs::current_path();
        root_ = fs::path(::testing::TempDir()) / ("ferrow-paths-" + std::to_string(::getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_);
    }
    void TearDown() override {
        fs::current_path(old_dir_);
        fs::permissions(root_, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(root_);
        fakes::Uninstall();
    }
    fs::path old_dir_, root_;
};

}  // namespace

TEST_F(DataPathsTest, DataFolderLiesBelowTheStartFolderAndBecomesCurrent) {
    const fs::path start = root_ / "F";
    fs::create_directories(start / "data" / "set0");
    std::ofstream(start / "data" / "set0" / "Wasser256.BMP") << "x";
    fs::current_path(start);

    basisordnerholen();
    EXPECT_EQ(fs::path(basisordner), fs::canonical(start));
    datenordnersetzen("set0");
    EXPECT_EQ(std::string(datenordner), std::string(basisordner) + "/data/set0");
    EXPECT_EQ(fs::current_path(), fs::canonical(start / "data" / "set0"));
    EXPECT_TRUE(fakes::DebugLineContains(datenordner));

    // Files are found as written, else without regard to case.
    EXPECT_EQ(platform::ResolveFileName("wasser256.bmp"), "Wasser256.BMP");
    EXPECT_EQ(platform::ResolveFileName("fehlt.bmp"), "fehlt.bmp");
}

TEST_F(DataPathsTest, WithoutDataBelowTheStartFolderTheProgramsOwnIsUsed) {
    // Data sets of the test's own, beside this program and where an installed
    // program keeps its data.
    const fs::path exe = platform::ExecutableDirectory();
    const std::string beside_set = "beside-" + std::to_string(::getpid());
    const std::string installed_set = "installed-" + std::to_string(::getpid());
    const fs::path beside = exe / "data" / beside_set;
    const fs::path installed = exe / ".." / "share" / "ferrow" / "data" / installed_set;
    fs::create_directories(beside);
    fs::create_directories(installed);
    fs::current_path(root_);
    basisordnerholen();

    datenordnersetzen(beside_set.c_str());
    EXPECT_EQ(fs::current_path(), fs::canonical(beside));
    datenordnersetzen(installed_set.c_str());
    EXPECT_EQ(fs::current_path(), fs::canonical(installed));

    fs::remove_all(beside);
    fs::remove_all(installed);
}

TEST_F(DataPathsTest, HighscoresStayInAWritableDataFolderElseGoToTheUsersFolder) {
    fs::current_path(root_);
    EXPECT_EQ(highscoreordner(), "");

    const fs::path xdg = root_ / "xdg";
    setenv("XDG_DATA_HOME", xdg.c_str(), 1);
    EXPECT_EQ(benutzerordner(), (xdg / "ferrow").string() + "/");
    EXPECT_TRUE(fs::is_directory(xdg / "ferrow"));

    // A relative XDG_DATA_HOME is to be ignored; HOME then decides.
    const std::string old_home = std::getenv("HOME") ? std::getenv("HOME") : "";
    setenv("XDG_DATA_HOME", "relativ", 1);
    setenv("HOME", root_.c_str(), 1);
    EXPECT_EQ(benutzerordner(), (root_ / ".local/share/ferrow").string() + "/");
    setenv("HOME", old_home.c_str(), 1);
    unsetenv("XDG_DATA_HOME");
}
