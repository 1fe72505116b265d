#pragma once
// Test photos made from the demo portrait, whose .box file says where its face is: the portrait
// scaled, turned and moved onto canvases of several sizes and backgrounds by a seeded generator, so
// that every photo comes with the truth about its face.
#include "platform/Bitmap.h"
#include "platform/Geometry.h"
#include "platform/PictureFile.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <random>
#include <string>

namespace salon::testing {

struct PortraitTruth {
    float centreX = 0, centreY = 0;  // the .box centre, in the new photo's pixels
    float side = 0;                  // the .box width there
    float turn = 0;                  // degrees, clockwise on screen
    float scale = 1;
};

struct Portrait {
    Bitmap photo;
    PortraitTruth truth;
};

struct DemoPortrait {
    Bitmap picture;
    Rect box;  // left, top, right, bottom
};

// The demo portrait's own eye line, from its eyes marked by hand at (201, 101) and (246, 104) in
// the 512 x 512 picture.
inline float portraitEyeLine() { return float(std::atan2(3.0, 45.0) * 180.0 / 3.14159265358979); }

inline DemoPortrait loadDemoPortrait()
{
    DemoPortrait d;
    const std::string dir = std::string(SALON_SOURCE_DIR) + "/data/photos/";
    if (auto p = loadPicture(dir + "portrait.jpg")) d.picture = p.value().toRgb24();
    std::ifstream in(dir + "portrait.box");
    int32_t x = 0, y = 0, w = 0, h = 0;
    in >> x >> y >> w >> h;
    d.box = Rect{x, y, x + w, y + h};
    return d;
}

// One photo: scale 0.5..1.6, turn -20..20 degrees, the face anywhere that keeps it and a margin of
// half its size on the canvas; canvases 360 x 480 and larger; flat, graded or noisy backgrounds.
inline Portrait makePortrait(const DemoPortrait& demo, std::mt19937& rng)
{
    auto uniform = [&](float lo, float hi) { return std::uniform_real_distribution<float>(lo, hi)(rng); };
    static constexpr std::array<std::array<int32_t, 2>, 4> canvases{{{360, 480}, {480, 640}, {600, 600}, {720, 960}}};
    const auto canvas = canvases[std::uniform_int_distribution<size_t>(0, canvases.size() - 1)(rng)];
    const float s = uniform(0.5f, 1.6f), turn = uniform(-20.0f, 20.0f);
    const float side = float(demo.box.width()) * s;
    const float margin = side;  // half a face beyond the face's own half
    Portrait out;
    out.truth.scale = s;
    out.truth.turn = turn;
    out.truth.side = side;
    out.truth.centreX = uniform(margin, float(canvas[0]) - margin);
    out.truth.centreY = uniform(margin, float(canvas[1]) - margin);

    const int background = std::uniform_int_distribution<int>(0, 2)(rng);
    const std::array<float, 3> base{uniform(0, 255), uniform(0, 255), uniform(0, 255)};
    std::uniform_int_distribution<int> noise(-40, 40);
    const float bx = float(demo.box.left + demo.box.right) / 2.0f, by = float(demo.box.top + demo.box.bottom) / 2.0f;
    const float rad = turn * 3.14159265f / 180.0f, c = std::cos(rad), sn = std::sin(rad);
    Bitmap& p = out.photo = Bitmap::rgb24(canvas[0], canvas[1]);
    const Bitmap& src = demo.picture;
    for (int32_t y = 0; y < p.height; ++y) {
        uint8_t* row = p.row(y);
        for (int32_t x = 0; x < p.width; ++x) {
            // Back from the photo to the portrait: undo the move, the clockwise turn and the scale.
            const float dx = (float(x) - out.truth.centreX) / s, dy = (float(y) - out.truth.centreY) / s;
            const float sx = bx + c * dx + sn * dy, sy = by - sn * dx + c * dy;
            const int32_t ix = int32_t(std::floor(sx)), iy = int32_t(std::floor(sy));
            for (int ch = 0; ch < 3; ++ch) {
                float v;
                if (ix >= 0 && iy >= 0 && ix + 1 < src.width && iy + 1 < src.height) {
                    const float fx = sx - float(ix), fy = sy - float(iy);
                    auto at = [&](int32_t u, int32_t w) { return float(src.row(w)[3 * u + ch]); };
                    v = (at(ix, iy) * (1 - fx) + at(ix + 1, iy) * fx) * (1 - fy) +
                        (at(ix, iy + 1) * (1 - fx) + at(ix + 1, iy + 1) * fx) * fy;
                } else if (background == 0) {
                    v = base[size_t(ch)];
                } else if (background == 1) {
                    v = base[size_t(ch)] * float(y) / float(p.height) + (255 - base[size_t(ch)]) * float(x) / float(p.width) / 2;
                } else {
                    v = base[size_t(ch)] + float(noise(rng));
                }
                row[3 * x + ch] = uint8_t(std::clamp(v, 0.0f, 255.0f) + 0.5f);
            }
        }
    }
    return out;
}

} // namespace salon::testing
