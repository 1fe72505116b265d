// The automatic placement in the editor: run when a photo is set into a model, and on demand from
// the move mode's bottom button. Its outcome goes to the status line over the face view, where it
// stays until the next placement or command - a message box would stop every photo without a
// face, although the manual placement still works for it.
#include "editor/shell/Editor.h"
#include "editor/shell/texts/Texts.h"

namespace salon {

namespace {

constexpr int32_t PlacedText = 83, NoFaceText = 81, NoDetectorText = 82;
constexpr int32_t StatusHeight = 20;

} // namespace

void Editor::autoPlaceFace()
{
    m_ui.setCursor(Cursor::Hourglass);
    const EngineLink::PlaceAnswer answer = m_engine.AutoPlace();
    m_ui.setCursor(Cursor::Default);
    std::string text;
    switch (answer.outcome) {
    case EngineLink::Placing::Placed: text = ResText(PlacedText); break;
    case EngineLink::Placing::NoFace: text = ResText(NoFaceText); break;
    case EngineLink::Placing::DetectorMissing: text = ResText(NoDetectorText) + answer.missingFile; break;
    case EngineLink::Placing::NoPhoto: break;
    }
    Label& status = form.Status;
    status.Caption = text;
    status.Visible = !text.empty();
    // Along the bottom edge of the face view, whatever size the model gave it.
    status.Left = form.Picture1.Left;
    status.Width = form.Picture1.Width;
    status.Height = StatusHeight;
    status.Top = form.Picture1.Top + form.Picture1.Height - StatusHeight;
}

} // namespace salon
