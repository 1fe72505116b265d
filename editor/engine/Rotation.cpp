// RotatedPixels: the bilinear rotation of a photo about a point near its face, through the
// platform's rotation kernels (platform/RotationKernels.h).
#include "editor/engine/FaceTransform.h"
#include "editor/engine/RotationKernels.h"

#include "platform/Numbers.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace salon {

PixelBuffer RotatedPixelsWith(const PixelBuffer& source, float angle, PixelKernel kernel)
{
    PixelBuffer out = PixelBuffer::allocate(source.Width, source.Height);
    out.Valid = source.Valid;
    if (!source.hasShape()) return out;
    const int32_t W = source.Width, H = source.Height;
    // The program has always used 3.141529 here, not pi; the angles users have tuned their
    // pictures with depend on it.
    const float theta = angle * 3.141529f / 180.0f;
    const float s = std::sin(theta), c = std::cos(theta);
    // Both centre coordinates come from the width: for portraits the turning point lies in the
    // upper part of the picture, around the face.
    const float cx = float(W + 1) / 2.0f, cy = cx;
    const float X0 = float(roundHalfEven(cx * c + cy * s));
    const float Y0 = float(roundHalfEven(cy * c - cx * s));
    // Destination pixel (x, y), 1-based, samples the source at
    //   xs = c x + s y + cx - X0,  ys = -s x + c y + cy - Y0
    // and is drawn when its four neighbours, (ix, iy) 1-based the top-left one, lie in the photo.
    RotationSampling f{};
    f.source = source.Data.data();
    f.sourceRowBytes = size_t(source.RowBytes);
    f.sourceBytes = source.Data.size();
    f.c = c;
    f.s = s;
    f.shiftX = 0.0f;
    f.addX = cx;
    f.subX = X0;
    f.addY = cy;
    f.subY = Y0;
    f.lowest = -std::numeric_limits<float>::infinity();
    f.lowIndex = 1;
    f.highX = W - 1;
    f.highY = H - 1;
    f.origin = 1;
    // Each value multiplied by its weights in turn, as the editor's formula reads.
    f.order = BilinearOrder::ValueFirst;
    for (int32_t y = 1; y <= H; ++y)
        rotateSpan(f, float(y), 1, W + 1, out.Data.data() + size_t(y - 1) * size_t(out.RowBytes), kernel);
    return out;
}

PixelBuffer RotatedPixels(const PixelBuffer& source, float angle)
{
    static const PixelKernel fastest = fastestPixelKernel();
    return RotatedPixelsWith(source, angle, fastest);
}

} // namespace salon
