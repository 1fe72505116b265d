#pragma once
// Arrays that keep their bounds. The editor's and the library's interfaces pass arrays whose lower
// bounds carry meaning (a mask addressed by model coordinates, a table from 1), and their checks read
// those bounds, so the bounds travel with the values.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace salon {

using std::size_t;

// A one-dimensional array with an explicit lower bound.
template <class T>
struct BoundedArray {
    int32_t lower = 0;
    std::vector<T> values;

    void redim(int32_t lo, int32_t hi)
    {
        lower = lo;
        values.assign(hi >= lo ? size_t(int64_t(hi) - lo + 1) : 0, T{});
    }
    void erase() { values.clear(); }
    bool empty() const { return values.empty(); }
    int32_t size() const { return int32_t(values.size()); }
    int32_t upper() const { return lower + int32_t(values.size()) - 1; }
    bool has(int32_t i) const { return i >= lower && int64_t(i) - lower < int64_t(values.size()); }
    T& operator()(int32_t i) { return values.at(size_t(int64_t(i) - lower)); }
    const T& operator()(int32_t i) const { return values.at(size_t(int64_t(i) - lower)); }
};

// A two-dimensional byte array with explicit lower bounds; the first index varies fastest, as
// pictures and masks are laid out in files and in pixel arrays (byte column, row).
struct ByteArray2D {
    int32_t lower1 = 0, lower2 = 0;
    int32_t count1 = 0, count2 = 0;
    std::vector<uint8_t> values;

    void redim(int32_t lo1, int32_t hi1, int32_t lo2, int32_t hi2)
    {
        lower1 = lo1;
        lower2 = lo2;
        count1 = hi1 >= lo1 ? hi1 - lo1 + 1 : 0;
        count2 = hi2 >= lo2 ? hi2 - lo2 + 1 : 0;
        values.assign(size_t(count1) * size_t(count2), 0);
    }
    void erase() { *this = ByteArray2D{}; }
    bool empty() const { return values.empty(); }
    int32_t upper1() const { return lower1 + count1 - 1; }
    int32_t upper2() const { return lower2 + count2 - 1; }
    bool has(int32_t i, int32_t j) const
    {
        return i >= lower1 && i - int64_t(lower1) < count1 && j >= lower2 && j - int64_t(lower2) < count2;
    }
    uint8_t& operator()(int32_t i, int32_t j) { return values.at(size_t(j - lower2) * size_t(count1) + size_t(i - lower1)); }
    uint8_t operator()(int32_t i, int32_t j) const { return values.at(size_t(j - lower2) * size_t(count1) + size_t(i - lower1)); }
};

using LongArray = BoundedArray<int32_t>;

} // namespace salon

namespace salon {

// A byte array of one, two or three dimensions, each with its own lower bound; the first index
// varies fastest. The library's byte arrays (pixel arrays, coverage arrays, tables) take this form
// because some methods ask an array how many dimensions it has.
struct ByteArray {
    int rank = 0;  // 0: not dimensioned
    int32_t lower[3] = {0, 0, 0};
    int32_t count[3] = {0, 0, 0};
    std::vector<uint8_t> values;

    void redim(int32_t lo, int32_t hi) { dim(1, &lo, &hi); }
    void redim(int32_t lo1, int32_t hi1, int32_t lo2, int32_t hi2)
    {
        int32_t lo[2] = {lo1, lo2}, hi[2] = {hi1, hi2};
        dim(2, lo, hi);
    }
    void redim(int32_t lo1, int32_t hi1, int32_t lo2, int32_t hi2, int32_t lo3, int32_t hi3)
    {
        int32_t lo[3] = {lo1, lo2, lo3}, hi[3] = {hi1, hi2, hi3};
        dim(3, lo, hi);
    }
    void erase() { *this = ByteArray{}; }
    bool empty() const { return values.empty(); }
    int32_t lbound(int d) const { return lower[d - 1]; }              // d = 1..rank
    int32_t ubound(int d) const { return lower[d - 1] + count[d - 1] - 1; }
    bool has(int32_t i, int32_t j = 0, int32_t k = 0) const
    {
        const int32_t idx[3] = {i, j, k};
        for (int d = 0; d < rank; ++d)
            if (idx[d] < lower[d] || int64_t(idx[d]) - lower[d] >= count[d]) return false;
        return rank > 0;
    }
    uint8_t& operator()(int32_t i) { return values.at(offset(i, lower[1], lower[2])); }
    uint8_t operator()(int32_t i) const { return values.at(offset(i, lower[1], lower[2])); }
    uint8_t& operator()(int32_t i, int32_t j) { return values.at(offset(i, j, lower[2])); }
    uint8_t operator()(int32_t i, int32_t j) const { return values.at(offset(i, j, lower[2])); }
    uint8_t& operator()(int32_t i, int32_t j, int32_t k) { return values.at(offset(i, j, k)); }
    uint8_t operator()(int32_t i, int32_t j, int32_t k) const { return values.at(offset(i, j, k)); }

private:
    void dim(int r, const int32_t* lo, const int32_t* hi)
    {
        rank = r;
        size_t total = 1;
        for (int d = 0; d < 3; ++d) {
            lower[d] = d < r ? lo[d] : 0;
            count[d] = d < r ? (hi[d] >= lo[d] ? int32_t(int64_t(hi[d]) - lo[d] + 1) : 0) : 1;
            total *= size_t(count[d]);
        }
        values.assign(total, 0);
    }
    size_t offset(int32_t i, int32_t j, int32_t k) const
    {
        // Out-of-range indices map past the end, so at() throws instead of aliasing another element.
        const int32_t idx[3] = {i, j, k};
        size_t off = 0, step = 1;
        for (int d = 0; d < 3; ++d) {
            int64_t rel = int64_t(idx[d]) - lower[d];
            if (rel < 0 || rel >= count[d]) return values.size();
            off += size_t(rel) * step;
            step *= size_t(count[d]);
        }
        return off;
    }
};

} // namespace salon
