#include "pictures/shapes.h"

#include <algorithm>
#include <cmath>

namespace assetgen {
namespace {

Box box_of(const std::vector<Vec>& points, double pad) {
    Box b{1e9, 1e9, -1e9, -1e9};
    for (Vec p : points) {
        b.x0 = std::min(b.x0, p.x - pad);
        b.y0 = std::min(b.y0, p.y - pad);
        b.x1 = std::max(b.x1, p.x + pad);
        b.y1 = std::max(b.y1, p.y + pad);
    }
    return b;
}

Box merge(Box a, Box b) {
    return {std::min(a.x0, b.x0), std::min(a.y0, b.y0), std::max(a.x1, b.x1), std::max(a.y1, b.y1)};
}

double segment_distance(Vec p, Vec a, Vec b, double* t_out) {
    Vec ab = b - a;
    double len2 = dot(ab, ab);
    double t = len2 > 0 ? clamp01(dot(p - a, ab) / len2) : 0;
    if (t_out) *t_out = t;
    return length(p - (a + ab * t));
}

}  // namespace

Shape circle(Vec c, double r) {
    return {[c, r](Vec p) { return length(p - c) - r; }, {c.x - r, c.y - r, c.x + r, c.y + r}};
}

Shape ellipse(Vec c, double rx, double ry) {
    if (std::fabs(rx - ry) < 1e-9) return circle(c, rx);
    // A close estimate of the true distance near the edge, which is all the
    // outline and shading need.
    return {[c, rx, ry](Vec p) {
                Vec q = p - c;
                double k0 = std::sqrt(q.x * q.x / (rx * rx) + q.y * q.y / (ry * ry));
                double k1 = std::sqrt(q.x * q.x / (rx * rx * rx * rx) + q.y * q.y / (ry * ry * ry * ry));
                if (k1 < 1e-12) return -std::min(rx, ry);
                return k0 * (k0 - 1) / k1;
            },
            {c.x - rx, c.y - ry, c.x + rx, c.y + ry}};
}

Shape ellipse(Vec c, double rx, double ry, double degrees) {
    Shape e = ellipse({0, 0}, rx, ry);
    return transformed(e, Transform::translation(c.x, c.y) * Transform::rotation(degrees));
}

Shape rounded_box(double x0, double y0, double x1, double y1, double r) {
    Vec c{(x0 + x1) / 2, (y0 + y1) / 2};
    Vec h{(x1 - x0) / 2 - r, (y1 - y0) / 2 - r};
    return {[c, h, r](Vec p) {
                double qx = std::fabs(p.x - c.x) - h.x, qy = std::fabs(p.y - c.y) - h.y;
                double outside = length({std::max(qx, 0.0), std::max(qy, 0.0)});
                return outside + std::min(std::max(qx, qy), 0.0) - r;
            },
            {x0, y0, x1, y1}};
}

Shape taper(Vec a, Vec b, double ra, double rb) {
    return {[a, b, ra, rb](Vec p) {
                double t = 0;
                double d = segment_distance(p, a, b, &t);
                return d - (ra + (rb - ra) * t);
            },
            merge(box_of({a}, ra), box_of({b}, rb))};
}

Shape polygon(const std::vector<Vec>& pts) {
    return {[pts](Vec p) {
                double best = 1e18;
                bool inside = false;
                for (std::size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
                    Vec a = pts[j], b = pts[i];
                    best = std::min(best, segment_distance(p, a, b, nullptr));
                    if ((b.y > p.y) != (a.y > p.y) && p.x < (a.x - b.x) * (p.y - b.y) / (a.y - b.y) + b.x)
                        inside = !inside;
                }
                return inside ? -best : best;
            },
            box_of(pts, 0)};
}

Shape stroke(const std::vector<Vec>& pts, double r) {
    return {[pts, r](Vec p) {
                double best = 1e18;
                if (pts.size() == 1) return length(p - pts[0]) - r;
                for (std::size_t i = 1; i < pts.size(); ++i)
                    best = std::min(best, segment_distance(p, pts[i - 1], pts[i], nullptr));
                return best - r;
            },
            box_of(pts, r)};
}

Shape ring(Vec c, double inner, double outer) {
    return {[c, inner, outer](Vec p) {
                double d = length(p - c);
                return std::max(d - outer, inner - d);
            },
            {c.x - outer, c.y - outer, c.x + outer, c.y + outer}};
}

Shape star(Vec c, int n, double inner, double outer, double degrees) {
    std::vector<Vec> pts;
    for (int i = 0; i < 2 * n; ++i) {
        double r = i % 2 ? inner : outer;
        pts.push_back(c + turned({r, 0}, degrees + 180.0 * i / n));
    }
    return polygon(pts);
}

Shape unite(const Shape& a, const Shape& b) {
    return {[a, b](Vec p) { return std::min(a.distance(p), b.distance(p)); }, merge(a.box, b.box)};
}

Shape unite(const std::vector<Shape>& shapes) {
    Box box = shapes.front().box;
    for (const Shape& s : shapes) box = merge(box, s.box);
    return {[shapes](Vec p) {
                double best = 1e18;
                for (const Shape& s : shapes) best = std::min(best, s.distance(p));
                return best;
            },
            box};
}

Shape intersect(const Shape& a, const Shape& b) {
    Box box{std::max(a.box.x0, b.box.x0), std::max(a.box.y0, b.box.y0), std::min(a.box.x1, b.box.x1),
            std::min(a.box.y1, b.box.y1)};
    return {[a, b](Vec p) { return std::max(a.distance(p), b.distance(p)); }, box};
}

Shape cut(const Shape& a, const Shape& b) {
    return {[a, b](Vec p) { return std::max(a.distance(p), -b.distance(p)); }, a.box};
}

Shape transformed(const Shape& s, const Transform& t) {
    const Transform inv = t.inverse();
    const double k = t.scale();
    std::vector<Vec> corners{t.apply({s.box.x0, s.box.y0}), t.apply({s.box.x1, s.box.y0}),
                             t.apply({s.box.x0, s.box.y1}), t.apply({s.box.x1, s.box.y1})};
    return {[s, inv, k](Vec p) { return s.distance(inv.apply(p)) * k; }, box_of(corners, 0)};
}

std::vector<Vec> arc(Vec c, double rx, double ry, double from, double to, int steps) {
    std::vector<Vec> pts;
    for (int i = 0; i <= steps; ++i) {
        double a = radians(from + (to - from) * i / steps);
        pts.push_back({c.x + rx * std::cos(a), c.y + ry * std::sin(a)});
    }
    return pts;
}

}  // namespace assetgen
