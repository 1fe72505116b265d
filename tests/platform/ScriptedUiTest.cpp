// The scripted Ui that tests of the programs load with answers.
#include "platform/Ui.h"

#include <gtest/gtest.h>

using namespace salon;

TEST(ScriptedUi, UnscriptedBoxesGiveTheAnswerEscapeWould)
{
    struct Case {
        MsgButtons buttons;
        MsgAnswer answer;
    };
    for (Case c : {Case{MsgButtons::Ok, MsgAnswer::Ok}, {MsgButtons::OkCancel, MsgAnswer::Cancel},
                   {MsgButtons::YesNoCancel, MsgAnswer::Cancel}, {MsgButtons::YesNo, MsgAnswer::No},
                   {MsgButtons::RetryCancel, MsgAnswer::Cancel}, {MsgButtons::AbortRetryIgnore, MsgAnswer::Abort}}) {
        ScriptedUi ui;
        EXPECT_EQ(ui.message("?", c.buttons), c.answer) << int(c.buttons);
    }
}

TEST(ScriptedUi, ScriptedAnswersComeInOrderAndRequestsAreKept)
{
    ScriptedUi ui;
    ui.messageAnswers = {MsgAnswer::Yes, MsgAnswer::No};
    ui.fileAnswers.push_back(FileDialogAnswer{{"/tmp/a.bmp"}, 2});
    ui.colourAnswers.push_back(0x123456);
    EXPECT_EQ(ui.message("one", MsgButtons::YesNo, MsgIcon::Question), MsgAnswer::Yes);
    EXPECT_EQ(ui.message("two", MsgButtons::YesNo), MsgAnswer::No);
    EXPECT_EQ(ui.message("three", MsgButtons::YesNo), MsgAnswer::No);
    ASSERT_EQ(ui.messages.size(), 3u);
    EXPECT_EQ(ui.messages[0].text, "one");
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Question);
    EXPECT_TRUE(ui.messages[0].title.empty());

    FileDialogRequest req;
    req.filter = "BMP|*.BMP|";
    auto f = ui.chooseFile(req);
    ASSERT_TRUE(f.has_value());
    EXPECT_EQ(f->files[0], "/tmp/a.bmp");
    EXPECT_FALSE(ui.chooseFile(req).has_value()) << "an empty queue cancels";
    EXPECT_EQ(ui.fileRequests.size(), 2u);
    EXPECT_EQ(ui.chooseColour(7), 0x123456u);
    EXPECT_EQ(ui.chooseColour(8), std::nullopt);
    EXPECT_EQ(ui.colourRequests, (std::vector<uint32_t>{7, 8}));
    EXPECT_EQ(ui.chooseFont(FontChoice{}), std::nullopt);

    ui.setCursor(Cursor::Hourglass);
    ui.setCursor(Cursor::Default);
    ui.processEvents();
    EXPECT_EQ(ui.cursors, (std::vector<Cursor>{Cursor::Hourglass, Cursor::Default}));
    EXPECT_EQ(ui.eventsProcessed, 1);
}

TEST(ScriptedUi, PrintJobsRecordWhatTheyDraw)
{
    ScriptedUi ui;
    auto job = ui.startPrint(PrintRequest{"result", ""});
    ASSERT_NE(job, nullptr);
    EXPECT_EQ(job->pageWidth(), 4960);
    job->drawPicture(Bitmap::rgb24(2, 2), 10, 20, 200, 200);
    EXPECT_TRUE(job->finish());
    EXPECT_FALSE(job->finish()) << "a document ends once";
    EXPECT_EQ(ui.finishedJobs, 1);
    ASSERT_EQ(ui.printed.size(), 1u);
    EXPECT_EQ(ui.printed[0].w, 200);

    ui.printAnswers.push_back(false);
    EXPECT_EQ(ui.startPrint(PrintRequest{"x", ""}), nullptr) << "dialog cancelled";
    ui.printerPresent = false;
    EXPECT_EQ(ui.startPrint(PrintRequest{"x", ""}), nullptr) << "no printer";
    EXPECT_NE(ui.startPrint(PrintRequest{"x", "/tmp/out.pdf"}), nullptr) << "a PDF needs no printer";
    EXPECT_EQ(ui.printRequests.size(), 4u);
}
