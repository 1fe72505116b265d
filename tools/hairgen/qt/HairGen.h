#pragma once
// The demo hairstyles as data: every style is a set of strand layers, each layer a fan of guide
// curves between which strands are interpolated. Coordinates are model pixels of a 512 x 560
// portrait whose face (the cut-out) spans x 172..340 and y 160..342.
#include <QColor>
#include <QPointF>

#include <string>
#include <vector>

namespace hairgen {

inline constexpr int Width = 512;
inline constexpr int Height = 560;
inline constexpr double FaceCx = 256, FaceTop = 160, FaceChin = 342, FaceHalfWidth = 84;

struct Guide {
    QPointF p[4];  // cubic Bezier: root, two handles, tip
};

struct Layer {
    std::vector<Guide> guides;  // neighbours are interpolated; order them across the layer
    int strands = 2000;
    double width = 1.3;         // pixels at the root
    double jitter = 4;          // random displacement of handles and tip, pixels
    double rootJitter = 1;      // random displacement of the root
    double curlAmp = 0;         // pixels
    double curlWaves = 0;       // waves over the strand's length
    double curlCoherence = 0.7; // 1 = all strands curl in phase (ringlets), 0 = frizz
    double curlStart = 0;       // fraction of the length before the curl sets in
    double depth = 1.0;         // brightness factor: back layers are darker
    double shorten = 0.15;      // strands end up to this fraction early (tapered ends)
    bool front = true;          // drawn over the face and body, else behind them
    bool underlay = true;       // a dark thick pass first so no gaps show through
    bool rootFade = false;      // roots start fine and sparse, as at a bare hairline
};

// A bun: strands wound round a centre.
struct Coil {
    QPointF centre;
    double rx = 0, ry = 0;
    int strands = 0;
    bool front = true;
};

struct Style {
    std::string id;        // folder under data/models
    std::string title;     // shown in the contact sheet and kept as the model's name
    QColor hair;           // mid-tone of the hair
    QColor streak;         // highlights / ombre ends
    double streakShare = 0;  // share of strands in the streak colour
    bool ombre = false;      // the streak colour grows along the strands instead
    QColor clothes;
    int neckline = 0;        // 0 round, 1 V, 2 off-shoulder
    QColor background;
    std::vector<Layer> layers;
    std::vector<Coil> coils;
    unsigned seed = 1;
};

std::vector<Style> demoStyles();

} // namespace hairgen
