#include "tools/authoring/ModelAuthoring.h"

#include "platform/Numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <sstream>

namespace salon::tools {

namespace {

// Squared Euclidean distance of every pixel to the nearest pixel where `seed` is set
// (Felzenszwalb and Huttenlocher: two passes of the exact 1-D transform).
std::vector<float> squaredDistance(const std::vector<uint8_t>& seed, int32_t w, int32_t h)
{
    const float inf = 1e20f;
    std::vector<float> d(size_t(w) * size_t(h));
    for (size_t i = 0; i < d.size(); ++i) d[i] = seed[i] ? 0.0f : inf;

    int32_t n = std::max(w, h);
    std::vector<float> f(n), out(n), z(n + 1);
    std::vector<int32_t> v(n);
    // The lower envelope of the parabolas rooted at every sample, read off at every sample.
    auto pass = [&](int32_t len) {
        auto meet = [&](int32_t q, int32_t p) {
            return ((f[q] + float(q) * float(q)) - (f[p] + float(p) * float(p))) / float(2 * q - 2 * p);
        };
        int32_t k = 0;
        v[0] = 0;
        z[0] = -inf;
        z[1] = inf;
        for (int32_t q = 1; q < len; ++q) {
            float s = meet(q, v[k]);
            while (k > 0 && s <= z[k]) s = meet(q, v[--k]);
            v[++k] = q;
            z[k] = s;
            z[k + 1] = inf;
        }
        k = 0;
        for (int32_t q = 0; q < len; ++q) {
            while (z[k + 1] < float(q)) ++k;
            float dq = float(q - v[k]);
            out[q] = dq * dq + f[v[k]];
        }
    };
    for (int32_t x = 0; x < w; ++x) {
        for (int32_t y = 0; y < h; ++y) f[y] = d[size_t(y) * w + x];
        pass(h);
        for (int32_t y = 0; y < h; ++y) d[size_t(y) * w + x] = out[y];
    }
    for (int32_t y = 0; y < h; ++y) {
        for (int32_t x = 0; x < w; ++x) f[x] = d[size_t(y) * w + x];
        pass(w);
        for (int32_t x = 0; x < w; ++x) d[size_t(y) * w + x] = out[x];
    }
    return d;
}

// 255 deep inside, falling smoothly to 0 at the outline over `feather` pixels.
GreyImage featherInside(const std::vector<uint8_t>& inside, int32_t w, int32_t h, int32_t feather)
{
    GreyImage m{w, h, std::vector<uint8_t>(size_t(w) * size_t(h), 0)};
    std::vector<uint8_t> outside(inside.size());
    for (size_t i = 0; i < inside.size(); ++i) outside[i] = inside[i] ? 0 : 1;
    // Only pixels outside the cut-out seed the distance, not the picture's edge: a cut-out that runs
    // off the picture keeps full strength up to the edge.
    std::vector<float> d2 = squaredDistance(outside, w, h);
    for (size_t i = 0; i < inside.size(); ++i) {
        if (!inside[i]) continue;
        if (feather <= 0) { m.values[i] = 255; continue; }
        float t = (std::sqrt(d2[i]) - 0.5f) / float(feather);
        t = std::clamp(t, 0.0f, 1.0f);
        float s = t * t * (3.0f - 2.0f * t);
        m.values[i] = toByte(255.0f * s);
    }
    return m;
}

struct Box {
    int32_t left = std::numeric_limits<int32_t>::max(), top = std::numeric_limits<int32_t>::max();
    int32_t right = -1, bottom = -1;  // inclusive
    bool empty() const { return right < left; }
    void add(int32_t x, int32_t y)
    {
        left = std::min(left, x); right = std::max(right, x);
        top = std::min(top, y); bottom = std::max(bottom, y);
    }
};

dsl::Mask cutMask(const GreyImage& image, const Box& box)
{
    dsl::Mask m;
    if (box.empty()) return m;
    m.x = box.left;
    m.y = box.top;
    m.width = box.right - box.left + 1;
    m.height = box.bottom - box.top + 1;
    m.bytes.resize(size_t(m.width) * size_t(m.height));
    for (int32_t y = 0; y < m.height; ++y)
        for (int32_t x = 0; x < m.width; ++x)
            m.bytes[size_t(y) * m.width + x] = image.at(box.left + x, box.top + y);
    return m;
}

Box boxOf(const GreyImage& image, uint8_t threshold)
{
    Box b;
    for (int32_t y = 0; y < image.height; ++y)
        for (int32_t x = 0; x < image.width; ++x)
            if (image.at(x, y) >= threshold) b.add(x, y);
    return b;
}

void checkPolygons(const dsl::PolygonSet& set, const char* what, int32_t w, int32_t h,
                   std::vector<std::string>& problems)
{
    if (set.counts.empty()) { problems.push_back(std::string(what) + ": no polygon"); return; }
    size_t first = 0;
    for (size_t k = 0; k < set.counts.size(); ++k) {
        int32_t n = set.counts[k];
        if (n < 3)
            problems.push_back(std::string(what) + ": polygon " + std::to_string(k + 1) + " has " +
                               std::to_string(n) + " point(s); a polygon needs at least 3");
        if (size_t(std::max(n, 0)) > MaxPolygonPoints)
            problems.push_back(std::string(what) + ": polygon " + std::to_string(k + 1) + " has " +
                               std::to_string(n) + " points; at most " + std::to_string(MaxPolygonPoints) +
                               " fit the editor's region fill");
        for (int32_t i = 0; i < n && first + size_t(i) < set.points.size(); ++i) {
            auto [x, y] = set.points[first + size_t(i)];
            if (x < 0 || y < 0 || x > w || y > h) {
                problems.push_back(std::string(what) + ": point (" + std::to_string(x) + ", " + std::to_string(y) +
                                   ") of polygon " + std::to_string(k + 1) + " lies outside the " +
                                   std::to_string(w) + " x " + std::to_string(h) + " picture");
                break;  // one line per polygon is enough to find it
            }
        }
        first += size_t(std::max(n, 0));
    }
    if (first != set.points.size())
        problems.push_back(std::string(what) + ": the point counts do not add up to the points given");
}

uint32_t meanColour(const Bitmap& picture, const auto& take)
{
    double r = 0, g = 0, b = 0;
    double n = 0;
    for (int32_t y = 0; y < picture.height; ++y) {
        const uint8_t* row = picture.row(y);
        for (int32_t x = 0; x < picture.width; ++x) {
            double wgt = take(x, y);
            if (wgt <= 0) continue;
            b += wgt * row[3 * x];
            g += wgt * row[3 * x + 1];
            r += wgt * row[3 * x + 2];
            n += wgt;
        }
    }
    if (n <= 0) return 0;
    return packRgb(uint8_t(roundHalfEven(r / n)), uint8_t(roundHalfEven(g / n)), uint8_t(roundHalfEven(b / n)));
}

std::string joinLines(const std::vector<std::string>& lines)
{
    std::string s;
    for (const auto& l : lines) { if (!s.empty()) s += '\n'; s += l; }
    return s;
}

} // namespace

std::vector<uint8_t> fillEvenOdd(const dsl::PolygonSet& set, int32_t width, int32_t height)
{
    std::vector<uint8_t> inside(size_t(std::max(width, 0)) * size_t(std::max(height, 0)), 0);
    struct Edge { double x0, y0, x1, y1; };
    std::vector<Edge> edges;
    size_t first = 0;
    for (int32_t n : set.counts) {
        if (n <= 0 || first + size_t(n) > set.points.size()) break;
        for (int32_t i = 0; i < n; ++i) {
            auto a = set.points[first + size_t(i)];
            auto b = set.points[first + size_t((i + 1) % n)];
            if (a[1] != b[1]) edges.push_back({double(a[0]), double(a[1]), double(b[0]), double(b[1])});
        }
        first += size_t(n);
    }
    std::vector<double> xs;
    for (int32_t y = 0; y < height; ++y) {
        xs.clear();
        double py = y;
        for (const Edge& e : edges) {
            double ylo = std::min(e.y0, e.y1), yhi = std::max(e.y0, e.y1);
            if (py < ylo || py >= yhi) continue;  // top end in, bottom end out
            xs.push_back(e.x0 + (py - e.y0) * (e.x1 - e.x0) / (e.y1 - e.y0));
        }
        std::sort(xs.begin(), xs.end());
        for (size_t i = 0; i + 1 < xs.size(); i += 2) {
            int32_t from = std::max<int32_t>(0, int32_t(std::ceil(xs[i])));
            int32_t to = std::min<int32_t>(width, int32_t(std::ceil(xs[i + 1])));
            for (int32_t x = from; x < to; ++x) inside[size_t(y) * width + x] = 1;
        }
    }
    return inside;
}

Result<dsl::Model> buildModel(const ModelSources& src, std::vector<std::string>* warnings)
{
    std::vector<std::string> problems;
    const Bitmap& pic = src.picture;
    if (pic.isNull()) return Error{"the hairstyle picture is empty"};
    if (pic.bitsPerPixel != 24) return Error{"the hairstyle picture must be 24-bit"};
    const int32_t w = pic.width, h = pic.height;
    if (w < MinModelSide || h < MinModelSide)
        problems.push_back("the picture is " + std::to_string(w) + " x " + std::to_string(h) +
                           "; a model needs at least " + std::to_string(MinModelSide) + " x " +
                           std::to_string(MinModelSide) + " pixels");
    const Bitmap& base = src.base.isNull() ? pic : src.base;
    if (base.width != w || base.height != h || base.bitsPerPixel != 24)
        problems.push_back("the base picture is " + std::to_string(base.width) + " x " + std::to_string(base.height) +
                           "; it must have the hairstyle picture's size, " + std::to_string(w) + " x " + std::to_string(h));
    if (!src.hairMatte.isNull() && (src.hairMatte.width != w || src.hairMatte.height != h))
        problems.push_back("the hair matte is " + std::to_string(src.hairMatte.width) + " x " +
                           std::to_string(src.hairMatte.height) + "; it must have the picture's size");
    if (src.hairMatte.isNull() && !src.hairOutline)
        problems.push_back("the hair is not given: pass a hair matte or a hair outline");
    if (src.feather < 0 || src.feather > MaxFeather)
        problems.push_back("the feather width " + std::to_string(src.feather) + " is outside 0 to " + std::to_string(MaxFeather));
    if (!(src.faceAngle >= -180.0 && src.faceAngle <= 180.0))
        problems.push_back("the face angle must lie between -180 and 180 degrees");
    if (src.rangeFlag && (src.rangeLow < 0 || src.rangeHigh > 765 || src.rangeLow > src.rangeHigh))
        problems.push_back("the colour range " + std::to_string(src.rangeLow) + " to " + std::to_string(src.rangeHigh) +
                           " must satisfy 0 <= lowest <= highest <= 765");
    if (src.name.size() > 255) problems.push_back("the model name is longer than 255 characters");

    checkPolygons(src.cutout, "cut-out outline", w, h, problems);
    if (src.faceMask) checkPolygons(*src.faceMask, "face-mask outline", w, h, problems);
    if (src.hairOutline) checkPolygons(*src.hairOutline, "hair outline", w, h, problems);
    if (!problems.empty()) return Error{joinLines(problems)};

    // Mask 1 over the cut-out.
    std::vector<uint8_t> cutInside = fillEvenOdd(src.cutout, w, h);
    GreyImage m1 = featherInside(cutInside, w, h, src.feather);
    Box box1 = boxOf(m1, 1);
    if (boxOf(m1, 8).empty())
        return Error{"the cut-out encloses no pixel that keeps a mask value of 8 or more; "
                     "draw it larger or give a smaller feather width"};

    // Masks 2 and 3 over the hair.
    GreyImage matte = src.hairMatte;
    if (matte.isNull())
        matte = featherInside(fillEvenOdd(*src.hairOutline, w, h), w, h, std::max(1, src.feather / 2));
    GreyImage strength{w, h, std::vector<uint8_t>(matte.values.size())};
    for (size_t i = 0; i < matte.values.size(); ++i)
        strength.values[i] = uint8_t(std::min(255, 2 * int(matte.values[i])));
    Box box2 = boxOf(matte, 1);
    if (box2.empty()) return Error{"the hair matte or hair outline covers no pixel"};

    dsl::Model model;
    model.extended = true;
    model.width = w;
    model.height = h;
    model.bitmapHeader = {40, w, -h, 1 | (24 << 16), 0, 0, 2834, 2834, 0, 0};
    model.picture1 = pic.pixels;
    model.picture2 = base.pixels;
    model.mask1 = cutMask(m1, box1);
    model.mask2 = cutMask(matte, box2);
    model.mask3 = cutMask(strength, box2);
    model.set1 = src.cutout;
    if (src.faceMask) {
        model.set2 = *src.faceMask;
    } else {
        // The editing view blanks everything outside the cut-out: the frame and the cut-out
        // together, filled even-odd, are exactly that.
        model.set2.counts.push_back(4);
        model.set2.points = {{0, 0}, {w, 0}, {w, h}, {0, h}};
        model.set2.counts.insert(model.set2.counts.end(), src.cutout.counts.begin(), src.cutout.counts.end());
        model.set2.points.insert(model.set2.points.end(), src.cutout.points.begin(), src.cutout.points.end());
    }
    if (warnings && model.set2.counts.size() < 2)
        warnings->push_back("the face-mask outline has a single polygon; the editor draws a face mask "
                            "only from two polygons on, so the face view will not be masked");

    model.faceAngle = int32_t(std::lround(src.faceAngle * 100.0));
    model.skinColour = int32_t(src.skinColour.value_or(meanColour(base, [&](int32_t x, int32_t y) {
        // The skin that the face is matched to: picture 2 where the face colour step reads it,
        // leaving out hair that lies over the face.
        return (m1.at(x, y) >= 8 && matte.at(x, y) < 32) ? 1.0 : 0.0;
    })));
    model.hairColour = int32_t(src.hairColour.value_or(meanColour(pic, [&](int32_t x, int32_t y) {
        return matte.at(x, y) >= 200 ? 1.0 : 0.0;
    })));
    if (model.hairColour == 0 && warnings)
        warnings->push_back("no opaque hair found to measure the hair colour; give it with --hair-colour");
    model.rangeFlag = src.rangeFlag ? 1 : 0;
    model.rangeLow = src.rangeLow;
    model.rangeHigh = src.rangeHigh;
    model.name = src.name;
    return model;
}

Result<dsl::PolygonSet> polygonsFromJson(const JsonValue& value)
{
    const JsonValue* list = &value;
    if (value.isObject()) {
        list = value.find("polygons");
        if (!list) return Error{"expected a list of polygons or an object with \"polygons\""};
    }
    if (!list->isArray() || list->array.empty()) return Error{"expected a non-empty list of polygons"};

    auto isPoint = [](const JsonValue& v) { return v.isArray() && v.array.size() == 2 && v.array[0].isNumber(); };
    std::vector<const JsonValue*> polygons;
    if (isPoint(list->array.front())) polygons.push_back(list);  // one polygon given bare
    else for (const auto& p : list->array) polygons.push_back(&p);

    dsl::PolygonSet set;
    for (size_t k = 0; k < polygons.size(); ++k) {
        const JsonValue& poly = *polygons[k];
        if (!poly.isArray()) return Error{"polygon " + std::to_string(k + 1) + " is not a list of points"};
        for (size_t i = 0; i < poly.array.size(); ++i) {
            const JsonValue& pt = poly.array[i];
            if (!pt.isArray() || pt.array.size() != 2 || !pt.array[0].isNumber() || !pt.array[1].isNumber())
                return Error{"point " + std::to_string(i + 1) + " of polygon " + std::to_string(k + 1) +
                             " is not an [x, y] pair of numbers"};
            double x = pt.array[0].number, y = pt.array[1].number;
            if (x != std::floor(x) || y != std::floor(y) || std::fabs(x) > 1e7 || std::fabs(y) > 1e7)
                return Error{"point " + std::to_string(i + 1) + " of polygon " + std::to_string(k + 1) +
                             " must have whole-pixel coordinates"};
            set.points.push_back({int32_t(x), int32_t(y)});
        }
        set.counts.push_back(int32_t(poly.array.size()));
    }
    return set;
}

std::optional<uint32_t> parseColour(std::string_view text)
{
    if (text.size() == 7 && text[0] == '#') {
        uint32_t v = 0;
        auto r = std::from_chars(text.data() + 1, text.data() + 7, v, 16);
        if (r.ptr != text.data() + 7) return std::nullopt;
        return packRgb(uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v));
    }
    int c[3];
    const char* p = text.data();
    const char* end = text.data() + text.size();
    for (int i = 0; i < 3; ++i) {
        auto r = std::from_chars(p, end, c[i]);
        if (r.ec != std::errc() || c[i] < 0 || c[i] > 255) return std::nullopt;
        p = r.ptr;
        if (i < 2) { if (p == end || *p != ',') return std::nullopt; ++p; }
    }
    if (p != end) return std::nullopt;
    return packRgb(uint8_t(c[0]), uint8_t(c[1]), uint8_t(c[2]));
}

} // namespace salon::tools
