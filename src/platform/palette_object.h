// The 256-entry palette of the 8-bit display.
#pragma once
#include <array>
#include <cstdint>

namespace platform {

struct PALETTEENTRY {
    std::uint8_t peRed, peGreen, peBlue, peFlags;
};

class Palette {
public:
    explicit Palette(const PALETTEENTRY* entries) { entries_.fill({0, 0, 0, 0}); Set(entries); }
    void Set(const PALETTEENTRY* entries) {
        for (int i = 0; i < 256; ++i) entries_[i] = entries[i];
    }
    const std::array<PALETTEENTRY, 256>& entries() const { return entries_; }
    unsigned long Release() {
        delete this;
        return 0;
    }

private:
    std::array<PALETTEENTRY, 256> entries_;
};

}  // namespace platform
