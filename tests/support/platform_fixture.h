// A folder of the test's own, whole files and a surface's pixels read in one call; and the base of every fixture
// that opens a window, a display or the sound device: the fakes installed, started from the build folder, and
// everything the test opened released again.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/audio_device.h"
#include "platform/messages.h"
#include "platform/processes.h"
#include "platform/surface.h"
#include "platform/window.h"
#include "support/fakes.h"

namespace fs = std::filesystem;

// A folder of the test's own, gone again once the test is over, and the build folder current again.
struct TempFolder {
    const fs::path path = fs::path(::testing::TempDir()) / ("ferrow-test-" + std::to_string(platform::ProcessNumber()));
    TempFolder() {
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~TempFolder() {
        fs::current_path(FERROW_BUILD_DIR);
        fs::remove_all(path);
    }
};

inline std::string ReadWholeFile(const fs::path& path) {
    return {std::istreambuf_iterator<char>(std::ifstream(path, std::ios::binary).rdbuf()), {}};
}
inline void WriteWholeFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// A surface's pixels, row after row, read in one lock.
struct Pixels {
    int w = 0, h = 0;
    std::vector<std::uint8_t> p;
    std::uint8_t& at(int x, int y) { return p[std::size_t(y) * std::size_t(w) + std::size_t(x)]; }
};

inline Pixels pixels(platform::Surface* s) {
    platform::SurfaceDesc d;
    EXPECT_EQ(s->Lock(nullptr, &d), platform::DD_OK);
    Pixels out{d.width, d.height, {}};
    for (int y = 0; y < d.height; ++y) out.p.insert(out.p.end(), d.surface + y * d.pitch, d.surface + y * d.pitch + d.width);
    s->Unlock();
    return out;
}
inline std::uint8_t pixel(platform::Surface* s, int x, int y) { return pixels(s).at(x, y); }

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
