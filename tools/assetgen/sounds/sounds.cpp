#include "sounds/sounds.h"

namespace assetgen {

std::vector<SoundFile> all_sounds() { return {}; }

std::vector<std::uint8_t> wav_bytes(const SoundFile&) { return {}; }

std::string sound_listing(const std::vector<SoundFile>&) { return {}; }

}  // namespace assetgen
