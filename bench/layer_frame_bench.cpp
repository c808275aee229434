// One full twenty-layer frame of 300 visible pictures of mixed sizes, beside
// one memcpy of a frame in the same run.
#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "graphics/display.h"
#include "graphics/graphics_store.h"
#include "layers/layer_database.h"

namespace {

// Pictures of every size class: sea, islands, lighthouse, palms, clouds,
// boats, pigs, splashes, digits, banners.
const int kBilder[] = {0, 44, 45, 30, 35, 36, 39, 40, 57, 9, 11, 18, 23, 66, 8};

void BuildScene(_layerdatenbank& db) {
    db.init(lpdd, lpddsprimary, lpddsback);
    for (int l = 0; l < 20; ++l) db.Setlayerdaten(&grafikdatenbank);
    int n = 0;
    for (int l = 0; l < 20; ++l)
        for (int k = 0; k < 15; ++k, ++n) {
            const int bild = kBilder[(l + k) % 15];
            db.addbild(l, bild, (n * 97) % 600, (n * 53) % 420);
        }
}

void BM_MemcpyFrame(benchmark::State& state) {
    for (auto _ : state) benchsupport::CopyOneFrame();
}
BENCHMARK(BM_MemcpyFrame);

void BM_TwentyLayerFrame(benchmark::State& state) {
    if (!benchsupport::OpenGame()) {
        state.SkipWithError("no display or no data");
        return;
    }
    _layerdatenbank db;
    BuildScene(db);
    for (auto _ : state) {
        lpddsback->ColorFill(192);
        db.allezeichnen(&grafikdatenbank);
    }
    state.counters["pictures"] = 300;
}
BENCHMARK(BM_TwentyLayerFrame)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
