#include "SystemInfo.h"

#include "platform/Installation.h"
#include "platform/Paths.h"

#include <dlfcn.h>
#include <link.h>
#include <fcntl.h>
#include <sys/sysinfo.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <random>
#include <sstream>

namespace pixol {

namespace fs = std::filesystem;

int32_t saturate32(int64_t value)
{
    return int32_t(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

int32_t saturate32(uint64_t value)
{
    return value > uint64_t(std::numeric_limits<int32_t>::max()) ? std::numeric_limits<int32_t>::max() : int32_t(value);
}

MemoryFigures memoryFigures()
{
    MemoryFigures m;
    struct sysinfo si {};
    if (sysinfo(&si) != 0) return m;
    const uint64_t unit = si.mem_unit ? si.mem_unit : 1;
    const uint64_t totalRam = uint64_t(si.totalram) * unit, freeRam = uint64_t(si.freeram + si.bufferram) * unit;
    const uint64_t totalSwap = uint64_t(si.totalswap) * unit, freeSwap = uint64_t(si.freeswap) * unit;
    m.totalPhysical = saturate32(totalRam);
    m.availablePhysical = saturate32(freeRam);
    m.totalPageFile = saturate32(totalRam + totalSwap);
    m.availablePageFile = saturate32(freeRam + freeSwap);
    // A 64-bit process has far more address space than a 32-bit field holds.
    m.totalVirtual = std::numeric_limits<int32_t>::max();
    m.availableVirtual = std::numeric_limits<int32_t>::max();
    m.load = totalRam ? int32_t((totalRam - std::min(freeRam, totalRam)) * 100 / totalRam) : 0;
    return m;
}

namespace {

// "cpu family" and "model" of the first processor in /proc/cpuinfo.
std::array<int32_t, 2> cpuFamilyAndModel()
{
    std::ifstream in("/proc/cpuinfo");
    std::string line;
    int32_t family = 0, model = 0;
    bool haveFamily = false, haveModel = false;
    while (std::getline(in, line) && !(haveFamily && haveModel)) {
        auto colon = line.find(':');
        if (colon == std::string::npos) continue;
        std::string key = line.substr(0, line.find_last_not_of(" \t", colon - 1) + 1);
        int32_t value = std::atoi(line.c_str() + colon + 1);
        if (key == "cpu family" && !haveFamily) family = value, haveFamily = true;
        if (key == "model" && !haveModel) model = value, haveModel = true;
    }
    return {family, model};
}

} // namespace

std::array<int32_t, 9> processorFigures()
{
    long processors = std::max(1L, sysconf(_SC_NPROCESSORS_ONLN));
    long page = std::max(1L, sysconf(_SC_PAGESIZE));
    uint64_t mask = processors >= 31 ? 0x7FFFFFFFu : (uint64_t(1) << processors) - 1;
    auto [family, model] = cpuFamilyAndModel();
#if defined(__x86_64__)
    const int32_t type = 8664;  // the platform's code for AMD64 processors
#elif defined(__aarch64__)
    const int32_t type = 0;
#else
    const int32_t type = 586;
#endif
    return {saturate32(mask), saturate32(int64_t(std::max(page, 65536L))), saturate32(int64_t(processors)), 0,
            saturate32(int64_t(page)), type, saturate32(int64_t(family) * 65536 + model),
            std::numeric_limits<int32_t>::max(), 65536};
}

std::array<int32_t, 4> versionFigures()
{
    struct utsname u {};
    int major = 0, minor = 0, patch = 0;
    if (uname(&u) == 0) std::sscanf(u.release, "%d.%d.%d", &major, &minor, &patch);
    return {patch, major, minor, 2};
}

int32_t systemMetric(int32_t index, int32_t screenWidth, int32_t screenHeight)
{
    switch (index) {
    case 0: return screenWidth;            // screen width
    case 1: return screenHeight;           // screen height
    case 2: case 3: return 16;             // scroll bar arrows
    case 4: return 18;                     // caption
    case 5: case 6: return 1;              // border
    case 7: case 8: return 3;              // dialog frame
    case 9: case 10: return 16;            // scroll thumb
    case 11: case 12: return 32;           // icon
    case 13: case 14: return 32;           // cursor
    case 15: return 19;                    // menu bar
    case 16: return screenWidth;           // full-screen client area
    case 17: return std::max(0, screenHeight - 18);
    case 19: return 1;                     // a mouse is present
    case 20: case 21: return 16;           // scroll bar arrows
    case 23: return 0;                     // buttons not swapped
    case 28: case 29: return 100;          // smallest window
    case 32: case 33: return 4;            // sizing frame
    case 43: return 3;                     // mouse buttons
    case 80: return 1;                     // monitors
    default: return 0;
    }
}

std::string publishedDirectory(const std::string& nativeDirectory)
{
    std::string p = salon::windowsPath(fs::path(nativeDirectory));
    while (p.size() > 1 && (p.back() == '/' || p.back() == '\\')) p.pop_back();
    if (p.empty() || p.back() != '\\') p += '\\';
    return p;
}

std::string systemDirectory()
{
    if (const char* env = std::getenv("PIXOL_SYSDIR"); env && *env) return env;
    // Beside the shared library in the build tree; under share/pixol when installed, asked from the
    // library's folder or, linked statically into a program, from the program's. The loader names
    // a shared library by the path it opened; the program itself has no name in its list (dladdr
    // would give argv[0], a bare name when found through PATH), so it is asked for its own file.
    Dl_info info{};
    link_map* module = nullptr;
    if (!dladdr1(reinterpret_cast<void*>(&systemDirectory), &info, reinterpret_cast<void**>(&module),
                 RTLD_DL_LINKMAP))
        return fs::current_path().string();
    std::error_code ec;
    const fs::path dir = module && module->l_name && *module->l_name
                             ? fs::absolute(fs::path(module->l_name), ec).parent_path()
                             : salon::programDirectory().parent_path();
    auto holdsTexts = [&](const fs::path& d) { return fs::exists(d / "Pixol001.STX", ec); };
    if (holdsTexts(dir)) return dir.string();
    if (auto installed = salon::installedDataDirectory(dir, "pixol"); installed && holdsTexts(*installed))
        return installed->string();
    if (auto tree = salon::buildTreeOf(dir)) return (*tree / "library").string();
    return fs::current_path().string();
}

std::string windowsDirectory()
{
    const char* home = std::getenv("HOME");
    return home && *home ? home : "/";
}

std::string temporaryDirectory()
{
    const char* tmp = std::getenv("TMPDIR");
    return tmp && *tmp ? tmp : "/tmp";
}

std::string temporaryFileName(const std::string& nativeDir, const std::string& prefix, uint32_t number)
{
    auto nameFor = [&](uint32_t n) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "%04X", unsigned(n & 0xFFFF));
        return (fs::path(nativeDir) / (prefix + hex + ".TMP")).string();
    };
    if (number != 0) return nameFor(number);
    thread_local std::mt19937 pick{std::random_device{}()};
    for (int attempt = 0; attempt < 65535; ++attempt) {
        uint32_t n = 1 + pick() % 0xFFFF;
        std::string path = nameFor(n);
        int fd = ::open(path.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0600);
        if (fd >= 0) {
            ::close(fd);
            return path;
        }
        if (errno != EEXIST) return "";
    }
    return "";
}

namespace {
std::array<int32_t, 2>& reportedScreen()
{
    static std::array<int32_t, 2> size{0, 0};
    return size;
}
} // namespace

void setScreenSize(int32_t width, int32_t height) { reportedScreen() = {width, height}; }

std::array<int32_t, 2> screenSize()
{
    if (reportedScreen()[0] > 0 && reportedScreen()[1] > 0) return reportedScreen();
    if (const char* env = std::getenv("PIXOL_SCREEN")) {
        int w = 0, h = 0;
        if (std::sscanf(env, "%dx%d", &w, &h) == 2 && w > 0 && h > 0) return {w, h};
    }
    return {1024, 768};
}

} // namespace pixol
