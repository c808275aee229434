// What recording a game adds to each frame: the frame's keys and second
// taken, a pointer move noted, the step encoded, the picture's checksum every
// 120th frame and the file written in pieces; the game's own frame left out.
// Reported as processor time per frame and as a share of one core at 60
// frames a second.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "bench_support.h"
#include "shell/main_loop.h"
#include "shell/recorded_game.h"

namespace {

void BM_RecordingAFrame(benchmark::State& state) {
    if (!benchsupport::OpenGame()) {
        state.SkipWithError("no display or no data");
        return;
    }
    const std::string datei = (std::filesystem::temp_directory_path() / "ferrow-bench.rec").string();
    if (!bandvorbereiten(Band::aufnahme, datei, stdout, stderr)) {
        state.SkipWithError("cannot record");
        return;
    }
    bandbeginnen();
    bandgestartet();
    int n = 0;
    const double start = benchsupport::ThreadMicros();
    for (auto _ : state) {
        ++n;
        nachrichtzustellen({hauptfenster, platform::WM_MOUSEMOVE, 0, platform::MakeLParam(n % 640, n % 480)});
        bildbeginnt();
        bildendet();
    }
    const double proBild = (benchsupport::ThreadMicros() - start) / double(state.iterations());
    bandbeenden(0);
    bandvorbereiten(Band::keins, "", stdout, stderr);
    std::filesystem::remove(datei);
    state.counters["percent_of_a_core_at_60_fps"] = proBild * 60 / 1e4;
}
BENCHMARK(BM_RecordingAFrame)->Unit(benchmark::kMicrosecond);

}  // namespace
