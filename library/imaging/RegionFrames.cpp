#include "RegionFrames.h"

#include "RegionHandles.h"

namespace pixol::regions {

using salon::Region;

FrameParts frameParts(const Region& r)
{
    // A pixel whose neighbour in direction d is outside: the region minus itself moved against d.
    const Region top = r.subtracted(r.offsetted(0, 1)), left = r.subtracted(r.offsetted(1, 0));
    const Region bottom = r.subtracted(r.offsetted(0, -1)), right = r.subtracted(r.offsetted(-1, 0));
    FrameParts p;
    p.dark = bottom.united(right);
    p.light = top.united(left).subtracted(p.dark);
    p.ring = p.light.united(p.dark);
    return p;
}

int32_t drawFrame(salon::Surface& obj, int32_t& h, int32_t& light, int32_t& dark, int32_t& ring, FrameStyle style)
{
    if (testRegion(h, 0) != 1) return 0;
    const FrameParts parts = frameParts(*regionOf(h));
    if (!parts.ring.isValid() || parts.ring.isEmpty()) return 0;
    // The outputs' old regions go, but never the region being framed, should a caller pass it twice.
    for (int32_t* out : {&light, &dark, &ring})
        if (*out != h) release(*out);
        else *out = 0;
    switch (style) {
    case FrameStyle::Plain: obj.fillRegion(parts.ring, obj.foreColour); break;
    case FrameStyle::Raised:
        obj.fillRegion(parts.light, FrameLight);
        obj.fillRegion(parts.dark, FrameShadow);
        break;
    case FrameStyle::Sunken:
        obj.fillRegion(parts.light, FrameShadow);
        obj.fillRegion(parts.dark, FrameLight);
        break;
    }
    light = handOut(parts.light);
    dark = handOut(parts.dark);
    ring = handOut(parts.ring);
    return 1;
}

} // namespace pixol::regions
