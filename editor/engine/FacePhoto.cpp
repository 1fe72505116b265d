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
bool Engine::loadPictureInto(int32_t index, const std::string& path)
{
    auto native = nativePath(path);
    auto bytes = native ? dsl::readWholeFile(*native, 256u << 20) : std::nullopt;
    if (!bytes) {
        ui.message(ResText(errorTextId(53)), MsgButtons::Ok, MsgIcon::Exclamation);
        return false;
    }
    Result<Bitmap> picture = Error{NotAPicture};
    switch (sniffPicture(*bytes)) {
    case PictureKind::Bmp: picture = decodeBmp(*bytes); break;
    case PictureKind::Jpeg: picture = decodeJpeg(*bytes); break;
    default: break;
    }
    if (!picture || picture.value().isNull()) {
        ui.message(NotAPicture);
        return false;
    }
    Surfaces[size_t(index)].setPicture(picture.value(), true);
    return true;
}

bool Engine::LoadPhoto(bool reload)
{
    if (!reload) {
        FileDialogRequest request;
        request.kind = FileDialogKind::Open;
        request.filter = ResText(601) + ResText(607);
        request.fileMustExist = true;
        auto answer = ui.chooseFile(request);
        if (!answer || answer->files.empty()) return false;
        PhotoFile = windowsPath(answer->files.front());
    }
    ClearSurface(WorkingPhoto);
    ClearSurface(LoadedPhoto);
    auto fail = [this] {
        ClearSurface(WorkingPhoto);
        PhotoFile.clear();
        return false;
    };
    if (!loadPictureInto(WorkingPhoto, PhotoFile)) return fail();
    PhotoW = Surfaces[WorkingPhoto].width();
    PhotoH = Surfaces[WorkingPhoto].height();

    if (PhotoW > MaxPhotoW || PhotoH > MaxPhotoH) {
        const bool tooWide = PhotoW > MaxPhotoW;
        ClearSurface(WorkingPhoto);
        const std::string reduced = CroppedPhotoName(PhotoFile);
        bool ok = !reduced.empty() && loadPictureInto(WorkingPhoto, reduced);
        if (ok) {
            PhotoW = Surfaces[WorkingPhoto].width();
            PhotoH = Surfaces[WorkingPhoto].height();
            // A "reduced" copy that is still too large is refused like the original photo.
            ok = PhotoW <= MaxPhotoW && PhotoH <= MaxPhotoH;
        }
        if (!ok) {
            ui.message(ResText(tooWide ? 168 : 169), MsgButtons::Ok, MsgIcon::Exclamation);
            return fail();
        }
    }

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
