// The picture scaled sharp to any size at least its own: each image pixel
// becomes a block of whole output pixels, and only the one output column or
// row that straddles the border between two image pixels is a blend of the
// two, weighted by the area each covers. Nearest-neighbour would make pixels
// of uneven widths that shimmer when the scene scrolls; plain bilinear blurs.
#pragma once
#include <cstdint>
#include <vector>

#include "platform/scaled_conversion.h"

namespace platform {

class FillScaler {
public:
    // Plans the scaling of the image to a view of w x h pixels, each at
    // least the image's own. A whole factor is planned as such and converts
    // as fast as it always did.
    void Plan(int w, int h);
    int Width() const { return width_; }
    int Height() const { return int(rows_.size()); }

    // The view's rows that show image rows first .. end - 1, the blended
    // rows at both ends included: out_first .. out_end - 1.
    void OutputRows(int first, int end, int* out_first, int* out_end) const;

    // Converts the view's rows out_first .. out_end - 1 through the colour
    // table into `view` of a 32-bit output (view.w x view.h as planned).
    void Convert(const std::uint8_t* image, int image_pitch, const std::uint32_t* lut, const PixelTarget& out,
                 const ViewRect& view, int out_first, int out_end);

private:
    // One output row: the image row it shows, and that row's share of it
    // in 65536ths, the rest being the next row's (65536: the row alone).
    struct Row {
        int image_row;
        std::uint32_t share;
    };
    // Image columns: the first output column that shows the pixel alone,
    // how many do, and the pixel's share of the blend with the next pixel
    // that follows them (0: none).
    struct Column {
        int start;
        std::uint16_t alone;
        std::uint16_t share;
    };

    const std::uint32_t* widened(const std::uint8_t* image, int image_pitch, const std::uint32_t* lut, int row,
                                 int keep);
    void widen(const std::uint8_t* in, const std::uint32_t* lut, std::uint32_t* out);

    int width_ = 0;
    int whole_factor_ = 0;  // 0 when not a whole factor
    int longest_run_ = 0;   // the most output columns an image column has alone
    std::vector<Row> rows_;
    std::vector<int> first_row_, end_row_;  // per image row, the output rows it touches
    std::vector<Column> columns_ = std::vector<Column>(kImageWidth);
    // Each column's share of its blend and the next column's, once for each
    // of a pixel's four bytes, as the blend of four pixels at a time reads them.
    std::vector<std::uint16_t> own_share_ = std::vector<std::uint16_t>(std::size_t(kImageWidth + 4) * 4);
    std::vector<std::uint16_t> next_share_ = std::vector<std::uint16_t>(std::size_t(kImageWidth + 4) * 4);
    // Two widened image rows, so that a blended output row finds both of its
    // rows, and the image row each holds (-1: none).
    std::vector<std::uint32_t> wide_[2];
    int wide_row_[2] = {-1, -1};
    std::vector<std::uint32_t> colours_ = std::vector<std::uint32_t>(kImageWidth + 4);
    std::vector<std::uint32_t> blends_ = std::vector<std::uint32_t>(kImageWidth + 4);
};

}  // namespace platform
