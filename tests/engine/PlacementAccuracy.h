#pragma once
// How well the automatic placement places: seeded photos made from the demo portrait (see
// SyntheticPortraits.h), each placed by the detector and the calibrated mapping, against where the
// portrait's .box truth puts the face: its centre on the cut-out's centre, its box as wide as the
// cut-out, its eye line turned as the portrait's.
#include "SyntheticPortraits.h"
#include "editor/engine/AutoPlacement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace salon::testing {

struct AccuracyReport {
    std::vector<float> centre, scale, angle;  // errors: share of the cut-out width, share, degrees
    int missed = 0, good = 0, photos = 0;
};

inline float median(std::vector<float> v)
{
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

inline AccuracyReport measurePlacement(int photos, unsigned seed)
{
    const DemoPortrait demo = loadDemoPortrait();
    const FaceFinder finder;
    std::mt19937 rng(seed);
    // Cut-outs of the demo models' sizes, and two model face angles.
    const Rect cuts[] = {{173, 160, 340, 343}, {150, 120, 330, 330}};
    const float modelAngles[] = {0.0f, 4.0f};
    AccuracyReport r;
    r.photos = photos;
    for (int i = 0; i < photos; ++i) {
        const Portrait p = makePortrait(demo, rng);
        const Rect& cut = cuts[i % 2];
        const float modelAngle = modelAngles[(i / 2) % 2];
        const FoundFace found = finder.find(p.photo);
        if (found.status != FindStatus::Found) {
            ++r.missed;
            continue;
        }
        const FacePlacement placed = placeFace(faceFromFinding(found), p.photo.width, cut, modelAngle);
        const PointF at = photoToModel({p.truth.centreX, p.truth.centreY}, p.photo.width, placed);
        const float cx = float(cut.left + cut.right) / 2.0f, cy = float(cut.top + cut.bottom) / 2.0f;
        const float centreErr = std::hypot(at.x - cx, at.y - cy) / float(cut.width());
        const float truthScale = float(cut.width()) / p.truth.side;
        const float scaleErr = std::abs(placed.scale / truthScale - 1.0f);
        float angleErr = std::fmod(std::abs(placed.angle - (-p.truth.turn - modelAngle)), 360.0f);
        angleErr = std::min(angleErr, 360.0f - angleErr);
        r.centre.push_back(centreErr);
        r.scale.push_back(scaleErr);
        r.angle.push_back(angleErr);
        if (centreErr <= 0.03f && scaleErr <= 0.05f && angleErr <= 2.0f) ++r.good;
    }
    return r;
}

inline void expectAccurate(const AccuracyReport& r)
{
    auto worst = [](const std::vector<float>& v) { return v.empty() ? 0.0f : *std::max_element(v.begin(), v.end()); };
    std::printf("placement of %d photos: %d within bounds, %d without a face\n"
                "  centre error (share of cut-out width): median %.4f, worst %.4f\n"
                "  scale error (share): median %.4f, worst %.4f\n"
                "  angle error (degrees): median %.2f, worst %.2f\n",
                r.photos, r.good, r.missed, median(r.centre), worst(r.centre), median(r.scale), worst(r.scale),
                median(r.angle), worst(r.angle));
    EXPECT_GE(r.good * 100, r.photos * 95) << r.good << " of " << r.photos;
}

} // namespace salon::testing
