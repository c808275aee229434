#include "game/random_spawner.h"

#include "game/random_numbers.h"
#include "layers/scene.h"

namespace {

std::int32_t r(int modulo) { return zufallszahl() % modulo; }

// A flier entering far outside the view at a random height in the sky.
int himmelshoehe() { return r(420) - 200; }

// An arc flier rising from just above the sea line somewhere in the world:
// its height is drawn before its place.
void bogenflieger(int bild, parameter bogen, int weite) {
    const int y = r(40) + 240;
    const int x = r(weite);
    objekt(2, bild, x, y, {{takt, 2}, {bogen, 1}});
}

}  // namespace

void zufallsobjekte() {
    // Both draws are taken in every frame, also when nothing comes of them.
    const int w = r(700);
    const int v = r(5);
    switch (w) {
        case 1: {
            const int tempo = r(2) + 1;
            startframe(2, objekt(2, 40, -2200, himmelshoehe(), {{rechts, tempo}}), 8);
            break;
        }
        case 11: startframe(5, objekt(5, 39, -2200, r(350) - 200, {{rechts, 1}}), 8); break;
        case 14: objekt(8, 9, 2600, himmelshoehe(), {{links, 1}}); break;
        case 16: objekt(2, 11, 2600, himmelshoehe(), {{links, 1}}); break;
        case 17: {
            const int t = r(3);
            objekt(2, 12, -2500, himmelshoehe(), {{takt, t}, {rechts, 1}});
            break;
        }
        case 18: objekt(8, 13, -2200, himmelshoehe(), {{takt, 1}, {rechts, 2}}); break;
        case 19: bogenflieger(12, bogenrechts, 2200); break;
        case 20: bogenflieger(11, bogenlinks, 2200); break;
        case 21:
            bogenflieger(12, bogenrechts, 2200);
            bogenflieger(12, bogenrechts, 2200);
            break;
        case 22: bogenflieger(11, bogenlinks, 2200); break;
        case 23: objekt(8, 26, -2200, himmelshoehe(), {{rechts, 1}}); break;
        case 24: objekt(8, 25, 2600, himmelshoehe(), {{links, 1}}); break;
        case 25: bogenflieger(29, bogenrechts, 2500); break;
        case 26: bogenflieger(28, bogenlinks, 2500); break;
        case 27: startframe(2, objekt(2, 39, -2200, himmelshoehe(), {{rechts, 1}}), 8); break;
        // Boats come a fifth as often as the other entries.
        case 28:
            if (v == 0) objekt(8, 57, -2200, r(10) + 250, {{rechts, 6}});
            break;
        case 29:
            if (v == 0) {
                objekt(8, 58, 2600, r(10) + 250, {{links, 6}});
                objekt(5, 61, -2200, r(10) + 230, {{rechts, 3}});
            }
            break;
        case 30:
            if (v == 0) objekt(5, 62, 2600, r(10) + 230, {{links, 4}});
            break;
        case 31:
            if (v == 0) objekt(3, 70, -2000, 185, {{rechts, 1}});
            break;
        default: break;
    }
}
