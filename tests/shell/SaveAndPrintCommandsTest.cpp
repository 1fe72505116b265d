#include "tests/shell/EditorFinishFixture.h"

#include "editor/shell/HelpFile.h"
#include "editor/shell/texts/Texts.h"

namespace salon::test {
namespace {

class SaveAndPrintCommandsTest : public EditorFinishFixture {
protected:
    void SetUp() override
    {
        EditorFinishFixture::SetUp();
        ::unsetenv("SALON_PRINT_PDF");
        loadEdit();
    }
};

TEST_F(SaveAndPrintCommandsTest, SaveWritesTheCompositeAtModelSizeAndRemembersTheName)
{
    ui.fileAnswers.push_back(FileDialogAnswer{{file("vysledek.bmp")}, 1});
    click(8);
    auto saved = loadPicture(file("vysledek.bmp"));
    ASSERT_TRUE(saved.ok());
    EXPECT_EQ(saved.value().width, 120);
    EXPECT_EQ(saved.value().height, 130);
    EXPECT_EQ(saved.value(), composite());
    EXPECT_EQ(editor.SaveFile, file("vysledek.bmp"));
    EXPECT_EQ(editor.form.Funkce[8].BorderStyle, 0);  // save never leaves its button pressed
    click(8);
    EXPECT_EQ(ui.fileRequests.back().fileName, "vysledek.bmp");
}

TEST_F(SaveAndPrintCommandsTest, PrintPutsTheCompositeCentredOnThePage)
{
    ui.pageWidth = 1000;
    ui.pageHeight = 1400;
    click(5);
    ASSERT_EQ(ui.printed.size(), 1u);
    EXPECT_EQ(ui.printed[0].picture, composite());
    // 120 x 130 enlarged by 1000 / 120 to fill the width: 130 x 8.333 = 1083.3 -> 1083 high,
    // (1400 - 1083) / 2 = 158.5 -> 158 from the top.
    EXPECT_EQ(ui.printed[0].x, 0);
    EXPECT_EQ(ui.printed[0].y, 158);
    EXPECT_EQ(ui.printed[0].w, 1000);
    EXPECT_EQ(ui.printed[0].h, 1083);
    EXPECT_EQ(ui.finishedJobs, 1);
}

TEST_F(SaveAndPrintCommandsTest, WithoutPrinterText172ComesFirstThenAPdfCanBeChosen)
{
    ui.printerPresent = false;
    ui.fileAnswers.push_back(FileDialogAnswer{{file("tisk.pdf")}, 1});
    click(5);
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages[0].text, ResText(172));
    ASSERT_EQ(ui.printRequests.size(), 1u);
    EXPECT_EQ(ui.printRequests[0].pdfFile, file("tisk.pdf"));
    EXPECT_EQ(files.lastPdf, file("tisk.pdf"));

    ui.fileAnswers.push_back(std::nullopt);  // declining the PDF prints nothing
    click(5);
    EXPECT_EQ(ui.printRequests.size(), 1u);
}

TEST_F(SaveAndPrintCommandsTest, HelpTopicsReachTheHelpWindow)
{
    std::vector<std::string> pages(17, "{\\rtf1 x}");
    pages[3] = "{\\rtf1 barvy}";
    pages[16] = "{\\rtf1 {\\b Ano} nebo Ne}";
    writeBytes(dir / "NpvHair.tmf", buildHelpFile(pages));
    help = std::make_unique<HelpCommands>(editor, dir / "NpvHair.tmf");
    help->install();
    EXPECT_NE(editor.form3.helpText.find("<b>Ano</b>"), std::string::npos);
    click(3, RightButton);
    EXPECT_EQ(host.helpShown, 1);
    EXPECT_EQ(help->pages.pictureId, 53);
    EXPECT_EQ(help->pages.form2Text.text.plainText(), "barvy");
    editor.Form_KeyDown(112, 0);  // F1
    EXPECT_EQ(help->pages.pictureId, 57);
}

} // namespace
} // namespace salon::test
