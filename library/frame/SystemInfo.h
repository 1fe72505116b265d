#pragma once
// What the library reports of the machine, in the figures its callers know from the platform it was
// written for, taken from Linux: memory from sysinfo, processors from sysconf and /proc/cpuinfo, the
// version from uname, drives from the drive table. Every figure that could pass 2^31 - 1 saturates
// there instead of wrapping, since callers keep them in 32-bit fields.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace pixol {

int32_t saturate32(int64_t value);
int32_t saturate32(uint64_t value);

struct MemoryFigures {
    int32_t totalPageFile = 0, availablePageFile = 0;  // RAM + swap
    int32_t totalPhysical = 0, availablePhysical = 0;
    int32_t totalVirtual = 0, availableVirtual = 0;    // the address space a process may use
    int32_t load = 0;                                   // percent of physical memory in use
};
MemoryFigures memoryFigures();

// Items 7-15 of the system information, in that order: active processor mask, allocation
// granularity, processors, OEM id, page size, processor type, level and revision (level * 65536 +
// revision), highest and lowest application address.
std::array<int32_t, 9> processorFigures();

// Items 23-26: build number, major and minor version of the kernel, platform id (2, the NT family).
std::array<int32_t, 4> versionFigures();

// A system metric by its platform index (screen size, frame and scroll bar sizes, icon and cursor
// sizes, mouse buttons, ...); 0 for an index the library does not know.
int32_t systemMetric(int32_t index, int32_t screenWidth, int32_t screenHeight);

// Directories as the library publishes them: Windows-style (under a drive root "X:\...", elsewhere
// the native path), always ending in "\".
std::string publishedDirectory(const std::string& nativeDirectory);
std::string systemDirectory();     // PIXOL_SYSDIR, else where libpixol lies, else the build's folder
std::string windowsDirectory();    // $HOME
std::string temporaryDirectory();  // $TMPDIR, else /tmp

// A unique temporary file name in `nativeDir`: prefix + four hex digits + ".TMP". With number 0 a
// free name is found and the empty file created; otherwise the name is made from the number's low
// 16 bits and nothing is created. Returns the native path ("" when no file could be made).
std::string temporaryFileName(const std::string& nativeDir, const std::string& prefix, uint32_t number);

// Screen size: the size a Qt program reported (useScreenSize), else PIXOL_SCREEN ("1280x1024"), else
// 1024 x 768.
void setScreenSize(int32_t width, int32_t height);
std::array<int32_t, 2> screenSize();

} // namespace pixol
