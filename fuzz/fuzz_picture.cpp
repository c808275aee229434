// A BMP file through the picture store's load, as the game loads its pictures,
// then drawn through a layer onto the back buffer: clipped at every edge and
// with frames that may lie beyond the loaded picture.
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "graphics/display.h"
#include "graphics/graphics_store.h"
#include "harness.h"
#include "layers/layer.h"

namespace {

std::uint32_t le(const std::uint8_t* p, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = v << 8 | p[i];
    return v;
}

// Pictures whose header asks for more than a million pixels are skipped:
// their cost is their size, which tells nothing about the loader and only
// slows the search (the game's largest has 2560 x 15).
bool too_large(const std::uint8_t* data, std::size_t size) {
    if (size < 26) return false;
    const bool core = le(data + 14, 4) == 12;  // the old header: 16-bit sizes
    const std::int64_t w = core ? std::int64_t(le(data + 18, 2)) : std::int64_t(std::int32_t(le(data + 18, 4)));
    const std::int64_t h = core ? std::int64_t(le(data + 20, 2)) : std::int64_t(std::int32_t(le(data + 22, 4)));
    return (w < 0 ? -w : w) * (h < 0 ? -h : h) > (std::int64_t(1) << 20);
}

// Two records of the same file, as the catalogue writes them: an animated
// strip of keyed 32 x 32 frames, and a still opaque picture of 640 x 240.
void register_pictures(const std::string& path) {
    grafikdaten strip;
    std::snprintf(strip.name, sizeof strip.name, "%s", path.c_str());
    strip.breite = 192;
    strip.hoehe = 32;
    strip.framebreite = 32;
    strip.framehoehe = 32;
    strip.frames = 6;
    strip.animiert = true;
    strip.transparent = true;
    grafikdaten still = strip;
    still.breite = still.framebreite = 640;
    still.hoehe = still.framehoehe = 240;
    still.frames = 1;
    still.animiert = false;
    still.transparent = false;
    grafikdatenbank.setgrafikdaten(strip);
    grafikdatenbank.setgrafikdaten(still);
}

void draw() {
    _layerdaten layer;
    layer.lpdd = lpdd;
    layer.lpddsprimary = lpddsprimary;
    layer.lpddsback = lpddsback;
    layer.grafikdatenbank = &grafikdatenbank;
    // Inside, and across each edge of the 640 x 480 view.
    const int orte[][2] = {{100, 100}, {-20, -20}, {620, 470}, {-5, 300}, {300, -200}};
    for (const auto& ort : orte) {
        layer.addbild(0, ort[0], ort[1]);
        layer.addbild(1, ort[0], ort[1]);
    }
    // The strip advances a frame each draw, past the picture's real width.
    for (int i = 0; i < 7; ++i) {
        if (layer.zeichnen(&grafikdatenbank)) harness::Fault("drawing a loaded picture failed", harness::LastReport());
        layer.scrollx += 7;
        layer.scrolly -= 3;
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    harness::Start();
    harness::OpenDisplay();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (too_large(data, size)) return -1;
    const std::string path = harness::WriteInput("input.bmp", data, size);
    grafikdatenbank.init(lpdd, lpddsprimary, lpddsback);
    register_pictures(path);
    // A picture that does not load ends the game with a report; that is the
    // answer to a damaged file, not a fault.
    if (grafikdatenbank.loadgrafikdaten() == 0) draw();
    grafikdatenbank.freigeben();
    if (harness::TakeReport()) harness::OpenDisplay();
    return 0;
}
