// Every file of tests/library/malformed/<kind>/ is damaged in one way; each reader must refuse it
// and leave nothing behind.
#include "library/Pixolf.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace pixol;

namespace {

std::vector<std::string> malformed(const std::string& kind)
{
    std::vector<std::string> out;
    for (const auto& e : std::filesystem::directory_iterator(std::filesystem::path(SALON_SOURCE_DIR) / "tests" /
                                                             "library" / "malformed" / kind))
        out.push_back(e.path().string());
    std::sort(out.begin(), out.end());
    return out;
}

} // namespace

TEST(MalformedFiles, NlgReaderRefusesEveryOneWithoutMakingARegion)
{
    Pixolf lib;
    const int32_t before = lib.regionCount();
    const auto files = malformed("nlg");
    ASSERT_GE(files.size(), 10u);
    for (const auto& f : files) EXPECT_EQ(0, lib.SuCtiNLG(f, 100, 100)) << f;
    EXPECT_EQ(before, lib.regionCount());
}

TEST(MalformedFiles, NsgReaderRefusesEveryOneAndLeavesTheArray)
{
    Pixolf lib;
    const int32_t before = lib.regionCount();
    const auto files = malformed("nsg");
    ASSERT_GE(files.size(), 10u);
    for (const auto& f : files) {
        LongArray set;
        set.redim(2, 2);
        set(2) = 5;
        EXPECT_EQ(0, lib.SuCtiNSG(f, set)) << f;
        EXPECT_EQ((std::vector<int32_t>{5}), set.values) << f;
    }
    EXPECT_EQ(before, lib.regionCount());
}

TEST(MalformedFiles, ContentsReaderRefusesEveryOne)
{
    Pixolf lib;
    const auto files = malformed("iswg");
    ASSERT_GE(files.size(), 10u);
    for (const auto& f : files) {
        salon::Surface obj(5, 5);
        int32_t x = 0, y = 0, n = 0;
        std::string title, name;
        EXPECT_EQ(0, lib.SuCtiObsah(obj, f, 1, x, y, n, title, name, 1)) << f;
        EXPECT_EQ(5, obj.width()) << f;
    }
}
