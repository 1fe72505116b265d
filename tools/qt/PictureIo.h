#pragma once
// Picture files for the authoring tools: PNG, JPEG and BMP through Qt's image readers, which need
// no display. This header stays free of Qt so that GUI-free code can call it.
#include "platform/Bitmap.h"
#include "platform/Result.h"
#include "tools/authoring/ModelAuthoring.h"

#include <filesystem>

namespace salon::tools {

Result<Bitmap> loadRgbPicture(const std::filesystem::path& path);    // 24-bit, alpha dropped
Result<GreyImage> loadGreyPicture(const std::filesystem::path& path); // luminance, or alpha if present
Result<bool> savePng(const std::filesystem::path& path, const Bitmap& picture);

} // namespace salon::tools
