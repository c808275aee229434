// The game's one lettering: each character is a few strokes on a grid 4
// units wide (narrow signs less) and 6 units high, y down. Thick strokes make
// the bold cartoon letters of the fonts, digits, banners and title; one-pixel
// strokes at one pixel per unit make a 5 x 7 pixel font for small panels.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "image.h"
#include "pictures/shapes.h"

namespace assetgen {

struct Glyph {
    double width = 4;                          // grid units from leftmost to rightmost stroke centre
    std::vector<std::vector<Vec>> strokes;     // polylines; a single point is a dot
};

// The glyph of a character (upper-case letters, digits, signs 45..64, '!',
// space); other characters give an empty glyph.
const Glyph& glyph(char c);

// The glyph's strokes with half-width r, in grid units, left stroke centre at x = 0.
Shape glyph_shape(char c, double r);

// Grid width of a line of text whose glyphs stand gap units apart.
double text_width(const std::string& text, double gap);

// A line of glyphs, the first one's left stroke centre at x = 0.
Shape text_shape(const std::string& text, double r, double gap);

// Draws text with one-pixel strokes, top-left at (x, y), glyphs a pixel
// apart; returns the width in pixels.
int pixel_text(Image& image, int x, int y, const std::string& text, std::uint8_t colour);
int pixel_text_width(const std::string& text);

}  // namespace assetgen
