// The display with every picture loaded, a fresh highscore table, and an empty current folder for "hight.dat".
#pragma once
#include "support/layers_fixture.h"
#include "text/highscore_table.h"

// A "hight.dat" of these rows: a 30-byte name and a little-endian score each, every 0x0A stored as 0x0D 0x0A.
inline std::string HighscoreFileBytes(const std::vector<std::pair<std::string, std::uint32_t>>& rows) {
    std::string file;
    for (auto [field, score] : rows) {
        field.resize(30);
        for (int b = 0; b < 4; ++b) field += char(score >> (8 * b));
        for (char c : field) file += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    return file;
}

// Row i of a table: its name and score.
using Row = std::pair<std::string, std::int32_t>;
inline Row RowOf(const _highscore& h, int i) { return {h.namen[i], h.tabellenpunkte[i]}; }

// Whether a pixel of the rectangle [x0, x1) x [y0, y1) is not the background.
inline bool HasInk(Pixels& bild, int x0, int y0, int x1, int y1, std::uint8_t grund) {
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (bild.at(x, y) != grund) return true;
    return false;
}

class TextTest : public LayersTest {
protected:
    void SetUp() override {
        LayersTest::SetUp();
        ASSERT_TRUE(OpenDisplayWithPictures());
        fs::current_path(folder_.path);
        highscore = _highscore{};
        eingabezaehler = 0, letztetaste = kKeineTaste;
    }
    void ReleaseGameObjects() override {
        highscore.freigeben();
        LayersTest::ReleaseGameObjects();
    }
};

// With the table set up as at start-up.
class TableTest : public TextTest {
protected:
    void SetUp() override { TextTest::SetUp(); highscore.init(lpdd, lpddsprimary, lpddsback); }
};
