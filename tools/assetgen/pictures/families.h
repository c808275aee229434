// The families of pictures, each drawn by its own file into one set by file name.
#pragma once
#include <map>
#include <string>

#include "image.h"

namespace assetgen {

using PictureSet = std::map<std::string, Image>;

void draw_lettering(PictureSet& out);  // fonts, digits, countdown, banners, colour table
void draw_pigs(PictureSet& out);       // flying, falling and propeller pigs
void draw_boats(PictureSet& out);      // motor boats, rowing boat, sailing boat
void draw_raft(PictureSet& out);       // the player's raft
void draw_gun(PictureSet& out);        // the player's gun
void draw_sea(PictureSet& out);        // open sea, wave strip, surf, glitter
void draw_land(PictureSet& out);       // islands, lighthouse, sign
void draw_plants(PictureSet& out);     // palm trunks and crowns, bush, torn leaves
void draw_sky(PictureSet& out);        // sun, its eyes, clouds
void draw_effects(PictureSet& out);    // splashes, rings, splats, dust, smoke, cartridges

}  // namespace assetgen
