#pragma once
// The library's state. There is one per thread, shared by every Pixolf object of that thread, as the
// library's module-level state was one per thread that used it. It lives until the thread ends; the
// scratch file made by SuSettingsP goes with it.
//
// Ownership: regions, brushes and device-context numbers are handed out as 32-bit handles; whoever
// receives one owns it (TsRgn deletes regions). The work surfaces belong to the state and are sized
// back to 5 x 5 after every use.
#include "library/formats/ContentsFile.h"
#include "library/frame/SurfaceTable.h"
#include "library/imaging/Brushes.h"
#include "platform/Region.h"
#include "platform/Surface.h"
#include "platform/Ui.h"

#include <array>
#include <map>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace pixol {

// The environment that SuSettingsP reads and the properties publish. Directories end in "\".
struct Settings {
    int32_t language = 0;         // SuJazyk
    std::string appDir;           // SuDirApp
    std::string systemDir;        // SuDirSys: where the .STX files are looked for
    std::string windowsDir;       // SuDirWin
    std::string tempDir;          // SuDirTmp
    std::string textFilePath;     // SuSlovoSys
    uint8_t state = 0;            // SuSettings: 0 none, 1 fallback text file, 2 own text file, 3 no text file
    int32_t codePage = 0;         // SuCode
    int32_t screenWidth = 0, screenHeight = 0;   // SuScWidth, SuScHeight (pixels)
    int32_t twipsPerPixelX = 15, twipsPerPixelY = 15;
    int32_t colourDepth = 0;      // SuScBarva
    std::array<int32_t, 4> memory{};  // SuMem1..4
    int16_t fontCharset = 0;
    std::vector<std::string> driveLetters;  // "A".."Z" of the existing drives
    std::vector<int32_t> driveTypes;        // their drive types
    std::string scratchFile;      // native path of the "Stv" file
};

// The index of the loaded text file: text k (1-based) lies at 1-based file position positions[k-1]
// and is lengths[k-1] bytes long. Every entry was checked against the file at load.
struct TextTable {
    std::vector<int32_t> positions;
    std::vector<int32_t> lengths;
    int32_t count() const { return int32_t(positions.size()); }
};

struct LibraryState {
    LibraryState();
    ~LibraryState();
    LibraryState(const LibraryState&) = delete;
    LibraryState& operator=(const LibraryState&) = delete;

    Settings settings;
    TextTable texts;
    std::string fileTypes;                 // the 1000-character file type table
    std::string lineEnd = "\r\n";
    BrushTable brushes;
    std::array<int32_t, 11> brushSet{};    // brush table entries 0-10 (handles in `brushes`)
    std::array<salon::Surface, 3> work;    // the hidden window's picture surfaces 0-2
    salon::RegionTable regions;
    SurfaceTable deviceContexts;
    std::mt19937 random{5489u};            // seedable, so painting with random colours can be tested
    salon::Ui* ui = nullptr;               // dialogs and questions; none: dialogs cancel, questions say no
    // The picture contents file read last (SuCtiObsah), kept with the path, size and modification
    // time it was read at, so that a file replaced under the same name is read anew.
    struct ContentsCache {
        std::string path;                  // "" when nothing is cached
        uint64_t size = 0;
        int64_t modified = 0;
        formats::ContentsHeader header;
    } contentsCache;
    // Drawing state that the picture controls kept and Surface has no field for: the brush selected
    // into each object (ObjBrushSet) and its mouse pointer (PsObjCursor), by object address. An
    // object should be forgotten (objectDrawing.erase) when it is destroyed.
    struct ObjectDrawing {
        int32_t brush = 0;          // brush table handle, 0 none
        bool libraryMadeBrush = false;  // made by ObjBrushSet (11, 12): released when replaced
        int32_t pointer = 0;        // 0-15 standard pointers, 99 custom
        int32_t cursor = 0;         // the library cursor resource of the custom pointer
    };
    std::map<const salon::Surface*, ObjectDrawing> objectDrawing;

    // Back to 5 x 5 pixels, as after every use of a work surface.
    void shrinkWork(int index);
};

// The calling thread's state, made on first use.
LibraryState& state();

} // namespace pixol
