// The face-colour command, the swatch click and the return to the model's own hair: each rebuilds
// the composite, refills the colour buffers and runs the pixel steps of FaceColour.h.
#include "editor/engine/FaceColour.h"

#include "editor/engine/Engine.h"
#include "editor/engine/Swatches.h"

namespace salon {

void Engine::colourBuffers()
{
    ComposeResult();
    KeepImage(FaceLayer);
    BaseBuffer = Model2Buffer;
    FaceBuffer = GetPixels(FaceLayer);
    WorkBuffer = GetPixels(ModelPicture);
}

void Engine::FaceColourCommand(int32_t button)
{
    if (button == SeamlessFitButton) {
        SeamlessFit();
        return;
    }
    SeamlessMatch = false;
    ui.setCursor(Cursor::Hourglass);
    colourBuffers();
    HairChoice = 0;
    StrongMatch = button == 0;
    MatchFaceColour(FaceBuffer, BaseBuffer, Mask1, SkinColour, StrongMatch, WorkBuffer);
    RecolourHair(HairChoice, HairColour, Model1Buffer, BaseBuffer, Mask2, Mask3, WorkBuffer);
    PutPixels(Composite, WorkBuffer);
    ShowResult();
    ui.setCursor(Cursor::Default);
}

bool Engine::SwatchAllowed(int32_t index) const
{
    const int32_t value = SwatchValue(index);
    if (value < 0) return false;
    return RangeFlag == 0 || (RangeLow <= value && value <= RangeHigh);
}

bool Engine::SwatchClick(int32_t index)
{
    if (!SwatchAllowed(index)) return false;
    HairChoice = SwatchColours(index);
    colourBuffers();
    // A seamlessly fitted face stays seamless under a new hair colour; should the blend fail now,
    // the face is matched as the colour buttons match it rather than left out.
    std::string why;
    if (!SeamlessMatch || !SeamlessFaceColour(FaceBuffer, BaseBuffer, Mask1, WorkBuffer, why))
        MatchFaceColour(FaceBuffer, BaseBuffer, Mask1, SkinColour, StrongMatch, WorkBuffer);
    BlendHair(Model1Buffer, Mask2, Mask3, WorkBuffer);
    // The recolouring blends over the finished face, not over model picture 2.
    BaseBuffer = WorkBuffer;
    RecolourHair(HairChoice, HairColour, Model1Buffer, BaseBuffer, Mask2, Mask3, WorkBuffer);
    PutPixels(Composite, WorkBuffer);
    ShowResult();
    return true;
}

void Engine::OwnHairColour()
{
    HairChoice = 0;
    colourBuffers();
    MatchFaceColour(FaceBuffer, BaseBuffer, Mask1, SkinColour, StrongMatch, WorkBuffer);
    BlendHair(Model1Buffer, Mask2, Mask3, WorkBuffer);
    PutPixels(Composite, WorkBuffer);
    ShowResult();
}

} // namespace salon
