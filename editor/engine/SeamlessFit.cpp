// The seamless fit: the face blended into model picture 2 in the gradient domain through mask 1,
// then the model's hair laid back over it exactly as after the other fits.
#include "editor/engine/Engine.h"
#include "editor/engine/FaceColour.h"
#include "editor/engine/vision/SeamlessBlend.h"
#include "editor/shell/texts/Texts.h"
#include "platform/Numbers.h"

#include <vector>

namespace salon {

namespace {

constexpr int32_t BlendFailedText = 85;
constexpr uint8_t MaskThreshold = 8;  // as the colour match: lower mask 1 values are not face

BgrPicture pictureOf(const PixelBuffer& b) { return BgrPicture{b.Data.data(), b.Width, b.Height, size_t(b.RowBytes)}; }

} // namespace

bool SeamlessFaceColour(const PixelBuffer& face, const PixelBuffer& base, const dsl::Mask& mask1, PixelBuffer& work,
                        std::string& why)
{
    if (!face.hasShape() || !base.hasShape() || !work.hasShape() || face.Width != base.Width ||
        face.Height != base.Height || work.Width != base.Width || work.Height != base.Height) {
        why = "the face and the model differ in size";
        return false;
    }
    if (mask1.bytes.size() != size_t(mask1.width) * size_t(mask1.height)) {
        why = "mask 1 is damaged";
        return false;
    }
    std::vector<uint8_t> inside(size_t(base.Width) * size_t(base.Height), 0);
    for (int32_t y = mask1.y; y < mask1.y + mask1.height; ++y)
        for (int32_t x = mask1.x; x < mask1.x + mask1.width; ++x)
            if (base.contains(x, y) && mask1.at(x, y) >= MaskThreshold)
                inside[size_t(y) * size_t(base.Width) + size_t(x)] = 255;
    PixelBuffer blended = base;
    const BlendResult r = seamlessBlend(pictureOf(face), pictureOf(base), inside.data(), blended.Data.data());
    if (!r.ok) {
        why = r.error;
        return false;
    }
    // Laid in through mask 1's soft edge as the colour match lays its face; 0.995 keeps
    // base x beta + alpha x 255 below 255.5 there too.
    for (int32_t y = mask1.y; y < mask1.y + mask1.height; ++y)
        for (int32_t x = mask1.x; x < mask1.x + mask1.width; ++x) {
            if (!base.contains(x, y)) continue;
            const uint8_t m = mask1.at(x, y);
            if (m < MaskThreshold) continue;
            const float alpha = float(m) / 255.0f;
            const float beta = (1.0f - alpha) * 0.995f;
            const uint8_t* b = base.pixel(x, y);
            const uint8_t* s = blended.pixel(x, y);
            uint8_t* w = work.pixel(x, y);
            for (int c = 0; c < 3; ++c) w[c] = toByte(float(b[c]) * beta + alpha * float(s[c]));
        }
    return true;
}

bool Engine::SeamlessFit()
{
    ui.setCursor(Cursor::Hourglass);
    // The composition below rebuilds both; a failed blend puts them back.
    const Surface composite = Surfaces[Composite], faceLayer = Surfaces[FaceLayer];
    colourBuffers();
    std::string why;
    PixelBuffer work = WorkBuffer;
    if (!SeamlessFaceColour(FaceBuffer, BaseBuffer, Mask1, work, why)) {
        Surfaces[Composite] = composite;
        Surfaces[FaceLayer] = faceLayer;
        ShowResult();
        ui.setCursor(Cursor::Default);
        ui.message(ResText(BlendFailedText) + " (" + why + ")", MsgButtons::Ok, MsgIcon::Exclamation);
        return false;
    }
    HairChoice = 0;
    SeamlessMatch = true;
    WorkBuffer = std::move(work);
    RecolourHair(HairChoice, HairColour, Model1Buffer, BaseBuffer, Mask2, Mask3, WorkBuffer);
    PutPixels(Composite, WorkBuffer);
    ShowResult();
    ui.setCursor(Cursor::Default);
    return true;
}

} // namespace salon
