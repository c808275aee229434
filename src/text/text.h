// One line (or a few) of bitmap-font text on a surface of its own, copied
// cell by cell from a font picture of the store and put onto the back buffer
// in one blit per frame.
#pragma once
#include <cstdint>

#include "platform/display_device.h"

class _text {
public:
    // Font layout shared by both font pictures.
    static constexpr int kZellbreite = 19;  // a cell; neighbours overlap on the text by 4
    static constexpr int kVorschub = 15;    // advance per character and per line

    platform::DirectDraw* lpdd = nullptr;
    platform::Surface* lpddsprimary = nullptr;
    platform::Surface* lpddsback = nullptr;
    // The font's picture number. Its surface is taken from the store each time
    // the text is written, since restoring the display builds the store's
    // surfaces anew.
    std::int32_t zeichensatz = 0;
    std::int32_t bildx = 0;
    std::int32_t bildy = 0;
    std::int32_t sichtx = 0;
    std::int32_t sichty = 0;
    std::int32_t posx = 0;
    std::int32_t posy = 0;
    std::int32_t transparent = 0;
    platform::Surface* surface = nullptr;

    void init(platform::DirectDraw* dd, platform::Surface* primary, platform::Surface* back, std::int32_t bild);
    void setzeichensatz(std::int32_t bild);
    void setposition(std::int32_t x, std::int32_t y);
    // A new surface of the size, filled with palette index 1, which is made its
    // transparent colour; null after a report. The surface passed in is left
    // alone: each text gets its surface once.
    platform::Surface* erzeugesurface(platform::Surface* alt, std::int32_t breite, std::int32_t hoehe);
    // Empties the surface (all index 1, so transparent).
    void loeschen();
    // Lays the text over what the surface shows, its first character at (x, y);
    // "<" starts a new line. Returns the number of characters in the text.
    std::int32_t schreiben(const char* text, std::int32_t x, std::int32_t y);
    // Puts the surface onto the back buffer at (posx, posy); 0 = drawn or not
    // visible, 1 = failed (reported).
    std::int32_t zeichnen();
    void freigeben();
};
