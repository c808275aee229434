// Where the 640 x 480 image sits in a window or screen, and how a point of
// the window maps back onto the image. Pure arithmetic, kept apart because
// this is where letterboxing and scaling go wrong.
#pragma once

namespace platform {

constexpr int kImageWidth = 640;
constexpr int kImageHeight = 480;

struct ViewRect {
    int x, y, w, h;
};

// How the picture is scaled to the window or screen: into the largest 4:3
// rectangle that fits, or by the largest whole factor that fits, with bars.
enum class Scaling { Fill, WholeFactors };

// The picture's rectangle in an output of out_w x out_h pixels, centred.
// Whole factors in an output smaller than the image shrink it as fill does.
ViewRect OutputRect(int out_w, int out_h, Scaling scaling);

// A point of the output mapped onto image pixels, clamped to 0..639 and
// 0..479 so that a pointer on a letterbox bar still counts as the image edge.
void OutputToImage(const ViewRect& view, int ox, int oy, int* ix, int* iy);

// Mouse positions come in window units; a high-density display has more
// output pixels than that (out_w x out_h against win_w x win_h). A window
// point mapped onto the image through the output's pixels, clamped.
void WindowPointToImage(int win_w, int win_h, int out_w, int out_h, Scaling scaling, int wx, int wy, int* ix,
                        int* iy);

// The picture's rectangle in window units, for keeping the pointer on it.
ViewRect ImageRectInWindow(int win_w, int win_h, int out_w, int out_h, Scaling scaling);

// The whole factor a first window opens at: the largest at which the window
// and the frame a window manager puts round it fit the desktop's usable
// area (the screen less its panels); at least 1.
int FirstWindowFactor(int usable_w, int usable_h);

}  // namespace platform
