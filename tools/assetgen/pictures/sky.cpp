// The sun with its exchangeable eyes, and the swinging clouds.
#include <cmath>

#include "palette.h"
#include "pictures/canvas.h"
#include "pictures/families.h"

namespace assetgen {
namespace {

// The eye pictures sit at (18, 20) and (28, 20) of a sun frame, 10 x 10 each,
// so the face is centred between them.
constexpr Vec kSunCentre{28, 29};
constexpr std::uint8_t kSunInk = 159;  // darkest red: a warm line round the sun

Image sun() {
    return strip(60, 60, 8, kTransparent, [](Canvas& c, int k) {
        const double pulse = std::sin(2 * kPi * k / 8);
        Paint ray = shaded(kSunColours, 0.55, 0.3, 2);
        ray.outline = kSunInk;
        for (int i = 0; i < 12; ++i) {
            // Long and short rays breathe in turn.
            const double reach = (i % 2 ? 23.5 : 26.5) + (i % 2 ? -2.0 : 2.0) * pulse;
            const double a = 30.0 * i + 15;
            const Vec tip = kSunCentre + turned({reach, 0}, a);
            const Vec left = kSunCentre + turned({16, 0}, a - 9);
            const Vec right = kSunCentre + turned({16, 0}, a + 9);
            c.fill(polygon({left, tip, right}), ray);
        }
        Paint disc = shaded(kSunColours, 0.78, 0.3, 7);
        disc.outline = kSunInk;
        disc.outline_width = 1.2;
        disc.dither = 0.5;
        c.fill(circle(kSunCentre, 17), disc);
        c.fill(circle({kSunCentre.x - 9.5, kSunCentre.y + 4.5}, 2.6), no_outline(shaded(kSunColours, 0.35, 0, 0)));
        c.fill(circle({kSunCentre.x + 9.5, kSunCentre.y + 4.5}, 2.6), no_outline(shaded(kSunColours, 0.35, 0, 0)));
        c.fill(stroke(arc({kSunCentre.x, kSunCentre.y + 1}, 7.5, 7, 25, 155, 12), 0.9), solid(kSunInk, 0));
    });
}

Image eye_open() {
    Image img(10, 10, kTransparent);
    Canvas c(img);
    c.fill(ellipse({5, 5}, 3.6, 4.2), solid(kWhite));
    c.fill(circle({5.5, 5.8}, 1.8), no_outline(solid(kInk)));
    c.pixel({4.8, 4.6}, kWhite);
    return img;
}

Image eye_bruised() {
    Image img(10, 10, kTransparent);
    Canvas c(img);
    c.fill(ellipse({5, 5}, 4.5, 4.6), no_outline(shaded(kViolets, 0.35, 0.3, 2)));
    c.fill(ellipse({5, 5.8}, 3.2, 3), solid(kWhite));
    c.fill(circle({5.3, 6.8}, 1.4), no_outline(solid(kInk)));
    // The swollen lid, half shut.
    c.fill(intersect(ellipse({5, 5.8}, 3.2, 3), rounded_box(0, 0, 10, 5.6, 0)), no_outline(solid(kViolets.at(0.7))));
    c.fill(capsule({1.8, 5.6}, {8.2, 5.6}, 0.4), no_outline(solid(kInk)));
    return img;
}

Image eye_crossed() {
    Image img(10, 10, kTransparent);
    Canvas c(img);
    c.fill(capsule({1.8, 1.8}, {8.2, 8.2}, 0.9), solid(kInk, 0));
    c.fill(capsule({1.8, 8.2}, {8.2, 1.8}, 0.9), solid(kInk, 0));
    return img;
}

// A cumulus: a flat foot under a heap of round puffs.
Shape cloud_shape() {
    return unite({circle({-13, 4}, 8.5), circle({-3, -3}, 11.5), circle({9, -1}, 9.5), circle({16, 5}, 6.5),
                  circle({1, 5}, 8), rounded_box(-21, 2, 22, 11, 4.5)});
}

Image clouds(int size) {
    const double scale = size / 54.0;
    const Shape shape = cloud_shape();
    return strip(size, size, 30, kTransparent, [&](Canvas& c, int k) {
        // Frame 8 is upright; a swinging cloud turns 12 degrees per frame.
        Paint paint = shaded(kCloud, 0.82, 0.45, 7 * scale);
        paint.outline = kSkyBlues.first;
        paint.dither = 0.7;
        c.moved(size / 2.0, size / 2.0).turned(12.0 * (k - 8)).scaled(scale).fill(shape, paint);
    });
}

}  // namespace

void draw_sky(PictureSet& out) {
    out["sonne2256.bmp"] = sun();
    out["auge0256.bmp"] = eye_open();
    out["auge2256.bmp"] = eye_bruised();
    out["auge1256.bmp"] = eye_crossed();
    out["wolke30256.bmp"] = clouds(54);
    out["wolke130256.bmp"] = clouds(27);
}

}  // namespace assetgen
