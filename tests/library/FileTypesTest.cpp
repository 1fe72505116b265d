#include "library/Pixolf.h"
#include "library/frame/FileTypes.h"

#include <gtest/gtest.h>

using namespace pixol;

TEST(FileTypes, TheTableHasOneTenCharacterEntryPerType)
{
    const std::string table = buildFileTypeTable();
    ASSERT_EQ(1000u, table.size());
    EXPECT_EQ("011BMP  BM", table.substr(10, 10));
    EXPECT_EQ("200       ", table.substr(200, 10));
    EXPECT_EQ("556ISWISWG", table.substr(550, 10));
    EXPECT_EQ("990       ", table.substr(990, 10));
}

TEST(FileTypes, EveryExtensionFindsItsOwnType)
{
    Pixolf lib;
    int found = 0;
    for (int32_t type = 0; type < 100; ++type) {
        int32_t group = -1;
        std::string ext, sig;
        ASSERT_EQ(1, lib.FsTypExt(type, group, ext, sig));
        if (ext.empty()) {
            EXPECT_EQ(0, group) << type;
            EXPECT_EQ("", sig) << type;
            continue;
        }
        ++found;
        std::string lower = ext;
        for (char& c : lower) c = char(std::tolower(static_cast<unsigned char>(c)));
        int32_t back = -1;
        EXPECT_EQ(1, lib.FsDefTyp(lower, back)) << ext;
        EXPECT_EQ(type, back) << ext;
    }
    EXPECT_EQ(55, found);
}

TEST(FileTypes, LookupsOutsideTheTableFail)
{
    Pixolf lib;
    int32_t type = 9;
    EXPECT_EQ(0, lib.FsDefTyp("JPEG", type));
    EXPECT_EQ(0, type);
    EXPECT_EQ(0, lib.FsDefTyp("", type));
    EXPECT_EQ(0, lib.FsDefTyp(" BM", type));  // only the table side is trimmed
    EXPECT_EQ(0, lib.FsDefTyp("XYZ", type));
    EXPECT_EQ(1, lib.FsDefTyp("*", type));
    EXPECT_EQ(0, type);
    int32_t group = 5;
    std::string ext = "x", sig = "y";
    EXPECT_EQ(0, lib.FsTypExt(100, group, ext, sig));
    EXPECT_EQ(0, group);
    EXPECT_EQ("", ext);
    EXPECT_EQ(0, lib.FsTypExt(-1));
}

TEST(FileTypes, SignaturesAreTrimmedAndTheJpegOneIsItsFourBytes)
{
    Pixolf lib;
    int32_t group = 0;
    std::string ext, sig;
    lib.FsTypExt(2, group, ext, sig);
    EXPECT_EQ(1, group);
    EXPECT_EQ("JPG", ext);
    EXPECT_EQ(std::string("\xFF\xD8\xFF\xE0"), sig);
    lib.FsTypExt(12, group, ext, sig);
    EXPECT_EQ("HB", sig);
    lib.FsTypExt(51, group, ext, sig);
    EXPECT_EQ("PLG3", sig);  // the region files of the library
}

TEST(FileDialogFilter, BuildsOneEntryPerThreeLetterToken)
{
    const std::string table = buildFileTypeTable();
    auto text = [](int32_t n) { return "T" + std::to_string(n); };
    EXPECT_EQ("T92  *.BMP|*.BMP|T92  *.JPG|*.JPG|", fileDialogFilter(table, "bmp,jpg", text));
    EXPECT_EQ("T91  *.*|*.*|T99  *.DSL|*.DSL|", fileDialogFilter(table, "***;&09", text));
    EXPECT_EQ("T91  *.QQQ|*.QQQ|", fileDialogFilter(table, "QQQ", text));  // unknown kinds keep their name
    EXPECT_EQ("T91  *.*|*.*|", fileDialogFilter(table, "", text));
    EXPECT_EQ("T91  *.*|*.*|", fileDialogFilter(table, "&20", text));  // a free type gives nothing
    EXPECT_EQ("T92  *.BMP|*.BMP|", fileDialogFilter(table, "BMP JP", text));  // a cut token is dropped
}
