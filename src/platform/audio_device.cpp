#include "platform/audio_device.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/internal.h"
#include "platform/portable/mixer.h"
#include "platform/portable/sample_conversion.h"
#include "platform/testing/fault_injection.h"
#include "platform/testing/test_hooks.h"

namespace platform {

struct DirectSound::Impl {
    int rate = 0, channels = 0;  // what the output took
    Mixer mixer;
    std::vector<DirectSoundBuffer*> buffers;  // not yet released
};

struct DirectSoundBuffer::Impl {
    DirectSound::Impl* owner = nullptr;  // null once the device is gone
    WAVEFORMATEX format{};
    std::vector<std::uint8_t> bytes;    // as the file has them; filled through Lock
    std::vector<std::int16_t> samples;  // in the device's format; what the mixer reads
    int voice = -1;
};

namespace {

DirectSound::Impl* g_device = nullptr;
bool g_silent = false;

// The output pulls frames while the game starts and stops voices: every
// change of a voice happens under this lock.
class AudioLock {
public:
    AudioLock() { internal::LockAudioOutput(); }
    ~AudioLock() { internal::UnlockAudioOutput(); }
    AudioLock(const AudioLock&) = delete;
    AudioLock& operator=(const AudioLock&) = delete;
};

void mix(void* userdata, std::int16_t* out, std::size_t frames) {
    static_cast<DirectSound::Impl*>(userdata)->mixer.Mix(out, frames);
}

bool playable(const WAVEFORMATEX& f) {
    return f.wFormatTag == WAVE_FORMAT_PCM && (f.wBitsPerSample == 8 || f.wBitsPerSample == 16) &&
           (f.nChannels == 1 || f.nChannels == 2) && f.nSamplesPerSec > 0 &&
           f.nBlockAlign == f.nChannels * f.wBitsPerSample / 8;
}

}  // namespace

void SetSilentSound(bool silent) { g_silent = silent; }

namespace internal {

void SetAudioActive(bool active) {
    if (!g_device) return;
    PauseAudioOutput(!active);
    // What a run under a test's X server has instead of hearing it.
    if (std::getenv("FERROW_VERBOSE")) std::fprintf(stderr, "ferrow: sound %s\n", active ? "on" : "paused");
}

}  // namespace internal

bool AudioPaused() { return g_device && internal::AudioOutputPaused(); }
int AudioRate() { return g_device ? g_device->rate : 0; }
int AudioChannels() { return g_device ? g_device->channels : 0; }

void MixAudioForTest(std::int16_t* out, std::size_t frames) {
    if (!g_device) return;
    internal::PauseAudioOutput(true);
    AudioLock lock;
    g_device->mixer.Mix(out, frames);
}

HRESULT DirectSoundCreate(DirectSound** out) {
    if (!out) return DSERR_INVALIDPARAM;
    *out = nullptr;
    if (const HRESULT code = CallFailure(Operation::SoundCreate, DSERR_NODRIVER)) return code;
    if (g_device) return DSERR_ALLOCATED;
    auto* impl = new DirectSound::Impl;
    if (!internal::OpenAudioOutput(mix, impl, g_silent, &impl->rate, &impl->channels)) {
        delete impl;
        return DSERR_NODRIVER;
    }
    impl->mixer = Mixer(impl->channels);
    g_device = impl;
    // Outputs open paused; a program started in the background stays silent
    // until it comes to the front.
    const Window* window = internal::CurrentWindow();
    internal::PauseAudioOutput(window && !IsWindowActive(window));
    *out = new DirectSound(impl);
    return DS_OK;
}

DirectSound::~DirectSound() { delete impl_; }

HRESULT DirectSound::SetCooperativeLevel(Window*, std::uint32_t level) {
    if (const HRESULT code = CallFailure(Operation::SoundCooperativeLevel, DSERR_NODRIVER)) return code;
    // The output is shared with other programs whatever the level, and is
    // not tied to a window: any known level is taken as it stands.
    return level >= 1 && level <= 4 ? DS_OK : DSERR_INVALIDPARAM;
}

HRESULT DirectSound::CreateSoundBuffer(const DSBUFFERDESC* desc, DirectSoundBuffer** buffer) {
    if (!buffer) return DSERR_INVALIDPARAM;
    *buffer = nullptr;
    if (const HRESULT code = CallFailure(Operation::CreateSoundBuffer, DSERR_NODRIVER)) return code;
    if (!desc || desc->dwSize != sizeof(DSBUFFERDESC) || !desc->lpwfxFormat) return DSERR_INVALIDPARAM;
    if (desc->dwBufferBytes < DSBSIZE_MIN || desc->dwBufferBytes > DSBSIZE_MAX) return DSERR_INVALIDPARAM;
    const WAVEFORMATEX& format = *desc->lpwfxFormat;
    if (!playable(format)) return DSERR_BADFORMAT;
    // Rates that cannot be converted are found now, not when the buffer is
    // filled; so are sizes whose conversion would outgrow the memory.
    if (format.nSamplesPerSec < kLowestSampleRate || format.nSamplesPerSec > kHighestSampleRate)
        return DSERR_BADFORMAT;
    const std::uint64_t frames = ConvertedFrames(desc->dwBufferBytes / format.nBlockAlign, format.nSamplesPerSec,
                                                 std::uint32_t(impl_->rate));
    if (frames * std::uint64_t(impl_->channels) * sizeof(std::int16_t) > std::uint64_t(INT_MAX))
        return DSERR_OUTOFMEMORY;

    auto* impl = new DirectSoundBuffer::Impl;
    impl->owner = impl_;
    impl->format = format;
    impl->format.cbSize = 0;
    // Silence until filled: 0x80 is the midpoint of unsigned 8-bit samples.
    impl->bytes.assign(desc->dwBufferBytes, format.wBitsPerSample == 8 ? 0x80 : 0);
    {
        AudioLock lock;
        impl->voice = impl_->mixer.Attach(nullptr, 0);
    }
    if (impl->voice < 0) {
        delete impl;
        return DSERR_ALLOCATED;
    }
    *buffer = new DirectSoundBuffer(impl);
    impl_->buffers.push_back(*buffer);
    return DS_OK;
}

unsigned long DirectSound::Release() {
    internal::CloseAudioOutput();
    for (DirectSoundBuffer* buffer : impl_->buffers) buffer->impl_->owner = nullptr;
    if (g_device == impl_) g_device = nullptr;
    delete this;
    return 0;
}

DirectSoundBuffer::~DirectSoundBuffer() { delete impl_; }

HRESULT DirectSoundBuffer::SetCurrentPosition(std::uint32_t position) {
    DirectSound::Impl* owner = impl_->owner;
    if (!owner) return DSERR_NODRIVER;
    if (position >= impl_->bytes.size()) return DSERR_INVALIDPARAM;
    // From the file's frames to the device's, which run at another rate.
    const std::uint64_t frame = position / impl_->format.nBlockAlign;
    const std::uint64_t device_frame = frame * std::uint64_t(owner->rate) / impl_->format.nSamplesPerSec;
    AudioLock lock;
    owner->mixer.SetPosition(impl_->voice, std::size_t(device_frame));
    return DS_OK;
}

HRESULT DirectSoundBuffer::Play(std::uint32_t flags) {
    DirectSound::Impl* owner = impl_->owner;
    if (!owner) return DSERR_NODRIVER;
    // A failed play is a lost buffer, the one failure the game looks for.
    if (const HRESULT code = CallFailure(Operation::SoundPlay, DSERR_BUFFERLOST)) return code;
    AudioLock lock;
    owner->mixer.Play(impl_->voice, (flags & DSBPLAY_LOOPING) != 0);
    return DS_OK;
}

HRESULT DirectSoundBuffer::Stop() {
    DirectSound::Impl* owner = impl_->owner;
    if (!owner) return DS_OK;  // silent already
    AudioLock lock;
    owner->mixer.Stop(impl_->voice);
    return DS_OK;
}

HRESULT DirectSoundBuffer::GetStatus(std::uint32_t* status) {
    if (!status) return DSERR_INVALIDPARAM;
    *status = 0;
    DirectSound::Impl* owner = impl_->owner;
    if (!owner) return DS_OK;
    AudioLock lock;
    if (owner->mixer.Playing(impl_->voice)) *status = DSBSTATUS_PLAYING;
    if (owner->mixer.Looping(impl_->voice)) *status |= DSBSTATUS_LOOPING;
    return DS_OK;
}

HRESULT DirectSoundBuffer::Lock(std::uint32_t offset, std::uint32_t bytes, void** part1, std::uint32_t* bytes1,
                                void** part2, std::uint32_t* bytes2, std::uint32_t flags) {
    if (!part1 || !bytes1) return DSERR_INVALIDPARAM;
    *part1 = nullptr;
    *bytes1 = 0;
    if (part2) *part2 = nullptr;
    if (bytes2) *bytes2 = 0;
    if (const HRESULT code = CallFailure(Operation::SoundLock, DSERR_NODRIVER)) return code;
    const std::uint32_t size = std::uint32_t(impl_->bytes.size());
    if (flags & DSBLOCK_ENTIREBUFFER) {
        offset = 0;
        bytes = size;
    }
    if (offset >= size || bytes == 0 || bytes > size) return DSERR_INVALIDPARAM;
    const std::uint32_t first = std::min(bytes, size - offset);
    if (first < bytes && (!part2 || !bytes2)) return DSERR_INVALIDPARAM;
    *part1 = impl_->bytes.data() + offset;
    *bytes1 = first;
    if (first < bytes) {
        *part2 = impl_->bytes.data();
        *bytes2 = bytes - first;
    }
    return DS_OK;
}

HRESULT DirectSoundBuffer::Unlock(void* part1, std::uint32_t, void*, std::uint32_t) {
    if (!part1) return DSERR_INVALIDPARAM;
    DirectSound::Impl* owner = impl_->owner;
    if (!owner) return DSERR_NODRIVER;
    std::vector<std::int16_t> samples = ConvertSamples(impl_->bytes.data(), impl_->bytes.size(), impl_->format,
                                                       std::uint32_t(owner->rate), owner->channels);
    // The mixer may be reading the old samples: swap under the lock, free
    // them after it.
    const std::size_t frames = samples.size() / std::size_t(owner->mixer.channels());
    {
        AudioLock lock;
        impl_->samples.swap(samples);
        owner->mixer.Replace(impl_->voice, impl_->samples.data(), frames);
    }
    return DS_OK;
}

HRESULT DirectSoundBuffer::Restore() {
    // These buffers never lose their memory; there is nothing to bring back.
    return DS_OK;
}

unsigned long DirectSoundBuffer::Release() {
    if (DirectSound::Impl* owner = impl_->owner) {
        {
            AudioLock lock;
            owner->mixer.Detach(impl_->voice);
        }
        auto& list = owner->buffers;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
    }
    delete this;
    return 0;
}

}  // namespace platform
