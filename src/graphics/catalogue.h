// The one list of every picture; its order fixes the picture numbers that
// the whole game uses.
#pragma once

constexpr int kKatalogBilder = 74;

// Registers and loads every picture; a picture that cannot be loaded ends
// the program through the quit message.
void grafikkatalog();
