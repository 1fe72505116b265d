// Speed of the platform's pixel-set and picture primitives. The memcpy baseline moves the bytes
// of the halftone result once, so the other figures can be read as multiples of it.
#include "platform/Numbers.h"
#include "platform/Region.h"
#include "platform/Surface.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>
#include <random>
#include <vector>

using namespace salon;

namespace {

// 12 wavy closed outlines of 1,000 points each over a 512 x 560 picture, overlapping like the
// outlines of a hairstyle model.
struct PolygonSet {
    std::vector<Point> points;
    std::vector<int32_t> counts;
};

PolygonSet hairOutlines()
{
    PolygonSet s;
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> u(0.0, 1.0);
    for (int k = 0; k < 12; ++k) {
        const double cx = 120 + 270 * u(rng), cy = 120 + 320 * u(rng), r = 60 + 110 * u(rng);
        const double waves = 5 + std::floor(20 * u(rng)), depth = 0.05 + 0.2 * u(rng);
        for (int i = 0; i < 1000; ++i) {
            const double a = 2 * M_PI * i / 1000.0;
            const double rr = r * (1 + depth * std::sin(waves * a));
            s.points.push_back(Point{int32_t(std::lround(cx + rr * std::cos(a))), int32_t(std::lround(cy + 1.2 * rr * std::sin(a)))});
        }
        s.counts.push_back(1000);
    }
    return s;
}

Surface noise(int w, int h)
{
    Surface s(w, h);
    std::mt19937 rng(3);
    for (uint8_t& b : s.image().pixels) b = uint8_t(rng());
    return s;
}

void MemcpyBaseline(benchmark::State& state)
{
    const size_t bytes = size_t(rowBytes24(512)) * 560;
    std::vector<uint8_t> a(bytes, 1), b(bytes);
    for (auto _ : state) {
        std::memcpy(b.data(), a.data(), bytes);
        benchmark::DoNotOptimize(b.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
}
BENCHMARK(MemcpyBaseline)->Unit(benchmark::kMicrosecond);

void PolygonScan12000Points(benchmark::State& state)
{
    const PolygonSet s = hairOutlines();
    size_t rects = 0;
    for (auto _ : state) {
        Region r = Region::polygons(s.points, s.counts, FillRule::EvenOdd);
        rects = r.rectCount();
        benchmark::DoNotOptimize(rects);
    }
    state.counters["rects"] = double(rects);
}
BENCHMARK(PolygonScan12000Points)->Unit(benchmark::kMicrosecond);

void RegionXor(benchmark::State& state)
{
    const PolygonSet s = hairOutlines();
    const Region a = Region::polygons(s.points, s.counts, FillRule::EvenOdd);
    const Region b = a.offsetted(3, 2);
    for (auto _ : state) {
        Region x = a.xored(b);
        benchmark::DoNotOptimize(x.rectCount());
    }
    state.counters["rects_in"] = double(a.rectCount());
}
BENCHMARK(RegionXor)->Unit(benchmark::kMicrosecond);

void HalftoneStretch360x480To512x560(benchmark::State& state)
{
    const Surface src = noise(360, 480);
    Surface dst(512, 560);
    dst.stretchMode = StretchMode::Halftone;
    for (auto _ : state) {
        stretchBlt(dst, 0, 0, 512, 560, src, 0, 0, 360, 480, RasterOp::SrcCopy);
        benchmark::DoNotOptimize(dst.image().pixels.data());
    }
}
BENCHMARK(HalftoneStretch360x480To512x560)->Unit(benchmark::kMicrosecond);

void HalftoneShrink512x560To360x480(benchmark::State& state)
{
    const Surface src = noise(512, 560);
    Surface dst(360, 480);
    dst.stretchMode = StretchMode::Halftone;
    for (auto _ : state) {
        stretchBlt(dst, 0, 0, 360, 480, src, 0, 0, 512, 560, RasterOp::SrcCopy);
        benchmark::DoNotOptimize(dst.image().pixels.data());
    }
}
BENCHMARK(HalftoneShrink512x560To360x480)->Unit(benchmark::kMicrosecond);

void BlockMergePaint512x560(benchmark::State& state)
{
    const Surface src = noise(512, 560);
    Surface dst = noise(512, 560);
    for (auto _ : state) {
        bitBlt(dst, 0, 0, 512, 560, src, 0, 0, RasterOp::MergePaint);
        benchmark::DoNotOptimize(dst.image().pixels.data());
    }
}
BENCHMARK(BlockMergePaint512x560)->Unit(benchmark::kMicrosecond);

} // namespace
