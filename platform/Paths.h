#pragma once
// The programs keep Windows-style path strings ("D:\orvella\obsdsl01.irw", directories ending in
// "\") exactly as they build them. The drive table maps drive letters to native directories; each
// path component is then matched without regard to case, as on Windows.
//
// The table comes from SALON_DRIVES ("D=/srv/salon;E=/media/cdrom"; an entry may end in ",N" to
// give the drive type N, e.g. "E=/media/cdrom,5"); without it, D is the demo data drive built
// into the build tree. ".." never climbs above a drive's root, as on Windows.
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace salon {

enum class DriveType { Unknown = 0, NoRoot = 1, Removable = 2, Fixed = 3, Remote = 4, CdRom = 5, RamDisk = 6 };

struct Drive {
    char letter;                    // upper case
    std::filesystem::path root;     // native directory
    DriveType type = DriveType::Fixed;
};

class DriveTable {
public:
    DriveTable() = default;
    explicit DriveTable(std::vector<Drive> drives);
    // "D=/srv/salon;E=/media/cdrom"; entries without '=' or with a bad letter are skipped.
    static DriveTable parse(std::string_view spec);
    // SALON_DRIVES, else D = the compiled-in demo drive.
    static DriveTable fromEnvironment();
    // The table every program uses (fromEnvironment() on first use); tests may replace it.
    static DriveTable& current();

    const std::vector<Drive>& drives() const { return m_drives; }
    const Drive* find(char letter) const;
    void set(char letter, std::filesystem::path root, DriveType type = DriveType::Fixed);

    // Native path of a Windows-style path: "X:\a\b" through the drive table, each existing component
    // matched case-insensitively (a missing tail is kept as written). Relative paths and native
    // absolute paths ("/tmp/x") pass through with '\' turned into '/'. None for an unknown drive.
    std::optional<std::filesystem::path> resolve(std::string_view windowsPath) const;

private:
    std::vector<Drive> m_drives;
};

// Shorthands over DriveTable::current().
std::optional<std::filesystem::path> nativePath(std::string_view windowsPath);
bool FileExists(std::string_view windowsPath);

// The Windows-style form of a native path (for paths the user picked in a native dialog): under a
// drive's root it becomes "X:\..."; elsewhere the native path is kept with '/' separators.
std::string windowsPath(const std::filesystem::path& native);

// Directory of the running program (native), with its trailing separator.
std::filesystem::path programDirectory();

} // namespace salon
