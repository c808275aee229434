// Registers every picture of the catalogue table with the store.
#pragma once

#include "graphics/picture_numbers.h"

// Registers and loads every picture; a picture that cannot be loaded ends
// the program through the quit message.
void grafikkatalog();
