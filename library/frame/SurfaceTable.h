#pragma once
// Device-context numbers. Methods that take a drawing surface by number (HdcF, HdcO, ObjHdc) look it
// up here; a program registers its picture object and passes the number it gets. The table does not
// own the surfaces: whoever registered one removes it before the surface goes away. Numbers are never
// reused within a thread's run, so a stale number reaches nothing.
#include "platform/Surface.h"

#include <cstdint>
#include <vector>

namespace pixol {

class SurfaceTable {
public:
    // The number of a surface; a surface registered twice keeps its first number.
    int32_t add(salon::Surface& surface);
    salon::Surface* find(int32_t number) const;  // null for 0 and unknown numbers
    bool remove(int32_t number);

private:
    struct Entry {
        int32_t number;
        salon::Surface* surface;
    };
    std::vector<Entry> m_entries;
    int32_t m_next = 1;
};

} // namespace pixol
