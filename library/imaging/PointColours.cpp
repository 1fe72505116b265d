#include "library/imaging/PointColours.h"

#include "library/frame/LibraryState.h"
#include "platform/Numbers.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace pixol::imaging {

namespace {

bool holds(const LongArray& a, int32_t count) { return count >= 1 && a.has(1) && a.has(count); }

bool isByteGrid(const ByteArray& a, int32_t w, int32_t h)
{
    return w >= 1 && h >= 1 && a.rank == 2 && a.lower[0] == 0 && a.lower[1] == 0 && a.count[0] >= w &&
           a.count[1] >= h;
}

} // namespace

int32_t pointColours(const ByteArray& pole, const LongArray& thx, const LongArray& thy, LongArray& thf,
                     int32_t count)
{
    if (!holds(thx, count) || !holds(thy, count) || pole.rank != 2 || pole.lower[0] != 0 || pole.lower[1] != 0)
        return 0;
    const int32_t width = pole.count[0] / 3, height = pole.count[1];
    thf.redim(1, count);
    for (int32_t i = 1; i <= count; ++i) {
        const int32_t x = thx(i), y = thy(i);
        if (x < 0 || y < 0 || x >= width || y >= height) continue;
        thf(i) = int32_t(salon::packRgb(pole(3 * x + 2, y), pole(3 * x + 1, y), pole(3 * x, y)));
    }
    return 1;
}

uint32_t blendPointColour(uint32_t background, uint32_t drawn, int32_t pJas)
{
    const uint8_t dr = salon::redOf(drawn), dg = salon::greenOf(drawn), db = salon::blueOf(drawn);
    const int32_t l = salon::roundHalfEven(float(dr + dg + db) / 3.0f);
    const float k = l < 2 * pJas ? float(l) / float(2 * pJas) : 1.0f;
    const float g = (1.0f - k) * 0.996f;
    auto ch = [&](uint8_t f, uint8_t d) {
        return uint8_t(std::min(255, salon::roundHalfEven(float(f) * g) + salon::roundHalfEven(float(d) * k)));
    };
    return salon::packRgb(ch(salon::redOf(background), dr), ch(salon::greenOf(background), dg),
                          ch(salon::blueOf(background), db));
}

int32_t blendPoints(salon::Surface& obj, const LongArray& thx, const LongArray& thy, const LongArray& thd,
                    const LongArray& thf, int32_t count, int32_t pJas)
{
    if (pJas < 1 || !holds(thx, count) || !holds(thy, count) || !holds(thd, count) || !holds(thf, count)) return 0;
    salon::Bitmap& image = obj.image();
    if (image.isNull()) return 0;
    for (int32_t i = 1; i <= count; ++i) {
        const int32_t x = thx(i), y = thy(i);
        if (x < 0 || y < 0 || x >= image.width || y >= image.height) continue;
        image.setPixel(x, y, blendPointColour(uint32_t(thf(i)) & 0xFFFFFF, uint32_t(thd(i)) & 0xFFFFFF, pJas));
    }
    obj.keepImage();
    return 1;
}

int32_t liftBlacks(salon::Surface& obj)
{
    salon::Bitmap& image = obj.image();
    if (image.isNull()) return 0;
    for (int32_t y = 0; y < image.height; ++y) {
        uint8_t* row = image.row(y);
        for (int32_t i = 0; i < 3 * image.width; ++i)
            if (row[i] <= 239) row[i] = uint8_t(row[i] - row[i] / 16 + 15);
    }
    obj.keepImage();
    return 1;
}

int32_t hasNearBlack(salon::Surface& obj)
{
    const salon::Bitmap& image = obj.image();
    if (image.isNull()) return 0;
    for (int32_t y = 0; y < image.height; ++y) {
        const uint8_t* p = image.row(y);
        for (int32_t x = 0; x < image.width; ++x, p += 3)
            if (p[0] < 15 && p[1] < 15 && p[2] < 15) return 2;
    }
    return 1;
}

std::unique_ptr<salon::Surface> regionMask(int32_t hrgn, int32_t width, int32_t height, bool invert)
{
    const salon::Region* region = state().regions.find(uint32_t(hrgn));
    if (!region || !region->isValid() || width < 1 || height < 1) return nullptr;
    auto mask = std::make_unique<salon::Surface>();
    mask->backColour = invert ? 0xFFFFFF : 0x000000;
    if (!mask->setSize(width, height)) return nullptr;
    mask->clear();
    mask->fillRegion(*region, invert ? 0x000000 : 0xFFFFFF);
    mask->keepImage();
    return mask;
}

int32_t bytesToWeights(int32_t bmX, int32_t bmY, int32_t nMin, int32_t nMax, const ByteArray& bPole,
                       salon::BoundedArray<float>& sPole, float nKor, float nStep)
{
    // Equal limits would divide by zero: refused.
    if (nMin == nMax || !isByteGrid(bPole, bmX, bmY)) return 0;
    const float span = float(nMax - nMin), step = std::fabs(nStep);
    sPole.redim(0, bmX * bmY - 1);
    for (int32_t y = 0; y < bmY; ++y)
        for (int32_t x = 0; x < bmX; ++x) {
            const int32_t v = bPole(x, y);
            float s;
            if (v == 0) s = nKor + 1.0f;
            else s = nKor + step * float(nStep < 0 ? nMax - v : v - nMin) / span;
            sPole(x + bmX * y) = std::clamp(s, 0.0f, 1.0f);
        }
    return 1;
}

int32_t bytesToBytes(int32_t bmX, int32_t bmY, int32_t nMin, int32_t nMax, const ByteArray& bPole,
                     ByteArray& cPole, int32_t nKor, int32_t nStep)
{
    if (nMin == nMax || !isByteGrid(bPole, bmX, bmY)) return 0;
    const float factor = 255.0f / float(nMax - nMin), step = float(std::abs(nStep));
    cPole.redim(0, bmX - 1, 0, bmY - 1);
    for (int32_t y = 0; y < bmY; ++y)
        for (int32_t x = 0; x < bmX; ++x) {
            const int32_t v = bPole(x, y);
            float s;
            if (v == 0) s = float(nKor) + step * factor * float(nMax);
            else s = float(nKor) + step * float(nStep < 0 ? nMax - v : v - nMin) * factor;
            cPole(x, y) = salon::toByte(s);
        }
    return 1;
}

} // namespace pixol::imaging
