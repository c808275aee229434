// The game's picture numbers with each picture's file and frame layout, in
// the order the game registers them.
#pragma once
#include <string>
#include <vector>

namespace assetgen {

struct CatalogueRow {
    int number;
    const char* name;  // file in the data folder; "LOGO" is the program resource
    int frame_width, frame_height, frames;
    bool transparent;
};

const std::vector<CatalogueRow>& catalogue();

// The catalogue numbers that show a file, joined by commas ("1,3,6,...").
std::string numbers_of(const std::string& name);

}  // namespace assetgen
