#include "editor/shell/SaveCommand.h"

#include "editor/shell/ChooseFile.h"
#include "platform/Paths.h"
#include "platform/PictureFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <string>
#include <unistd.h>

namespace salon {

int writeFileReplacing(const std::filesystem::path& target, std::span<const uint8_t> bytes)
{
    if (target.empty() || !target.has_filename()) return EISDIR;
    const std::filesystem::path dir = target.has_parent_path() ? target.parent_path() : ".";
    std::string tmpl = (dir / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(tmpl.data());
    if (fd < 0) return errno;
    auto fail = [&](int err) {
        ::close(fd);
        ::unlink(tmpl.c_str());
        return err;
    };
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return fail(errno);
        }
        done += size_t(n);
    }
    if (::fsync(fd) != 0) return fail(errno);
    // mkstemp creates the file 0600: a replaced file keeps its permissions, a new one gets those of an
    // ordinary document.
    struct stat old{};
    if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        ::fchmod(fd, old.st_mode & 07777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(tmpl.c_str());
        return err;
    }
    if (::rename(tmpl.c_str(), target.c_str()) != 0) {
        const int err = errno;
        ::unlink(tmpl.c_str());
        return err;
    }
    return 0;
}

SaveOutcome SaveResult(Ui& ui, std::string& SaveFile, const Bitmap& composite)
{
    std::vector<std::string> chosen;
    if (!ChooseFile(ui, 5, SaveFile, "601", chosen, "bmp") || chosen.empty()) return SaveOutcome::Cancelled;
    SaveFile = chosen.front();
    if (composite.isNull()) {
        showFileError(ui, 31036, SaveFile);
        return SaveOutcome::Failed;
    }
    const std::optional<std::filesystem::path> target = nativePath(SaveFile);
    if (!target) {
        showFileError(ui, 68, SaveFile);  // a drive letter the drive table does not know
        return SaveOutcome::Failed;
    }
    const std::vector<uint8_t> bytes = encodeBmp(composite);
    if (const int err = writeFileReplacing(*target, bytes); err != 0) {
        showFileError(ui, fileErrorNumber(err), SaveFile);
        return SaveOutcome::Failed;
    }
    return SaveOutcome::Saved;
}

} // namespace salon
