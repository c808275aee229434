// The twenty layers of the scene, back (0) to front (19), and the one door
// through which the game adds to them, draws them and scrolls them.
#pragma once
#include <cstdint>

#include "layers/layer.h"

class _layerdatenbank {
public:
    static constexpr int kLayer = 20;

    platform::DirectDraw* lpdd = nullptr;
    platform::Surface* lpddsprimary = nullptr;
    platform::Surface* lpddsback = nullptr;
    std::int32_t anzahl = 0;
    std::int32_t ruckeln = 0;
    std::int32_t grenzelinks = 0;
    std::int32_t grenzerechts = 0;
    std::int32_t punkteinit = 0;
    std::int32_t zeitinit = 0;
    _layerdaten* layerdaten[kLayer] = {};

    ~_layerdatenbank() { freigeben(); }

    void init(platform::DirectDraw* dd, platform::Surface* primary, platform::Surface* back);
    bool Setlayerdaten(_grafikdatenbank* datenbank);
    bool addbild(std::int32_t layernummer, std::int32_t bild, std::int32_t x, std::int32_t y);
    bool zeichnen(_grafikdatenbank* datenbank, std::int32_t layernummer);
    bool allezeichnen(_grafikdatenbank* datenbank);
    void setpixelplus(std::int32_t layernummer, std::int32_t schrittx, std::int32_t schritty);
    bool freigeben();
    void neustart();

    // Objects, shots and the digit displays.
    std::int32_t addobject(const std::int32_t (&parameterblock)[kParameter], std::int32_t layern, std::int32_t bild,
                           std::int32_t x, std::int32_t y);
    // One shot at screen point (x, y); true when something was hit.
    bool schiessen(_grafikdatenbank* datenbank, std::int32_t x, std::int32_t y);
    void punkteanzeige();
    void zeitanzeige(std::int32_t wert);
};

extern _layerdatenbank layerdatenbank;
