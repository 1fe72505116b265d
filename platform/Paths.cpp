#include "platform/Paths.h"

#include "platform/Installation.h"

#include <algorithm>
#include <cstdlib>
#include <system_error>

namespace fs = std::filesystem;

namespace salon {

namespace {

char upper(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }

bool sameIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (upper(a[i]) != upper(b[i])) return false;
    return true;
}

std::string_view trim(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

std::vector<std::string> components(std::string_view s)
{
    std::vector<std::string> out;
    std::string cur;
    for (char c : s) {
        if (c == '\\' || c == '/') {
            if (!cur.empty()) out.push_back(std::move(cur));
            cur.clear();
        } else {
            cur.push_back(c);
        }
    }
    if (!cur.empty()) out.push_back(std::move(cur));
    return out;
}

// The entry of dir whose name equals name without regard to case: the exact spelling when it
// exists, else the first match in name order so that the choice does not depend on the
// directory's listing order.
std::optional<std::string> matchEntry(const fs::path& dir, const std::string& name)
{
    std::error_code ec;
    if (fs::exists(dir / name, ec)) return name;
    std::optional<std::string> best;
    fs::directory_iterator it(dir, ec);
    if (ec) return std::nullopt;
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec) break;
        std::string entry = it->path().filename().string();
        if (sameIgnoringCase(entry, name) && (!best || entry < *best)) best = entry;
    }
    return best;
}

} // namespace

DriveTable::DriveTable(std::vector<Drive> drives)
{
    for (auto& d : drives) set(d.letter, std::move(d.root), d.type);
}

DriveTable DriveTable::parse(std::string_view spec)
{
    DriveTable table;
    while (!spec.empty()) {
        size_t semi = spec.find(';');
        std::string_view entry = trim(spec.substr(0, semi));
        spec = semi == std::string_view::npos ? std::string_view{} : spec.substr(semi + 1);
        size_t eq = entry.find('=');
        if (eq == std::string_view::npos) continue;
        std::string_view letter = trim(entry.substr(0, eq));
        std::string_view root = trim(entry.substr(eq + 1));
        if (letter.size() != 1 || root.empty()) continue;
        char l = upper(letter[0]);
        if (l < 'A' || l > 'Z') continue;
        // An optional ",N" names the drive type (5 = CD-ROM), for set-ups that imitate one.
        DriveType type = DriveType::Fixed;
        size_t comma = root.rfind(',');
        if (comma != std::string_view::npos && comma + 2 == root.size() && root[comma + 1] >= '0' &&
            root[comma + 1] <= '6') {
            type = DriveType(root[comma + 1] - '0');
            root = trim(root.substr(0, comma));
            if (root.empty()) continue;
        }
        table.set(l, fs::path(std::string(root)), type);
    }
    return table;
}

DriveTable DriveTable::fromEnvironment()
{
    const char* env = std::getenv("SALON_DRIVES");
    if (env && *env) return parse(env);
    DriveTable table;
    table.set('D', demoDrive(programDirectory()));
    return table;
}

DriveTable& DriveTable::current()
{
    static DriveTable table = fromEnvironment();
    return table;
}

const Drive* DriveTable::find(char letter) const
{
    char l = upper(letter);
    for (const auto& d : m_drives)
        if (d.letter == l) return &d;
    return nullptr;
}

void DriveTable::set(char letter, fs::path root, DriveType type)
{
    char l = upper(letter);
    if (l < 'A' || l > 'Z') return;
    for (auto& d : m_drives) {
        if (d.letter == l) {
            d.root = std::move(root);
            d.type = type;
            return;
        }
    }
    m_drives.push_back(Drive{l, std::move(root), type});
    std::sort(m_drives.begin(), m_drives.end(), [](const Drive& a, const Drive& b) { return a.letter < b.letter; });
}

std::optional<fs::path> DriveTable::resolve(std::string_view windowsPath) const
{
    bool isDrivePath = windowsPath.size() >= 2 && windowsPath[1] == ':' &&
                       ((windowsPath[0] >= 'A' && windowsPath[0] <= 'Z') ||
                        (windowsPath[0] >= 'a' && windowsPath[0] <= 'z'));
    if (!isDrivePath) {
        std::string s(windowsPath);
        std::replace(s.begin(), s.end(), '\\', '/');
        return fs::path(s);
    }
    const Drive* drive = find(windowsPath[0]);
    if (!drive) return std::nullopt;

    std::string_view rest = windowsPath.substr(2);
    bool trailing = !rest.empty() && (rest.back() == '\\' || rest.back() == '/');

    // ".." stops at the drive root, as it does on Windows, so no path string leaves its drive.
    std::vector<std::string> parts;
    for (auto& c : components(rest)) {
        if (c == ".") continue;
        if (c == "..") {
            if (!parts.empty()) parts.pop_back();
            continue;
        }
        parts.push_back(std::move(c));
    }

    fs::path out = drive->root;
    bool matching = true;
    for (const auto& p : parts) {
        std::optional<std::string> found;
        if (matching) found = matchEntry(out, p);
        if (!found) matching = false;
        out /= found ? *found : p;
    }
    if (trailing && !parts.empty()) out /= "";
    return out;
}

std::optional<fs::path> nativePath(std::string_view windowsPath)
{
    return DriveTable::current().resolve(windowsPath);
}

bool FileExists(std::string_view windowsPath)
{
    if (windowsPath.empty()) return false;
    auto p = nativePath(windowsPath);
    if (!p) return false;
    std::error_code ec;
    return fs::exists(*p, ec) && !fs::is_directory(*p, ec);
}

std::string windowsPath(const fs::path& native)
{
    std::string text = native.generic_string();
    bool trailing = !text.empty() && text.back() == '/';
    fs::path n = native.lexically_normal();

    const Drive* best = nullptr;
    size_t bestDepth = 0;
    fs::path bestRel;
    for (const auto& d : DriveTable::current().drives()) {
        fs::path root = d.root.lexically_normal();
        fs::path rel = n.lexically_relative(root);
        if (rel.empty() || *rel.begin() == "..") continue;
        size_t depth = size_t(std::distance(root.begin(), root.end()));
        if (!best || depth > bestDepth) {
            best = &d;
            bestDepth = depth;
            bestRel = rel;
        }
    }
    if (!best) return text;

    std::string out{best->letter, ':', '\\'};
    bool first = true;
    for (const auto& c : bestRel) {
        std::string s = c.string();
        if (s.empty() || s == ".") continue;
        if (!first) out += '\\';
        out += s;
        first = false;
    }
    if (trailing && !first) out += '\\';
    return out;
}

fs::path programDirectory()
{
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return fs::current_path(ec) / "";
    return exe.parent_path() / "";
}

} // namespace salon
