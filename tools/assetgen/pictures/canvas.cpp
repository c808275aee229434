#include "pictures/canvas.h"

#include <algorithm>
#include <cmath>

#include "palette.h"

namespace assetgen {

double dither_threshold(int x, int y) {
    static const int bayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    return (bayer[y & 3][x & 3] + 0.5) / 16 - 0.5;
}

void Canvas::fill(const Shape& shape, const Paint& paint) const {
    Image& img = *image_;
    const Transform inv = t_.inverse();
    const double k = t_.scale();
    const double pad = paint.outline_width + 1;
    // Pixel bounds of the shape's box, grown by the outline.
    double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
    const Vec corners[4] = {{shape.box.x0, shape.box.y0},
                            {shape.box.x1, shape.box.y0},
                            {shape.box.x0, shape.box.y1},
                            {shape.box.x1, shape.box.y1}};
    for (Vec c : corners) {
        Vec p = t_.apply(c);
        x0 = std::min(x0, p.x);
        y0 = std::min(y0, p.y);
        x1 = std::max(x1, p.x);
        y1 = std::max(y1, p.y);
    }
    const int px0 = std::max(0, int(std::floor(x0 - pad))), py0 = std::max(0, int(std::floor(y0 - pad)));
    const int px1 = std::min(img.width - 1, int(std::ceil(x1 + pad)));
    const int py1 = std::min(img.height - 1, int(std::ceil(y1 + pad)));
    // Light comes from the upper left of the screen, whatever the local frame.
    const Vec light{-0.6, -0.8};
    const double h = 0.5 / k;

    for (int y = py0; y <= py1; ++y)
        for (int x = px0; x <= px1; ++x) {
            if (paint.coverage < 1 && dither_threshold(x, y) + 0.5 >= paint.coverage) continue;
            const Vec p = inv.apply({x + 0.5, y + 0.5});
            const double d = shape.distance(p) * k;
            if (d > paint.outline_width) continue;
            if (d > 0) {
                img.set(x, y, paint.outline);
                continue;
            }
            double tone = paint.tone_at ? paint.tone_at(p) : paint.tone;
            if (paint.relief != 0 && paint.ramp.count > 1) {
                Vec g{shape.distance({p.x + h, p.y}) - shape.distance({p.x - h, p.y}),
                      shape.distance({p.x, p.y + h}) - shape.distance({p.x, p.y - h})};
                g = t_.apply_linear(g);
                const double len = length(g);
                if (len > 1e-12) {
                    const double rim = paint.bulge > 0 ? 1 - clamp01(-d / paint.bulge) : 0;
                    // Edges facing the light brighten, the others darken; the
                    // middle keeps the base tone, like a cartoon cel.
                    tone += paint.relief * rim * std::sqrt(rim) * dot(g * (1 / len), light);
                }
            }
            const double step = tone * (paint.ramp.count - 1) + paint.dither * dither_threshold(x, y);
            int i = int(std::floor(step + 0.5));
            i = std::clamp(i, 0, paint.ramp.count - 1);
            img.set(x, y, std::uint8_t(paint.ramp.first + i));
        }
}

void Canvas::pixel(Vec p, std::uint8_t colour) const {
    const Vec q = t_.apply(p);
    image_->set(int(std::floor(q.x)), int(std::floor(q.y)), colour);
}

Image strip(int fw, int fh, int frames, std::uint8_t background, const std::function<void(Canvas&, int)>& draw) {
    Image out(fw * frames, fh, background);
    for (int k = 0; k < frames; ++k) {
        Image frame(fw, fh, background);
        Canvas canvas(frame);
        draw(canvas, k);
        for (int y = 0; y < fh; ++y)
            for (int x = 0; x < fw; ++x) out.pixels[std::size_t(y) * out.width + k * fw + x] = frame.at(x, y);
    }
    return out;
}

void paste(Image& dst, const Image& src, int x, int y) {
    for (int j = 0; j < src.height; ++j)
        for (int i = 0; i < src.width; ++i) {
            const std::uint8_t c = src.at(i, j);
            if (c != kTransparent) dst.set(x + i, y + j, c);
        }
}

void fade(Image& image, double coverage) {
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            if (dither_threshold(x, y) + 0.5 >= coverage) image.set(x, y, kTransparent);
}

}  // namespace assetgen
