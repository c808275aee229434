// A pinhole view from behind and above, for the pieces seen in depth: the
// raft under the player and the gun in the player's hands.
#pragma once
#include "pictures/geometry.h"

namespace assetgen {

struct Point3 {
    double x, y, z;  // x right, y up, z away from the viewer
};

struct Camera {
    Point3 eye;
    double pitch;    // degrees the view looks down
    double focal;    // pixels per unit at unit depth
    Vec centre;      // where the view's axis meets the picture

    double depth(Point3 p) const {
        const double c = std::cos(radians(pitch)), s = std::sin(radians(pitch));
        return -(p.y - eye.y) * s + (p.z - eye.z) * c;
    }
    Vec project(Point3 p) const {
        const double c = std::cos(radians(pitch)), s = std::sin(radians(pitch));
        const double up = (p.y - eye.y) * c + (p.z - eye.z) * s;
        const double d = depth(p);
        return {centre.x + focal * (p.x - eye.x) / d, centre.y - focal * up / d};
    }
    // Apparent radius of a sphere of radius r at p.
    double radius(Point3 p, double r) const { return focal * r / depth(p); }
};

// Turns a point about the vertical axis through the origin; positive turns
// the far end to the right.
inline Point3 yawed(Point3 p, double degrees) {
    const double c = std::cos(radians(degrees)), s = std::sin(radians(degrees));
    return {p.x * c + p.z * s, p.y, -p.x * s + p.z * c};
}

}  // namespace assetgen
