// Recordings on disk: read whole and checked before the game starts, and
// written through a buffer beside their final name, which they take only
// once complete, so that no file by that name is ever cut short.
#pragma once
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// Reads and checks the recording. False, after one line on `fehler`, when it
// is missing, unreadable, too large, cut short, damaged or of another format.
bool aufnahmelesen(const std::string& pfad, std::vector<std::uint8_t>* bytes, std::FILE* fehler);

class Aufnahmedatei {
public:
    ~Aufnahmedatei() { verwerfen(); }

    // Makes the file the recording is written to until it is complete. False,
    // after one line on `fehler`, when it cannot be made.
    bool oeffnen(const std::string& pfad, std::FILE* fehler);
    // Appends the bytes; a failure is told by abschliessen.
    void schreiben(const std::vector<std::uint8_t>& bytes);
    // Closes the file and gives it its name. False, after one line on
    // `fehler`, when anything failed; no file is left then.
    bool abschliessen(std::FILE* fehler);
    // Gives up a recording not yet complete.
    void verwerfen();

private:
    std::string pfad_, neu_;
    std::FILE* datei_ = nullptr;
    bool gut_ = false;
};
