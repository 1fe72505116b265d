#include "platform/OutputPath.h"

#include "platform/Paths.h"

#include <string>
#include <system_error>

namespace salon {

namespace fs = std::filesystem;

bool sameFile(const fs::path& a, const fs::path& b)
{
    std::error_code ec;
    return fs::equivalent(a, b, ec) && !ec;
}

Result<fs::path> outputPath(std::string_view out, std::span<const fs::path> inputs)
{
    const std::string name(out);
    if (name.empty()) return Error{"no output file given"};
    auto native = nativePath(name);
    if (!native) return Error{name + ": no such drive"};
    if (native->filename().empty()) return Error{name + ": names a folder, not a file"};
    std::error_code ec;
    fs::path folder = native->parent_path();
    if (folder.empty()) folder = ".";
    if (!fs::is_directory(folder, ec)) return Error{name + ": the folder " + folder.string() + " does not exist"};
    if (fs::is_directory(*native, ec)) return Error{name + ": names a folder, not a file"};
    for (const fs::path& input : inputs)
        if (sameFile(*native, input)) return Error{name + ": is " + input.string() + ", which is read to make it"};
    return *native;
}

} // namespace salon
