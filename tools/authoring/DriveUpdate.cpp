#include "tools/authoring/DriveUpdate.h"

#include "tools/authoring/Files.h"

#include <string>
#include <system_error>

#include <unistd.h>

namespace salon::tools {

namespace fs = std::filesystem;

namespace {

// "/srv/drive/" and "/srv/drive" are the same drive; the staging folder goes beside it.
fs::path stagingFolderFor(const fs::path& drive)
{
    fs::path d = fs::absolute(drive).lexically_normal();
    if (d.filename().empty()) d = d.parent_path();
    return d.parent_path() / ("." + d.filename().string() + ".staging-" + std::to_string(::getpid()));
}

struct Move {
    fs::path target, staged, setAside;
    bool hadOld = false, movedIn = false;
};

// Puts every file of `done` back as it was, last first. False when one of them could not be.
bool rollBack(std::vector<Move>& done)
{
    bool whole = true;
    for (auto m = done.rbegin(); m != done.rend(); ++m) {
        std::error_code ec;
        if (m->movedIn) fs::rename(m->target, m->staged, ec);
        if (ec) whole = false;
        ec.clear();
        if (m->hadOld) fs::rename(m->setAside, m->target, ec);
        if (ec) whole = false;
    }
    return whole;
}

// `oldFilesKept` turns true when a failed move could not put every old file back: they are then
// in the staging folder, which must stay.
Result<bool> moveIn(const fs::path& drive, const fs::path& staging, const std::vector<DriveFile>& files,
                    bool& oldFilesKept)
{
    std::vector<Move> done;
    for (const DriveFile& f : files) {
        Move m{drive / f.relative, staging / "new" / f.relative, staging / "old" / f.relative};
        std::error_code ec;
        std::string failure;
        fs::create_directories(m.target.parent_path(), ec);
        if (ec) failure = m.target.parent_path().string() + ": " + ec.message();
        if (failure.empty() && fs::exists(fs::symlink_status(m.target, ec))) {
            fs::create_directories(m.setAside.parent_path(), ec);
            if (!ec) fs::rename(m.target, m.setAside, ec);
            if (ec) failure = m.target.string() + ": cannot be replaced: " + ec.message();
            else m.hadOld = true;
        }
        if (failure.empty()) {
            fs::rename(m.staged, m.target, ec);
            if (ec) failure = m.target.string() + ": cannot be replaced: " + ec.message();
            else m.movedIn = true;
        }
        done.push_back(m);
        if (!failure.empty()) {
            if (!rollBack(done)) {
                oldFilesKept = true;
                return Error{failure + "\nand the files replaced before it could not all be put back: the drive " +
                             drive.string() + " may be incomplete (its old files are in " + (staging / "old").string() + ")"};
            }
            return Error{failure};
        }
    }
    return true;
}

} // namespace

Result<bool> replaceDriveFiles(const fs::path& drive, const std::vector<DriveFile>& files)
{
    std::error_code ec;
    fs::create_directories(drive, ec);
    if (ec) return Error{drive.string() + ": " + ec.message()};
    const fs::path staging = stagingFolderFor(drive);
    fs::remove_all(staging, ec);
    for (const DriveFile& f : files) {
        const fs::path staged = staging / "new" / f.relative;
        fs::create_directories(staged.parent_path(), ec);
        if (ec) {
            fs::remove_all(staging, ec);
            return Error{staged.parent_path().string() + ": " + ec.message()};
        }
        auto written = replaceFile(staged, f.bytes);
        if (!written) {
            fs::remove_all(staging, ec);
            return Error{(drive / f.relative).string() + ": " + written.error()};
        }
    }
    bool oldFilesKept = false;
    auto moved = moveIn(drive, staging, files, oldFilesKept);
    if (!oldFilesKept) fs::remove_all(staging, ec);
    return moved;
}

} // namespace salon::tools
