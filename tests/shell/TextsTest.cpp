#include "editor/shell/texts/Texts.h"

#include <gtest/gtest.h>

#include <vector>

namespace salon {
namespace {

struct OffsetGuard {
    explicit OffsetGuard(int32_t v) { TextOffset = v; }
    ~OffsetGuard() { TextOffset = 0; }
};

TEST(Texts, KeepLeadingAndTrailingBlanks)
{
    EXPECT_EQ(ResText(25), " Návrat o 1 krok zpět ");
    EXPECT_EQ(ResText(39), "- jemně ");
    EXPECT_EQ(ResText(42), "- hrubě ");
    EXPECT_EQ(ResText(512), " ");
    EXPECT_EQ(ResText(580), "Soubory  *.");
    EXPECT_EQ(ResText(60), "Opravdu chcete skončit ? ");
    EXPECT_EQ(ResText(600), "Všechny soubory  *.*|*.*|");
}

TEST(Texts, MissingIdsGiveEmptyText)
{
    for (int32_t id : {-1, 0, 9, 53, 170, 534, 706, 999, 1053, 65536})
        EXPECT_EQ(ResText(id), "") << id;
}

TEST(Texts, FileTypeDataIsNotShiftedByTheLanguage)
{
    OffsetGuard english(3000);
    const std::string exts = ResText(700);
    ASSERT_EQ(exts.size(), 180u);
    EXPECT_EQ(exts.substr(0, 9), "BMPAOBIRW");
    EXPECT_EQ(exts.substr(177), "DSL");
    for (int32_t id = 701; id <= 705; ++id)
        EXPECT_EQ(ResText(id).size(), 240u) << id;
    // Type 7 is JPG: code 0011 and the bytes 255 216 255 224.
    EXPECT_EQ(ResText(701).substr(6 * 4, 4), "0011");
    EXPECT_EQ(ResText(702).substr(6 * 4, 4), "0255");
    EXPECT_EQ(ResText(705).substr(6 * 4, 4), "0224");
    // BMP checks only its first two bytes.
    EXPECT_EQ(ResText(703).substr(0, 4), "0077");
    EXPECT_EQ(ResText(704).substr(0, 4), "0000");
}

TEST(Texts, EveryLanguageBlockHoldsTheCzechIdsBarItsGaps)
{
    // Gaps of the other blocks: the language names 55-59 and, in German, id 34.
    std::vector<int32_t> czech;
    for (int32_t id = 0; id < 700; ++id)
        if (!ResText(id).empty())
            czech.push_back(id);
    ASSERT_EQ(czech.size(), 143u + 14u + 6u);  // the program's texts, the suite's own 200-213 and 80-85
    for (int32_t offset : {1000, 2000, 3000, 4000}) {
        OffsetGuard language(offset);
        for (int32_t id : czech) {
            const bool gap = (id >= 55 && id <= 59) || (offset == 2000 && id == 34);
            EXPECT_EQ(ResText(id).empty(), gap) << offset + id;
        }
        // Blank-only texts and the filter pairs keep their form in every language.
        EXPECT_EQ(ResText(512), " ");
        const std::string filter = ResText(601);
        EXPECT_EQ(filter.substr(filter.size() - 13), " *.BMP|*.BMP|") << offset;
        EXPECT_EQ(ResText(25).front(), ' ');
        EXPECT_EQ(ResText(25).back(), ' ');
    }
    OffsetGuard english(3000);
    EXPECT_EQ(ResText(25), " Go back 1 step ");
    EXPECT_EQ(ResText(700).substr(0, 3), "BMP");
    EXPECT_EQ(ResText(206), "Contact sheet");
}

TEST(Texts, ErrorNumbersChooseTheMessageThatNamesThem)
{
    const struct { int32_t error, id; } cases[] = {
        {52, 511}, {53, 513}, {54, 514}, {55, 515}, {57, 516}, {58, 517}, {59, 518}, {61, 519},
        {62, 520}, {63, 521}, {67, 522}, {68, 523}, {70, 524}, {71, 525}, {74, 526}, {75, 527},
        {76, 528}, {321, 529}, {322, 530}, {31036, 531}, {31037, 532}, {7, 536}, {31001, 537},
    };
    for (auto c : cases) {
        EXPECT_EQ(errorTextId(c.error), c.id) << c.error;
        EXPECT_FALSE(ResText(c.id).empty()) << c.id;
        // Every numbered message starts with its own number (52's text predates the numbering).
        if (c.error != 52) {
            EXPECT_EQ(ResText(c.id).find(" " + std::to_string(c.error) + " - "), 0u) << c.error;
        }
    }
    for (int32_t unknown : {0, 1, 56, 60, 31038})
        EXPECT_EQ(errorTextId(unknown), 0) << unknown;
}

} // namespace
} // namespace salon
