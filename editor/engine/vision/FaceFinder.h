#pragma once
// Finding a face and its eyes in a photo, offline, with the Haar cascades that Debian's opencv-data
// ships (frontal face and eyes). The photo is never changed. OpenCV stays behind this header: the
// rest of the engine sees plain pictures, points and result codes.
#include "platform/Bitmap.h"

#include <string>

namespace salon {

struct PointF {
    float x = 0.0f, y = 0.0f;
};

enum class FindStatus {
    Found,
    NoFace,            // nothing face-like in the photo
    DetectorMissing,   // a cascade file could not be read
    UnusablePicture,   // not a picture the detector can take (empty, too small)
};

struct FoundFace {
    FindStatus status = FindStatus::NoFace;
    // The detector's face square, in photo pixels, in the face's own upright frame: its centre
    // and side. For a tilted face the square is turned by roll about its centre.
    PointF centre;
    float side = 0.0f;
    // The eye line's angle in degrees, clockwise on screen (y down) from the photo's x axis; for
    // a face whose eyes were not both found, the turn of the search frame it was found in.
    float roll = 0.0f;
    bool eyesFound = false;
    PointF leftEye, rightEye;  // leftEye has the smaller x in the face's frame (the person's right eye)
};

// Where the cascades lie: $SALON_CASCADES when set, else Debian's opencv-data folder.
std::string cascadeDirectory();

class FaceFinder {
public:
    // Loads the two cascades from the folder; see ready().
    explicit FaceFinder(const std::string& cascadeDir = cascadeDirectory());
    ~FaceFinder();
    FaceFinder(const FaceFinder&) = delete;
    FaceFinder& operator=(const FaceFinder&) = delete;

    // False when a cascade file is missing or unreadable; find() then says DetectorMissing.
    bool ready() const;
    // The file that could not be read, for the message.
    const std::string& missingFile() const { return m_missing; }

    // The most face-like face of a 24-bit photo (any other depth is converted first).
    FoundFace find(const Bitmap& photo) const;
    // The eyes of a face whose square is known (from a .box file beside the photo, as the
    // detector would frame it): the found face is that square, upright, with the eyes and the
    // roll when both eyes are found.
    FoundFace eyesIn(const Bitmap& photo, PointF centre, float side) const;

private:
    struct Cascades;
    Cascades* m_cascades = nullptr;
    std::string m_missing;
};

} // namespace salon
