#include <cstring>

#include "platform/bitmap.h"
#include "platform/files.h"
#include "support/graphics_fixture.h"

using CatalogueTest = GraphicsTest;

// Every row of the catalogue, loaded through the game's own readers from the files the generator made.
TEST_F(CatalogueTest, EveryPictureLoadsWithItsFrameLayoutAndKey) {
    ASSERT_TRUE(OpenDisplayWithPictures());
    ASSERT_EQ(grafikdatenbank.anzahl, 74);
    // Still rows keep the delay the row before left in the work record.
    EXPECT_EQ(grafikdatenbank.grafikdaten[kBildPatrone]->verzoegerung, 4);

    for (int n = 0; n < 74; ++n) {
        const grafikdaten* p = grafikdatenbank.grafikdaten[n];
        SCOPED_TRACE(std::to_string(n) + " " + p->name);
        ASSERT_TRUE(p->surface && p->nummer == n);
        if (n != kBildLogo) {
            platform::Bitmap* b = platform::LoadBitmapFile(platform::ResolveFileName(p->name).c_str());
            ASSERT_TRUE(b && platform::BitmapBitsPerPixel(b) == 8);
            platform::DeleteBitmap(b);
        }
        // The splat strip holds six whole frames, whatever its stated width.
        EXPECT_EQ(std::pair(p->surface->width(), p->surface->height()),
                  std::pair(n == kBildSplat ? 360 : p->frames * p->framebreite, p->framehoehe));

        platform::SurfaceDesc d;
        ASSERT_EQ(p->surface->Lock(nullptr, &d), platform::DD_OK);
        const std::uint8_t key = std::uint8_t(p->keyfarbe & 0xFF);
        EXPECT_TRUE(!p->transparent || (key == 2 && std::memcmp(d.surface, "\x02\x02\x02\x02", 4) == 0));
        // Every frame shows something (but the digit strip's blank frame 10);
        // the key colour never shows in an opaque picture.
        for (int f = 0; f < p->frames; ++f) {
            bool visible = false;
            for (int y = 0; y < p->framehoehe; ++y)
                for (int x = f * p->framebreite; x < (f + 1) * p->framebreite; ++x) {
                    const std::uint8_t c = d.surface[y * d.pitch + x];
                    visible = visible || !p->transparent || c != key;
                    EXPECT_TRUE(p->transparent || c != 2) << x << "," << y;
                }
            EXPECT_EQ(visible, !(n == kBildZiffern && f == 10)) << "frame " << f;
        }
        // The countdown stands on black.
        for (int f = 0; n == kBildCountdown && f < 6; ++f) EXPECT_EQ(d.surface[d.pitch + f * 80 + 1], 0) << "frame " << f;
        p->surface->Unlock();
    }
}

TEST_F(CatalogueTest, ARegistrationThatEndsTheProgramEndsTheCatalogue) {
    // A store already nearly full: the catalogue's 11th row, the 301st picture, finds no room.
    ASSERT_TRUE(OpenDisplay());
    for (int i = 0; i < 290; ++i) ASSERT_EQ(grafikdatenbank.setgrafikdaten(grafikdaten{}), 0);
    LoadPictures();
    EXPECT_EQ(fakes::BoxTexts(), fakes::Lines{"_grafikdatenbank::setgrafikdaten-Kein Platz fuer weitere Bilder"});
    EXPECT_EQ(grafikdatenbank.anzahl, 0);
}
