// The player's big gun seen from behind, aiming evenly from far left
// (frame 0) to far right (frame 23).
#include <cmath>

#include "palette.h"
#include "pictures/canvas.h"
#include "pictures/families.h"
#include "pictures/projection.h"

namespace assetgen {
namespace {

constexpr int kViews = 24;
constexpr double kMaxAim = 32;      // degrees either side
constexpr double kElevation = 16;   // the barrel points a little up, over the sea

const Camera kCamera{{0, 1.7, -3.2}, 16, 112, {40, 40}};

Point3 along(double aim, double distance, Point3 offset = {0, 0, 0}) {
    const double c = std::cos(radians(kElevation)), s = std::sin(radians(kElevation));
    // Offsets are in the barrel's own frame: x across, y up, z along.
    const Point3 local{offset.x, distance * s + offset.y * c - offset.z * s, distance * c + offset.y * s + offset.z * c};
    return yawed(local, aim);
}

void tube(const Canvas& c, Point3 a, Point3 b, double ra, double rb, const Paint& paint) {
    c.fill(taper(kCamera.project(a), kCamera.project(b), kCamera.radius(a, ra), kCamera.radius(b, rb)), paint);
}

void gun_view(const Canvas& c, double aim) {
    Paint metal = shaded(kGunmetal, 0.5, 0.5, 6);
    Paint brass = shaded(kBrass, 0.6, 0.5, 3);
    const double length = 2.9;
    tube(c, along(aim, 0.3), along(aim, length), 0.27, 0.22, metal);
    // The muzzle's ring and bore, facing away from the viewer.
    const Point3 muzzle = along(aim, length);
    const Vec m = kCamera.project(muzzle);
    const double mr = kCamera.radius(muzzle, 0.27);
    tube(c, along(aim, length - 0.08), muzzle, 0.27, 0.27, brass);
    c.fill(circle(m, mr * 0.55), no_outline(solid(kInk)));
    tube(c, along(aim, length - 0.35, {0, 0.26, 0}), along(aim, length - 0.25, {0, 0.36, 0}), 0.05, 0.04, brass);
    tube(c, along(aim, 1.5), along(aim, 1.56), 0.27, 0.27, brass);
    // Receiver with its rear sight, then the wooden stock toward the viewer.
    Paint block = shaded(kGunmetal, 0.45, 0.5, 8);
    tube(c, along(aim, -0.5), along(aim, 0.6), 0.42, 0.34, block);
    const Vec back = kCamera.project(along(aim, -0.55));
    const double br = kCamera.radius(along(aim, -0.55), 0.42);
    c.fill(rounded_box(back.x - br * 1.1, back.y - br * 0.8, back.x + br * 1.1, back.y + br * 0.9, br * 0.5), block);
    c.fill(circle(kCamera.project(along(aim, -0.45, {0, 0.45, 0})), 2.2), shaded(kBrass, 0.4, 0.3, 1));
    Paint wood = shaded(kWood, 0.55, 0.5, 7);
    tube(c, along(aim, -0.6, {0, -0.1, 0}), along(aim, -1.9, {0, -0.7, 0}), 0.38, 0.5, wood);
}

}  // namespace

void draw_gun(PictureSet& out) {
    out["puffea256.bmp"] = strip(80, 80, kViews, kTransparent, [](Canvas& c, int k) {
        gun_view(c, -kMaxAim + 2 * kMaxAim * k / (kViews - 1));
    });
}

}  // namespace assetgen
