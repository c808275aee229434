// The motor-boat engine's sound slot, as the layer database drives it.
#pragma once

bool motorsoundlaeuft();
void motorsoundstarten();
void motorsoundstoppen();
