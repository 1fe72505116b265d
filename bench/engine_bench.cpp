// Speed of the engine's steps on editor-sized pictures: a 512 x 560 model and a 360 x 480 photo.
// The memcpy of one 512 x 560 picture is the yardstick the other figures are read against.
#include "editor/engine/Engine.h"
#include "editor/engine/DeformKernels.h"
#include "editor/engine/FaceTransform.h"
#include "library/formats/ModelFile.h"
#include "platform/Numbers.h"
#include "platform/PictureFile.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>

#include <unistd.h>

using namespace salon;

namespace {

constexpr int32_t ModelW = 512, ModelH = 560, PhotoW = 360, PhotoH = 480;

struct Files {
    std::string model, photo;
};

// A model with an oval cut-out of 240 points, feathered masks and a textured picture; a photo
// with smooth gradients. Written once per run.
const Files& files()
{
    static const Files f = [] {
        const auto dir = std::filesystem::temp_directory_path() / ("salon-engine-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        dsl::Model m;
        m.width = ModelW;
        m.height = ModelH;
        m.bitmapHeader = dsl::standardBitmapHeader(ModelW, ModelH);
        const int32_t rb = rowBytes24(ModelW);
        m.picture1.resize(size_t(rb) * ModelH);
        m.picture2.resize(m.picture1.size());
        for (int32_t y = 0; y < ModelH; ++y)
            for (int32_t x = 0; x < ModelW; ++x) {
                uint8_t* p = &m.picture1[size_t(y) * rb + size_t(3 * x)];
                p[0] = uint8_t(x * 7 + y), p[1] = uint8_t(y * 3), p[2] = uint8_t(x ^ y);
                uint8_t* q = &m.picture2[size_t(y) * rb + size_t(3 * x)];
                q[0] = 120, q[1] = 150, q[2] = 200;
            }
        m.skinColour = int32_t(packRgb(210, 160, 130));
        m.hairColour = int32_t(packRgb(90, 60, 35));
        auto oval = [](int32_t cx, int32_t cy, int32_t rx, int32_t ry, int32_t n) {
            std::vector<std::array<int32_t, 2>> pts;
            for (int32_t i = 0; i < n; ++i) {
                const double a = 2 * M_PI * i / n;
                pts.push_back({cx + int32_t(std::lround(rx * std::cos(a))), cy + int32_t(std::lround(ry * std::sin(a)))});
            }
            return pts;
        };
        m.set1 = {{240}, oval(256, 260, 90, 130, 240)};
        m.set2 = {{60, 60}, oval(180, 420, 30, 20, 60)};
        auto more = oval(330, 420, 30, 20, 60);
        m.set2.points.insert(m.set2.points.end(), more.begin(), more.end());
        auto feathered = [](int32_t x0, int32_t y0, int32_t w, int32_t h) {
            dsl::Mask k{x0, y0, w, h, std::vector<uint8_t>(size_t(w) * h)};
            for (int32_t y = 0; y < h; ++y)
                for (int32_t x = 0; x < w; ++x) {
                    const double dx = (x - w / 2.0) / (w / 2.0), dy = (y - h / 2.0) / (h / 2.0);
                    k.bytes[size_t(y) * w + x] = uint8_t(std::clamp(255.0 * (1.2 - std::sqrt(dx * dx + dy * dy)) * 2, 0.0, 255.0));
                }
            return k;
        };
        m.mask1 = feathered(156, 120, 200, 280);
        m.mask2 = feathered(96, 60, 320, 260);
        m.mask3 = m.mask2;
        const std::string model = (dir / "bench.DSL").string();
        auto bytes = dsl::serialize(m, dsl::EditorMagic);
        std::ofstream(model, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));

        Bitmap photo = Bitmap::rgb24(PhotoW, PhotoH);
        for (int32_t y = 0; y < PhotoH; ++y)
            for (int32_t x = 0; x < PhotoW; ++x) photo.setPixel(x, y, packRgb(uint8_t(150 + x / 6), uint8_t(100 + y / 8), uint8_t(90 + (x + y) / 20)));
        const std::string photoPath = (dir / "face.bmp").string();
        (void)saveBmp(photoPath, photo);
        return Files{model, photoPath};
    }();
    return f;
}

// An engine with the model and the photo set in, views in a 450 x 600 frame.
struct Loaded {
    ScriptedUi ui;
    Engine engine{ui};
    Loaded()
    {
        engine.FrameW = 450;
        engine.FrameH = 600;
        engine.ModelFile = files().model;
        engine.PhotoFile = files().photo;
        engine.ModelChosen();
        engine.LoadPhoto(true);
        engine.FaceLoaded = true;
        engine.EditMode = 2;
        engine.ScaleX = engine.ScaleY = 0.9f;
        engine.FaceX = 90;
        engine.FaceY = 60;
    }
};

void Baseline_MemcpyModelPicture(benchmark::State& state)
{
    std::vector<uint8_t> a(size_t(rowBytes24(ModelW)) * ModelH, 7), b(a.size());
    for (auto _ : state) {
        std::memcpy(b.data(), a.data(), a.size());
        benchmark::DoNotOptimize(b.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(Baseline_MemcpyModelPicture)->Unit(benchmark::kMicrosecond);

void RenderFace_DeformAndRotate(benchmark::State& state)
{
    Loaded l;
    l.engine.DeformH = 3;
    l.engine.DeformV = -2;
    l.engine.Angle = 7.0f;
    for (auto _ : state) l.engine.RenderFace(true);
}
BENCHMARK(RenderFace_DeformAndRotate)->Unit(benchmark::kMillisecond);

// The deformations inside the engine, with the surface copies around them.
void RenderFace_DeformOnly(benchmark::State& state)
{
    Loaded l;
    l.engine.DeformH = 3;
    l.engine.DeformV = -2;
    for (auto _ : state) l.engine.RenderFace(true);
}
BENCHMARK(RenderFace_DeformOnly)->Unit(benchmark::kMillisecond);

void RenderFace_RotateOnly(benchmark::State& state)
{
    Loaded l;
    l.engine.Angle = 7.0f;
    for (auto _ : state) l.engine.RenderFace(true);
}
BENCHMARK(RenderFace_RotateOnly)->Unit(benchmark::kMillisecond);

// The deformations alone on a photo-sized buffer, without the engine's surface copies around
// them. Each step deforms a fresh copy of the photo, so the copy is part of the figure.
PixelBuffer photoPixels()
{
    PixelBuffer b = PixelBuffer::allocate(PhotoW, PhotoH);
    for (int32_t y = 0; y < PhotoH; ++y)
        for (int32_t x = 0; x < PhotoW; ++x) {
            uint8_t* p = b.pixel(x, y);
            p[0] = uint8_t(150 + x / 6), p[1] = uint8_t(100 + y / 8), p[2] = uint8_t(90 + (x + y) / 20);
        }
    b.Valid = true;
    return b;
}

// Argument: the kernel, 0 plain, 1 SSE2, 2 AVX2.
template <bool turn>
void deformPhoto(benchmark::State& state)
{
    const auto kernel = PixelKernel(state.range(0));
    if (!pixelKernelRuns(kernel)) {
        state.SkipWithError("kernel not available here");
        return;
    }
    const PixelBuffer photo = photoPixels();
    for (auto _ : state) {
        PixelBuffer b = photo;
        if (turn) DeformTurnPixelsWith(b, DeformFactor(3), kernel);
        else DeformTiltPixelsWith(b, DeformFactor(-2), kernel);
        benchmark::DoNotOptimize(b.Data.data());
    }
}

void DeformTurn_Photo(benchmark::State& state) { deformPhoto<true>(state); }
BENCHMARK(DeformTurn_Photo)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

void DeformTilt_Photo(benchmark::State& state) { deformPhoto<false>(state); }
BENCHMARK(DeformTilt_Photo)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

// One step of a held placement arrow: compose, mask and both stretched views.
void HeldArrowStep(benchmark::State& state)
{
    Loaded l;
    int32_t x = 0;
    for (auto _ : state) {
        l.engine.FaceX = 90 + (x++ & 7);
        l.engine.ComposeResult();
        l.engine.MaskFaceLayer();
        l.engine.ShowFaceViewAndResult();
    }
}
BENCHMARK(HeldArrowStep)->Unit(benchmark::kMillisecond);

void ComposeResult(benchmark::State& state)
{
    Loaded l;
    for (auto _ : state) l.engine.ComposeResult();
}
BENCHMARK(ComposeResult)->Unit(benchmark::kMillisecond);

void MaskFaceLayer(benchmark::State& state)
{
    Loaded l;
    for (auto _ : state) l.engine.MaskFaceLayer();
}
BENCHMARK(MaskFaceLayer)->Unit(benchmark::kMillisecond);

void BothViews(benchmark::State& state)
{
    Loaded l;
    for (auto _ : state) l.engine.ShowFaceViewAndResult();
}
BENCHMARK(BothViews)->Unit(benchmark::kMillisecond);

void FaceColourCommand(benchmark::State& state)
{
    Loaded l;
    for (auto _ : state) l.engine.FaceColourCommand(0);
}
BENCHMARK(FaceColourCommand)->Unit(benchmark::kMillisecond);

void SwatchRecolour(benchmark::State& state)
{
    Loaded l;
    l.engine.FaceColourCommand(1);
    for (auto _ : state) l.engine.SwatchClick(16);
}
BENCHMARK(SwatchRecolour)->Unit(benchmark::kMillisecond);

void LoadModel(benchmark::State& state)
{
    Loaded l;
    for (auto _ : state) l.engine.LoadModel();
}
BENCHMARK(LoadModel)->Unit(benchmark::kMillisecond);

} // namespace
