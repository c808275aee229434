// The title picture: "FERROW" in big bouncing cartoon letters over a sunny
// sky, a flying pig above, and a curling wave along the bottom.
#include <cmath>

#include "palette.h"
#include "pictures/canvas.h"
#include "pictures/pictures.h"
#include "pictures/pigs.h"
#include "pictures/stroke_font.h"

namespace assetgen {

Image logo_image() {
    Image img(311, 160, kSky);
    Canvas c(img);
    // Sky lightening toward the horizon.
    for (int y = 0; y < 160; ++y)
        for (int x = 0; x < 311; ++x)
            img.set(x, y, kSkyBlues.at(0.25 + 0.6 * y / 160.0 + dither_threshold(x, y) / (kSkyBlues.count - 1)));
    Paint sun = no_outline(shaded(kSunColours, 0.9, 0, 0));
    c.fill(circle({270, 30}, 30), no_outline(solid(kGlow.at(0.3))));
    c.fill(circle({270, 30}, 20), sun);

    // The wave: a deep swell whose crest curls over to the left, with foam.
    Paint sea = shaded(kSea, 0.6, 0.35, 8);
    sea.outline_width = 1.5;
    sea.tone_at = [](Vec p) { return 0.9 - (p.y - 120) / 60; };
    std::vector<Vec> swell{{-2, 162}, {-2, 134}};
    for (int x = 0; x <= 312; x += 4) swell.push_back({double(x), 134 - 6 * std::sin(x / 18.0) - 8 * std::exp(-std::pow((x - 60) / 30.0, 2))});
    swell.push_back({313, 162});
    c.fill(polygon(swell), sea);
    c.fill(stroke(arc({52, 124}, 16, 14, 150, 330, 16), 4), shaded(kFoam, 0.85, 0.3, 2));
    for (int x = 90; x < 311; x += 34) c.fill(ellipse({double(x), 134 - 6 * std::sin(x / 18.0) + 2}, 9, 2), shaded(kFoam, 0.9, 0.3, 1));

    // The title: each letter bobs and tilts a little, like it floats.
    const std::string title = "FERROW";
    const double sx = 8.5, sy = 10.5, r = 4.6, advance = 48;
    const double left = 155.5 - advance * (title.size() - 1) / 2.0;
    for (std::size_t i = 0; i < title.size(); ++i) {
        const Glyph& g = glyph(title[i]);
        std::vector<Shape> parts;
        for (const auto& s : g.strokes) {
            std::vector<Vec> pts;
            for (Vec p : s) pts.push_back({(p.x - g.width / 2) * sx, (p.y - 3) * sy});
            parts.push_back(stroke(pts, r));
        }
        const Shape letter = unite(parts);
        const Vec at{left + advance * i, 88 + 5 * std::sin(i * 1.9)};
        const double tilt = 6 * std::sin(i * 2.7 + 0.5);
        Paint shadow = solid(kSea.at(0.1), 0);
        c.moved(at.x + 4, at.y + 5).turned(tilt).fill(letter, shadow);
        Paint fill = shaded(kSunColours, 0.8, 0.35, 4);
        fill.tone_at = [sy](Vec p) { return 0.95 - 0.5 * (p.y / sy + 3) / 6; };
        fill.outline_width = 2.5;
        c.moved(at.x, at.y).turned(tilt).fill(letter, fill);
        c.moved(at.x, at.y).turned(tilt).fill(transformed(letter, Transform::translation(-1.5, -2)),
                                              no_outline(solid(kSunColours.at(0.7))));
        c.moved(at.x, at.y).turned(tilt).fill(cut(letter, transformed(letter, Transform::translation(-1.5, -2))),
                                              no_outline(solid(kSunColours.at(0.3))));
    }

    // The flying pig crossing above the title.
    PigLook look;
    look.flap = -10;
    side_pig(c.moved(118, -4).scaled(1.7), look);
    return img;
}

}  // namespace assetgen
