// Engine::AutoPlace: the loaded photo's face found and set into the model's cut-out.
#include "editor/engine/Engine.h"

#include "platform/Numbers.h"
#include "platform/Paths.h"

#include <cmath>

namespace salon {

namespace {

Rect squareAround(PointF centre, float side)
{
    const float h = side / 2.0f;
    return Rect{roundHalfEven(centre.x - h), roundHalfEven(centre.y - h), roundHalfEven(centre.x + h),
                roundHalfEven(centre.y + h)};
}

} // namespace

// The face of the loaded photo, in photo pixels, with the guess the placement uses in placement.
// None when the photo has no face or the detector cannot run (outcome says which).
std::optional<AutoPlaceResult> Engine::locateFace()
{
    const std::string dir = CascadeDir.empty() ? cascadeDirectory() : CascadeDir;
    if (!m_finder || m_finderDir != dir) {
        m_finder = std::make_unique<FaceFinder>(dir);
        m_finderDir = dir;
    }
    const Bitmap& photo = Surfaces[LoadedPhoto].image();
    AutoPlaceResult r;
    FaceGuess guess;
    const auto native = nativePath(PhotoFile);
    auto box = native ? readFaceBox(native->string()) : std::nullopt;
    // A box that does not lie within the photo belongs to another picture (an edited or resized
    // copy of the photo): the detector decides then.
    if (box && (box->left < 0 || box->top < 0 || box->right > PhotoW || box->bottom > PhotoH)) box.reset();
    if (box) {
        // The box is the truth; the eyes, where the detector can run and finds them, give the turn.
        r.fromBox = true;
        r.face = *box;
        guess = faceFromBox(*box, demoCalibration().uprightRoll);
        const auto [centre, side] = squareOfFace(guess);
        const FoundFace eyes = m_finder->eyesIn(photo, centre, side);
        if (eyes.eyesFound) {
            r.eyesFound = true;
            r.leftEye = eyes.leftEye;
            r.rightEye = eyes.rightEye;
            guess.roll = eyes.roll;
        }
    } else {
        const FoundFace found = m_finder->find(photo);
        if (found.status == FindStatus::DetectorMissing) {
            r.outcome = PlaceOutcome::DetectorMissing;
            r.missingFile = m_finder->missingFile();
            return r;
        }
        if (found.status != FindStatus::Found) {
            r.outcome = PlaceOutcome::NoFace;
            return r;
        }
        r.face = squareAround(found.centre, found.side);
        r.eyesFound = found.eyesFound;
        r.leftEye = found.leftEye;
        r.rightEye = found.rightEye;
        guess = faceFromFinding(found);
    }
    r.outcome = PlaceOutcome::Placed;
    r.placement = placeFace(guess, PhotoW, CutRgn->bounds(), ModelAngle);
    return r;
}

AutoPlaceResult Engine::AutoPlace()
{
    if (!ModelLoaded || !CutRgn || CutRgn->bounds().isEmpty() || PhotoW < 30 || PhotoH < 30 ||
        Surfaces[LoadedPhoto].image().isNull())
        return AutoPlaceResult{};
    auto found = locateFace();
    if (!found || found->outcome != PlaceOutcome::Placed) return found ? *found : AutoPlaceResult{};

    UndoStep(0);
    const FacePlacement& p = found->placement;
    ScaleX = ScaleY = p.scale;
    FaceX = p.faceX;
    FaceY = p.faceY;
    Angle = p.angle;
    DeformH = DeformV = 0;
    Mirror = 0;
    LineAngle = 0.0f;
    RenderFace(true);
    ComposeResult();
    MaskFaceLayer();
    ShowFaceViewAndResult();
    return *found;
}

} // namespace salon
