#pragma once
// Where a found face goes in a model: the arithmetic of the automatic placement, apart from the
// detector (vision/FaceFinder) and the engine state.
//
// A face is described as a .box file beside a demo photo describes it: the centre and the width of
// the face's box, in photo pixels, plus the angle of its eye line. The placement sets the box
// width to the width of the model's cut-out, its centre on the cut-out's centre, and turns the
// photo so that the face stands as the demo faces stand in the demo models.
#include "editor/engine/vision/FaceFinder.h"
#include "platform/Geometry.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

namespace salon {

struct FaceGuess {
    PointF centre;      // the box centre, photo pixels (pixel edges: a box 10..20 has its centre at 15)
    float side = 0.0f;  // the box width
    float roll = 0.0f;  // eye line, degrees clockwise on screen
};

// The face of the demo photos measured against their .box files (see AutoPlacement.cpp).
struct FaceCalibration {
    float eyeSpanPerSide;   // eye distance / box width
    float eyeMidAcross;     // eye midpoint - box centre, along the eye line, per box width
    float eyeMidDown;       // the same across the eye line (negative: the eyes lie above the centre)
    float squarePerSide;    // detector square / box width
    float squareAcross;     // detector square centre - box centre, along the eye line, per box width
    float squareDown;       // the same down the face
    float uprightRoll;      // eye line of a face that the models take unturned
};
const FaceCalibration& demoCalibration();

// The box of a face from its eyes, or from the detector's square when the eyes were not found.
FaceGuess faceFromEyes(PointF leftEye, PointF rightEye, const FaceCalibration& cal = demoCalibration());
FaceGuess faceFromSquare(PointF centre, float side, float roll, const FaceCalibration& cal = demoCalibration());
FaceGuess faceFromFinding(const FoundFace& found, const FaceCalibration& cal = demoCalibration());
// The other way: the detector's square (centre, side) that a face box corresponds to.
std::pair<PointF, float> squareOfFace(const FaceGuess& face, const FaceCalibration& cal = demoCalibration());

// The "x y w h" face box beside a photo (NAME.box next to NAME.jpg), when there is a readable one
// with a positive size; nativePhoto is the photo's native path.
std::optional<Rect> readFaceBox(const std::string& nativePhoto);
FaceGuess faceFromBox(const Rect& box, float roll);

struct FacePlacement {
    float scale = 1.0f;      // ScaleX = ScaleY
    int32_t faceX = 0, faceY = 0;
    float angle = 0.0f;      // degrees, clockwise, -180 < angle <= 180
};

// The placement of a photo photoW pixels wide that brings the face onto the cut-out (its bounds)
// of a model whose face stands at modelAngle degrees. The turn is about the point the editor's
// rotation turns about; the offsets are those of the photo's left and top edges after scaling.
FacePlacement placeFace(const FaceGuess& face, int32_t photoW, const Rect& cut, float modelAngle,
                        const FaceCalibration& cal = demoCalibration());

// Where photo point p (pixel edges) lands in the model under a placement: the editor's turn about
// its rotation centre, then scale and offset. The inverse of what placeFace solves for.
PointF photoToModel(PointF p, int32_t photoW, const FacePlacement& placement);

} // namespace salon
