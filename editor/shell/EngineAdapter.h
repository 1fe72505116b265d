#pragma once
// The editor's image engine behind the shell's facade.
#include "editor/engine/Engine.h"
#include "editor/shell/EngineLink.h"

namespace salon {

class EngineAdapter final : public EngineLink {
public:
    explicit EngineAdapter(Engine& engine) : e(engine) {}

    int32_t& EditMode() override { return e.EditMode; }
    bool& FaceLoaded() override { return e.FaceLoaded; }
    bool& ModelLoaded() override { return e.ModelLoaded; }
    uint8_t& RepeatCode() override { return e.RepeatCode; }
    std::string& ModelFile() override { return e.ModelFile; }
    std::string& PhotoFile() override { return e.PhotoFile; }
    int32_t& CutCentreX() override { return e.CutCentreX; }
    int32_t& CutCentreY() override { return e.CutCentreY; }
    int32_t& FaceX() override { return e.FaceX; }
    int32_t& FaceY() override { return e.FaceY; }
    float& ScaleX() override { return e.ScaleX; }
    float& ScaleY() override { return e.ScaleY; }
    int32_t& DeformH() override { return e.DeformH; }
    int32_t& DeformV() override { return e.DeformV; }
    float& Angle() override { return e.Angle; }
    float& LineAngle() override { return e.LineAngle; }
    float ModelAngle() const override { return e.ModelAngle; }
    Surface& surface(int index) override { return e.Surfaces[size_t(index)]; }

    void setViewFrame(int32_t width, int32_t height) override;
    void UndoStep(int32_t op) override { e.UndoStep(op); }
    void RenderFace(bool force) override { e.RenderFace(force); }
    void RebuildResult() override;
    void ShowFaceView() override { e.ShowFaceView(); }
    void MirrorFace() override;
    bool ChooseModel() override { return e.ModelChosen(); }
    bool LoadPhoto(bool reload) override { return e.LoadPhoto(reload); }
    void FitFace(int32_t level) override { e.FaceColourCommand(level); }
    PlaceAnswer AutoPlace() override;

    // Where the right view's frame starts (the left one starts at 5).
    int32_t rightFrameLeft = 0;

private:
    Engine& e;
};

} // namespace salon
