#include "library/imaging/LibraryCursors.h"

#include "library/imaging/EmbeddedCursors.h"

#include <map>

namespace pixol::cursors {

namespace {

// Read once: the files are small and fixed, and a pointer is set on every change of tool.
const std::map<int32_t, Cursor>& library()
{
    static const std::map<int32_t, Cursor> all = [] {
        std::map<int32_t, Cursor> m;
        for (const EmbeddedCursor& e : embeddedCursors()) {
            auto c = salon::decodeCursor(e.bytes);
            if (c.ok() && e.resource >= First && e.resource <= Last) m.emplace(e.resource, std::move(c.value()));
        }
        return m;
    }();
    return all;
}

} // namespace

std::optional<Cursor> find(int32_t resource)
{
    const auto& all = library();
    const auto it = all.find(resource);
    if (it == all.end()) return std::nullopt;
    return it->second;
}

salon::Bitmap overWhite(const Cursor& cursor)
{
    salon::Bitmap out = cursor.image.toRgb24();
    const salon::Bitmap& mask = cursor.mask;
    for (int32_t y = 0; y < out.height; ++y)
        for (int32_t x = 0; x < out.width; ++x) {
            const bool through = x < mask.width && y < mask.height && mask.pixel(x, y) != 0;
            if (through) out.setPixel(x, y, 0xFFFFFFu ^ out.pixel(x, y));
        }
    return out;
}

} // namespace pixol::cursors
