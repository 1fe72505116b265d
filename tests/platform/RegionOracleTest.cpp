// Regions against the platform's own answers: tests/platform/data/region-oracle.txt holds shapes with
// the rectangle lists that the Win32 region calls give for them, recorded under Wine by
// tools/regionoracle (see oracle.c for how to remake it). Pixel sets are compared, not rectangle
// lists: GDI may leave touching rectangles of one band unmerged where pixman merges them. Shapes
// recorded as "undefined" (the platform's answer depended on stale memory) have no reference.
#include "platform/Region.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

using namespace salon;

namespace {

struct Case {
    std::string shape;  // the input line, e.g. "ellipse 0 0 5 5"
    bool defined = true;  // false: the recorded call read memory it never wrote, so there is no answer
    std::vector<Rect> expected;
};

std::vector<Case> loadCases()
{
    std::ifstream in(std::string(SALON_SOURCE_DIR) + "/tests/platform/data/region-oracle.txt");
    std::vector<Case> cases;
    std::string line;
    while (std::getline(in, line)) {
        Case c;
        c.shape = line;
        std::string count;
        if (!std::getline(in, count) || count.rfind("= ", 0) != 0) break;
        if (count == "= undefined") {
            c.defined = false;
            cases.push_back(std::move(c));
            continue;
        }
        size_t n = std::stoul(count.substr(2));
        for (size_t i = 0; i < n && std::getline(in, line); ++i) {
            std::istringstream r(line);
            Rect rect;
            r >> rect.left >> rect.top >> rect.right >> rect.bottom;
            c.expected.push_back(rect);
        }
        cases.push_back(std::move(c));
    }
    return cases;
}

const std::vector<Case>& cases()
{
    static const std::vector<Case> all = loadCases();
    return all;
}

std::string kindOf(const std::string& shape) { return shape.substr(0, shape.find(' ')); }

Region build(const std::string& shape)
{
    std::istringstream in(shape);
    std::string kind;
    in >> kind;
    auto ints = [&](size_t n) {
        std::vector<int32_t> v(n);
        for (auto& x : v) in >> x;
        return v;
    };
    if (kind == "rect") {
        auto v = ints(4);
        return Region::rect(v[0], v[1], v[2], v[3]);
    }
    if (kind == "ellipse") {
        auto v = ints(4);
        return Region::ellipse(Rect{v[0], v[1], v[2], v[3]});
    }
    if (kind == "roundrect") {
        auto v = ints(6);
        return Region::roundRect(Rect{v[0], v[1], v[2], v[3]}, v[4], v[5]);
    }
    std::string mode;
    in >> mode;
    const FillRule rule = mode == "winding" ? FillRule::Winding : FillRule::EvenOdd;
    std::vector<int32_t> counts;
    if (kind == "polygon") {
        counts = ints(1);
    } else {
        counts = ints(size_t(ints(1)[0]));
    }
    size_t total = 0;
    for (int32_t c : counts) total += size_t(c);
    auto xy = ints(2 * total);
    std::vector<Point> pts;
    for (size_t i = 0; i < total; ++i) pts.push_back(Point{xy[2 * i], xy[2 * i + 1]});
    if (kind == "polygon") return Region::polygon(pts, rule);
    return Region::polygons(pts, counts, rule);
}

std::string describe(const std::vector<Rect>& rects)
{
    std::string s;
    for (const Rect& r : rects)
        s += "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" + std::to_string(r.right) + "," +
             std::to_string(r.bottom) + ") ";
    return s;
}

void compareKind(const std::string& kind)
{
    for (const Case& c : cases()) {
        if (kindOf(c.shape) != kind || !c.defined) continue;
        SCOPED_TRACE(c.shape);
        const Region expected = Region::fromRects(c.expected);
        const Region actual = build(c.shape);
        ASSERT_TRUE(actual.isValid());
        EXPECT_TRUE(actual.subtracted(expected).isEmpty())
            << "extra pixels: " << describe(actual.subtracted(expected).rects());
        EXPECT_TRUE(expected.subtracted(actual).isEmpty())
            << "missing pixels: " << describe(expected.subtracted(actual).rects());
    }
}

} // namespace

// A missing or truncated data file must not pass as "nothing disagreed".
TEST(RegionOracle, DataFileHoldsEveryShapeKind)
{
    std::map<std::string, int> perKind;
    for (const Case& c : cases()) ++perKind[kindOf(c.shape)];
    EXPECT_GE(perKind["rect"], 5);
    EXPECT_GE(perKind["ellipse"], 80);
    EXPECT_GE(perKind["roundrect"], 55);
    EXPECT_GE(perKind["polygon"], 100);
    EXPECT_GE(perKind["polypolygon"], 10);
}

TEST(RegionOracle, RectanglesCoverThePlatformsPixels) { compareKind("rect"); }
TEST(RegionOracle, EllipsesCoverThePlatformsPixels) { compareKind("ellipse"); }
TEST(RegionOracle, RoundedRectanglesCoverThePlatformsPixels) { compareKind("roundrect"); }
TEST(RegionOracle, PolygonsCoverThePlatformsPixels) { compareKind("polygon"); }
TEST(RegionOracle, PolygonSetsCoverThePlatformsPixels) { compareKind("polypolygon"); }
