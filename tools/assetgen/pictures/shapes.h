// Filled outlines described by their signed distance (negative inside), so a
// shape can be drawn at any scale or angle, outlined by a pixel width, and
// shaded by the direction its edge faces.
#pragma once
#include <functional>
#include <vector>

#include "pictures/geometry.h"

namespace assetgen {

struct Box {
    double x0, y0, x1, y1;
};

struct Shape {
    std::function<double(Vec)> distance;
    Box box;  // encloses every inside point
};

Shape circle(Vec centre, double radius);
Shape ellipse(Vec centre, double rx, double ry);
// An ellipse turned by an angle in degrees about its centre.
Shape ellipse(Vec centre, double rx, double ry, double degrees);
Shape rounded_box(double x0, double y0, double x1, double y1, double radius);
// A stroke from a to b whose half-width goes from ra to rb.
Shape taper(Vec a, Vec b, double ra, double rb);
inline Shape capsule(Vec a, Vec b, double r) { return taper(a, b, r, r); }
Shape polygon(const std::vector<Vec>& points);
// A chain of strokes with one half-width.
Shape stroke(const std::vector<Vec>& points, double r);
// A ring band between two radii.
Shape ring(Vec centre, double inner, double outer);
// A star with n points between the two radii, first point at angle degrees.
Shape star(Vec centre, int points, double inner, double outer, double degrees);

Shape unite(const Shape& a, const Shape& b);
Shape unite(const std::vector<Shape>& shapes);
Shape intersect(const Shape& a, const Shape& b);
Shape cut(const Shape& a, const Shape& b);  // a without b
// The shape as seen through a map from its frame into the caller's; the map
// must keep angles (turns, mirrors, even scales).
Shape transformed(const Shape& s, const Transform& t);

// Points on an elliptic arc, angles in degrees clockwise from +x.
std::vector<Vec> arc(Vec centre, double rx, double ry, double from, double to, int steps);

}  // namespace assetgen
