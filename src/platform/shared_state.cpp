#include "platform/internal.h"

namespace platform::internal {
namespace {

SDL_Palette* g_palette = nullptr;
Window* g_window = nullptr;

}  // namespace

SDL_Palette* SharedPalette() {
    if (!g_palette) {
        // Until the game's palette is set, a grey ramp keeps blits 1:1.
        g_palette = SDL_AllocPalette(256);
        SDL_Color grey[256];
        for (int i = 0; i < 256; ++i) grey[i] = {Uint8(i), Uint8(i), Uint8(i), 255};
        SDL_SetPaletteColors(g_palette, grey, 0, 256);
    }
    return g_palette;
}

void SetSharedColours(const std::array<PALETTEENTRY, 256>& entries) {
    SDL_Color colours[256];
    for (int i = 0; i < 256; ++i) colours[i] = {entries[i].peRed, entries[i].peGreen, entries[i].peBlue, 255};
    SDL_SetPaletteColors(SharedPalette(), colours, 0, 256);
}

Window* CurrentWindow() { return g_window; }
void SetCurrentWindow(Window* window) { g_window = window; }

}  // namespace platform::internal
