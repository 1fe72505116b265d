#pragma once
// What a contact sheet command asks for, read from its command line and checked before any work:
// every number is a whole value in its range (a sheet of NaN scale or two billion columns is a
// usage error, not an empty picture), and the sheet it describes must be one a PNG can hold.
#include "editor/engine/FaceBox.h"
#include "platform/Result.h"

#include <cstdint>
#include <string>
#include <vector>

namespace salon {

inline constexpr int32_t SheetMaxColumns = 100;
inline constexpr double SheetMinScale = 0.1, SheetMaxScale = 2.0;
// The sheet is painted into one picture; beyond this on a side it is not a sheet anyone can open.
inline constexpr int64_t SheetMaxSide = 32767;

struct SheetRequest {
    std::string category, photo, out;
    char drive = 'D';
    int32_t columns = 0;  // 0: chosen by the number of categories
    double scale = 0.46;
    int32_t swatch = -1;
    bool bare = false;
    bool haveFace = false;
    FaceBox face;
};

// argv[0] is the program; "--contact-sheet CATEGORY" may come anywhere. An Error is a usage error.
Result<SheetRequest> parseSheetRequest(int argc, char** argv);

// Sizes of the sheet's parts at a scale (the models are laid out as 512 x 560 cells).
struct SheetGeometry {
    int32_t cellW, cellH;
    static constexpr int32_t LabelH = 26, Gap = 14, Margin = 24, HeadingH = 44;
};
SheetGeometry sheetGeometry(double scale);

struct SheetSize {
    int32_t width, height;
};
// The whole sheet for sections of the given numbers of cells; an Error when it would be larger
// than SheetMaxSide on a side.
Result<SheetSize> sheetSize(const std::vector<int32_t>& cellsPerSection, int32_t columns, double scale);

} // namespace salon
