#include "editor/shell/EngineAdapter.h"

namespace salon {

void EngineAdapter::setViewFrame(int32_t width, int32_t height)
{
    e.FrameW = width;
    e.FrameH = height;
    e.ResultViewLeft = rightFrameLeft;
}

void EngineAdapter::RebuildResult()
{
    e.ComposeResult();
    e.MaskFaceLayer();
    e.ShowFaceViewAndResult();
}

EngineLink::PlaceAnswer EngineAdapter::AutoPlace()
{
    const AutoPlaceResult r = e.AutoPlace();
    switch (r.outcome) {
    case PlaceOutcome::Placed: return {Placing::Placed, {}};
    case PlaceOutcome::NoFace: return {Placing::NoFace, {}};
    case PlaceOutcome::DetectorMissing: return {Placing::DetectorMissing, r.missingFile};
    case PlaceOutcome::NoPhoto: break;
    }
    return {Placing::NoPhoto, {}};
}

void EngineAdapter::MirrorFace()
{
    e.Angle = -e.Angle;
    e.Mirror = e.Mirror ? 0 : 1;
    e.MirrorPhoto();
}

} // namespace salon
