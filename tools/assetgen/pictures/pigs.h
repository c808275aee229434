// The pig, the game's target: drawn in parts so that the fliers, the boat
// crews, the sign and the icon share one face.
#pragma once
#include "pictures/canvas.h"

namespace assetgen {

struct PigLook {
    Ramp skin = kPinks;
    bool wings = true;
    bool cap = false;       // propeller cap
    bool dazed = false;     // crossed eyes after a hit
    double flap = 0;        // wing angle in degrees from straight up, about the body's axis
    double spin = 0;        // propeller turn in degrees
    double kick = 0;        // leg swing, -1 to 1
};

// A whole pig seen from the side, facing left, in a 32 x 32 local frame.
void side_pig(const Canvas& c, const PigLook& look);

// A pig's head seen from the side, facing left, centred on the local origin,
// 12 units across.
void side_head(const Canvas& c, Ramp skin, bool dazed);

// A pig's head from the front, centred on the local origin, about 24 units across.
void front_head(const Canvas& c, Ramp skin, bool dazed);

// The program icon: a pig's head between two little wings.
Image pig_head_icon();

}  // namespace assetgen
