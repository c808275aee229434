#include <cstring>

#include "platform/testing/fault_injection.h"
#include "text/text_fixture.h"

class HighscoreTableTest : public TableTest {
protected:
    void GameOver(std::int32_t punkte, const char* name) {
        for (int RowOf : {9, 7}) std::strcpy(highscore.namen[RowOf], name);
        highscore.tabellenpunkte[7] = punkte;
        highscore.auswerten();
    }
};

TEST_F(HighscoreTableTest, ResultsAreRankedAndReplaceTheWorstEntry) {
    // A player with 5 is last: not shown, no kept entry changes.
    GameOver(5, "OTTO");
    EXPECT_EQ(std::pair(highscore.rang[7], RowOf(highscore, 5).first), std::pair(0, std::string("Flinki")));

    // 320 is second of the first-start table, and takes Flinki's place.
    highscore.erststarttabelle();
    GameOver(320, "ANNA");
    EXPECT_EQ(highscore.rang[7], 6);
    EXPECT_EQ(RowOf(highscore, 5), Row("ANNA", 320));
    EXPECT_STREQ(highscore.punktetext[5], "10");  // the texts show the table as it was

    // Of equal scores the earlier row ranks higher; the player below them all.
    const std::int32_t gleich[8] = {1, 2, 100, 3, 4, 100, 5, 100};
    std::copy(gleich, gleich + 8, highscore.tabellenpunkte);
    highscore.auswerten();
    EXPECT_EQ((std::vector<int>{highscore.rang[2], highscore.rang[5], highscore.rang[7]}), (std::vector<int>{7, 6, 5}));

    EXPECT_TRUE(fakes::boxes.empty());
}

TEST_F(HighscoreTableTest, ResetSavesTheBuiltInTableAndShowsTheBestSeven) {
    EXPECT_EQ(highscore.zuruecksetzen(), 0);
    highscore.auswerten();
    EXPECT_EQ(highscore.rang[7], 0);  // Spieler, 210
    _highscore geladen;
    geladen.laden();
    EXPECT_EQ(std::pair(RowOf(geladen, 4).first, RowOf(geladen, 7).second), Row("Udo looser F", 210));

    // Drawn: the seven best rows, not the worst.
    flaecheloeschen(lpddsback, 192);
    highscore.zeigen();
    Pixels bild = pixels(lpddsback);
    for (int platz = 0; platz < 7; ++platz)
        EXPECT_TRUE(HasInk(bild, 185, 153 + 21 * platz, 260, 154 + 21 * platz, 192)) << platz;
    EXPECT_FALSE(HasInk(bild, 185, 300, 260, 301, 192));

    // A stored name longer than the table is wide is cut, not fatal.
    std::memset(highscore.namen[0], 'W', 29);
    highscore.auswerten();
    EXPECT_TRUE(fakes::boxes.empty());
}

// A text surface that cannot be made or locked: false for the creation, true for the lock.
class HighscoreSetUpTest : public TextTest, public ::testing::WithParamInterface<bool> {};

TEST_P(HighscoreSetUpTest, ATextSurfaceThatFailsEndsTheSetUpWithOneReport) {
    if (GetParam()) platform::FailNext(platform::Operation::SurfaceLock, platform::DDERR_GENERIC);
    else platform::FailNext(platform::Operation::OffscreenSurface);
    highscore.init(lpdd, lpddsprimary, lpddsback);
    EXPECT_EQ(fakes::BoxTexts(), fakes::Lines{GetParam() ? "_text::surface-Lock liefert falschen Wert"
                                                          : "Konnte Surface nicht erzeugen->Class Text "});
    // No text keeps a surface made after the shut-down released the rest,
    // and the table's texts neither write, draw nor report any more.
    for (const _text& t : highscore.texte) EXPECT_EQ(t.surface, nullptr);
    highscore.auswerten();
    highscore.zeigen();
    highscore.nameneingabe();
    EXPECT_EQ(fakes::boxes.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(CreateOrLock, HighscoreSetUpTest, ::testing::Bool());
