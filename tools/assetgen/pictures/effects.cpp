// Short-lived effects: splashes, water rings, splats, dust, the cigarette's
// smoke, and the cartridges full and spent.
#include <algorithm>
#include <cmath>

#include "palette.h"
#include "pictures/canvas.h"
#include "pictures/families.h"
#include "pictures/random.h"

namespace assetgen {
namespace {

Paint water_paint(double tone, double line) {
    Paint p = shaded(kFoam, tone, 0.4, 2);
    p.outline = kWaterInk;
    p.outline_width = line;
    p.dither = 0.5;
    return p;
}

// A flat ring on the water, seen at a low angle.
Shape water_ring(Vec centre, double rx, double thickness) {
    const double ry = rx * 0.32;
    return cut(ellipse(centre, rx, ry), ellipse(centre, std::max(0.5, rx - thickness), std::max(0.3, ry - thickness * 0.6)));
}

// A splash in a square of side s at time t in [0, 1]: a column shoots up,
// bursts into drops at its top, and everything falls back into a ring.
void splash(const Canvas& c, double s, double t, double line) {
    const double base = s * 0.86;
    const double rise = t < 0.4 ? std::pow(t / 0.4, 0.6) : std::max(0.0, 1 - (t - 0.4) / 0.5);
    const double height = s * 0.62 * rise;
    const double w = std::max(0.7, s * 0.065 * (1 + 0.5 * t));
    Paint ring = water_paint(0.8, line);
    ring.coverage = 1 - 0.45 * t;
    c.fill(water_ring({s / 2, base}, s * (0.16 + 0.3 * t), std::max(1.0, s * 0.06)), ring);
    if (height > s * 0.05) {
        c.fill(taper({s / 2, base}, {s / 2, base - height}, w * 1.8, w * 0.7), water_paint(0.7, line));
        // A crown of spray where the column breaks.
        for (int i = -1; i <= 1; ++i)
            c.fill(taper({s / 2, base - height + w}, {s / 2 + i * w * 2.2, base - height - w * (i ? 1.6 : 2.4)},
                         w * 0.9, w * 0.4),
                   water_paint(0.95, line));
    }
    if (t >= 0.3) {
        // Drops thrown from the top of the column along fixed arcs.
        Scatter rnd(3);
        const double tau = (t - 0.3) / 0.7;
        for (int i = 0; i < 7; ++i) {
            const double vx = rnd.between(-0.5, 0.5) * s, vy = rnd.between(0.4, 0.8) * s;
            const Vec p{s / 2 + vx * tau, base - s * 0.62 - vy * tau + 1.5 * s * tau * tau};
            if (p.y < base - 1) c.fill(circle(p, std::max(0.5, s * 0.05 * (1 - 0.4 * tau))), water_paint(0.9, line));
        }
    }
}

Image splashes(int size, int frames) {
    const double line = size < 16 ? 0.5 : 1.0;
    return strip(size, size, frames, kTransparent,
                 [=](Canvas& c, int k) { splash(c, size, (k + 0.5) / frames, line); });
}

Image spreading_ring() {
    return strip(32, 32, 6, kTransparent, [](Canvas& c, int k) {
        const double t = k / 5.0;
        Paint p = water_paint(0.9, 0.6);
        p.coverage = 1 - 0.55 * t;
        c.fill(water_ring({16, 20}, 4 + 11 * t, 1.6), p);
    });
}

// A comic burst: a ragged star of pink round a white star that swells and
// then thins away.
Image splats(int w, int h) {
    const double s = h / 50.0;
    return strip(w, h, 6, kTransparent, [=](Canvas& c, int k) {
        const double grow = 0.45 + 0.55 * std::min(1.0, k / 3.0);
        Scatter rnd(19);
        std::vector<Vec> outer, inner;
        for (int i = 0; i < 22; ++i) {
            const double a = 360.0 * i / 22 + 8 * k;
            const double r = (i % 2 ? 10 : rnd.between(18, 24)) * grow * s;
            outer.push_back(Vec{w / 2.0, h / 2.0} + turned({r * 1.15, 0}, a));
            inner.push_back(Vec{w / 2.0, h / 2.0} + turned({r * 0.55, 0}, a + 5));
        }
        Paint pink = shaded(kPinks, 0.6, 0.3, 3 * s);
        Paint white = shaded(kCloud, 0.95, 0.2, 2 * s);
        const double fadeout = k < 4 ? 1.0 : (k == 4 ? 0.6 : 0.3);
        pink.coverage = white.coverage = fadeout;
        c.fill(polygon(outer), pink);
        c.fill(polygon(inner), white);
        if (k < 4) {
            Paint dot = solid(kPinks.at(0.85), 0);
            for (int i = 0; i < 5; ++i) {
                const Vec p = Vec{w / 2.0, h / 2.0} + turned({(26 + 2 * k) * grow * s, 0}, 72.0 * i + 30);
                c.fill(circle(p, 1.6 * s), dot);
            }
        }
    });
}

Image dust() {
    return strip(20, 20, 5, kTransparent, [](Canvas& c, int k) {
        const double t = k / 4.0;
        Paint puff = shaded(kSand, 0.55, 0.3, 2);
        puff.outline = kWood.first;
        puff.coverage = 1 - 0.6 * t;
        const double r = 3 + 3.5 * t;
        c.fill(unite({circle({10, 11}, r), circle({10 - r * 0.7, 12}, r * 0.7), circle({10 + r * 0.7, 12.5}, r * 0.65),
                      circle({10.5, 11 - r * 0.6}, r * 0.6)}),
               puff);
        // Splinters fly out ahead of the cloud.
        for (int i = 0; i < 5; ++i) {
            const Vec dir = turned({1, 0}, 72.0 * i - 60);
            const Vec p = Vec{10, 11} + dir * (4 + 5.5 * t);
            c.fill(capsule(p, p + turned(dir, 50) * 1.8, 0.5), solid(kWood.at(0.3), 0));
        }
    });
}

Image cigarette() {
    return strip(32, 50, 6, kTransparent, [](Canvas& c, int k) {
        // Smoke puffs climb a gentle S, one spacing per loop of six frames.
        for (int j = 0; j < 6; ++j) {
            const double h = (j + k / 6.0) * 7;
            const Vec p{19 + 4 * std::sin(h * 0.16 + 1) - h * 0.08, 36 - h};
            Paint smoke = shaded(kGreys, 0.92, 0.25, 2);
            smoke.outline = kGreys.at(0.55);
            smoke.coverage = 1 - h / 75;
            c.fill(circle(p, 1.8 + h * 0.07), smoke);
        }
        c.fill(capsule({6, 45}, {21, 39}, 2.1), shaded(kGreys, 0.9, 0.3, 1.5));
        c.fill(capsule({4, 45.8}, {9, 43.8}, 2.2), shaded(kSunColours, 0.35, 0.3, 1.5));
        const bool bright = k % 3 != 2;
        c.fill(circle({21.5, 38.8}, 2.0), no_outline(solid(bright ? kSunColours.at(0.4) : kReds.at(0.55), 0)));
        c.pixel({22, 38.5}, bright ? kSunColours.at(0.95) : kSunColours.at(0.6));
    });
}

// A shotgun shell standing on its brass head, in the frame's own units.
void shell(const Canvas& c, bool spent) {
    Paint body = shaded(kReds, 0.55, 0.45, 3);
    c.fill(rounded_box(-4, -11, 4, 6, 1.5), body);
    if (spent)
        c.fill(ellipse({0, -10.5}, 2.6, 0.9), no_outline(solid(kInk)));
    else
        c.fill(capsule({-2.5, -10.8}, {2.5, -10.8}, 0.5), no_outline(solid(kReds.at(0.2))));
    Paint brass = shaded(kBrass, 0.6, 0.45, 2.5);
    c.fill(rounded_box(-4.6, 4, 4.6, 11, 1), brass);
    c.fill(rounded_box(-5, 9, 5, 11.5, 0.8), brass);
}

Image cartridge() {
    Image img(30, 30, kTransparent);
    Canvas c(img);
    shell(c.moved(15, 15.5).scaled(1.15), false);
    return img;
}

Image spent_case() {
    return strip(16, 16, 17, kTransparent,
                 [](Canvas& c, int k) { shell(c.moved(8, 8).turned(360.0 * k / 17).scaled(0.55), true); });
}

}  // namespace

void draw_effects(PictureSet& out) {
    out["spritzer3256.bmp"] = splashes(11, 8);
    out["spritzer2256.bmp"] = splashes(20, 7);
    out["spritzer256.bmp"] = splashes(44, 8);
    out["wellerund256.bmp"] = spreading_ring();
    // Six whole frames of 60; the game draws only whole frames.
    out["splat256.bmp"] = splats(60, 50);
    out["splat2256.bmp"] = splats(30, 25);
    out["staub256.bmp"] = dust();
    out["tschik256.bmp"] = cigarette();
    out["mun256.bmp"] = cartridge();
    out["huelse256.bmp"] = spent_case();
}

}  // namespace assetgen
