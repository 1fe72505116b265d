// Speed of the automatic placement's face finding on a 360 x 480 photo, read against the editor's
// own rotation of a photo of that size (RenderFace_RotateOnly in engine_bench.cpp, same program,
// same run): `engine_bench --benchmark_filter='FindFace|RotateOnly'`.
#include "editor/engine/vision/FaceFinder.h"
#include "platform/PictureFile.h"
#include "tests/engine/SyntheticPortraits.h"

#include <benchmark/benchmark.h>

using namespace salon;

namespace {

const FaceFinder& finder()
{
    static const FaceFinder f;
    return f;
}

// The demo photo: an upright face, found in the first, smallest search.
void FindFace_Upright360x480(benchmark::State& state)
{
    const auto photo = loadPicture(std::string(SALON_SOURCE_DIR) + "/data/photos/face.jpg");
    if (!photo || !finder().ready()) return state.SkipWithError("no demo photo or no cascades");
    const Bitmap p = photo.value().toRgb24();
    for (auto _ : state) benchmark::DoNotOptimize(finder().find(p));
}
BENCHMARK(FindFace_Upright360x480)->Unit(benchmark::kMillisecond);

// A face turned by 17 degrees or more on a 360 x 480 canvas, clockwise (1) or counter-clockwise
// (-1), at least 90 pixels wide: found only in a turned frame, the second or the third searched.
void FindFace_Turned360x480(benchmark::State& state)
{
    const float sign = float(state.range(0));
    const auto demo = testing::loadDemoPortrait();
    std::mt19937 rng(1);
    testing::Portrait p;
    do p = testing::makePortrait(demo, rng);
    while (p.photo.width != 360 || p.truth.turn * sign < 17.0f || p.truth.side < 90.0f);
    if (!finder().ready()) return state.SkipWithError("no cascades");
    for (auto _ : state) benchmark::DoNotOptimize(finder().find(p.photo));
}
BENCHMARK(FindFace_Turned360x480)->Arg(1)->Arg(-1)->Unit(benchmark::kMillisecond);

// An upright face of 60 to 70 pixels on a 360 x 480 canvas: below the first search's smallest
// face, found by the second, larger search.
void FindFace_Small360x480(benchmark::State& state)
{
    const auto demo = testing::loadDemoPortrait();
    std::mt19937 rng(2);
    testing::Portrait p;
    do p = testing::makePortrait(demo, rng);
    while (p.photo.width != 360 || std::abs(p.truth.turn) > 5.0f || p.truth.side < 60.0f || p.truth.side > 70.0f);
    if (!finder().ready()) return state.SkipWithError("no cascades");
    for (auto _ : state) benchmark::DoNotOptimize(finder().find(p.photo));
}
BENCHMARK(FindFace_Small360x480)->Unit(benchmark::kMillisecond);

} // namespace
