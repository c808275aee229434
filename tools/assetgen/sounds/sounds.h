// Every sound file of the data folder: RIFF WAVE, PCM, mono, 22050 Hz, 16 bits.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace assetgen {

constexpr int kSampleRate = 22050;

struct SoundFile {
    std::string name;                  // "s0.wav" ...
    std::vector<std::int16_t> samples;
};

std::vector<SoundFile> all_sounds();

// 16 bits a sample, or 8 (unsigned, rounded) where the data must be small:
// the sea and engine noise do not compress, and a page loads them all.
std::vector<std::uint8_t> wav_bytes(const SoundFile& sound, int bits = 16);

// One line per sound: name, length in seconds, peak level in dBFS.
std::string sound_listing(const std::vector<SoundFile>& sounds);

}  // namespace assetgen
