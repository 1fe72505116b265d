#pragma once
// What the window logic needs of the image engine, in one narrow facade: the shared editor values
// (by reference, so the engine and the shell never hold two copies), the surfaces the views show and
// the engine procedures the commands call. EngineAdapter fits salon::Engine behind it; tests put a
// recording double behind it to check the handlers without pixels.
#include "platform/Surface.h"

#include <cstdint>
#include <string>

namespace salon {

class EngineLink {
public:
    virtual ~EngineLink() = default;

    // Editor state shared with the engine.
    virtual int32_t& EditMode() = 0;
    virtual bool& FaceLoaded() = 0;
    virtual bool& ModelLoaded() = 0;
    virtual uint8_t& RepeatCode() = 0;
    virtual std::string& ModelFile() = 0;
    virtual std::string& PhotoFile() = 0;
    virtual int32_t& CutCentreX() = 0;
    virtual int32_t& CutCentreY() = 0;

    // Face transform values.
    virtual int32_t& FaceX() = 0;
    virtual int32_t& FaceY() = 0;
    virtual float& ScaleX() = 0;
    virtual float& ScaleY() = 0;
    virtual int32_t& DeformH() = 0;
    virtual int32_t& DeformV() = 0;
    virtual float& Angle() = 0;
    virtual float& LineAngle() = 0;
    virtual float ModelAngle() const = 0;

    // Surface i of the table (0..10).
    virtual Surface& surface(int index) = 0;

    // The frame the views are fitted into (FitViews).
    virtual void setViewFrame(int32_t width, int32_t height) = 0;

    // 0 record, 1 back, 10 forward, 2 a guide line is pending.
    virtual void UndoStep(int32_t op) = 0;
    virtual void RenderFace(bool force) = 0;
    // ComposeResult, MaskFaceLayer, ShowFaceViewAndResult: the face layer and the result rebuilt
    // from the transform state and both views redrawn (this also lowers RepeatCode by 100).
    virtual void RebuildResult() = 0;
    // ShowFaceView alone: the left picture redrawn from the face layer.
    virtual void ShowFaceView() = 0;
    // Mirrors the face: Angle negated, the mirror flag toggled, the working photo mirrored.
    virtual void MirrorFace() = 0;
    // The model chosen in the catalogue (ModelFile): LoadModel and the reload of the photo into it,
    // with the colour buffers set to the new model. False when the model could not be read.
    virtual bool ChooseModel() = 0;
    // LoadPhoto: reload = false asks the user for the file. False when nothing was loaded.
    virtual bool LoadPhoto(bool reload) = 0;
    // The face-colour command: 0 = 100 %, 1 = 60 % of the model's face colour, 2 the seamless fit.
    virtual void FitFace(int32_t level) = 0;

    // The face of the photo found and set into the cut-out as one undo step, both views redrawn;
    // anything but Placed changes nothing.
    enum class Placing { Placed, NoPhoto, NoFace, DetectorMissing };
    struct PlaceAnswer {
        Placing outcome = Placing::NoPhoto;
        std::string missingFile;  // DetectorMissing: the detector file that could not be read
    };
    virtual PlaceAnswer AutoPlace() = 0;
};

} // namespace salon
