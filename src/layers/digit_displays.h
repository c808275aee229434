// Numbers shown as digit objects: the score and time displays, and the rising
// points of a hit.
#pragma once
#include <cstdint>

#include "graphics/picture_numbers.h"

// The object numbers (on the digit layer) of the score's seven digits and of
// the time's six; filled by the first display after a new game.
extern std::int32_t punkteobjekte[7];
extern std::int32_t zeitobjekte[7];

// Frames of the digit strip kBildZiffern besides 0 to 9.
constexpr std::int32_t kZifferLeer = 10;
constexpr std::int32_t kZifferMinus = 11;
constexpr std::int32_t kZiffernbreite = 18;

// A number as the digit objects show it: no more than its first five digits,
// after a minus sign when it is negative.
struct Ziffernfolge {
    char text[16];  // room for any int32
    int anzahl;     // characters shown
    // The strip frame of character k.
    std::int32_t frame(int k) const { return text[k] == '-' ? kZifferMinus : text[k] - '0'; }
};
Ziffernfolge ziffernfolge(std::int32_t wert);
