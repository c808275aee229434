// The bytes of a highscore file, as the table writes them.
#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// A "hight.dat" of these rows: a 30-byte name and a little-endian score each, every 0x0A stored as 0x0D 0x0A.
inline std::string HighscoreFileBytes(const std::vector<std::pair<std::string, std::uint32_t>>& rows) {
    std::string file;
    for (auto [field, score] : rows) {
        field.resize(30);
        for (int b = 0; b < 4; ++b) field += char(score >> (8 * b));
        for (char c : field) file += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    return file;
}
