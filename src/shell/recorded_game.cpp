#include "shell/recorded_game.h"

#include "base/fatal_report.h"
#include "graphics/display.h"
#include "platform/portable/frame_pacing.h"
#include "platform/saving.h"
#include "shell/main_loop.h"
#include "shell/recorded_game_internal.h"
#include "text/highscore_table.h"

using namespace platform;

Bandlage bandlage;

namespace {

Band g_band = Band::keins;

const Clock kBanduhr = {
    [] { return bandlage.uhr->ticks_ms(); },
    [] { return bandlage.uhr->micros(); },
    [] { return bandlage.sekunde; },
    [] { return bandlage.sekunde + bandlage.kalenderabstand; },
    [](std::uint64_t us) { bandlage.uhr->sleep_micros(us); },
};

bool gehalten(int vk) {
    for (int i = 0; i < kTastenzahl; ++i)
        if (kAufnahmetasten[i] == vk) return (bandlage.tasten >> i) & 1;
    return false;
}

}  // namespace

// The keys change only when the loop takes its events, so what they are as a
// frame starts is what the frame would have read.
std::uint64_t tastenlesen() {
    SetKeyStateSource(bandlage.tastenquelle);
    std::uint64_t tasten = 0;
    for (int i = 0; i < kTastenzahl; ++i)
        if (IsKeyDown(kAufnahmetasten[i])) tasten |= std::uint64_t(1) << i;
    SetKeyStateSource(gehalten);
    return tasten;
}

bool bildpruefsumme(std::uint32_t* summe) {
    SurfaceDesc d;
    if (programmendet || !lpddsback || lpddsback->Lock(nullptr, &d) != DD_OK) return false;
    std::uint32_t c = 0;
    for (int y = 0; y < d.height; ++y) c = crc32(d.surface + std::size_t(y) * std::size_t(d.pitch), std::size_t(d.width), c);
    lpddsback->Unlock();
    *summe = c;
    return true;
}

bool bandvorbereiten(Band art, const std::string& pfad, std::FILE* ausgabe, std::FILE* fehler) {
    g_band = Band::keins;
    bandlage.ausgabe = ausgabe;
    bandlage.fehler = fehler;
    aufnahmeverwerfen();
    highscore.vorgabe = nullptr;
    SetSavingAllowed(true);
    SetPaced(true);
    if (art == Band::aufnahme && !aufnahmeanlegen(pfad)) return false;
    if (art == Band::wiedergabe || art == Band::zeitmessung) {
        if (!wiedergabelesen(pfad)) return false;
        SetSavingAllowed(false);
        SetPaced(art == Band::wiedergabe);
    }
    g_band = art;
    return true;
}

void bandbeginnen() {
    if (g_band == Band::keins) return;
    bandlage.bilder = 0;
    bandlage.tasten = 0;
    bandlage.uhr = &CurrentClock();
    bandlage.tastenquelle = SetKeyStateSource(gehalten);
    SetClock(&kBanduhr);
    if (g_band == Band::aufnahme) aufnahmebeginnen();
    else wiedergabebeginnen();
    bandlage.sekunde = bandlage.kopf.startsekunde;
    bandlage.kalenderabstand = bandlage.kopf.kalendersekunde - bandlage.kopf.startsekunde;
}

void bandgestartet() {
    if (g_band == Band::aufnahme) aufnahmegestartet();
    // A replay runs whether or not its window has the focus.
    else if (g_band != Band::keins) programmaktiv = 1;
}

void nachrichtzustellen(const Message& msg) {
    switch (g_band) {
        case Band::keins: fensterproc(msg.window, msg.message, msg.wparam, msg.lparam); return;
        case Band::aufnahme: aufnehmen(msg); return;
        default:
            // The player's own input is not the game's; only its end passes.
            if (msg.message == WM_KEYDOWN || msg.message == WM_CLOSE)
                fensterproc(msg.window, msg.message, msg.wparam, msg.lparam);
            return;
    }
}

bool bildbeginnt() {
    if (g_band == Band::keins) return true;
    if (g_band != Band::aufnahme) return wiedergabebild();
    aufnahmebild();
    return true;
}

void bildendet() {
    if (g_band == Band::keins) return;
    ++bandlage.bilder;
    if (g_band == Band::aufnahme) aufnahmebildende();
    else wiedergabebildende(g_band == Band::zeitmessung);
}

int bandbeenden(int status) {
    if (g_band == Band::keins) return status;
    SetClock(bandlage.uhr);
    SetKeyStateSource(bandlage.tastenquelle);
    if (g_band == Band::aufnahme) {
        aufnahmeabschliessen();
        return status;
    }
    highscore.vorgabe = nullptr;
    return wiedergabemelden(g_band == Band::zeitmessung) || status != 0 ? status : 3;
}
