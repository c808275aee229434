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

    // Scrolling with parallax, tested on layer 7; the raft (layer 6) turns.
    void scrolllinks();
    void scrollrechts();
    void scrollhoch();
    void scrollrunter();
    // The view settling after a shot's jolt, and the sea swell.
    void ruckelschritt();
    void wellengang();
};

extern _layerdatenbank layerdatenbank;

// The sea swell's state, for the whole run.
extern std::int32_t wellenzaehler;
extern std::int32_t wellenschritte;
extern std::int32_t wellenrichtung;
constexpr std::int32_t wellentakt = 10;  // frames per swell step
constexpr std::int32_t wellenhub = 5;    // steps per direction
