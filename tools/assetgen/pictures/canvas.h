// Drawing shapes into a picture: cartoon fills with a dark outline, light
// from the upper left, ordered dithering between ramp steps.
#pragma once
#include <functional>

#include "image.h"
#include "pictures/colours.h"
#include "pictures/shapes.h"

namespace assetgen {

struct Paint {
    Ramp ramp{kWhite, 1};
    double tone = 0.6;     // base place in the ramp
    double relief = 0.35;  // how far the lit and shaded edges move off the base tone
    double bulge = 4;      // pixels over which an edge rounds off into the flat middle
    std::uint8_t outline = kInk;
    double outline_width = 1;  // pixels; 0 draws no outline
    double dither = 1;         // 0 gives clean bands
    double coverage = 1;       // below 1 leaves a dithered share of pixels out, for fading
    // Optional base tone by position in the shape's frame (gradients, stripes).
    std::function<double(Vec)> tone_at;
};

inline Paint solid(std::uint8_t colour, double outline_width = 1) {
    Paint p;
    p.ramp = {colour, 1};
    p.relief = 0;
    p.outline_width = outline_width;
    return p;
}

inline Paint shaded(Ramp ramp, double tone = 0.6, double relief = 0.35, double bulge = 4) {
    Paint p;
    p.ramp = ramp;
    p.tone = tone;
    p.relief = relief;
    p.bulge = bulge;
    return p;
}

inline Paint no_outline(Paint p) {
    p.outline_width = 0;
    return p;
}

// Threshold of the 4 x 4 ordered dither at a pixel, in (-0.5, 0.5).
double dither_threshold(int x, int y);

class Canvas {
public:
    explicit Canvas(Image& image) : image_(&image) {}

    Image& image() const { return *image_; }
    const Transform& transform() const { return t_; }

    // Copies whose local frame is moved, turned, scaled or mirrored.
    Canvas moved(double x, double y) const { return with(Transform::translation(x, y)); }
    Canvas turned(double degrees) const { return with(Transform::rotation(degrees)); }
    Canvas scaled(double s) const { return with(Transform::scaling(s, s)); }
    Canvas scaled(double sx, double sy) const { return with(Transform::scaling(sx, sy)); }
    Canvas mirrored() const { return with(Transform::scaling(-1, 1)); }
    Canvas with(const Transform& local) const {
        Canvas c = *this;
        c.t_ = t_ * local;
        return c;
    }

    void fill(const Shape& shape, const Paint& paint) const;
    // One pixel at a local point, ignoring shape and outline.
    void pixel(Vec p, std::uint8_t colour) const;

private:
    Image* image_;
    Transform t_;
};

// Frames drawn one by one, each clipped to its own cell, side by side.
Image strip(int frame_width, int frame_height, int frames, std::uint8_t background,
            const std::function<void(Canvas&, int frame)>& draw);

// Copies src into dst at (x, y), skipping transparent pixels.
void paste(Image& dst, const Image& src, int x, int y);

// Leaves out an even, dithered share of the pixels, so the picture fades.
void fade(Image& image, double coverage);

}  // namespace assetgen
