#include "pictures/stroke_font.h"

#include <cmath>
#include <cstdlib>
#include <map>

namespace assetgen {
namespace {

using Strokes = std::vector<std::vector<Vec>>;

// Round letters are drawn as octagons: at small sizes a chamfered corner
// reads as round, and at large sizes the round stroke ends soften it.
const std::vector<Vec> kRing{{1, 0}, {3, 0}, {4, 1}, {4, 5}, {3, 6}, {1, 6}, {0, 5}, {0, 1}, {1, 0}};
const std::vector<Vec> kBowlP{{0, 6}, {0, 0}, {3, 0}, {4, 1}, {4, 2}, {3, 3}, {0, 3}};

std::map<char, Glyph> build() {
    std::map<char, Glyph> g;
    auto add = [&g](char c, double w, Strokes s) { g[c] = Glyph{w, std::move(s)}; };
    add('A', 4, {{{0, 6}, {0, 1}, {1, 0}, {3, 0}, {4, 1}, {4, 6}}, {{0, 3.5}, {4, 3.5}}});
    add('B', 4, {{{0, 3}, {3, 3}, {4, 4}, {4, 5}, {3, 6}, {0, 6}, {0, 0}, {3, 0}, {4, 1}, {4, 2}, {3, 3}}});
    add('C', 4, {{{4, 1}, {3, 0}, {1, 0}, {0, 1}, {0, 5}, {1, 6}, {3, 6}, {4, 5}}});
    add('D', 4, {{{0, 0}, {0, 6}, {2.5, 6}, {4, 4.5}, {4, 1.5}, {2.5, 0}, {0, 0}}});
    add('E', 4, {{{4, 0}, {0, 0}, {0, 6}, {4, 6}}, {{0, 3}, {3, 3}}});
    add('F', 4, {{{4, 0}, {0, 0}, {0, 6}}, {{0, 3}, {3, 3}}});
    add('G', 4, {{{4, 1}, {3, 0}, {1, 0}, {0, 1}, {0, 5}, {1, 6}, {3, 6}, {4, 5}, {4, 3.5}, {2.5, 3.5}}});
    add('H', 4, {{{0, 0}, {0, 6}}, {{4, 0}, {4, 6}}, {{0, 3}, {4, 3}}});
    add('I', 2, {{{1, 0}, {1, 6}}, {{0, 0}, {2, 0}}, {{0, 6}, {2, 6}}});
    add('J', 4, {{{4, 0}, {4, 5}, {3, 6}, {1, 6}, {0, 5}}});
    add('K', 4, {{{0, 0}, {0, 6}}, {{4, 0}, {0, 3.5}}, {{1.4, 2.6}, {4, 6}}});
    add('L', 4, {{{0, 0}, {0, 6}, {4, 6}}});
    add('M', 4, {{{0, 6}, {0, 0}, {2, 3}, {4, 0}, {4, 6}}});
    add('N', 4, {{{0, 6}, {0, 0}, {4, 6}, {4, 0}}});
    add('O', 4, {kRing});
    add('P', 4, {kBowlP});
    add('Q', 4, {kRing, {{2.5, 4.5}, {4, 6}}});
    add('R', 4, {kBowlP, {{2, 3}, {4, 6}}});
    add('S', 4, {{{4, 1}, {3, 0}, {1, 0}, {0, 1}, {0, 2}, {1, 3}, {3, 3}, {4, 4}, {4, 5}, {3, 6}, {1, 6}, {0, 5}}});
    add('T', 4, {{{0, 0}, {4, 0}}, {{2, 0}, {2, 6}}});
    add('U', 4, {{{0, 0}, {0, 5}, {1, 6}, {3, 6}, {4, 5}, {4, 0}}});
    add('V', 4, {{{0, 0}, {0, 3}, {2, 6}, {4, 3}, {4, 0}}});
    add('W', 4, {{{0, 0}, {0, 6}, {2, 4}, {4, 6}, {4, 0}}});
    add('X', 4, {{{0, 0}, {4, 6}}, {{4, 0}, {0, 6}}});
    add('Y', 4, {{{0, 0}, {2, 3}, {4, 0}}, {{2, 3}, {2, 6}}});
    add('Z', 4, {{{0, 0}, {4, 0}, {0, 6}, {4, 6}}});
    add('0', 4, {{{1, 0}, {3, 0}, {4, 1.5}, {4, 4.5}, {3, 6}, {1, 6}, {0, 4.5}, {0, 1.5}, {1, 0}}, {{1.2, 4.2}, {2.8, 1.8}}});
    add('1', 2, {{{0, 1}, {1, 0}, {1, 6}}, {{0, 6}, {2, 6}}});
    add('2', 4, {{{0, 1}, {1, 0}, {3, 0}, {4, 1}, {4, 2}, {0, 6}, {4, 6}}});
    add('3', 4, {{{0, 1}, {1, 0}, {3, 0}, {4, 1}, {4, 2}, {3, 3}, {4, 4}, {4, 5}, {3, 6}, {1, 6}, {0, 5}}, {{1.5, 3}, {3, 3}}});
    add('4', 4, {{{3, 6}, {3, 0}, {0, 4}, {4, 4}}});
    add('5', 4, {{{4, 0}, {0, 0}, {0, 2.5}, {3, 2.5}, {4, 3.5}, {4, 5}, {3, 6}, {1, 6}, {0, 5}}});
    add('6', 4, {{{3.5, 0}, {2, 0}, {0, 2}, {0, 5}, {1, 6}, {3, 6}, {4, 5}, {4, 4}, {3, 3}, {1, 3}, {0, 4}}});
    add('7', 4, {{{0, 0}, {4, 0}, {4, 1}, {1.5, 6}}});
    add('8', 4, {{{1, 3}, {0, 2}, {0, 1}, {1, 0}, {3, 0}, {4, 1}, {4, 2}, {3, 3}, {1, 3}, {0, 4}, {0, 5}, {1, 6},
                  {3, 6}, {4, 5}, {4, 4}, {3, 3}}});
    add('9', 4, {{{4, 2}, {3, 3}, {1, 3}, {0, 2}, {0, 1}, {1, 0}, {3, 0}, {4, 1}, {4, 4}, {2, 6}, {0.5, 6}}});
    add('-', 3, {{{0, 3}, {3, 3}}});
    add('.', 0, {{{0, 6}}});
    add('/', 3, {{{3, 0}, {0, 6}}});
    add(':', 0, {{{0, 2}}, {{0, 5}}});
    add(';', 1, {{{1, 2}}, {{1, 5}, {0.3, 6}}});
    add('<', 3, {{{3, 1}, {0, 3}, {3, 5}}});
    add('=', 3, {{{0, 2}, {3, 2}}, {{0, 4}, {3, 4}}});
    add('>', 3, {{{0, 1}, {3, 3}, {0, 5}}});
    add('?', 4, {{{0, 1}, {1, 0}, {3, 0}, {4, 1}, {4, 2}, {2, 3.5}, {2, 4}}, {{2, 6}}});
    add('@', 4, {{{3, 4}, {3, 2}, {2, 2}, {1.5, 3}, {2, 4}, {3, 4}, {4, 3.5}, {4, 1}, {3, 0}, {1, 0}, {0, 1}, {0, 5},
                  {1, 6}, {3.5, 6}}});
    add('!', 0, {{{0, 0}, {0, 4}}, {{0, 6}}});
    add(' ', 2, {});
    return g;
}

// Steps along a line one pixel at a time so strokes stay one pixel thin.
void line(Image& img, int x0, int y0, int x1, int y1, std::uint8_t c) {
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        img.set(x0, y0, c);
        if (x0 == x1 && y0 == y1) return;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

int grid_pixel(double v) { return int(std::floor(v + 0.5)); }

}  // namespace

const Glyph& glyph(char c) {
    static const std::map<char, Glyph> glyphs = build();
    static const Glyph empty{2, {}};
    if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    auto it = glyphs.find(c);
    return it == glyphs.end() ? empty : it->second;
}

Shape glyph_shape(char c, double r) {
    const Glyph& g = glyph(c);
    std::vector<Shape> parts;
    for (const auto& s : g.strokes) parts.push_back(stroke(s, r));
    if (parts.empty()) return {[](Vec) { return 1e9; }, {0, 0, 0, 0}};
    return unite(parts);
}

double text_width(const std::string& text, double gap) {
    double w = 0;
    for (std::size_t i = 0; i < text.size(); ++i) w += glyph(text[i]).width + (i + 1 < text.size() ? gap : 0);
    return w;
}

Shape text_shape(const std::string& text, double r, double gap) {
    std::vector<Shape> parts;
    double x = 0;
    for (char c : text) {
        if (!glyph(c).strokes.empty()) parts.push_back(transformed(glyph_shape(c, r), Transform::translation(x, 0)));
        x += glyph(c).width + gap;
    }
    if (parts.empty()) return {[](Vec) { return 1e9; }, {0, 0, 0, 0}};
    return unite(parts);
}

int pixel_text(Image& img, int x, int y, const std::string& text, std::uint8_t colour) {
    int cx = x;
    for (char c : text) {
        const Glyph& g = glyph(c);
        for (const auto& s : g.strokes) {
            for (std::size_t i = 0; i < s.size(); ++i) {
                const Vec a = s[i], b = s[i + 1 < s.size() ? i + 1 : i];
                line(img, cx + grid_pixel(a.x), y + grid_pixel(a.y), cx + grid_pixel(b.x), y + grid_pixel(b.y), colour);
            }
        }
        cx += grid_pixel(g.width) + 2;
    }
    return cx - x - 2;
}

int pixel_text_width(const std::string& text) {
    int w = 0;
    for (char c : text) w += grid_pixel(glyph(c).width) + 2;
    return text.empty() ? 0 : w - 2;
}

}  // namespace assetgen
