// Whether SDL's OpenGL is Mesa's software renderer, which the own path beats. (The window-surface path itself is
// played through the program by tests/e2e/screens_under_xvfb.sh and its rows by the presenter's tests.)
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "platform/sdl/screen_output.h"

using namespace platform;

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
