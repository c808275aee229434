// The picture scaled sharp to any size at least its own: each image pixel
// becomes a block of whole output pixels, and only the one output column or
// row that straddles the border between two image pixels is a blend of the
// two, weighted by the area each covers. Nearest-neighbour would make pixels
// of uneven widths that shimmer when the scene scrolls; plain bilinear blurs.
#pragma once
#include <cstdint>
#include <vector>

#include "platform/portable/scaled_conversion.h"
#include "platform/portable/scaling_kernels.h"

namespace platform {

class FillScaler {
public:
    // Plans the scaling of the image to a view of w x h pixels, each at
    // least the image's own. A whole factor is planned as such and converts
    // as fast as it always did.
    void Plan(int w, int h);
    int Width() const { return width_; }
    int Height() const { return int(rows_.size()); }
    bool WholeFactor() const { return whole_factor_ != 0; }

    // The view's rows that show image rows first .. end - 1, the blended
    // rows at both ends included: out_first .. out_end - 1.
    void OutputRows(int first, int end, int* out_first, int* out_end) const;

    // The image or the colours changed: no image row is widened yet.
    void NewImage() { wide_row_[0] = wide_row_[1] = -1; }

    // Converts the view's rows out_first .. out_end - 1 through the colour
    // table into `view` of a 32-bit output (view.w x view.h as planned).
    // Rows widened for the last call are used again: call NewImage first
    // when the image or the colours changed since.
    void Convert(const std::uint8_t* image, int image_pitch, const std::uint32_t* lut, const PixelTarget& out,
                 const ViewRect& view, int out_first, int out_end);

private:
    // One output row: the image row it shows, and that row's share of it
    // in 32768ths, the rest being the next row's (32768: the row alone).
    struct Row {
        int image_row;
        std::uint32_t share;
    };

    const std::uint32_t* widened(const std::uint8_t* image, int image_pitch, const std::uint32_t* lut, int row,
                                 int keep);

    int width_ = 0;
    int whole_factor_ = 0;  // 0 when not a whole factor
    bool stream_ = false;   // the output written past the cache
    std::vector<Row> rows_;
    std::vector<int> first_row_, end_row_;  // per image row, the output rows it touches
    // Each image column's share of its blend with the next column, once for
    // each of a pixel's four bytes (0: no blend).
    std::vector<std::uint16_t> shares_ = std::vector<std::uint16_t>(std::size_t(kImageWidth + 4) * 4);
    // Which of an image row's colours and blends each output column shows.
    Placement columns_;
    // An image row's colours, then each with its blend with the next.
    std::vector<std::uint32_t> colours_ = std::vector<std::uint32_t>(kImageWidth + 4);
    std::vector<std::uint32_t> pairs_ = std::vector<std::uint32_t>(std::size_t(kImageWidth) * 2 + 8);
    // Two widened image rows, so that a blended output row finds both of its
    // rows, and the image row each holds (-1: none).
    std::vector<std::uint32_t> wide_[2];
    int wide_row_[2] = {-1, -1};
};

}  // namespace platform
