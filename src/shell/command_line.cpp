#include "shell/command_line.h"

#include <cstring>
#include <optional>

#include "platform/audio_device.h"
#include "platform/window.h"
#include "shell/recorded_game.h"

#ifndef FERROW_VERSION
#define FERROW_VERSION "0"
#endif

// Where the settings are kept, and where the table goes when the data
// folder cannot be written.
#ifdef _WIN32
#define FERROW_EINSTELLUNGEN "%APPDATA%\\ferrow\\settings"
#define FERROW_BENUTZERORDNER "%APPDATA%\\ferrow\\"
#else
#define FERROW_EINSTELLUNGEN "$XDG_CONFIG_HOME/ferrow/settings"
#define FERROW_BENUTZERORDNER "$XDG_DATA_HOME/ferrow/"
#endif

namespace {

constexpr char kAufruf[] =
    "Aufruf: ferrow [--windowed | --fullscreen] [--integer-scaling | --fill]\n"
    "               [--nosound] [--help] [--version]\n"
    "        ferrow [--windowed | --fullscreen] [--integer-scaling | --fill]\n"
    "               [--nosound] (--record | --play | --timedemo) DATEI\n";

constexpr char kHilfe[] =
    "Eine Schießbude über sonnigem Meer: Schweine, Wolken und Boote ziehen vorbei.\n"
    "Zielen mit der Maus, schießen mit der linken, nachladen mit der rechten Taste.\n"
    "\n"
    "  --windowed         im Fenster starten statt bildschirmfüllend\n"
    "  --fullscreen       bildschirmfüllend starten (Alt+Eingabe wechselt)\n"
    "  --integer-scaling  nur um ganze Faktoren vergrößern, mit schwarzen Rändern\n"
    "  --fill             den Bildschirm füllen, auch dazwischen scharf (Vorgabe)\n"
    "  --nosound          ohne Ton spielen, etwa auf einem Rechner ohne Soundkarte\n"
    "  --help             diese Hilfe zeigen\n"
    "  --version          die Versionsnummer zeigen\n"
    "\n"
    "Escape oder F12 beendet das Spiel. Vollbild oder Fenster, die Skalierung und die\n"
    "Fenstergröße stehen in " FERROW_EINSTELLUNGEN " und gelten beim nächsten\n"
    "Start wieder; die Optionen gelten nur für den Start, bei dem sie gegeben werden.\n"
    "Die Bestenliste \"hight.dat\" liegt im Datenordner oder, wenn er nicht\n"
    "beschreibbar ist, in " FERROW_BENUTZERORDNER ".\n"
    "\n"
    "Aufnahmen:\n"
    "  --record DATEI    das Spiel in DATEI aufnehmen\n"
    "  --play DATEI      eine Aufnahme abspielen, ohne etwas zu speichern\n"
    "  --timedemo DATEI  eine Aufnahme so schnell wie möglich und ohne Ton abspielen\n"
    "                    und die Bilder pro Sekunde messen\n"
    "Escape beendet eine Wiedergabe. Weicht sie von der Aufnahme ab, endet sie mit\n"
    "dem Status 3.\n";

// The options that name a recording, and what each does with it.
struct Bandoption {
    const char* name;
    Band art;
};
constexpr Bandoption kBandoptionen[] = {
    {"--record", Band::aufnahme}, {"--play", Band::wiedergabe}, {"--timedemo", Band::zeitmessung}};

const Bandoption* bandoption(const char* arg) {
    for (const Bandoption& o : kBandoptionen)
        if (std::strcmp(arg, o.name) == 0) return &o;
    return nullptr;
}

}  // namespace

int befehlszeile(int argc, const char* const* argv, std::FILE* ausgabe, std::FILE* fehler) {
    bool stumm = false;
    std::optional<bool> fenster;
    std::optional<platform::Scaling> skalierung;
    Band band = Band::keins;
    const char* aufnahme = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (const Bandoption* o = bandoption(argv[i])) {
            // One recording a run: a game recorded while another is replayed
            // would record the replay.
            const char* fehlt = i + 1 == argc ? "braucht eine Datei" : band != Band::keins ? "geht nur allein" : nullptr;
            if (fehlt) {
                std::fprintf(fehler, "ferrow: %s %s\n", argv[i], fehlt);
                std::fputs(kAufruf, fehler);
                return 2;
            }
            band = o->art;
            aufnahme = argv[++i];
        } else if (std::strcmp(argv[i], "--windowed") == 0) {
            fenster = true;
        } else if (std::strcmp(argv[i], "--fullscreen") == 0) {
            fenster = false;
        } else if (std::strcmp(argv[i], "--integer-scaling") == 0) {
            skalierung = platform::Scaling::WholeFactors;
        } else if (std::strcmp(argv[i], "--fill") == 0) {
            skalierung = platform::Scaling::Fill;
        } else if (std::strcmp(argv[i], "--nosound") == 0) {
            stumm = true;
        } else if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs(kAufruf, ausgabe);
            std::fputs(kHilfe, ausgabe);
            return 0;
        } else if (std::strcmp(argv[i], "--version") == 0) {
            std::fputs("ferrow " FERROW_VERSION "\n", ausgabe);
            return 0;
        } else {
            // A mistyped option would otherwise start a full-screen game.
            std::fprintf(fehler, "ferrow: unbekannte Option \"%s\"\n", argv[i]);
            std::fputs(kAufruf, fehler);
            return 2;
        }
    }
    // The recording is read, or made, before any window opens.
    if (!bandvorbereiten(band, aufnahme ? aufnahme : "", ausgabe, fehler)) return 2;
    platform::SetStartChoices(fenster, skalierung);
    // A timedemo's frames come far faster than sounds can be heard.
    platform::SetSilentSound(stumm || band == Band::zeitmessung);
    return kSpielen;
}
