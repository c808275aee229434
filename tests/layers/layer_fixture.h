// The display, every picture, the scene's twenty empty layers, and the sounds objects ask for recorded.
#pragma once
#include <initializer_list>
#include <utility>

#include "base/random_numbers.h"
#include "layers/score.h"
#include "support/layers_fixture.h"

// Fills a layer to its 300 image slots, so the next one is refused.
inline void FillLayer(int n, int bild, int bis = 300) {
    while (layerdatenbank.layerdaten[n]->bilderanzahl < bis) layerdatenbank.addbild(n, bild, 0, 0);
}

// The one report of a layer that ran out of image slots, and the layers released.
inline void ExpectEndedByAFullLayer() {
    EXPECT_EQ(fakes::BoxTexts(), fakes::Lines{"_layerdaten::addbild-Bilderanzahl zu groß"});
    EXPECT_EQ(layerdatenbank.anzahl, 0);
}

class LayerTest : public LayersTest {
protected:
    void SetUp() override {
        LayersTest::SetUp();
        ASSERT_TRUE(OpenDisplayWithPictures());
        layerdatenbank.init(lpdd, lpddsprimary, lpddsback);
        for (int i = 0; i < _layerdatenbank::kLayer; ++i) layerdatenbank.Setlayerdaten(&grafikdatenbank);
        zufallsstart(1);
        schwenkrichtung = punkte = 0;
    }

    static _layerdaten& layer(int n) { return *layerdatenbank.layerdaten[n]; }
    static Ereigniss& Object(int n, int index) { return *layer(n).ereigniss[index]; }
    static Bildplatz& SlotOf(int n, int index) { return layer(n).bilder[Object(n, index).instanz]; }

    // An object with the given parameters, every other slot 0.
    static int NewObject(int n, int bild, int x, int y, std::initializer_list<std::pair<parameter, int>> werte = {}) {
        std::int32_t block[kParameter] = {};
        for (auto [slot, wert] : werte) block[slot] = wert;
        return layerdatenbank.addobject(block, n, bild, x, y);
    }
    static void Steps(int n, int anzahl) { while (anzahl-- > 0) layer(n).bewegen(); }
    // Frames until the object ends, at most `hoechstens`; 0 if it lives on.
    static int StepsUntilEnd(int n, int index, int hoechstens) {
        for (int i = 1; i <= hoechstens; ++i)
            if (layer(n).bewegen(), !Object(n, index).aktiv) return i;
        return 0;
    }
    // Live objects of a layer showing the picture, in record order.
    static std::vector<int> LiveObjects(int n, int bild) {
        std::vector<int> gefunden;
        for (int i = 0; i < layer(n).ereignissanzahl; ++i)
            if (Object(n, i).aktiv && Object(n, i).bild == bild) gefunden.push_back(i);
        return gefunden;
    }

    // Paints every frame: `farbe` inside the rectangle, the key `hintergrund` elsewhere.
    static void Paint(int bild, platform::Rect deckend, std::uint8_t farbe = 200, std::uint8_t hintergrund = 3) {
        grafikdaten& p = *grafikdatenbank.grafikdaten[bild];
        platform::SurfaceDesc d;
        ASSERT_EQ(p.surface->Lock(nullptr, &d), platform::DD_OK);
        for (int y = 0; y < d.height; ++y)
            for (int x = 0; x < d.width; ++x) {
                const int fx = x % p.framebreite;
                const bool innen = fx >= deckend.left && fx < deckend.right && y >= deckend.top && y < deckend.bottom;
                d.surface[y * d.pitch + x] = innen ? farbe : hintergrund;
            }
        p.surface->Unlock();
        p.keyfarbe = hintergrund * 0x01010101u;
    }
};
