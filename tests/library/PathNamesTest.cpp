#include "library/Pixolf.h"

#include <gtest/gtest.h>

using namespace pixol;

namespace {

struct Split {
    int32_t result = 0, count = 0, number = 0, digits = 0;
    std::vector<std::pair<std::string, int32_t>> parts;
};

Split split(const std::string& path)
{
    Pixolf lib;
    StringArray names;
    LongArray types;
    Split s;
    s.result = lib.FsCesta(path, names, types, s.count, s.number, s.digits);
    for (int32_t k = names.lower; k <= names.upper(); ++k) s.parts.push_back({names(k), types(k)});
    return s;
}

} // namespace

TEST(PathComponents, FsCestaSplitsEveryKindOfComponent)
{
    using P = std::vector<std::pair<std::string, int32_t>>;
    struct Case {
        std::string path;
        int32_t result;
        P parts;
        int32_t digits, number;
    } cases[] = {
        {"C:\\a\\b.c.d", 1, P{{"C", 1}, {"a", 2}, {"b.c", 3}, {"d", 4}}, 0, 0},
        {"  D:\\pic\\foto007.bmp  ", 1, P{{"D", 1}, {"pic", 2}, {"foto007", 3}, {"bmp", 4}}, 3, 7},
        {"C:\\.profile", 1, P{{"C", 1}, {".profile", 3}}, 0, 0},
        {"C:\\dir\\", 1, P{{"C", 1}, {"dir", 2}}, 0, 0},
        {"C:\\x1234567890", 1, P{{"C", 1}, {"x1234567890", 3}}, 10, 0},  // over 9 digits: no value
        {"\\\\SERVER\\D$\\data\\f12.txt", 1, P{{"SERVER", 6}, {"D", 5}, {"data", 2}, {"f12", 3}, {"txt", 4}}, 2, 12},
        {"\\\\C$\\win\\", 1, P{{"C", 5}, {"win", 2}}, 0, 0},
        {"\\\\xC$\\a", 0, P{}, 0, 0},    // "$\" at position 5: neither form
        {"\\\\SERVER\\share\\a", 0, P{}, 0, 0},
        {"C:\\a\\name.", 0, P{}, 0, 0},  // a name ending in "."
        {"C:a\\b", 0, P{}, 0, 0},
        {"relative\\b.txt", 0, P{}, 0, 0},
        {"", 0, P{}, 0, 0},
    };
    for (const Case& c : cases) {
        const Split s = split(c.path);
        EXPECT_EQ(c.result, s.result) << c.path;
        EXPECT_EQ(c.parts, s.parts) << c.path;
        EXPECT_EQ(int32_t(c.parts.size()), s.count) << c.path;
        EXPECT_EQ(c.digits, s.digits) << c.path;
        EXPECT_EQ(c.number, s.number) << c.path;
    }
}

TEST(PathComponents, FsCestaCountsOnFromThePassedCounters)
{
    Pixolf lib;
    StringArray names;
    LongArray types;
    int32_t count = 0, number = 0, digits = 0;
    ASSERT_EQ(1, lib.FsCesta("C:\\a1.x", names, types, count, number, digits));
    ASSERT_EQ(1, lib.FsCesta("D:\\b22", names, types, count, number, digits));
    EXPECT_EQ(5, count);
    EXPECT_EQ(3, digits);
    EXPECT_EQ(22, number);
    EXPECT_EQ(5, names.size());
    EXPECT_EQ("b22", names(5));
    EXPECT_EQ(0, lib.FsCesta("bad", names, types, count, number, digits));
    EXPECT_TRUE(names.empty());
    EXPECT_EQ(0, count);
}

TEST(PathComponents, SJmeSkupJoinsEachTypeAndJoiningASplitGivesThePathBack)
{
    Pixolf lib;
    const std::pair<int32_t, std::string> joined[] = {{1, "X:\\"}, {2, "X\\"}, {3, "X"}, {4, ".X"},
                                                      {5, "X$\\"}, {6, "\\\\X\\"}, {0, ""}, {7, ""}};
    for (const auto& [type, text] : joined) EXPECT_EQ(text, lib.SJmeSkup("X", type)) << type;
    for (const std::string path : {"C:\\a\\b.c.d", "\\\\PC\\E$\\x\\y.z", "D:\\only\\"}) {
        std::string back;
        for (const auto& [text, type] : split(path).parts) back += lib.SJmeSkup(text, type);
        EXPECT_EQ(path, back);
    }
}

TEST(NumberedNames, FsNovJmMakesTheNextNameOrSaysWhyNot)
{
    Pixolf lib;
    struct Case {
        std::string path;
        int32_t add, absolute, status;
        std::string next;
        int32_t number;
    } cases[] = {
        {"C:\\pic\\foto007.bmp", 1, 0, 1, "C:\\pic\\foto008.bmp", 8},
        {"C:\\pic\\foto007.bmp", 42, 1, 1, "C:\\pic\\foto042.bmp", 42},
        {"\\\\PC\\C$\\s9", 0, 0, 1, "\\\\PC\\C$\\s9", 9},
        {"C:\\pic\\foto999.bmp", 1, 0, -4, "", -1},
        {"C:\\pic\\foto.bmp", 1, 0, -1, "", -1},
        {"C:\\pic\\f1234567890.bmp", 1, 0, -2, "", -1},
        {"C:\\pic\\foto001.bmp", -5, 0, -3, "", -1},
        {"C:\\pic\\f999999999.bmp", 2147483647, 0, -4, "", -1},  // the sum leaves 32 bits
        {"pic\\foto1.bmp", 1, 0, 0, "", -1},
    };
    for (const Case& c : cases) {
        std::string next = "stale";
        int32_t number = -1;
        EXPECT_EQ(c.status, lib.FsNovJm(c.path, next, c.add, c.absolute, number)) << c.path;
        EXPECT_EQ(c.next, next) << c.path;
        if (c.status == 1) EXPECT_EQ(c.number, number) << c.path;
    }
}
