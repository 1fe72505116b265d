#include "platform/Installation.h"

#include "generated/SalonInstallDirs.h"

#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace salon {

namespace {

bool isDirectory(const fs::path& p)
{
    std::error_code ec;
    return fs::is_directory(p, ec);
}

// The folder without a trailing separator, so that its components compare one by one.
fs::path withoutTrailingSeparator(const fs::path& p)
{
    fs::path out;
    for (const fs::path& part : p)
        if (!part.empty() && part != ".") out /= part;
    return out;
}

} // namespace

std::optional<fs::path> prefixOf(const fs::path& dir, const fs::path& installedDir)
{
    const fs::path d = withoutTrailingSeparator(dir), tail = withoutTrailingSeparator(installedDir);
    if (tail.empty() || tail.is_absolute()) return std::nullopt;
    std::vector<fs::path> dirParts(d.begin(), d.end()), tailParts(tail.begin(), tail.end());
    if (tailParts.size() >= dirParts.size()) return std::nullopt;
    const size_t keep = dirParts.size() - tailParts.size();
    for (size_t i = 0; i < tailParts.size(); ++i)
        if (dirParts[keep + i] != tailParts[i]) return std::nullopt;
    fs::path prefix;
    for (size_t i = 0; i < keep; ++i) prefix /= dirParts[i];
    return prefix;
}

std::optional<fs::path> installedDataDirectory(const fs::path& moduleDir, std::string_view package)
{
    // Programs link the library statically as well as load it shared, so the same code asks from
    // the bin folder and from the lib folder.
    for (const char* installedDir : {SALON_INSTALL_BINDIR, SALON_INSTALL_LIBDIR}) {
        auto prefix = prefixOf(moduleDir, installedDir);
        if (!prefix) continue;
        fs::path data = *prefix / SALON_INSTALL_DATADIR / fs::path(package);
        if (isDirectory(data)) return data;
    }
    return std::nullopt;
}

std::optional<fs::path> buildTreeOf(const fs::path& dir)
{
    std::error_code ec;
    for (fs::path d = withoutTrailingSeparator(dir); !d.empty(); d = d.parent_path()) {
        if (fs::exists(d / "CMakeCache.txt", ec)) return d;
        if (d == d.parent_path()) break;
    }
    return std::nullopt;
}

fs::path suiteDataDirectory(const fs::path& programDir)
{
    if (auto installed = installedDataDirectory(programDir, "salon")) return *installed;
    if (auto tree = buildTreeOf(programDir)) return *tree;
    return withoutTrailingSeparator(programDir);
}

fs::path suiteFile(const fs::path& programDir, std::string_view name)
{
    std::error_code ec;
    fs::path beside = withoutTrailingSeparator(programDir) / fs::path(name);
    if (fs::exists(beside, ec)) return beside;
    return suiteDataDirectory(programDir) / fs::path(name);
}

fs::path demoDrive(const fs::path& programDir) { return suiteDataDirectory(programDir) / "drive"; }

} // namespace salon
