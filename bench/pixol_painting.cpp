// The area transforms and the stroke engine on a 512 x 560 picture. Baselines of the same run: a
// copy of the whole pixel array (memory bandwidth) and a plain lookup-table pass over every byte
// (the least a per-byte filter costs), so the ratios say what the library adds.
#include "library/Pixolf.h"
#include "platform/Numbers.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstring>
#include <random>

namespace {

constexpr int32_t W = 512, H = 560;

pixol::ByteArray picture(uint32_t seed)
{
    pixol::ByteArray a;
    a.redim(0, salon::rowBytes24(W) - 1, 0, H - 1);
    std::mt19937 g(seed);
    for (auto& b : a.values) b = uint8_t(g());
    return a;
}

void Baseline_CopyArray(benchmark::State& state)
{
    const pixol::ByteArray a = picture(1);
    pixol::ByteArray b = a;
    for (auto _ : state) {
        std::memcpy(b.values.data(), a.values.data(), a.values.size());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(Baseline_CopyArray);

void Baseline_LookupEveryByte(benchmark::State& state)
{
    pixol::ByteArray a = picture(1);
    std::array<uint8_t, 256> lut{};
    for (int v = 0; v < 256; ++v) lut[size_t(v)] = uint8_t(255 - v);
    for (auto _ : state) {
        for (auto& b : a.values) b = lut[b];
        benchmark::ClobberMemory();
    }
}
BENCHMARK(Baseline_LookupEveryByte);

void AreaA(benchmark::State& state)
{
    pixol::Pixolf lib;
    pixol::ByteArray a = picture(1);
    int32_t le, te, w, h, d1 = int32_t(state.range(1)), d2 = int32_t(state.range(2)), d3 = int32_t(state.range(3)),
                             d4 = 0;
    for (auto _ : state) {
        if (lib.PaZmenaA(int32_t(state.range(0)), a, W, H, le, te, w, h, 0, d1, d2, d3, d4) != 1)
            state.SkipWithError("refused");
        benchmark::ClobberMemory();
    }
}
BENCHMARK(AreaA)->ArgNames({"typ", "d1", "d2", "d3"})
    ->Args({1, 0, 0, 0})      // grey
    ->Args({2, 10, 30, 128})  // contrast and brightness
    ->Args({7, 60, 0, 0})     // lighten
    ->Args({10, 1, 0, 0})     // smoothing
    ->Args({16, 120, 0, 0});  // hue turn

void AreaG(benchmark::State& state)
{
    pixol::Pixolf lib;
    pixol::ByteArray a = picture(1);
    pixol::LongArray t;
    t.redim(0, 255);
    for (int v = 0; v < 256; ++v) t(v) = 255 - v;
    int32_t le, te, w, h;
    for (auto _ : state) {
        if (lib.PaZmenaG(int32_t(state.range(0)), a, W, H, t, t, t, le, te, w, h, 0, int32_t(state.range(1))) != 1)
            state.SkipWithError("refused");
        benchmark::ClobberMemory();
    }
}
BENCHMARK(AreaG)->ArgNames({"typ", "d1"})->Args({1, 0})->Args({3, 128})->Args({4, 4});

void AreaB_Blend(benchmark::State& state)
{
    pixol::Pixolf lib;
    pixol::ByteArray a = picture(1);
    const pixol::ByteArray b = picture(2);
    int32_t le, te, w, h;
    for (auto _ : state) {
        if (lib.PaZmenaB(1, a, b, W, H, W, H, 0, 0, le, te, w, h, 0, 50) != 1) state.SkipWithError("refused");
        benchmark::ClobberMemory();
    }
}
BENCHMARK(AreaB_Blend);

// One 200-pixel segment with a radius-16 brush (width 33) on a 512 x 560 picture, the coverage
// array cleared for every segment as for a new stroke.
void Stroke(benchmark::State& state)
{
    pixol::Pixolf lib;
    salon::Surface s;
    s.setSize(W, H);
    s.clear();
    pixol::ByteArray cov;
    cov.redim(0, W - 1, 0, H - 1);
    int32_t le, te, w, h;
    const int32_t typ = int32_t(state.range(0)), diagonal = int32_t(state.range(1));
    for (auto _ : state) {
        std::fill(cov.values.begin(), cov.values.end(), uint8_t(0));
        const int32_t r = diagonal ? lib.PsMalBod(s, W, H, cov, typ, 33, 0.7f, 0x2040C0, 100, 100, 241, 241, le, te, w, h)
                                   : lib.PsMalBod(s, W, H, cov, typ, 33, 0.7f, 0x2040C0, 100, 200, 300, 200, le, te, w, h);
        if (r != 1) state.SkipWithError("refused");
    }
}
BENCHMARK(Stroke)->ArgNames({"typ", "diagonal"})->Args({1, 0})->Args({2, 0})->Args({2, 1})->Args({6, 1})
    ->Unit(benchmark::kMicrosecond);

void Baseline_ClearCoverage(benchmark::State& state)
{
    pixol::ByteArray cov;
    cov.redim(0, W - 1, 0, H - 1);
    for (auto _ : state) {
        std::fill(cov.values.begin(), cov.values.end(), uint8_t(0));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(Baseline_ClearCoverage)->Unit(benchmark::kMicrosecond);

} // namespace
