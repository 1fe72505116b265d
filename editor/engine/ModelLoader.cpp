// Reading a model file into the engine and setting it up on the work surfaces.
#include "editor/engine/Engine.h"

#include "library/formats/FileBytes.h"
#include "library/formats/ModelConsistency.h"
#include "platform/Numbers.h"
#include "platform/Paths.h"

#include <algorithm>

namespace salon {

namespace {
const char* const NoSuchFile = "Soubor neexistuje";
const char* const NotAModel = "Nejedná se o správný typ souboru";
constexpr int32_t MaskBitmapId = 94;
constexpr int32_t OutlineReach = 1 << 16;  // pixels beyond the model that an outline may still cover
} // namespace

int32_t Engine::ReadModelFile(const std::string& path)
{
    if (!FileExists(path)) {
        ui.message(NoSuchFile);
        return 0;
    }
    auto native = nativePath(path);
    auto bytes = native ? dsl::readWholeFile(*native) : std::nullopt;
    if (!bytes) {
        ui.message(NoSuchFile);
        return 0;
    }
    // Read everything into temporaries; the model in memory changes only when all of it is good.
    auto parsed = dsl::parse(*bytes, dsl::EditorMagic, false);
    if (!parsed) {
        ui.message(NotAModel);
        return 0;
    }
    dsl::Model& m = parsed.value();
    // A model whose numbers contradict each other, or whose cut-out shows nothing of the picture,
    // is not a model this program can work with: the same answer as for a foreign file.
    if (dsl::contradiction(m)) {
        ui.message(NotAModel);
        return 0;
    }
    // Outlines may run past the picture's edges (the cut-out's centre counts them), but a damaged
    // file with points billions of pixels away must not make the editor scan all those rows.
    const Rect reach{-OutlineReach, -OutlineReach, m.width + OutlineReach, m.height + OutlineReach};
    std::optional<Region> cut = PolygonsToRgn(PolygonArrays{m.set1.points, m.set1.counts},
                                              int32_t(m.set1.counts.size()), reach);
    if (!cut || !cut->isValid() || cut->intersected(Region::rect(0, 0, m.width, m.height)).isEmpty()) {
        ui.message(NotAModel);
        return 0;
    }

    PixelBuffer picture1 = PixelBuffer::allocate(m.width, m.height);
    PixelBuffer picture2 = PixelBuffer::allocate(m.width, m.height);
    picture1.Data = std::move(m.picture1);
    picture2.Data = std::move(m.picture2);
    picture1.Valid = picture2.Valid = true;
    // The header exactly as stored in the file.
    for (size_t i = 0; i < 10; ++i)
        for (size_t b = 0; b < 4; ++b) picture1.Header[4 * i + b] = uint8_t(uint32_t(m.bitmapHeader[i]) >> (8 * b));
    picture2.Header = picture1.Header;

    Model1Buffer = std::move(picture1);
    Model2Buffer = std::move(picture2);
    ModelAngle = float(m.faceAngle) / 100.0f;
    SkinColour = uint32_t(m.skinColour);
    HairColour = uint32_t(m.hairColour);
    Mask1 = std::move(m.mask1);
    Mask2 = std::move(m.mask2);
    Mask3 = std::move(m.mask3);
    Set1 = std::move(m.set1);
    Set2 = std::move(m.set2);
    RangeFlag = m.rangeFlag;
    RangeLow = m.rangeLow;
    RangeHigh = m.rangeHigh;
    CutRgn = std::move(cut);
    return 1;
}

bool Engine::LoadModel()
{
    // A model that cannot be read leaves the one in memory whole, regions and surfaces included
    // (the reader has already said why).
    if (ReadModelFile(ModelFile) != 1) return false;
    OutRgn.reset();

    ClearSurface(ModelPicture);
    ClearSurface(FaceMask);
    ModelW = Model1Buffer.Width;
    ModelH = Model1Buffer.Height;
    Surfaces[ModelPicture].setSize(ModelW, ModelH);
    PutPixels(ModelPicture, Model1Buffer);

    Surface& mask = Surfaces[FaceMask];
    mask.setSize(ModelW, ModelH);
    mask.clearPicture();
    Bitmap resource = resourceBitmap ? resourceBitmap(MaskBitmapId) : Bitmap{};
    if (resource.isNull()) resource = Bitmap::rgb24(5, 5);
    Surfaces[ResourcePicture].setPicture(resource, true);
    KeepImage(FaceMask);
    patBlt(mask, 0, 0, ModelW, ModelH, RasterOp::Whiteness);
    KeepImage(FaceMask);
    mask.setSize(ModelW, ModelH);

    // The composite still has the previous size here (FitViews below resizes it). A model larger
    // than that must still get an outside region over all of its own rectangle, or the part
    // beyond would stay black in the result.
    const Surface& composite = Surfaces[Composite];
    OutRgn = salon::OutsideRgn(std::max(composite.width(), ModelW), std::max(composite.height(), ModelH), CutRgn);

    const Rect box = CutRgn ? CutRgn->bounds() : Rect{};
    CutCentreX = roundHalfEven(float(box.left + box.right) / 2.0f);
    CutCentreY = roundHalfEven(float(box.top + box.bottom) / 2.0f);

    KeepImage(ModelPicture);
    Model1Buffer = GetPixels(ModelPicture);

    ViewScale = FitViews(ModelW, ModelH);
    ModelLoaded = true;
    ResetComposite();
    ShowResult();

    DrawPolygons(FaceMask, Set2);
    KeepImage(FaceMask);

    if (FaceLoaded) {
        LoadPhoto(true);
        ComposeResult();
        MaskFaceLayer();
        ShowFaceViewAndResult();
    }
    return true;
}

bool Engine::ModelChosen()
{
    EditMode = 1;
    if (!LoadModel()) {
        EditMode = FaceLoaded && ModelLoaded ? 2 : 1;
        return false;
    }
    if (FaceLoaded) LoadPhoto(true);
    BaseBuffer = Model1Buffer;
    FaceBuffer = Model2Buffer;
    WorkBuffer = GetPixels(ModelPicture);
    EditMode = FaceLoaded ? 2 : 1;
    return true;
}

float Engine::FitViews(int32_t w, int32_t h)
{
    if (w < 1 || h < 1 || FrameW < 1 || FrameH < 1) return ViewScale;
    float scale;
    // w / h >= FW / FH, compared exactly.
    if (int64_t(w) * FrameH >= int64_t(h) * FrameW) {
        ViewW = FrameW;
        ViewH = int32_t(int64_t(h) * FrameW / w);
        scale = float(FrameW) / float(w);
    } else {
        ViewH = FrameH;
        ViewW = int32_t(int64_t(w) * FrameH / h);
        scale = float(FrameH) / float(h);
    }
    for (int32_t i : {RetouchUndo, Composite, FaceLayer}) Surfaces[size_t(i)].setSize(w, h);
    Surfaces[FaceView].setSize(ViewW, ViewH);
    Surfaces[ResultView].setSize(ViewW, ViewH);
    FaceViewX = (FrameW - ViewW) / 2 + 5;
    ResultViewX = (FrameW - ViewW) / 2 + ResultViewLeft;
    return scale;
}

} // namespace salon
