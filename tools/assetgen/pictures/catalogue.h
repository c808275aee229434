// The game's catalogue (graphics/catalogue_table.h) as the generator needs
// it: each picture's file, frame layout and transparency, by number.
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
