#pragma once
// An editor with a real engine on a small model and photo made on the spot, and the stamp, swatch,
// save, print and help commands installed as the program installs them.
#include "editor/engine/Engine.h"
#include "editor/shell/Editor.h"
#include "editor/shell/EngineAdapter.h"
#include "editor/shell/HelpCommands.h"
#include "editor/shell/SaveAndPrintCommands.h"
#include "editor/shell/StampPanel.h"
#include "editor/shell/SwatchCommands.h"
#include "tests/engine/EngineFixture.h"

namespace salon::test {

struct RecordingHost : EditorHost {
    int helpShown = 0;
    void showCatalogue(CatalogueForm&) override {}
    void showQuestion(QuestionForm& form) override { form.Command3_Click(); }
    void showHelp() override { ++helpShown; }
    void endProgram() override {}
};

class EditorFinishFixture : public TempDir {
protected:
    ScriptedUi ui;
    Engine engine{ui};
    EngineAdapter adapter{engine};
    RecordingHost host;
    Editor editor{adapter, ui, host};
    StampPanel stamp{editor, engine, ui};
    SwatchCommands swatches{editor, engine, ui};
    SaveAndPrintCommands files{editor, engine, ui};
    std::unique_ptr<HelpCommands> help;

    void SetUp() override
    {
        TempDir::SetUp();
        stamp.install();
        swatches.install();
        files.install();
        help = std::make_unique<HelpCommands>(editor, dir / "none.tmf");
        help->install();
        editor.form.Vzornik[0].Width = 700;
        editor.form.Vzornik[0].Height = 100;
    }

    // A 120 x 130 model with the face cut-out in its middle, a 60 x 70 photo set in: mode 2.
    void loadEdit(dsl::Model model = makeModel(120, 130, Rect{30, 30, 90, 100}))
    {
        adapter.setViewFrame(120, 130);
        ASSERT_TRUE(editor.loadChosenModel(writeModel("m.dsl", model)));
        ASSERT_TRUE(editor.loadPhotoFile(writePhoto("p.bmp", makePhoto(60, 70))));
        ASSERT_EQ(engine.EditMode, 2);
    }

    void click(int funkce, int button = LeftButton)
    {
        editor.Funkce_MouseDown(funkce, button, 0, 0, 0);
        editor.Funkce_MouseUp(funkce, button, 0, 0, 0);
    }

    Bitmap composite() const { return engine.Surfaces[Composite].readRows(); }
};

} // namespace salon::test
