#include "tools/authoring/Files.h"

#include <cstdio>
#include <fstream>
#include <system_error>

namespace salon::tools {

namespace fs = std::filesystem;

Result<std::vector<uint8_t>> readWholeFile(const fs::path& path, uint64_t maxBytes)
{
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) return Error{path.string() + ": no such file"};
    uint64_t size = fs::file_size(path, ec);
    if (ec) return Error{path.string() + ": " + ec.message()};
    if (size > maxBytes) return Error{path.string() + ": too large (" + std::to_string(size) + " bytes)"};
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> data(size);
    if (!in.read(reinterpret_cast<char*>(data.data()), std::streamsize(size)))
        return Error{path.string() + ": cannot be read"};
    return data;
}

Result<bool> replaceFile(const fs::path& path, std::span<const uint8_t> bytes)
{
    fs::path tmp = path;
    tmp += ".part";
    {
        std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
        if (!out) return Error{path.string() + ": cannot be written"};
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        out.close();
        if (!out) {
            std::error_code ec;
            fs::remove(tmp, ec);
            return Error{path.string() + ": writing failed"};
        }
    }
    std::error_code ec;
    fs::rename(tmp, path, ec);
    if (ec) {
        fs::remove(tmp, ec);
        return Error{path.string() + ": cannot replace the file"};
    }
    return true;
}

} // namespace salon::tools
