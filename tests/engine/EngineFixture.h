#pragma once
// Models and photos made on the spot, written where the engine reads them.
#include "editor/engine/Engine.h"
#include "library/formats/ModelFile.h"
#include "platform/Numbers.h"
#include "platform/Paths.h"
#include "platform/PictureFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

namespace salon::test {

inline void writeBytes(const std::filesystem::path& p, const std::vector<uint8_t>& bytes)
{
    std::ofstream(p, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// A model of w x h: picture 1 a grey ramp, picture 2 a flat skin tone, a rectangular cut-out
// (cut), one mask 1 over the cut-out, masks 2 and 3 over the top rows (the "hair").
inline dsl::Model makeModel(int32_t w, int32_t h, Rect cut, uint8_t shade = 0)
{
    dsl::Model m;
    m.width = w;
    m.height = h;
    m.bitmapHeader = dsl::standardBitmapHeader(w, h);
    const int32_t rb = rowBytes24(w);
    m.picture1.assign(size_t(rb) * size_t(h), 0);
    m.picture2.assign(m.picture1.size(), 0);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) {
            uint8_t* p = m.picture1.data() + size_t(y) * size_t(rb) + size_t(3 * x);
            p[0] = uint8_t(x + shade);
            p[1] = uint8_t(y);
            p[2] = uint8_t(200);
            uint8_t* q = m.picture2.data() + size_t(y) * size_t(rb) + size_t(3 * x);
            q[0] = 120, q[1] = 150, q[2] = 200;
        }
    m.skinColour = int32_t(packRgb(200, 150, 120));
    m.hairColour = int32_t(packRgb(60, 40, 20));
    m.mask1 = {cut.left, cut.top, cut.width(), cut.height(), std::vector<uint8_t>(size_t(cut.width() * cut.height()), 255)};
    m.mask2 = {0, 0, w, 5, std::vector<uint8_t>(size_t(w * 5), 200)};
    m.mask3 = m.mask2;
    m.set1 = {{4}, {{cut.left, cut.top}, {cut.right, cut.top}, {cut.right, cut.bottom}, {cut.left, cut.bottom}}};
    m.set2 = {{4, 4}, {{0, 0}, {4, 0}, {4, 4}, {0, 4}, {w - 4, 0}, {w, 0}, {w, 4}, {w - 4, 4}}};
    m.name = "test";
    return m;
}

// A photo whose pixel (x, y) is blue x, green y, red 77 (modulo 256).
inline Bitmap makePhoto(int32_t w, int32_t h)
{
    Bitmap b = Bitmap::rgb24(w, h);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) b.setPixel(x, y, packRgb(77, uint8_t(y), uint8_t(x)));
    return b;
}

class TempDir : public ::testing::Test {
protected:
    std::filesystem::path dir;
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = std::filesystem::temp_directory_path() /
              (std::string("salon-engine-") + info->test_suite_name() + "-" + info->name() + "-" +
               std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::string file(const std::string& name) const { return (dir / name).string(); }
    std::string writeModel(const std::string& name, const dsl::Model& m, const char* magic = dsl::EditorMagic)
    {
        writeBytes(dir / name, dsl::serialize(m, magic));
        return file(name);
    }
    std::string writePhoto(const std::string& name, const Bitmap& b)
    {
        writeBytes(dir / name, encodeBmp(b));
        return file(name);
    }
};

} // namespace salon::test
