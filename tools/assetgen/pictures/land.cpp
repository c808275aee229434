// Islands, the lighthouse on its rock, and the no-pigs sign.
#include <cmath>

#include "palette.h"
#include "pictures/canvas.h"
#include "pictures/families.h"
#include "pictures/pigs.h"
#include "pictures/random.h"

namespace assetgen {
namespace {

Paint rock_paint(double tone, double bulge) {
    Paint p = shaded(kGreys, tone, 0.45, bulge);
    p.dither = 0.8;
    return p;
}

Paint grass_paint() {
    Paint p = shaded(kGreens, 0.62, 0.35, 5);
    p.dither = 0.7;
    return p;
}

// Tufts of grass along a ridge line, blades leaning a little each way.
void tufts(const Canvas& c, const std::vector<Vec>& ridge, std::uint32_t seed) {
    Scatter rnd(seed);
    for (Vec p : ridge) {
        for (int i = -1; i <= 1; ++i) {
            const Vec tip = p + Vec{i * 2.5 + rnd.between(-1, 1), -rnd.between(4, 7)};
            c.fill(taper(p + Vec{i * 1.5, 1}, tip, 1.6, 0.4), grass_paint());
        }
    }
}

// A wide, low sandy island with a grassy top; the surf covers its foot.
Image flat_island() {
    Image img(250, 188, kTransparent);
    Canvas c(img);
    Paint sand = shaded(kSand, 0.6, 0.4, 14);
    sand.outline_width = 1.5;
    sand.dither = 0.8;
    const Shape mound = unite(ellipse({125, 196}, 123, 82), ellipse({90, 150}, 60, 42));
    c.fill(mound, sand);
    // Grass over the crown of the mound, down to a wavy edge.
    const Shape crown = ellipse({125, 194}, 120, 79);
    const Shape cap = {[crown](Vec p) {
                           const double edge = 140 + 4 * std::sin(p.x / 9) + 0.12 * (p.x - 125);
                           return std::max(crown.distance(p), p.y - edge);
                       },
                       crown.box};
    c.fill(cap, grass_paint());
    std::vector<Vec> ridge;
    for (double x = 34; x <= 216; x += 13) {
        const double dx = (x - 125) / 120;
        ridge.push_back({x, 194 - 79 * std::sqrt(std::max(0.0, 1 - dx * dx)) + 3});
    }
    tufts(c, ridge, 31);
    // A few pebbles and shells on the sand.
    Scatter rnd(41);
    for (int i = 0; i < 6; ++i) {
        const Vec p{rnd.between(20, 230), rnd.between(158, 176)};
        c.fill(ellipse(p, rnd.between(3, 6), rnd.between(2, 3.5)), rock_paint(0.55, 2));
    }
    return img;
}

// A tall crag with grassy shoulders where palm trees stand.
Image rocky_island() {
    Image img(240, 320, kTransparent);
    Canvas c(img);
    const std::vector<Vec> outline{{2, 320},   {6, 262},   {20, 236},  {46, 222},  {62, 170},  {78, 120},
                                   {92, 60},   {108, 22},  {122, 12},  {136, 30},  {150, 80},  {162, 130},
                                   {176, 190}, {204, 200}, {228, 232}, {238, 320}};
    Paint stone = rock_paint(0.55, 26);
    stone.outline_width = 1.5;
    c.fill(polygon(outline), stone);
    // Cracks and ledges, darker where they face away from the light.
    const std::vector<std::vector<Vec>> cracks{{{108, 40}, {100, 90}, {106, 130}},
                                               {{130, 60}, {138, 110}, {132, 160}, {140, 200}},
                                               {{84, 140}, {96, 180}, {90, 220}},
                                               {{60, 240}, {80, 260}, {76, 300}},
                                               {{160, 230}, {150, 270}, {168, 305}},
                                               {{112, 200}, {120, 250}, {110, 290}}};
    for (const auto& crack : cracks) c.fill(stroke(crack, 0.6), no_outline(solid(kGreys.at(0.2), 0)));
    Paint shade = no_outline(shaded(kGreys, 0.35, 0, 0));
    shade.coverage = 0.5;
    c.fill(polygon({{150, 80}, {162, 130}, {176, 190}, {204, 200}, {228, 232}, {238, 320}, {170, 320}, {150, 200}}), shade);
    // Grass on the shoulders and a cap of green on the summit.
    const Shape ledges = unite({ellipse({24, 246}, 34, 16), ellipse({208, 214}, 38, 18), ellipse({122, 18}, 13, 8)});
    c.fill(intersect(ledges, polygon(outline)), grass_paint());
    tufts(c, {{10, 232}, {26, 228}, {42, 230}, {188, 198}, {206, 196}, {224, 200}, {118, 14}, {128, 15}}, 37);
    // Sand at the waterline.
    Paint sand = shaded(kSand, 0.6, 0.3, 6);
    c.fill(intersect(ellipse({120, 336}, 130, 40), rounded_box(0, 290, 240, 320, 0)), sand);
    return img;
}

Image lighthouse() {
    Image img(120, 320, kTransparent);
    Canvas c(img);
    // A spire of rock on the left carries the bushes the scene plants at
    // the top; the tower stands on the rock's foot to the right.
    Paint stone = rock_paint(0.5, 16);
    stone.outline_width = 1.5;
    c.fill(polygon({{0, 320}, {0, 112}, {8, 88}, {22, 82}, {34, 60}, {46, 52}, {58, 64}, {66, 250}}), stone);
    c.fill(unite(ellipse({60, 300}, 64, 44), ellipse({100, 290}, 30, 36)), rock_paint(0.55, 18));
    c.fill(unite({ellipse({18, 88}, 16, 6), ellipse({44, 56}, 12, 5)}), grass_paint());
    // The tower tapers upward; its bands are cut from the tapered shape.
    const double top = 52, foot = 262, cx = 86;
    auto half = [=](double y) { return 13 + 8 * (y - top) / (foot - top); };
    const Shape tower = polygon({{cx - half(top), top}, {cx + half(top), top}, {cx + half(foot), foot}, {cx - half(foot), foot}});
    Paint white = shaded(kGreys, 0.93, 0.3, 8);
    white.outline_width = 1.5;
    c.fill(tower, white);
    for (int band = 0; band < 5; ++band) {
        const double y0 = top + 12 + 42 * band, y1 = y0 + 21;
        Paint red = shaded(kReds, 0.55, 0.4, 8);
        c.fill(intersect(tower, rounded_box(0, y0, 120, y1, 0)), red);
    }
    c.fill(rounded_box(cx - 4, foot - 20, cx + 4, foot, 3.5), shaded(kWood, 0.35, 0.3, 2));
    c.fill(rounded_box(cx - 2.5, 120, cx + 2.5, 128, 2), solid(kSkyBlues.first));
    c.fill(rounded_box(cx - 2.5, 196, cx + 2.5, 204, 2), solid(kSkyBlues.first));
    // Gallery, lamp room with its glow, and the red cap.
    c.fill(rounded_box(cx - 18, top - 5, cx + 18, top + 1, 1), shaded(kGunmetal, 0.4, 0.3, 2));
    for (int i = -3; i <= 3; ++i) c.fill(capsule({cx + 5.0 * i, top - 12}, {cx + 5.0 * i, top - 5}, 0.5), solid(kGunmetal.at(0.3), 0));
    c.fill(capsule({cx - 17, top - 12}, {cx + 17, top - 12}, 0.8), solid(kGunmetal.at(0.3), 0));
    Paint halo = no_outline(solid(kGlow.at(0.2), 0));
    halo.coverage = 0.4;
    c.fill(circle({cx, top - 20}, 22), halo);
    c.fill(rounded_box(cx - 11, top - 29, cx + 11, top - 5, 2), shaded(kGlow, 0.5, 0.4, 5));
    c.fill(circle({cx, top - 17}, 5), no_outline(solid(kWhite, 0)));
    for (int i = -1; i <= 1; i += 2) c.fill(capsule({cx + 5.5 * i, top - 28}, {cx + 5.5 * i, top - 6}, 0.5), solid(kGunmetal.at(0.2), 0));
    Paint roof = shaded(kReds, 0.5, 0.45, 5);
    roof.outline_width = 1.5;
    c.fill(polygon({{cx - 15, top - 28}, {cx + 15, top - 28}, {cx, top - 44}}), roof);
    c.fill(circle({cx, top - 45}, 2.4), shaded(kGunmetal, 0.5, 0.4, 1));
    return img;
}

// A round sign on a post: a pig's head behind a red ring and bar.
Image no_pig_sign() {
    Image img(50, 100, kTransparent);
    Canvas c(img);
    c.fill(rounded_box(22, 36, 28, 98, 1.5), shaded(kWood, 0.5, 0.4, 2));
    c.fill(circle({25, 24}, 21), shaded(kGreys, 0.95, 0.25, 5));
    front_head(c.moved(25, 26).scaled(1.05), kPinks, false);
    Paint red = shaded(kReds, 0.55, 0.35, 2);
    c.fill(ring({25, 24}, 15.5, 20.5), red);
    c.fill(capsule(Vec{25, 24} + turned({-16, 0}, 45), Vec{25, 24} + turned({16, 0}, 45), 2.6), red);
    return img;
}

}  // namespace

void draw_land(PictureSet& out) {
    out["inselgrossx256.bmp"] = flat_island();
    out["inselgross2256.bmp"] = rocky_island();
    out["leuchtturm3256.bmp"] = lighthouse();
    out["nopigx256.bmp"] = no_pig_sign();
}

}  // namespace assetgen
