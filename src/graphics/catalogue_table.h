// The one list of every picture, read by the game's catalogue and by the
// generator that draws the files. Its order fixes the picture numbers the
// whole game uses: a picture's number is its row.
#pragma once

#include "graphics/picture_numbers.h"

struct Katalogzeile {
    int nummer;
    const char* name;  // file in the data folder; "LOGO" is the program resource
    int breite, hoehe, framebreite, framehoehe, frames;
    bool animiert;
    int verzoegerung;  // kStill: a still picture's delay is never read
    bool transparent;
};

constexpr int kStill = -1;

// Rows 1, 3, 6, 14, 33, 34, 41 and 42 only hold their numbers in place. The
// splat strip is really six whole frames wide (360); drawing uses the frame
// size and the surface's real size, never the stated width.
inline constexpr Katalogzeile kKatalog[kKatalogBilder] = {
    { 0, "wasser256.bmp",            640, 240, 640, 240,  1, 0, kStill, 0},
    { 1, "colortable.bmp",            10,  10,  10,  10,  1, 0, kStill, 0},
    { 2, "floss9256.bmp",           1440, 140, 160, 140,  9, 0, kStill, 1},
    { 3, "colortable.bmp",            10,  10,  10,  10,  1, 0, kStill, 0},
    { 4, "tschik256.bmp",            192,  50,  32,  50,  6, 1,      8, 1},
    { 5, "wellerund256.bmp",         192,  32,  32,  32,  6, 1,      3, 1},
    { 6, "colortable.bmp",            10,  10,  10,  10,  1, 0, kStill, 0},
    { 7, "welle256.bmp",            2560,  15, 640,  15,  4, 1,     12, 1},
    { 8, "sonne2256.bmp",            480,  60,  60,  60,  8, 1,      7, 1},
    { 9, "sauflug256.bmp",           352,  32,  32,  32, 11, 1,      4, 1},
    {10, "spritzer3256.bmp",          88,  11,  11,  11,  8, 1,      2, 1},
    {11, "sauflug1256.bmp",          176,  16,  16,  16, 11, 1,      4, 1},
    {12, "sauflug2256.bmp",          176,  16,  16,  16, 11, 1,      4, 1},
    {13, "sauflug3256.bmp",          352,  32,  32,  32, 11, 1,      4, 1},
    {14, "colortable.bmp",            10,  10,  10,  10,  1, 0, kStill, 0},
    {15, "absturz256.bmp",           192,  32,  32,  32,  6, 1,      3, 1},
    {16, "absturz2256.bmp",           96,  16,  16,  16,  6, 1,      3, 1},
    {17, "spiegelung256.bmp",        176,  50,  44,  50,  4, 1,      7, 1},
    {18, "spritzer256.bmp",          352,  44,  44,  44,  8, 1,      4, 1},
    {19, "splat256.bmp",             350,  50,  60,  50,  6, 1,      4, 1},
    {20, "splat2256.bmp",            180,  25,  30,  25,  6, 1,      4, 1},
    {21, "spritzer2256.bmp",         140,  20,  20,  20,  7, 1,      4, 1},
    {22, "mun256.bmp",                30,  30,  30,  30,  1, 0, kStill, 1},
    {23, "zahlenx256.bmp",           216,  40,  18,  40, 12, 0, kStill, 1},
    {24, "rotabsturzvorne256.bmp",   352,  32,  32,  32, 11, 1,      4, 1},
    {25, "rotlinksvorne256.bmp",     352,  32,  32,  32, 11, 1,      4, 1},
    {26, "rotrechtsvorne256.bmp",    352,  32,  32,  32, 11, 1,      4, 1},
    {27, "rotabsturzhinten256.bmp",  176,  16,  16,  16, 11, 1,      4, 1},
    {28, "rotlinkshinten256.bmp",    176,  16,  16,  16, 11, 1,      4, 1},
    {29, "rotrechtshinten256.bmp",   176,  16,  16,  16, 11, 1,      4, 1},
    {30, "leuchtturm3256.bmp",       120, 320, 120, 320,  1, 0, kStill, 1},
    {31, "staub256.bmp",             100,  20,  20,  20,  5, 1,      3, 1},
    {32, "leuchtwasser2256.bmp",     720,  35, 144,  35,  5, 1,     15, 1},
    {33, "colortable.bmp",            10,  10,  10,  10,  1, 0, kStill, 0},
    {34, "colortable.bmp",            10,  10,  10,  10,  1, 0, kStill, 0},
    {35, "stumpf256.bmp",             30, 120,  30, 120,  1, 0, kStill, 1},
    {36, "bl0256.bmp",               364,  52,  52,  52,  7, 1,      8, 1},
    {37, "bl1256.bmp",               364,  52,  52,  52,  7, 1,     10, 1},
    {38, "bl2256.bmp",               364,  52,  52,  52,  7, 1,     14, 1},
    {39, "wolke30256.bmp",          1620,  54,  54,  54, 30, 0, kStill, 1},
    {40, "wolke130256.bmp",          810,  27,  27,  27, 30, 0, kStill, 1},
    {41, "colortable.bmp",            10,  10,  10,  10,  1, 0, kStill, 0},
    {42, "colortable.bmp",            10,  10,  10,  10,  1, 0, kStill, 0},
    {43, "puffea256.bmp",           1920,  80,  80,  80, 24, 0, kStill, 1},
    {44, "inselgrossx256.bmp",       250, 188, 250, 188,  1, 0, kStill, 1},
    {45, "inselgross2256.bmp",       240, 320, 240, 320,  1, 0, kStill, 1},
    {46, "inselwasser2256.bmp",     1440,  35, 288,  35,  5, 1,     15, 1},
    {47, "strauch256.bmp",           364,  52,  52,  52,  7, 1,     15, 1},
    {48, "huelse256.bmp",            272,  16,  16,  16, 17, 1,      0, 1},
    {49, "bl3256.bmp",               364,  52,  52,  52,  7, 1,     14, 1},
    {50, "bl4256.bmp",               364,  52,  52,  52,  7, 1,     14, 1},
    {51, "zerreiss256.bmp",          260,  52,  52,  52,  5, 1,      2, 1},
    {52, "auge0256.bmp",              10,  10,  10,  10,  1, 0, kStill, 1},
    {53, "auge2256.bmp",              10,  10,  10,  10,  1, 0, kStill, 1},
    {54, "stumpf2256.bmp",            70, 180,  70, 180,  1, 0, kStill, 1},
    {55, "font256.bmp",              580,  45, 580,  45,  1, 0, kStill, 1},
    {56, "font1256.bmp",             580,  45, 580,  45,  1, 0, kStill, 1},
    {57, "motors2256.bmp",           552,  64,  92,  64,  6, 1,      4, 1},
    {58, "motors3256.bmp",           552,  64,  92,  64,  6, 1,      4, 1},
    {59, "sauf0256.bmp",             736,  64,  92,  64,  8, 1,      4, 1},
    {60, "sauf1256.bmp",             736,  64,  92,  64,  8, 1,      4, 1},
    {61, "motors0256.bmp",           276,  32,  46,  32,  6, 1,      4, 1},
    {62, "motors1256.bmp",           276,  32,  46,  32,  6, 1,      4, 1},
    {63, "sauf2256.bmp",             368,  32,  46,  32,  8, 1,      4, 1},
    {64, "sauf3256.bmp",             368,  32,  46,  32,  8, 1,      4, 1},
    {65, "auge1256.bmp",              10,  10,  10,  10,  1, 0, kStill, 1},
    {66, "highlogo256.bmp",          400,  70, 400,  70,  1, 0, kStill, 1},
    {67, "leerlogo2256.bmp",         400,  35, 400,  35,  1, 0, kStill, 1},
    {68, "info256.bmp",              100,  50, 100,  50,  1, 0, kStill, 1},
    {69, "nopigx256.bmp",             50, 100,  50, 100,  1, 0, kStill, 1},
    {70, "boot4256.bmp",             480,  80, 120,  80,  4, 1,     15, 1},
    {71, "count2256.bmp",            480, 120,  80, 120,  6, 0, kStill, 0},
    {72, "segelbootx5256.bmp",      1428, 119, 119, 119, 12, 1,      8, 1},
    {73, "LOGO",                     311, 160, 311, 160,  1, 0, kStill, 0},
};

namespace katalogpruefung {

constexpr bool gleich(const char* a, const char* b) {
    while (*a && *a == *b) ++a, ++b;
    return *a == *b;
}

constexpr bool zeigt(int bild, const char* datei) {
    return kKatalog[bild].nummer == bild && gleich(kKatalog[bild].name, datei);
}

constexpr bool durchnummeriert() {
    for (int n = 0; n < kKatalogBilder; ++n)
        if (kKatalog[n].nummer != n) return false;
    return true;
}

// A name that moved off its picture, or a row out of place, stops the build.
static_assert(durchnummeriert());
static_assert(zeigt(kBildWasser, "wasser256.bmp"));
static_assert(zeigt(kBildWellenring, "wellerund256.bmp"));
static_assert(zeigt(kBildWelle, "welle256.bmp"));
static_assert(zeigt(kBildSonne, "sonne2256.bmp"));
static_assert(zeigt(kBildSpiegelung, "spiegelung256.bmp"));
static_assert(zeigt(kBildLeuchtturm, "leuchtturm3256.bmp"));
static_assert(zeigt(kBildLeuchtturmwasser, "leuchtwasser2256.bmp"));
static_assert(zeigt(kBildWolkeGross, "wolke30256.bmp"));
static_assert(zeigt(kBildWolkeKlein, "wolke130256.bmp"));
static_assert(zeigt(kBildInselFlach, "inselgrossx256.bmp"));
static_assert(zeigt(kBildInselFels, "inselgross2256.bmp"));
static_assert(zeigt(kBildBrandung, "inselwasser2256.bmp"));
static_assert(zeigt(kBildStrauch, "strauch256.bmp"));
static_assert(zeigt(kBildAugeOffen, "auge0256.bmp"));
static_assert(zeigt(kBildAugeBlau, "auge2256.bmp"));
static_assert(zeigt(kBildAugeZu, "auge1256.bmp"));
static_assert(zeigt(kBildSchild, "nopigx256.bmp"));
static_assert(zeigt(kBildStammKlein, "stumpf256.bmp"));
static_assert(zeigt(kBildStammGross, "stumpf2256.bmp"));
static_assert(zeigt(kBildWedelRechts, "bl0256.bmp"));
static_assert(zeigt(kBildWedelVorne, "bl1256.bmp"));
static_assert(zeigt(kBildWedelUntenLinks, "bl2256.bmp"));
static_assert(zeigt(kBildWedelLinks, "bl3256.bmp"));
static_assert(zeigt(kBildWedelOben, "bl4256.bmp"));
static_assert(zeigt(kBildBlattfetzen, "zerreiss256.bmp"));
static_assert(zeigt(kBildFloss, "floss9256.bmp"));
static_assert(zeigt(kBildGewehr, "puffea256.bmp"));
static_assert(zeigt(kBildHuelse, "huelse256.bmp"));
static_assert(zeigt(kBildSauLinks, "sauflug256.bmp"));
static_assert(zeigt(kBildSauRechts, "sauflug3256.bmp"));
static_assert(zeigt(kBildSauFernLinks, "sauflug1256.bmp"));
static_assert(zeigt(kBildSauFernRechts, "sauflug2256.bmp"));
static_assert(zeigt(kBildAbsturz, "absturz256.bmp"));
static_assert(zeigt(kBildAbsturzFern, "absturz2256.bmp"));
static_assert(zeigt(kBildRotAbsturz, "rotabsturzvorne256.bmp"));
static_assert(zeigt(kBildRotLinks, "rotlinksvorne256.bmp"));
static_assert(zeigt(kBildRotRechts, "rotrechtsvorne256.bmp"));
static_assert(zeigt(kBildRotAbsturzFern, "rotabsturzhinten256.bmp"));
static_assert(zeigt(kBildRotLinksFern, "rotlinkshinten256.bmp"));
static_assert(zeigt(kBildRotRechtsFern, "rotrechtshinten256.bmp"));
static_assert(zeigt(kBildMotorbootRechts, "motors2256.bmp"));
static_assert(zeigt(kBildMotorbootLinks, "motors3256.bmp"));
static_assert(zeigt(kBildMotorbootFernRechts, "motors0256.bmp"));
static_assert(zeigt(kBildMotorbootFernLinks, "motors1256.bmp"));
static_assert(zeigt(kBildMotorbootTrefferLinks, "sauf0256.bmp"));
static_assert(zeigt(kBildMotorbootTrefferRechts, "sauf1256.bmp"));
static_assert(zeigt(kBildMotorbootFernTrefferLinks, "sauf2256.bmp"));
static_assert(zeigt(kBildMotorbootFernTrefferRechts, "sauf3256.bmp"));
static_assert(zeigt(kBildBoot, "boot4256.bmp"));
static_assert(zeigt(kBildSegelboot, "segelbootx5256.bmp"));
static_assert(zeigt(kBildSpritzerKlein, "spritzer3256.bmp"));
static_assert(zeigt(kBildSpritzerMittel, "spritzer2256.bmp"));
static_assert(zeigt(kBildSpritzerGross, "spritzer256.bmp"));
static_assert(zeigt(kBildSplat, "splat256.bmp"));
static_assert(zeigt(kBildSplatFern, "splat2256.bmp"));
static_assert(zeigt(kBildStaub, "staub256.bmp"));
static_assert(zeigt(kBildFarbtafel33, "colortable.bmp"));
static_assert(zeigt(kBildFarbtafel34, "colortable.bmp"));
static_assert(zeigt(kBildPatrone, "mun256.bmp"));
static_assert(zeigt(kBildZiffern, "zahlenx256.bmp"));
static_assert(zeigt(kBildSchrift, "font256.bmp"));
static_assert(zeigt(kBildSchriftHervorgehoben, "font1256.bmp"));
static_assert(zeigt(kBildHighscore, "highlogo256.bmp"));
static_assert(zeigt(kBildLeertaste, "leerlogo2256.bmp"));
static_assert(zeigt(kBildInfo, "info256.bmp"));
static_assert(zeigt(kBildCountdown, "count2256.bmp"));
static_assert(zeigt(kBildLogo, "LOGO"));

}  // namespace katalogpruefung
