#include "SystemData.h"

#include "library/frame/Settings.h"
#include "library/frame/SystemInfo.h"
#include "platform/Paths.h"

namespace pixol {

namespace {

int32_t colourClass(int32_t bits)
{
    if (bits == 4 || bits == 8) return 1;
    if (bits == 15 || bits == 16) return 2;
    if (bits == 24 || bits == 32) return 3;
    return 0;
}

int32_t colourClassText(int32_t bits)
{
    switch (bits) {
    case 4: return 7;
    case 8: return 8;
    case 15: return 9;
    case 16: return 10;
    case 24: return 11;
    case 32: return 12;
    default: return 13;
    }
}

} // namespace

void systemFigures(LibraryState& s, salon::LongArray& values, salon::BoundedArray<std::string>& labels)
{
    values.redim(1, 26);
    labels.redim(1, 26);
    auto text = [&](int32_t n) { return libraryText(s, n); };
    auto [w, h] = screenSize();
    const int32_t tpp = 15;
    // The depth is measured as SuSettingsP does: on work surface 0 holding the probe picture.
    salon::Surface& probe = s.work[0];
    probe.setSize(24, 32);
    const int32_t bits = int32_t(probe.image().bitsPerPixel);
    s.shrinkWork(0);

    const int32_t screen[5] = {tpp, w, tpp, h, bits};
    for (int i = 0; i < 5; ++i) {
        values(i + 1) = screen[i];
        labels(i + 1) = text(i + 1);
    }
    values(6) = colourClass(bits);
    labels(6) = text(6) + text(colourClassText(bits));
    const auto cpu = processorFigures();
    for (int i = 0; i < 9; ++i) {
        values(7 + i) = cpu[size_t(i)];
        labels(7 + i) = text(14 + i);
    }
    const MemoryFigures m = memoryFigures();
    const int32_t memory[7] = {m.totalPageFile, m.availablePageFile, m.totalPhysical, m.availablePhysical,
                               m.totalVirtual, m.availableVirtual, m.load};
    for (int i = 0; i < 7; ++i) {
        values(16 + i) = memory[i];
        labels(16 + i) = text(28 + i);
    }
    const auto version = versionFigures();
    for (int i = 0; i < 4; ++i) values(23 + i) = version[size_t(i)];
    labels(23) = text(23);
    labels(24) = text(24);
    labels(25) = text(24);
    const int32_t platform = version[3];
    labels(26) = platform == 1 ? text(25) : platform == 2 ? text(27) : platform == 3 ? text(26) : "";
}

int32_t driveList(salon::LongArray& types, salon::BoundedArray<std::string>& letters)
{
    types.erase();
    letters.erase();
    const auto& drives = salon::DriveTable::current().drives();
    if (drives.empty()) return 0;
    types.redim(1, int32_t(drives.size()));
    letters.redim(1, int32_t(drives.size()));
    for (size_t i = 0; i < drives.size(); ++i) {
        types(int32_t(i) + 1) = int32_t(drives[i].type);
        letters(int32_t(i) + 1) = std::string(1, drives[i].letter);
    }
    return int32_t(drives.size());
}

std::string newTemporaryName(const std::string& prefix, int32_t number)
{
    std::string p = prefix.empty() ? "Suv" : prefix.size() >= 4 ? prefix.substr(0, 3) : prefix;
    std::string native = temporaryFileName(temporaryDirectory(), p, uint32_t(number < 0 ? 0 : number));
    return native.empty() ? "" : salon::windowsPath(native);
}

} // namespace pixol
