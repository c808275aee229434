// Flying pigs near and far, the tumbling hit pig, and the red pig with a
// propeller cap.
#include "pictures/pigs.h"

#include <cmath>

#include "palette.h"
#include "pictures/families.h"

namespace assetgen {
namespace {

constexpr int kBeatFrames = 11;

// One wing beat: from just past upright down to a little below level and
// back, a cosine so the strip loops without a jump.
double flap_at(int k) { return 45 - 62 * std::cos(2 * kPi * k / kBeatFrames); }

// A feathered wing pointing up from its root at the origin, flattened by the
// flap: the wing turns about the body's long axis, so from the side its height
// shrinks with the cosine of the flap and flips below the root past 90 degrees.
Shape wing(Vec root, double flap, double size) {
    static const Vec outline[] = {{-1.5, 0},   {-2.6, -4},  {-2.6, -8}, {-1.6, -11}, {0.4, -12.6}, {2.6, -11.6},
                                  {3.0, -9.2}, {4.8, -8.6}, {4.6, -6},  {6.2, -5.0}, {5.6, -2.4},  {3.6, 0}};
    double s = std::cos(radians(flap));
    if (std::fabs(s) < 0.22) s = s < 0 ? -0.22 : 0.22;  // edge-on it still shows as a sliver
    std::vector<Vec> pts;
    for (Vec p : outline) pts.push_back({root.x + p.x * size, root.y + p.y * size * s});
    return polygon(pts);
}

Paint skin_paint(Ramp skin, double tone) {
    Paint p = shaded(skin, tone, 0.4, 4);
    p.dither = 0.8;
    return p;
}

void eye(const Canvas& c, Vec at, bool dazed) {
    if (dazed) {
        // A small cross, one pixel per arm at the pig's own scale.
        for (int i = -1; i <= 1; ++i) {
            c.pixel({at.x + i, at.y + i}, kInk);
            c.pixel({at.x + i, at.y - i}, kInk);
        }
        return;
    }
    c.fill(circle(at, 0.9), no_outline(solid(kInk)));
    c.pixel(at, kInk);
}

void propeller_cap(const Canvas& c, Vec top, double spin) {
    // A blue dome with a stalk, and two blades seen edge-on as they turn.
    c.fill(intersect(circle({top.x, top.y + 2.2}, 4.2), rounded_box(top.x - 5, top.y - 3, top.x + 5, top.y + 2.2, 0)),
           shaded(kSkyBlues, 0.3, 0.35, 2));
    c.fill(capsule({top.x, top.y - 1.5}, {top.x, top.y - 3.5}, 0.6), solid(kGunmetal.at(0.3), 0));
    const double reach = 6.5 * std::cos(radians(spin));
    const double lift = 0.8 * std::sin(radians(spin));
    Paint blade = shaded(kSunColours, 0.75, 0.3, 1);
    c.fill(ellipse({top.x + reach / 2, top.y - 4 - lift}, std::fabs(reach) / 2 + 0.6, 0.9), blade);
    c.fill(ellipse({top.x - reach / 2, top.y - 4 + lift}, std::fabs(reach) / 2 + 0.6, 0.9), blade);
    c.pixel({top.x, top.y - 4}, kReds.at(0.5));
}

}  // namespace

void side_head(const Canvas& c, Ramp skin, bool dazed) {
    // Ear at the back of the crown, then head, snout and face.
    c.fill(polygon({{0.5, -4.5}, {4.5, -8.5}, {5.0, -2.5}}), skin_paint(skin, 0.45));
    c.fill(circle({0, 0}, 6), skin_paint(skin, 0.62));
    c.fill(ellipse({-5.6, 1.2}, 2.3, 2.9), skin_paint(skin, 0.5));
    c.pixel({-6.4, 0.6}, skin.at(0.05));
    c.pixel({-6.4, 2.2}, skin.at(0.05));
    c.fill(circle({-1.2, 2.8}, 1.3), no_outline(solid(skin.at(0.78))));  // cheek
    eye(c, {-2.2, -1.6}, dazed);
}

void side_pig(const Canvas& c, const PigLook& look) {
    // Far away a full pixel of ink round every part would swallow the pig.
    const double line = c.transform().scale() < 0.75 ? 0.5 : 1.0;
    Paint far_skin = skin_paint(look.skin, 0.35);
    far_skin.outline_width = line;
    const Vec root{17, 11};
    Paint far_wing = shaded(kCloud, 0.3, 0.3, 2);
    Paint near_wing = shaded(kCloud, 0.85, 0.35, 3);
    far_wing.outline_width = line;
    const double swing = 1.5 * look.kick;
    if (look.wings) c.fill(wing({root.x + 3, root.y - 1}, look.flap, 0.9), far_wing);
    // Far legs, tail, body, near legs.
    c.fill(capsule({13.5, 21}, {13 - swing, 24.5}, 1.4), far_skin);
    c.fill(capsule({23.5, 21}, {24 - swing, 24.5}, 1.4), far_skin);
    c.fill(stroke({{25.5, 16}, {28.5, 15}, {29.5, 12.5}, {28, 11.5}, {27, 13}, {28.5, 14}}, 0.55),
           no_outline(solid(look.skin.at(0.1))));
    c.fill(ellipse({17.5, 17}, 9.5, 6.8), skin_paint(look.skin, 0.6));
    for (Vec hip : {Vec{11, 21}, Vec{21, 21.5}}) {
        const Vec hoof{hip.x + swing, hip.y + 3.5};
        Paint leg = skin_paint(look.skin, 0.55);
        leg.outline_width = line;
        c.fill(capsule(hip, hoof, 1.5), leg);
        c.fill(circle({hoof.x, hoof.y + 0.6}, 1.1), no_outline(solid(look.skin.first)));
    }
    side_head(c.moved(8, 13), look.skin, look.dazed);
    if (look.cap) propeller_cap(c, {9, 6.5}, look.spin);
    if (look.wings) {
        c.fill(wing(root, look.flap, 1.0), near_wing);
        // A feather line, drawn only while the wing shows its face.
        const double s = std::cos(radians(look.flap));
        if (std::fabs(s) > 0.5 && line == 1.0)
            c.fill(stroke({{root.x + 0.5, root.y - 2 * s}, {root.x + 1.5, root.y - 8 * s}}, 0.3),
                   no_outline(solid(kCloud.at(0.45))));
    }
}

void front_head(const Canvas& c, Ramp skin, bool dazed) {
    Paint ear = skin_paint(skin, 0.5);
    c.fill(polygon({{-10, -4}, {-11, -13}, {-3.5, -9}}), ear);
    c.fill(polygon({{10, -4}, {11, -13}, {3.5, -9}}), ear);
    c.fill(polygon({{-9.2, -6}, {-9.8, -11}, {-5.5, -8.8}}), no_outline(solid(skin.at(0.25))));
    c.fill(polygon({{9.2, -6}, {9.8, -11}, {5.5, -8.8}}), no_outline(solid(skin.at(0.25))));
    Paint face = skin_paint(skin, 0.62);
    face.bulge = 7;
    c.fill(ellipse({0, 0}, 11, 10), face);
    c.fill(circle({-6.5, 3.5}, 2), no_outline(solid(skin.at(0.78))));
    c.fill(circle({6.5, 3.5}, 2), no_outline(solid(skin.at(0.78))));
    c.fill(ellipse({0, 3.5}, 4.8, 3.4), skin_paint(skin, 0.48));
    c.fill(ellipse({-1.8, 3.5}, 0.8, 1.3), no_outline(solid(skin.at(0.05))));
    c.fill(ellipse({1.8, 3.5}, 0.8, 1.3), no_outline(solid(skin.at(0.05))));
    for (double side : {-1.0, 1.0}) {
        const Vec at{side * 4.5, -3};
        if (dazed) {
            c.fill(capsule({at.x - 1.6, at.y - 1.6}, {at.x + 1.6, at.y + 1.6}, 0.5), no_outline(solid(kInk)));
            c.fill(capsule({at.x - 1.6, at.y + 1.6}, {at.x + 1.6, at.y - 1.6}, 0.5), no_outline(solid(kInk)));
        } else {
            c.fill(ellipse(at, 1.9, 2.3), solid(kWhite));
            c.fill(circle({at.x + 0.3, at.y + 0.4}, 1.1), no_outline(solid(kInk)));
        }
    }
}

Image pig_head_icon() {
    Image img(32, 32, kTransparent);
    Canvas c(img);
    Paint feathers = shaded(kCloud, 0.85, 0.35, 3);
    c.fill(polygon({{6, 16}, {1, 9}, {1, 4}, {4, 6}, {5, 3}, {8, 7}, {10, 12}}), feathers);
    c.fill(polygon({{26, 16}, {31, 9}, {31, 4}, {28, 6}, {27, 3}, {24, 7}, {22, 12}}), feathers);
    front_head(c.moved(16, 18.5).scaled(1.15), kPinks, false);
    return img;
}

void draw_pigs(PictureSet& out) {
    auto flier = [](double scale, bool right, bool propeller) {
        const int size = int(32 * scale);
        return strip(size, size, kBeatFrames, kTransparent, [=](Canvas& c, int k) {
            PigLook look;
            const double phase = 2 * kPi * k / kBeatFrames;
            if (propeller) {
                look.skin = kReds;
                look.wings = false;
                look.cap = true;
                look.spin = 360.0 * 2 * k / kBeatFrames + 10;
                look.kick = std::sin(phase);
            } else {
                look.flap = flap_at(k);
                look.kick = 0.4 * std::sin(phase);
            }
            // The body rises as the wings push down.
            const double bob = propeller ? 0.6 * std::sin(phase) : -1.2 * std::sin(phase);
            Canvas at = right ? c.moved(size, 0).mirrored() : c;
            side_pig(at.scaled(scale).moved(0, bob + (propeller ? 2 : 1)), look);
        });
    };
    // A hit flier tumbles head over heels, turning evenly through its frames.
    auto faller = [](double scale, int frames, bool propeller) {
        const int size = int(32 * scale);
        return strip(size, size, frames, kTransparent, [=](Canvas& c, int k) {
            PigLook look;
            look.dazed = true;
            if (propeller) {
                look.skin = kReds;
                look.wings = false;
                look.cap = true;
                look.spin = 360.0 * k / frames;
            } else {
                look.flap = 115;  // wings hang limp
            }
            side_pig(c.scaled(scale).moved(16, 16).turned(360.0 * k / frames).scaled(0.9).moved(-17, -16), look);
        });
    };
    out["sauflug256.bmp"] = flier(1, false, false);
    out["sauflug3256.bmp"] = flier(1, true, false);
    out["sauflug1256.bmp"] = flier(0.5, false, false);
    out["sauflug2256.bmp"] = flier(0.5, true, false);
    out["absturz256.bmp"] = faller(1, 6, false);
    out["absturz2256.bmp"] = faller(0.5, 6, false);
    out["rotlinksvorne256.bmp"] = flier(1, false, true);
    out["rotrechtsvorne256.bmp"] = flier(1, true, true);
    out["rotlinkshinten256.bmp"] = flier(0.5, false, true);
    out["rotrechtshinten256.bmp"] = flier(0.5, true, true);
    out["rotabsturzvorne256.bmp"] = faller(1, 11, true);
    out["rotabsturzhinten256.bmp"] = faller(0.5, 11, true);
}

}  // namespace assetgen
