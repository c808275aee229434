// One playing frame of the real scene made busy, up to the palette conversion
// (the present and the pacing wait are left out), beside one memcpy of a frame
// in the same run.
#include <benchmark/benchmark.h>

#include "base/random_numbers.h"
#include "bench_support.h"
#include "game/game_flow.h"
#include "game/random_spawner.h"
#include "game/scene.h"
#include "graphics/display.h"
#include "graphics/graphics_store.h"
#include "layers/layer_database.h"

namespace {

// Sky, cloud and pig layers: where the spawner puts its fliers.
constexpr int kBusyLayers[] = {2, 3, 5, 8, 9, 12};
// Flying pigs and clouds, each animated.
constexpr int kFlier[] = {9, 13, 25, 26, 40};
constexpr int kLiveObjects = 150;

// The scene as a game starts it, plus fliers that sway or circle inside the
// view so that the scene stays this full however long the benchmark runs.
// The benchmark body runs more than once: each run starts from a new scene.
void BuildGameScene() {
    layerdatenbank.freigeben();
    zufallsstart(1);
    szeneaufbauen(0);
    for (int i = 0; i < kLiveObjects; ++i) {
        const int layer = kBusyLayers[i % 6];
        const _layerdaten* l = layerdatenbank.layerdaten[layer];
        objekt(layer, kFlier[i % 5], l->scrollx + (i * 37) % 600, l->scrolly + (i * 23) % 440,
               {{bahn, 1 + i % 2}});
    }
    spiellaeuft = 1;
    eingabefertig = 1;
    restzeit = 60;
    uhrlaeuft = 1;
    uhrneustart();
}

// The playing steps of a frame in their order, then the conversion the flip
// starts with.
void GameFrame() {
    zufallsobjekte();
    layerdatenbank.ruckelschritt();
    layerdatenbank.punkteanzeige();
    layerdatenbank.wellengang();
    spieluhr();
    flaecheloeschen(lpddsback, kHintergrundfarbe);
    layerdatenbank.allezeichnen(&grafikdatenbank);
    platform::ConvertBackBuffer();
}

void BM_GameFrame(benchmark::State& state) {
    if (!benchsupport::OpenGame()) {
        state.SkipWithError("no display or no data");
        return;
    }
    BuildGameScene();
    const double copy = benchsupport::MicrosPerFrameCopy();
    const double start = benchsupport::ThreadMicros();
    for (auto _ : state) GameFrame();
    const double spent = benchsupport::ThreadMicros() - start;
    state.counters["objects"] = kLiveObjects;
    state.counters["x_memcpy"] = spent / double(state.iterations()) / copy;
}
BENCHMARK(BM_GameFrame)->Unit(benchmark::kMicrosecond);

}  // namespace
