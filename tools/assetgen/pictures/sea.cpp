// The open sea and what moves on it: the wave strip along the horizon, the
// surf round islands and the lighthouse rock, and the sun's glitter.
#include <algorithm>
#include <cmath>

#include "palette.h"
#include "pictures/canvas.h"
#include "pictures/families.h"
#include "pictures/random.h"

namespace assetgen {
namespace {

Image open_sea() {
    Image img(640, 240, kSea.first);
    // Light near the horizon, deep toward the viewer, dithered between steps.
    for (int y = 0; y < 240; ++y)
        for (int x = 0; x < 640; ++x) {
            const double t = std::pow(y / 239.0, 0.8);
            const double tone = 0.97 - 0.72 * t;
            img.set(x, y, kSea.at(tone + dither_threshold(x, y) / (kSea.count - 1)));
        }
    // Long wave highlights with a darker trough under each, longer and
    // thicker toward the viewer as perspective would have it.
    Canvas c(img);
    Scatter rnd(7);
    for (int i = 0; i < 70; ++i) {
        const double y = 6 + 230 * std::pow(rnd.next(), 0.9);
        const double near = y / 240;
        const double x = rnd.between(-20, 660);
        const double half = 10 + 55 * near * rnd.between(0.5, 1.2);
        const double thick = 0.5 + 1.6 * near;
        const double t = std::pow(y / 239.0, 0.8);
        const double base = 0.97 - 0.72 * t;
        c.fill(ellipse({x + 3, y + thick + 0.8}, half * 0.9, thick), no_outline(solid(kSea.at(base - 0.12), 0)));
        c.fill(ellipse({x, y}, half, thick * 0.8), no_outline(solid(kSea.at(base + 0.16), 0)));
    }
    return img;
}

// A peaked crest profile: 0 in the troughs, 1 at the crest.
double crest(double u) {
    const double s = 0.5 + 0.5 * std::cos(2 * kPi * u);
    return s * s * s;
}

Image wave_strip() {
    // Two trains of crests, 40 and 64 pixels apart, each moving a quarter of
    // its spacing per frame: after four frames both are back where they began.
    return strip(640, 15, 4, kTransparent, [](Canvas& c, int k) {
        Image& img = c.image();
        for (int x = 0; x < 640; ++x) {
            const double h = 2 + 6 * crest((x - 10.0 * k) / 40) + 5 * crest((x - 16.0 * k + 17) / 64);
            const int top = 15 - int(h + 0.5);
            for (int y = top; y < 15; ++y) {
                const int depth = y - top;
                std::uint8_t colour = kSea.at(0.97 - 0.03 * depth);
                if (depth == 0) colour = h > 7 ? kFoam.at(0.6) : kSea.at(1.0);
                if (depth == 1 && h > 7) colour = kWhite;
                img.set(x, y, colour);
            }
        }
    });
}

// Water lapping round a foot of land: a lens of shallow water edged with a
// ring of foam whose scallops travel round once in the five frames.
Image surf(int width) {
    return strip(width, 35, 5, kTransparent, [width](Canvas& c, int k) {
        const Vec centre{width / 2.0, 15};
        const double rx = width / 2.0 - 5, ry = 12;
        const double phase = 2 * kPi * k / 5;
        const int bumps = width / 12;
        Shape lens = {[=](Vec p) {
                          const double dx = (p.x - centre.x) / rx, dy = (p.y - centre.y) / ry;
                          const double a = std::atan2(dy, dx);
                          const double wobble = 0.08 * std::sin(bumps * a - phase) + 0.04 * std::sin(3 * a + phase);
                          return (std::sqrt(dx * dx + dy * dy) - 1 - wobble) * ry;
                      },
                      {0, 0, double(width), 35}};
        c.fill(lens, no_outline(solid(kFoam.at(0.8), 0)));
        Paint water = no_outline(shaded(kSea, 0.9, 0.0, 0));
        water.tone_at = [](Vec p) { return 0.98 - 0.012 * p.y; };
        c.fill(ellipse(centre, rx - 4, ry - 3.5), water);
        Scatter rnd(11);
        for (int i = 0; i < width / 10; ++i) {
            const double a = rnd.between(0, 2 * kPi);
            const double wiggle = 0.85 + 0.1 * std::sin(phase + i);
            const Vec p{centre.x + std::cos(a) * (rx - 6) * wiggle, centre.y + std::sin(a) * (ry - 5) * wiggle};
            c.fill(ellipse(p, rnd.between(3, 8), 0.9), no_outline(solid(kWhite, 0)));
        }
    });
}

// Sparkles of sunlight on the water, each twinkling at its own phase.
Image glitter() {
    return strip(44, 50, 4, kTransparent, [](Canvas& c, int k) {
        Scatter rnd(5);
        for (int i = 0; i < 14; ++i) {
            const Vec p{rnd.between(5, 39), rnd.between(6, 46)};
            const double phase = rnd.next();
            const double size = std::max(0.0, std::sin(2 * kPi * (phase + k / 4.0)));
            const double reach = 1 + 3.2 * size;
            if (size < 0.15) {
                c.fill(ellipse(p, 2, 0.6), no_outline(solid(kSea.at(1.0), 0)));
                continue;
            }
            c.fill(ellipse(p, reach + 1.5, 0.7), no_outline(solid(kGlow.at(0.2), 0)));
            c.fill(ellipse(p, 0.6, reach * 0.7), no_outline(solid(kGlow.at(0.5), 0)));
            c.fill(circle(p, 0.9), no_outline(solid(kWhite, 0)));
        }
    });
}

}  // namespace

void draw_sea(PictureSet& out) {
    out["wasser256.bmp"] = open_sea();
    out["welle256.bmp"] = wave_strip();
    out["inselwasser2256.bmp"] = surf(288);
    out["leuchtwasser2256.bmp"] = surf(144);
    out["spiegelung256.bmp"] = glitter();
}

}  // namespace assetgen
