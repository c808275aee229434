// The shell's globals reset, the fakes installed and, on request, a window and display (on SDL's dummy video driver,
// or a real window on Windows).
#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "base/data_paths.h"
#include "base/fatal_report.h"
#include "graphics/catalogue.h"
#include "graphics/display.h"
#include "graphics/graphics_store.h"
#include "layers/layer_database.h"
#include "layers/sound_requests.h"
#include "platform/audio_device.h"
#include "platform/processes.h"
#include "platform/testing/test_hooks.h"
#include "shell/fatal_report.h"
#include "shell/main_loop.h"
#include "sound/sound_numbers.h"
#include "support/fakes.h"

namespace fs = std::filesystem;

// A folder of the test's own, gone again once the test is over.
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

inline std::string lesen(const fs::path& pfad) {
    return {std::istreambuf_iterator<char>(std::ifstream(pfad, std::ios::binary).rdbuf()), {}};
}
inline void anlegen(const fs::path& pfad, const std::string& bytes) {
    std::ofstream(pfad, std::ios::binary | std::ios::trunc) << bytes;
}
// A "hight.dat" of these rows: a 30-byte name and a little-endian score each, every 0x0A stored as 0x0D 0x0A.
inline std::string tabellendatei(const std::vector<std::pair<std::string, std::uint32_t>>& zeilen) {
    std::string datei;
    for (auto [feld, punkte] : zeilen) {
        feld.resize(30);
        for (int b = 0; b < 4; ++b) feld += char(punkte >> (8 * b));
        for (char c : feld) datei += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    return datei;
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

class ShellTest : public ::testing::Test {
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
        programmendet = beendigunglaeuft = false;
        programmaktiv = mausx = mausy = klickx = klicky = linkssperre = rechtssperre = restzeit = schuesse = 0;
        basisordner[0] = 0;
        platform::ResetQuit();
        gespielt.clear();
        soundzuhoerersetzen([](int slot) { gespielt.push_back(slot); });
    }

    void TearDown() override {
        soundzuhoerersetzen(nullptr);
        aufraeumen();
        grafikdatenbank = _grafikdatenbank{};
        layerdatenbank = _layerdatenbank{};
        if (hauptfenster) platform::DestroyWindow(hauptfenster);
        hauptfenster = nullptr;
        platform::ShutdownVideo();
        platform::SetMessageSource(nullptr);
        platform::ResetQuit();
        fakes::Uninstall();
    }

    // A window and the display set up on it; false if either failed.
    bool OpenDisplay() {
        platform::SetWindowedStart(true);
        // Opened again after a fatal report: the old window goes first.
        aufraeumen();
        if (hauptfenster) platform::DestroyWindow(hauptfenster);
        hauptfenster = platform::CreateWindow("test", nullptr, nullptr);
        fehlerberichtanbinden();
        return hauptfenster && initdirectdraw(hauptfenster) == 0;
    }

    // Every picture of the game, loaded from the data folder below the current one; false if one failed.
    bool LoadPictures() {
        basisordnerholen();
        datenordnersetzen("set0");
        grafikkatalog();
        return fakes::boxes.empty();
    }
    bool OpenDisplayWithPictures() { return OpenDisplay() && LoadPictures(); }

    TempFolder folder_;
    static inline std::vector<int> gespielt;  // the sound slots asked for, in order
};

// With the display open from the start; surfaces made by NewSurface are released at the end.
class DisplayTest : public ShellTest {
protected:
    void SetUp() override { ShellTest::SetUp(); ASSERT_TRUE(OpenDisplay()); }
    void TearDown() override {
        for (platform::Surface* s : made_)
            if (s) s->Release();
        ShellTest::TearDown();
    }
    platform::Surface* NewSurface(int w, int h) {
        platform::Surface* s = nullptr;
        EXPECT_EQ(lpdd->CreateOffscreenSurface(w, h, &s), platform::DD_OK);
        return made_.emplace_back(s);
    }

private:
    std::vector<platform::Surface*> made_;
};
