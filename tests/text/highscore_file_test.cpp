#ifndef _WIN32
#include <signal.h>
#include <sys/resource.h>
#endif

#include <cstring>

#include "platform/processes.h"
#include "support/scoped_env.h"
#include "support/small_disk.h"
#include "text/text_fixture.h"

// The first start's table, byte for byte.
const std::string kErststart = HighscoreFileBytes({{"Bernd", 312}, {"Oskar", 55}, {"Timo", 30}, {"Blitzbert", 31},
    {"Petra", 330}, {"Flinki", 10}, {"Rudi", 50}, {"", 9}, {"Dein Name bitte:", 0}, {"spieler", 0}, {"reserved", 0},
    {"", 0}, {"", 0}, {"reserved", 0}, {"reserved", 0}});

class HighscoreFileTest : public TextTest {
protected:
    // A save that must fail with its report and leave the old file as it was.
    void SaveFails() {
        fakes::debug_lines.clear();
        EXPECT_EQ(highscore.schreiben(), 1);
        EXPECT_TRUE(fakes::DebugLineContains("-schreiben: datei konnte nicht geöffnet werden"));
        EXPECT_EQ(ReadWholeFile("hight.dat"), kErststart);
    }
};

// Names are UTF-8 throughout, and Windows takes them only through its wide calls: the table lives in such a folder.
TEST_F(HighscoreFileTest, TheFirstStartWritesTheBuiltInTableAndEveryByteSurvivesASaveAndALoad) {
    const fs::path start = folder_.path / fs::u8path(u8"Spielstände Ärger");
    fs::create_directories(start);
    fs::current_path(start);
    EXPECT_TRUE(highscore.laden() == 1 && fakes::DebugLineContains("-laden: datei konnte nicht geöffnet werden"));
    highscore.init(lpdd, lpddsprimary, lpddsback);
    EXPECT_EQ(ReadWholeFile(start / "hight.dat"), kErststart);

    // A game killed while saving left "hight.dat.neu<its number>"; the next save clears it once no program of that
    // number runs. (Processes are asked the system's own way: Windows has no signals.)
    const long gone = 0x7FFFFFF0;
    ASSERT_TRUE(platform::ProcessRunning(platform::ProcessNumber()) && !platform::ProcessRunning(gone));
    WriteWholeFile("hight.dat.neu" + std::to_string(gone), "halb");
    highscore.ruecksetztabelle();
    // Line feeds and carriage returns wherever a score can put them; bytes left behind a shorter name.
    const std::int32_t punkte[] = {0x0A0A0A0A, -246, 13, 0x0A0D, 0x0D0A, 0x0D0D0A0A, 0x7FFFFFFF, INT32_MIN};
    for (int i = 0; i < 8; ++i) highscore.tabellenpunkte[i] = punkte[i];
    std::strcpy(highscore.namen[3], "AB\nC");
    highscore.namen[4][20] = 'x';
    const _highscore vorher = highscore;
    ASSERT_EQ(highscore.schreiben(), 0);
    EXPECT_EQ(std::distance(fs::directory_iterator("."), {}), 1) << "only the table is left";
    const std::string datei = ReadWholeFile("hight.dat");

    highscore.freigeben();
    highscore = _highscore{};
    highscore.eingerichtet = true;
    ASSERT_EQ(highscore.laden(), 0);
    EXPECT_EQ(std::memcmp(highscore.namen, vorher.namen, sizeof vorher.namen), 0);
    EXPECT_EQ(std::memcmp(highscore.tabellenpunkte, vorher.tabellenpunkte, sizeof vorher.tabellenpunkte), 0);
    ASSERT_EQ(highscore.schreiben(), 0);
    EXPECT_EQ(ReadWholeFile("hight.dat"), datei);
}

TEST_F(HighscoreFileTest, ShortAndOverlongContentIsReadSafely) {
    // 200 bytes: rows 0 to 4 and the name of row 5.
    highscore.erststarttabelle();
    std::string kurz(200, 'k');
    for (int RowOf = 0; RowOf < 6; ++RowOf) kurz[std::size_t(34 * RowOf + 29)] = 0;
    WriteWholeFile("hight.dat", kurz);
    ASSERT_EQ(highscore.laden(), 0);
    EXPECT_EQ((std::vector{RowOf(highscore, 4), RowOf(highscore, 5), RowOf(highscore, 6)}),
              (std::vector<Row>{{std::string(29, 'k'), 0x6B6B6B6B}, {std::string(29, 'k'), 10}, {"Rudi", 50}}));

    // A file ending inside row 5's name, then inside its score: the bytes read land, the rest is kept.
    std::strcpy(highscore.namen[5], "Flinki-Flinki-Flinki");
    highscore.tabellenpunkte[5] = 0x44332211;
    WriteWholeFile("hight.dat", kurz.substr(0, 185));
    ASSERT_EQ(highscore.laden(), 0);
    EXPECT_EQ(RowOf(highscore, 5), Row(std::string(15, 'k') + "linki", 0x44332211));
    WriteWholeFile("hight.dat", kurz + "\x01\x02");
    ASSERT_EQ(highscore.laden(), 0);
    EXPECT_EQ(std::pair(highscore.tabellenpunkte[5], RowOf(highscore, 6)), std::pair(0x44330201, Row("Rudi", 50)));

    // A name filling its whole field ends within it.
    std::string lang = kErststart;
    lang.replace(0, 30, std::string(30, 'A'));
    WriteWholeFile("hight.dat", lang);
    ASSERT_EQ(highscore.laden(), 0);
    EXPECT_EQ((std::vector{RowOf(highscore, 0), RowOf(highscore, 1)}),
              (std::vector<Row>{{std::string(29, 'A'), 312}, {"Oskar", 55}}));
}

TEST_F(HighscoreFileTest, ASaveCutShortOrOnAFullDiskLeavesTheOldFileIntact) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows has no limit of a file's size to cut a save short with";
#else
    WriteWholeFile("hight.dat", kErststart);
    highscore.eingerichtet = true;
    highscore.ruecksetztabelle();

    // Files may grow to 100 bytes only: the save breaks off midway.
    rlimit alt;
    getrlimit(RLIMIT_FSIZE, &alt);
    const rlimit klein = {100, alt.rlim_max};
    auto* signal_alt = signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &klein);
    SaveFails();
    setrlimit(RLIMIT_FSIZE, &alt);
    signal(SIGXFSZ, signal_alt);
    EXPECT_EQ(std::distance(fs::directory_iterator("."), {}), 1);

    // A table that was never set up is not saved over the players' file.
    highscore.eingerichtet = false;
    EXPECT_EQ(highscore.schreiben(), 1);
    EXPECT_EQ(ReadWholeFile("hight.dat"), kErststart);

    // A full disk likewise, where a small one can be had.
    SmallDisk disk(folder_.path / "daten", "64k");
    if (!disk.Usable()) GTEST_SKIP() << "no tmpfs may be mounted here";
    fs::current_path(folder_.path / "daten");
    WriteWholeFile("hight.dat", kErststart);
    for (std::ofstream fuell("fuellung", std::ios::binary); fuell << std::string(4096, 'x');) continue;
    highscore.eingerichtet = true;
    SaveFails();
    EXPECT_EQ(std::distance(fs::directory_iterator("."), {}), 2) << "a half-written file was left";
    fs::current_path(folder_.path);
#endif
}

TEST_F(HighscoreFileTest, AReadOnlyDataFolderSendsTheTableToTheUsersFolder) {
    const fs::path daten = folder_.path / "daten";
    SmallDisk disk(daten, "1m");
    if (!disk.Usable()) GTEST_SKIP() << "no tmpfs may be mounted here";
    fs::current_path(daten);
    WriteWholeFile("hight.dat", kErststart);  // the table that came with the game
    ASSERT_TRUE(disk.MakeReadOnly());

    ScopedEnv env;
    env.Set("XDG_DATA_HOME", (folder_.path / "xdg").string().c_str());
    highscore.eingerichtet = true;
    ASSERT_EQ(highscore.laden(), 0);
    highscore.tabellenpunkte[0] = 4711;
    ASSERT_EQ(highscore.schreiben(), 0);
    EXPECT_EQ(ReadWholeFile("hight.dat"), kErststart);
    _highscore geladen;
    ASSERT_EQ(geladen.laden(), 0);
    EXPECT_EQ(geladen.tabellenpunkte[0], 4711);
    EXPECT_TRUE(fs::exists(folder_.path / "xdg" / "ferrow" / "hight.dat"));

    // With no folder of the user's known, nothing can be saved.
    env.Set("XDG_DATA_HOME", nullptr);
    env.Set("HOME", nullptr);
    SaveFails();
    fs::current_path(folder_.path);
}
