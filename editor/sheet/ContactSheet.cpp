#include "editor/sheet/ContactSheet.h"

#include "editor/engine/Engine.h"
#include "library/formats/FileBytes.h"
#include "library/formats/ModelFile.h"
#include "platform/Numbers.h"
#include "platform/Paths.h"
#include "platform/PictureFile.h"
#include "platform/Surface.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

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
        auto contents = readDriveFile(root + name);
        if (contents && contents->size() >= 12 && std::equal(contents->begin(), contents->begin() + 4, "IWRG"))
            c.count = std::clamp(longAt(*contents, 8), 0, 1000);
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

FaceBox faceBoxFor(const std::filesystem::path& photo, int32_t photoW, int32_t photoH)
{
    std::filesystem::path box = photo;
    box.replace_extension(".box");
    std::ifstream in(box);
    FaceBox f;
    if (in >> f.x >> f.y >> f.w >> f.h && f.w > 0 && f.h > 0) return f;
    // A passport-style portrait: the face a third of the width, in the upper middle.
    return FaceBox{photoW / 3, photoH / 5, photoW / 3, photoH * 2 / 5};
}

Result<PreparedPhoto> preparePhoto(const std::filesystem::path& photo, const FaceBox* face,
                                   const std::filesystem::path& scratch)
{
    auto bytes = dsl::readWholeFile(photo, 256u << 20);
    if (!bytes) return Error{photo.string() + ": cannot be read"};
    auto picture = decodePicture(*bytes);
    if (!picture) return Error{photo.string() + ": " + picture.error()};
    const Bitmap& p = picture.value();
    PreparedPhoto out{photo, face ? *face : faceBoxFor(photo, p.width, p.height)};
    out.detect = !face && !readFaceBox(photo.string());
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

// The face box's height fills the cut-out, centred across it, at its top. False when the model has
// no cut-out.
bool placeByFaceBox(Engine& engine, const FaceBox& face)
{
    // The cut-out's bounding box from polygon set 1.
    int32_t left = INT32_MAX, top = INT32_MAX, right = INT32_MIN, bottom = INT32_MIN;
    for (const auto& [x, y] : engine.Set1.points) {
        left = std::min(left, x); right = std::max(right, x);
        top = std::min(top, y); bottom = std::max(bottom, y);
    }
    if (left >= right || top >= bottom) return false;
    FaceState state = engine.State();
    const float scale = float(bottom - top) / float(face.h);
    state.ScaleX = state.ScaleY = scale;
    const float faceCentre = (float(face.x) + float(face.w) / 2.0f) * scale;
    state.FaceX = roundHalfEven(float(left + right) / 2.0f - faceCentre);
    state.FaceY = roundHalfEven(float(top) - float(face.y) * scale);
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
        if (!found && !placeByFaceBox(engine, photo.face)) return Error{modelPath + ": the model has no cut-out"};
        engine.FaceColourCommand(0);
        if (swatch >= 0) engine.SwatchClick(swatch);
    }
    Bitmap result = engine.Surfaces[withFace ? Composite : ModelPicture].readRows();
    if (result.isNull()) return Error{modelPath + ": the engine produced no picture"};
    return result;
}

} // namespace salon
