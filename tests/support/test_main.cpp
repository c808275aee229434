#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
#ifndef _WIN32
    // Headless: no window system and no sound card needed.
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
#endif
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
