// The mixer behind the sound device: twenty voices, one per sound buffer, each
// playing its samples once or in a loop, summed into the device's stream.
// Pure arithmetic, no device: the device calls Mix from its callback, under
// its lock, and tests call it directly.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

namespace platform {

class Mixer {
public:
    static constexpr int kVoices = 20;
    static constexpr int kMaxChannels = 8;

    // Samples are signed 16-bit frames of `channels` interleaved channels.
    explicit Mixer(int channels = 2);

    int channels() const { return channels_; }

    // A free voice for the samples, stopped at their beginning; -1 when all
    // twenty are taken. The samples stay the caller's and must outlive the
    // voice or the next Replace.
    int Attach(const std::int16_t* samples, std::size_t frames);
    void Detach(int voice);
    // New samples for a voice; a position past their end starts it over.
    void Replace(int voice, const std::int16_t* samples, std::size_t frames);

    // Where the next Play starts; a playing voice jumps there at once.
    void SetPosition(int voice, std::size_t frame);
    void Play(int voice, bool looping);
    // Halts where it is; a later Play goes on from there.
    void Stop(int voice);
    // False for a voice that is stopped, ended, empty or not attached.
    bool Playing(int voice) const;
    bool Looping(int voice) const;

    // Writes `frames` frames: every playing voice summed and clipped to the
    // 16-bit range, silence where none plays.
    void Mix(std::int16_t* out, std::size_t frames);

private:
    struct Voice {
        bool attached = false;
        bool playing = false;
        bool looping = false;
        const std::int16_t* samples = nullptr;
        std::size_t frames = 0;
        std::size_t position = 0;
    };
    Voice* find(int voice);
    const Voice* find(int voice) const;

    int channels_;
    std::array<Voice, kVoices> voices_{};
};

}  // namespace platform
