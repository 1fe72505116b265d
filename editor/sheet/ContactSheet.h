#pragma once
// A contact sheet of a catalogue: the same face photo set into every model of a category through
// the salon engine, as the editor would show it after the face-colour command at 100 %.
//
// The face is placed from a face box in the photo (hairline to chin, cheek to cheek, photo
// pixels): it is scaled evenly so that its height fills the model's cut-out, centred across it and
// put at its top. The box comes from the command line or from "<photo>.box" beside the photo
// ("x y w h"); without either, the engine's face detector places the face, and only when it finds
// none is the middle of the photo taken as the face.
#include "editor/engine/FaceBox.h"
#include "platform/Bitmap.h"
#include "platform/Result.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace salon {

struct CatalogueCategory {
    std::string name, dir, prefix;  // trimmed, as the editor trims them
    std::string contents;           // its contents file, "D:\orvella\obsdslNN.irw"
    int32_t count = 0;              // models in the contents file
    std::string problem;            // why the contents file cannot be used; empty when it can
};

struct SheetCell {
    std::string title;  // the model's name, else its file name
    Bitmap picture;     // the result; null when it failed
    std::string error;
};

// The categories of a data drive: the category list and each contents file's item count. A
// category whose contents file is missing or damaged has no models and says why in `problem`.
Result<std::vector<CatalogueCategory>> readCatalogue(char drive);
// "D:\DS1\DA007.DSL"
std::string catalogueModelPath(char drive, const CatalogueCategory& category, int32_t item);

// The face box for a photo: "<photo without extension>.box", else a guess from the photo's size;
// an Error when the box file is there but unusable.
Result<FaceBox> faceBoxFor(const std::filesystem::path& photo, int32_t photoW, int32_t photoH);

// A photo the editor accepts (at most 360 x 480): the photo itself, or a reduced BMP copy written
// to `scratch` with the face box scaled along.
struct PreparedPhoto {
    std::filesystem::path path;
    FaceBox face;
    bool detect = false;  // no box was given: the detector places the face, `face` is the fallback
};
Result<PreparedPhoto> preparePhoto(const std::filesystem::path& photo, const FaceBox* face,
                                   const std::filesystem::path& scratch);

// Loads the model and the photo into a fresh engine, places the face and runs the face-colour
// command (button 0), then, when `swatch` is 0..48, clicks that hair colour swatch (a model whose
// colour range excludes it keeps its own hair). `withFace` false gives the bare model.
Result<Bitmap> renderFaceIntoModel(const std::string& modelPath, const PreparedPhoto& photo, bool withFace = true,
                                   int32_t swatch = -1);

// --contact-sheet CATEGORY|all --photo FILE --out FILE.png [--face X,Y,W,H] [--drive D]
//                [--columns N] [--scale F] [--swatch K] [--bare]
// Returns the exit code: 0 written, 1 failed, 2 bad usage. Implemented with Qt (labels, PNG).
int runContactSheet(int argc, char** argv);

} // namespace salon
