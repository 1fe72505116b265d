#include "editor/sheet/SheetRequest.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace salon {

namespace {

bool wholeNumber(std::string_view s, int32_t& v)
{
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    return !s.empty() && ec == std::errc() && end == s.data() + s.size();
}

bool realNumber(const std::string& s, double& v)
{
    char* end = nullptr;
    v = std::strtod(s.c_str(), &end);
    return !s.empty() && end == s.c_str() + s.size() && std::isfinite(v);
}

} // namespace

Result<SheetRequest> parseSheetRequest(int argc, char** argv)
{
    SheetRequest r;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--bare") {
            r.bare = true;
            continue;
        }
        if (i + 1 >= argc) return Error{a + " needs a value"};
        const std::string v = argv[++i];
        if (a == "--contact-sheet") r.category = v;
        else if (a == "--photo") r.photo = v;
        else if (a == "--out") r.out = v;
        else if (a == "--drive") {
            if (v.size() != 1 || !std::isalpha(static_cast<unsigned char>(v[0])))
                return Error{"--drive is a drive letter, not \"" + v + "\""};
            r.drive = char(std::toupper(static_cast<unsigned char>(v[0])));
        } else if (a == "--columns") {
            if (!wholeNumber(v, r.columns) || r.columns < 1 || r.columns > SheetMaxColumns)
                return Error{"--columns is a whole number 1.." + std::to_string(SheetMaxColumns) + ", not \"" + v + "\""};
        } else if (a == "--scale") {
            if (!realNumber(v, r.scale) || r.scale < SheetMinScale || r.scale > SheetMaxScale)
                return Error{"--scale is a number 0.1..2, not \"" + v + "\""};
        } else if (a == "--swatch") {
            if (!wholeNumber(v, r.swatch) || r.swatch < 0 || r.swatch > 48)
                return Error{"--swatch is a swatch number 0..48"};
        } else if (a == "--face") {
            auto box = parseFaceBox(v, ',');
            if (!box) return Error{"--face: " + box.error()};
            r.face = box.value();
            r.haveFace = true;
        } else {
            return Error{"unknown option " + a};
        }
    }
    if (r.category.empty() || r.out.empty() || (r.photo.empty() && !r.bare))
        return Error{"--contact-sheet CATEGORY, --out FILE.png and --photo FILE (or --bare) are needed"};
    return r;
}

SheetGeometry sheetGeometry(double scale) { return {int32_t(512 * scale), int32_t(560 * scale)}; }

Result<SheetSize> sheetSize(const std::vector<int32_t>& cellsPerSection, int32_t columns, double scale)
{
    using G = SheetGeometry;
    const SheetGeometry g = sheetGeometry(scale);
    // In 64 bits: the sums are checked against the limit, not wrapped past it.
    int64_t height = G::Margin;
    for (int32_t cells : cellsPerSection) {
        const int64_t rows = (int64_t(cells) + columns - 1) / columns;
        height += G::HeadingH + rows * (g.cellH + G::LabelH + G::Gap);
    }
    height += G::Margin - G::Gap;
    const int64_t width = 2 * int64_t(G::Margin) + int64_t(columns) * g.cellW + (int64_t(columns) - 1) * G::Gap;
    if (width > SheetMaxSide || height > SheetMaxSide)
        return Error{"the sheet would be " + std::to_string(width) + " x " + std::to_string(height) +
                     " pixels, more than " + std::to_string(SheetMaxSide) + " on a side: use fewer --columns or a smaller --scale"};
    return SheetSize{int32_t(width), int32_t(height)};
}

} // namespace salon
