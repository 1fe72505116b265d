#include "crop/ReducedCopy.h"

#include "platform/Paths.h"
#include "platform/PictureFile.h"

#include <cstdlib>
#include <system_error>

namespace trimlet {

std::filesystem::path userCacheDirectory()
{
    if (const char* xdg = std::getenv("XDG_CACHE_HOME"); xdg && *xdg) {
        std::filesystem::path p(xdg);
        // XDG says a relative value is invalid and must be ignored.
        if (p.is_absolute()) return p / "salon";
    }
    if (const char* home = std::getenv("HOME"); home && *home) return std::filesystem::path(home) / ".cache" / "salon";
    return {};
}

namespace {

// The file name of a Windows-style or native path: the part after the last separator.
std::string fileNameOf(const std::string& path)
{
    const auto cut = path.find_last_of("\\/");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

} // namespace

salon::Result<std::string> saveReducedCopy(const std::string& target, const salon::Bitmap& picture)
{
    std::string why;
    if (const auto native = salon::nativePath(target)) {
        auto saved = salon::saveBmp(*native, picture);
        if (saved.ok()) return target;
        why = saved.error();
    } else {
        why = "no such drive: " + target;
    }

    const std::string name = fileNameOf(target);
    const std::filesystem::path cache = userCacheDirectory();
    if (name.empty() || name == "." || name == ".." || cache.empty())
        return salon::Error{why};
    std::error_code ec;
    std::filesystem::create_directories(cache, ec);
    if (ec) return salon::Error{why + "; " + cache.string() + ": " + ec.message()};
    const std::filesystem::path fallback = cache / name;
    auto saved = salon::saveBmp(fallback, picture);
    if (!saved.ok()) return salon::Error{why + "; " + saved.error()};
    return fallback.string();
}

} // namespace trimlet
