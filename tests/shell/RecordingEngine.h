#pragma once
// A stand-in for the image engine that keeps the shared values and records which procedures the
// window logic called, so the handler tests can check decisions without pixels.
#include "editor/shell/Editor.h"
#include "editor/shell/EngineLink.h"
#include "editor/shell/texts/Texts.h"

#include <array>
#include <string>
#include <vector>

namespace salon::test {

struct RecordingEngine : EngineLink {
    int32_t editMode = 1;
    bool faceLoaded = false, modelLoaded = false;
    uint8_t repeatCode = 0;
    std::string modelFile, photoFile;
    int32_t cutX = 256, cutY = 280;
    int32_t faceX = 0, faceY = 0, deformH = 0, deformV = 0;
    float scaleX = 1, scaleY = 1, angle = 0, lineAngle = 0, modelAngle = 0;
    std::array<Surface, 11> surfaces;

    std::vector<int32_t> undoOps;
    int rebuilds = 0, renders = 0, faceViews = 0, mirrors = 0;
    std::vector<int32_t> fits;
    bool modelLoads = true, photoLoads = true;
    int32_t frameW = 0, frameH = 0;

    int32_t& EditMode() override { return editMode; }
    bool& FaceLoaded() override { return faceLoaded; }
    bool& ModelLoaded() override { return modelLoaded; }
    uint8_t& RepeatCode() override { return repeatCode; }
    std::string& ModelFile() override { return modelFile; }
    std::string& PhotoFile() override { return photoFile; }
    int32_t& CutCentreX() override { return cutX; }
    int32_t& CutCentreY() override { return cutY; }
    int32_t& FaceX() override { return faceX; }
    int32_t& FaceY() override { return faceY; }
    float& ScaleX() override { return scaleX; }
    float& ScaleY() override { return scaleY; }
    int32_t& DeformH() override { return deformH; }
    int32_t& DeformV() override { return deformV; }
    float& Angle() override { return angle; }
    float& LineAngle() override { return lineAngle; }
    float ModelAngle() const override { return modelAngle; }
    Surface& surface(int index) override { return surfaces[size_t(index)]; }
    void setViewFrame(int32_t w, int32_t h) override { frameW = w, frameH = h; }
    void UndoStep(int32_t op) override { undoOps.push_back(op); }
    void RenderFace(bool) override { ++renders; }
    // Like the engine's redraw: the pending repeat is released once the pictures are drawn.
    void RebuildResult() override
    {
        ++rebuilds;
        if (repeatCode >= 100)
            repeatCode = uint8_t(repeatCode - 100);
    }
    void ShowFaceView() override { ++faceViews; }
    void MirrorFace() override { ++mirrors, angle = -angle; }
    bool ChooseModel() override { return modelLoads; }
    bool LoadPhoto(bool) override { return photoLoads; }
    void FitFace(int32_t level) override { fits.push_back(level); }
    // The answer the next placements give; each placement is recorded as undo op 0 when placed.
    PlaceAnswer placeAnswer{Placing::Placed, {}};
    int placements = 0;
    PlaceAnswer AutoPlace() override
    {
        ++placements;
        if (placeAnswer.outcome == Placing::Placed) {
            undoOps.push_back(0);
            ++rebuilds;
        }
        return placeAnswer;
    }
};

struct ScriptedHost : EditorHost {
    // What the user does in the question window: 'y' Yes, 'n' No, 't' the third button then Yes,
    // 'u' the third button then No.
    std::vector<char> answers;
    int questions = 0, catalogues = 0, helps = 0, ends = 0;
    std::function<void(CatalogueForm&)> onCatalogue;

    void showCatalogue(CatalogueForm& f) override
    {
        ++catalogues;
        if (onCatalogue)
            onCatalogue(f);
        else
            f.Command1_Click();
    }
    void showQuestion(QuestionForm& f) override
    {
        ++questions;
        char a = answers.empty() ? 'n' : answers.front();
        if (!answers.empty())
            answers.erase(answers.begin());
        if (a == 't' || a == 'u')
            f.Command1_Click();
        if (a == 'y' || a == 't')
            f.Command3_Click();
        else
            f.Command2_Click();
    }
    void showHelp() override { ++helps; }
    void endProgram() override { ++ends; }
};

// An editor started over a 1024 x 768 work area, with both a model and a photo loaded.
struct EditorFixture {
    RecordingEngine engine;
    ScriptedUi ui;
    ScriptedHost host;
    Editor editor{engine, ui, host};
    std::vector<int32_t> hints;

    EditorFixture()
    {
        editor.commands.showHint = [this](int32_t topic) { hints.push_back(topic); };
        editor.workArea = {0, 0, 1024 * 15, 768 * 15};
        editor.InitMainWindow();
        hints.clear();
    }
    void loadBoth()
    {
        engine.modelLoaded = engine.faceLoaded = true;
        engine.editMode = 2;
        editor.ShowPanel(2);
    }
    void click(int index, int button = LeftButton, int shift = 0)
    {
        editor.Funkce_MouseDown(index, button, shift, 0, 0);
        editor.Funkce_MouseUp(index, button, shift, 0, 0);
    }
    int pressedButton() const
    {
        int pressed = -1;
        for (int i = 0; i < 16; ++i)
            if (editor.form.Funkce[i].BorderStyle == 1)
                pressed = pressed == -1 ? i : 99;
        return pressed;
    }
};

} // namespace salon::test
