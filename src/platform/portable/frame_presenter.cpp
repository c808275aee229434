#include "platform/portable/frame_presenter.h"

#include <algorithm>
#include <cstring>

namespace platform {
namespace {

constexpr int kRowsAtATime = 16;

}  // namespace

void FramePresenter::SetScaling(Scaling scaling) {
    if (scaling != scaling_) whole_ = true;
    scaling_ = scaling;
}

// Bars are drawn once for each size of the output; the frames after it send
// only the picture.
void FramePresenter::draw_bars(const OutputPixels& out, std::uint32_t black) {
    for (int y = 0; y < out.h; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(out.pixels + std::size_t(y) * out.pitch);
        if (y < view_.y || y >= view_.y + view_.h) {
            std::fill_n(row, out.w, black);
        } else {
            std::fill_n(row, view_.x, black);
            std::fill(row + view_.x + view_.w, row + out.w, black);
        }
    }
}

// Image row y differs from what the output shows; it is taken as shown.
bool FramePresenter::take_row(const std::uint8_t* row, int y) {
    std::uint8_t* shown = &shown_[std::size_t(y) * kImageWidth];
    if (std::memcmp(row, shown, kImageWidth) == 0) return false;
    std::memcpy(shown, row, kImageWidth);
    return true;
}

// The output rows that show image rows first .. end - 1, converted and
// added to the bands. Neighbouring runs of changed rows share the blended
// output row between them; it is converted and sent once.
void FramePresenter::convert_rows(const std::uint8_t* image, int image_pitch, const std::uint32_t* lut,
                                  const OutputPixels& out, int first, int end) {
    int out_first = 0, out_end = 0;
    scaler_.OutputRows(first, end, &out_first, &out_end);
    if (!bands_.empty()) {
        ViewRect& last = bands_.back();
        out_first = std::max(out_first, last.y + last.h - view_.y);
    }
    if (out_first >= out_end) return;
    scaler_.Convert(image, image_pitch, lut, {out.pixels, out.pitch, 4}, view_, out_first, out_end);
    if (!bands_.empty() && bands_.back().y + bands_.back().h == view_.y + out_first)
        bands_.back().h += out_end - out_first;
    else
        bands_.push_back({view_.x, view_.y + out_first, view_.w, out_end - out_first});
}

const std::vector<ViewRect>& FramePresenter::Present(const std::uint8_t* image, int image_pitch,
                                                     const std::uint32_t* lut, const OutputPixels& out) {
    bands_.clear();
    if (!out.pixels || out.w <= 0 || out.h <= 0) return bands_;
    if (out.pixels != last_.pixels || out.pitch != last_.pitch || out.w != last_.w || out.h != last_.h) whole_ = true;
    const bool new_colours = std::memcmp(colours_.data(), lut, sizeof colours_) != 0;
    std::memcpy(colours_.data(), lut, sizeof colours_);

    if (whole_) {
        view_ = OutputRect(out.w, out.h, scaling_);
        scaler_.Plan(view_.w, view_.h);
        draw_bars(out, lut[0]);
    }
    scaler_.NewImage();
    // Smaller than the image (a small window): each output pixel takes the
    // image pixel under its centre, the whole picture each frame.
    if (scaler_.Width() == 0) {
        ConvertScaled(image, image_pitch, lut, {out.pixels, out.pitch, 4}, view_);
        bands_.push_back(whole_ ? ViewRect{0, 0, out.w, out.h} : view_);
    } else if (whole_ || new_colours) {
        for (int y = 0; y < kImageHeight; ++y) take_row(image + std::size_t(y) * image_pitch, y);
        convert_rows(image, image_pitch, lut, out, 0, kImageHeight);
        if (whole_) bands_.assign(1, {0, 0, out.w, out.h});
    } else {
        // Rows of the picture that are as the output shows them already are
        // neither converted nor sent: a playing frame changes about a third
        // of them, and at a large scale the conversion and the display's
        // copy are most of the work.
        // Filled, long runs are converted sixteen rows at a time, while the
        // rows just compared are still in the cache; by whole factors each
        // run goes in one piece. Measured in play at 4K, the other way
        // round costs a third more processor time in either mode.
        const int piece = scaler_.WholeFactor() ? kImageHeight : kRowsAtATime;
        for (int y = 0; y < kImageHeight;) {
            if (!take_row(image + std::size_t(y) * image_pitch, y)) {
                ++y;
                continue;
            }
            int end = y + 1;
            while (end < kImageHeight && end - y < piece && take_row(image + std::size_t(end) * image_pitch, end))
                ++end;
            convert_rows(image, image_pitch, lut, out, y, end);
            y = end;
        }
    }
    last_ = out;
    whole_ = false;
    return bands_;
}

}  // namespace platform
