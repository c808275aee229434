// Points and affine maps for drawing in a picture's own coordinates.
#pragma once
#include <cmath>

namespace assetgen {

constexpr double kPi = 3.14159265358979323846;

struct Vec {
    double x = 0, y = 0;
};

inline Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y}; }
inline Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y}; }
inline Vec operator*(Vec a, double s) { return {a.x * s, a.y * s}; }
inline double dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y; }
inline double length(Vec a) { return std::sqrt(dot(a, a)); }
inline Vec lerp(Vec a, Vec b, double t) { return a + (b - a) * t; }
inline double clamp01(double v) { return v < 0 ? 0 : (v > 1 ? 1 : v); }
inline double radians(double degrees) { return degrees * kPi / 180; }

// Turns a point by an angle in degrees, clockwise on screen (y points down).
inline Vec turned(Vec p, double degrees) {
    const double c = std::cos(radians(degrees)), s = std::sin(radians(degrees));
    return {c * p.x - s * p.y, s * p.x + c * p.y};
}

// x' = a x + b y + tx, y' = c x + d y + ty.
struct Transform {
    double a = 1, b = 0, c = 0, d = 1, tx = 0, ty = 0;

    Vec apply(Vec p) const { return {a * p.x + b * p.y + tx, c * p.x + d * p.y + ty}; }
    Vec apply_linear(Vec v) const { return {a * v.x + b * v.y, c * v.x + d * v.y}; }
    double determinant() const { return a * d - b * c; }
    // The factor by which lengths grow, exact for turns, mirrors and even scales.
    double scale() const { return std::sqrt(std::fabs(determinant())); }

    Transform inverse() const {
        const double k = 1 / determinant();
        Transform r;
        r.a = d * k;
        r.b = -b * k;
        r.c = -c * k;
        r.d = a * k;
        r.tx = -(r.a * tx + r.b * ty);
        r.ty = -(r.c * tx + r.d * ty);
        return r;
    }

    // (this * o)(p) = this(o(p)): o acts first, in the local frame.
    Transform operator*(const Transform& o) const {
        Transform r;
        r.a = a * o.a + b * o.c;
        r.b = a * o.b + b * o.d;
        r.c = c * o.a + d * o.c;
        r.d = c * o.b + d * o.d;
        r.tx = a * o.tx + b * o.ty + tx;
        r.ty = c * o.tx + d * o.ty + ty;
        return r;
    }

    static Transform translation(double x, double y) {
        Transform t;
        t.tx = x;
        t.ty = y;
        return t;
    }
    static Transform scaling(double sx, double sy) {
        Transform t;
        t.a = sx;
        t.d = sy;
        return t;
    }
    static Transform rotation(double degrees) {
        Transform t;
        t.a = std::cos(radians(degrees));
        t.b = -std::sin(radians(degrees));
        t.c = -t.b;
        t.d = t.a;
        return t;
    }
};

}  // namespace assetgen
