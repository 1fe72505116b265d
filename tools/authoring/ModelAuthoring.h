#pragma once
// Turning readable sources into a hairstyle model: a picture of the hairstyle, the outline of the
// cut-out where a customer's face goes, optionally a base picture, a hair matte or hair outline and
// the face-mask outline. The three masks are derived here:
//
// - mask 1 covers the cut-out, 255 inside and falling to 0 over `feather` pixels towards the
//   outline, so the face colour blend fades into picture 2 before the outline is reached and the
//   photo's own surroundings never leak out of the cut-out;
// - mask 2 is the hair's coverage (the matte), so BlendHair lays hair from picture 1 back over the
//   face with the softness of its strands;
// - mask 3 is the recolour strength over the same rectangle: 255 over body hair (the lightness rule
//   of RecolourHair applies there), lower on thin strands at the hair's edge.
//
// Coordinates are model pixels, (0, 0) the top-left pixel; a polygon's points may lie on the
// picture's right or bottom edge (x = width, y = height) but not beyond.
#include "library/formats/ModelFile.h"
#include "platform/Bitmap.h"
#include "platform/Result.h"
#include "tools/authoring/Json.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace salon::tools {

// One byte per pixel, rows top first, no padding.
struct GreyImage {
    int32_t width = 0, height = 0;
    std::vector<uint8_t> values;
    bool isNull() const { return width <= 0 || height <= 0; }
    uint8_t at(int32_t x, int32_t y) const { return values[size_t(y) * size_t(width) + size_t(x)]; }
};

struct ModelSources {
    Bitmap picture;                        // picture 1, 24-bit
    Bitmap base;                           // picture 2; null = the same as picture 1
    GreyImage hairMatte;                   // null = use hairOutline
    dsl::PolygonSet cutout;                // polygon set 1
    std::optional<dsl::PolygonSet> faceMask;     // set 2; none = the picture frame minus the cut-out
    std::optional<dsl::PolygonSet> hairOutline;  // masks 2 and 3 when there is no matte
    double faceAngle = 0;                  // degrees, clockwise positive
    std::optional<uint32_t> skinColour;    // packed; none = measured from picture 2 under mask 1
    std::optional<uint32_t> hairColour;    // packed; none = measured from picture 1 over the hair
    bool rangeFlag = false;
    int32_t rangeLow = 0, rangeHigh = 0;
    int32_t feather = 8;                   // pixels
    std::string name;
};

inline constexpr int32_t MaxFeather = 64;
inline constexpr int32_t MinModelSide = 30;       // the face is composed only into models this big
inline constexpr size_t MaxPolygonPoints = 11999;  // a polygon must fit one fill batch

// Everything wrong with the sources is reported in one message, one problem a line.
// Warnings (e.g. a face mask that the editor will not draw) are appended to `warnings`.
Result<dsl::Model> buildModel(const ModelSources& sources, std::vector<std::string>* warnings = nullptr);

// Polygons from JSON: a list of polygons, each a list of [x, y] pairs; a single polygon (a list of
// pairs) is accepted as well. Coordinates must be whole numbers.
Result<dsl::PolygonSet> polygonsFromJson(const JsonValue& value);

// Pixels inside the polygons by the even-odd rule; pixel (x, y) is inside when the point (x, y) is
// (points on left and top edges count). Row-major width * height bytes of 0 or 1.
std::vector<uint8_t> fillEvenOdd(const dsl::PolygonSet& set, int32_t width, int32_t height);

// "#rrggbb" or "r,g,b" to a packed colour.
std::optional<uint32_t> parseColour(std::string_view text);

} // namespace salon::tools
