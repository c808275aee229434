// The picture through the palette into a 32-bit buffer of the window's size:
// bars drawn when the size changes, then only the rows that changed since the
// last frame, whole factors scaled; what changed comes back as bands to send.
// Free of the system, so that it reads as what it does.
#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "platform/internal.h"
#include "platform/palette_object.h"
#include "platform/presentation.h"

namespace platform::internal {

class PictureFilling {
public:
    // Pixels as 0x00RRGGBB. Null: the grey ramp. Entries 0 and 255 stay black
    // and white whatever the palette says.
    void SetColours(const std::array<PALETTEENTRY, 256>* entries);
    // Bars and picture are drawn whole with the next frame.
    void Invalidate() { whole_ = true; }
    // The buffer holds w x h pixels, pitch bytes from row to row; false when
    // the image is not the game's picture.
    bool Fill(const IndexedImage& image, std::uint8_t* pixels, int w, int h, int pitch);
    // The parts of the buffer the last Fill changed.
    const std::vector<ViewRect>& Bands() const { return bands_; }

private:
    std::array<std::uint32_t, 256> lut_{};
    bool whole_ = true;
    int w_ = 0, h_ = 0;
    // The picture as the buffer holds it.
    std::vector<std::uint8_t> shown_ = std::vector<std::uint8_t>(std::size_t(kImageWidth) * kImageHeight);
    std::vector<ViewRect> bands_;
};

}  // namespace platform::internal
