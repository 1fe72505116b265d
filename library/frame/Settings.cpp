#include "Settings.h"

#include "library/frame/Resources.h"
#include "library/frame/SystemInfo.h"
#include "library/frame/TextFile.h"
#include "platform/Paths.h"
#include "platform/PictureFile.h"

#include <filesystem>
#include <system_error>

namespace pixol {

namespace fs = std::filesystem;

namespace {

constexpr int16_t EastEuropeCharset = 238;  // the character set of the library's Central European texts
constexpr int32_t OemCodePage = 852;        // the DOS code page that goes with Windows-1250

void forgetTexts(Settings& st, TextTable& texts)
{
    texts = TextTable{};
    st.textFilePath.clear();
}

void fail(LibraryState& s)
{
    forgetTexts(s.settings, s.texts);
    s.settings.state = 0;
    s.settings.language = 0;
}

std::string withBackslash(std::string dir)
{
    if (dir.empty() || dir.back() != '\\') dir += '\\';
    return dir;
}

void readDrives(Settings& st)
{
    st.driveLetters.clear();
    st.driveTypes.clear();
    for (const salon::Drive& d : salon::DriveTable::current().drives()) {
        st.driveLetters.emplace_back(1, d.letter);
        st.driveTypes.push_back(int32_t(d.type));
    }
}

void readScreenAndDepth(LibraryState& s)
{
    Settings& st = s.settings;
    auto [w, h] = screenSize();
    st.twipsPerPixelX = st.twipsPerPixelY = 15;
    st.screenWidth = w;
    st.screenHeight = h;
    // The depth is that of a picture surface holding the probe bitmap: our surfaces are 24-bit.
    salon::Surface& probe = s.work[0];
    probe.setSize(24, 32);
    if (auto bitmap = libraryBitmap(3)) probe.setPicture(*bitmap, false);
    st.colourDepth = int32_t(probe.image().bitsPerPixel);
    s.shrinkWork(0);
}

// The index of a text file, none when it is missing, unreadable or damaged.
std::optional<TextTable> indexTextFile(const fs::path& path)
{
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) return std::nullopt;
    auto bytes = salon::readFileBytes(path, 64u << 20);
    if (!bytes.ok()) return std::nullopt;
    return parseTextFile(bytes.value());
}

} // namespace

void removeScratchFile(LibraryState& s)
{
    if (s.settings.scratchFile.empty()) return;
    std::error_code ec;
    fs::remove(s.settings.scratchFile, ec);
    s.settings.scratchFile.clear();
}

int32_t loadSettings(LibraryState& s, int32_t language, const std::string& appDir)
{
    if (language < 1 || language > 999) {
        fail(s);
        return 0;
    }
    Settings& st = s.settings;
    readDrives(st);
    st.fontCharset = EastEuropeCharset;
    st.language = language;
    st.appDir = withBackslash(appDir);
    const std::string sysNative = systemDirectory(), tmpNative = temporaryDirectory();
    st.systemDir = publishedDirectory(sysNative);
    st.windowsDir = publishedDirectory(windowsDirectory());
    st.tempDir = publishedDirectory(tmpNative);
    removeScratchFile(s);  // a repeated call replaces the file of the one before
    st.scratchFile = temporaryFileName(tmpNative, "Stv", 0);
    readScreenAndDepth(s);
    st.codePage = OemCodePage;
    MemoryFigures m = memoryFigures();
    st.memory = {m.totalPageFile, m.totalVirtual, m.totalPhysical, m.availablePhysical};

    const fs::path own = fs::path(sysNative) / textFileName(language);
    const fs::path fallback = fs::path(sysNative) / textFileName(1);
    std::optional<TextTable> table = indexTextFile(own);
    fs::path chosen = own;
    st.state = 2;
    if (!table) {
        std::error_code ec;
        if (!fs::exists(fallback, ec)) {
            forgetTexts(st, s.texts);
            st.state = 3;
            st.language = 0;
            fillBrushSet(s);
            return 1;
        }
        table = indexTextFile(fallback);
        chosen = fallback;
        st.state = 1;
        st.language = 1;
    }
    if (!table) {
        fail(s);
        return 0;
    }
    s.texts = std::move(*table);
    st.textFilePath = chosen.string();
    fillBrushSet(s);
    if (s.ui) s.ui->processEvents();
    return 1;
}

std::string libraryText(const LibraryState& s, int32_t k)
{
    const Settings& st = s.settings;
    if (s.texts.count() < 1 || s.texts.count() > MaxTexts || st.language == 0 || st.textFilePath.empty() ||
        (st.state != 1 && st.state != 2) || k < 1 || k > s.texts.count())
        return "";
    return readText(st.textFilePath, s.texts, k);
}

int32_t makeBrush(LibraryState& s, int32_t kind, int32_t colour)
{
    if (kind == 0) {
        if (colour < 0 || colour > 0xFFFFFF) return 0;
        return s.brushes.add(Brush{Brush::Kind::Solid, uint32_t(colour), {}});
    }
    static constexpr int32_t resourceOf[6] = {0, 5, 4, 69, 70, 9};
    if (kind < 1 || kind > 5) return 0;
    auto bitmap = libraryBitmap(resourceOf[kind]);
    if (!bitmap) return 0;
    // The tile goes through work surface 0 at 16 x 16, as every library picture passes a surface.
    salon::Surface& w = s.work[0];
    w.setSize(16, 16);
    w.setPicture(*bitmap, false);
    Brush brush{Brush::Kind::Pattern, 0, w.readRows()};
    s.shrinkWork(0);
    return s.brushes.add(std::move(brush));
}

int32_t stockBrush(int32_t kind)
{
    return kind >= 0 && kind < BrushTable::StockCount ? BrushTable::StockBase + kind : 0;
}

void fillBrushSet(LibraryState& s)
{
    for (int32_t h : s.brushSet) s.brushes.remove(h);  // stock handles are refused, made ones go
    for (int k = 1; k <= 5; ++k) s.brushSet[size_t(k)] = makeBrush(s, k, 0);
    s.brushSet[0] = stockBrush(5);
    for (int k = 0; k <= 4; ++k) s.brushSet[size_t(6 + k)] = stockBrush(k);
}

} // namespace pixol
