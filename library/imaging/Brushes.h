#pragma once
// Brushes by handle. A brush is a solid colour, a pattern picture tiled from the surface's origin,
// or one of the six stock brushes (white, light grey, grey, dark grey, black, null), which exist for
// the whole run under fixed handles and are never deleted. Other brushes belong to whoever asked for
// them; handles are never reused, so a stale handle finds nothing.
#include "platform/Bitmap.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace pixol {

struct Brush {
    enum class Kind { Solid, Pattern, Null };
    Kind kind = Kind::Solid;
    uint32_t colour = 0;     // packed red + 256 green + 65536 blue; solid brushes
    salon::Bitmap pattern;   // 24-bit tile; pattern brushes

    // The colour the brush paints at picture pixel (x, y); none for the null brush.
    std::optional<uint32_t> colourAt(int32_t x, int32_t y) const;
};

class BrushTable {
public:
    // Stock brush n (0 white, 1 light grey, 2 grey, 3 dark grey, 4 black, 5 null) has this handle.
    static constexpr int32_t StockBase = 0x7F000000;
    static constexpr int StockCount = 6;
    static bool isStock(int32_t handle) { return handle >= StockBase && handle < StockBase + StockCount; }

    int32_t add(Brush brush);             // 0 when the table cannot grow
    const Brush* find(int32_t handle) const;
    bool remove(int32_t handle);          // false for stock brushes and unknown handles
    size_t size() const { return m_entries.size(); }  // brushes made, stock brushes not counted

private:
    struct Entry {
        int32_t handle;
        Brush brush;
    };
    std::vector<Entry> m_entries;
    int32_t m_next = 1;
};

} // namespace pixol
