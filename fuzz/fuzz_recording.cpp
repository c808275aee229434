// A recording through the checks a file gets before any window opens and,
// when they pass, through the reader a replay takes its steps from. What it
// holds, written again, must pass the checks and read back as it was: the
// same bytes once more when written a second time.
//
// The checksum at the end is made to fit the bytes before it, so that the
// search gets past it to the steps behind; a wrong one is the unit tests'.
#include <cstdint>
#include <cstdio>
#include <vector>

#include "harness.h"
#include "platform/portable/byte_order.h"
#include "shell/recording_file.h"
#include "shell/recording_format.h"

using platform::putle;

namespace {

std::FILE* g_nirgends = nullptr;  // where the checks' lines go

// The recording read step by step and written again as it was read.
std::vector<std::uint8_t> neu_geschrieben(const std::vector<std::uint8_t>& b) {
    Bandleser leser(b.data(), b.size());
    Aufnahmekopf kopf;
    if (leser.kopf(&kopf) != Befund::gut) harness::Fault("a checked header does not read");
    Bandschreiber schreiber;
    schreiber.kopf(kopf);
    Schritt s;
    while (leser.schritt(&s)) schreiber.schritt(s);
    if (leser.befund() != Befund::gut) harness::Fault("a checked step does not read");
    schreiber.ende(leser.ende());
    return schreiber.bytes;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    harness::Start();
    g_nirgends = std::fopen("/dev/null", "w");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> b(data, data + size);
    if (b.size() >= 4) {
        b.resize(b.size() - 4);
        putle(b, crc32(b.data(), b.size()), 4);
    }
    // As the command line reads it, from a file.
    std::vector<std::uint8_t> gelesen;
    const bool gut = aufnahmelesen(harness::WriteInput("aufnahme", b.data(), b.size()), &gelesen, g_nirgends);
    if (gut != (aufnahmepruefen(b.data(), b.size()).befund == Befund::gut)) harness::Fault("file and bytes checked otherwise");
    if (!gut) return 0;
    if (gelesen != b) harness::Fault("the file read is not the file written");

    const std::vector<std::uint8_t> einmal = neu_geschrieben(b);
    if (aufnahmepruefen(einmal.data(), einmal.size()).befund != Befund::gut) harness::Fault("a recording written again fails its check");
    if (neu_geschrieben(einmal) != einmal) harness::Fault("a recording written again reads back otherwise");
    return 0;
}
