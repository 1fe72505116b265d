#include "editor/shell/CatalogueForm.h"

#include "platform/BinaryFile.h"
#include "platform/Numbers.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace salon {
namespace {

namespace fs = std::filesystem;

// A contents file with previews of the given sizes; each preview's pixels are its item number.
std::vector<uint8_t> contentsFile(const std::vector<std::pair<int32_t, int32_t>>& sizes, bool bottomUp = true)
{
    const int32_t n = int32_t(sizes.size());
    ByteWriter w;
    w.text(1, "IWRG");
    w.long32(9, n);
    int64_t pos = 13 + int64_t(13) * n * 4;
    for (int32_t i = 1; i <= n; ++i) {
        auto [pw, ph] = sizes[size_t(i - 1)];
        const int32_t bytes = rowBytes24(pw) * ph;
        auto field = [&](int f, int32_t v) { w.long32(13 + (int64_t(f) * n + (i - 1)) * 4, v); };
        field(0, bytes + 54);
        field(2, 40);
        field(3, pw);
        field(4, bottomUp ? ph : -ph);
        field(5, 1 | (24 << 16));
        field(12, int32_t(pos));
        std::vector<uint8_t> px(static_cast<size_t>(bytes), static_cast<uint8_t>(i));
        w.bytes(pos, std::span<const uint8_t>(px.data(), px.size()));
        pos += bytes;
    }
    w.long32(5, int32_t(w.data().size()));
    return w.data();
}

TEST(ContentsFile, ScrollMaximumLeavesFourBoxesFilled)
{
    const struct { int32_t n, max; } cases[] = {{2, 2}, {4, 4}, {5, 2}, {6, 3}, {1000, 997}};
    for (auto c : cases)
        EXPECT_EQ(previewScrollMax(c.n), c.max) << c.n;
}

TEST(ContentsFile, PreviewsAreCentredWithIntegerDivision)
{
    EXPECT_EQ(previewOffset(60, 100), (Point{15, 10}));
    EXPECT_EQ(previewOffset(89, 119), (Point{0, 0}));
    EXPECT_EQ(previewOffset(90, 120), (Point{0, 0}));
}

TEST(ContentsFile, PathsOfCategoriesAndModels)
{
    EXPECT_EQ(contentsFilePath("D", 10), "D:\\orvella\\obsdsl10.irw");
    EXPECT_EQ(contentsFilePath("D", 3), "D:\\orvella\\obsdsl03.irw");
    const Category c{"Krátké", "DS1", "HA"};
    EXPECT_EQ(modelFilePath("D", c, 7), "D:\\DS1\\HA007.DSL");
    EXPECT_EQ(modelFilePath("D", c, 42), "D:\\DS1\\HA042.DSL");
    EXPECT_EQ(modelFilePath("D", c, 123), "D:\\DS1\\HA123.DSL");
}

TEST(ContentsFile, DamagedFilesAreRefused)
{
    const auto good = contentsFile({{10, 10}, {10, 10}});
    ASSERT_TRUE(parseContentsFile(good));

    auto wrongMagic = good;
    wrongMagic[0] = 'X';
    auto padded = good;
    padded.push_back(0);
    auto truncated = good;
    truncated.resize(good.size() - 1);
    auto one = contentsFile({{10, 10}});
    auto tooMany = good;
    tooMany[8] = 0xE9, tooMany[9] = 0x03;  // N = 1001
    auto tableCut = std::vector<uint8_t>(good.begin(), good.begin() + 40);
    tableCut[4] = 40, tableCut[5] = tableCut[6] = tableCut[7] = 0;
    for (std::vector<uint8_t>* bytes : {&wrongMagic, &padded, &truncated, &one, &tooMany, &tableCut})
        EXPECT_FALSE(parseContentsFile(*bytes));
}

struct CatalogueOnDisk : ::testing::Test {
    fs::path root = fs::temp_directory_path() / ("salon_shell_catalogue-" + std::to_string(::getpid()));
    DriveTable saved = DriveTable::current();
    ScriptedUi ui;
    std::vector<Category> cats{{"Krátké", "DS1", "HA"}, {"Dlouhé", "DS2", "HB"}, {"Kudrny", "DS3", "HC"}};

    void SetUp() override
    {
        fs::remove_all(root);
        fs::create_directories(root / "orvella");
        DriveTable::current() = DriveTable({{'D', root}});
    }
    void TearDown() override
    {
        DriveTable::current() = saved;
        fs::remove_all(root);
    }
    void write(int category, const std::vector<uint8_t>& bytes)
    {
        std::ofstream f(root / "orvella" / contentsFilePath("", category).substr(10), std::ios::binary);
        f.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
};

TEST_F(CatalogueOnDisk, ScrollingShowsTheRemainingItemsAndEmptyBoxes)
{
    write(0, contentsFile({{60, 100}, {89, 119}, {20, 20}, {20, 20}, {30, 40}, {90, 120}}));
    CatalogueForm form(ui, "D", cats);
    form.Form_Load();
    EXPECT_EQ(form.Command1.Caption, "Storno");
    form.Form_Activate();
    EXPECT_EQ(form.List1.ListIndex, 1);
    EXPECT_EQ(form.itemCount(), 6);
    EXPECT_EQ(form.HScroll1.Max, 3);
    EXPECT_EQ(form.boxItem, (std::array<int32_t, 4>{1, 2, 3, 4}));
    // Item 1 (60 x 100) sits at (15, 10): its pixels are 1, the box around it stays white.
    EXPECT_EQ(form.boxPictures[0].pixel(15, 10), packRgb(1, 1, 1));
    EXPECT_EQ(form.boxPictures[0].pixel(14, 10), 0xFFFFFFu);
    EXPECT_EQ(form.boxPictures[0].pixel(74, 109), packRgb(1, 1, 1));
    EXPECT_EQ(form.boxPictures[0].pixel(75, 109), 0xFFFFFFu);

    form.HScroll1.Value = 5;
    form.HScroll1_Change();
    EXPECT_EQ(form.boxItem, (std::array<int32_t, 4>{5, 6, -1, -1}));
    EXPECT_EQ(form.boxPictures[1].pixel(0, 0), packRgb(6, 6, 6));
    EXPECT_EQ(form.boxPictures[2].pixel(45, 60), 0xFFFFFFu);

    // An empty box chooses nothing and keeps the window open.
    form.Visible = true;
    form.Picture1_Click(2);
    EXPECT_TRUE(form.Visible);
    EXPECT_EQ(form.chosenModel, "");
    form.Picture1_Click(1);
    EXPECT_FALSE(form.Visible);
    EXPECT_EQ(form.chosenModel, "D:\\DS1\\HA006.DSL");
    EXPECT_TRUE(form.colourAllowed);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(CatalogueOnDisk, ColourPermissionFollowsTheFirstTwoCategories)
{
    for (int c = 0; c < 3; ++c)
        write(c, contentsFile({{20, 20}, {20, 20}}));
    CatalogueForm form(ui, "D", cats);
    auto choose = [&](int category) {
        form.List1.ListIndex = category + 1;
        form.List1_Click();
        form.Picture1_Click(0);
    };
    choose(1);
    EXPECT_FALSE(form.colourAllowed);
    choose(2);  // other categories keep the last permission
    EXPECT_FALSE(form.colourAllowed);
    EXPECT_EQ(form.chosenModel, "D:\\DS3\\HC001.DSL");
    choose(0);
    EXPECT_TRUE(form.colourAllowed);
}

TEST_F(CatalogueOnDisk, MissingOrDamagedContentsFileIsReportedAndTheWindowStays)
{
    write(1, {'I', 'W', 'R', 'G', 0, 0, 0, 0});
    CatalogueForm form(ui, "D", cats);
    form.Visible = true;
    form.Form_Activate();  // category 0 has no contents file
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("53 - Soubor nebyl nalezen"), std::string::npos);
    EXPECT_NE(ui.messages[0].text.find("obsdsl00.irw"), std::string::npos);
    EXPECT_TRUE(form.Visible);
    EXPECT_EQ(form.boxItem, (std::array<int32_t, 4>{-1, -1, -1, -1}));

    form.List1.ListIndex = 2;
    form.List1_Click();
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_NE(ui.messages[1].text.find("321"), std::string::npos);
    form.Picture1_Click(0);
    EXPECT_TRUE(form.Visible);

    // Closing the window is a Cancel: no model chosen, nothing ends.
    form.Form_Unload();
    EXPECT_FALSE(form.Visible);
    EXPECT_EQ(form.chosenModel, "");
}

TEST_F(CatalogueOnDisk, AnEmptyCategoryListHidesTheWindowAtOnce)
{
    CatalogueForm form(ui, "D", {});
    form.Visible = true;
    form.chosenModel = "D:\\DS1\\HA001.DSL";
    form.Form_Activate();
    EXPECT_FALSE(form.Visible);
    EXPECT_EQ(form.chosenModel, "");
}

} // namespace
} // namespace salon
