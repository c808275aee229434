// The display with every picture loaded, a fresh highscore table, and an
// empty current folder for "hight.dat".
#pragma once
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "support/shell_fixture.h"
#include "text/highscore_table.h"

inline std::uint8_t pixel(platform::Surface* s, int x, int y) {
    platform::SurfaceDesc d;
    EXPECT_EQ(s->Lock(nullptr, &d), platform::DD_OK);
    const std::uint8_t p = d.surface[y * d.pitch + x];
    s->Unlock();
    return p;
}

class TextTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        ASSERT_TRUE(OpenDisplayWithPictures());
        ordner_ = std::filesystem::path(::testing::TempDir()) / ("ferrow-text-" + std::to_string(::getpid()));
        std::filesystem::remove_all(ordner_);
        std::filesystem::create_directories(ordner_);
        std::filesystem::current_path(ordner_);
        highscore = _highscore{};
        eingabezaehler = 0;
        letztetaste = kKeineTaste;
    }
    void TearDown() override {
        ShellTest::TearDown();
        std::filesystem::remove_all(ordner_);
    }

    static std::string lesen(const char* name) {
        std::ifstream f(name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(f), {});
    }
    static void anlegen(const char* name, const std::string& bytes) {
        std::ofstream(name, std::ios::binary) << bytes;
    }

    std::filesystem::path ordner_;
};
