#include "sound/sound_slots.h"

#include <cstdio>

#include "base/data_paths.h"
#include "base/fatal_report.h"
#include "platform/debug_output.h"
#include "sound/wave.h"

using namespace platform;

DirectSound* soundgeraet = nullptr;
DirectSoundBuffer* soundpuffer[kSoundslots] = {};

namespace {

// The reader's state, used by one load at a time.
std::FILE* wavedatei = nullptr;
WAVEFORMATEX* waveformat = nullptr;
MMCKINFO riffchunk{};
MMCKINFO datenchunk{};

// Nothing of a failed load may stay behind: not the file, not the half-made
// buffer.
DirectSoundBuffer* abbrechen(DirectSoundBuffer* puffer, const char* meldung) {
    if (puffer) puffer->Release();
    wavedateischliessen(&wavedatei, &waveformat);
    OutputDebugString(meldung);
    return nullptr;
}

bool starten(DirectSoundBuffer* puffer, std::uint32_t flags) {
    if (!puffer || programmendet) return true;
    puffer->SetCurrentPosition(0);
    // A lost buffer is only restored: it is silent this once.
    if (puffer->Play(flags) == DSERR_BUFFERLOST) puffer->Restore();
    return false;
}

}  // namespace

int initdirectsound(Window* fenster) {
    if (FAILED(DirectSoundCreate(&soundgeraet))) return 1;
    if (FAILED(soundgeraet->SetCooperativeLevel(fenster, DSSCL_PRIORITY))) {
        OutputDebugString("Soundfehler CooperativeLevel ");
        return 1;
    }
    return 0;
}

void soundsetladen(const char* ordner) {
    if (programmendet) return;
    for (int n = 0; n < kSoundslots; ++n) {
        if (n == kSoundOhneDatei) continue;
        char pfad[kPfadlaenge + 16];
        std::snprintf(pfad, sizeof pfad, "%s/s%d.wav", ordner, n);
        if (n == 0) OutputDebugString(pfad);
        // Loading twice gives the earlier buffer back rather than losing it.
        if (soundpuffer[n]) soundpuffer[n]->Release();
        soundpuffer[n] = soundladen(pfad);
    }
}

DirectSoundBuffer* soundladen(const char* pfad) {
    wavedateischliessen(&wavedatei, &waveformat);
    if (WaveOpenFile(pfad, &wavedatei, &waveformat, &riffchunk) != 0) {
        OutputDebugString("Fehler bei WaveOpenFile");
        OutputDebugString(pfad);
        return nullptr;
    }
    if (WaveStartDataRead(&wavedatei, &riffchunk, &datenchunk) != 0)
        return abbrechen(nullptr, "Fehler bei WaveStartDataRead");

    DSBUFFERDESC beschreibung{};
    beschreibung.dwSize = sizeof beschreibung;
    beschreibung.dwFlags = DSBCAPS_STATIC;
    beschreibung.dwBufferBytes = datenchunk.cksize;
    beschreibung.lpwfxFormat = waveformat;
    DirectSoundBuffer* puffer = nullptr;
    if (!soundgeraet || FAILED(soundgeraet->CreateSoundBuffer(&beschreibung, &puffer)))
        return abbrechen(nullptr, "Fehler bei CreateSoundBuffer");

    void* bereich = nullptr;
    std::uint32_t groesse = 0;
    if (FAILED(puffer->Lock(0, 0, &bereich, &groesse, nullptr, nullptr, DSBLOCK_ENTIREBUFFER)))
        return abbrechen(puffer, "Fehler bei Soundpuffer->Lock");

    std::uint32_t gelesen = 0;
    if (wavedatenlesen(wavedatei, groesse, static_cast<std::uint8_t*>(bereich), &datenchunk, &gelesen) != 0) {
        puffer->Unlock(bereich, groesse, nullptr, 0);
        return abbrechen(puffer, "Fehler bei Schreibaktion Sound");
    }
    puffer->Unlock(bereich, groesse, nullptr, 0);
    // The bytes are in the buffer: the file has nothing more to give.
    wavedateischliessen(&wavedatei, &waveformat);
    return puffer;
}

bool soundspielen(DirectSoundBuffer* puffer) { return starten(puffer, 0); }

bool soundschleife(DirectSoundBuffer* puffer) { return starten(puffer, DSBPLAY_LOOPING); }

void soundstoppen(DirectSoundBuffer* puffer) {
    if (puffer && !programmendet) puffer->Stop();
}

std::uint32_t soundstatus(DirectSoundBuffer* puffer) {
    std::uint32_t status = 0;
    if (puffer && !programmendet) puffer->GetStatus(&status);
    return status;
}

void motorgeraeusch(bool motorlaeuft) {
    if (!motorlaeuft) {
        soundstoppen(soundpuffer[kSoundMotor]);
        return;
    }
    // Started again once it has ended, not looped: a looping buffer does not
    // read as exactly "playing" and would be started over every frame.
    if (soundstatus(soundpuffer[kSoundMotor]) != DSBSTATUS_PLAYING) soundspielen(soundpuffer[kSoundMotor]);
}
