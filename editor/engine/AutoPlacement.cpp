// The automatic placement's arithmetic (AutoPlacement.h).
#include "editor/engine/AutoPlacement.h"

#include "platform/Numbers.h"

#include <cmath>
#include <filesystem>
#include <fstream>

namespace salon {

namespace {

constexpr double Pi = 3.14159265358979323846;

float radians(float deg) { return float(double(deg) * Pi / 180.0); }

// Degrees into -180 < a <= 180.
float normalised(float deg)
{
    float a = std::fmod(deg, 360.0f);
    if (a > 180.0f) a -= 360.0f;
    if (a <= -180.0f) a += 360.0f;
    return a;
}

// A vector given along (across) and down the face, turned by the face's roll into photo axes.
PointF faceVector(float across, float down, float roll)
{
    const float r = radians(roll), c = std::cos(r), s = std::sin(r);
    return {c * across - s * down, s * across + c * down};
}

} // namespace

const FaceCalibration& demoCalibration()
{
    // Measured with FaceFinder on the two demo photos (face.jpg, portrait.jpg) against their .box
    // files, the mean of the two; they agree to within 1.5 % of the box width:
    //   eye span 0.490 and 0.489 of the box width; eye midpoint 0.031 and 0.042 of it to the
    //   left, 0.269 and 0.277 above the centre; detector square 1.137 and 1.110 of the width, its
    //   centre 0.033 and 0.038 to the left and 0.151 and 0.149 above; eye lines at 2.95 and 2.81
    //   degrees. The demo models are drawn around these faces placed by their boxes without a
    //   turn, so that eye line is what "upright" means for a model whose face angle is 0.
    static const FaceCalibration demo{0.4894f, -0.0366f, -0.2726f, 1.1236f, -0.0354f, -0.1500f, 2.88f};
    return demo;
}

FaceGuess faceFromEyes(PointF leftEye, PointF rightEye, const FaceCalibration& cal)
{
    const float dx = rightEye.x - leftEye.x, dy = rightEye.y - leftEye.y;
    FaceGuess g;
    g.roll = float(std::atan2(double(dy), double(dx)) * 180.0 / Pi);
    g.side = std::hypot(dx, dy) / cal.eyeSpanPerSide;
    const PointF toMid = faceVector(cal.eyeMidAcross * g.side, cal.eyeMidDown * g.side, g.roll);
    g.centre = {(leftEye.x + rightEye.x) / 2.0f - toMid.x, (leftEye.y + rightEye.y) / 2.0f - toMid.y};
    return g;
}

FaceGuess faceFromSquare(PointF centre, float side, float roll, const FaceCalibration& cal)
{
    FaceGuess g;
    g.roll = roll;
    g.side = side / cal.squarePerSide;
    const PointF toSquare = faceVector(cal.squareAcross * g.side, cal.squareDown * g.side, roll);
    g.centre = {centre.x - toSquare.x, centre.y - toSquare.y};
    return g;
}

FaceGuess faceFromFinding(const FoundFace& found, const FaceCalibration& cal)
{
    if (found.eyesFound) return faceFromEyes(found.leftEye, found.rightEye, cal);
    // Without eyes the square's turn is only the search frame's; the face is taken as upright in it.
    return faceFromSquare(found.centre, found.side, found.roll + cal.uprightRoll, cal);
}

std::pair<PointF, float> squareOfFace(const FaceGuess& face, const FaceCalibration& cal)
{
    const PointF toSquare = faceVector(cal.squareAcross * face.side, cal.squareDown * face.side, face.roll);
    return {{face.centre.x + toSquare.x, face.centre.y + toSquare.y}, face.side * cal.squarePerSide};
}

std::optional<Rect> readFaceBox(const std::string& nativePhoto)
{
    std::filesystem::path box = nativePhoto;
    box.replace_extension(".box");
    std::ifstream in(box);
    int32_t x = 0, y = 0, w = 0, h = 0;
    if (!(in >> x >> y >> w >> h) || w <= 0 || h <= 0) return std::nullopt;
    return Rect{x, y, x + w, y + h};
}

FaceGuess faceFromBox(const Rect& box, float roll)
{
    FaceGuess g;
    g.centre = {float(box.left + box.right) / 2.0f, float(box.top + box.bottom) / 2.0f};
    g.side = float(box.width());
    g.roll = roll;
    return g;
}

// The editor turns a photo W pixels wide about the pixel ((W + 1) / 2, (W + 1) / 2), counted from
// 1: at W / 2 on both axes in pixel-edge coordinates (also for portrait photos, whose turn centre
// thus lies in their upper part). It leaves angles within half a degree of 0 unturned.
PointF photoToModel(PointF p, int32_t photoW, const FacePlacement& placement)
{
    const float k = float(photoW) / 2.0f;
    const float turn = std::abs(placement.angle) > 0.5f ? placement.angle : 0.0f;
    const float r = radians(turn), c = std::cos(r), s = std::sin(r);
    const float dx = p.x - k, dy = p.y - k;
    const float tx = c * dx - s * dy + k, ty = s * dx + c * dy + k;
    return {float(placement.faceX) + tx * placement.scale, float(placement.faceY) + ty * placement.scale};
}

FacePlacement placeFace(const FaceGuess& face, int32_t photoW, const Rect& cut, float modelAngle,
                        const FaceCalibration& cal)
{
    FacePlacement p;
    p.scale = float(cut.width()) / face.side;
    // A face whose eye line lies t degrees further clockwise than an upright one is turned back by
    // t, then on to the model's face angle, as the editor's line tool would turn it.
    p.angle = normalised(cal.uprightRoll - face.roll - modelAngle);
    const PointF at = photoToModel(face.centre, photoW, p);  // with offsets 0 so far
    p.faceX = roundHalfEven(float(cut.left + cut.right) / 2.0f - at.x);
    p.faceY = roundHalfEven(float(cut.top + cut.bottom) / 2.0f - at.y);
    return p;
}

} // namespace salon
