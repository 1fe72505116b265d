// Loading the face photo, with the hand-off of oversized photos to the crop component.
#include "editor/engine/Engine.h"

#include "editor/shell/texts/Texts.h"
#include "library/formats/FileBytes.h"
#include "platform/Paths.h"
#include "platform/PictureFile.h"

namespace salon {

namespace {
constexpr int32_t MaxPhotoW = 360, MaxPhotoH = 480;
const char* const NotAPicture = "Nejedná se o správný typ souboru";
} // namespace

// Only BMP and JPG photos are offered and accepted.
std::optional<Bitmap> Engine::readPhotoPicture(const std::string& path)
{
    auto native = nativePath(path);
    auto bytes = native ? dsl::readWholeFile(*native, 256u << 20) : std::nullopt;
    if (!bytes) {
        ui.message(ResText(errorTextId(53)), MsgButtons::Ok, MsgIcon::Exclamation);
        return std::nullopt;
    }
    Result<Bitmap> picture = Error{NotAPicture};
    switch (sniffPicture(*bytes)) {
    case PictureKind::Bmp: picture = decodeBmp(*bytes); break;
    case PictureKind::Jpeg: picture = decodeJpeg(*bytes); break;
    default: break;
    }
    if (!picture || picture.value().isNull()) {
        ui.message(NotAPicture);
        return std::nullopt;
    }
    return std::move(picture.value());
}

// The photo at `path`, through the crop component when it is larger than the editor takes; `path`
// becomes the reduced copy then, so that later reloads (a model change) read that copy and do not
// ask for a crop again. None, with the reason shown, when there is no usable photo.
std::optional<Bitmap> Engine::readUsablePhoto(std::string& path)
{
    std::optional<Bitmap> photo = readPhotoPicture(path);
    if (!photo) return std::nullopt;
    if (photo->width <= MaxPhotoW && photo->height <= MaxPhotoH) return photo;
    const bool tooWide = photo->width > MaxPhotoW;
    const std::string reduced = CroppedPhotoName(path);
    std::optional<Bitmap> copy = reduced.empty() ? std::nullopt : readPhotoPicture(reduced);
    // A "reduced" copy that is still too large is refused like the original photo.
    if (!copy || copy->width > MaxPhotoW || copy->height > MaxPhotoH) {
        ui.message(ResText(tooWide ? 168 : 169), MsgButtons::Ok, MsgIcon::Exclamation);
        return std::nullopt;
    }
    path = reduced;
    return copy;
}

bool Engine::LoadPhoto(bool reload)
{
    std::string path = PhotoFile;
    if (!reload) {
        FileDialogRequest request;
        request.kind = FileDialogKind::Open;
        request.filter = ResText(601) + ResText(607);
        request.fileMustExist = true;
        auto answer = ui.chooseFile(request);
        if (!answer || answer->files.empty()) return false;
        path = windowsPath(answer->files.front());
    }
    // Nothing of the current photo changes until the new one is known to be usable: a wrong
    // file, a cancelled crop or a vanished file leave the photo, its placement and its history.
    std::optional<Bitmap> photo = readUsablePhoto(path);
    if (!photo) return false;

    PhotoFile = path;
    ClearSurface(WorkingPhoto);
    ClearSurface(LoadedPhoto);
    Surfaces[WorkingPhoto].setPicture(*photo, true);
    PhotoW = Surfaces[WorkingPhoto].width();
    PhotoH = Surfaces[WorkingPhoto].height();

    Surface& loaded = Surfaces[LoadedPhoto];
    loaded.setSize(PhotoW, PhotoH);
    bitBlt(loaded, 0, 0, PhotoW, PhotoH, Surfaces[WorkingPhoto], 0, 0, RasterOp::SrcCopy);
    KeepImage(LoadedPhoto);
    if (!reload) FaceLoaded = true;

    History = {};
    HistoryCount = 0;
    RetouchUndoAvailable = false;
    resetTransforms();

    ComposeResult();
    MaskFaceLayer();
    ShowFaceViewAndResult();
    return true;
}

std::string Engine::CroppedPhotoName(const std::string& path)
{
    // The name after the last separator found beyond the drive part ("D:\").
    size_t cut = path.find_last_of("\\/");
    std::string name = (cut != std::string::npos && cut + 1 > 2) ? path.substr(cut + 1) : path;
    // Without its 4-character extension and the last letter of the base name: photo1.jpg -> photo-.bmp.
    const std::string base = name.size() > 5 ? name.substr(0, name.size() - 5) : std::string();
    const std::string target = ProgramDir + base + "-.bmp";
    if (!cropper) return {};
    if (cropper->HairFoto(path, target, 0, 0, Language) == 0) return {};
    // The component falls back to the user's cache directory when the program directory is not
    // writable; the copy is then wherever it says.
    const std::string written = cropper->writtenPath();
    return written.empty() ? target : written;
}

void Engine::resetTransforms()
{
    ScaleX = ScaleY = 1.0f;
    FaceX = FaceY = 0;
    DeformH = DeformV = 0;
    Mirror = 0;
    Angle = 0.0f;
    LineAngle = 0.0f;
}

} // namespace salon
