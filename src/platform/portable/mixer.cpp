#include "platform/portable/mixer.h"

#include <algorithm>

namespace platform {

Mixer::Mixer(int channels) : channels_(std::clamp(channels, 1, kMaxChannels)) {}

Mixer::Voice* Mixer::find(int voice) {
    if (voice < 0 || voice >= kVoices || !voices_[voice].attached) return nullptr;
    return &voices_[voice];
}

const Mixer::Voice* Mixer::find(int voice) const {
    if (voice < 0 || voice >= kVoices || !voices_[voice].attached) return nullptr;
    return &voices_[voice];
}

int Mixer::Attach(const std::int16_t* samples, std::size_t frames) {
    for (int i = 0; i < kVoices; ++i) {
        if (voices_[i].attached) continue;
        voices_[i] = Voice{};
        voices_[i].attached = true;
        voices_[i].samples = samples;
        voices_[i].frames = samples ? frames : 0;
        return i;
    }
    return -1;
}

void Mixer::Detach(int voice) {
    if (Voice* v = find(voice)) *v = Voice{};
}

void Mixer::Replace(int voice, const std::int16_t* samples, std::size_t frames) {
    Voice* v = find(voice);
    if (!v) return;
    v->samples = samples;
    v->frames = samples ? frames : 0;
    if (v->position >= v->frames) v->position = 0;
    // Nothing left to play: an empty voice must not spin in its loop.
    if (v->frames == 0) v->playing = false;
}

void Mixer::SetPosition(int voice, std::size_t frame) {
    if (Voice* v = find(voice)) v->position = frame < v->frames ? frame : 0;
}

void Mixer::Play(int voice, bool looping) {
    Voice* v = find(voice);
    if (!v || v->frames == 0) return;
    v->playing = true;
    v->looping = looping;
}

void Mixer::Stop(int voice) {
    if (Voice* v = find(voice)) v->playing = false;
}

bool Mixer::Playing(int voice) const {
    const Voice* v = find(voice);
    return v && v->playing;
}

bool Mixer::Looping(int voice) const {
    const Voice* v = find(voice);
    return v && v->playing && v->looping;
}

void Mixer::Mix(std::int16_t* out, std::size_t frames) {
    const int ch = channels_;
    for (std::size_t f = 0; f < frames; ++f) {
        // Summed wide, clipped once: two loud sounds together distort
        // rather than wrap round into noise.
        std::int32_t sum[kMaxChannels] = {};
        for (Voice& v : voices_) {
            if (!v.playing) continue;
            const std::int16_t* frame = v.samples + v.position * std::size_t(ch);
            for (int c = 0; c < ch; ++c) sum[c] += frame[c];
            if (++v.position < v.frames) continue;
            // A loop goes straight on with its first frame, so its seam has
            // no gap; a sound played once ends and is ready to start again.
            v.position = 0;
            if (!v.looping) v.playing = false;
        }
        for (int c = 0; c < ch; ++c) out[f * std::size_t(ch) + std::size_t(c)] = std::int16_t(std::clamp(sum[c], -32768, 32767));
    }
}

}  // namespace platform
