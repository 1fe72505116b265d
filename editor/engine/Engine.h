#pragma once
// The salon image engine: the 11 work surfaces, the global pixel buffers, the loaded model, the
// face photo with its transform state and history, and the colour steps.
//
// The shell owns one Engine and reads and writes its public fields as the editor state; the
// handlers keep the program's own names (engine.LoadModel(), engine.UndoStep(1), ...). Nothing here
// draws on a screen: the surfaces are off-screen pictures that the shell's views show.
//
// Coordinates are model pixels, (0, 0) the top-left pixel, y down. Paths are Windows-style strings
// ("D:\ds1\ha007.DSL") resolved through the drive table; native paths pass through unchanged.
#include "editor/engine/AutoPlacement.h"
#include "editor/engine/PhotoCropper.h"
#include "editor/engine/PixelBuffer.h"
#include "editor/engine/RegionMasks.h"
#include "library/formats/ModelFile.h"
#include "platform/Bitmap.h"
#include "platform/Region.h"
#include "platform/Surface.h"
#include "platform/Ui.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace salon {

// Surface indices (the table of the program's picture controls).
enum SurfaceIndex : int32_t {
    FaceView = 0,      // Picture1: the face layer stretched to the view
    WorkingPhoto = 1,  // the photo after mirror, deformation and rotation
    ModelPicture = 2,  // model picture 1
    RetouchUndo = 3,   // the composite before the last stamp
    ResultView = 4,    // Picture2: the composite stretched to the view
    Composite = 5,     // the model with the face in its cut-out
    FaceLayer = 6,     // the working photo scaled and moved into model coordinates, on black
    LoadedPhoto = 7,   // the photo as loaded, never changed until the next load
    StampSample = 8,
    FaceMask = 9,      // white, with polygon set 2 drawn on it in black
    ResourcePicture = 10,
};
inline constexpr int32_t SurfaceCount = 11;
inline constexpr int32_t SeamlessFitButton = 2;

// The transform state of the face, in the order the history keeps it.
struct FaceState {
    float ScaleX = 1.0f, ScaleY = 1.0f;
    int32_t FaceX = 0, FaceY = 0;
    int32_t DeformH = 0, DeformV = 0;
    int32_t Mirror = 0;
    float Angle = 0.0f;
};
using HistoryEntry = std::array<float, 8>;

// What the automatic placement found and did (Engine::AutoPlace).
enum class PlaceOutcome { Placed, NoPhoto, NoFace, DetectorMissing };
struct AutoPlaceResult {
    PlaceOutcome outcome = PlaceOutcome::NoPhoto;
    FacePlacement placement;       // model coordinates
    Rect face;                     // photo pixels: the .box, or the detector's square
    bool fromBox = false;
    bool eyesFound = false;
    PointF leftEye, rightEye;      // photo pixels
    std::string missingFile;       // DetectorMissing: the cascade that could not be read
};

class Engine {
public:
    explicit Engine(Ui& ui);

    Ui& ui;
    PhotoCropper* cropper = nullptr;                   // null: oversized photos are refused
    std::function<Bitmap(int32_t id)> resourceBitmap;  // null: a plain 5 x 5 picture

    // --- Surfaces and buffers ------------------------------------------------------------------
    std::array<Surface, SurfaceCount> Surfaces;
    PixelBuffer Model1Buffer;  // model picture 1 as displayed (after the colour-depth reduction)
    PixelBuffer Model2Buffer;  // model picture 2 as read from the file
    PixelBuffer BaseBuffer, FaceBuffer, WorkBuffer;

    // --- Editor values the engine reads and sets ----------------------------------------------
    int32_t EditMode = 1;
    bool FaceLoaded = false;
    bool ModelLoaded = false;
    uint8_t RepeatCode = 0;
    int32_t DisplayDepthMode = 0;  // 0 plain; 1 16-bit, 2 15-bit displays (pixels read back reduced)
    int32_t Language = 0;          // passed to the crop component
    std::string ModelFile, PhotoFile, ProgramDir;
    int32_t CutCentreX = 256, CutCentreY = 280;
    float ViewScale = 1.0f;
    // The view frame (FitViews) and the placement it gives the two views.
    int32_t FrameW = 512, FrameH = 560, ResultViewLeft = 0;
    int32_t ViewW = 512, ViewH = 560, FaceViewX = 5, ResultViewX = 0;

    // --- Model ------------------------------------------------------------------------------
    int32_t ModelW = 0, ModelH = 0;
    float ModelAngle = 0.0f;  // degrees
    uint32_t SkinColour = 0, HairColour = 0;
    int32_t RangeFlag = 0, RangeLow = 0, RangeHigh = 0;
    dsl::Mask Mask1, Mask2, Mask3;  // mask 3 over rectangle 2
    dsl::PolygonSet Set1, Set2;
    std::optional<Region> CutRgn, OutRgn;

    // --- Photo and transforms -----------------------------------------------------------------
    int32_t PhotoW = 0, PhotoH = 0;
    float ScaleX = 1.0f, ScaleY = 1.0f;
    int32_t FaceX = 0, FaceY = 0;
    int32_t DeformH = 0, DeformV = 0;
    int32_t Mirror = 0;
    float Angle = 0.0f;
    float LineAngle = 0.0f;
    std::array<HistoryEntry, 5> History{};  // History[0] is entry 1, the most recent
    int32_t HistoryCount = 0;
    HistoryEntry RedoEntry{};               // all zero: nothing to redo
    bool RetouchUndoAvailable = false;
    bool LinePending = false;

    // --- Colour -----------------------------------------------------------------------------
    bool StrongMatch = false;  // face-colour button 0 sets it (divisor 1.2), button 1 clears it
    bool SeamlessMatch = false;  // the face was last fitted seamlessly (button 2); swatches keep that
    uint32_t HairChoice = 0;   // chosen hair colour; 0 = the model's own

    // Surfaces and buffers (pixel work happens on buffers; surfaces are read and written whole).
    PixelBuffer GetPixels(int32_t index) const;
    bool PutPixels(int32_t index, const PixelBuffer& buffer);
    void ClearSurface(int32_t index);
    void KeepImage(int32_t index);
    void ResetComposite();
    void ShowFaceView();
    void ShowResult();
    void ShowFaceViewAndResult();
    void MaskFaceLayer();
    void MirrorPhoto();

    // Regions of the model.
    std::optional<Region> OutsideRgn(int32_t index, std::optional<Region>& region) const;
    void DrawPolygons(int32_t index, const dsl::PolygonSet& set);

    // Model loading. ReadModelFile fills the model only when the whole file is good; otherwise
    // it shows the reader's message and keeps the previous model as it was.
    int32_t ReadModelFile(const std::string& path);
    bool LoadModel();
    // The rest of choosing a model in the catalogue: load it, set the photo into it again and
    // refill the colour buffers. ModelFile names the model.
    bool ModelChosen();
    float FitViews(int32_t w, int32_t h);

    // The face photo.
    bool LoadPhoto(bool reload);
    std::string CroppedPhotoName(const std::string& path);

    // Face transforms.
    FaceState State() const;
    void SetState(const FaceState& s);
    void RenderFace(bool force);
    bool DeformTurn(int32_t index, float f);
    bool DeformTilt(int32_t index, float f);
    bool RotatePixels(int32_t index, float& angle);
    void ComposeResult();
    void UndoStep(int32_t operation);
    void AlignToModel();
    // Whether RenderFace and ComposeResult ran their pixel work (for the commands' callers).
    bool LastComposeDrew = false;

    // Automatic placement (AutoPlace.cpp): finds the face of the loaded photo (its .box file when
    // one lies beside it, else the detector) and sets scale, offset and angle so that it sits in
    // the model's cut-out; the turn and tilt go back to 0 and the mirror is undone. One undo step
    // (in the modes that keep a history), then the face and the result are rebuilt. Anything but
    // Placed leaves the transform state, the history and the pictures as they were.
    AutoPlaceResult AutoPlace();
    // Where the cascades are looked for; empty: cascadeDirectory().
    std::string CascadeDir;

    // Face colour and hair. Buttons 0 and 1 fit the face colour at 100 % and 60 %; button 2
    // (SeamlessFitButton) blends the face in seamlessly (SeamlessFit.cpp).
    void FaceColourCommand(int32_t button);
    // The seamless fit; false when the blend failed, after a message, with the composite and the
    // face layer as they were before.
    bool SeamlessFit();
    bool SwatchClick(int32_t index);
    void OwnHairColour();
    bool SwatchAllowed(int32_t index) const;

private:
    bool validIndex(int32_t index) const { return index >= 0 && index < SurfaceCount; }
    bool hasModelSize(int32_t index) const;
    bool hasPhotoSize(int32_t index) const;
    std::optional<Bitmap> readPhotoPicture(const std::string& path);
    std::optional<Bitmap> readUsablePhoto(std::string& path);
    void resetTransforms();
    void colourBuffers();
    std::optional<AutoPlaceResult> locateFace();
    std::unique_ptr<FaceFinder> m_finder;
    std::string m_finderDir;
};

} // namespace salon
