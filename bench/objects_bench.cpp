// Frames with many live objects, and one shot through twenty full layers,
// each beside one memcpy of a frame in the same run.
#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "graphics/display.h"
#include "graphics/graphics_store.h"
#include "layers/layer_database.h"

namespace {

constexpr int kBusyLayers[] = {2, 3, 5, 8, 9, 12, 17};

// Twenty layers; the busy ones get 200 swaying pigs spread over the screen.
// Swaying objects never end by themselves, so the scene stays full.
void BuildBusyScene(_layerdatenbank& db) {
    db.init(lpdd, lpddsprimary, lpddsback);
    for (int l = 0; l < 20; ++l) db.Setlayerdaten(&grafikdatenbank);
    db.addbild(4, 0, 0, 240);
    for (int l : kBusyLayers)
        for (int i = 0; i < 200; ++i) {
            std::int32_t block[kParameter] = {};
            block[bahn] = 1;
            db.addobject(block, l, i % 2 ? 9 : 13, (i * 37) % 600, (i * 23) % 440);
        }
}

void BM_BusyFrame(benchmark::State& state) {
    if (!benchsupport::OpenGame()) {
        state.SkipWithError("no display or no data");
        return;
    }
    _layerdatenbank db;
    BuildBusyScene(db);
    for (auto _ : state) {
        lpddsback->ColorFill(192);
        db.allezeichnen(&grafikdatenbank);
    }
    state.counters["objects"] = 200.0 * (sizeof kBusyLayers / sizeof kBusyLayers[0]);
}
BENCHMARK(BM_BusyFrame)->Unit(benchmark::kMicrosecond);

// Every layer full of drawn pigs under the click, all transparent at the
// clicked pixel: the hit test has to look at every one and finds nothing.
void BM_ShotThroughFullLayers(benchmark::State& state) {
    if (!benchsupport::OpenGame()) {
        state.SkipWithError("no display or no data");
        return;
    }
    _layerdatenbank db;
    db.init(lpdd, lpddsprimary, lpddsback);
    for (int l = 0; l < 20; ++l) db.Setlayerdaten(&grafikdatenbank);
    for (int l = 0; l < 20; ++l)
        for (int i = 0; i < 199; ++i) {
            const std::int32_t block[kParameter] = {};
            db.addobject(block, l, 9, 300, 200);
        }
    db.allezeichnen(&grafikdatenbank);
    for (auto _ : state) {
        // The top-left corner of a pig frame is always its key colour.
        benchmark::DoNotOptimize(db.schiessen(&grafikdatenbank, 301, 201));
        state.PauseTiming();
        db.ruckeln = 0;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ShotThroughFullLayers)->Unit(benchmark::kMicrosecond);

}  // namespace
