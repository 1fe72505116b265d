#include "editor/shell/PrintCommand.h"

#include "editor/shell/texts/Texts.h"

#include <gtest/gtest.h>

namespace salon {
namespace {

TEST(PrintPlacementTests, FillsThePrintableAreaCentredKeepingProportions)
{
    struct Case {
        int32_t pageW, pageH, W, H;
        PrintPlacement expected;
    };
    const Case cases[] = {
        // A4 at 600 dpi: 4960 / 512 = 9.6875 < 7016 / 560; 560 x 9.6875 = 5425, centred on 7016.
        {4960, 7016, 512, 560, {0, 796, 4960, 5425}},
        {400, 7016, 512, 560, {0, 3289, 400, 438}},      // narrow page: 560 * 400 / 512 = 437.5 -> 438
        {4960, 280, 512, 560, {2352, 0, 256, 280}},      // low page
        {513, 561, 512, 560, {0, 0, 513, 561}},          // 513 / 512 < 561 / 560: 560 * 1.00195 = 561.09 -> 561
        {1024, 7016, 512, 560, {0, 2948, 1024, 1120}},   // exactly twice as wide
        {5000, 1120, 512, 560, {1988, 0, 1024, 1120}},   // the height decides
    };
    for (const Case& c : cases) {
        const PrintPlacement p = printPlacement(c.pageW, c.pageH, c.W, c.H);
        EXPECT_EQ(p.x, c.expected.x) << c.pageW << "x" << c.pageH;
        EXPECT_EQ(p.y, c.expected.y) << c.pageW << "x" << c.pageH;
        EXPECT_EQ(p.w, c.expected.w) << c.pageW << "x" << c.pageH;
        EXPECT_EQ(p.h, c.expected.h) << c.pageW << "x" << c.pageH;
    }
}

TEST(PrintResultTests, NoPrinterShowsText172AndPrintsNothing)
{
    ScriptedUi ui;
    ui.printerPresent = false;
    EXPECT_EQ(PrintResult(ui, Bitmap::rgb24(512, 560)), PrintOutcome::NoPrinter);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, ResText(172));
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Information);
    EXPECT_TRUE(ui.printRequests.empty());
}

TEST(PrintResultTests, NarrowPageGetsTheShrunkCentredPictureAndTheJobEnds)
{
    ScriptedUi ui;
    ui.pageWidth = 400;
    ui.pageHeight = 1000;
    const Bitmap comp = Bitmap::rgb24(512, 560);
    EXPECT_EQ(PrintResult(ui, comp), PrintOutcome::Printed);
    ASSERT_EQ(ui.printed.size(), 1u);
    EXPECT_EQ(ui.printed[0].x, 0);
    EXPECT_EQ(ui.printed[0].w, 400);
    EXPECT_EQ(ui.printed[0].h, 438);
    EXPECT_EQ(ui.printed[0].y, 281);  // (1000 - 438) / 2
    EXPECT_EQ(ui.finishedJobs, 1);
}

TEST(PrintResultTests, PdfFilePrintsWithoutPrinterOrDialog)
{
    ScriptedUi ui;
    ui.printerPresent = false;
    EXPECT_EQ(PrintResult(ui, Bitmap::rgb24(40, 40), "/tmp/out.pdf"), PrintOutcome::Printed);
    ASSERT_EQ(ui.printRequests.size(), 1u);
    EXPECT_EQ(ui.printRequests[0].pdfFile, "/tmp/out.pdf");
    EXPECT_TRUE(ui.messages.empty());
}

} // namespace
} // namespace salon
