#include "LibraryFixture.h"

#include "library/frame/LibraryState.h"
#include "library/frame/TextFile.h"

#include <filesystem>
#include <thread>

using namespace pixol;
using pixol::test::LibraryTest;

using LibrarySettings = LibraryTest;

TEST_F(LibrarySettings, LanguagesOutsideTheRangeFailAndLeaveNoTexts)
{
    installTexts(1);
    Pixolf lib;
    for (int32_t language : {0, 1000, -5}) {
        EXPECT_EQ(0, lib.SuSettingsP(language, "/srv/app")) << language;
        EXPECT_EQ(0, lib.SuSettings());
        EXPECT_EQ(0, lib.SuJazyk());
        EXPECT_EQ("", lib.StSTX(1));
    }
}

TEST_F(LibrarySettings, AMissingLanguageFallsBackToTheFirstTextFile)
{
    installTexts(1);
    Pixolf lib;
    ASSERT_EQ(1, lib.SuSettingsP(7, "/srv/app"));
    EXPECT_EQ(1, lib.SuSettings());
    EXPECT_EQ(1, lib.SuJazyk());
    EXPECT_EQ("/srv/app\\", lib.SuDirApp());
    EXPECT_EQ(file("Pixol001.STX"), lib.SuSlovoSys());
    EXPECT_EQ("Soubor již existuje. Přepsat?", lib.StSTX(68));
}

TEST_F(LibrarySettings, TheLanguagesOwnFileIsTakenAndTextsReadBackExactly)
{
    installTexts(1);
    installTexts(4);
    Pixolf lib;
    ASSERT_EQ(1, lib.SuSettingsP(4, "C:\\APP\\"));
    EXPECT_EQ(2, lib.SuSettings());
    EXPECT_EQ(4, lib.SuJazyk());
    EXPECT_EQ("C:\\APP\\", lib.SuDirApp());  // a trailing backslash is not doubled
    EXPECT_EQ(" does not exist.", lib.StSTX(107));  // leading blank kept
    EXPECT_EQ("Colours: ", lib.StSTX(6));
    EXPECT_EQ("", lib.StSTX(0));
    EXPECT_EQ("", lib.StSTX(108 + 1));
    EXPECT_EQ("", lib.StSTX(35));  // a number without a role is an empty text
}

TEST_F(LibrarySettings, WithoutAnyTextFileTheLibraryWorksWithEmptyTexts)
{
    Pixolf lib;
    ASSERT_EQ(1, lib.SuSettingsP(3, "/srv/app"));
    EXPECT_EQ(3, lib.SuSettings());
    EXPECT_EQ(0, lib.SuJazyk());
    EXPECT_EQ("", lib.SuSlovoSys());
    EXPECT_EQ("", lib.StSTX(1));
}

TEST_F(LibrarySettings, DamagedTextFilesAreRefusedWhole)
{
    auto good = buildTextFile({"a", "bb", "ccc"});
    ASSERT_TRUE(good);
    auto damaged = [&](auto change) {
        std::vector<uint8_t> b = *good;
        change(b);
        return b;
    };
    auto putLong = [](std::vector<uint8_t>& b, size_t at, int32_t v) {
        for (int i = 0; i < 4; ++i) b[at + size_t(i)] = uint8_t(uint32_t(v) >> (8 * i));
    };
    const std::vector<std::pair<const char*, std::vector<uint8_t>>> cases = {
        {"magic", damaged([](auto& b) { b[0] = 'X'; })},
        {"count 0", damaged([&](auto& b) { putLong(b, 8, 0); })},
        {"count 1001", damaged([&](auto& b) { putLong(b, 8, 1001); })},
        {"position past the end", damaged([&](auto& b) { putLong(b, 12 + 4, int32_t(b.size())); })},
        {"position 0", damaged([&](auto& b) { putLong(b, 12, 0); })},
        {"negative length", damaged([&](auto& b) { putLong(b, 4012 + 8, -1); })},
        {"length one byte too long", damaged([&](auto& b) { putLong(b, 4012 + 8, 4); })},
        {"cut inside the tables", std::vector<uint8_t>(good->begin(), good->begin() + 4013)},
    };
    for (const auto& [what, bytes] : cases) {
        EXPECT_FALSE(parseTextFile(bytes)) << what;
        writeFile("Pixol001.STX", bytes);
        Pixolf lib;
        EXPECT_EQ(0, lib.SuSettingsP(1, "/a")) << what;
        EXPECT_EQ(0, lib.SuSettings()) << what;
        EXPECT_EQ("", lib.StSTX(3)) << what;
    }
    writeFile("Pixol001.STX", *good);
    Pixolf lib;
    ASSERT_EQ(1, lib.SuSettingsP(1, "/a"));
    EXPECT_EQ("ccc", lib.StSTX(3));
}

TEST_F(LibrarySettings, ADamagedLanguageFileFallsBackLikeAMissingOne)
{
    installTexts(1);
    writeFile("Pixol004.STX", {'S', 'Y', 'T', 'X', 0, 0, 0, 0, 5, 0, 0, 0});
    Pixolf lib;
    ASSERT_EQ(1, lib.SuSettingsP(4, "/a"));
    EXPECT_EQ(1, lib.SuSettings());
    EXPECT_EQ(1, lib.SuJazyk());
}

TEST_F(LibrarySettings, ATextFileReplacedByAShorterOneGivesEmptyTextsNotGarbage)
{
    installTexts(1);
    Pixolf lib;
    ASSERT_EQ(1, lib.SuSettingsP(1, "/a"));
    writeFile("Pixol001.STX", *buildTextFile({"x"}));
    EXPECT_EQ("", lib.StSTX(68));
}

TEST_F(LibrarySettings, BrushesExistFromCreationAndARepeatedLoadReplacesThemAndTheScratchFile)
{
    installTexts(1);
    Pixolf lib;
    LibraryState& s = state();
    for (int32_t h : s.brushSet) EXPECT_NE(0, h);
    ASSERT_EQ(1, lib.SuSettingsP(1, "/a"));
    const std::string firstScratch = s.settings.scratchFile;
    EXPECT_TRUE(std::filesystem::exists(firstScratch));
    EXPECT_NE(std::string::npos, firstScratch.find("/Stv"));
    const size_t brushes = s.brushes.size();
    ASSERT_EQ(1, lib.SuSettingsP(1, "/a"));
    EXPECT_EQ(brushes, s.brushes.size());  // the five pattern brushes were released, not added to
    EXPECT_FALSE(std::filesystem::exists(firstScratch));
    EXPECT_TRUE(std::filesystem::exists(s.settings.scratchFile));
}

TEST_F(LibrarySettings, PropertiesPublishDirectoriesWithABackslashAndSaturatedMemory)
{
    Pixolf lib;
    ASSERT_EQ(1, lib.SuSettingsP(1, "/a"));
    for (const std::string& d : {lib.SuDirSys(), lib.SuDirWin(), lib.SuDirTmp(), lib.SuDirApp()})
        EXPECT_EQ('\\', d.back()) << d;
    EXPECT_EQ(24, lib.SuScBarva());
    EXPECT_EQ(15, lib.SuScTPX());
    EXPECT_GT(lib.SuScWidth(), 0);
    EXPECT_GT(lib.SuMem3(), 0);
    EXPECT_GE(lib.SuMem1(), lib.SuMem3() == INT32_MAX ? INT32_MAX : lib.SuMem3());
    EXPECT_EQ(852, lib.SuCode());
}

TEST_F(LibrarySettings, SystemInformationCarriesTheLabelsOfTheLanguage)
{
    installTexts(4);
    Pixolf lib;
    ASSERT_EQ(1, lib.SuSettingsP(4, "/a"));
    LongArray values;
    StringArray labels;
    ASSERT_EQ(1, lib.SysData2(values, labels));
    EXPECT_EQ(1, values.lower);
    EXPECT_EQ(26, values.upper());
    EXPECT_EQ("Screen width in pixels", labels(2));
    EXPECT_EQ(lib.SuScWidth(), values(2));
    EXPECT_EQ(3, values(6));
    EXPECT_EQ("Colours: True Color (24 bits)", labels(6));
    EXPECT_EQ("System version", labels(25));
    EXPECT_EQ("Linux (NT family)", labels(26));
    EXPECT_GE(values(9), 1);  // processors
}

TEST_F(LibrarySettings, DrivesComeFromTheDriveTableWithTheirTypes)
{
    Pixolf lib;
    LongArray types;
    StringArray letters;
    letters.redim(1, 40);  // whatever the caller had is erased
    const int32_t n = lib.SysData3(types, letters);
    ASSERT_GE(n, 1);
    EXPECT_EQ(n, letters.size());
    EXPECT_EQ("D", letters(1));
    EXPECT_EQ(3, types(1));
}

TEST_F(LibrarySettings, TemporaryNamesTakeAThreeLetterPrefixAndMakeTheFileOnlyForNumberZero)
{
    ::setenv("TMPDIR", dir.c_str(), 1);
    Pixolf lib;
    const std::string made = lib.SysData4("Sixlet", 0);
    ::unsetenv("TMPDIR");
    const auto name = std::filesystem::path(made).filename().string();
    EXPECT_EQ("Six", name.substr(0, 3));
    EXPECT_EQ(".TMP", name.substr(7));
    EXPECT_TRUE(std::filesystem::exists(dir / name));

    ::setenv("TMPDIR", dir.c_str(), 1);
    const std::string named = lib.SysData4("", 0x1A2B);
    const std::string negative = lib.SysData4("ab", -4);
    ::unsetenv("TMPDIR");
    EXPECT_EQ("Suv1A2B.TMP", std::filesystem::path(named).filename().string());
    EXPECT_FALSE(std::filesystem::exists(dir / "Suv1A2B.TMP"));
    EXPECT_TRUE(std::filesystem::exists(dir / std::filesystem::path(negative).filename()));  // -4 counts as 0
}

TEST_F(LibrarySettings, BrushesAreMadeOnlyForKnownKindsAndColours)
{
    Pixolf lib;
    EXPECT_EQ(0, lib.PsObrBrush(6));
    EXPECT_EQ(0, lib.PsObrBrush(0, 0x1000000));
    EXPECT_EQ(0, lib.PsSysBrush(6));
    EXPECT_EQ(0, lib.PsSysBrush(-1));
    const int32_t solid = lib.PsObrBrush(0, 0x123456);
    ASSERT_NE(0, solid);
    EXPECT_EQ(0x123456u, *state().brushes.find(solid)->colourAt(7, 9));
    const int32_t hatch = lib.PsObrBrush(1);
    ASSERT_NE(0, hatch);
    EXPECT_EQ(16, state().brushes.find(hatch)->pattern.width);
    EXPECT_EQ(5, state().work[0].width());  // the work surface is back to 5 x 5
    EXPECT_EQ(1, lib.releaseBrush(solid));
    EXPECT_EQ(0, lib.releaseBrush(lib.PsSysBrush(4)));
}

TEST_F(LibrarySettings, TheScratchFileGoesWhenTheThreadsStateEnds)
{
    std::string scratch;
    std::thread([&] {
        Pixolf lib;
        lib.SuSettingsP(1, "/a");
        scratch = state().settings.scratchFile;
    }).join();
    ASSERT_FALSE(scratch.empty());
    EXPECT_FALSE(std::filesystem::exists(scratch));
}
