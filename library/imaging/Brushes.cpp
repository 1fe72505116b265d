#include "Brushes.h"

#include <algorithm>

namespace pixol {

namespace {

const Brush& stockBrush(int index)
{
    // The stock greys of the platform: white, light grey, grey, dark grey, black.
    static const std::array<Brush, BrushTable::StockCount> stock = [] {
        std::array<Brush, BrushTable::StockCount> s{};
        const uint32_t greys[5] = {255, 192, 128, 64, 0};
        for (int i = 0; i < 5; ++i) s[size_t(i)] = Brush{Brush::Kind::Solid, greys[i] * 0x010101u, {}};
        s[5] = Brush{Brush::Kind::Null, 0, {}};
        return s;
    }();
    return stock[size_t(index)];
}

} // namespace

std::optional<uint32_t> Brush::colourAt(int32_t x, int32_t y) const
{
    switch (kind) {
    case Kind::Null: return std::nullopt;
    case Kind::Solid: return colour;
    case Kind::Pattern: {
        if (pattern.isNull()) return colour;
        int32_t w = pattern.width, h = pattern.height;
        return pattern.pixel(((x % w) + w) % w, ((y % h) + h) % h);
    }
    }
    return std::nullopt;
}

int32_t BrushTable::add(Brush brush)
{
    if (m_next >= StockBase) return 0;
    m_entries.push_back({m_next, std::move(brush)});
    return m_next++;
}

const Brush* BrushTable::find(int32_t handle) const
{
    if (isStock(handle)) return &stockBrush(handle - StockBase);
    auto it = std::find_if(m_entries.begin(), m_entries.end(), [&](const Entry& e) { return e.handle == handle; });
    return it == m_entries.end() ? nullptr : &it->brush;
}

bool BrushTable::remove(int32_t handle)
{
    auto it = std::find_if(m_entries.begin(), m_entries.end(), [&](const Entry& e) { return e.handle == handle; });
    if (it == m_entries.end()) return false;
    m_entries.erase(it);
    return true;
}

} // namespace pixol
