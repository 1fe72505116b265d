#include "editor/sheet/ContactSheet.h"

#include "editor/engine/Engine.h"
#include "library/formats/FileBytes.h"
#include "library/formats/ModelFile.h"
#include "platform/Numbers.h"
#include "platform/Paths.h"
#include "platform/PictureFile.h"
#include "platform/Surface.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace salon {

namespace {

constexpr int32_t MaxPhotoW = 360, MaxPhotoH = 480;

std::string trimmed(std::string s)
{
    while (!s.empty() && s.back() == ' ') s.pop_back();
    size_t start = s.find_first_not_of(' ');
    return start == std::string::npos ? std::string() : s.substr(start);
}

std::optional<std::vector<uint8_t>> readDriveFile(const std::string& windowsName)
{
    auto native = nativePath(windowsName);
    if (!native) return std::nullopt;
    return dsl::readWholeFile(*native, 64u << 20);
}

int32_t longAt(const std::vector<uint8_t>& d, size_t pos0)
{
    return int32_t(uint32_t(d[pos0]) | uint32_t(d[pos0 + 1]) << 8 | uint32_t(d[pos0 + 2]) << 16 | uint32_t(d[pos0 + 3]) << 24);
}

// The number of models a contents file lists, when the file is one the catalogue window reads:
// its magic, its stored length equal to its size, 2 to 1000 items and the whole item table there.
std::optional<int32_t> contentsItemCount(const std::vector<uint8_t>& d)
{
    if (d.size() < 12 || !std::equal(d.begin(), d.begin() + 4, "IWRG")) return std::nullopt;
    if (int64_t(longAt(d, 4)) != int64_t(d.size())) return std::nullopt;
    const int32_t n = longAt(d, 8);
    if (n < 2 || n > 1000 || 12 + 52 * int64_t(n) > int64_t(d.size())) return std::nullopt;
    return n;
}

} // namespace

Result<std::vector<CatalogueCategory>> readCatalogue(char drive)
{
    const std::string root = std::string(1, drive) + ":\\";
    auto list = readDriveFile(root + "dslob00.aob");
    if (!list) return Error{root + "dslob00.aob cannot be read"};
    std::vector<CatalogueCategory> out;
    for (size_t k = 0; k + 32 <= list->size(); k += 32) {
        CatalogueCategory c;
        c.name = trimmed(std::string(list->begin() + ptrdiff_t(k), list->begin() + ptrdiff_t(k + 24)));
        c.dir = trimmed(std::string(list->begin() + ptrdiff_t(k + 24), list->begin() + ptrdiff_t(k + 28)));
        c.prefix = trimmed(std::string(list->begin() + ptrdiff_t(k + 28), list->begin() + ptrdiff_t(k + 32)));
        char name[40];
        std::snprintf(name, sizeof name, "orvella\\obsdsl%02d.irw", int(out.size()));
        c.contents = root + name;
        auto contents = readDriveFile(c.contents);
        if (!contents) c.problem = c.contents + ": no such file";
        else if (auto count = contentsItemCount(*contents)) c.count = *count;
        else c.problem = c.contents + ": damaged (the editor would end on it)";
        out.push_back(c);
    }
    if (out.empty()) return Error{root + "dslob00.aob lists no category"};
    return out;
}

std::string catalogueModelPath(char drive, const CatalogueCategory& category, int32_t item)
{
    char number[16];
    std::snprintf(number, sizeof number, "%03d", int(item));
    return std::string(1, drive) + ":\\" + category.dir + "\\" + category.prefix + number + ".DSL";
}

Result<FaceBox> faceBoxFor(const std::filesystem::path& photo, int32_t photoW, int32_t photoH)
{
    auto box = readFaceBoxFile(photo);
    if (!box) return Error{box.error()};
    if (box.value()) return *box.value();
    // A passport-style portrait: the face a third of the width, in the upper middle.
    return FaceBox{photoW / 3, photoH / 5, std::max(1, photoW / 3), std::max(1, photoH * 2 / 5)};
}

Result<PreparedPhoto> preparePhoto(const std::filesystem::path& photo, const FaceBox* face,
                                   const std::filesystem::path& scratch)
{
    auto bytes = dsl::readWholeFile(photo, 256u << 20);
    if (!bytes) return Error{photo.string() + ": cannot be read"};
    auto picture = decodePicture(*bytes);
    if (!picture) return Error{photo.string() + ": " + picture.error()};
    const Bitmap& p = picture.value();
    PreparedPhoto out{photo, {}};
    if (face) {
        out.face = *face;
    } else {
        auto box = faceBoxFor(photo, p.width, p.height);
        if (!box) return Error{box.error()};
        out.face = box.value();
        // Without a box file the detector places the face; the guessed box is its fallback.
        auto boxFile = readFaceBoxFile(photo);
        out.detect = boxFile && !boxFile.value();
    }
    if (p.width <= MaxPhotoW && p.height <= MaxPhotoH) return out;

    // The editor would hand this photo to the crop dialog; a sheet has no one to ask, so it
    // reduces the whole photo to fit, as the dialog's reduction does.
    const float s = std::min(float(MaxPhotoW) / float(p.width), float(MaxPhotoH) / float(p.height));
    const int32_t w = std::max(1, int32_t(float(p.width) * s)), h = std::max(1, int32_t(float(p.height) * s));
    Bitmap reduced = stretchHalftone(p.toRgb24(), Rect{0, 0, p.width, p.height}, w, h);
    std::error_code ec;
    std::filesystem::create_directories(scratch, ec);
    out.path = scratch / (photo.stem().string() + "-sheet.bmp");
    auto saved = saveBmp(out.path, reduced);
    if (!saved) return Error{out.path.string() + ": " + saved.error()};
    out.face = FaceBox{int32_t(float(out.face.x) * s), int32_t(float(out.face.y) * s),
                       std::max(1, int32_t(float(out.face.w) * s)), std::max(1, int32_t(float(out.face.h) * s))};
    return out;
}

namespace {

// The face box's height fills the cut-out, centred across it, at its top. The cut-out's points may
// lie anywhere a Long reaches, so its bounding box is taken in 64 bits.
Result<bool> placeByFaceBox(Engine& engine, const FaceBox& face, const std::string& modelPath)
{
    int64_t left = INT32_MAX, top = INT32_MAX, right = INT32_MIN, bottom = INT32_MIN;
    for (const auto& [x, y] : engine.Set1.points) {
        left = std::min<int64_t>(left, x); right = std::max<int64_t>(right, x);
        top = std::min<int64_t>(top, y); bottom = std::max<int64_t>(bottom, y);
    }
    if (left >= right || top >= bottom) return Error{modelPath + ": the model has no cut-out"};
    FaceState state = engine.State();
    const float scale = float(bottom - top) / float(face.h);
    state.ScaleX = state.ScaleY = scale;
    const float faceCentre = (float(face.x) + float(face.w) / 2.0f) * scale;
    const float faceX = float(left + right) / 2.0f - faceCentre;
    const float faceY = float(top) - float(face.y) * scale;
    if (!(std::fabs(faceX) <= float(PictureSideLimit)) || !(std::fabs(faceY) <= float(PictureSideLimit)))
        return Error{modelPath + ": the model's cut-out puts the face beyond any picture"};
    state.FaceX = roundHalfEven(faceX);
    state.FaceY = roundHalfEven(faceY);
    engine.SetState(state);
    engine.RenderFace(true);
    engine.ComposeResult();
    return true;
}

} // namespace

Result<Bitmap> renderFaceIntoModel(const std::string& modelPath, const PreparedPhoto& photo, bool withFace,
                                   int32_t swatch)
{
    ScriptedUi ui;
    Engine engine(ui);
    auto said = [&ui](const std::string& what) {
        std::string s = what;
        for (const auto& m : ui.messages) s += ": " + m.text;
        return Error{s};
    };
    engine.ModelFile = modelPath;
    if (!engine.LoadModel() || !engine.ModelLoaded) return said(modelPath + " did not load");
    if (withFace) {
        ui.fileAnswers.push_back(FileDialogAnswer{{photo.path.string()}, 1});
        if (!engine.LoadPhoto(false)) return said(photo.path.string() + " did not load");
        engine.EditMode = 2;
        const bool found = photo.detect && engine.AutoPlace().outcome == PlaceOutcome::Placed;
        if (!found) {
            auto placed = placeByFaceBox(engine, photo.face, modelPath);
            if (!placed) return Error{placed.error()};
        }
        engine.FaceColourCommand(0);
        if (swatch >= 0) engine.SwatchClick(swatch);
    }
    Bitmap result = engine.Surfaces[withFace ? Composite : ModelPicture].readRows();
    if (result.isNull()) return Error{modelPath + ": the engine produced no picture"};
    return result;
}

} // namespace salon
