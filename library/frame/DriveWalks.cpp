#include "DriveWalks.h"

#include "library/frame/FileServices.h"
#include "library/frame/LibraryState.h"
#include "library/frame/PathNames.h"
#include "platform/Paths.h"

#include <algorithm>
#include <cctype>
#include <deque>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace pixol::files {

namespace {

constexpr int EventsEvery = 256;  // directories between two looks at the program's events

struct Dir {
    fs::path native;
    std::string path;  // Windows-style, ending in "\"
    std::string name;
    bool recycled;     // inside (or being) a directory named RECYCLED
};

struct Item {
    std::string name;
    fs::path native;
    bool directory;
    uint64_t size;
};

bool sameIgnoringCase(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
           });
}

// The entries of one directory, links left out; false when it cannot be read. File sizes cost a
// look at each file, so only the statistics ask for them.
bool readDirectory(const fs::path& dir, std::vector<Item>& out, bool sizes)
{
    out.clear();
    std::error_code ec;
    fs::directory_iterator it(dir, ec);
    if (ec) return false;
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec) break;
        const fs::file_status st = it->symlink_status(ec);
        if (ec || fs::is_symlink(st)) continue;
        if (fs::is_directory(st)) out.push_back({it->path().filename().string(), it->path(), true, 0});
        else if (fs::is_regular_file(st)) {
            const uint64_t size = sizes ? it->file_size(ec) : 0;
            out.push_back({it->path().filename().string(), it->path(), false, ec ? 0 : size});
        }
    }
    std::sort(out.begin(), out.end(), [](const Item& a, const Item& b) { return a.name < b.name; });
    return true;
}

// Visits every directory of the drive breadth-first: visit(dir, items). False when the root
// cannot be read.
template <class Visit>
bool walkDrive(const salon::Drive& drive, bool sizes, Visit&& visit)
{
    std::deque<Dir> queue{{drive.root, std::string(1, drive.letter) + ":\\", "", false}};
    std::vector<Item> items;
    int seen = 0;
    bool first = true;
    while (!queue.empty()) {
        Dir dir = std::move(queue.front());
        queue.pop_front();
        if (!readDirectory(dir.native, items, sizes)) {
            if (first) return false;
            continue;
        }
        first = false;
        if (++seen % EventsEvery == 0 && state().ui) state().ui->processEvents();
        visit(dir, items);
        for (const Item& it : items)
            if (it.directory)
                queue.push_back({it.native, dir.path + it.name + "\\", it.name,
                                 dir.recycled || sameIgnoringCase(it.name, "RECYCLED")});
    }
    return true;
}

void append(salon::BoundedArray<std::string>& list, int32_t& count, const std::string& value)
{
    if (count <= 0 || list.lower != 1) {
        list.redim(1, 0);
        count = 0;
    }
    list.values.resize(size_t(count));
    list.values.push_back(value);
    ++count;
}

int32_t saturated(uint64_t v) { return v > uint64_t(INT32_MAX) ? INT32_MAX : int32_t(v); }

} // namespace

int32_t SysFnDir(const std::string& YDir, salon::BoundedArray<std::string>& NDir, int32_t& NPoc)
{
    for (const salon::Drive& drive : salon::DriveTable::current().drives())
        walkDrive(drive, false, [&](const Dir& dir, const std::vector<Item>&) {
            if (!dir.name.empty() && sameIgnoringCase(dir.name, YDir)) append(NDir, NPoc, dir.path);
        });
    return 1;
}

int32_t SysFnSou(const std::string& YSou, salon::BoundedArray<std::string>& NSou, int32_t& NPoc)
{
    for (const salon::Drive& drive : salon::DriveTable::current().drives())
        walkDrive(drive, false, [&](const Dir& dir, const std::vector<Item>& items) {
            for (const Item& it : items)
                if (!it.directory && matchesPattern(it.name, YSou)) append(NSou, NPoc, dir.path + it.name);
        });
    return 1;
}

int32_t SysCtDisk(const std::string& Disk, salon::LongArray& DiskVal, int32_t DTyp,
                  const std::function<std::string(int32_t)>& text, const DirectoryLists* lists)
{
    bool fits = false;
    const int32_t type = SysCmDZ(Disk, DTyp, fits);
    if (!fits) return 0;
    const salon::Drive* drive = salon::DriveTable::current().find(Disk[0]);
    if (!drive) return 0;

    uint64_t dirs = 0, files = 0, bytes = 0, keptDirs = 0, keptFiles = 0, keptBytes = 0;
    std::vector<std::string> paths, names;
    std::vector<int32_t> attributes, sizes, times;
    auto visit = [&](const Dir& dir, const std::vector<Item>& items) {
        if (!dir.name.empty()) {
            ++dirs;
            keptDirs += !dir.recycled;
        }
        uint64_t here = 0;
        for (const Item& it : items)
            if (!it.directory) {
                ++files;
                here += it.size;
                if (!dir.recycled) {
                    ++keptFiles;
                    keptBytes += it.size;
                }
            }
        bytes += here;
        if (lists) {
            struct stat st{};
            const bool ok = ::stat(dir.native.c_str(), &st) == 0;
            paths.push_back(dir.path);
            names.push_back(dir.name);
            attributes.push_back(attributesOf(dir.native).value_or(AttrDirectory));
            sizes.push_back(saturated(here));
            times.push_back(ok ? (st.st_mtime > INT32_MAX ? INT32_MAX : st.st_mtime < 0 ? 0 : int32_t(st.st_mtime)) : 0);
        }
    };
    bool done = false;
    for (int attempt = 0; attempt < 3 && !done; ++attempt) {
        dirs = files = bytes = keptDirs = keptFiles = keptBytes = 0;
        paths.clear(), names.clear(), attributes.clear(), sizes.clear(), times.clear();
        done = walkDrive(*drive, true, visit);
        // Removable media may just not be in yet: say so and look again.
        if (!done && (type == 2 || type == 5) && attempt < 2) tell(text(type == 2 ? 105 : 106));
        else if (!done) break;
    }
    if (!done) return 0;
    DiskVal.redim(1, 6);
    DiskVal(1) = saturated(dirs);
    DiskVal(2) = saturated(files);
    DiskVal(3) = saturated(bytes);
    DiskVal(4) = saturated(keptDirs);
    DiskVal(5) = saturated(keptFiles);
    DiskVal(6) = saturated(keptBytes);
    if (lists) {
        const int32_t n = int32_t(paths.size());
        lists->paths->redim(1, n);
        lists->names->redim(1, n);
        lists->attributes->redim(1, n);
        lists->bytes->redim(1, n);
        lists->times->redim(1, n);
        lists->paths->values = std::move(paths);
        lists->names->values = std::move(names);
        lists->attributes->values = std::move(attributes);
        lists->bytes->values = std::move(sizes);
        lists->times->values = std::move(times);
    }
    return 1;
}

} // namespace pixol::files
