#include "platform/portable/fill_scaling.h"

#include <algorithm>
#include <cstddef>

namespace platform {
namespace {

constexpr std::uint32_t kAlone = kWholeShare;

// Pictures up to this size are written through the cache, larger ones past
// it, as the whole factors' rows are. Measured in play, full screen: filled
// at 1024 x 768 (3 MB) the game takes an eighth less processor time through
// the cache, at 1440 x 1080 (6 MB) a tenth less past it.
constexpr std::size_t kCachedPictureBytes = std::size_t(4) << 20;

// Where output pixel j of an axis of `out` pixels showing `image` pixels
// takes its colour: the image pixel under its first edge, and that pixel's
// share of it in 32768ths (kAlone when it covers the whole output pixel).
// Every output pixel is at most as wide as an image pixel, so the rest of
// it, if any, is the next image pixel's.
struct Source {
    int pixel;
    std::uint32_t share;
};

Source source(int j, int image, int out) {
    const int pixel = int((long long)j * image / out);
    // The part of [j, j + 1) left of the pixel's far edge, in 1/image units.
    const long long covered = (long long)(pixel + 1) * out - (long long)j * image;
    if (covered >= image) return {pixel, kAlone};
    // Neither share may round to nothing or to the whole.
    const long long share = (covered * kAlone + image / 2) / image;
    return {pixel, std::uint32_t(std::clamp(share, 1LL, kAlone - 1LL))};
}

}  // namespace

void FillScaler::Plan(int w, int h) {
    width_ = 0;
    whole_factor_ = 0;
    rows_.clear();
    NewImage();
    if (w < kImageWidth || h < kImageHeight) return;
    width_ = w;
    stream_ = std::size_t(w) * std::size_t(h) * 4 > kCachedPictureBytes;
    if (w % kImageWidth == 0 && w / kImageWidth * kImageHeight == h) whole_factor_ = w / kImageWidth;

    // Output column j shows image column x alone (pair entry 2x) or its
    // blend with the next (2x + 1).
    std::vector<std::uint16_t> pick(static_cast<std::size_t>(w));
    std::fill(shares_.begin(), shares_.end(), 0);
    for (int j = 0; j < w; ++j) {
        const Source s = source(j, kImageWidth, w);
        pick[j] = std::uint16_t(2 * s.pixel + (s.share != kAlone));
        if (s.share != kAlone) std::fill_n(&shares_[std::size_t(s.pixel) * 4], 4, std::uint16_t(s.share));
    }
    columns_.Plan(pick);

    rows_.resize(std::size_t(h));
    first_row_.assign(kImageHeight, h);
    end_row_.assign(kImageHeight, 0);
    auto touches = [&](int image_row, int r) {
        first_row_[image_row] = std::min(first_row_[image_row], r);
        end_row_[image_row] = std::max(end_row_[image_row], r + 1);
    };
    for (int r = 0; r < h; ++r) {
        const Source s = source(r, kImageHeight, h);
        rows_[r] = {s.pixel, s.share};
        touches(s.pixel, r);
        if (s.share != kAlone) touches(s.pixel + 1, r);
    }
    // Room for the placement's last four, which may reach past the row.
    for (auto& wide : wide_) wide.assign(std::size_t(w) + 4, 0);
}

void FillScaler::OutputRows(int first, int end, int* out_first, int* out_end) const {
    *out_first = *out_end = 0;
    if (rows_.empty() || first < 0 || end > kImageHeight || first >= end) return;
    *out_first = first_row_[first];
    *out_end = end_row_[end - 1];
}

const std::uint32_t* FillScaler::widened(const std::uint8_t* image, int image_pitch, const std::uint32_t* lut,
                                         int row, int keep) {
    for (int i = 0; i < 2; ++i)
        if (wide_row_[i] == row) return wide_[i].data();
    const int slot = wide_row_[0] == keep ? 1 : 0;
    // The row through the table, each colour beside its blend with the
    // next, and each output column's pick of them.
    ConvertImageRow(image + std::size_t(row) * image_pitch, lut, reinterpret_cast<std::uint8_t*>(colours_.data()));
    colours_[kImageWidth] = colours_[kImageWidth - 1];
    PairWithBlends(colours_.data(), shares_.data(), pairs_.data(), kImageWidth);
    columns_.Place(pairs_.data(), wide_[slot].data());
    wide_row_[slot] = row;
    return wide_[slot].data();
}

void FillScaler::Convert(const std::uint8_t* image, int image_pitch, const std::uint32_t* lut, const PixelTarget& out,
                         const ViewRect& view, int out_first, int out_end) {
    if (view.w != width_ || view.h != Height() || width_ == 0 || out.bytes_per_pixel != 4) return;
    out_first = std::max(out_first, 0);
    out_end = std::min(out_end, view.h);
    if (out_first >= out_end) return;
    if (whole_factor_) {
        ConvertScaledRows(image, image_pitch, lut, out, view, out_first / whole_factor_,
                          (out_end - out_first) / whole_factor_);
        return;
    }
    for (int r = out_first; r < out_end; ++r) {
        auto* to = reinterpret_cast<std::uint32_t*>(out.pixels + std::size_t(view.y + r) * out.pitch +
                                                     std::size_t(view.x) * 4);
        const Row& row = rows_[r];
        if (row.share == kAlone) {
            CopyRow(widened(image, image_pitch, lut, row.image_row, -1), to, view.w, stream_);
        } else {
            const std::uint32_t* top = widened(image, image_pitch, lut, row.image_row, row.image_row + 1);
            const std::uint32_t* bottom = widened(image, image_pitch, lut, row.image_row + 1, row.image_row);
            BlendRows(top, bottom, row.share, to, view.w, stream_);
        }
    }
    if (stream_) FinishStreaming();
}

}  // namespace platform
