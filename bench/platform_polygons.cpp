// Speed of the polygon scan on the cut-outs a model may hold, seen through the reach the editor
// scans them in (the picture and 65,536 pixels around it). The baseline is an honest outline of
// 1,000 points; read the others as multiples of it. A hostile model's wild points must stay near
// linear: the scan once walked every edge on every row of the reach, minutes for these sets.
#include "platform/Region.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <span>
#include <vector>

using namespace salon;

namespace {

constexpr Rect Reach{-65536, -65536, 512 + 65536, 560 + 65536};

// A wavy closed outline of n points around the middle of a 512 x 560 picture.
std::vector<Point> honestOutline(int n, double radius)
{
    std::vector<Point> points;
    points.reserve(size_t(n));
    for (int i = 0; i < n; ++i) {
        const double a = 2 * M_PI * i / n, r = radius * (1 + 0.1 * std::sin(17 * a));
        points.push_back(Point{int32_t(std::lround(256 + r * std::cos(a))), int32_t(std::lround(280 + 1.2 * r * std::sin(a)))});
    }
    return points;
}

// n points anywhere in the 32-bit plane: what a damaged or hostile file gives.
std::vector<Point> wildPoints(int n)
{
    std::mt19937 rng(20);
    std::vector<Point> points(static_cast<size_t>(n));
    for (Point& p : points) p = Point{int32_t(rng()), int32_t(rng())};
    return points;
}

// n points scattered over the picture itself: every edge crosses most rows inside the clip.
std::vector<Point> scatteredInPicture(int n)
{
    std::mt19937 rng(21);
    std::vector<Point> points(static_cast<size_t>(n));
    for (Point& p : points) p = Point{int32_t(rng() % 512), int32_t(rng() % 560)};
    return points;
}

void scan(benchmark::State& state, const std::vector<Point>& points)
{
    const int32_t count = int32_t(points.size());
    size_t rects = 0;
    for (auto _ : state) {
        const Region r = Region::polygons(points, std::span<const int32_t>(&count, 1), FillRule::EvenOdd, Reach);
        rects = r.rectCount();
        benchmark::DoNotOptimize(rects);
    }
    state.counters["rects"] = double(rects);
}

void Baseline_Outline1000Points(benchmark::State& state) { scan(state, honestOutline(1000, 200)); }
BENCHMARK(Baseline_Outline1000Points)->Unit(benchmark::kMillisecond);

void Outline1000000Points(benchmark::State& state) { scan(state, honestOutline(1000000, 200)); }
BENCHMARK(Outline1000000Points)->Unit(benchmark::kMillisecond);

void LargeOutline1000000Points(benchmark::State& state) { scan(state, honestOutline(1000000, 50000)); }
BENCHMARK(LargeOutline1000000Points)->Unit(benchmark::kMillisecond);

void WildPolygon200000Points(benchmark::State& state) { scan(state, wildPoints(200000)); }
BENCHMARK(WildPolygon200000Points)->Unit(benchmark::kMillisecond);

void ScatteredPolygon200000Points(benchmark::State& state) { scan(state, scatteredInPicture(200000)); }
BENCHMARK(ScatteredPolygon200000Points)->Unit(benchmark::kMillisecond);

} // namespace
