// Which part of a picture the 640 x 480 view shows, and where on the screen.
#pragma once
#include <cstdint>

#include "platform/portable/presentation.h"
#include "platform/surface.h"

struct Ausschnitt {
    std::int32_t blitx = 0, blity = 0;  // screen position of the part's top-left corner
    platform::Rect quelle{};            // the part, relative to the picture's corner
};

// A picture of breite x hoehe at world (x, y), seen through the view whose
// top-left corner is at world (sichtx, sichty). False when none of it shows.
inline bool sichtausschnitt(std::int32_t x, std::int32_t y, std::int32_t breite, std::int32_t hoehe,
                            std::int32_t sichtx, std::int32_t sichty, Ausschnitt* a) {
    constexpr std::int32_t w = platform::kImageWidth, h = platform::kImageHeight;
    if (x >= sichtx + w || x + breite <= sichtx || y >= sichty + h || y + hoehe <= sichty) return false;
    a->blitx = x < sichtx ? 0 : x - sichtx;
    a->blity = y < sichty ? 0 : y - sichty;
    a->quelle = {x < sichtx ? sichtx - x : 0, y < sichty ? sichty - y : 0,
                 x + breite > sichtx + w ? sichtx + w - x : breite, y + hoehe > sichty + h ? sichty + h - y : hoehe};
    return true;
}
