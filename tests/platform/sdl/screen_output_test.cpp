// The window-surface path, on SDL's dummy video driver: the picture doubled into a 1920 x 1080 output between black
// bars, drawn again whole when the window is uncovered or the colours or the scaling change.
#include "platform/sdl/screen_output.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

using namespace platform;
using platform::internal::ScreenOutput;

namespace {

class ScreenOutputTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0);
        window_ = SDL_CreateWindow("test", 0, 0, 1920, 1080, SDL_WINDOW_HIDDEN);
        image_ = NewIndexedImage(kImageWidth, kImageHeight);
        ASSERT_TRUE(window_ && image_);
        for (int i = 0; i < 256; ++i) colours_[i] = {std::uint8_t(i), std::uint8_t(255 - i), 7, 0};
    }
    void TearDown() override {
        output_.Close();
        SDL_DestroyWindow(window_);
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
    void Show() { ASSERT_TRUE(output_.Convert(*image_) && output_.Present()); }
    // The window surface's pixel as red, green, blue.
    std::uint32_t At(int x, int y) {
        SDL_Surface* s = SDL_GetWindowSurface(window_);
        std::uint32_t p;
        std::memcpy(&p, static_cast<std::uint8_t*>(s->pixels) + y * s->pitch + x * 4, 4);
        std::uint8_t r, g, b;
        SDL_GetRGB(p, s->format, &r, &g, &b);
        return std::uint32_t(r) << 16 | g << 8 | b;
    }
    void Scribble(int x, int y) {
        SDL_Surface* s = SDL_GetWindowSurface(window_);
        std::memset(static_cast<std::uint8_t*>(s->pixels) + y * s->pitch + x * 4, 0x55, 4);
    }
    static std::uint32_t Colour(int i) { return std::uint32_t(i) << 16 | std::uint32_t(255 - i) << 8 | 7; }

    SDL_Window* window_ = nullptr;
    std::unique_ptr<IndexedImage> image_;
    std::array<PALETTEENTRY, 256> colours_{};
    ScreenOutput output_;
};

TEST_F(ScreenOutputTest, ThePictureShowsBetweenBarsAndIsDrawnAgainWhenTheWindowNeedsAll) {
    ASSERT_TRUE(output_.Open(window_));
    ASSERT_TRUE(output_.PrepareTarget());
    output_.SetColours(&colours_);
    output_.SetScaling(Scaling::WholeFactors);

    for (int y = 0; y < kImageHeight; ++y) std::memset(image_->row(y), 40, kImageWidth);
    Show();
    for (auto [x, y] : {std::pair{0, 0}, {319, 500}, {1600, 1079}}) EXPECT_EQ(At(x, y), 0u) << "bar at " << x << "," << y;
    EXPECT_EQ(std::pair(At(320, 60), At(1599, 1019)), std::pair(Colour(40), Colour(40)));

    // Which rows are converted again is the presenter's to say (its own tests); uncovered, the bars are drawn again.
    Scribble(5, 5);
    output_.InvalidateBars();
    Show();
    EXPECT_EQ(At(5, 5), 0u);

    // New colours convert every row.
    colours_[40] = {1, 2, 3, 0};
    output_.SetColours(&colours_);
    Show();
    EXPECT_EQ(At(700, 700), 0x010203u);

    // Filled: 1440 x 1080 from x 240 on, the old picture's place at the sides now a bar.
    Scribble(5, 5);
    output_.SetScaling(Scaling::Fill);
    Show();
    EXPECT_EQ(std::tuple(At(239, 0), At(240, 0), At(1679, 1079), At(1680, 1079), At(5, 5)),
              std::tuple(0u, 0x010203u, 0x010203u, 0u, 0u));
}

}  // namespace

// Run by the screens script under Xvfb with Mesa: its OpenGL draws on the processor and is no graphics card.
TEST(OpenGLProbeTest, MesasSoftwareOpenGLIsNoGraphicsCard) {
    const char* driver = std::getenv("SDL_VIDEODRIVER");
    if (!driver || std::strcmp(driver, "x11") != 0) GTEST_SKIP() << "needs an X server";
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0);
    char name[128];
    EXPECT_TRUE(internal::OpenGLIsSoftware(name, sizeof name));
    EXPECT_TRUE(std::strstr(name, "llvmpipe") || std::strstr(name, "softpipe")) << "renderer: " << name;
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}
