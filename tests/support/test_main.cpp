#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/audio_device.h"

int main(int argc, char** argv) {
#ifdef _WIN32
    // Wine in a container has no sound device: the tests play into the
    // silent output, as SDL's dummy driver does on Linux.
    platform::SetSilentSound(true);
#else
    // Headless: no window system and no sound card needed.
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
#endif
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
