// The store of every picture: frame layout, animation, transparency and the
// off-screen surface of its pixels, addressed by picture number.
#pragma once
#include <cstdint>

#include "platform/display_device.h"

struct grafikdaten {
    std::int32_t nummer = 0;       // as the catalogue writes it; no lookup uses it
    std::int32_t breite = 0;       // informational: the surface takes the bitmap's size
    std::int32_t hoehe = 0;
    std::int32_t framebreite = 0;  // frame k lies at x = k * framebreite
    std::int32_t framehoehe = 0;
    bool animiert = false;         // frames advance by themselves while drawn
    std::int32_t verzoegerung = 0; // draws a frame stays, less one
    std::int32_t frames = 1;
    std::int32_t framezeilen = 1;
    bool transparent = false;      // drawn with the colour key of its top-left pixel
    std::uint32_t keyfarbe = 0;    // the first four bytes of the loaded surface
    platform::Surface* surface = nullptr;
    char name[40] = {};
};

class _grafikdatenbank {
public:
    static constexpr int kPlaetze = 300;

    platform::DirectDraw* lpdd = nullptr;
    platform::Surface* lpddsprimary = nullptr;
    platform::Surface* lpddsback = nullptr;
    std::int32_t anzahl = 0;
    ::grafikdaten* grafikdaten[kPlaetze] = {};

    ~_grafikdatenbank() { freigeben(); }

    void init(platform::DirectDraw* dd, platform::Surface* primary, platform::Surface* back);
    // Registers a picture as the next number; 0 = done, 1 = failed (reported).
    std::uint8_t setgrafikdaten(::grafikdaten daten);
    // Builds every picture's surface anew from its file or resource.
    std::uint8_t loadgrafikdaten();
    platform::Surface* erzeugesurface(platform::Surface* alt, std::int32_t breite, std::int32_t hoehe);
    void freigeben();
};

extern _grafikdatenbank grafikdatenbank;
