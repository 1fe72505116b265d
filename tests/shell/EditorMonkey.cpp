#include "EditorMonkey.h"

#include "editor/engine/Engine.h"
#include "editor/engine/FaceTransform.h"
#include "editor/shell/Editor.h"
#include "editor/shell/EngineAdapter.h"
#include "editor/shell/HelpCommands.h"
#include "editor/shell/Placement.h"
#include "editor/shell/SaveAndPrintCommands.h"
#include "editor/shell/StampPanel.h"
#include "editor/shell/SwatchCommands.h"
#include "tests/engine/EngineFixture.h"
#include "tools/authoring/Catalogue.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <random>
#include <set>
#include <sstream>
#include <iostream>
#include <cstdlib>

namespace salon::monkey {
namespace {

namespace fs = std::filesystem;

// The data drive M: of every run, made once: two categories of small models (one of them damaged
// after the catalogue was built), photos good and bad, and a folder to save into.
struct Drive {
    fs::path root;
    std::vector<std::string> openChoices;  // what the open dialog may answer (native paths)
    std::vector<std::string> saveChoices;

    Drive()
    {
        root = fs::temp_directory_path() / ("salon-monkey-" + std::to_string(::getpid()));
        fs::remove_all(root);
        fs::create_directories(root / "sources");
        fs::create_directories(root / "photos");
        auto model = [&](const std::string& name, int32_t w, int32_t h, Rect cut, uint8_t shade) {
            const fs::path p = root / "sources" / name;
            test::writeBytes(p, dsl::serialize(test::makeModel(w, h, cut, shade), dsl::EditorMagic));
            return p;
        };
        std::vector<tools::Category> categories{
            {"Short", "DS1", "DA", {model("a.dsl", 120, 130, {30, 30, 90, 100}, 0), model("b.dsl", 100, 120, {20, 25, 80, 100}, 40),
                                    model("c.dsl", 130, 110, {40, 20, 100, 90}, 80)}},
            {"Long", "DS2", "ME", {model("d.dsl", 110, 140, {25, 35, 85, 115}, 120), model("e.dsl", 90, 90, {10, 10, 80, 80}, 160)}},
        };
        if (!tools::buildCatalogue(categories, root).ok()) throw std::runtime_error("monkey drive not built");
        // A catalogue entry whose model file went bad after the catalogue was made.
        test::writeBytes(root / "DS2" / "ME002.DSL", std::vector<uint8_t>(300, 0x5A));
        DriveTable::current().set('M', root);

        const fs::path good = root / "photos" / "face.bmp", small = root / "photos" / "small.bmp";
        test::writeBytes(good, encodeBmp(test::makePhoto(60, 70)));
        test::writeBytes(small, encodeBmp(test::makePhoto(24, 30)));
        test::writeBytes(root / "photos" / "notes.jpg", {'n', 'o', 't', ' ', 'a', ' ', 'p', 'h', 'o', 't', 'o'});
        openChoices = {good.string(), small.string(), (root / "photos" / "notes.jpg").string(),
                       (root / "photos" / "gone.bmp").string(), (root / "DS1" / "DA001.DSL").string()};
        saveChoices = {(root / "saved.bmp").string(), (root / "saved.jpg").string(), (root / "nofolder" / "x.bmp").string()};
    }
    ~Drive() { fs::remove_all(root); }
};

Drive& drive()
{
    static Drive d;
    return d;
}

template <typename T>
const T& pick(std::mt19937& rng, const std::vector<T>& from)
{
    return from[rng() % from.size()];
}

// Every dialog answered at random from the event's own seed.
class MonkeyUi : public ScriptedUi {
public:
    std::mt19937 rng;
    int answered = 0;

    MsgAnswer message(const MessageRequest& r) override
    {
        using A = MsgAnswer;
        // A dialog that keeps asking (Retry) gets the Escape answer in the end.
        if (++answered > 20) return ScriptedUi::message(r);
        switch (r.buttons) {
        case MsgButtons::Ok: return A::Ok;
        case MsgButtons::OkCancel: return pick(rng, std::vector{A::Ok, A::Cancel});
        case MsgButtons::AbortRetryIgnore: return pick(rng, std::vector{A::Abort, A::Retry, A::Ignore});
        case MsgButtons::YesNoCancel: return pick(rng, std::vector{A::Yes, A::No, A::Cancel});
        case MsgButtons::YesNo: return pick(rng, std::vector{A::Yes, A::No});
        case MsgButtons::RetryCancel: return pick(rng, std::vector{A::Retry, A::Cancel});
        }
        return A::Cancel;
    }
    using Ui::message;

    std::optional<FileDialogAnswer> chooseFile(const FileDialogRequest& r) override
    {
        if (rng() % 4 == 0) return std::nullopt;
        const auto& from = r.kind == FileDialogKind::Open ? drive().openChoices : drive().saveChoices;
        return FileDialogAnswer{{pick(rng, from)}, r.filterIndex};
    }
    std::optional<uint32_t> chooseColour(uint32_t) override
    {
        if (rng() % 3 == 0) return std::nullopt;
        return rng() & 0xFFFFFF;
    }
    std::optional<uint32_t> colourDialog(const ColourDialogRequest&) override { return chooseColour(0); }
    std::unique_ptr<PrintJob> startPrint(const PrintRequest& r) override
    {
        if (rng() % 3 == 0) return nullptr;
        return ScriptedUi::startPrint(r);
    }

    // What the scripted Ui records would grow without end over a long run.
    void forget()
    {
        messages.clear(), fileRequests.clear(), printRequests.clear(), colourRequests.clear();
        fontRequests.clear(), colourDialogs.clear(), fontDialogs.clear(), printDialogs.clear(), printed.clear();
        cursors.clear();
        answered = 0;
    }
};

class MonkeyHost : public EditorHost {
public:
    explicit MonkeyHost(std::mt19937& rng) : m_rng(rng) {}
    bool ended = false;

    // A few looks around the catalogue, then a choice, a cancel or the close box.
    void showCatalogue(CatalogueForm& f) override
    {
        for (int step = 0; step < 6 && f.Visible; ++step) {
            switch (m_rng() % 6) {
            case 0:
                if (!f.List1.items.empty()) {
                    f.List1.ListIndex = int32_t(m_rng() % f.List1.items.size());
                    f.List1_Click();
                }
                break;
            case 1:
                f.HScroll1.Value = f.HScroll1.Min + int32_t(m_rng() % uint32_t(f.HScroll1.Max - f.HScroll1.Min + 1));
                f.HScroll1_Change();
                break;
            case 2:
            case 3: f.Picture1_Click(int(m_rng() % 4)); break;
            case 4: f.Command1_Click(); break;
            default: f.Form_Unload(); break;
            }
        }
        if (f.Visible) f.Command1_Click();
    }
    void showQuestion(QuestionForm& f) override
    {
        const uint32_t a = m_rng() % 4;
        if (a >= 2) f.Command1_Click();  // "do not ask again"
        if (a % 2 == 0) f.Command3_Click();
        else f.Command2_Click();
    }
    void showHelp() override {}
    void endProgram() override { ended = true; }

private:
    std::mt19937& m_rng;
};

// What the user still holds: the mouse on one control, keys.
struct Held {
    std::optional<Event> mouse;
    std::set<int> keys;
};

// The editor as the program assembles it, started on drive M: with small views.
struct World {
    MonkeyUi ui;
    Engine engine{ui};
    EngineAdapter adapter{engine};
    MonkeyHost host{ui.rng};
    Editor editor{adapter, ui, host};
    StampPanel stamp{editor, engine, ui};
    SwatchCommands swatches{editor, engine, ui};
    SaveAndPrintCommands files{editor, engine, ui};
    HelpCommands help{editor, drive().root / "none.tmf"};
    Held held;
    // The user kept a fitted or recoloured result when going back to placing the face: the face
    // layer then holds the colour work's unmasked face until the next step redraws both views.
    bool faceLayerInUse = false;

    World()
    {
        drive();
        stamp.install();
        swatches.install();
        files.install();
        help.install();
        if (!editor.Form_Load({"/M"}, drive().root.string(), {0, 0, 1024 * 15, 768 * 15}))
            throw std::runtime_error("the editor did not start on the monkey drive");
        adapter.rightFrameLeft = rightAreaLeft(editor.layout);
        // Small views keep ten thousand events within seconds; the logic is the same at any size.
        adapter.setViewFrame(160, 170);
        ui.forget();
    }
};

Control* controlOf(Form1& f, int target, int sub)
{
    auto at = [sub](auto& array) -> Control* { return sub >= 0 && size_t(sub) < array.size() ? &array[size_t(sub)] : nullptr; };
    switch (target) {
    case Funkce: return at(f.Funkce);
    case Sipka: return at(f.Sipka);
    case SSipka: return at(f.SSipka);
    case Tlac: return at(f.Tlac);
    case OblImg: return at(f.OblImg);
    case TSipka: return at(f.TSipka);
    case QSipka: return at(f.QSipka);
    case BarImg: return at(f.BarImg);
    case PicStopa: return &f.PicStopa;
    case Vzornik: return &f.Vzornik[0];
    case HScroll: return &f.HScroll1;
    case Picture1: return &f.Picture1;
    case Picture2: return &f.Picture2;
    default: return nullptr;
    }
}

// The editor's group of a target; the horizontal scroll bar is no pressed control.
ControlGroup groupOf(Target t)
{
    switch (t) {
    case Funkce: return ControlGroup::Funkce;
    case Sipka: return ControlGroup::Sipka;
    case SSipka: return ControlGroup::SSipka;
    case Tlac: return ControlGroup::Tlac;
    case OblImg: return ControlGroup::OblImg;
    case TSipka: return ControlGroup::TSipka;
    case QSipka: return ControlGroup::QSipka;
    case BarImg: return ControlGroup::BarImg;
    case PicStopa: return ControlGroup::PicStopa;
    case Vzornik: return ControlGroup::Vzornik;
    case Picture1: return ControlGroup::Picture1;
    case Picture2: return ControlGroup::Picture2;
    default: return ControlGroup::None;
    }
}

void mouseDown(World& w, const Event& e, int x, int y)
{
    Editor& ed = w.editor;
    if (e.target == HScroll) {
        ScrollBar& s = ed.form.HScroll1;
        s.Value = s.Min + int32_t(int64_t(s.Max - s.Min) * e.x / 100);
        if (ed.commands.HScroll1_Change) ed.commands.HScroll1_Change();
        return;
    }
    ed.mouseDown(groupOf(Target(e.target)), e.sub, e.button, e.shift, x, y);
}

void mouseUp(World& w, const Event& down, int x, int y)
{
    w.editor.mouseUp(groupOf(Target(down.target)), down.sub, down.button, down.shift, x, y);
}

// Only what a person can reach gets the event: a shown, enabled control of a shown window.
Control* reachable(World& w, const Event& e)
{
    Control* c = controlOf(w.editor.form, e.target, e.sub);
    return (c && w.editor.form.Visible && c->Visible && c->Enabled) ? c : nullptr;
}

// False when the event found nothing to act on (a hidden control, a key not held, a timer off).
bool dispatch(World& w, const Event& e)
{
    Editor& ed = w.editor;
    Held& held = w.held;
    switch (e.act) {
    case Act::Press:
    case Act::Click: {
        Control* c = held.mouse ? nullptr : reachable(w, e);
        if (!c) return false;
        const int x = c->Width * e.x / 100, y = c->Height * e.y / 100;
        held.mouse = e;
        mouseDown(w, e, x, y);
        if (e.act == Act::Click && held.mouse) {
            held.mouse.reset();
            mouseUp(w, e, x, y);
        }
        break;
    }
    case Act::Release: {
        if (!held.mouse) return false;
        const Event down = *held.mouse;
        held.mouse.reset();
        const Control* c = controlOf(ed.form, down.target, down.sub);
        mouseUp(w, down, c->Width * e.x / 100, c->Height * e.y / 100);
        break;
    }
    case Act::Move: {
        const Control& p = ed.form.Picture1;
        if (!ed.form.Visible || !p.Visible) return false;
        const int button = held.mouse && held.mouse->target == Picture1 ? held.mouse->button : 0;
        ed.Picture1_MouseMove(button, e.shift, p.Width * e.x / 100, p.Height * e.y / 100);
        break;
    }
    case Act::KeyDown:
        held.keys.insert(e.sub);
        ed.Form_KeyDown(e.sub, e.shift);
        break;
    case Act::KeyUp:
        if (held.keys.erase(e.sub) == 0) return false;
        ed.Form_KeyUp(e.sub, e.shift);
        break;
    case Act::Timer1:
        if (!ed.form.Timer1.Enabled) return false;
        ed.Timer1_Timer();
        break;
    case Act::Timer2:
        if (!ed.form.Timer2.Enabled) return false;
        ed.Timer2_Timer();
        break;
    case Act::CloseBox:
        if (ed.Form_QueryUnload(0)) w.host.ended = true;
        break;
    case Act::Display: {
        // Work areas in twips; the smallest is refused and the old layout kept.
        static const WorkArea areas[] = {{0, 0, 1024 * 15, 768 * 15}, {0, 0, 1280 * 15, 1024 * 15},
                                         {15 * 40, 0, 1000 * 15, 740 * 15}, {0, 0, 640 * 15, 480 * 15}};
        ed.SysInfo1_DisplayChanged(areas[size_t(e.sub) % std::size(areas)]);
        // As the program does next, with the monkey's small frame.
        w.adapter.rightFrameLeft = rightAreaLeft(ed.layout);
        w.adapter.setViewFrame(160, 170);
        break;
    }
    }
    return true;
}

// ---- invariants ----

struct Before {
    int32_t mode = 1;
    bool face = false, model = false;
    int32_t historyCount = 0;
    HistoryEntry latest{};  // the newest history entry
    FaceState state;

    explicit Before(const Engine& e)
        : mode(e.EditMode), face(e.FaceLoaded), model(e.ModelLoaded), historyCount(e.HistoryCount), latest(e.History[0]), state(e.State())
    {
    }
};

std::string describe(const FaceState& s)
{
    std::ostringstream o;
    o << "scale " << s.ScaleX << " x " << s.ScaleY << ", at " << s.FaceX << "," << s.FaceY << ", deform " << s.DeformH
      << "," << s.DeformV << ", mirror " << s.Mirror << ", angle " << s.Angle;
    return o.str();
}

// A view must hold its picture stretched as the engine stretches it.
bool showsStretched(const Surface& view, const Surface& picture, int32_t w, int32_t h)
{
    Surface expected(view.width(), view.height());
    expected.stretchMode = view.stretchMode;
    stretchBlt(expected, 0, 0, view.width(), view.height(), picture, 0, 0, w, h, RasterOp::SrcCopy);
    return expected.image() == view.image();
}

// The same placement; angles are the same turn whole turns apart (the renderer brings them into
// 0..360).
bool samePlacement(const FaceState& a, const FaceState& b)
{
    float angleA = a.Angle, angleB = b.Angle;
    NormaliseAngle(angleA);
    NormaliseAngle(angleB);
    return a.ScaleX == b.ScaleX && a.ScaleY == b.ScaleY && a.FaceX == b.FaceX && a.FaceY == b.FaceY &&
           a.DeformH == b.DeformH && a.DeformV == b.DeformV && a.Mirror == b.Mirror && angleA == angleB;
}

bool commandAvailable(const Editor& ed, int i, int32_t mode)
{
    bool available = mode >= 2 || i == 0 || i == 1 || i == 6 || i == 7 || i == 9 || i == 15;
    if (i == 3 && !ed.colourAllowed()) available = false;
    return available;
}

// Backspace, or the undo command (Funkce 15) coming up.
bool isStepBack(const Event& e, const std::optional<Event>& heldBefore)
{
    if (e.act == Act::KeyDown) return e.sub == 8;
    if (e.act == Act::Click) return e.target == Funkce && e.sub == 15 && !heldBefore;
    if (e.act == Act::Release) return heldBefore && heldBefore->target == Funkce && heldBefore->sub == 15;
    return false;
}

using Check = std::optional<std::string>;

// What is loaded stays loaded, under its own name, and the mode follows it.
Check loads(const Engine& en, const Before& before)
{
    const int32_t mode = en.EditMode;
    if (before.face && !en.FaceLoaded) return "the loaded face disappeared";
    if (before.model && !en.ModelLoaded) return "the loaded model disappeared";
    if (en.FaceLoaded && (en.PhotoFile.empty() || en.Surfaces[LoadedPhoto].width() < 1))
        return "a face is loaded but its photo is gone";
    // The damaged catalogue model and the text file never load.
    if (en.ModelLoaded && (en.ModelFile.empty() || en.ModelFile.find("ME002") != std::string::npos))
        return "the model loaded is named " + en.ModelFile;
    if (en.FaceLoaded && en.PhotoFile.find("notes") != std::string::npos) return "the photo loaded is named " + en.PhotoFile;
    static const std::set<int32_t> modes{1, 2, 4, 5, 6, 9, 10, 12, 13};
    if (!modes.count(mode)) return "mode " + std::to_string(mode) + " is no mode of the editor";
    if ((mode >= 2) != (en.FaceLoaded && en.ModelLoaded))
        return "mode " + std::to_string(mode) + " with face " + std::to_string(en.FaceLoaded) + " and model " +
               std::to_string(en.ModelLoaded);
    return std::nullopt;
}

// The history stays within its five entries, a step back goes to the newest one exactly, and the
// transform stays within what can be composed.
Check history(const Engine& en, const Before& before, bool stepBack)
{
    if (en.HistoryCount < 0 || en.HistoryCount > 5) return "history count " + std::to_string(en.HistoryCount);
    for (int k = 0; k < 5; ++k) {
        const auto& entry = en.History[size_t(k)];
        const bool zero = std::all_of(entry.begin(), entry.end(), [](float v) { return v == 0; });
        if (zero != (k >= en.HistoryCount))
            return "history entry " + std::to_string(k + 1) + " against count " + std::to_string(en.HistoryCount);
    }
    // (Loads empty the history too; only a step back must land on the newest entry.)
    if (stepBack && en.HistoryCount == before.historyCount - 1) {
        const HistoryEntry& h = before.latest;
        const FaceState back{h[0], h[1], int32_t(h[2]), int32_t(h[3]), int32_t(h[4]), int32_t(h[5]), int32_t(h[6]), h[7]};
        if (!samePlacement(en.State(), back))
            return "a step back did not restore the newest history entry: " + describe(en.State()) + " instead of " +
                   describe(back);
    }
    if (!(std::isfinite(en.ScaleX) && std::isfinite(en.ScaleY) && en.ScaleX > 0 && en.ScaleY > 0 && std::isfinite(en.Angle)))
        return "transform out of range";
    const Surface& photo = en.Surfaces[LoadedPhoto];
    if (en.FaceLoaded && !scaledPhotoFits(photo.width(), photo.height(), en.ScaleX, en.ScaleY))
        return "the photo is scaled past what can be composed";
    if (std::abs(en.DeformH) > DeformLimit || std::abs(en.DeformV) > DeformLimit) return "deformation past its limit";
    return std::nullopt;
}

// The window shows the mode: the views of what is loaded, the commands it allows, its sub-panel
// and its pressed button; arrows repeat only while held in their mode; no hourglass is left.
Check panel(const World& w)
{
    const Engine& en = w.engine;
    const Editor& ed = w.editor;
    const Form1& f = ed.form;
    const int32_t mode = en.EditMode;
    const bool arrowByMouse = w.held.mouse && (w.held.mouse->target == Sipka || w.held.mouse->target == SSipka);
    if (f.Timer1.Enabled && !arrowByMouse && ed.heldArrowKey == 0) return "the arrows repeat with none held";
    if (f.Timer1.Enabled && mode != 9 && mode != 10) return "the arrows repeat in mode " + std::to_string(mode);
    // (A coarse turn keeps the hourglass while its arrow is held down.)
    if (!w.ui.cursors.empty() && w.ui.cursors.back() == Cursor::Hourglass && !arrowByMouse) return "the hourglass stays";
    if (f.Picture3[0].Visible) return std::nullopt;  // the full view hides the panel

    if (f.Picture1.Visible != en.FaceLoaded) return "the left view is shown " + std::to_string(f.Picture1.Visible) + " with face " + std::to_string(en.FaceLoaded);
    if (f.Picture2.Visible != en.ModelLoaded) return "the right view is shown " + std::to_string(f.Picture2.Visible) + " with model " + std::to_string(en.ModelLoaded);
    for (int i = 0; i < 16; ++i)
        if (f.Funkce[size_t(i)].Enabled != commandAvailable(ed, i, mode))
            return "command " + std::to_string(i) + " enabled " + std::to_string(f.Funkce[size_t(i)].Enabled) + " in mode " + std::to_string(mode);
    auto anyShown = [](const auto& controls) { return std::any_of(controls.begin(), controls.end(), [](const Control& c) { return c.Visible; }); };
    const bool placement = mode == 9 || mode == 10 || mode == 12 || mode == 13;
    if (anyShown(f.Sipka) != placement) return "the arrows are shown " + std::to_string(!placement) + " in mode " + std::to_string(mode);
    if (anyShown(f.OblImg) != (mode == 4)) return "the fit buttons do not follow mode " + std::to_string(mode);
    if (anyShown(f.BarImg) != (mode == 5)) return "the swatch banks do not follow mode " + std::to_string(mode);
    if (anyShown(f.TSipka) != (mode == 6)) return "the stamp buttons do not follow mode " + std::to_string(mode);
    static const std::pair<int, int32_t> modeButtons[] = {{2, 4}, {3, 5}, {4, 6}, {10, 9}, {11, 10}, {13, 12}, {14, 13}};
    const bool commandHeld = w.held.mouse && w.held.mouse->target == Funkce;
    for (auto [button, itsMode] : modeButtons)
        if (f.Funkce[size_t(button)].BorderStyle == 1 && mode != itsMode && !commandHeld)
            return "command " + std::to_string(button) + " looks pressed in mode " + std::to_string(mode);
    return std::nullopt;
}

// The views hold their pictures, sizes and pixels. The left one shows the face as placed: in the
// colour and retouch modes the face layer is the colour work's buffer instead, and a guide line
// may be drawn over it in the rotation mode.
Check views(World& w, const Before& before)
{
    const Engine& en = w.engine;
    const Form1& f = w.editor.form;
    const int32_t mode = en.EditMode;
    if (en.ModelLoaded && (f.Picture2.Width != en.Surfaces[ResultView].width() || f.Picture2.Height != en.Surfaces[ResultView].height()))
        return "the right view's size is not its picture's";
    if (en.FaceLoaded && (f.Picture1.Width != en.Surfaces[FaceView].width() || f.Picture1.Height != en.Surfaces[FaceView].height()))
        return "the left view's size is not its picture's";
    if (en.ModelLoaded && (en.Surfaces[Composite].width() != en.ModelW || en.Surfaces[Composite].height() != en.ModelH))
        return "the composite is not the model's size";
    if (en.ModelLoaded && en.ModelW >= 8 && en.ModelH >= 8 &&
        !showsStretched(en.Surfaces[ResultView], en.Surfaces[Composite], en.ModelW, en.ModelH))
        return "the right view does not show the composite";
    const bool guideLine = mode == 13 && (w.editor.lineDrawing || en.LineAngle != 0);
    const bool placing = mode == 2 || mode == 9 || mode == 10 || mode == 12 || mode == 13;
    if (!placing || !samePlacement(en.State(), before.state) || before.face != en.FaceLoaded || before.model != en.ModelLoaded)
        w.faceLayerInUse = false;
    if (placing && before.mode >= 4 && before.mode <= 6) w.faceLayerInUse = true;
    if (en.FaceLoaded && en.ModelLoaded && placing && !guideLine && !w.faceLayerInUse &&
        !showsStretched(en.Surfaces[FaceView], en.Surfaces[FaceLayer], en.ModelW, en.ModelH))
        return "the left view does not show the face layer";
    return std::nullopt;
}

Check broken(World& w, const Before& before, bool stepBack)
{
    if (auto why = loads(w.engine, before)) return why;
    if (auto why = history(w.engine, before, stepBack)) return why;
    if (auto why = panel(w)) return why;
    return views(w, before);
}

const char* actName(Act a)
{
    static const char* names[] = {"Press", "Release", "Move", "Click", "KeyDown", "KeyUp", "Timer1", "Timer2", "CloseBox", "Display"};
    return names[int(a)];
}

const char* targetName(int t)
{
    static const char* names[] = {"Funkce", "Sipka", "SSipka", "Tlac", "OblImg", "TSipka", "QSipka",
                                  "BarImg", "PicStopa", "Vzornik", "HScroll", "Picture1", "Picture2"};
    return t >= 0 && t < TargetCount ? names[t] : "?";
}

} // namespace

std::string describe(const Event& e)
{
    std::ostringstream s;
    s << "{Act::" << actName(e.act) << ", " << targetName(e.target) << ", " << e.sub << ", " << e.button << ", "
      << e.shift << ", " << e.x << ", " << e.y << ", " << e.answers << "u}";
    return s.str();
}

std::string describe(const std::vector<Event>& events)
{
    std::string s = "{\n";
    for (const Event& e : events) s += "    " + describe(e) + ",\n";
    return s + "}";
}

std::vector<Event> randomEvents(uint32_t seed, size_t count)
{
    std::mt19937 rng(seed);
    auto below = [&](uint32_t n) { return int(rng() % n); };
    static const int keys[] = {8, 13, 27, 37, 38, 39, 40, 43, 45, 61, 65, 107, 109, 112, 116};
    static const int shifts[] = {0, 0, 0, 0, 1, 2, 4, 3};
    static const int buttons[] = {1, 1, 1, 1, 1, 1, 2, 2, 4};
    // Clicks favour the commands, which change the mode, and the arrows, which change the face.
    static const int targets[] = {Funkce, Funkce, Funkce, Funkce, Funkce, Funkce, Sipka, Sipka, Sipka, SSipka, SSipka,
                                  Tlac, OblImg, TSipka, QSipka, BarImg, PicStopa, Vzornik, HScroll, Picture1,
                                  Picture1, Picture2, Picture2};
    static const int sizes[] = {16, 6, 6, 1, 2, 4, 2, 4, 1, 1, 1, 1, 1};
    std::vector<Event> events;
    events.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        Event e;
        const int roll = below(100);
        e.act = roll < 36 ? Act::Click : roll < 46 ? Act::Press : roll < 56 ? Act::Release : roll < 61 ? Act::Move
              : roll < 73 ? Act::KeyDown : roll < 81 ? Act::KeyUp : roll < 94 ? Act::Timer1 : roll < 99 ? Act::Timer2
              : below(4) == 0 ? Act::CloseBox : below(3) == 0 ? Act::Display : Act::Timer1;
        e.target = targets[below(std::size(targets))];
        e.sub = below(uint32_t(sizes[e.target]));
        // Quitting starts everything again; let the monkey get somewhere first.
        if (e.target == Funkce && e.sub == 0) e.sub = below(16);
        if (e.act == Act::KeyDown || e.act == Act::KeyUp) e.sub = keys[below(std::size(keys))];
        if (e.act == Act::Display) e.sub = below(4);
        e.button = buttons[below(std::size(buttons))];
        e.shift = shifts[below(std::size(shifts))];
        e.x = below(101);
        e.y = below(101);
        e.answers = rng();
        events.push_back(e);
    }
    return events;
}

std::string Failure::text() const { return "after event " + std::to_string(event) + ": " + why; }

std::optional<Failure> run(const std::vector<Event>& events, Coverage* coverage)
{
    Coverage ignored;
    Coverage& c = coverage ? *coverage : ignored;
    c.inMode.assign(14, 0);
    auto w = std::make_unique<World>();
    // SALON_MONKEY_TRACE=1 prints the editor's state after each event.
    static const bool trace = std::getenv("SALON_MONKEY_TRACE") != nullptr;
    for (size_t i = 0; i < events.size(); ++i) {
        if (w->host.ended) {
            w = std::make_unique<World>();
            ++c.restarts;
        }
        const Before before(w->engine);
        const std::optional<Event> heldBefore = w->held.mouse;
        w->ui.rng.seed(events[i].answers);
        c.reached += dispatch(*w, events[i]) ? 1 : 0;
        if (trace)
            std::cerr << i << " " << describe(events[i]) << " -> mode " << w->engine.EditMode << ", history "
                      << w->engine.HistoryCount << ", " << describe(w->engine.State()) << ", repeat "
                      << int(w->engine.RepeatCode) << '\n';
        if (auto why = broken(*w, before, isStepBack(events[i], heldBefore))) return Failure{i, *why};
        w->ui.forget();
        const int32_t mode = w->engine.EditMode;
        if (mode >= 0 && mode < 14) ++c.inMode[size_t(mode)];
    }
    return std::nullopt;
}

std::vector<Event> shrink(std::vector<Event> events, const Failure& failure)
{
    std::vector<Event> failing(events.begin(), events.begin() + ptrdiff_t(std::min(failure.event + 1, events.size())));
    auto stillFails = [&](const std::vector<Event>& list) {
        const auto f = run(list);
        return f && f->why == failure.why;
    };
    // Classic delta debugging over complements: drop chunks while the rest still fails, halving
    // the chunks until single events cannot be dropped.
    size_t chunks = 2;
    while (failing.size() >= 2) {
        const size_t size = (failing.size() + chunks - 1) / chunks;
        bool dropped = false;
        for (size_t start = 0; start < failing.size(); start += size) {
            std::vector<Event> rest(failing.begin(), failing.begin() + ptrdiff_t(start));
            rest.insert(rest.end(), failing.begin() + ptrdiff_t(std::min(start + size, failing.size())), failing.end());
            if (stillFails(rest)) {
                failing = std::move(rest);
                chunks = std::max<size_t>(chunks - 1, 2);
                dropped = true;
                break;
            }
        }
        if (dropped) continue;
        if (size == 1) break;
        chunks = std::min(failing.size(), chunks * 2);
    }
    return failing;
}

} // namespace salon::monkey
