#include "platform/portable/presentation.h"

#include <algorithm>

namespace platform {

namespace {

// Room for a title bar and borders, which the window's size does not include
// and which are not known before the window is shown.
constexpr int kFrameWidth = 16;
constexpr int kFrameHeight = 48;

// The largest 4:3 rectangle that fits, sides rounded to the nearest pixel
// (which never makes them larger than the output).
ViewRect fill_rect(int out_w, int out_h) {
    if (out_w * 3 <= out_h * 4) return {0, 0, out_w, (out_w * 3 + 2) / 4};
    return {0, 0, (out_h * 8 + 3) / 6, out_h};
}

}  // namespace

ViewRect OutputRect(int out_w, int out_h, Scaling scaling) {
    ViewRect r{0, 0, kImageWidth, kImageHeight};
    if (out_w <= 0 || out_h <= 0) return r;
    const int factor = std::min(out_w / kImageWidth, out_h / kImageHeight);
    if (scaling == Scaling::WholeFactors && factor >= 1) r = {0, 0, kImageWidth * factor, kImageHeight * factor};
    else r = fill_rect(out_w, out_h);
    r.x = (out_w - r.w) / 2;
    r.y = (out_h - r.h) / 2;
    return r;
}

void OutputToImage(const ViewRect& view, int ox, int oy, int* ix, int* iy) {
    const int w = view.w > 0 ? view.w : kImageWidth;
    const int h = view.h > 0 ? view.h : kImageHeight;
    // Floor division, so that points left of or above the image stay negative
    // until clamped instead of rounding towards 0.
    auto scale = [](int offset, int image, int out) {
        long long p = (long long)offset * image;
        return int(p >= 0 ? p / out : -((-p + out - 1) / out));
    };
    *ix = std::clamp(scale(ox - view.x, kImageWidth, w), 0, kImageWidth - 1);
    *iy = std::clamp(scale(oy - view.y, kImageHeight, h), 0, kImageHeight - 1);
}

namespace {

// Window units to output pixels and back; equal sizes leave points as they are.
int to_pixels(int units, int win, int out) { return win > 0 && out != win ? int((long long)units * out / win) : units; }
int to_units(int pixels, int win, int out) { return out > 0 && out != win ? int((long long)pixels * win / out) : pixels; }

}  // namespace

void WindowPointToImage(int win_w, int win_h, int out_w, int out_h, Scaling scaling, int wx, int wy, int* ix,
                        int* iy) {
    OutputToImage(OutputRect(out_w, out_h, scaling), to_pixels(wx, win_w, out_w), to_pixels(wy, win_h, out_h), ix, iy);
}

ViewRect ImageRectInWindow(int win_w, int win_h, int out_w, int out_h, Scaling scaling) {
    const ViewRect v = OutputRect(out_w, out_h, scaling);
    const int x0 = to_units(v.x, win_w, out_w), y0 = to_units(v.y, win_h, out_h);
    return {x0, y0, to_units(v.x + v.w, win_w, out_w) - x0, to_units(v.y + v.h, win_h, out_h) - y0};
}

int FirstWindowFactor(int usable_w, int usable_h) {
    return std::max(1, std::min((usable_w - kFrameWidth) / kImageWidth, (usable_h - kFrameHeight) / kImageHeight));
}

}  // namespace platform
