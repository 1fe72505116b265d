#include "editor/shell/HelpFile.h"
#include "editor/shell/HelpPages.h"
#include "editor/shell/RtfReader.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <unistd.h>

namespace salon {
namespace {

uint32_t le32(const std::vector<uint8_t>& f, size_t at)
{
    return uint32_t(f[at]) | uint32_t(f[at + 1]) << 8 | uint32_t(f[at + 2]) << 16 | uint32_t(f[at + 3]) << 24;
}

TEST(HelpFileLayout, IndexEntryPointsTwelveBytesBeforeTheText)
{
    const std::vector<uint8_t> f = buildHelpFile({"{\\rtf1 a}", "{\\rtf1 second}"});
    // Entry 1 at 1-based position 8 * 1 + 17: offset, length; the text at offset + 12.
    const uint32_t offset = le32(f, 8 * 1 + 17 - 1);
    const uint32_t length = le32(f, 8 * 1 + 17 - 1 + 4);
    ASSERT_EQ(length, 14u);
    EXPECT_EQ(std::string(f.begin() + offset + 12 - 1, f.begin() + offset + 12 - 1 + length), "{\\rtf1 second}");
    EXPECT_EQ(helpPage(f, 0), "{\\rtf1 a}");
    EXPECT_EQ(helpPageCount(f), 2);
}

TEST(HelpFileLayout, DamagedOrMissingEntriesGiveNoPage)
{
    std::vector<uint8_t> f = buildHelpFile({"{\\rtf1 one}", "{\\rtf1 two}"});
    EXPECT_FALSE(helpPage(f, 2));
    EXPECT_FALSE(helpPage(f, -1));
    std::vector<uint8_t> longLength = f;
    longLength[16 + 4] = 0xFF;  // page 0 claims far more bytes than the file has
    longLength[16 + 7] = 0x7F;
    EXPECT_FALSE(helpPage(longLength, 0));
    EXPECT_TRUE(helpPage(longLength, 1));
    std::vector<uint8_t> truncated(f.begin(), f.begin() + 20);
    EXPECT_FALSE(helpPage(truncated, 0));
    EXPECT_FALSE(helpPage({}, 0));
    // A file with a foreign header is read by its index alone.
    std::vector<uint8_t> foreign = f;
    foreign[0] = 'X';
    EXPECT_EQ(helpPage(foreign, 1), "{\\rtf1 two}");
    EXPECT_EQ(helpPageCount(foreign), 2);
}

TEST(HelpFileLayout, BuiltHelpFileHasSeventeenReadableCzechPages)
{
    const std::filesystem::path built = std::filesystem::path(SALON_BINARY_DIR) / "editor/shell" / HelpFileName;
    ASSERT_TRUE(std::filesystem::exists(built)) << built;
    std::ifstream in(built, std::ios::binary);
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_EQ(helpPageCount(bytes), 17);
    for (int32_t p = 0; p < 17; ++p) {
        const std::optional<std::string> page = helpPage(bytes, p);
        ASSERT_TRUE(page) << p;
        for (unsigned char c : *page) ASSERT_LT(c, 128u) << "page " << p << " is not 7-bit RTF";
        const RichText text = readRtf(*page);
        EXPECT_GT(text.plainText().size(), 200u) << "page " << p << " says too little";
    }
    // Czech letters survive the \u escapes: the general page speaks of "nápověda".
    EXPECT_NE(readRtf(*helpPage(bytes, 7)).plainText().find("ápověd"), std::string::npos);
}

TEST(RtfReading, FormattingGroupsAndParagraphs)
{
    const RichText t = readRtf("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red255\\green0\\blue0;}"
                               "\\qc\\fs32 {\\b Title}\\par\\pard plain {\\i it} \\cf1 red\\cf0  back\\line next}");
    ASSERT_EQ(t.paragraphs.size(), 2u);
    EXPECT_EQ(t.paragraphs[0].align, RichAlign::Centre);
    ASSERT_EQ(t.paragraphs[0].runs.size(), 1u);
    EXPECT_TRUE(t.paragraphs[0].runs[0].bold);
    EXPECT_EQ(t.paragraphs[0].runs[0].halfPoints, 32);
    EXPECT_EQ(t.paragraphs[1].align, RichAlign::Left);
    EXPECT_EQ(t.plainText(), "Title\nplain it red back\nnext");
    const auto& runs = t.paragraphs[1].runs;
    ASSERT_GE(runs.size(), 4u);
    EXPECT_TRUE(runs[1].italic);
    EXPECT_FALSE(runs[2].italic);
    EXPECT_EQ(runs[3].colour, std::optional<uint32_t>(0x0000FF));  // packed red
    EXPECT_FALSE(runs.back().colour);
}

TEST(RtfReading, CharacterEscapesDecodeToUtf8)
{
    struct Case {
        const char* rtf;
        const char* text;
    };
    const Case cases[] = {
        {"{\\rtf1\\ansi\\ansicpg1250 \\'e8\\'ed\\'9a}", "číš"},          // code page 1250
        {"{\\rtf1\\ansi\\ansicpg1252 \\'e9\\'80}", "é€"},                 // code page 1252
        {"{\\rtf1 \\u269?\\u345?x}", "čřx"},                              // fallback skipped
        {"{\\rtf1\\uc2 \\u-3937??y}", "\xef\x82\x9f" "y"},                   // negative, two fallbacks
        {"{\\rtf1\\uc1 \\u268\\'43z}", "Čz"},                            // \'hh as the fallback
        {"{\\rtf1 a\\\\b\\{c\\}\\~d\\-e}", "a\\b{c}\xc2\xa0" "de"},
        {"{\\rtf1 {\\*\\generator x;}{\\info{\\title t}}ok}", "ok"},
        {"{\\rtf1 přímo UTF-8}", "přímo UTF-8"},
    };
    for (const Case& c : cases) EXPECT_EQ(readRtf(c.rtf).plainText(), c.text) << c.rtf;
}

TEST(RtfReading, MalformedInputGivesBestEffortText)
{
    EXPECT_EQ(readRtf("{\\rtf1 unclosed {\\b bold").plainText(), "unclosed bold");
    EXPECT_EQ(readRtf("}}}{\\rtf1 x}}}").plainText(), "x");
    EXPECT_EQ(readRtf("{\\rtf1 \\fs99999999999999 big\\'zz\\").plainText(), "bigzz");
    std::string deep(100000, '{');
    EXPECT_EQ(readRtf(deep + "x").plainText(), "x");
}

TEST(RtfReading, EscapedUtf8SourceReadsBackTheSame)
{
    const std::string src = "{\\rtf1 Účes {\\b žluťoučký} kůň}";
    const std::string escaped = rtfEscapeUtf8(src);
    for (unsigned char c : escaped) ASSERT_LT(c, 128u);
    EXPECT_EQ(readRtf(escaped).plainText(), readRtf(src).plainText());
    EXPECT_EQ(readRtf(escaped).plainText(), "Účes žluťoučký kůň");
}

TEST(RtfReading, HtmlKeepsAlignmentLooksAndEscapesMarkup)
{
    RichText t = readRtf("{\\rtf1 {\\b <b>}\\par {\\i x&y}}");
    t.align(RichAlign::Centre);
    const std::string html = richTextToHtml(t);
    EXPECT_NE(html.find("<p align=\"center\""), std::string::npos);
    EXPECT_NE(html.find("<b>&lt;b&gt;</b>"), std::string::npos);
    EXPECT_NE(html.find("<i>x&amp;y</i>"), std::string::npos);
}

struct HelpPagesFixture : ::testing::Test {
    std::filesystem::path dir = std::filesystem::temp_directory_path() / ("salon-help-test-" + std::to_string(::getpid()));
    HelpPages help;
    void SetUp() override
    {
        std::filesystem::create_directories(dir);
        std::vector<std::string> pages;
        for (int p = 0; p < 17; ++p) pages.push_back("{\\rtf1 page " + std::to_string(p) + "}");
        const std::vector<uint8_t> bytes = buildHelpFile(pages);
        std::ofstream(dir / HelpFileName, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                                  std::streamsize(bytes.size()));
        help.helpFile = dir / HelpFileName;
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
};

TEST_F(HelpPagesFixture, ShowHintFillsForm2CentredWithPictureOfTheTopic)
{
    EXPECT_TRUE(help.ShowHint(4));
    EXPECT_EQ(help.pictureId, 54);
    EXPECT_EQ(help.form2Text.text.plainText(), "page 4");
    EXPECT_EQ(help.form2Text.text.paragraphs[0].align, RichAlign::Centre);
}

TEST_F(HelpPagesFixture, Page16GoesToTheQuestionWindowWithoutPicture)
{
    help.ShowHint(7);
    help.ShowHint(16);
    EXPECT_EQ(help.form3Text.text.plainText(), "page 16");
    EXPECT_EQ(help.form2Text.text.plainText(), "page 7");
    EXPECT_EQ(help.pictureId, 57);
}

TEST_F(HelpPagesFixture, PagesOutsideZeroTo98ShowNothing)
{
    help.ShowHint(3);
    for (int32_t topic : {99, -1, 150}) {
        EXPECT_FALSE(help.ShowHint(topic)) << topic;
        EXPECT_EQ(help.pictureId, 53);
        EXPECT_EQ(help.form2Text.text.plainText(), "page 3");
    }
    help.HelpOffset = 10;
    EXPECT_FALSE(help.ShowHint(89));  // page 99
    EXPECT_TRUE(help.ShowHint(-10));  // page 0
}

TEST_F(HelpPagesFixture, MissingFileKeepsTheTextButSetsThePicture)
{
    help.ShowHint(2);
    help.helpFile = dir / "none.tmf";
    EXPECT_TRUE(help.ShowHint(5));
    EXPECT_EQ(help.pictureId, 55);
    EXPECT_EQ(help.form2Text.text.plainText(), "page 2");
}

} // namespace
} // namespace salon
