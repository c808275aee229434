// One plane of the scene: up to 300 image slots and up to 200 objects, with
// its own view origin and scroll step.
#pragma once
#include <cstdint>

#include "platform/display_device.h"

class _grafikdatenbank;
struct grafikdaten;

// The parameter slots an object's motion and life are read from; the other
// thirty slots of the block are never read.
enum parameter : int {
    takt = 1,          // frames per step (0 and 1: every frame)
    taktzaehler = 2,   // frame counter for takt
    links = 3,         // pixels left per step
    lebensdauer = 8,   // steps until the object ends; 0 = no limit
    bogenrechts = 9,   // speed of the arc flight to the right
    bogenlinks = 10,   // speed of the arc flight to the left
    bahn = 11,         // 0 none, 1 sway, 2 circle, 3 swing
    rechts = 12,       // pixels right per step
    hoch = 16,         // pixels up per step
    runter = 20,       // pixels down per step
};
constexpr int kParameter = 40;

// An object: an image slot bound to motion and a life span.
struct Ereigniss {
    std::int32_t parameterblock[kParameter] = {};
    bool aktiv = false;
    std::int32_t startx = 0, starty = 0;
    std::int32_t alter = 0;
    std::int32_t maxalter = 0;
    std::int32_t bild = 0;
    std::int32_t instanz = 0;      // the image slot that shows the object
    std::int32_t layernummer = 0;  // handed on to everything spawned from it
};

// One image slot: a picture shown (or hidden) at a world position.
struct Bildplatz {
    std::int32_t belegt = 0;  // 1: shown and hittable; 0: hidden, free for objects
    std::int32_t bild = 0;
    double x = 0, y = 0;      // world position of the frame's top-left corner
    platform::Rect rechteck{};  // the part of its frame last drawn
    std::int32_t blitx = -1, blity = -1;  // screen position of the last draw
    std::int32_t actualframe = 0;
    std::int32_t framezaehler = 0;
    std::int32_t verzoegerung = 0;
    std::int32_t zaehler = 0;  // step counter of arcs and paths
    std::int32_t winkel = 0;   // degrees of circles and swings
};

extern std::int32_t waffenbasis;  // the gun's base y, set by the scene

// The turning direction of every swinging object in every layer: 0 or 1.
// Program-wide and never reset, so swings stay in step across games.
extern std::int32_t schwenkrichtung;

// Sine and cosine of whole degrees, with pi as 3.1415927, as the paths are
// tuned to.
double sinusgrad(std::int32_t grad);
double cosinusgrad(std::int32_t grad);

class _layerdaten {
public:
    static constexpr int kBildplaetze = 300;
    static constexpr int kEreignisse = 200;

    platform::DirectDraw* lpdd = nullptr;
    platform::Surface* lpddsprimary = nullptr;
    platform::Surface* lpddsback = nullptr;
    Ereigniss* ereigniss[kEreignisse] = {};
    _grafikdatenbank* grafikdatenbank = nullptr;
    std::int32_t ereignissanzahl = 0;
    std::int32_t bilderanzahl = 0;
    std::int32_t layernummer = 0;
    Bildplatz bilder[kBildplaetze];
    // A slot's values exist once addbild has taken it; they stay while it is
    // hidden and across zuruecksetzen.
    bool speicher[kBildplaetze] = {};
    std::int32_t drehzaehler = 0;
    std::int32_t drehtakt = 6;
    std::int32_t scrollx = 0, scrolly = 0;
    std::int32_t scrollschrittx = 0, scrollschritty = 0;
    std::int32_t motorlaeuft = 0;

    _layerdaten() = default;
    ~_layerdaten();
    _layerdaten(const _layerdaten&) = delete;
    _layerdaten& operator=(const _layerdaten&) = delete;

    // Image slots (false = done, true = failed and reported).
    bool addbild(std::int32_t bild, std::int32_t x, std::int32_t y);
    // true when no slot could be had: reported, and the layer may be gone.
    bool bildvergeben(std::int32_t index, std::int32_t bild, std::int32_t x, std::int32_t y);
    void zuruecksetzen();
    void framesvor();
    void framesrueck();

    // Drawing: the objects step, then every shown slot is drawn.
    bool zeichnen(_grafikdatenbank* datenbank);
    void scrollxminus() { scrollx -= scrollschrittx; }
    void scrollxplus() { scrollx += scrollschrittx; }
    void scrollyminus() { scrolly -= scrollschritty; }
    void scrollyplus() { scrolly += scrollschritty; }

    // Objects: each frame's step of every live object.
    void bewegen();
    // A new object showing bild at (x, y); its index, or -1 when none is free.
    std::int32_t addereigniss(const std::int32_t (&parameterblock)[kParameter], std::int32_t layernummer, std::int32_t bild,
                              std::int32_t x, std::int32_t y);
    // Hides the object and frees its record; an object already ended is left
    // alone, as its former slot may show its successor by now.
    void beenden(std::int32_t index);

    // Shots: the topmost live object opaque under the click (screen pixels)
    // takes its hit reaction; its index, or -1.
    std::int32_t treffertest(_grafikdatenbank* datenbank, std::int32_t mx, std::int32_t my);
    // index if the object's picture is opaque at (px, py) of its surface, else -1.
    std::int32_t mask(_grafikdatenbank* datenbank, std::int32_t index, std::int32_t px, std::int32_t py);
    void treffer(_grafikdatenbank* datenbank, std::int32_t index, std::int32_t mx, std::int32_t my);
    // Adds to the score and shows the amount as rising digits at world (x, y).
    void trefferpunkte(std::int32_t layernummer, std::int32_t x, std::int32_t y, std::int32_t wert);

private:
    // Draws one shown slot clipped to the view; true when it failed (reported).
    bool platzzeichnen(Bildplatz& s, const grafikdaten& p);
    void platzfuellen(int n, std::int32_t bild, std::int32_t x, std::int32_t y);
};
