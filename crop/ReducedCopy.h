#pragma once
// Where the reduced photo goes. The editor asks for it beside the program; an installed program's
// directory is not writable by its user, so the copy then goes to the user's cache directory
// ($XDG_CACHE_HOME, else ~/.cache, subfolder "salon") under the same file name, and the caller is
// told the path that was really written.
#include "platform/Bitmap.h"
#include "platform/Result.h"

#include <filesystem>
#include <string>

namespace trimlet {

// $XDG_CACHE_HOME/salon when that variable holds an absolute path, else $HOME/.cache/salon;
// empty when neither is known.
[[nodiscard]] std::filesystem::path userCacheDirectory();

// Writes `picture` as a 24-bit BMP to the Windows-style path `target`, or, when that fails, to the
// cache directory. The value is the path written, in the form the editor resolves (the target string
// itself, or the native cache path); the error says why neither place could be written.
[[nodiscard]] salon::Result<std::string> saveReducedCopy(const std::string& target, const salon::Bitmap& picture);

} // namespace trimlet
