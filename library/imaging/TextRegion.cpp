#include "TextRegion.h"

#include "RegionHandles.h"
#include "platform/Numbers.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_TRUETYPE_TABLES_H

#include <cmath>
#include <memory>
#include <vector>

namespace pixol::regions {

using salon::Point;
using salon::Rect;
using salon::Region;

namespace {

std::vector<char32_t> decodeUtf8(const std::string& s)
{
    std::vector<char32_t> out;
    for (size_t i = 0; i < s.size();) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        const int extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
        if (extra < 0 || (extra > 0 && i + size_t(extra) >= s.size())) {
            out.push_back(0xFFFD);  // a stray byte draws the replacement glyph instead of ending the text
            ++i;
            continue;
        }
        char32_t cp = extra == 0 ? c : c & (0x3F >> extra);
        bool ok = true;
        for (int k = 1; k <= extra; ++k) {
            const unsigned char cc = static_cast<unsigned char>(s[i + size_t(k)]);
            ok = ok && (cc >> 6) == 2;
            cp = (cp << 6) | (cc & 0x3F);
        }
        out.push_back(ok ? cp : 0xFFFD);
        i += ok ? size_t(extra) + 1 : 1;
    }
    return out;
}

struct FontFile {
    std::string path;
    int index = 0;
    int weight = FC_WEIGHT_REGULAR;  // of the face found
    int slant = FC_SLANT_ROMAN;
};

bool findFont(const std::string& family, int openTypeWeight, bool italic, FontFile& out)
{
    if (!FcInit()) return false;
    std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)> pattern(FcPatternCreate(), FcPatternDestroy);
    if (!pattern) return false;
    FcPatternAddString(pattern.get(), FC_FAMILY,
                       reinterpret_cast<const FcChar8*>(family.empty() ? "sans-serif" : family.c_str()));
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, FcWeightFromOpenType(openTypeWeight));
    FcPatternAddInteger(pattern.get(), FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)> match(FcFontMatch(nullptr, pattern.get(), &result),
                                                                  FcPatternDestroy);
    if (!match) return false;
    FcChar8* file = nullptr;
    if (FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch || !file) return false;
    out.path = reinterpret_cast<const char*>(file);
    FcPatternGetInteger(match.get(), FC_INDEX, 0, &out.index);
    FcPatternGetInteger(match.get(), FC_WEIGHT, 0, &out.weight);
    FcPatternGetInteger(match.get(), FC_SLANT, 0, &out.slant);
    return true;
}

struct FreeType {
    FT_Library lib = nullptr;
    FT_Face face = nullptr;
    ~FreeType()
    {
        if (face) FT_Done_Face(face);
        if (lib) FT_Done_FreeType(lib);
    }
};

// Screen position of a point given along the baseline frame: u along the text, v upwards from
// the baseline origin; the frame is turned by the angle about the text's corner.
struct Frame {
    double x0, y0, c, s, ascent;
    Point at(double u, double v) const
    {
        const double fy = v - ascent;  // above the corner is positive, as FreeType counts
        const double rx = u * c - fy * s, ry = u * s + fy * c;
        return Point{salon::roundHalfEven(float(x0 + rx)), salon::roundHalfEven(float(y0 - ry))};
    }
};

Region bar(const Frame& f, double u0, double u1, double v0, double v1)
{
    const Point quad[] = {f.at(u0, v1), f.at(u1, v1), f.at(u1, v0), f.at(u0, v0)};
    return Region::polygon(quad, salon::FillRule::Winding);
}

} // namespace

Region renderText(const std::string& text, const TextStyle& st)
{
    if (st.points < 1 || st.points > 1000 || st.weight < 0 || st.weight > 1000) return Region::invalid();
    const std::vector<char32_t> chars = decodeUtf8(text);
    if (chars.empty()) return Region::invalid();
    const int weight = st.weight != 0 ? st.weight : st.bold ? 700 : 400;
    FontFile ff;
    if (!findFont(st.font, weight, st.italic, ff)) return Region::invalid();
    FreeType ft;
    if (FT_Init_FreeType(&ft.lib) || FT_New_Face(ft.lib, ff.path.c_str(), ff.index, &ft.face)) return Region::invalid();
    const FT_UInt pixels = FT_UInt(salon::roundHalfEven(float(st.points) * 96.0f / 72.0f));
    if (FT_Set_Pixel_Sizes(ft.face, 0, std::max(pixels, FT_UInt(1)))) return Region::invalid();

    const bool fakeBold = weight >= 600 && ff.weight < FcWeightFromOpenType(600);
    const bool fakeItalic = st.italic && ff.slant == FC_SLANT_ROMAN;
    const double angle = double(st.angle) / 10.0 * M_PI / 180.0;
    const double c = std::cos(angle), s = std::sin(angle);
    // FreeType counts y upwards: the turn is a plain rotation there, the slant a shear of x by y.
    const double shear = fakeItalic ? 0.2 : 0.0;
    FT_Matrix m;
    m.xx = FT_Fixed(std::lround(c * 65536.0));
    m.xy = FT_Fixed(std::lround((c * shear - s) * 65536.0));
    m.yx = FT_Fixed(std::lround(s * 65536.0));
    m.yy = FT_Fixed(std::lround((s * shear + c) * 65536.0));
    const FT_Size_Metrics& sm = ft.face->size->metrics;
    const double ascent = double(sm.ascender) / 64.0;
    const Frame frame{double(st.x), double(st.y), c, s, ascent};

    Region out;
    double pen = 0;  // along the baseline, in pixels
    FT_UInt previous = 0;
    for (char32_t ch : chars) {
        const FT_UInt glyph = FT_Get_Char_Index(ft.face, FT_ULong(ch));
        if (previous && glyph && FT_HAS_KERNING(ft.face)) {
            FT_Vector k;
            if (!FT_Get_Kerning(ft.face, previous, glyph, FT_KERNING_DEFAULT, &k)) pen += double(k.x) / 64.0;
        }
        previous = glyph;
        // The glyph's origin, turned with the line, relative to the corner (x, y), y upwards.
        const double fy = -ascent;
        FT_Vector delta;
        delta.x = FT_Pos(std::lround((pen * c - fy * s) * 64.0));
        delta.y = FT_Pos(std::lround((pen * s + fy * c) * 64.0));
        FT_Set_Transform(ft.face, &m, &delta);
        if (FT_Load_Glyph(ft.face, glyph, FT_LOAD_NO_BITMAP | FT_LOAD_TARGET_MONO)) return Region::invalid();
        FT_GlyphSlot slot = ft.face->glyph;
        const double advance = double(slot->metrics.horiAdvance) / 64.0;
        if (slot->format == FT_GLYPH_FORMAT_OUTLINE) {
            if (fakeBold) FT_Outline_Embolden(&slot->outline, FT_Pos(std::max<FT_UInt>(pixels * 64 / 24, 32)));
            if (FT_Render_Glyph(slot, FT_RENDER_MODE_MONO)) return Region::invalid();
            const FT_Bitmap& bm = slot->bitmap;
            std::vector<Rect> rects;
            for (unsigned row = 0; row < bm.rows; ++row) {
                const unsigned char* bits = bm.buffer + ptrdiff_t(row) * bm.pitch;
                const int32_t y = st.y - slot->bitmap_top + int32_t(row);
                const int32_t left = st.x + slot->bitmap_left;
                for (unsigned col = 0; col < bm.width;) {
                    auto on = [&](unsigned k) { return (bits[k / 8] & (0x80 >> (k % 8))) != 0; };
                    if (!on(col)) {
                        ++col;
                        continue;
                    }
                    const unsigned start = col;
                    while (col < bm.width && on(col)) ++col;
                    rects.push_back(Rect{left + int32_t(start), y, left + int32_t(col), y + 1});
                }
            }
            out.unite(Region::fromRects(rects));
        }
        pen += advance;
    }
    // Bars at the font's positions, at least a pixel thick.
    const double scale = double(sm.y_scale) / 65536.0 / 64.0;  // font units to pixels
    double thick = std::max(1.0, std::round(double(ft.face->underline_thickness) * scale));
    if (st.underline) {
        const double top = std::round(double(ft.face->underline_position) * scale + thick / 2);
        out.unite(bar(frame, 0, pen, top - thick, top));
    }
    if (st.strikeOut) {
        double pos = ascent * 0.3;
        if (auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(ft.face, FT_SFNT_OS2)); os2 && os2->version != 0xFFFF) {
            pos = double(os2->yStrikeoutPosition) * scale;
            thick = std::max(1.0, std::round(double(os2->yStrikeoutSize) * scale));
        }
        const double top = std::round(pos);  // the stroke's top edge, as the table gives it
        out.unite(bar(frame, 0, pen, top - thick, top));
    }
    return out;
}

int32_t textRegion(const std::string& text, const TextStyle& style, int32_t& h)
{
    Region r = renderText(text, style);
    if (!r.isValid() || r.isEmpty()) return 0;
    release(h);
    h = handOut(std::move(r));
    return h;
}

} // namespace pixol::regions
