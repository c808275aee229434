#include <new>

#include "platform/internal.h"

namespace platform {

std::unique_ptr<IndexedImage> NewIndexedImage(int w, int h) {
    auto image = std::unique_ptr<IndexedImage>(new (std::nothrow) IndexedImage);
    if (!image || w <= 0 || h <= 0) return nullptr;
    image->w = w;
    image->h = h;
    image->pitch = (w + 3) & ~3;
    image->pixels.reset(new (std::nothrow) std::uint8_t[std::size_t(image->pitch) * std::size_t(h)]());
    return image->pixels ? std::move(image) : nullptr;
}

namespace internal {
namespace {

std::array<PALETTEENTRY, 256> grey_ramp() {
    std::array<PALETTEENTRY, 256> grey{};
    for (int i = 0; i < 256; ++i) grey[i] = {std::uint8_t(i), std::uint8_t(i), std::uint8_t(i), 0};
    return grey;
}

std::array<PALETTEENTRY, 256> g_colours = grey_ramp();

}  // namespace

const std::array<PALETTEENTRY, 256>& SharedColours() { return g_colours; }

PALETTEENTRY ShownColour(const std::array<PALETTEENTRY, 256>* entries, int i) {
    const std::uint8_t grey = std::uint8_t(i);
    if (!entries || i == 0 || i == 255) return {grey, grey, grey, 0};
    return (*entries)[std::size_t(i)];
}
void SetSharedColours(const std::array<PALETTEENTRY, 256>& entries) { g_colours = entries; }

}  // namespace internal
}  // namespace platform
