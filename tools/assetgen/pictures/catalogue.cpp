#include "pictures/catalogue.h"

#include "graphics/catalogue_table.h"

namespace assetgen {

const std::vector<CatalogueRow>& catalogue() {
    static const std::vector<CatalogueRow> rows = [] {
        std::vector<CatalogueRow> out;
        for (const Katalogzeile& z : kKatalog)
            out.push_back({z.nummer, z.name, z.framebreite, z.framehoehe, z.frames, z.transparent});
        return out;
    }();
    return rows;
}

std::string numbers_of(const std::string& name) {
    std::string out;
    for (const CatalogueRow& row : catalogue())
        if (name == row.name) out += (out.empty() ? "" : ",") + std::to_string(row.number);
    return out;
}

}  // namespace assetgen
