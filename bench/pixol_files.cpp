// The library's file services against the plain operations they are built on, in the same run:
// reading a region file against reading its bytes, FsExist against one stat, a drive walk against
// the standard library's recursive directory listing.
#include "library/Pixolf.h"
#include "library/formats/RegionFiles.h"
#include "library/frame/LibraryState.h"
#include "platform/Paths.h"
#include "platform/PictureFile.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// A scratch drive V with a face-sized region file and a tree of 100 x 100 files.
struct Scratch {
    fs::path root = fs::temp_directory_path() / ("pixol-files-bench-" + std::to_string(::getpid()));
    int32_t faceRects = 0;
    Scratch()
    {
        fs::create_directories(root / "tree");
        salon::DriveTable::current().set('V', root);
        // 600 rows of ragged edges: one rectangle per row, as a traced face outline gives.
        std::vector<salon::Rect> rows;
        for (int32_t y = 0; y < 600; ++y) rows.push_back(salon::Rect{100 + (y * 7) % 13, y, 400 + (y * 5) % 11, y + 1});
        const salon::Region face = salon::Region::fromRects(rows);
        faceRects = int32_t(face.rectCount());
        const auto bytes = pixol::formats::encodeNlg(face.data(), 512, 560);
        std::ofstream(root / "face.nlg", std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                                 std::streamsize(bytes.size()));
        for (int d = 0; d < 100; ++d) {
            const fs::path dir = root / "tree" / ("dir" + std::to_string(d));
            fs::create_directories(dir);
            for (int f = 0; f < 100; ++f) std::ofstream(dir / ("file" + std::to_string(f) + ".bmp")) << "x";
        }
    }
    ~Scratch()
    {
        std::error_code ec;
        fs::remove_all(root, ec);
    }
};

Scratch& scratch()
{
    static Scratch s;
    return s;
}

void BM_ReadNlgBytesOnly(benchmark::State& state)
{
    const fs::path file = scratch().root / "face.nlg";
    for (auto _ : state) benchmark::DoNotOptimize(salon::readFileBytes(file));
    state.counters["rects"] = scratch().faceRects;
}
BENCHMARK(BM_ReadNlgBytesOnly);

void BM_SuCtiNLG(benchmark::State& state)
{
    scratch();
    pixol::Pixolf lib;
    for (auto _ : state) {
        int32_t h = lib.SuCtiNLG("V:\\face.nlg", 512, 560);
        benchmark::DoNotOptimize(h);
        lib.TsRgn(h);
    }
    state.counters["rects"] = scratch().faceRects;
}
BENCHMARK(BM_SuCtiNLG);

void BM_SuCtiNLGScaled(benchmark::State& state)
{
    scratch();
    pixol::Pixolf lib;
    for (auto _ : state) {
        int32_t h = lib.SuCtiNLG("V:\\FACE.NLG", 640, 700);
        benchmark::DoNotOptimize(h);
        lib.TsRgn(h);
    }
}
BENCHMARK(BM_SuCtiNLGScaled);

void BM_StatOnly(benchmark::State& state)
{
    const fs::path file = scratch().root / "tree" / "dir50" / "file50.bmp";
    for (auto _ : state) {
        std::error_code ec;
        benchmark::DoNotOptimize(fs::is_regular_file(file, ec));
    }
}
BENCHMARK(BM_StatOnly);

void BM_FsExist(benchmark::State& state)
{
    scratch();
    pixol::Pixolf lib;
    for (auto _ : state) benchmark::DoNotOptimize(lib.FsExist("V:\\tree\\dir50\\file50.bmp"));
}
BENCHMARK(BM_FsExist);

void BM_FsExistOtherCase(benchmark::State& state)
{
    scratch();
    pixol::Pixolf lib;
    for (auto _ : state) benchmark::DoNotOptimize(lib.FsExist("V:\\TREE\\DIR50\\FILE50.BMP"));
}
BENCHMARK(BM_FsExistOtherCase);

void BM_RecursiveListing(benchmark::State& state)
{
    const fs::path tree = scratch().root;
    for (auto _ : state) {
        int64_t n = 0;
        for (const auto& e : fs::recursive_directory_iterator(tree)) n += e.is_regular_file();
        benchmark::DoNotOptimize(n);
    }
}
BENCHMARK(BM_RecursiveListing)->Unit(benchmark::kMillisecond);

void BM_SysFnSou(benchmark::State& state)
{
    scratch();
    const salon::DriveTable saved = salon::DriveTable::current();
    salon::DriveTable::current() = salon::DriveTable({{'V', scratch().root, salon::DriveType::Fixed}});
    pixol::Pixolf lib;
    for (auto _ : state) {
        pixol::StringArray found;
        int32_t count = 0;
        lib.SysFnSou("*.bmp", found, count);
        benchmark::DoNotOptimize(count);
        state.counters["files"] = count;
    }
    salon::DriveTable::current() = saved;
}
BENCHMARK(BM_SysFnSou)->Unit(benchmark::kMillisecond);

} // namespace
