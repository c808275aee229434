// Our own presentation of the 640 x 480 picture, shared by the backends
// that show it in memory of their own (the desktop's window surface without
// a graphics card, a DIB section on Windows): each frame the 8-bit image
// goes through the colour table into a 32-bit output, scaled into the
// picture's rectangle, and the backend is told which bands of the output
// changed, so that it sends only those to the display.
#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "platform/portable/fill_scaling.h"
#include "platform/portable/presentation.h"

namespace platform {

// An output of 32-bit pixels in the display's own byte order.
struct OutputPixels {
    std::uint8_t* pixels;  // the top-left pixel
    int pitch;             // bytes from one row to the next
    int w, h;
};

class FramePresenter {
public:
    void SetScaling(Scaling scaling);
    // The output was uncovered or lost its contents: the bars and the whole
    // picture are drawn again with the next frame.
    void Invalidate() { whole_ = true; }

    // Puts the image (640 x 480, one byte a pixel) into the output through
    // the 256 colours of `lut` and answers the output's rectangles that
    // changed. The bars, entry 0's colour, are drawn when the output is new
    // or of another size, and the whole output is answered then; otherwise
    // only the rows whose image rows changed since the last frame, or all
    // of the picture after a change of colours.
    const std::vector<ViewRect>& Present(const std::uint8_t* image, int image_pitch, const std::uint32_t* lut,
                                         const OutputPixels& out);

    // The picture's rectangle in the output of the last frame.
    const ViewRect& Picture() const { return view_; }

private:
    void draw_bars(const OutputPixels& out, std::uint32_t black);
    void convert_rows(const std::uint8_t* image, int image_pitch, const std::uint32_t* lut, const OutputPixels& out,
                      int first, int end);
    bool take_row(const std::uint8_t* row, int y);

    Scaling scaling_ = Scaling::Fill;
    bool whole_ = true;
    OutputPixels last_{nullptr, 0, 0, 0};
    ViewRect view_{0, 0, kImageWidth, kImageHeight};
    FillScaler scaler_;
    std::array<std::uint32_t, 256> colours_{};
    // The image as the output shows it.
    std::vector<std::uint8_t> shown_ = std::vector<std::uint8_t>(std::size_t(kImageWidth) * kImageHeight);
    std::vector<ViewRect> bands_;
};

}  // namespace platform
