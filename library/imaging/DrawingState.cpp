#include "library/imaging/DrawingState.h"

#include "library/frame/LibraryState.h"
#include "library/imaging/LibraryCursors.h"
#include "platform/Numbers.h"

#include <algorithm>
#include <random>

namespace pixol::drawing {

namespace {

constexpr bool isColour(int32_t c) { return c >= 0 && c <= 0xFFFFFF; }

// Brush number to the library's brush-set entry: 0 the null brush (entry 0), the stock greys 1-5
// in entries 6-10, the pattern brushes 6-10 in entries 1-5 (the layout the region painter reads).
int32_t libraryBrushHandle(int32_t number)
{
    const int entry = number == 0 ? 0 : number <= 5 ? number + 5 : number - 5;
    return state().brushSet[size_t(entry)];
}

uint32_t randomChannel()
{
    const float u = std::generate_canonical<float, 24>(state().random);
    return uint32_t(std::min(salon::roundHalfEven(u * 256.0f), int32_t(255)));
}

} // namespace

void apply(salon::Surface& obj, const Settings& s)
{
    if (isColour(s.back)) obj.backColour = uint32_t(s.back);
    if (isColour(s.fore)) obj.foreColour = uint32_t(s.fore);
    if (isColour(s.fill)) obj.fillColour = uint32_t(s.fill);
    if (s.fillStyle >= 0 && s.fillStyle <= 7) obj.fillStyle = salon::FillStyle(s.fillStyle);
    if (s.drawMode >= 1 && s.drawMode <= 16) obj.drawMode = salon::DrawMode(s.drawMode);
    if (s.drawStyle >= 0 && s.drawStyle <= 6) obj.drawStyle = salon::DrawStyle(s.drawStyle);
    if (s.drawWidth >= 1 && s.drawWidth <= 1000) obj.drawWidth = s.drawWidth;
    if (s.stretchMode >= 1 && s.stretchMode <= 4) obj.stretchMode = salon::StretchMode(s.stretchMode);
}

int32_t selectBrush(salon::Surface& obj, int32_t number, int32_t colour)
{
    if (number < 0 || number > 12) return 0;
    if (number == 12 && !isColour(colour)) return 0;
    LibraryState& st = state();
    int32_t handle = 0;
    bool made = false;
    if (number <= 10) {
        handle = libraryBrushHandle(number);
        if (!st.brushes.find(handle)) return 0;
    } else {
        Brush b;
        b.kind = Brush::Kind::Solid;
        if (number == 11) {
            const uint32_t r = randomChannel(), g = randomChannel(), bl = randomChannel();
            b.colour = r | (g << 8) | (bl << 16);
        } else {
            b.colour = uint32_t(colour);
        }
        handle = st.brushes.add(std::move(b));
        if (handle == 0) return 0;
        made = true;
    }
    LibraryState::ObjectDrawing& d = st.objectDrawing[&obj];
    if (d.brush != 0 && d.libraryMadeBrush && d.brush != handle) st.brushes.remove(d.brush);
    d.brush = handle;
    d.libraryMadeBrush = made;
    return 1;
}

int32_t selectedBrush(const salon::Surface& obj)
{
    const auto& m = state().objectDrawing;
    const auto it = m.find(&obj);
    return it == m.end() ? 0 : it->second.brush;
}

int32_t setPointer(salon::Surface& obj, int32_t msTyp0)
{
    if (msTyp0 >= 0 && msTyp0 <= 15) {
        LibraryState::ObjectDrawing& d = state().objectDrawing[&obj];
        d.pointer = msTyp0;
        d.cursor = 0;
        return 1;
    }
    if (msTyp0 < 20 || msTyp0 > 80) return 0;
    if (!cursors::find(msTyp0 - 10)) return 0;
    LibraryState::ObjectDrawing& d = state().objectDrawing[&obj];
    d.pointer = 99;
    d.cursor = msTyp0 - 10;
    return 1;
}

int32_t dropper(const salon::Surface& obj, float xa, float ya, int32_t radius)
{
    const salon::Bitmap& image = obj.image();
    const int32_t w = image.width, h = image.height;
    if (radius < 1 || radius > 16 || w < 2 || h < 2) return -1;
    if (!(xa >= 0.0f && xa <= float(w - 1) && ya >= 0.0f && ya <= float(h - 1))) return -1;
    const int32_t cx = salon::fix(xa), cy = salon::fix(ya), r = radius - 1;
    int32_t sr = 0, sg = 0, sb = 0, n = 0;
    for (int32_t y = std::max(0, cy - r); y <= std::min(h - 1, cy + r); ++y)
        for (int32_t x = std::max(0, cx - r); x <= std::min(w - 1, cx + r); ++x) {
            const uint8_t* p = image.row(y) + 3 * x;
            sb += p[0];
            sg += p[1];
            sr += p[2];
            ++n;
        }
    return int32_t(salon::packRgb(uint8_t(sr / n), uint8_t(sg / n), uint8_t(sb / n)));
}

} // namespace pixol::drawing
