#include "pictures/catalogue.h"

namespace assetgen {

const std::vector<CatalogueRow>& catalogue() {
    static const std::vector<CatalogueRow> rows{
        {0, "wasser256.bmp", 640, 240, 1, false},
        {1, "colortable.bmp", 10, 10, 1, false},
        {2, "floss9256.bmp", 160, 140, 9, true},
        {3, "colortable.bmp", 10, 10, 1, false},
        {4, "tschik256.bmp", 32, 50, 6, true},
        {5, "wellerund256.bmp", 32, 32, 6, true},
        {6, "colortable.bmp", 10, 10, 1, false},
        {7, "welle256.bmp", 640, 15, 4, true},
        {8, "sonne2256.bmp", 60, 60, 8, true},
        {9, "sauflug256.bmp", 32, 32, 11, true},
        {10, "spritzer3256.bmp", 11, 11, 8, true},
        {11, "sauflug1256.bmp", 16, 16, 11, true},
        {12, "sauflug2256.bmp", 16, 16, 11, true},
        {13, "sauflug3256.bmp", 32, 32, 11, true},
        {14, "colortable.bmp", 10, 10, 1, false},
        {15, "absturz256.bmp", 32, 32, 6, true},
        {16, "absturz2256.bmp", 16, 16, 6, true},
        {17, "spiegelung256.bmp", 44, 50, 4, true},
        {18, "spritzer256.bmp", 44, 44, 8, true},
        {19, "splat256.bmp", 60, 50, 6, true},
        {20, "splat2256.bmp", 30, 25, 6, true},
        {21, "spritzer2256.bmp", 20, 20, 7, true},
        {22, "mun256.bmp", 30, 30, 1, true},
        {23, "zahlenx256.bmp", 18, 40, 12, true},
        {24, "rotabsturzvorne256.bmp", 32, 32, 11, true},
        {25, "rotlinksvorne256.bmp", 32, 32, 11, true},
        {26, "rotrechtsvorne256.bmp", 32, 32, 11, true},
        {27, "rotabsturzhinten256.bmp", 16, 16, 11, true},
        {28, "rotlinkshinten256.bmp", 16, 16, 11, true},
        {29, "rotrechtshinten256.bmp", 16, 16, 11, true},
        {30, "leuchtturm3256.bmp", 120, 320, 1, true},
        {31, "staub256.bmp", 20, 20, 5, true},
        {32, "leuchtwasser2256.bmp", 144, 35, 5, true},
        {33, "colortable.bmp", 10, 10, 1, false},
        {34, "colortable.bmp", 10, 10, 1, false},
        {35, "stumpf256.bmp", 30, 120, 1, true},
        {36, "bl0256.bmp", 52, 52, 7, true},
        {37, "bl1256.bmp", 52, 52, 7, true},
        {38, "bl2256.bmp", 52, 52, 7, true},
        {39, "wolke30256.bmp", 54, 54, 30, true},
        {40, "wolke130256.bmp", 27, 27, 30, true},
        {41, "colortable.bmp", 10, 10, 1, false},
        {42, "colortable.bmp", 10, 10, 1, false},
        {43, "puffea256.bmp", 80, 80, 24, true},
        {44, "inselgrossx256.bmp", 250, 188, 1, true},
        {45, "inselgross2256.bmp", 240, 320, 1, true},
        {46, "inselwasser2256.bmp", 288, 35, 5, true},
        {47, "strauch256.bmp", 52, 52, 7, true},
        {48, "huelse256.bmp", 16, 16, 17, true},
        {49, "bl3256.bmp", 52, 52, 7, true},
        {50, "bl4256.bmp", 52, 52, 7, true},
        {51, "zerreiss256.bmp", 52, 52, 5, true},
        {52, "auge0256.bmp", 10, 10, 1, true},
        {53, "auge2256.bmp", 10, 10, 1, true},
        {54, "stumpf2256.bmp", 70, 180, 1, true},
        {55, "font256.bmp", 580, 45, 1, true},
        {56, "font1256.bmp", 580, 45, 1, true},
        {57, "motors2256.bmp", 92, 64, 6, true},
        {58, "motors3256.bmp", 92, 64, 6, true},
        {59, "sauf0256.bmp", 92, 64, 8, true},
        {60, "sauf1256.bmp", 92, 64, 8, true},
        {61, "motors0256.bmp", 46, 32, 6, true},
        {62, "motors1256.bmp", 46, 32, 6, true},
        {63, "sauf2256.bmp", 46, 32, 8, true},
        {64, "sauf3256.bmp", 46, 32, 8, true},
        {65, "auge1256.bmp", 10, 10, 1, true},
        {66, "highlogo256.bmp", 400, 70, 1, true},
        {67, "leerlogo2256.bmp", 400, 35, 1, true},
        {68, "info256.bmp", 100, 50, 1, true},
        {69, "nopigx256.bmp", 50, 100, 1, true},
        {70, "boot4256.bmp", 120, 80, 4, true},
        {71, "count2256.bmp", 80, 120, 6, false},
        {72, "segelbootx5256.bmp", 119, 119, 12, true},
        {73, "LOGO", 311, 160, 1, false},
    };
    return rows;
}

std::string numbers_of(const std::string& name) {
    std::string out;
    for (const CatalogueRow& row : catalogue())
        if (name == row.name) out += (out.empty() ? "" : ",") + std::to_string(row.number);
    return out;
}

}  // namespace assetgen
