#include <algorithm>

#include "layers/layer_fixture.h"

using HitReactionTest = LayerTest;

TEST_F(HitReactionTest, PicturesReactAsTheirRowsSay) {
    // View at (100, 20), click at (50, 60): a follow-up "at the click" is
    // centred on world (150, 80). The object stands at world (300.75, 150.5).
    struct Zeile {
        int bild;
        bool endet;
        int punkte;
        int folge;  // -1: none
        int x, y;   // where the follow-up (or else the points) appear
        std::vector<std::pair<parameter, int>> werte;
        bool folgeZuerst;
        int sound;  // -1: none
    };
    const Zeile tabelle[] = {
        {kBildFloss, false, -3, kBildStaub, 140, 70,
         {{takt, 1}, {lebensdauer, 18}, {bogenrechts, 1}}, false, kSoundQuerschlaeger},
        {kBildSonne, false, -20, -1, 300, 150, {}, false, kSoundQuerschlaeger},
        {kBildSauLinks, true, 10, kBildAbsturz, 134, 64, {{runter, 2}}, true, kSoundSauschrei},
        {kBildAbsturz, true, 15, kBildSplat, 120, 55, {{lebensdauer, 30}, {runter, 2}}, true, -1},
        {kBildWedelRechts, true, 1, kBildBlattfetzen, 124, 54,
         {{takt, 1}, {lebensdauer, 15}, {rechts, 1}, {runter, 1}}, false, kSoundQuerschlaeger},
        {kBildWolkeGross, true, 2, kBildWolkeGross, 123, 53, {{bogenrechts, 1}, {bahn, 3}}, false, kSoundPuff},
        {kBildGewehr, false, -45, kBildStaub, 140, 70,
         {{takt, 1}, {lebensdauer, 18}, {rechts, 2}, {hoch, 1}}, true, kSoundQuerschlaeger},
        {kBildAugeOffen, true, 10, kBildAugeBlau, 300, 150, {}, true, kSoundQuerschlaeger},
        {kBildBoot, true, 25, kBildSegelboot, 300, 130, {{lebensdauer, 102}}, false, kSoundHolzkrach},
    };
    layer(5).scrollx = 100;
    layer(5).scrolly = 20;
    for (const Zeile& z : tabelle) {
        SCOPED_TRACE("picture " + std::to_string(z.bild));
        layer(5).zuruecksetzen();
        punkte = 0;
        sounds().clear();
        const int i = neu(5, z.bild, 300, 150);
        platz(5, i).x = 300.75;
        platz(5, i).y = 150.5;

        const int slot = objekt(5, i).instanz;
        layer(5).treffer(&grafikdatenbank, i, 50, 60);

        const int bleibt = z.endet ? 0 : 1;
        EXPECT_EQ(int(lebende(5, z.bild).size()), bleibt + (z.folge == z.bild ? 1 : 0));
        EXPECT_EQ(punkte, z.punkte);
        EXPECT_EQ(sounds(), z.sound == -1 ? std::vector<int>{} : std::vector<int>{z.sound});

        const std::vector<int> ziffern = lebende(5, kBildZiffern);
        ASSERT_FALSE(ziffern.empty());
        EXPECT_EQ(platz(5, ziffern[0]).x, z.x);
        EXPECT_EQ(platz(5, ziffern[0]).y, z.y - 5);
        if (z.folge == -1) continue;

        std::vector<int> folge = lebende(5, z.folge);
        if (z.folge == z.bild) folge.erase(std::remove(folge.begin(), folge.end(), i), folge.end());
        ASSERT_EQ(folge.size(), 1u);
        const int f = folge[0];
        EXPECT_EQ(platz(5, f).x, z.x);
        EXPECT_EQ(platz(5, f).y, z.y);
        std::int32_t block[kParameter] = {};
        for (auto [slot, wert] : z.werte) block[slot] = wert;
        EXPECT_TRUE(std::equal(block, block + kParameter, objekt(5, f).parameterblock));
        EXPECT_EQ(objekt(5, f).maxalter, block[lebensdauer]);
        EXPECT_EQ(f < ziffern[0], z.folgeZuerst);
        // A follow-up made before the points takes the freed slot.
        if (z.endet && z.folgeZuerst) {
            EXPECT_EQ(objekt(5, f).instanz, slot);
        }
    }

    // A picture without a row has no reaction.
    layer(5).zuruecksetzen();
    sounds().clear();
    punkte = 0;
    const int welle = neu(5, kBildWelle, 0, 0);
    layer(5).treffer(&grafikdatenbank, welle, 50, 60);
    EXPECT_TRUE(objekt(5, welle).aktiv);
    for (int i = 0; i < layer(5).ereignissanzahl; ++i) EXPECT_EQ(objekt(5, i).aktiv, i == welle);
    EXPECT_EQ(punkte, 0);
    EXPECT_TRUE(sounds().empty());
}
