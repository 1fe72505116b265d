#pragma once
// The bytes of the library's cursor files (data/library/cursors), embedded at build time so that
// the library carries its cursors as the original carried them in its resources.
#include <cstdint>
#include <span>

namespace pixol::cursors {

struct EmbeddedCursor {
    int32_t resource;
    std::span<const uint8_t> bytes;  // a whole .cur file
};

// In resource order.
std::span<const EmbeddedCursor> embeddedCursors();

} // namespace pixol::cursors
