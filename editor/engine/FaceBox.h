#pragma once
// The face box of a photo: hairline to chin, cheek to cheek, in the photo's pixels. The batch
// commands place the face by it; a demo photo carries it beside itself as NAME.box ("x y w h").
//
// A box is a rectangle of a picture, so each number must be one a picture can have: a corner
// within +-PictureSideLimit and a width and height of 1 to PictureSideLimit. Anything else is
// refused with a message rather than carried into the placement arithmetic, where it would not fit.
#include "platform/Result.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

namespace salon {

// The largest side of a picture this program reads (the picture readers refuse larger ones).
inline constexpr int32_t PictureSideLimit = 1 << 20;

struct FaceBox {
    int32_t x = 0, y = 0, w = 0, h = 0;
    friend bool operator==(const FaceBox&, const FaceBox&) = default;
};

// Four whole numbers "x y w h" separated by `separator` (blanks and line ends always count as
// separators too), nothing else.
Result<FaceBox> parseFaceBox(std::string_view text, char separator = ' ');

// "<photo without extension>.box": none when there is no such file; an Error when the file is
// there but does not hold a usable box.
Result<std::optional<FaceBox>> readFaceBoxFile(const std::filesystem::path& photo);

} // namespace salon
