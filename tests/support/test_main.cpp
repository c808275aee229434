#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/processes.h"

int main(int argc, char** argv) {
#ifndef _WIN32
    // Headless: no window system and no sound card needed.
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
#endif
    ::testing::InitGoogleTest(&argc, argv);
    // The windows keep their settings in a folder of the run's own, not in
    // the settings of whoever runs the tests.
    const auto settings =
        std::filesystem::path(::testing::TempDir()) / ("ferrow-config-" + std::to_string(platform::ProcessNumber()));
#ifdef _WIN32
    _putenv_s("APPDATA", settings.string().c_str());
#else
    setenv("XDG_CONFIG_HOME", settings.c_str(), 1);
#endif
    const int status = RUN_ALL_TESTS();
    std::error_code ec;
    std::filesystem::remove_all(settings, ec);
    return status;
}
