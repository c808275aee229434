#include "base/fatal_report.h"
#include "base/random_numbers.h"
#include "graphics/picture_numbers.h"
#include "layers/layer_database.h"
#include "layers/layer_numbers.h"

namespace {

constexpr std::int32_t kRuckelweite = 7;  // pixels a shot jolts the view

}  // namespace

std::int32_t _layerdatenbank::addobject(const std::int32_t (&parameterblock)[kParameter], std::int32_t layern,
                                        std::int32_t bild, std::int32_t x, std::int32_t y) {
    _layerdaten* l = layerdaten[layern];
    if (!l) {
        fehlerbox("_layerdatenbank::addobject-layerdaten[layern] zeigt auf NULL");
        return -1;
    }
    l->lpdd = lpdd;
    l->lpddsprimary = lpddsprimary;
    l->lpddsback = lpddsback;
    return l->addereigniss(parameterblock, layern, bild, x, y);
}

bool _layerdatenbank::schiessen(_grafikdatenbank* datenbank, std::int32_t x, std::int32_t y) {
    // The casing flies out of the gun to the right and lands after a while;
    // the two draws go in this order.
    std::int32_t block[kParameter] = {};
    block[rechts] = 4;
    block[hoch] = zufall(3) + 1;
    block[lebensdauer] = zufall(10) + 30;
    addobject(block, kLayerHuelsen, kBildHuelse, 380, 480);

    // Topped up to the full jolt: a second shot before the first has settled
    // adds only what has been taken back since.
    const std::int32_t d = kRuckelweite - ruckeln;
    ruckeln = kRuckelweite;
    for (int n = 0; n < anzahl; ++n)
        if (layerdaten[n]) layerdaten[n]->scrolly += d;

    // Front to back, and the sea at the very back is never hit.
    for (int n = anzahl - 1; n >= 1; --n)
        if (layerdaten[n] && layerdaten[n]->treffertest(datenbank, x, y) != -1) return true;
    return false;
}
