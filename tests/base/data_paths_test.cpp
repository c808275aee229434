#include "platform/files.h"
#include "platform/processes.h"
#include "support/scoped_env.h"
#include "support/base_fixture.h"

using DataPathsTest = BaseTest;

// Names are UTF-8 throughout, and Windows takes them only through its wide calls: the start folder has such a name.
TEST_F(DataPathsTest, DataFolderLiesBelowTheStartFolderAndHighscoresStayThereWhileItIsWritable) {
    const fs::path start = folder_.path / fs::u8path(u8"Spielstände Ärger");
    fs::create_directories(start / "data" / "set0");
    std::ofstream(start / "data" / "set0" / "Wasser256.BMP") << "x";
    fs::current_path(start);

    basisordnerholen();
    EXPECT_EQ(fs::u8path(basisordner), fs::canonical(start));
    datenordnersetzen("set0");
    EXPECT_EQ(std::string(datenordner), std::string(basisordner) + "/data/set0");
    EXPECT_TRUE(fs::current_path() == fs::canonical(start / "data" / "set0") && fakes::DebugLineContains(datenordner));

    // Files are found as written, else without regard to case.
    EXPECT_TRUE(fs::equivalent(platform::ResolveFileName("wasser256.bmp"), "Wasser256.BMP"));
    EXPECT_EQ(platform::ResolveFileName("fehlt.bmp"), "fehlt.bmp");
    std::FILE* bild = platform::OpenFile(platform::ResolveFileName(std::string(datenordner) + "/WASSER256.bmp"), "rb");
    EXPECT_NE(bild, nullptr);
    if (bild) std::fclose(bild);

    // Highscores stay in a writable data folder, else go to the user's.
    EXPECT_EQ(highscoreordner(), "");
    ScopedEnv env;
#ifdef _WIN32
    env.Set("APPDATA", (folder_.path / "appdata").string().c_str());
    EXPECT_EQ(benutzerordner(), (folder_.path / "appdata" / "ferrow").string() + "/");
    EXPECT_TRUE(fs::is_directory(folder_.path / "appdata" / "ferrow"));
#else
    env.Set("XDG_DATA_HOME", (folder_.path / "xdg").c_str());
    EXPECT_EQ(benutzerordner(), (folder_.path / "xdg" / "ferrow").string() + "/");
    EXPECT_TRUE(fs::is_directory(folder_.path / "xdg" / "ferrow"));
    // A relative XDG_DATA_HOME is to be ignored; HOME then decides.
    env.Set("XDG_DATA_HOME", "relativ");
    env.Set("HOME", folder_.path.c_str());
    EXPECT_EQ(benutzerordner(), (folder_.path / ".local/share/ferrow").string() + "/");
#endif
}

TEST_F(DataPathsTest, WithoutDataBelowTheStartFolderTheProgramsOwnIsUsed) {
    // Data sets of the test's own, beside this program and where an installed one keeps its data.
    const fs::path exe = platform::ExecutableDirectory();
    const std::string beside_set = "beside-" + std::to_string(platform::ProcessNumber()), installed_set = "installed-" + beside_set;
    const fs::path beside = exe / "data" / beside_set, installed = exe / "../share/ferrow/data" / installed_set;
    for (const fs::path& p : {beside, installed}) fs::create_directories(p);
    fs::current_path(folder_.path);
    basisordnerholen();

    datenordnersetzen(beside_set.c_str());
    EXPECT_EQ(fs::current_path(), fs::canonical(beside));
    datenordnersetzen(installed_set.c_str());
    EXPECT_EQ(fs::current_path(), fs::canonical(installed));
    fs::current_path(folder_.path);  // Windows removes no folder that is current
    for (const fs::path& p : {beside, installed}) fs::remove_all(p);
}
