#include "editor/engine/FaceBox.h"

#include <array>
#include <charconv>
#include <fstream>
#include <string>

namespace salon {

namespace {

bool separates(char c, char separator) { return c == separator || c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

} // namespace

Result<FaceBox> parseFaceBox(std::string_view text, char separator)
{
    const std::string expected = "a face box is four whole numbers x" + std::string(1, separator) + "y" +
                                 std::string(1, separator) + "w" + std::string(1, separator) + "h";
    std::array<int32_t, 4> v{};
    size_t at = 0, got = 0;
    for (;;) {
        while (at < text.size() && separates(text[at], separator)) ++at;
        if (at == text.size()) break;
        if (got == v.size()) return Error{expected + ", not more"};
        // from_chars refuses a number beyond 32 bits instead of wrapping it.
        auto [end, ec] = std::from_chars(text.data() + at, text.data() + text.size(), v[got]);
        if (ec != std::errc() || (end != text.data() + text.size() && !separates(*end, separator)))
            return Error{expected + " (\"" + std::string(text) + "\")"};
        at = size_t(end - text.data());
        ++got;
    }
    if (got != v.size()) return Error{expected + " (\"" + std::string(text) + "\")"};
    const FaceBox box{v[0], v[1], v[2], v[3]};
    auto within = [](int32_t n, int32_t low) { return n >= low && n <= PictureSideLimit; };
    if (!within(box.x, -PictureSideLimit) || !within(box.y, -PictureSideLimit) || !within(box.w, 1) ||
        !within(box.h, 1))
        return Error{"the face box " + std::to_string(box.x) + " " + std::to_string(box.y) + " " +
                     std::to_string(box.w) + " " + std::to_string(box.h) + " is not a rectangle of a picture (corner within +-" +
                     std::to_string(PictureSideLimit) + ", width and height 1 to " + std::to_string(PictureSideLimit) + ")"};
    return box;
}

Result<std::optional<FaceBox>> readFaceBoxFile(const std::filesystem::path& photo)
{
    std::filesystem::path path = photo;
    path.replace_extension(".box");
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return std::optional<FaceBox>{};
    std::ifstream in(path, std::ios::binary);
    if (!in) return Error{path.string() + ": cannot be read"};
    // A face box is one short line; anything much longer is not one.
    std::string text(4096, '\0');
    in.read(text.data(), std::streamsize(text.size()));
    text.resize(size_t(in.gcount()));
    if (in.peek() != std::char_traits<char>::eof()) return Error{path.string() + ": is too long for a face box"};
    auto box = parseFaceBox(text);
    if (!box) return Error{path.string() + ": " + box.error()};
    return std::optional<FaceBox>{box.value()};
}

} // namespace salon
