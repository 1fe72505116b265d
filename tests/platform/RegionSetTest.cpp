// Region values: states, set operations, the banded rectangle list and the handle table.
#include "platform/Region.h"

#include <gtest/gtest.h>

#include <bitset>
#include <random>
#include <vector>

using namespace salon;

namespace {

// The band rules of the region data array.
void expectBanded(const std::vector<Rect>& rects)
{
    for (size_t i = 0; i < rects.size(); ++i) {
        ASSERT_FALSE(rects[i].isEmpty());
        if (i == 0) continue;
        const Rect& a = rects[i - 1];
        const Rect& b = rects[i];
        if (a.top == b.top) {
            EXPECT_EQ(a.bottom, b.bottom) << "a band shares top and bottom";
            EXPECT_LT(a.right, b.left) << "rectangles of a band neither overlap nor touch";
        } else {
            EXPECT_LE(a.bottom, b.top) << "bands are sorted and do not overlap";
        }
    }
}

constexpr int N = 24;  // the model works on an N x N field
using Pixels = std::bitset<N * N>;

Pixels pixelsOf(const Region& r)
{
    Pixels p;
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x) p[size_t(y * N + x)] = r.contains(x, y);
    return p;
}

} // namespace

TEST(RegionSet, StatesFollowTheContent)
{
    EXPECT_EQ(Region().kind(), Region::Kind::Empty);
    EXPECT_EQ(Region::invalid().kind(), Region::Kind::Invalid);
    EXPECT_EQ(Region::rect(0, 0, 0, 5).kind(), Region::Kind::Empty);
    EXPECT_EQ(Region::rect(0, 0, 3, 5).kind(), Region::Kind::Simple);
    EXPECT_EQ(Region::rect(0, 0, 3, 5).united(Region::rect(5, 0, 6, 1)).kind(), Region::Kind::Complex);
    // Corners given in either order make the same rectangle.
    EXPECT_EQ(Region::rect(3, 5, 0, 0), Region::rect(0, 0, 3, 5));
    EXPECT_EQ(Region().bounds(), (Rect{}));
    EXPECT_EQ(Region::invalid().bounds(), (Rect{}));
}

TEST(RegionSet, InvalidOperandsGiveInvalidResults)
{
    const Region a = Region::rect(0, 0, 4, 4), bad = Region::invalid();
    for (const Region& r : {a.united(bad), bad.united(a), a.intersected(bad), a.subtracted(bad), bad.xored(a),
                            bad.offsetted(1, 1)})
        EXPECT_FALSE(r.isValid());
    Region c = a;
    c.intersect(bad);
    EXPECT_FALSE(c.isValid());
    EXPECT_EQ(Region::invalid(), Region::invalid());
    EXPECT_NE(Region::invalid(), Region());
    EXPECT_FALSE(bad.contains(0, 0));
    Region copy(bad);
    EXPECT_FALSE(copy.isValid());
}

TEST(RegionSet, HandWorkedOperationsGiveBandedRectangles)
{
    const Region a = Region::rect(0, 0, 10, 10), b = Region::rect(5, 5, 15, 15);
    EXPECT_EQ(a.united(b).rects(), (std::vector<Rect>{{0, 0, 10, 5}, {0, 5, 15, 10}, {5, 10, 15, 15}}));
    EXPECT_EQ(a.intersected(b).rects(), (std::vector<Rect>{{5, 5, 10, 10}}));
    EXPECT_EQ(a.subtracted(b).rects(), (std::vector<Rect>{{0, 0, 10, 5}, {0, 5, 5, 10}}));
    EXPECT_EQ(a.xored(b).rects(),
              (std::vector<Rect>{{0, 0, 10, 5}, {0, 5, 5, 10}, {10, 5, 15, 10}, {5, 10, 15, 15}}));
    // Rectangles that touch within a band merge; equal neighbouring bands merge.
    EXPECT_EQ(Region::rect(0, 0, 2, 2).united(Region::rect(2, 0, 4, 2)).rects(), (std::vector<Rect>{{0, 0, 4, 2}}));
    EXPECT_EQ(Region::rect(0, 0, 2, 2).united(Region::rect(0, 2, 2, 3)).rects(), (std::vector<Rect>{{0, 0, 2, 3}}));
    EXPECT_EQ(Region::rect(0, 0, 2, 2).united(Region::rect(4, 0, 6, 4)).rects(),
              (std::vector<Rect>{{0, 0, 2, 2}, {4, 0, 6, 2}, {4, 2, 6, 4}}));
}

TEST(RegionSet, MovesAndPointTests)
{
    Region r = Region::rect(0, 0, 2, 2).united(Region::rect(4, 0, 6, 4));
    Region moved = r.offsetted(-3, 10);
    EXPECT_EQ(moved.bounds(), (Rect{-3, 10, 3, 14}));
    EXPECT_TRUE(moved.contains(-3, 10));
    EXPECT_FALSE(moved.contains(-1, 10));  // the gap between the two rectangles
    EXPECT_FALSE(moved.contains(3, 13));   // right edge is out
    r.offset(-3, 10);
    EXPECT_EQ(r, moved);
}

TEST(RegionSet, RectangleListsRoundTripAndAnyListIsAccepted)
{
    const Region ring = Region::rect(0, 0, 9, 9).subtracted(Region::rect(3, 3, 6, 6));
    const std::vector<Rect> rects = ring.rects();
    expectBanded(rects);
    EXPECT_EQ(Region::fromRects(rects), ring);
    // Unsorted, overlapping and empty rectangles still give their union.
    const std::vector<Rect> messy{{5, 5, 8, 8}, {0, 0, 6, 6}, {3, 3, 3, 9}, {0, 0, 6, 6}};
    EXPECT_EQ(Region::fromRects(messy), Region::rect(0, 0, 6, 6).united(Region::rect(5, 5, 8, 8)));
    EXPECT_TRUE(Region::fromRects({}).isEmpty());
}

TEST(RegionSet, RandomOperationsMatchAPixelSetModel)
{
    std::mt19937 rng(77);
    std::uniform_int_distribution<int> c(-2, N + 2), n(1, 5), op(0, 3);
    auto randomRegion = [&](Pixels& model) {
        Region r;
        model.reset();
        for (int k = n(rng); k > 0; --k) {
            int l = c(rng), t = c(rng), rr = c(rng), b = c(rng);
            r.unite(Region::rect(l, t, rr, b));
            for (int y = std::max(0, std::min(t, b)); y < std::min(N, std::max(t, b)); ++y)
                for (int x = std::max(0, std::min(l, rr)); x < std::min(N, std::max(l, rr)); ++x)
                    model[size_t(y * N + x)] = true;
        }
        return r;
    };
    for (int round = 0; round < 2000; ++round) {
        Pixels ma, mb, expected;
        Region a = randomRegion(ma), b = randomRegion(mb), result;
        // Keep the regions inside the modelled field so the pixel model sees all of them.
        const Region field = Region::rect(0, 0, N, N);
        a.intersect(field);
        b.intersect(field);
        switch (op(rng)) {
        case 0: result = a.united(b), expected = ma | mb; break;
        case 1: result = a.intersected(b), expected = ma & mb; break;
        case 2: result = a.subtracted(b), expected = ma & ~mb; break;
        default: result = a.xored(b), expected = ma ^ mb; break;
        }
        ASSERT_EQ(pixelsOf(result), expected) << "round " << round;
        expectBanded(result.rects());
        EXPECT_EQ(result.isEmpty(), expected.none());
        EXPECT_EQ(Region::fromRects(result.rects()), result);
        // The bounding box is the tightest one around the model's pixels.
        if (expected.any()) {
            Rect bb = result.bounds();
            int l = N, t = N, r = 0, btm = 0;
            for (int y = 0; y < N; ++y)
                for (int x = 0; x < N; ++x)
                    if (expected[size_t(y * N + x)]) l = std::min(l, x), t = std::min(t, y), r = std::max(r, x + 1), btm = std::max(btm, y + 1);
            ASSERT_EQ(bb, (Rect{l, t, r, btm}));
        }
    }
}

TEST(RegionSet, HandlesAreNeverReusedAndZeroNamesNothing)
{
    RegionTable table;
    EXPECT_EQ(table.add(Region::invalid()), 0u);
    uint32_t a = table.add(Region::rect(0, 0, 1, 1));
    uint32_t b = table.add(Region());
    EXPECT_EQ(a, 1u);
    EXPECT_EQ(b, 2u);
    EXPECT_EQ(table.find(0), nullptr);
    ASSERT_NE(table.find(a), nullptr);
    EXPECT_EQ(*table.find(a), Region::rect(0, 0, 1, 1));
    EXPECT_TRUE(table.remove(a));
    EXPECT_FALSE(table.remove(a));
    EXPECT_EQ(table.find(a), nullptr);
    uint32_t c = table.add(Region::rect(0, 0, 2, 2));
    EXPECT_NE(c, a);
    EXPECT_EQ(table.size(), 2u);
    // A region reached through its handle can be changed in place.
    table.find(c)->offset(1, 1);
    EXPECT_EQ(table.find(c)->bounds(), (Rect{1, 1, 3, 3}));
}

TEST(RegionSet, DataArraysRoundTripAndMapRectangles)
{
    const Region ring = Region::rect(0, 0, 9, 9).subtracted(Region::rect(3, 3, 6, 6));
    const std::vector<int32_t> d = ring.data();
    ASSERT_EQ(d.size(), 8u + 4u * 4u);
    EXPECT_EQ(std::vector<int32_t>(d.begin(), d.begin() + 8), (std::vector<int32_t>{32, 1, 4, 64, 0, 0, 9, 9}));
    EXPECT_EQ(std::vector<int32_t>(d.begin() + 8, d.begin() + 12), (std::vector<int32_t>{0, 0, 9, 3}));
    EXPECT_EQ(Region::fromData(d), ring);
    EXPECT_EQ(Region().data(), (std::vector<int32_t>{32, 1, 0, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(Region::invalid().data().empty());

    // A scale maps corners and rounds them half to even; a mirror swaps them back into order.
    const std::vector<int32_t> one{32, 1, 1, 16, 1, 1, 3, 5, 1, 1, 3, 5};
    EXPECT_EQ(Region::fromData(one, {2.5f, 0, 0, 0.5f, 0, 0}), Region::rect(2, 0, 8, 2));  // 2.5 -> 2, 0.5 -> 0
    EXPECT_EQ(Region::fromData(one, {-1, 0, 0, 1, 10, 0}), Region::rect(7, 1, 9, 5));
    // A quarter turn: x' = -y, y' = x.
    EXPECT_EQ(Region::fromData(one, {0, 1, -1, 0, 0, 0}), Region::rect(-5, 1, -1, 3));

    // Damaged arrays are refused; reversed rectangles are skipped.
    EXPECT_FALSE(Region::fromData(std::vector<int32_t>{32, 1, 2, 32, 0, 0, 1, 1, 0, 0, 1, 1}).isValid());
    EXPECT_FALSE(Region::fromData(std::vector<int32_t>{40, 1, 0, 0, 0, 0, 0, 0}).isValid());
    EXPECT_FALSE(Region::fromData(std::vector<int32_t>{32, 1, -1, 0, 0, 0, 0, 0}).isValid());
    EXPECT_FALSE(Region::fromData(std::vector<int32_t>{32, 1}).isValid());
    EXPECT_TRUE(Region::fromData(std::vector<int32_t>{32, 1, 1, 16, 0, 0, 0, 0, 5, 5, 1, 1}).isEmpty());
}
