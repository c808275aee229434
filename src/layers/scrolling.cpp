#include "layers/layer_database.h"
#include "layers/layer_numbers.h"

namespace {

constexpr int kReferenz = kLayerInseln;  // the layer whose view the limits are tested on
constexpr int kObenGrenze = -200;
constexpr int kUntenGrenze = 0;

}  // namespace

void _layerdatenbank::scrolllinks() {
    if (layerdaten[kReferenz]->scrollx <= grenzelinks) return;
    for (int n = 0; n < anzahl; ++n) {
        if (n == kLayerFloss) layerdaten[n]->framesrueck();
        layerdaten[n]->scrollxminus();
    }
}

void _layerdatenbank::scrollrechts() {
    if (layerdaten[kReferenz]->scrollx >= grenzerechts) return;
    for (int n = 0; n < anzahl; ++n) {
        if (n == kLayerFloss) layerdaten[n]->framesvor();
        layerdaten[n]->scrollxplus();
    }
}

void _layerdatenbank::scrollhoch() {
    if (layerdaten[kReferenz]->scrolly < kObenGrenze) return;
    for (int n = 0; n < anzahl; ++n) layerdaten[n]->scrollyminus();
}

void _layerdatenbank::scrollrunter() {
    if (layerdaten[kReferenz]->scrolly >= kUntenGrenze) return;
    for (int n = 0; n < anzahl; ++n) layerdaten[n]->scrollyplus();
}
