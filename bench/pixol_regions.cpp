// Speed of the region toolkit on a face-sized outline. The baseline is one union of the face with
// itself moved by a pixel - the unit every grow and shrink step is made of - so the figures read as
// multiples of it.
#include "library/Pixolf.h"
#include "library/frame/LibraryState.h"
#include "platform/Region.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>

using namespace salon;

namespace {

// A 512 x 560 face: a wavy oval with eyes, nostrils and a mouth cut out.
Region face()
{
    std::vector<Point> pts;
    for (int i = 0; i < 2000; ++i) {
        const double a = 2 * M_PI * i / 2000.0, r = 1 + 0.03 * std::sin(17 * a);
        pts.push_back(Point{int32_t(std::lround(256 + 250 * r * std::cos(a))), int32_t(std::lround(280 + 275 * r * std::sin(a)))});
    }
    Region f = Region::polygon(pts, FillRule::EvenOdd);
    for (Rect hole : {Rect{150, 200, 220, 240}, Rect{290, 200, 360, 240}, Rect{240, 320, 250, 340}, Rect{262, 320, 272, 340}})
        f.subtract(Region::ellipse(hole));
    f.subtract(Region::ellipse(Rect{190, 400, 320, 440}));
    return f;
}

// 10,000 separate rectangles on a grid.
Region grid()
{
    std::vector<Rect> rects;
    for (int32_t j = 0; j < 100; ++j)
        for (int32_t i = 0; i < 100; ++i) rects.push_back(Rect{3 * i, 2 * j, 3 * i + 2, 2 * j + 1});
    return Region::fromRects(rects);
}

int32_t handleOf(const Region& r) { return int32_t(pixol::state().regions.add(r)); }

void BM_Baseline_OneUnion(benchmark::State& st)
{
    const Region f = face();
    for (auto _ : st) benchmark::DoNotOptimize(f.united(f.offsetted(1, 1)));
}
BENCHMARK(BM_Baseline_OneUnion)->Unit(benchmark::kMicrosecond);

template <bool Grow>
void BM_Octagon16(benchmark::State& st)
{
    pixol::Pixolf lib;
    int32_t h = handleOf(face());
    for (auto _ : st) {
        int32_t r = Grow ? lib.RgnZvetsi(h, 16, true, true) : lib.RgnZmensi(h, 16, true, true);
        lib.TsRgn(r);
    }
    lib.TsRgn(h);
}
BENCHMARK(BM_Octagon16<true>)->Name("BM_RgnZvetsi_16_octagon_face")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Octagon16<false>)->Name("BM_RgnZmensi_16_octagon_face")->Unit(benchmark::kMicrosecond);

void BM_RgnAnalyzuj_face(benchmark::State& st)
{
    pixol::Pixolf lib;
    const Region f = face();
    pixol::SingleArray xs, ys;
    pixol::LongArray counts;
    int32_t polygons = 0, points = 0;
    for (auto _ : st) {
        int32_t h = handleOf(f);
        benchmark::DoNotOptimize(lib.RgnAnalyzuj(h, xs, ys, counts, polygons, points));
        lib.TsRgn(h);
    }
    st.counters["points"] = points;
}
BENCHMARK(BM_RgnAnalyzuj_face)->Unit(benchmark::kMicrosecond);

void BM_RgnOmal_10000_rects(benchmark::State& st)
{
    pixol::Pixolf lib;
    int32_t h = handleOf(grid());
    int32_t rest = handleOf(Region());
    pixol::LongArray qhr, poct1, poct2;
    int32_t cit = 0;
    for (auto _ : st) {
        benchmark::DoNotOptimize(lib.RgnOmal(h, rest, 1, 1, qhr, cit, poct1, poct2));
        st.PauseTiming();
        for (int32_t k = cit; k >= 1; --k) lib.TsRgn(qhr(k));  // newest first: the table shrinks at its end
        st.ResumeTiming();
    }
    st.counters["parts"] = cit;
    lib.TsRgn(h);
    lib.TsRgn(rest);
}
BENCHMARK(BM_RgnOmal_10000_rects)->Unit(benchmark::kMicrosecond);

} // namespace
