// The display: the 640 x 480 8-bit mode, the flip chain and the palette.
#pragma once
#include <cstdint>

#include "platform/display_device.h"

extern platform::DirectDraw* lpdd;
extern platform::Surface* lpddsprimary;
extern platform::Surface* lpddsback;
extern platform::Palette* spielpalette;

// 0 = display ready, 1 = failed (the window set-up reports it).
int initdirectdraw(platform::Window* fenster);
// Shows the back buffer just drawn; a failure is fatal.
void seitenumschaltung();
// Fills the whole surface with one palette index.
void flaecheloeschen(platform::Surface* surface, std::uint8_t farbe);
// After re-activation: restores the lost primary and reloads every picture;
// true when done, so the caller re-bases the game clock.
bool wiederherstellen();
