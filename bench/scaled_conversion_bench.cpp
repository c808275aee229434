// The picture converted through the palette into an output at 1x, 2x and 4x
// (a 640 x 480 window, a 1080p screen, a 4K screen) by whole factors, and
// filling the height of a 1366 x 768, a 1080p and a 4K screen (1.6x, 2.25x
// and 4.5x), each beside a memcpy of the same number of output bytes:
// writing the output once is the least any scaler must do.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/portable/fill_scaling.h"
#include "platform/portable/scaled_conversion.h"

namespace {

using platform::kImageHeight;
using platform::kImageWidth;

struct Output {
    Output(int w, int h) : pitch(w * 4), bytes(std::size_t(pitch) * h), pixels(bytes), copy(bytes) {}
    explicit Output(int k) : Output(kImageWidth * k, kImageHeight * k) {}
    int pitch;
    std::size_t bytes;
    std::vector<std::uint8_t> pixels, copy;
};

std::vector<std::uint8_t> ScenePicture() {
    // Runs of colours, as a scene has them.
    std::vector<std::uint8_t> image(std::size_t(kImageWidth) * kImageHeight);
    for (std::size_t i = 0; i < image.size(); ++i) image[i] = std::uint8_t((i / 7) * 31);
    return image;
}

void BM_ScaledConversion(benchmark::State& state) {
    const int k = int(state.range(0));
    Output out(k);
    const std::vector<std::uint8_t> image = ScenePicture();
    std::uint32_t lut[256];
    for (int i = 0; i < 256; ++i) lut[i] = 0x010203u * std::uint32_t(i);
    for (auto _ : state) {
        platform::ConvertScaled(image.data(), kImageWidth, lut, {out.pixels.data(), out.pitch, 4},
                                {0, 0, kImageWidth * k, kImageHeight * k});
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(out.bytes));
}
BENCHMARK(BM_ScaledConversion)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMicrosecond);

// The output's bytes copied once an iteration.
void CopyOutput(benchmark::State& state, Output out) {
    std::memset(out.copy.data(), 7, out.bytes);
    for (auto _ : state) {
        std::memcpy(out.pixels.data(), out.copy.data(), out.bytes);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(out.bytes));
}

void BM_MemcpyOfScaledOutput(benchmark::State& state) { CopyOutput(state, Output(int(state.range(0)))); }
BENCHMARK(BM_MemcpyOfScaledOutput)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMicrosecond);

// Arguments: the output's width and height.
void BM_FillConversion(benchmark::State& state) {
    const int w = int(state.range(0)), h = int(state.range(1));
    Output out(w, h);
    const std::vector<std::uint8_t> image = ScenePicture();
    std::uint32_t lut[256];
    for (int i = 0; i < 256; ++i) lut[i] = 0x010203u * std::uint32_t(i);
    platform::FillScaler scaler;
    scaler.Plan(w, h);
    for (auto _ : state) {
        scaler.NewImage();
        scaler.Convert(image.data(), kImageWidth, lut, {out.pixels.data(), out.pitch, 4}, {0, 0, w, h}, 0, h);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(out.bytes));
}
BENCHMARK(BM_FillConversion)->Args({1024, 768})->Args({1066, 800})->Args({1440, 1080})->Args({2880, 2160})->Unit(benchmark::kMicrosecond);

void BM_MemcpyOfFillOutput(benchmark::State& state) {
    CopyOutput(state, Output(int(state.range(0)), int(state.range(1))));
}
BENCHMARK(BM_MemcpyOfFillOutput)->Args({1024, 768})->Args({1066, 800})->Args({1440, 1080})->Args({2880, 2160})->Unit(benchmark::kMicrosecond);

}  // namespace
