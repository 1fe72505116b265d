// DeformTurnPixels and DeformTiltPixels: the imitated head turn and tilt, the non-linear stretch
// of the platform (StretchKernels.h) with the editor's rule for the last but one sample.
#include "editor/engine/DeformKernels.h"
#include "editor/engine/FaceTransform.h"

#include <cstddef>

namespace salon {

namespace {

bool deformable(const PixelBuffer& b, float f)
{
    return f >= 0.2f && f <= 1.8f && b.hasShape() && b.Width >= 21 && b.Height >= 21;
}

StretchImage frameOf(const PixelBuffer& source, PixelBuffer& out)
{
    return {source.Data.data(), size_t(source.RowBytes), out.Data.data(), size_t(out.RowBytes), source.Width,
            source.Height};
}

} // namespace

bool DeformTurnPixelsWith(PixelBuffer& buffer, float f, PixelKernel kernel)
{
    if (!deformable(buffer, f)) return false;
    PixelBuffer out = PixelBuffer::allocate(buffer.Width, buffer.Height);
    stretchAlongRows(frameOf(buffer, out), stretchTaps(buffer.Width, f, LastButOne::ThirdDropped), kernel);
    out.Valid = buffer.Valid;
    buffer = std::move(out);
    return true;
}

bool DeformTiltPixelsWith(PixelBuffer& buffer, float f, PixelKernel kernel)
{
    if (!deformable(buffer, f)) return false;
    PixelBuffer out = PixelBuffer::allocate(buffer.Width, buffer.Height);
    stretchDownColumns(frameOf(buffer, out), stretchTaps(buffer.Height, f, LastButOne::ThirdDropped), kernel);
    out.Valid = buffer.Valid;
    buffer = std::move(out);
    return true;
}

bool DeformTurnPixels(PixelBuffer& buffer, float f)
{
    static const PixelKernel fastest = fastestPixelKernel();
    return DeformTurnPixelsWith(buffer, f, fastest);
}

bool DeformTiltPixels(PixelBuffer& buffer, float f)
{
    static const PixelKernel fastest = fastestPixelKernel();
    return DeformTiltPixelsWith(buffer, f, fastest);
}

} // namespace salon
