// Loading every picture and every sound of the game from its data folder, as
// the start-up does, beside one memcpy of a frame in the same run.
#include <benchmark/benchmark.h>

#include "base/data_paths.h"
#include "bench_support.h"
#include "graphics/catalogue.h"
#include "graphics/graphics_store.h"
#include "shell/main_loop.h"
#include "sound/sound_slots.h"

namespace {

void BM_LoadPicturesAndSounds(benchmark::State& state) {
    if (!benchsupport::OpenGame() || (!soundgeraet && initdirectsound(hauptfenster) != 0)) {
        state.SkipWithError("no display, no sound device or no data");
        return;
    }
    const double copy = benchsupport::MicrosPerFrameCopy();
    double spent = 0;
    for (auto _ : state) {
        state.PauseTiming();
        grafikdatenbank.freigeben();
        state.ResumeTiming();
        const double start = benchsupport::ThreadMicros();
        grafikkatalog();
        soundsetladen(datenordner);
        spent += benchsupport::ThreadMicros() - start;
    }
    state.counters["x_memcpy"] = spent / double(state.iterations()) / copy;
}
BENCHMARK(BM_LoadPicturesAndSounds)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
