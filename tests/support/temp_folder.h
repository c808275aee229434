// A folder of the test's own, and whole files read and written in one call.
#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/processes.h"

namespace fs = std::filesystem;

// Gone again once the test is over, and the build folder current again.
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
