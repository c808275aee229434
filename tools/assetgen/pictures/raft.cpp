// The player's raft, seen from behind and above, turning from facing left
// (frame 0) over straight ahead (frame 4) to facing right (frame 8).
#include <algorithm>
#include <cmath>

#include "palette.h"
#include "pictures/canvas.h"
#include "pictures/families.h"
#include "pictures/projection.h"

namespace assetgen {
namespace {

constexpr int kViews = 9;
constexpr double kTurnPerView = 10;  // degrees

// Only the top of the picture shows above the screen's bottom edge, so the
// view puts the raft's far end near the top.
const Camera kCamera{{0, 5, -9}, 29, 215, {80, 36}};

void log_between(const Canvas& c, Point3 a, Point3 b, double r, double tone) {
    Paint wood = shaded(kWood, tone, 0.5, 6);
    wood.outline_width = 1;
    c.fill(taper(kCamera.project(a), kCamera.project(b), kCamera.radius(a, r), kCamera.radius(b, r)), wood);
}

void raft_view(const Canvas& c, double yaw) {
    const int logs = 7;
    const double half_length = 2.8, r = 0.42;
    struct Log {
        double x, length, tone;
    };
    std::vector<Log> order;
    for (int i = 0; i < logs; ++i) {
        const double x = (i - (logs - 1) / 2.0) * 2 * r;
        order.push_back({x, half_length - 0.25 * ((i * 5) % 3), 0.5 + 0.07 * ((i * 3) % 4)});
    }
    // Logs further from the viewer's side are drawn first so nearer ones
    // overlap them.
    std::sort(order.begin(), order.end(), [yaw](const Log& a, const Log& b) {
        return yawed({a.x, 0, 0}, yaw).z > yawed({b.x, 0, 0}, yaw).z;
    });
    for (const Log& l : order) {
        const Point3 far_end = yawed({l.x, 0, l.length}, yaw), near_end = yawed({l.x, 0, -l.length}, yaw);
        log_between(c, far_end, near_end, r, l.tone);
        // The sawn end facing the viewer, with its rings.
        const Vec end = kCamera.project(near_end);
        const double er = kCamera.radius(near_end, r);
        if (std::cos(radians(yaw)) > 0.3) {
            c.fill(ellipse(end, er * 0.95, er * 0.8), shaded(kWood, 0.8, 0.3, 2));
            c.fill(ellipse(end, er * 0.45, er * 0.35), no_outline(solid(kWood.at(0.55), 0)));
        }
    }
    // Cross beams lashed over the logs, with rope at each crossing.
    for (double z : {-1.7, 1.9}) {
        const Point3 a = yawed({-3.3, r * 1.6, z}, yaw), b = yawed({3.3, r * 1.6, z}, yaw);
        log_between(c, a, b, 0.28, 0.35);
        for (int i = 0; i < logs; i += 2) {
            const Point3 p = yawed({(i - 3) * 2 * r, r * 1.8, z}, yaw);
            const Vec q = kCamera.project(p);
            c.fill(ellipse(q, 1.4, 2.6), shaded(kSand, 0.75, 0.3, 1));
        }
    }
    // A box of cartridges lashed near the front.
    const Point3 box = yawed({-1.6, r * 2.2, 1.0}, yaw);
    const Vec b = kCamera.project(box);
    const double s = kCamera.radius(box, 0.6);
    c.fill(rounded_box(b.x - s * 1.3, b.y - s, b.x + s * 1.3, b.y + s * 0.6, 1.5), shaded(kWood, 0.75, 0.4, 3));
    c.fill(rounded_box(b.x - s * 0.6, b.y - s * 0.6, b.x + s * 0.6, b.y + s * 0.1, 1), solid(kReds.at(0.5)));
}

}  // namespace

void draw_raft(PictureSet& out) {
    out["floss9256.bmp"] = strip(160, 140, kViews, kTransparent,
                                 [](Canvas& c, int k) { raft_view(c, kTurnPerView * (k - (kViews - 1) / 2)); });
}

}  // namespace assetgen
