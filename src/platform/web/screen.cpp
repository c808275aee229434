// The page's screen: the canvas holds the picture at its own size and the
// page scales it. Each flip turns the back buffer into RGBA through the
// palette and hands it over whole.
#include <emscripten.h>

#include <vector>

#include "platform/portable/scaled_conversion.h"
#include "platform/web/web_internal.h"

namespace platform::internal {

struct Screen {
    std::array<std::uint32_t, 256> lut{};
    std::vector<std::uint8_t> rgba = std::vector<std::uint8_t>(std::size_t(kImageWidth) * kImageHeight * 4);
    // When the last flip's wait ended: the game's frame runs from there.
    double frame_start = 0;
};

Screen* OpenScreen(Window*) { return new Screen; }
void CloseScreen(Screen* screen) { delete screen; }
void ScreenSetMode(Screen*) {}
bool ScreenPrepare(Screen*) { return true; }

// Bytes R, G, B, A as the canvas takes them.
void ScreenSetColours(Screen* screen, const std::array<PALETTEENTRY, 256>* entries) {
    for (int i = 0; i < 256; ++i) {
        const PALETTEENTRY c = ShownColour(entries, i);
        screen->lut[std::size_t(i)] = c.peRed | std::uint32_t(c.peGreen) << 8 | std::uint32_t(c.peBlue) << 16 | 0xFF000000u;
    }
}

bool ScreenConvert(Screen* screen, const IndexedImage& image) {
    if (image.w != kImageWidth || image.h != kImageHeight) return false;
    const PixelTarget target{screen->rgba.data(), kImageWidth * 4, 4};
    ConvertScaled(image.row(0), image.pitch, screen->lut.data(), target, ViewRect{0, 0, kImageWidth, kImageHeight});
    return true;
}

bool ScreenPresent(Screen* screen) {
    ferrow_page_present(screen->rgba.data());
    // The frame's work, from the end of the last wait to here, for the
    // page's frame times.
    if (screen->frame_start > 0) ferrow_page_frame(emscripten_get_now() - screen->frame_start);
    return true;
}

void ScreenFrameStarts(Screen* screen) {
    HandOverIfNotSlept();
    screen->frame_start = emscripten_get_now();
}

// The page leaves full-screen itself when it shows a report; the game's own
// switch is the page's button and Alt+Enter, which browsers allow only in
// answer to the player.
void LeaveFullscreen() {}
// A page cannot hold the pointer; the edges still scroll while it is over
// the picture.
void UpdatePointerConfinement() {}

// The page sends points in the picture's pixels already; only the clamp to
// the picture is left, for a pointer beside it.
void WindowToImage(int wx, int wy, int* ix, int* iy) {
    OutputToImage(ViewRect{0, 0, kImageWidth, kImageHeight}, wx, wy, ix, iy);
}

}  // namespace platform::internal
