#include "layers/engine_sound.h"

// Silent until the sound slots exist: never playing, nothing to stop.
bool motorsoundlaeuft() { return false; }
void motorsoundstarten() {}
void motorsoundstoppen() {}
