// A "hight.dat" through the highscore table's load, then a few frames of the
// name entry, the ranking of a new result and the drawing of every text; the
// table saved again must load back the same.
//
// Bytes past the part the loader reads choose the keys held on successive
// polls of the name entry; without them a short name is typed and confirmed.
#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "graphics/catalogue.h"
#include "graphics/display.h"
#include "graphics/graphics_store.h"
#include "harness.h"
#include "platform/keys.h"
#include "text/highscore_table.h"

namespace {

// The loader reads at most this much: 510 bytes, each maybe written as two,
// and one more.
constexpr std::size_t kGelesen = 1021;
constexpr std::int32_t kErgebnis = 300;  // between the first-start table's scores

std::uint8_t g_taste = 0;  // the poll's keys, one bit each, as below
int g_ordner = -1;         // the folder the fuzzer was started in

bool gedrueckt(int vk) {
    switch (vk) {
        case platform::VK_RETURN: return g_taste == 0xFF;
        case platform::VK_BACK: return (g_taste & 0x40) != 0;
        case platform::VK_SPACE: return (g_taste & 0x80) != 0;
        default: return (g_taste & 0x20) != 0 && vk == 'A' + (g_taste & 0x1F) % 26;
    }
}

// The display and every picture of the game (the texts draw with its fonts),
// loaded from the game's data folder as at start-up.
void open_game() {
    harness::OpenDisplay();
    if (fchdir(g_ordner) != 0 || chdir(FERROW_DATA_DIR) != 0) harness::Fault("no data folder", FERROW_DATA_DIR);
    grafikkatalog();
    if (fchdir(g_ordner) != 0) harness::Fault("cannot return to the start folder");
    if (harness::TakeReport()) harness::Fault("the game's pictures do not load", harness::LastReport());
}

// Types into the name entry, four frames per poll as the game runs it.
void name_entry(const std::vector<std::uint8_t>& tasten) {
    for (std::uint8_t t : tasten) {
        g_taste = t;
        for (int frame = 0; frame < 4; ++frame)
            if (highscore.nameneingabe() == 1) return;
    }
}

void same_after_saving() {
    if (highscore.schreiben() != 0) harness::Fault("the table cannot be saved");
    _highscore wieder;
    if (wieder.laden() != 0) harness::Fault("the saved table cannot be read");
    for (int z = 0; z < _highscore::kZeilen; ++z) {
        if (std::memcmp(wieder.namen[z], highscore.namen[z], _highscore::kNamenlaenge) != 0)
            harness::Fault("a saved name reads back otherwise, row", std::to_string(z));
        if (wieder.tabellenpunkte[z] != highscore.tabellenpunkte[z])
            harness::Fault("a saved score reads back otherwise, row", std::to_string(z));
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    harness::Start();
    g_ordner = open(".", O_RDONLY | O_DIRECTORY);
    if (g_ordner < 0) harness::Fault("cannot open the start folder");
    platform::SetKeyStateSource(gedrueckt);
    open_game();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::size_t datei = size < kGelesen ? size : kGelesen;
    std::vector<std::uint8_t> tasten(data + datei, data + size);
    if (tasten.empty()) tasten = {0x20 | 5, 0x20 | 4, 0x40, 0, 0x20 | 20, 0xFF};  // "FE", Backspace, "U", Enter
    if (tasten.size() > 64) tasten.resize(64);

    harness::WriteInput("hight.dat", data, datei);
    // The table lives in the current folder, which the game makes its data
    // folder; the fuzzer's own folder is back in place before it writes.
    if (chdir(harness::Folder().c_str()) != 0) harness::Fault("cannot enter the input folder");
    highscore = _highscore{};
    eingabezaehler = 0;
    letztetaste = kKeineTaste;
    highscore.init(lpdd, lpddsprimary, lpddsback);
    name_entry(tasten);
    highscore.tabellenpunkte[_highscore::kSpieler] = kErgebnis;
    highscore.auswerten();
    highscore.zeigen();
    same_after_saving();
    highscore.freigeben();
    if (fchdir(g_ordner) != 0) harness::Fault("cannot return to the start folder");
    // Nothing in a table's bytes may end the game.
    if (harness::TakeReport()) harness::Fault("a loaded table gave a fatal report", harness::LastReport());
    return 0;
}
