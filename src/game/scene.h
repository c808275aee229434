// The playing scene: sea, raft, gun, islands with palm trees, lighthouse,
// sun, head-up display and logo, and a random first population of clouds,
// pigs and a boat.
#pragma once
#include <cstdint>
#include <initializer_list>
#include <utility>

#include "layers/layer.h"

// 0 = first build, which makes the twenty layers; else rebuild into them.
void szeneaufbauen(std::int32_t wiederholung);
void zufallsszene();

// Makes an object whose named parameter slots take the given values (all
// others 0); returns its number in the layer, or -1.
std::int32_t objekt(int layer, int bild, int x, int y, std::initializer_list<std::pair<parameter, int>> werte = {});

// Shows frame `frame` in the image slot of a freshly made object, if it was made.
void startframe(int layer, std::int32_t objektnummer, int frame);
