#include "platform/win32/picture_filling.h"

#include <cstring>

#include "platform/scaled_conversion.h"

namespace platform::internal {

void PictureFilling::SetColours(const std::array<PALETTEENTRY, 256>* entries) {
    for (int i = 0; i < 256; ++i) {
        std::uint32_t r = std::uint32_t(i), g = r, b = r;
        if (entries && i != 0 && i != 255) {
            r = (*entries)[i].peRed;
            g = (*entries)[i].peGreen;
            b = (*entries)[i].peBlue;
        }
        lut_[i] = r << 16 | g << 8 | b;
    }
    whole_ = true;
}

bool PictureFilling::Fill(const IndexedImage& image, std::uint8_t* pixels, int w, int h, int pitch) {
    if (image.w != kImageWidth || image.h != kImageHeight || w <= 0 || h <= 0) return false;
    const ViewRect view = OutputRect(w, h);
    const PixelTarget target{pixels, pitch, 4};
    bands_.clear();
    if (whole_ || w != w_ || h != h_ || !IsWholeFactorView(target, view)) {
        for (int y = 0; y < h; ++y) std::memset(pixels + std::size_t(y) * pitch, 0, std::size_t(w) * 4);
        ConvertScaled(image.row(0), image.pitch, lut_.data(), target, view);
        for (int y = 0; y < kImageHeight; ++y) std::memcpy(&shown_[std::size_t(y) * kImageWidth], image.row(y), kImageWidth);
        bands_.push_back({0, 0, w, h});
        whole_ = false;
        w_ = w;
        h_ = h;
        return true;
    }
    // Rows the buffer holds already are neither converted nor sent: a
    // playing frame changes about a third of them.
    auto take_row = [&](int y) {
        std::uint8_t* shown = &shown_[std::size_t(y) * kImageWidth];
        if (std::memcmp(image.row(y), shown, kImageWidth) == 0) return false;
        std::memcpy(shown, image.row(y), kImageWidth);
        return true;
    };
    const int k = view.w / kImageWidth;
    for (int y = 0; y < kImageHeight;) {
        if (!take_row(y)) {
            ++y;
            continue;
        }
        int end = y + 1;
        while (end < kImageHeight && take_row(end)) ++end;
        ConvertScaledRows(image.row(0), image.pitch, lut_.data(), target, view, y, end - y);
        bands_.push_back({view.x, view.y + y * k, view.w, (end - y) * k});
        y = end;
    }
    return true;
}

}  // namespace platform::internal
