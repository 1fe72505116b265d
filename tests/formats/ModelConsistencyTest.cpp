#include "library/formats/ModelConsistency.h"

#include "platform/Numbers.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>

using namespace salon;
using namespace salon::dsl;

namespace {

// 40 x 30 with a cut-out square in the middle, masks over the picture and a face-mask triangle.
Model wellMade()
{
    Model m;
    m.width = 40;
    m.height = 30;
    m.bitmapHeader = standardBitmapHeader(40, 30);
    m.picture1.assign(size_t(rowBytes24(40)) * 30, 0);
    m.picture2 = m.picture1;
    m.mask1 = {10, 10, 20, 10, std::vector<uint8_t>(200, 255)};
    m.mask2 = {0, 0, 40, 5, std::vector<uint8_t>(200, 200)};
    m.mask3 = m.mask2;
    m.set1 = {{4}, {{10, 10}, {30, 10}, {30, 20}, {10, 20}}};
    m.set2 = {{3}, {{0, 0}, {5, 0}, {0, 5}}};
    return m;
}

struct Change {
    const char* what;
    std::function<void(Model&)> apply;
};

} // namespace

TEST(ModelConsistency, NumbersThatContradictEachOtherAreNamed)
{
    const Change cases[] = {
        {"set 1 counts more points than it stores", [](Model& m) { m.set1.counts = {5}; }},
        {"set 1 counts fewer points than it stores", [](Model& m) { m.set1.counts = {3}; }},
        {"set 2 counts do not add up", [](Model& m) { m.set2.counts = {2, 2}; }},
        {"a negative count made up by a larger one", [](Model& m) { m.set1.counts = {-1, 5}; }},
        {"counts whose sum leaves 32 bits", [](Model& m) { m.set1.counts = {INT_MAX, INT_MAX, 6}; }},
        {"mask 1 ends past the last column", [](Model& m) { m.mask1.x = INT_MAX - 10; }},
        {"mask 1 ends past the last row", [](Model& m) { m.mask1.y = INT_MAX - 9; }},
        {"mask 2 ends past the last column", [](Model& m) { m.mask2.x = INT_MAX; }},
    };
    for (const Change& c : cases) {
        Model m = wellMade();
        c.apply(m);
        EXPECT_TRUE(contradiction(m).has_value()) << c.what;
    }
}

TEST(ModelConsistency, MerelyUnusualModelsAgreeWithThemselves)
{
    const Change cases[] = {
        {"well made", [](Model&) {}},
        {"no face-mask outline", [](Model& m) { m.set2 = {}; }},
        {"an empty polygon among others", [](Model& m) { m.set1.counts = {0, 4}; }},
        {"a mask beside the picture", [](Model& m) { m.mask1.x = -500; }},
        {"a mask ending on the very last column", [](Model& m) { m.mask1.x = INT_MAX - 20; }},
        {"an empty mask", [](Model& m) { m.mask2 = {7, 7, 0, 0, {}}; }},
        {"mask 3 fields unlike rectangle 2", [](Model& m) { m.mask3.x = INT_MAX; }},
        {"a face-mask outline far off the picture", [](Model& m) { m.set2.points[1] = {INT_MIN, INT_MAX}; }},
    };
    for (const Change& c : cases) {
        Model m = wellMade();
        c.apply(m);
        EXPECT_EQ(contradiction(m), std::nullopt) << c.what;
    }
}

TEST(ModelConsistency, ACutOutMustCoverSomeOfThePicture)
{
    const struct {
        const char* what;
        PolygonSet set1;
        bool misses;
    } cases[] = {
        {"inside", {{4}, {{10, 10}, {30, 10}, {30, 20}, {10, 20}}}, false},
        {"running far past every edge", {{4}, {{INT_MIN, INT_MIN}, {INT_MAX, INT_MIN}, {INT_MAX, INT_MAX}, {INT_MIN, INT_MAX}}}, false},
        {"one pixel in the last corner", {{4}, {{39, 29}, {45, 29}, {45, 35}, {39, 35}}}, false},
        {"right of the picture", {{4}, {{40, 0}, {60, 0}, {60, 30}, {40, 30}}}, true},
        {"far away", {{3}, {{2000000000, 5}, {2100000000, 5}, {2050000000, 9}}}, true},
        {"no polygon at all", {}, true},
        {"a single point", {{1}, {{20, 15}}}, true},
    };
    for (const auto& c : cases) {
        Model m = wellMade();
        m.set1 = c.set1;
        EXPECT_EQ(cutOutMissesPicture(m), c.misses) << c.what;
    }
}
