// A WAV file through the sound loader (the WAV reader, a buffer of the file's
// format, the conversion to the device's) as the game loads its sounds, then
// played once and looped through the mixer.
#include <cstdint>
#include <vector>

#include "harness.h"
#include "platform/audio_device.h"
#include "platform/testing/test_hooks.h"
#include "sound/sound_slots.h"

namespace {

// A little over one device buffer: enough to end a short sound and wrap a loop.
constexpr std::size_t kFrames = 1500;

void mix() {
    std::vector<std::int16_t> out(kFrames * std::size_t(platform::AudioChannels()));
    platform::MixAudioForTest(out.data(), kFrames);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    harness::Start();
    if (initdirectsound(harness::Window()) != 0) harness::Fault("no sound device on the dummy driver");
    // Mixing here pauses the device for good: the callback thread never
    // competes with the target's own mixing.
    mix();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = harness::WriteInput("input.wav", data, size);
    // A file that does not load leaves its slot empty: that is the loader's
    // answer to a damaged file. A fatal report would be a fault.
    platform::DirectSoundBuffer* puffer = soundladen(path.c_str());
    if (puffer) {
        soundspielen(puffer);
        mix();
        soundschleife(puffer);
        mix();
        soundstoppen(puffer);
        puffer->Release();
    }
    if (harness::TakeReport()) harness::Fault("loading a sound gave a fatal report", harness::LastReport());
    return 0;
}
