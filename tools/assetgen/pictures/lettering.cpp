// Everything made of letters: the two fonts, the digit strip, the countdown,
// the highscore banners and the info panel; and the colour table.
#include <string>

#include "palette.h"
#include "pictures/canvas.h"
#include "pictures/families.h"
#include "pictures/stroke_font.h"

namespace assetgen {
namespace {

constexpr int kCell = 19;     // font cell width; the game advances by 15
constexpr int kSignRow = 21;  // top of the row of signs "-" to "@"

// A glyph centred in a box, in a paint whose tone runs top to bottom.
void letter(const Canvas& c, char ch, double cx, double top, double sx, double sy, double r, const Paint& paint) {
    const Glyph& g = glyph(ch);
    if (g.strokes.empty()) return;
    // Strokes keep their pixel width under uneven scales, so the glyph is
    // built in pixels rather than drawn through a squeezing transform.
    std::vector<Shape> parts;
    for (const auto& s : g.strokes) {
        std::vector<Vec> pts;
        for (Vec p : s) pts.push_back({p.x * sx, p.y * sy});
        parts.push_back(stroke(pts, r));
    }
    Paint p = paint;
    if (paint.tone_at) {
        auto base = paint.tone_at;
        p.tone_at = [base, sy](Vec q) { return base({q.x, q.y / sy}); };
    }
    c.moved(cx - g.width * sx / 2, top).fill(unite(parts), p);
}

// A line of glyphs centred on cx, each glyph its own width apart plus gap pixels.
void line_of(const Canvas& c, const std::string& text, double cx, double top, double sx, double sy, double r,
             double gap, const Paint& paint) {
    double w = 0;
    for (std::size_t i = 0; i < text.size(); ++i) w += glyph(text[i]).width * sx + (i + 1 < text.size() ? gap : 0);
    double x = cx - w / 2;
    for (char ch : text) {
        const double gw = glyph(ch).width * sx;
        letter(c, ch, x + gw / 2, top, sx, sy, r, paint);
        x += gw + gap;
    }
}

// Tone by height on the 6-unit glyph grid: light at the top, a touch darker below.
Paint lettering_paint(Ramp ramp, double top, double bottom, std::uint8_t outline, double width) {
    Paint p = shaded(ramp, top, 0.15, 1.5);
    p.tone_at = [top, bottom](Vec q) { return top + (bottom - top) * clamp01(q.y / 6); };
    p.outline = outline;
    p.outline_width = width;
    p.dither = 0.6;
    return p;
}

Image font(const Paint& paint) {
    Image img(580, 45, kTransparent);
    Canvas c(img);
    // Letters are 15 pixels wide with their outline, so the 15-pixel advance
    // sets them edge to edge and the 4 spare pixels of a cell stay clear.
    const double sx = 2.5, sy = 2.5, r = 1.5, top = 2.5;
    for (int k = 0; k < 26; ++k) letter(c, char('A' + k), kCell * k + 9.5, top, sx, sy, r, paint);
    for (int k = 0; k < 20; ++k) letter(c, char(45 + k), kCell * k + 9.5, kSignRow + top, sx, sy, r, paint);
    return img;
}

Image digits() {
    const Paint paint = lettering_paint(kSunColours, 0.95, 0.62, kInk, 1.5);
    return strip(18, 40, 12, kTransparent, [&](Canvas& c, int k) {
        if (k == 10) return;  // the blank that clears a digit place
        const char ch = k == 11 ? '-' : char('0' + k);
        letter(c, ch, 9, 6.5, 2.5, 4.2, 2.0, paint);
    });
}

Image countdown() {
    Paint paint = lettering_paint(kSunColours, 1.0, 0.45, kReds.at(0.45), 3);
    Paint shadow = solid(kReds.first + 2, 0);
    return strip(80, 120, 6, kBlack, [&](Canvas& c, int k) {
        if (k < 5) {
            const char ch = char('5' - k);
            letter(c.moved(4, 5), ch, 40, 20, 11, 13.5, 6, shadow);
            letter(c, ch, 40, 20, 11, 13.5, 6, paint);
        } else {
            line_of(c.moved(3, 4), "LOS!", 40, 28, 4, 10, 3, 7, shadow);
            line_of(c, "LOS!", 40, 28, 4, 10, 3, 7, paint);
        }
    });
}

// A ribbon with folded ends behind a raised plate: the frame of the table's title.
Image highscore_banner() {
    Image img(400, 70, kTransparent);
    Canvas c(img);
    Paint fold = shaded(kReds, 0.3, 0.2, 3);
    Paint tail = shaded(kReds, 0.45, 0.25, 3);
    c.fill(polygon({{4, 22}, {60, 22}, {60, 62}, {4, 62}, {20, 42}}), tail);
    c.fill(polygon({{396, 22}, {340, 22}, {340, 62}, {396, 62}, {380, 42}}), tail);
    c.fill(polygon({{40, 56}, {60, 56}, {60, 66}}), fold);
    c.fill(polygon({{360, 56}, {340, 56}, {340, 66}}), fold);
    Paint plate = shaded(kReds, 0.62, 0.3, 6);
    plate.outline_width = 2;
    c.fill(rounded_box(40, 6, 360, 58, 8), plate);
    c.fill(rounded_box(48, 12, 352, 52, 5), no_outline(shaded(kReds, 0.5, -0.25, 3)));
    line_of(c.moved(2, 2), "HIGHSCORE", 200, 16, 6, 5, 2.6, 9, solid(kReds.first, 1.5));
    line_of(c, "HIGHSCORE", 200, 16, 6, 5, 2.6, 9, lettering_paint(kSunColours, 1.0, 0.55, kInk, 1.5));
    return img;
}

Image new_game_banner() {
    Image img(400, 35, kTransparent);
    Canvas c(img);
    Paint plank = shaded(kSkyBlues, 0.25, 0.25, 4);
    plank.outline_width = 2;
    c.fill(rounded_box(2, 3, 398, 33, 9), plank);
    line_of(c, "F1 / LEERTASTE: NEUES SPIEL", 200, 9.5, 2.8, 2.7, 1.25, 4.2,
            lettering_paint(kGreys, 1.0, 0.86, kInk, 1));
    return img;
}

Image info_panel() {
    Image img(100, 50, kTransparent);
    Canvas c(img);
    Paint board = shaded(kWood, 0.62, 0.3, 4);
    board.outline_width = 1.5;
    c.fill(rounded_box(2, 3, 98, 47, 6), board);
    c.fill(rounded_box(6, 7, 94, 43, 3), no_outline(shaded(kWood, 0.5, -0.3, 2)));
    const std::string lines[2] = {"LINKS: SCHUSS", "RECHTS: LADEN"};
    for (int i = 0; i < 2; ++i) {
        const int x = 50 - pixel_text_width(lines[i]) / 2, y = 12 + 15 * i;
        pixel_text(img, x + 1, y + 1, lines[i], kWood.first);
        pixel_text(img, x, y, lines[i], kSand.at(1));
    }
    return img;
}

// The colour table stands in the unused picture places: every colour once,
// never the transparent or text key.
Image colour_table() {
    Image img(10, 10, kBlack);
    for (int i = 0; i < 100; ++i) img.pixels[std::size_t(i)] = std::uint8_t(3 + i * 252 / 100);
    return img;
}

}  // namespace

void draw_lettering(PictureSet& out) {
    out["font256.bmp"] = font(lettering_paint(kGreys, 1.0, 0.8, kInk, 1));
    out["font1256.bmp"] = font(lettering_paint(kSunColours, 0.85, 0.45, kInk, 1));
    out["zahlenx256.bmp"] = digits();
    out["count2256.bmp"] = countdown();
    out["highlogo256.bmp"] = highscore_banner();
    out["leerlogo2256.bmp"] = new_game_banner();
    out["info256.bmp"] = info_panel();
    out["colortable.bmp"] = colour_table();
}

}  // namespace assetgen
