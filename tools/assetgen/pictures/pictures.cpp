#include "pictures/pictures.h"

#include <cstdio>
#include <cstdlib>
#include <set>

#include "palette.h"
#include "pictures/catalogue.h"
#include "pictures/families.h"

namespace assetgen {

std::vector<PictureFile> all_pictures() {
    PictureSet set;
    draw_lettering(set);
    draw_pigs(set);
    draw_boats(set);
    draw_raft(set);
    draw_gun(set);
    draw_sea(set);
    draw_land(set);
    draw_plants(set);
    draw_sky(set);
    draw_effects(set);

    std::vector<PictureFile> files;
    std::set<std::string> done;
    for (const CatalogueRow& row : catalogue()) {
        if (std::string(row.name) == "LOGO" || !done.insert(row.name).second) continue;
        auto it = set.find(row.name);
        if (it == set.end()) {
            std::fprintf(stderr, "assetgen: no drawing for %s\n", row.name);
            std::abort();
        }
        Image image = std::move(it->second);
        // The game keys a transparent picture by its top-left pixel and hit-tests
        // against the first four, so those stay clear whatever the drawing did.
        if (row.transparent)
            for (int x = 0; x < 4; ++x) image.pixels[std::size_t(x)] = kTransparent;
        files.push_back({row.name, std::move(image)});
    }
    return files;
}

}  // namespace assetgen
