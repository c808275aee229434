// Palm trunks, the five parts of a palm crown, the bush, and torn leaves.
#include <cmath>

#include "palette.h"
#include "pictures/canvas.h"
#include "pictures/families.h"
#include "pictures/random.h"

namespace assetgen {
namespace {

constexpr int kSwayFrames = 7;

Vec bezier(Vec a, Vec b, Vec c, double t) { return lerp(lerp(a, b, t), lerp(b, c, t), t); }

Paint leaf_paint(double tone) {
    Paint p = shaded(kGreens, tone, 0.4, 3);
    p.dither = 0.6;
    return p;
}

// A palm frond: a bent midrib with leaflets on both sides that lean toward
// the tip, so the edge reads as the frond's comb of leaves.
void frond(const Canvas& c, Vec hub, Vec ctrl, Vec tip, double width, double tone) {
    const int n = 18;
    std::vector<Vec> left, right, rib;
    for (int i = 0; i <= n; ++i) {
        const double t = double(i) / n;
        const Vec p = bezier(hub, ctrl, tip, t);
        const Vec q = bezier(hub, ctrl, tip, std::min(1.0, t + 0.02)) - bezier(hub, ctrl, tip, std::max(0.0, t - 0.02));
        const Vec along = q * (1 / length(q));
        const Vec side{-along.y, along.x};
        const double w = width * std::pow(std::sin(kPi * std::min(1.0, t * 1.15)), 0.6) + 0.3;
        const double notch = i % 2 ? 1.0 : 0.45;
        const Vec lean = along * (i % 2 ? width * 0.45 : 0);
        left.push_back(p + side * (w * notch) + lean);
        right.push_back(p - side * (w * notch) + lean);
        rib.push_back(p);
    }
    std::vector<Vec> outline = left;
    outline.insert(outline.end(), right.rbegin(), right.rend());
    c.fill(polygon(outline), leaf_paint(tone));
    rib.resize(rib.size() - 3);
    c.fill(stroke(rib, 0.45), no_outline(solid(kGreens.at(0.9), 0)));
}

struct Frond {
    Vec ctrl, tip;
    double width;
};

// A crown part sways about its hub: each frame turns the fronds a little
// and lets their tips dip, one full sway over the seven frames.
Image crown_part(Vec hub, std::vector<Frond> fronds, double phase, bool coconuts) {
    return strip(52, 52, kSwayFrames, kTransparent, [=](Canvas& c, int k) {
        const double s = std::sin(2 * kPi * k / kSwayFrames + phase);
        double tone = 0.5;
        for (const Frond& f : fronds) {
            const Vec ctrl = hub + turned(f.ctrl - hub, 3.5 * s);
            const Vec tip = hub + turned(f.tip - hub, 5 * s) + Vec{0, 1.2 * s};
            frond(c, hub, ctrl, tip, f.width, tone);
            tone += 0.08;
        }
        if (coconuts) {
            Paint nut = shaded(kWood, 0.35, 0.45, 2);
            c.fill(circle(hub + Vec{-4, 3}, 3.4), nut);
            c.fill(circle(hub + Vec{3, 4}, 3.4), nut);
            c.fill(circle(hub + Vec{-0.5, 7.5}, 3.4), nut);
        }
    });
}

// A ringed palm trunk along a gentle curve, built from the ground up so each
// ring's flared top overlaps the one below with its outline.
Image trunk(int w, int h, Vec top, Vec bend, Vec base, double r_top, double r_base, int rings) {
    Image img(w, h, kTransparent);
    Canvas c(img);
    Paint root = shaded(kWood, 0.45, 0.4, 4);
    c.fill(ellipse(base + Vec{0, -1}, r_base * 1.5, r_base * 0.55), root);
    for (int i = rings; i > 0; --i) {
        const double t0 = double(i) / rings, t1 = double(i - 1) / rings;
        const Vec lower = bezier(top, bend, base, t0), upper = bezier(top, bend, base, t1 - 0.02);
        const double r0 = r_top + (r_base - r_top) * t0, r1 = r_top + (r_base - r_top) * t1;
        Paint bark = shaded(kWood, i % 2 ? 0.55 : 0.5, 0.45, r1);
        c.fill(taper(lower, upper, r0 * 0.85, r1 * 1.08), bark);
    }
    return img;
}

Image bush() {
    struct Blob {
        double x, y, r;
    };
    static const Blob blobs[] = {{26, 19, 8}, {17, 27, 9},  {35, 27, 9},  {10, 38, 8}, {42, 38, 8},
                                 {26, 31, 10}, {18, 42, 9}, {34, 42, 9}, {6, 46, 5},  {46, 46, 5}, {26, 45, 8}};
    return strip(52, 52, kSwayFrames, kTransparent, [](Canvas& c, int k) {
        const double s = std::sin(2 * kPi * k / kSwayFrames);
        int i = 0;
        for (const Blob& b : blobs) {
            // Higher leaves swing further than those near the ground.
            const Vec at{b.x + 2.2 * s * (51 - b.y) / 32, b.y};
            c.fill(circle(at, b.r), leaf_paint(0.5 + 0.05 * (i % 3)));
            // A leaf vein or two so the blobs read as foliage.
            c.fill(stroke({at + Vec{-b.r * 0.5, b.r * 0.1}, at + Vec{0, b.r * 0.45}, at + Vec{b.r * 0.4, -b.r * 0.1}}, 0.4),
                   no_outline(solid(kGreens.at(0.3), 0)));
            ++i;
        }
    });
}

Shape leaf(Vec centre, double length, double degrees) {
    return transformed(intersect(circle({0, -length * 0.55}, length * 0.78), circle({0, length * 0.55}, length * 0.78)),
                       Transform::translation(centre.x, centre.y) * Transform::rotation(degrees));
}

Image torn_leaves() {
    return strip(52, 52, 5, kTransparent, [](Canvas& c, int k) {
        Scatter rnd(23);
        for (int i = 0; i < 9; ++i) {
            const double a = 40.0 * i + rnd.between(-12, 12);
            const double speed = rnd.between(4, 6.5);
            const double spin = rnd.between(-50, 50);
            const Vec p = Vec{26, 24} + turned({3 + speed * k, 0}, a) + Vec{0, 0.9 * k * k};
            Paint paint = leaf_paint(rnd.between(0.4, 0.7));
            paint.coverage = k < 4 ? 1 : 0.55;
            c.fill(leaf(p, rnd.between(5, 8), a + spin * k), paint);
        }
    });
}

}  // namespace

void draw_plants(PictureSet& out) {
    // Trunk tops and crown hubs meet at one point of the tree: the scene puts
    // the small trunk at the tree's anchor and the large one 15 right, 2 down.
    out["stumpf256.bmp"] = trunk(30, 120, {22, 16}, {27, 70}, {14, 117}, 3.2, 5.5, 12);
    out["stumpf2256.bmp"] = trunk(70, 180, {7, 14}, {14, 110}, {36, 175}, 4.2, 10, 17);
    out["bl0256.bmp"] = crown_part({2, 16}, {{{26, 2}, {50, 22}, 7}, {{24, 22}, {46, 40}, 6}}, 0.0, false);
    out["bl1256.bmp"] = crown_part({16, 6}, {{{14, 22}, {6, 44}, 7}, {{26, 18}, {36, 42}, 7}}, 1.3, true);
    out["bl2256.bmp"] = crown_part({42, 12}, {{{24, 16}, {6, 44}, 7}, {{38, 30}, {28, 50}, 6}}, 2.6, false);
    out["bl3256.bmp"] = crown_part({42, 16}, {{{20, 2}, {2, 22}, 7}, {{22, 22}, {6, 40}, 6}}, 3.9, false);
    out["bl4256.bmp"] = crown_part({12, 16}, {{{22, -4}, {48, 14}, 6.5}, {{6, 0}, {1, 10}, 5}}, 5.2, false);
    out["strauch256.bmp"] = bush();
    out["zerreiss256.bmp"] = torn_leaves();
}

}  // namespace assetgen
