#pragma once
// Several files of a data drive replaced as one change. The catalogue's files belong together: a
// contents file describes the previews of exactly the models beside it, so a drive where some
// were replaced and others not shows one hairstyle and loads another.
//
// Every file is first written into a staging folder beside the drive (the same file system, so
// that moving in is a rename). Only when all of them are there are they moved in, one by one,
// each old file set aside in the staging folder; should a move fail, everything moved so far
// goes back and the old files return. Files of the drive that are not part of the change (photos,
// the presentation's pictures) are never touched.
#include "platform/Result.h"

#include <cstdint>
#include <filesystem>
#include <vector>

namespace salon::tools {

struct DriveFile {
    std::filesystem::path relative;  // inside the drive, e.g. "DS1/DA001.DSL"
    std::vector<uint8_t> bytes;
};

// Writes the files into `drive` (created when missing). On failure the drive holds what it held
// before and the Error says what failed; the Error also says so when even that could not be kept.
Result<bool> replaceDriveFiles(const std::filesystem::path& drive, const std::vector<DriveFile>& files);

} // namespace salon::tools
