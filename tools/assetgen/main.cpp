// assetgen: makes every picture, sound and program resource of the game.
//   assetgen --data DIR --resources FILE.cpp   write the data folder and resources
//   assetgen --sheet FILE.bmp                  write the contact sheet of all pictures
//   assetgen --sounds                          list each sound's length and peak
//   --eight-bit-sounds                         with --data: sounds of 8 bits, not 16
//   assetgen --icons DIR                       write the desktop icons ferrow-32.png, ferrow-64.png
//                                              and the program's Windows icon ferrow.ico
#include <cstdio>
#include <cstring>
#include <string>

#include "bmp_writer.h"
#include "pictures/pictures.h"
#include "png_writer.h"
#include "resources.h"
#include "sounds/sounds.h"

using namespace assetgen;

namespace {

int usage() {
    std::fprintf(stderr, "usage: assetgen [--data DIR [--eight-bit-sounds]] [--resources FILE] [--sheet FILE] [--sounds] [--icons DIR]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::string data_dir, resource_file, sheet_file, icon_dir;
    bool list_sounds = false;
    int sound_bits = 16;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        bool has_value = i + 1 < argc;
        if (arg == "--data" && has_value) data_dir = argv[++i];
        else if (arg == "--resources" && has_value) resource_file = argv[++i];
        else if (arg == "--sheet" && has_value) sheet_file = argv[++i];
        else if (arg == "--icons" && has_value) icon_dir = argv[++i];
        else if (arg == "--sounds") list_sounds = true;
        else if (arg == "--eight-bit-sounds") sound_bits = 8;
        else return usage();
    }
    if (data_dir.empty() && resource_file.empty() && sheet_file.empty() && icon_dir.empty() && !list_sounds)
        return usage();

    int failures = 0;
    const bool need_pictures = !data_dir.empty() || !sheet_file.empty();
    const std::vector<PictureFile> pictures = need_pictures ? all_pictures() : std::vector<PictureFile>{};
    const Image logo = logo_image();
    const bool need_sounds = !data_dir.empty() || list_sounds;
    const std::vector<SoundFile> sounds = need_sounds ? all_sounds() : std::vector<SoundFile>{};

    if (!data_dir.empty()) {
        for (const PictureFile& p : pictures)
            if (!write_file(data_dir + "/" + p.name, bmp_file_bytes(p.image))) ++failures;
        for (const SoundFile& s : sounds)
            if (!write_file(data_dir + "/" + s.name, wav_bytes(s, sound_bits))) ++failures;
    }
    if (!resource_file.empty() && !write_resource_source(resource_file, logo)) ++failures;
    if (!sheet_file.empty() && !write_contact_sheet(sheet_file, pictures, logo)) ++failures;
    if (!icon_dir.empty()) {
        const Image icon = icon_image();
        std::vector<std::vector<std::uint8_t>> pngs;
        std::vector<int> sizes;
        for (int scale : {1, 2}) {
            pngs.push_back(png_bytes(icon, scale));
            sizes.push_back(icon.width * scale);
            const std::string name = "/ferrow-" + std::to_string(sizes.back()) + ".png";
            if (!write_file(icon_dir + name, pngs.back())) ++failures;
        }
        if (!write_file(icon_dir + "/ferrow.ico", ico_bytes(pngs, sizes))) ++failures;
    }
    if (list_sounds) std::fputs(sound_listing(sounds).c_str(), stdout);

    if (failures) std::fprintf(stderr, "assetgen: %d file(s) could not be written\n", failures);
    return failures ? 1 : 0;
}
