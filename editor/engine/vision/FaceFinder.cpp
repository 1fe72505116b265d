// Face and eye finding with OpenCV's Haar cascades.
//
// A frontal-face cascade finds faces turned by up to about 12 degrees. Salon photos are mostly
// upright, so the photo is searched as it is first and, only when no face with two eyes is found
// there, turned by 20 degrees either way; small faces get a second, larger search. Every square
// found is looked at again closely: cut out, scaled to a fixed size and, when its eye line leans,
// turned upright by it, so the eye cascade always sees eyes of the size it was trained on however
// large the face is in the photo. A square without two eyes is taken only when no square of any
// search has them (a face behind dark glasses): false squares rarely show a pair of eyes.
#include "editor/engine/vision/FaceFinder.h"

#include <opencv2/imgproc.hpp>
#include <opencv2/objdetect.hpp>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <vector>

namespace salon {

struct FaceFinder::Cascades {
    cv::CascadeClassifier face, eyes;
};

namespace {

constexpr const char* FaceCascade = "haarcascade_frontalface_default.xml";
constexpr const char* EyeCascade = "haarcascade_eye.xml";
// The search runs on a reduced copy of the photo, in tiers: first small and for faces of at least
// a fifth of the photo's shorter side (a salon portrait, at a fraction of the cost; at 240 pixels
// such a face is still 36 or more, over the cascade's 24, and the close pass works on the photo
// itself), then larger and for faces down to a twentieth of it or the cascade's own 24 pixels.
struct SearchTier {
    int longerSide;
    double minShare;
};
constexpr SearchTier SearchTiers[] = {{240, 0.2}, {640, 0.05}};
// Squares of one frame looked at closely for eyes, the surest first.
constexpr int MaxCloseLooks = 3;
// The frames searched: the photo as it is, then turned 20 degrees either way. The frontal cascade
// tolerates about 12 degrees, so the three frames overlap and reach faces turned by about 30; a
// face leaning as far as a sitter does (15 to 20 degrees) is nearly upright in its frame, and one
// close look settles it.
constexpr double SearchTurns[] = {0.0, 20.0, -20.0};
// A turned frame is only searched when the photo as it is showed no face with eyes: it is searched
// at this share of the tier's size, its faces being found again closely anyway.
constexpr double TurnedFrameScale = 0.6;
// The side of the face in the close pass.
constexpr float CloseSide = 128.0f;
constexpr double Pi = 3.14159265358979323846;

// A face square found in some frame, with the frame's turn against the photo.
struct Candidate {
    cv::Rect2f box;
    double weight = 0.0;
};

FoundFace failed(FindStatus status)
{
    FoundFace f;
    f.status = status;
    return f;
}

cv::Mat grayOf(const Bitmap& photo)
{
    const Bitmap rgb = photo.bitsPerPixel == 24 ? Bitmap{} : photo.toRgb24();
    const Bitmap& p = photo.bitsPerPixel == 24 ? photo : rgb;
    cv::Mat bgr(p.height, p.width, CV_8UC3, const_cast<uint8_t*>(p.pixels.data()), size_t(p.rowBytes()));
    cv::Mat gray;
    cv::cvtColor(bgr, gray, cv::COLOR_BGR2GRAY);
    return gray;
}

// The affine map that turns a picture counter-clockwise by deg about centre, scales it by scale
// and moves centre to target: a face tilted clockwise by deg comes out upright.
cv::Mat uprightMap(cv::Point2f centre, double deg, double scale, cv::Point2f target)
{
    cv::Mat m = cv::getRotationMatrix2D(centre, deg, scale);
    m.at<double>(0, 2) += target.x - centre.x;
    m.at<double>(1, 2) += target.y - centre.y;
    return m;
}

cv::Point2f mapPoint(const cv::Mat& m, cv::Point2f p)
{
    return {float(m.at<double>(0, 0) * p.x + m.at<double>(0, 1) * p.y + m.at<double>(0, 2)),
            float(m.at<double>(1, 0) * p.x + m.at<double>(1, 1) * p.y + m.at<double>(1, 2))};
}

// The faces of a picture, the one the cascade is surest of first.
std::vector<Candidate> allFaces(cv::CascadeClassifier& cascade, const cv::Mat& gray, cv::Rect roi, int minSide,
                                int maxSide, double step)
{
    std::vector<cv::Rect> faces;
    std::vector<int> levels;
    std::vector<double> weights;
    cascade.detectMultiScale(gray(roi), faces, levels, weights, step, 3, 0, cv::Size(minSide, minSide),
                             cv::Size(maxSide, maxSide), true);
    std::vector<Candidate> out;
    for (size_t i = 0; i < faces.size(); ++i)
        out.push_back(Candidate{cv::Rect2f(faces[i] + roi.tl()), i < weights.size() ? weights[i] : 0.0});
    std::stable_sort(out.begin(), out.end(), [](const Candidate& a, const Candidate& b) { return a.weight > b.weight; });
    return out;
}

// A face square found by the first search, back in photo pixels.
struct Rough {
    PointF centre;
    float side;
    float roll;
};

// A reduced, evened copy of the photo for one tier, and its scale against the photo.
struct TierPicture {
    cv::Mat small;
    double shrink;
    int minSide, maxSide;
};

TierPicture tierPicture(const cv::Mat& gray, const SearchTier& tier)
{
    TierPicture t;
    t.shrink = std::min(1.0, double(tier.longerSide) / double(std::max(gray.cols, gray.rows)));
    if (t.shrink < 1.0) cv::resize(gray, t.small, cv::Size(), t.shrink, t.shrink, cv::INTER_AREA);
    else t.small = gray.clone();
    // No histogram evening here: a busy or strongly coloured background would take over the
    // spread of grey levels and flatten the face; the close pass evens the face alone.
    t.minSide = std::max(24, int(tier.minShare * std::min(t.small.cols, t.small.rows)));
    t.maxSide = std::min(t.small.cols, t.small.rows);
    return t;
}

// The faces of one frame of a tier (the tier's picture turned by turn degrees), the surest first,
// in photo pixels.
std::vector<Rough> searchFrame(cv::CascadeClassifier& cascade, const TierPicture& t, double turn)
{
    const cv::Mat& small = t.small;
    const cv::Point2f mid(float(small.cols) / 2.0f, float(small.rows) / 2.0f);
    // A turned frame is reduced as far as the tier's smallest face allows (the cascade sees 24
    // pixels), and is the bounding box of the turned photo: the whole photo in view and no more,
    // since the search's time grows with the frame's area.
    const double scale = turn == 0.0 ? 1.0 : std::min(1.0, std::max(TurnedFrameScale, 24.0 / t.minSide));
    const double c = std::abs(std::cos(turn * Pi / 180.0)) * scale, s = std::abs(std::sin(turn * Pi / 180.0)) * scale;
    const cv::Size size(int(std::ceil(small.cols * c + small.rows * s)), int(std::ceil(small.cols * s + small.rows * c)));
    const cv::Mat m = uprightMap(mid, turn, scale, {float(size.width) / 2.0f, float(size.height) / 2.0f});
    cv::Mat frame = small;
    if (turn != 0.0) cv::warpAffine(small, frame, m, size, cv::INTER_LINEAR, cv::BORDER_REPLICATE);
    const int minSide = std::max(24, int(t.minSide * scale)), maxSide = std::min(frame.cols, frame.rows);
    const auto faces = allFaces(cascade, frame, cv::Rect(0, 0, frame.cols, frame.rows), minSide, maxSide, 1.15);
    cv::Mat back;
    cv::invertAffineTransform(m, back);
    std::vector<Rough> found;
    for (const Candidate& face : faces) {
        const cv::Point2f centre = mapPoint(back, (face.box.tl() + face.box.br()) * 0.5f);
        const float side = float(face.box.width / (scale * t.shrink));
        found.push_back(Rough{{float(centre.x / t.shrink), float(centre.y / t.shrink)}, side, float(turn)});
    }
    return found;
}

// The eye of one side: the candidate nearest to where an eye sits in a face square of side s.
std::optional<cv::Point2f> pickEye(const std::vector<cv::Rect>& eyes, cv::Point2f expected, float s)
{
    std::optional<cv::Point2f> best;
    float bestDist = 0.2f * s;  // further away than this it is a brow, a nostril or hair
    for (const cv::Rect& e : eyes) {
        const cv::Point2f c(float(e.x) + float(e.width) / 2.0f, float(e.y) + float(e.height) / 2.0f);
        const float d = std::hypot(c.x - expected.x, c.y - expected.y);
        if (d < bestDist) {
            bestDist = d;
            best = c;
        }
    }
    return best;
}

// Eyes searched in the face square `face` of an upright picture; the left eye of the picture
// first.
std::optional<std::pair<cv::Point2f, cv::Point2f>> findEyes(cv::CascadeClassifier& cascade, const cv::Mat& upright,
                                                            const cv::Rect2f& face)
{
    const float s = face.width;
    // The band of the eyes: from a fifth to three fifths down the square.
    cv::Rect band(int(face.x), int(face.y + 0.2f * s), int(s), int(0.4f * s));
    band &= cv::Rect(0, 0, upright.cols, upright.rows);
    if (band.width < 20 || band.height < 10) return std::nullopt;
    std::vector<cv::Rect> eyes;
    cascade.detectMultiScale(upright(band), eyes, 1.05, 2, 0, cv::Size(int(0.12f * s), int(0.12f * s)),
                             cv::Size(int(0.4f * s), int(0.4f * s)));
    for (cv::Rect& e : eyes) e += band.tl();
    auto left = pickEye(eyes, {face.x + 0.3f * s, face.y + 0.38f * s}, s);
    auto right = pickEye(eyes, {face.x + 0.7f * s, face.y + 0.38f * s}, s);
    if (!left || !right || right->x - left->x < 0.2f * s) return std::nullopt;
    return std::make_pair(*left, *right);
}

// The close pass (see the top of the file). roll is the turn the face is thought to have; a face
// whose eyes are found is looked at once more, turned upright by its eye line, for its final square.
FoundFace closeLook(cv::CascadeClassifier& faceCascade, cv::CascadeClassifier& eyeCascade, const cv::Mat& gray,
                    PointF centre, float side, float roll, bool refind)
{
    FoundFace out = failed(FindStatus::Found);
    out.centre = centre;
    out.side = side;
    out.roll = roll;
    for (int pass = 0; pass < 2; ++pass) {
        const float scale = CloseSide / side;
        const cv::Size size(int(CloseSide * 2.0f), int(CloseSide * 2.0f));
        const cv::Point2f target(CloseSide, CloseSide);
        const cv::Mat m = uprightMap({centre.x, centre.y}, roll, scale, target);
        cv::Mat frame;
        cv::warpAffine(gray, frame, m, size, cv::INTER_LINEAR, cv::BORDER_REPLICATE);
        cv::equalizeHist(frame, frame);
        cv::Rect2f face(target.x - CloseSide / 2.0f, target.y - CloseSide / 2.0f, CloseSide, CloseSide);
        if (refind) {
            // The square again, in the face's upright frame: near the centre, near its first size.
            const int lo = int(CloseSide * 0.8f), hi = int(CloseSide * 1.25f);
            const cv::Rect near(int(CloseSide * 0.3f), int(CloseSide * 0.3f), int(CloseSide * 1.4f), int(CloseSide * 1.4f));
            if (auto again = allFaces(faceCascade, frame, near, lo, hi, 1.05); !again.empty()) face = again.front().box;
        }
        cv::Mat back;
        cv::invertAffineTransform(m, back);
        const cv::Point2f c = mapPoint(back, (face.tl() + face.br()) * 0.5f);
        out.centre = {c.x, c.y};
        out.side = face.width / scale;
        auto eyes = findEyes(eyeCascade, frame, face);
        if (!eyes) break;
        const cv::Point2f l = mapPoint(back, eyes->first), r = mapPoint(back, eyes->second);
        out.eyesFound = true;
        out.leftEye = {l.x, l.y};
        out.rightEye = {r.x, r.y};
        out.roll = float(std::atan2(double(r.y - l.y), double(r.x - l.x)) * 180.0 / Pi);
        // Eyes a few degrees off the frame are found as well as level ones; a face further
        // turned is looked at again in its own upright frame.
        if (!refind || std::abs(out.roll - roll) < 5.0f) break;
        centre = out.centre;
        side = out.side;
        roll = out.roll;
    }
    return out;
}

} // namespace

std::string cascadeDirectory()
{
    if (const char* dir = std::getenv("SALON_CASCADES"); dir && *dir) return dir;
    return "/usr/share/opencv4/haarcascades";
}

FaceFinder::FaceFinder(const std::string& cascadeDir) : m_cascades(new Cascades)
{
    const std::filesystem::path dir(cascadeDir);
    for (auto [file, cascade] : {std::pair{FaceCascade, &m_cascades->face}, std::pair{EyeCascade, &m_cascades->eyes}}) {
        const std::string path = (dir / file).string();
        bool loaded = false;
        try {
            loaded = std::filesystem::is_regular_file(path) && cascade->load(path);
        } catch (const cv::Exception&) {
            loaded = false;  // a damaged file: the same as a missing one for the user
        }
        if (!loaded && m_missing.empty()) m_missing = path;
    }
}

FaceFinder::~FaceFinder() { delete m_cascades; }

bool FaceFinder::ready() const { return m_missing.empty(); }

FoundFace FaceFinder::find(const Bitmap& photo) const
{
    if (!ready()) return failed(FindStatus::DetectorMissing);
    if (photo.isNull() || photo.width < 24 || photo.height < 24) return failed(FindStatus::UnusablePicture);
    try {
        const cv::Mat gray = grayOf(photo);
        // A face is taken at once when its eyes are found too; the cascade's surest square without
        // eyes only when no square of any tier shows them (a face behind dark glasses).
        std::optional<FoundFace> eyeless;
        for (const SearchTier& tier : SearchTiers) {
            const TierPicture t = tierPicture(gray, tier);
            for (double turn : SearchTurns) {
                int looked = 0;
                for (const Rough& face : searchFrame(m_cascades->face, t, turn)) {
                    if (++looked > MaxCloseLooks) break;
                    FoundFace seen = closeLook(m_cascades->face, m_cascades->eyes, gray, face.centre, face.side, face.roll, true);
                    if (seen.eyesFound) return seen;
                    if (!eyeless) eyeless = seen;
                }
            }
        }
        return eyeless ? *eyeless : failed(FindStatus::NoFace);
    } catch (const cv::Exception&) {
        return failed(FindStatus::UnusablePicture);
    }
}

FoundFace FaceFinder::eyesIn(const Bitmap& photo, PointF centre, float side) const
{
    if (!ready()) return failed(FindStatus::DetectorMissing);
    if (photo.isNull() || !(side >= 8.0f)) return failed(FindStatus::UnusablePicture);
    FoundFace known = failed(FindStatus::Found);
    known.centre = centre;
    known.side = side;
    try {
        const cv::Mat gray = grayOf(photo);
        FoundFace seen = closeLook(m_cascades->face, m_cascades->eyes, gray, centre, side, 0.0f, false);
        known.eyesFound = seen.eyesFound;
        known.leftEye = seen.leftEye;
        known.rightEye = seen.rightEye;
        known.roll = seen.roll;
    } catch (const cv::Exception&) {
        // The square alone still places the face.
    }
    return known;
}

} // namespace salon
