// The sound device: one audio output with static sound buffers, each filled
// once in its file's format and played once or in a loop by the mixer.
// Operations answer with the result codes the game tests, and a test can make
// the next one of a kind fail.
#pragma once
#include <cstddef>
#include <cstdint>

#include "platform/portable/wave_format.h"
#include "platform/results.h"
#include "platform/window.h"

namespace platform {

constexpr HRESULT DS_OK = 0;
constexpr HRESULT DSERR_ALLOCATED = HRESULT(0x8878000Au);
constexpr HRESULT DSERR_BADFORMAT = HRESULT(0x88780064u);
constexpr HRESULT DSERR_NODRIVER = HRESULT(0x88780078u);
constexpr HRESULT DSERR_BUFFERLOST = HRESULT(0x88780096u);
constexpr HRESULT DSERR_INVALIDPARAM = HRESULT(0x80070057u);
constexpr HRESULT DSERR_OUTOFMEMORY = HRESULT(0x8007000Eu);

constexpr std::uint32_t DSSCL_PRIORITY = 2;
constexpr std::uint32_t DSBCAPS_STATIC = 2;
constexpr std::uint32_t DSBLOCK_ENTIREBUFFER = 2;
constexpr std::uint32_t DSBPLAY_LOOPING = 1;
constexpr std::uint32_t DSBSTATUS_PLAYING = 1;
constexpr std::uint32_t DSBSTATUS_LOOPING = 4;

// The smallest and largest buffer the device takes, in bytes.
constexpr std::uint32_t DSBSIZE_MIN = 4;
constexpr std::uint32_t DSBSIZE_MAX = 0x0FFFFFFF;

struct DSBUFFERDESC {
    std::uint32_t dwSize;
    std::uint32_t dwFlags;
    std::uint32_t dwBufferBytes;
    std::uint32_t dwReserved;
    const WAVEFORMATEX* lpwfxFormat;
};

class DirectSound;

class DirectSoundBuffer {
public:
    DirectSoundBuffer(const DirectSoundBuffer&) = delete;
    DirectSoundBuffer& operator=(const DirectSoundBuffer&) = delete;

    // In bytes of the buffer's own format; Play starts from there.
    HRESULT SetCurrentPosition(std::uint32_t position);
    // Flags 0: once to the end; DSBPLAY_LOOPING: over and over. A buffer that
    // is playing goes on from where it is.
    HRESULT Play(std::uint32_t flags);
    HRESULT Stop();
    // DSBSTATUS_PLAYING, with DSBSTATUS_LOOPING for a loop; 0 when silent.
    HRESULT GetStatus(std::uint32_t* status);
    // Hands out the bytes to fill (a second part where the range wraps round
    // the end); Unlock turns them into the device's format.
    HRESULT Lock(std::uint32_t offset, std::uint32_t bytes, void** part1, std::uint32_t* bytes1, void** part2,
                 std::uint32_t* bytes2, std::uint32_t flags);
    HRESULT Unlock(void* part1, std::uint32_t bytes1, void* part2, std::uint32_t bytes2);
    HRESULT Restore();
    unsigned long Release();

    struct Impl;

private:
    friend class DirectSound;
    explicit DirectSoundBuffer(Impl* impl) : impl_(impl) {}
    ~DirectSoundBuffer();
    Impl* impl_;
};

class DirectSound {
public:
    DirectSound(const DirectSound&) = delete;
    DirectSound& operator=(const DirectSound&) = delete;

    HRESULT SetCooperativeLevel(Window* window, std::uint32_t level);
    // A buffer of dwBufferBytes bytes in the given format: PCM, 8 or 16 bits,
    // one or two channels. DSERR_BADFORMAT for any other, DSERR_ALLOCATED
    // when every voice of the mixer is taken.
    HRESULT CreateSoundBuffer(const DSBUFFERDESC* desc, DirectSoundBuffer** buffer);
    // Closes the device; buffers not yet released fall silent for good.
    unsigned long Release();

    struct Impl;

private:
    friend HRESULT DirectSoundCreate(DirectSound** out);
    explicit DirectSound(Impl* impl) : impl_(impl) {}
    ~DirectSound();
    Impl* impl_;
};

// Opens the default output; one device at a time (DSERR_ALLOCATED for a
// second), DSERR_NODRIVER when there is none to be had.
HRESULT DirectSoundCreate(DirectSound** out);

// Silent: the next device is SDL's driver that plays into nothing, so that
// the game runs on a machine without a sound card.
void SetSilentSound(bool silent);

// The open device's output, and whether it is paused (the program inactive);
// false and zeros without a device.
bool AudioPaused();
int AudioRate();
int AudioChannels();

}  // namespace platform
