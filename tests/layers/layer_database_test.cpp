#include "support/test_pictures.h"

using LayerDatabaseTest = ShellTest;

TEST_F(LayerDatabaseTest, LayersAreMadeInOrderAndDrawnBackToFront) {
    ASSERT_TRUE(OpenDisplay());
    _grafikdatenbank store;
    const int red = testbilder::add(store, 10, 10, 1);   // index 10
    const int blue = testbilder::add(store, 20, 20, 2);  // frame 0: index 10, frame 1: 11
    _layerdatenbank db;

    // Nothing to add to before the layers exist.
    EXPECT_TRUE(db.addbild(5, red, 0, 0));
    EXPECT_EQ(fakes::boxes.back().text, "_layerdatenbank::addbild-layerdaten[layernummer] zeigt auf NULL");
    fakes::boxes.clear();
    programmendet = false;
    ASSERT_TRUE(OpenDisplay());

    db.init(lpdd, lpddsprimary, lpddsback);
    for (int i = 0; i < 3; ++i) ASSERT_FALSE(db.Setlayerdaten(&store));
    EXPECT_EQ(db.anzahl, 3);

    db.addbild(0, blue, 0, 0);
    db.layerdaten[0]->bilder[0].actualframe = 1;
    db.addbild(2, red, 5, 5);

    lpddsback->ColorFill(192);
    EXPECT_FALSE(db.allezeichnen(&store));
    EXPECT_EQ(testbilder::back_pixel(0, 0), 11);   // layer 0 alone
    EXPECT_EQ(testbilder::back_pixel(5, 5), 10);   // layer 2 over layer 0
    EXPECT_EQ(testbilder::back_pixel(25, 25), 192);

    EXPECT_TRUE(db.zeichnen(&store, 3));
    EXPECT_EQ(fakes::boxes.back().text, "_layerdatenbank::zeichnen-layer inst nicht vorhanden");
}
