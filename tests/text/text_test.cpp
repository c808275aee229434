
#include "platform/portable/presentation.h"
#include "text/text_fixture.h"

using namespace platform;

namespace {

// What a text surface should show, from the font picture's own pixels: cells pasted in order, keyed, cut at the edges.
struct Picture : Pixels {
    Picture(int w, int h) : Pixels{w, h, std::vector<std::uint8_t>(std::size_t(w * h), 1)} {}

    void Cell(int dx, int dy, int top, int nummer) {
        Pixels font = pixels(grafikdatenbank.grafikdaten[kBildSchrift]->surface);
        const std::uint8_t key = std::uint8_t(grafikdatenbank.grafikdaten[kBildSchrift]->keyfarbe);
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 19; ++x)
                if (const std::uint8_t p = font.at(19 * nummer + x, top + y); p != key && dx + x < w && dy + y < h)
                    at(dx + x, dy + y) = p;
    }
};

}  // namespace

class TextSurfaceTest : public TextTest {
protected:
    _text text;
    void Resize(int w, int h) {
        text.init(lpdd, lpddsprimary, lpddsback, kBildSchrift);
        text.surface = text.erzeugesurface(text.surface, w, h);
    }
    void TearDown() override { text.freigeben(); TextTest::TearDown(); }
    void Compare(const Picture& b) { EXPECT_EQ(pixels(text.surface).p, b.p); }
};

TEST_F(TextSurfaceTest, CharactersComeFromTheirCellsAndLinesBreakAtLessThan) {
    Resize(340, 41);
    // Lower case as capitals, "[" without a cell as a gap, the space as the
    // blank cell, digits and colon from the sign row, "<" back to x on the next line.
    EXPECT_EQ(text.schreiben("a[Z 0:<b", 5, 2), 8);
    Picture b(340, 41);
    for (auto [x, y, top, nummer] :
         {std::array{5, 2, 0, 0}, {35, 2, 0, 25}, {65, 2, 21, 3}, {80, 2, 21, 13}, {5, 17, 0, 1}})
        b.Cell(x, y, top, nummer);
    Compare(b);

    // Rebuilt pictures (after the display was restored) are picked up.
    fs::current_path(datenordner);
    ASSERT_EQ(grafikdatenbank.loadgrafikdaten(), 0);
    text.loeschen();
    text.schreiben("a[Z 0:<b", 5, 2);
    Compare(b);
    EXPECT_TRUE(fakes::boxes.empty());
}

TEST_F(TextSurfaceTest, CharactersAreCutAndSkippedAtTheSurfacesEdges) {
    Resize(340, 21);
    text.schreiben("ABCDEFGHIJKLMNOPQRSTUVWXYZ", 5, 2);
    Picture b(340, 21);
    for (int k = 0; k < 23; ++k) b.Cell(5 + 15 * k, 2, 0, k);  // 5, 20, ... 320, then 335 cut
    ASSERT_TRUE(HasInk(b, 335, 0, 340, 21, 1));                  // the cut character shows
    ASSERT_TRUE(HasInk(b, 0, 20, 340, 21, 1));                   // so does the 19th row
    Compare(b);

    // Positions off the surface draw nothing, and are only noted.
    text.loeschen();
    text.schreiben("AB", 400, 30);
    Compare(Picture(340, 21));
    EXPECT_TRUE(fakes::boxes.empty() && fakes::DebugLineContains("textpositionx > bildx"));
}

TEST_F(TextSurfaceTest, DrawingShowsOnlyWhatLiesOnScreen) {
    Resize(340, 21);
    text.schreiben("WW", 0, 0);
    for (auto [fx, fy] : {std::pair{600, 100}, {-10, -5}, {640, 0}, {0, -21}, {-340, 460}}) {
        flaecheloeschen(lpddsback, 192);
        text.setposition(fx, fy);
        EXPECT_EQ(text.zeichnen(), 0);
        Pixels t = pixels(text.surface), soll{kImageWidth, kImageHeight, {}};
        soll.p.assign(kImageWidth * kImageHeight, 192);
        for (int y = std::max(0, fy); y < std::min(kImageHeight, fy + 21); ++y)
            for (int x = std::max(0, fx); x < std::min(kImageWidth, fx + 340); ++x)
                if (t.at(x - fx, y - fy) != 1) soll.at(x, y) = t.at(x - fx, y - fy);
        EXPECT_EQ(pixels(lpddsback).p, soll.p) << fx << "," << fy;
    }
    EXPECT_TRUE(fakes::boxes.empty());
}
