#include "shell/command_line.h"

#include <cstring>
#include <optional>

#include "platform/audio_device.h"
#include "platform/window.h"

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
    "Aufruf: ferrow [--windowed | --fullscreen] [--integer-scaling | --fill] [--nosound] [--help] [--version]\n";

constexpr char kHilfe[] =
    "Eine Schießbude über sonnigem Meer: Schweine, Wolken und Boote ziehen vorbei.\n"
    "Zielen mit der Maus, schießen mit der linken, nachladen mit der rechten Taste.\n"
    "\n"
    "  --windowed         im Fenster starten statt bildschirmfüllend (Alt+Eingabe wechselt)\n"
    "  --fullscreen       bildschirmfüllend starten, auch wenn zuletzt im Fenster gespielt wurde\n"
    "  --integer-scaling  nur um ganze Faktoren vergrößern, mit schwarzen Rändern\n"
    "  --fill             den Bildschirm füllen, scharf auch zwischen ganzen Faktoren (Vorgabe)\n"
    "  --nosound          ohne Ton spielen, etwa auf einem Rechner ohne Soundkarte\n"
    "  --help             diese Hilfe zeigen\n"
    "  --version          die Versionsnummer zeigen\n"
    "\n"
    "Escape oder F12 beendet das Spiel. Vollbild oder Fenster, die Skalierung und die\n"
    "Fenstergröße stehen in " FERROW_EINSTELLUNGEN " und gelten beim nächsten\n"
    "Start wieder; die Optionen gelten nur für den Start, bei dem sie gegeben werden.\n"
    "Die Bestenliste \"hight.dat\" liegt im Datenordner oder, wenn er nicht\n"
    "beschreibbar ist, in " FERROW_BENUTZERORDNER ".\n";

}  // namespace

int befehlszeile(int argc, const char* const* argv, std::FILE* ausgabe, std::FILE* fehler) {
    bool stumm = false;
    std::optional<bool> fenster;
    std::optional<platform::Scaling> skalierung;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--windowed") == 0) {
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
    platform::SetStartChoices(fenster, skalierung);
    platform::SetSilentSound(stumm);
    return kSpielen;
}
