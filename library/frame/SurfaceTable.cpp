#include "SurfaceTable.h"

#include <algorithm>
#include <limits>

namespace pixol {

int32_t SurfaceTable::add(salon::Surface& surface)
{
    for (const Entry& e : m_entries)
        if (e.surface == &surface) return e.number;
    if (m_next == std::numeric_limits<int32_t>::max()) return 0;
    m_entries.push_back({m_next, &surface});
    return m_next++;
}

salon::Surface* SurfaceTable::find(int32_t number) const
{
    if (number == 0) return nullptr;
    auto it = std::find_if(m_entries.begin(), m_entries.end(), [&](const Entry& e) { return e.number == number; });
    return it == m_entries.end() ? nullptr : it->surface;
}

bool SurfaceTable::remove(int32_t number)
{
    auto it = std::find_if(m_entries.begin(), m_entries.end(), [&](const Entry& e) { return e.number == number; });
    if (it == m_entries.end()) return false;
    m_entries.erase(it);
    return true;
}

} // namespace pixol
