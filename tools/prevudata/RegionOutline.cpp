#include "tools/prevudata/RegionOutline.h"

#include "library/Pixolf.h"

#include <sstream>

namespace salon::tools {

Result<RegionOutline> parseRegionOutline(std::string_view text)
{
    RegionOutline o;
    std::vector<Point> points;
    std::vector<int32_t> counts;
    std::istringstream in{std::string(text)};
    std::string line;
    int lineNo = 0;
    while (std::getline(in, line)) {
        ++lineNo;
        if (line.empty() || line.rfind("//", 0) == 0) continue;
        std::istringstream words(line);
        std::string kind;
        words >> kind;
        if (kind == "size") {
            if (!(words >> o.width >> o.height) || o.width <= 0 || o.height <= 0)
                return Error{"line " + std::to_string(lineNo) + ": size W H with positive numbers"};
        } else if (kind == "polygon") {
            std::string pair;
            int32_t n = 0;
            while (words >> pair) {
                Point p;
                char comma = 0;
                std::istringstream xy(pair);
                if (!(xy >> p.x >> comma >> p.y) || comma != ',')
                    return Error{"line " + std::to_string(lineNo) + ": a point is x,y"};
                points.push_back(p);
                ++n;
            }
            if (n < 3) return Error{"line " + std::to_string(lineNo) + ": a polygon needs three points"};
            counts.push_back(n);
        } else {
            return Error{"line " + std::to_string(lineNo) + ": expected size or polygon"};
        }
    }
    if (o.width == 0) return Error{"no size line"};
    if (counts.empty()) return Error{"no polygon"};
    // Only the reference rectangle is kept: the file's rectangles must lie inside its size.
    o.region = Region::polygons(points, counts, FillRule::EvenOdd, Rect{0, 0, o.width, o.height});
    if (!o.region.isValid() || o.region.isEmpty()) return Error{"the outline encloses no pixel of the reference size"};
    return o;
}

Result<bool> writeNlg(const RegionOutline& outline, const std::string& path)
{
    pixol::Pixolf lib;
    const std::vector<int32_t> data = outline.region.data();
    pixol::LongArray words;
    words.redim(1, int32_t(data.size()));
    for (size_t i = 0; i < data.size(); ++i) words(int32_t(i) + 1) = data[i];
    int32_t h = lib.RgnZapisData(words, int32_t(data.size() * 4), 0, 0, 1, 0, 0, 1);
    if (h == 0) return Error{"the library took no region from the outline"};
    const int32_t ok = lib.SuPisNLG(path, h, false, outline.width, outline.height);
    lib.TsRgn(h);
    if (ok != 1) return Error{"the library could not write " + path};
    return true;
}

} // namespace salon::tools
