// The motor boat with its pig, the same boat losing its pig when hit, the
// rowing boat with two pigs, and the sailing boat that keels over and sinks.
#include <algorithm>
#include <cmath>

#include "palette.h"
#include "pictures/canvas.h"
#include "pictures/families.h"
#include "pictures/pigs.h"

namespace assetgen {
namespace {

constexpr double kWaterline = 46;  // in the 92 x 64 motor boat frame

Paint foam_paint(double tone) {
    Paint p = shaded(kFoam, tone, 0.35, 2);
    p.outline = kWaterInk;
    p.dither = 0.5;
    return p;
}

// Bow wave and wake, heading right; their scallops travel back one spacing
// over the six frames of the engine's loop.
void wash(const Canvas& c, int k, int frames) {
    const double shift = 24.0 * k / frames;
    for (int i = 0; i < 5; ++i) {
        const double x = 2 + 24 * i - shift;
        if (x < -6 || x > 70) continue;
        c.fill(ellipse({x, kWaterline + 1.5}, 7 - i * 0.6, 2), foam_paint(0.8));
    }
    const double lift = 1.2 * std::sin(2 * kPi * k / frames);
    c.fill(polygon({{70, kWaterline + 3}, {80, kWaterline - 5 - lift}, {86, kWaterline - 9 - lift}, {91, kWaterline - 3},
                    {86, kWaterline + 2}}),
           foam_paint(0.9));
    c.fill(ellipse({78, kWaterline + 1}, 9, 2.5), foam_paint(0.75));
}

void motor_boat_hull(const Canvas& c, bool with_pig, bool dazed) {
    // Outboard motor at the stern.
    c.fill(capsule({6, 38}, {6, 50}, 1.3), solid(kGunmetal.at(0.3)));
    c.fill(rounded_box(1, 20, 11, 35, 3), shaded(kReds, 0.5, 0.4, 3));
    if (with_pig) {
        // The pig stands at the wheel behind the windscreen.
        c.fill(ellipse({43, 22}, 9, 10), shaded(kPinks, 0.6, 0.4, 4));
        side_head(c.moved(50, 10).scaled(1.2).mirrored(), kPinks, dazed);
        c.fill(capsule({47, 21}, {55, 19}, 1.8), shaded(kPinks, 0.62, 0.3, 1));
    }
    c.fill(ring({56, 19}, 1.6, 3.4), solid(kInk, 0));
    c.fill(polygon({{59, 10}, {64, 10}, {70, 27}, {57, 27}}), shaded(kSkyBlues, 0.8, 0.3, 2));
    const std::vector<Vec> hull{{8, 26}, {80, 25}, {91, 19}, {87, 34}, {64, 47}, {12, 47}, {7, 36}};
    Paint white = shaded(kGreys, 0.92, 0.35, 5);
    white.outline_width = 1.2;
    c.fill(polygon(hull), white);
    c.fill(intersect(polygon(hull), polygon({{0, 32}, {92, 28}, {92, 33}, {0, 37}})), no_outline(shaded(kReds, 0.55, 0.3, 2)));
    c.fill(stroke({{9, 26.5}, {80, 25.5}, {90, 20}}, 0.6), no_outline(solid(kGreys.at(0.6), 0)));
}

Image motor_boat(double scale, bool right) {
    const int w = int(92 * scale), h = int(64 * scale);
    return strip(w, h, 6, kTransparent, [=](Canvas& c, int k) {
        Canvas at = (right ? c : c.moved(w, 0).mirrored()).scaled(scale);
        const double bob = std::sin(2 * kPi * k / 6);
        motor_boat_hull(at.moved(0, bob).moved(46, kWaterline).turned(-1.5 * bob).moved(-46, -kWaterline), true, false);
        wash(at, k, 6);
    });
}

// The boat is hit: the pig is flung up out of it, tumbling, and drops into
// the sea ahead of the bow while the boat rocks.
Image pig_overboard(double scale, bool right) {
    const int w = int(92 * scale), h = int(64 * scale);
    return strip(w, h, 8, kTransparent, [=](Canvas& c, int k) {
        Canvas at = (right ? c : c.moved(w, 0).mirrored()).scaled(scale);
        const double t = k / 7.0;
        const double rock = 5 * std::sin(kPi * t * 2) * (1 - t);
        motor_boat_hull(at.moved(46, kWaterline).turned(-rock).moved(-46, -kWaterline), false, false);
        wash(at, k % 6, 6);
        const Vec pig{44 + 36 * t, 18 - 60 * t + 90 * t * t};
        if (k < 7) {
            PigLook look;
            look.wings = false;
            look.dazed = true;
            look.kick = k % 2 ? 1 : -1;
            side_pig(at.moved(pig.x, pig.y).turned(-55.0 * k).scaled(0.6).moved(-17, -17).moved(34, 0).mirrored(), look);
        }
        if (k >= 6) {
            // The splash where it lands.
            const double s = k == 6 ? 0.7 : 1.0;
            for (int i = -2; i <= 2; ++i)
                at.fill(taper({80 + i * 2.5, kWaterline + 1}, {80 + i * 5.0 * s, kWaterline - (10 - 2 * std::abs(i)) * s}, 1.8, 0.8),
                        foam_paint(0.9));
        }
    });
}

void rowing_pig(const Canvas& c, Vec seat, bool rowing) {
    c.fill(ellipse(seat, 7, 8), shaded(kPinks, 0.6, 0.4, 4));
    side_head(c.moved(seat.x + 4, seat.y - 11).mirrored(), kPinks, false);
    if (!rowing) c.fill(capsule(seat + Vec{3, -1}, seat + Vec{9, 3}, 1.6), shaded(kPinks, 0.6, 0.3, 1));
}

Image rowing_boat() {
    return strip(120, 80, 4, kTransparent, [](Canvas& c, int k) {
        const double phase = 2 * kPi * k / 4;
        Canvas boat = c.moved(0, 1.5 * std::sin(phase)).moved(60, 56).turned(1.5 * std::cos(phase)).moved(-60, -56);
        // The oar sweeps: blade back in the water, then forward in the air.
        const Vec grip{48, 38};
        const Vec blade{38 + 14 * std::cos(phase), 60 - 5 * std::sin(phase)};
        rowing_pig(boat, {42, 36}, true);
        rowing_pig(boat, {80, 34}, false);
        boat.fill(capsule(grip, blade, 1.1), shaded(kWood, 0.7, 0.3, 1));
        boat.fill(ellipse(blade, 3.5, 1.8, std::atan2(blade.y - grip.y, blade.x - grip.x) * 180 / kPi), shaded(kWood, 0.6, 0.3, 1));
        boat.fill(capsule(grip + Vec{1, 1}, grip + Vec{-2, 3}, 1.5), shaded(kPinks, 0.6, 0.3, 1));
        const std::vector<Vec> hull{{8, 40}, {104, 38}, {114, 31}, {112, 42}, {96, 58}, {22, 58}, {10, 50}};
        Paint wood = shaded(kWood, 0.6, 0.4, 6);
        wood.outline_width = 1.2;
        boat.fill(polygon(hull), wood);
        for (double y : {45.0, 51.0}) boat.fill(stroke({{12, y}, {100, y - 2}, {110, y - 9}}, 0.5), no_outline(solid(kWood.at(0.25), 0)));
        boat.fill(stroke({{8, 40}, {104, 38}, {114, 31}}, 1.0), solid(kWood.at(0.85), 0));
        c.fill(ellipse({58, 59}, 54, 3), foam_paint(0.7));
    });
}

void sailing_boat(const Canvas& c) {
    c.fill(capsule({58, 88}, {58, 18}, 1.4), shaded(kWood, 0.45, 0.3, 1));
    c.fill(polygon({{59, 14}, {70, 17}, {59, 20}}), shaded(kReds, 0.6, 0.3, 1));
    Paint sail = shaded(kGreys, 0.95, 0.35, 6);
    c.fill(polygon({{61, 22}, {90, 78}, {61, 80}}), sail);
    c.fill(intersect(polygon({{61, 22}, {90, 78}, {61, 80}}), rounded_box(0, 56, 119, 64, 0)), no_outline(shaded(kReds, 0.55, 0.3, 2)));
    c.fill(polygon({{55, 28}, {55, 78}, {32, 76}}), shaded(kGreys, 0.85, 0.35, 5));
    const std::vector<Vec> hull{{26, 82}, {96, 80}, {90, 92}, {78, 98}, {38, 98}, {30, 92}};
    Paint blue = shaded(kSkyBlues, 0.25, 0.4, 5);
    blue.outline_width = 1.2;
    c.fill(polygon(hull), blue);
    c.fill(stroke({{27, 83}, {95, 81}}, 1.0), solid(kGreys.at(0.95), 0));
}

Image sinking_boat() {
    constexpr double kWater = 95;
    return strip(119, 119, 12, kTransparent, [](Canvas& c, int k) {
        // A jolt, then the boat keels over about its waterline and goes down.
        const double tilt = k == 0 ? 0 : (k == 1 ? -6 : std::min(100.0, 12.0 * (k - 1)));
        const double sink = std::max(0, k - 4) * 7.5;
        sailing_boat(c.moved(60, kWater + sink).turned(tilt).moved(-60, -kWater));
        Image& img = c.image();
        for (int y = int(kWater) + 1; y < img.height; ++y)
            for (int x = 0; x < img.width; ++x) img.set(x, y, kTransparent);
        const double spread = 30 + 3 * k;
        c.fill(ellipse({60, kWater + 2}, spread, 3), foam_paint(0.8));
        if (k >= 5)
            for (int i = 0; i < 4; ++i)
                c.fill(circle({48 + 8.0 * i, kWater - 3 - ((k * 5 + i * 7) % 14)}, 1.5 + i % 2), foam_paint(0.95));
    });
}

}  // namespace

void draw_boats(PictureSet& out) {
    out["motors2256.bmp"] = motor_boat(1, true);
    out["motors3256.bmp"] = motor_boat(1, false);
    out["motors0256.bmp"] = motor_boat(0.5, true);
    out["motors1256.bmp"] = motor_boat(0.5, false);
    out["sauf1256.bmp"] = pig_overboard(1, true);
    out["sauf0256.bmp"] = pig_overboard(1, false);
    out["sauf3256.bmp"] = pig_overboard(0.5, true);
    out["sauf2256.bmp"] = pig_overboard(0.5, false);
    out["boot4256.bmp"] = rowing_boat();
    out["segelbootx5256.bmp"] = sinking_boat();
}

}  // namespace assetgen
