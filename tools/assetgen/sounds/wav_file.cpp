// The WAV container and the --sounds listing.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "sounds/sounds.h"

namespace assetgen {

namespace {

void put16(std::vector<std::uint8_t>& out, unsigned v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

void put_tag(std::vector<std::uint8_t>& out, const char* tag) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(tag[i]));
}

}  // namespace

std::vector<std::uint8_t> wav_bytes(const SoundFile& sound, int bits) {
    constexpr unsigned kChannels = 1;
    const unsigned sample_bits = bits == 8 ? 8 : 16, block_align = kChannels * sample_bits / 8;
    const auto data_size = static_cast<std::uint32_t>(sound.samples.size() * block_align);
    std::vector<std::uint8_t> out;
    out.reserve(44 + data_size);
    put_tag(out, "RIFF");
    put32(out, 4 + (8 + 16) + (8 + data_size));
    put_tag(out, "WAVE");
    // The plain 16-byte PCM format block: the reader takes no extra-size word for PCM.
    put_tag(out, "fmt ");
    put32(out, 16);
    put16(out, 1);  // PCM
    put16(out, kChannels);
    put32(out, kSampleRate);
    put32(out, kSampleRate * block_align);
    put16(out, block_align);
    put16(out, sample_bits);
    put_tag(out, "data");
    put32(out, data_size);
    for (std::int16_t s : sound.samples) {
        if (sample_bits == 16) put16(out, static_cast<std::uint16_t>(s));
        else out.push_back(static_cast<std::uint8_t>(std::min(255, (s + 32768 + 128) >> 8)));
    }
    return out;
}

std::string sound_listing(const std::vector<SoundFile>& sounds) {
    std::string text;
    for (const SoundFile& s : sounds) {
        int peak = 0;
        for (std::int16_t v : s.samples) peak = std::max(peak, std::abs(static_cast<int>(v)));
        char line[96];
        const double seconds = static_cast<double>(s.samples.size()) / kSampleRate;
        if (peak == 0)
            std::snprintf(line, sizeof line, "%-8s %7.3f s     silent\n", s.name.c_str(), seconds);
        else
            std::snprintf(line, sizeof line, "%-8s %7.3f s %6.1f dBFS\n", s.name.c_str(), seconds,
                          20.0 * std::log10(peak / 32768.0));
        text += line;
    }
    return text;
}

}  // namespace assetgen
