// The result pictures of the pixol commands: where they go and in which format.
#include "Command.h"

#include "platform/OutputPath.h"
#include "platform/Paths.h"
#include "platform/PictureFile.h"
#include "tools/qt/PictureIo.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

namespace pixol::cli {

namespace {

std::string lowerExtension(const std::filesystem::path& p)
{
    std::string e = p.extension().string();
    std::transform(e.begin(), e.end(), e.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return e;
}

// Picture types pixol reads but does not write.
constexpr std::array<std::string_view, 7> OtherPictureTypes{".jpg", ".jpeg", ".gif", ".ico", ".cur", ".wmf", ".emf"};

} // namespace

salon::Result<std::filesystem::path> resultPath(const std::string& out, const std::vector<std::string>& inputs)
{
    const std::string extension = lowerExtension(out);
    if (std::find(OtherPictureTypes.begin(), OtherPictureTypes.end(), extension) != OtherPictureTypes.end())
        return salon::Error{out + ": pixol writes BMP or PNG files; name the result .bmp or .png"};
    std::vector<std::filesystem::path> read;
    for (const std::string& in : inputs)
        if (auto native = salon::nativePath(in)) read.push_back(*native);
    return salon::outputPath(out, read);
}

salon::Result<bool> writePicture(const std::filesystem::path& path, const salon::Bitmap& picture)
{
    return lowerExtension(path) == ".png" ? salon::tools::savePng(path, picture) : salon::saveBmp(path, picture);
}

} // namespace pixol::cli
