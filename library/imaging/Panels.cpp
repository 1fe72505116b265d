#include "library/imaging/Panels.h"

#include "platform/Numbers.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace pixol::panels {

namespace {

struct Table {
    int32_t width = 0, gap = 0;
    std::vector<std::pair<int32_t, int32_t>> sizes;
};

bool read(const salon::LongArray& a, Table& t)
{
    const int32_t n = a.size();
    if (n < 2 || (n - 2) % 2 != 0) return false;
    t.width = a.values[0];
    t.gap = a.values[1];
    if (t.width < 1 || t.gap < 0) return false;
    for (int32_t i = 2; i < n; i += 2) {
        const int32_t w = a.values[size_t(i)], h = a.values[size_t(i) + 1];
        if (w < 1 || h < 1) return false;
        t.sizes.emplace_back(w, h);
    }
    return true;
}

} // namespace

int32_t layout(const salon::LongArray& a, salon::LongArray& b)
{
    Table t;
    if (!read(a, t)) return 0;
    const int32_t n = int32_t(t.sizes.size());
    salon::LongArray out;
    out.redim(0, 4 * n);
    int64_t x = t.gap, y = t.gap, rowHeight = 0;
    int32_t rows = n > 0 ? 1 : 0;
    for (int32_t i = 0; i < n; ++i) {
        const auto [w, h] = t.sizes[size_t(i)];
        if (x > t.gap && x + w + t.gap > t.width) {  // does not fit after the others: a new row
            y += rowHeight + t.gap;
            x = t.gap;
            rowHeight = 0;
            ++rows;
        }
        if (y > INT32_MAX - h) return 0;
        out(4 * i + 1) = int32_t(x);
        out(4 * i + 2) = int32_t(y);
        out(4 * i + 3) = w;
        out(4 * i + 4) = h;
        x += int64_t(w) + t.gap;
        rowHeight = std::max<int64_t>(rowHeight, h);
    }
    const int64_t height = n > 0 ? y + rowHeight + t.gap : 2 * int64_t(t.gap);
    if (height > INT32_MAX) return 0;
    out(0) = int32_t(height);
    b = std::move(out);
    return rows;
}

int32_t prepare(int32_t typ, salon::LongArray& hsD)
{
    Table t;
    if (typ < 1 || typ > 4 || !read(hsD, t)) return 0;
    auto& s = t.sizes;
    switch (typ) {
    case 1:
        std::stable_sort(s.begin(), s.end(), [](auto p, auto q) { return p.second > q.second; });
        break;
    case 2:
        std::reverse(s.begin(), s.end());
        break;
    default: {
        if (s.empty()) break;
        int32_t target = s[0].second;
        for (auto [w, h] : s) target = typ == 3 ? std::min(target, h) : std::max(target, h);
        for (auto& [w, h] : s) {
            const int64_t scaled = salon::roundHalfEven(double(w) * double(target) / double(h));
            w = int32_t(std::clamp<int64_t>(scaled, 1, INT32_MAX));
            h = target;
        }
    }
    }
    for (size_t i = 0; i < s.size(); ++i) {
        hsD.values[2 + 2 * i] = s[i].first;
        hsD.values[3 + 2 * i] = s[i].second;
    }
    return int32_t(s.size());
}

} // namespace pixol::panels
