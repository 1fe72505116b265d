#pragma once
// Windows metafiles (WMF, with or without the placeable header, and EMF) rendered to 24-bit
// pictures through Debian's libraries: libwmf and libemf2svg turn them into SVG, librsvg draws that
// onto white. A metafile they cannot read or draw is an Error. The picture takes the metafile's
// own size at 96 pixels per inch (WMF) or its bounds in device pixels (EMF).
#include "Bitmap.h"
#include "Result.h"

#include <cstdint>
#include <span>
#include <string>

namespace salon {

bool looksLikeWmf(std::span<const uint8_t> data);
bool looksLikeEmf(std::span<const uint8_t> data);

Result<Bitmap> decodeWmf(std::span<const uint8_t> data);
Result<Bitmap> decodeEmf(std::span<const uint8_t> data);

// The SVG rendering step on its own, for pictures of that kind: width x height pixels (the SVG's
// own size when either is 0).
Result<Bitmap> renderSvg(const std::string& svg, int32_t width = 0, int32_t height = 0);

} // namespace salon
