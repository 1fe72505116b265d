// The five-step history of the face transforms, its redo entry, and the retouch undo.
#include "editor/engine/Engine.h"

#include "platform/Numbers.h"

#include <algorithm>

namespace salon {

namespace {

HistoryEntry entryOf(const FaceState& s)
{
    return {s.ScaleX, s.ScaleY, float(s.FaceX), float(s.FaceY), float(s.DeformH), float(s.DeformV), float(s.Mirror),
            s.Angle};
}

FaceState stateOf(const HistoryEntry& e)
{
    return {e[0], e[1], roundHalfEven(e[2]), roundHalfEven(e[3]), roundHalfEven(e[4]), roundHalfEven(e[5]),
            roundHalfEven(e[6]), e[7]};
}

bool allZero(const HistoryEntry& e)
{
    return std::all_of(e.begin(), e.end(), [](float v) { return v == 0.0f; });
}

} // namespace

void Engine::UndoStep(int32_t operation)
{
    // A guide line waiting for its rotation: a step back drops the line and nothing else.
    if (LinePending && operation == 1) {
        LinePending = false;
        LineAngle = 0.0f;
        ShowFaceViewAndResult();
        return;
    }
    LinePending = operation == 2 && EditMode == 13;

    if (EditMode == 6) {
        if (operation == 0) {
            bitBlt(Surfaces[RetouchUndo], 0, 0, ModelW, ModelH, Surfaces[Composite], 0, 0, RasterOp::SrcCopy);
            RetouchUndoAvailable = true;
        } else if (operation == 1 && RetouchUndoAvailable) {
            RetouchUndoAvailable = false;
            bitBlt(Surfaces[Composite], 0, 0, ModelW, ModelH, Surfaces[RetouchUndo], 0, 0, RasterOp::SrcCopy);
            WorkBuffer = GetPixels(Composite);
            ShowResult();
        }
        return;
    }
    if (EditMode != 2 && (EditMode < 9 || EditMode > 13)) return;
    RetouchUndoAvailable = false;

    auto record = [this] {
        RedoEntry = {};
        std::copy_backward(History.begin(), History.end() - 1, History.end());
        History[0] = entryOf(State());
        HistoryCount = std::min(HistoryCount + 1, 5);
    };

    if (operation == 1) {
        if (HistoryCount < 1 || allZero(History[0])) return;
        RedoEntry = entryOf(State());
        SetState(stateOf(History[0]));
        RenderFace(true);
        std::copy(History.begin() + 1, History.end(), History.begin());
        History[4] = {};
        --HistoryCount;
    } else if (operation == 10) {
        if (allZero(RedoEntry)) return;
        const HistoryEntry redo = RedoEntry;
        record();
        SetState(stateOf(redo));
        RenderFace(true);
    } else {
        record();
        return;
    }
    ComposeResult();
    MaskFaceLayer();
    ShowFaceViewAndResult();
}

void Engine::AlignToModel()
{
    if (LineAngle == 0.0f) return;
    UndoStep(0);
    Angle = Angle + LineAngle - ModelAngle;
    RenderFace(true);
    ComposeResult();
    MaskFaceLayer();
    ShowFaceViewAndResult();
    LineAngle = 0.0f;
}

} // namespace salon
