// The fakes installed, started from the build folder with a folder of the test's own, and everything the test opened
// released again: the base of every fixture that opens a window, a display or the sound device.
#pragma once
#include <gtest/gtest.h>

#include "platform/audio_device.h"
#include "platform/messages.h"
#include "platform/window.h"
#include "support/fakes.h"
#include "support/temp_folder.h"

class PlatformTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Started from the build folder, whose data/set0 holds the game's data.
        fs::current_path(FERROW_BUILD_DIR);
        fakes::Install();
#ifdef _WIN32
        // Wine in a container has no sound device: the tests play into the silent output, as into SDL's dummy
        // driver on Linux.
        platform::SetSilentSound(true);
#endif
        platform::ResetQuit();
    }

    void TearDown() override {
        ReleaseObjects();
        platform::ShutdownVideo();
        platform::SetMessageSource(nullptr);
        platform::ResetQuit();
        fakes::Uninstall();
    }

    // Each layer's fixture releases what its layer opened, then what the layers below did.
    virtual void ReleaseObjects() {}

    TempFolder folder_;
};
