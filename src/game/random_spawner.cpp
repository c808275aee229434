#include "game/random_spawner.h"

#include "base/random_numbers.h"
#include "game/scene.h"
#include "graphics/picture_numbers.h"
#include "layers/layer_numbers.h"

namespace {


// A flier entering far outside the view at a random height in the sky.
int himmelshoehe() { return zufall(420) - 200; }

// An arc flier rising from just above the sea line somewhere in the world:
// its height is drawn before its place.
void bogenflieger(int bild, parameter bogen, int weite) {
    const int y = zufall(40) + 240;
    const int x = zufall(weite);
    objekt(kLayerHimmel, bild, x, y, {{takt, 2}, {bogen, 1}});
}

}  // namespace

void zufallsobjekte() {
    // Both draws are taken in every frame, also when nothing comes of them.
    const int w = zufall(700);
    const int v = zufall(5);
    switch (w) {
        case 1: {
            const int tempo = zufall(2) + 1;
            const int wolke = objekt(kLayerHimmel, kBildWolkeKlein, -2200, himmelshoehe(), {{rechts, tempo}});
            startframe(kLayerHimmel, wolke, 8);
            break;
        }
        case 11:
            startframe(kLayerWolken, objekt(kLayerWolken, kBildWolkeGross, -2200, zufall(350) - 200, {{rechts, 1}}), 8);
            break;
        case 14: objekt(kLayerSchweine, kBildSauLinks, 2600, himmelshoehe(), {{links, 1}}); break;
        case 16: objekt(kLayerHimmel, kBildSauFernLinks, 2600, himmelshoehe(), {{links, 1}}); break;
        case 17: {
            const int t = zufall(3);
            objekt(kLayerHimmel, kBildSauFernRechts, -2500, himmelshoehe(), {{takt, t}, {rechts, 1}});
            break;
        }
        case 18: objekt(kLayerSchweine, kBildSauRechts, -2200, himmelshoehe(), {{takt, 1}, {rechts, 2}}); break;
        case 19: bogenflieger(kBildSauFernRechts, bogenrechts, 2200); break;
        case 20: bogenflieger(kBildSauFernLinks, bogenlinks, 2200); break;
        case 21:
            bogenflieger(kBildSauFernRechts, bogenrechts, 2200);
            bogenflieger(kBildSauFernRechts, bogenrechts, 2200);
            break;
        case 22: bogenflieger(kBildSauFernLinks, bogenlinks, 2200); break;
        case 23: objekt(kLayerSchweine, kBildRotRechts, -2200, himmelshoehe(), {{rechts, 1}}); break;
        case 24: objekt(kLayerSchweine, kBildRotLinks, 2600, himmelshoehe(), {{links, 1}}); break;
        case 25: bogenflieger(kBildRotRechtsFern, bogenrechts, 2500); break;
        case 26: bogenflieger(kBildRotLinksFern, bogenlinks, 2500); break;
        case 27:
            startframe(kLayerHimmel, objekt(kLayerHimmel, kBildWolkeGross, -2200, himmelshoehe(), {{rechts, 1}}), 8);
            break;
        // Boats come a fifth as often as the other entries.
        case 28:
            if (v == 0) objekt(kLayerSchweine, kBildMotorbootRechts, -2200, zufall(10) + 250, {{rechts, 6}});
            break;
        case 29:
            if (v == 0) {
                objekt(kLayerSchweine, kBildMotorbootLinks, 2600, zufall(10) + 250, {{links, 6}});
                objekt(kLayerWolken, kBildMotorbootFernRechts, -2200, zufall(10) + 230, {{rechts, 3}});
            }
            break;
        case 30:
            if (v == 0) objekt(kLayerWolken, kBildMotorbootFernLinks, 2600, zufall(10) + 230, {{links, 4}});
            break;
        case 31:
            if (v == 0) objekt(kLayerBoot, kBildBoot, -2000, 185, {{rechts, 1}});
            break;
        default: break;
    }
}
