// The geometric transforms on a picture of the editor's model size (512 x 560). The baseline of the
// same run is the pixel array's round trip (picture out into an array and back), the least any of
// them does; the ratios say how much each transform costs on top of moving the picture.
#include "library/Pixolf.h"
#include "library/imaging/Transforms.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

salon::Surface picture()
{
    salon::Surface s(512, 560);
    for (int32_t y = 0; y < 560; ++y) {
        uint8_t* row = s.image().row(y);
        for (int32_t i = 0; i < 3 * 512; ++i) row[i] = uint8_t((i * 7 + y * 13) ^ (i >> 3));
    }
    s.keepImage();
    return s;
}

void Baseline_ArrayRoundTrip(benchmark::State& state)
{
    pixol::Pixolf lib;
    salon::Surface s = picture();
    pixol::ByteArray a;
    for (auto _ : state) {
        int32_t w, h;
        lib.CreateObrPole(s, w, h, a);
        lib.ObnovObrPole(s, w, h, a);
        benchmark::DoNotOptimize(a.values.data());
    }
}
BENCHMARK(Baseline_ArrayRoundTrip)->Unit(benchmark::kMillisecond);

template <class F>
void eachOnAFreshPicture(benchmark::State& state, F transform)
{
    pixol::Pixolf lib;
    const salon::Surface original = picture();
    for (auto _ : state) {
        state.PauseTiming();
        salon::Surface s = original;
        state.ResumeTiming();
        benchmark::DoNotOptimize(transform(lib, s));
    }
}

void PsObrRotace_Grow(benchmark::State& state)
{
    eachOnAFreshPicture(state, [](pixol::Pixolf& lib, salon::Surface& s) { return lib.PsObrRotace(s, 0.3f); });
}
BENCHMARK(PsObrRotace_Grow)->Unit(benchmark::kMillisecond);

void PsObrScale_Down07(benchmark::State& state)
{
    eachOnAFreshPicture(state, [](pixol::Pixolf& lib, salon::Surface& s) {
        int32_t dx, dy;
        return lib.PsObrScale(s, dx, dy, 0.7f, 0.7f);
    });
}
BENCHMARK(PsObrScale_Down07)->Unit(benchmark::kMillisecond);

void PsObrZmena_To360x480(benchmark::State& state)
{
    pixol::Pixolf lib;
    salon::Surface s = picture();
    pixol::ByteArray from, to;
    int32_t w, h, nw = 360, nh = 480;
    lib.CreateObrPole(s, w, h, from);
    for (auto _ : state) benchmark::DoNotOptimize(lib.PsObrZmena(w, h, nw, nh, from, to));
}
BENCHMARK(PsObrZmena_To360x480)->Unit(benchmark::kMillisecond);

void PsObrFlip_Both(benchmark::State& state)
{
    eachOnAFreshPicture(state, [](pixol::Pixolf& lib, salon::Surface& s) { return lib.PsObrFlip(s, true, true); });
}
BENCHMARK(PsObrFlip_Both)->Unit(benchmark::kMillisecond);

void PsObrRotR_Grow(benchmark::State& state)
{
    eachOnAFreshPicture(state, [](pixol::Pixolf& lib, salon::Surface& s) {
        int32_t dx, dy;
        return lib.PsObrRotR(s, dx, dy);
    });
}
BENCHMARK(PsObrRotR_Grow)->Unit(benchmark::kMillisecond);

void PsObrNelinDefVer_13(benchmark::State& state)
{
    eachOnAFreshPicture(state, [](pixol::Pixolf& lib, salon::Surface& s) { return lib.PsObrNelinDefVer(s, 1.3f); });
}
BENCHMARK(PsObrNelinDefVer_13)->Unit(benchmark::kMillisecond);

void PsObrRotL_Grow(benchmark::State& state)
{
    eachOnAFreshPicture(state, [](pixol::Pixolf& lib, salon::Surface& s) {
        int32_t dx, dy;
        return lib.PsObrRotL(s, dx, dy);
    });
}
BENCHMARK(PsObrRotL_Grow)->Unit(benchmark::kMillisecond);

// The pixel steps alone in each form (0 plain, 1 SSE2, 2 AVX2), on the picture's own bytes: what
// the vector forms gain, and the form a processor without AVX2 runs.
void RotationKernel(benchmark::State& state)
{
    const auto kernel = salon::PixelKernel(state.range(0));
    if (!salon::pixelKernelRuns(kernel)) {
        state.SkipWithError("this processor does not run the form");
        return;
    }
    const salon::Bitmap pixels = picture().image();
    pixol::transforms::Rotated out;
    for (auto _ : state) benchmark::DoNotOptimize(pixol::transforms::rotatePixels(pixels, 0.3f, out, kernel));
}
BENCHMARK(RotationKernel)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// Enlarging to 666 x 728 (1.3 times) and reducing to 358 x 392 (0.7 times).
void ResampleKernel(benchmark::State& state)
{
    const auto kernel = salon::PixelKernel(state.range(0));
    if (!salon::pixelKernelRuns(kernel)) {
        state.SkipWithError("this processor does not run the form");
        return;
    }
    pixol::Pixolf lib;
    salon::Surface s = picture();
    pixol::ByteArray from, to;
    int32_t w, h;
    lib.CreateObrPole(s, w, h, from);
    const int32_t nw = int32_t(state.range(1)), nh = int32_t(state.range(2));
    for (auto _ : state) benchmark::DoNotOptimize(pixol::transforms::resample(w, h, nw, nh, from, to, kernel));
}
BENCHMARK(ResampleKernel)->Args({1, 666, 728})->Args({2, 666, 728})->Args({1, 358, 392})->Args({2, 358, 392})
    ->Unit(benchmark::kMillisecond);

} // namespace
