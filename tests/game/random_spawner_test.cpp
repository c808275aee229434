#include "game/random_numbers.h"
#include "game/random_spawner.h"
#include "layers/layer_database.h"
#include "support/shell_fixture.h"

namespace {

// A seed whose first two draws are w (mod 700) and v (mod 5).
std::uint32_t seed_for(int w, int v) {
    for (std::uint32_t seed = 0;; ++seed) {
        zufallsstart(seed);
        const int dw = zufallszahl() % 700;
        const int dv = zufallszahl() % 5;
        if (dw == w && (v < 0 || dv == v)) return seed;
    }
}

int objects(int layer) {
    const _layerdaten* l = layerdatenbank.layerdaten[layer];
    int n = 0;
    for (int i = 0; i < l->ereignissanzahl; ++i) n += l->ereigniss[i]->aktiv;
    return n;
}

class RandomSpawnerTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        ASSERT_TRUE(OpenDisplayWithPictures());
        layerdatenbank.init(lpdd, lpddsprimary, lpddsback);
        for (int i = 0; i < 20; ++i) layerdatenbank.Setlayerdaten(&grafikdatenbank);
    }
};

}  // namespace

TEST_F(RandomSpawnerTest, TwoDrawsEveryFrameAndTheEntriesDrawInTheirOrder) {
    // Nothing spawns: exactly the two draws are taken.
    const std::uint32_t quiet = seed_for(500, -1);
    zufallsstart(quiet);
    zufallszahl(), zufallszahl();
    const int third = zufallszahl();
    zufallsstart(quiet);
    zufallsobjekte();
    EXPECT_EQ(zufallszahl(), third);
    for (int l = 0; l < 20; ++l) EXPECT_EQ(layerdatenbank.layerdaten[l]->ereignissanzahl, 0);

    // w = 21: two arc fliers, each drawing its height before its place.
    zufallsstart(seed_for(21, -1));
    zufallszahl(), zufallszahl();
    const int y1 = zufallszahl() % 40 + 240, x1 = zufallszahl() % 2200;
    const int y2 = zufallszahl() % 40 + 240, x2 = zufallszahl() % 2200;
    zufallsstart(seed_for(21, -1));
    zufallsobjekte();
    ASSERT_EQ(objects(2), 2);
    const _layerdaten* l2 = layerdatenbank.layerdaten[2];
    EXPECT_EQ(l2->bilder[l2->ereigniss[0]->instanz].x, x1);
    EXPECT_EQ(l2->bilder[l2->ereigniss[0]->instanz].y, y1);
    EXPECT_EQ(l2->bilder[l2->ereigniss[1]->instanz].x, x2);
    EXPECT_EQ(l2->bilder[l2->ereigniss[1]->instanz].y, y2);
    EXPECT_EQ(l2->ereigniss[1]->parameterblock[bogenrechts], 1);
    EXPECT_EQ(l2->ereigniss[1]->parameterblock[takt], 2);

    // w = 29 needs v = 0 too: a motor boat on layer 8 and a far one on layer 5.
    zufallsstart(seed_for(29, 1));
    zufallsobjekte();
    EXPECT_EQ(objects(8), 0);
    zufallsstart(seed_for(29, 0));
    zufallsobjekte();
    EXPECT_EQ(objects(8), 1);
    EXPECT_EQ(objects(5), 1);
    EXPECT_EQ(layerdatenbank.layerdaten[5]->ereigniss[0]->bild, 61);

    // w = 1: a small cloud drawn at its upright frame.
    zufallsstart(seed_for(1, -1));
    zufallsobjekte();
    EXPECT_EQ(objects(2), 3);
    EXPECT_EQ(l2->bilder[l2->ereigniss[2]->instanz].actualframe, 8);
}
