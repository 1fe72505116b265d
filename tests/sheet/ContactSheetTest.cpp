// The contact sheet command on a small drive of its own: two categories of two models each.
#include "editor/sheet/ContactSheet.h"
#include "library/formats/FileBytes.h"
#include "tests/engine/EngineFixture.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace salon;
using namespace salon::test;

namespace {

void putLong(std::vector<uint8_t>& f, size_t at, int32_t v) { std::memcpy(f.data() + at, &v, 4); }

// A contents file the catalogue window accepts: magic, length, N and an item table (the sheet
// never shows the previews, so they are left out).
std::vector<uint8_t> contentsFile(int32_t n)
{
    std::vector<uint8_t> f(size_t(12 + 52 * n), 0);
    std::memcpy(f.data(), "IWRG", 4);
    putLong(f, 4, int32_t(f.size()));
    putLong(f, 8, n);
    return f;
}

class SheetDrive : public TempDir {
protected:
    DriveTable saved = DriveTable::current();
    std::string photo;

    void SetUp() override
    {
        TempDir::SetUp();
        DriveTable::current().set('Q', dir);
        std::string list;
        for (const char* record : {"Vlasy                   DS1 HA  ", "Kratke                  DS2 HB  "}) list += record;
        writeBytes(dir / "dslob00.aob", std::vector<uint8_t>(list.begin(), list.end()));
        std::filesystem::create_directories(dir / "orvella");
        for (const char* folder : {"DS1", "DS2"}) std::filesystem::create_directories(dir / folder);
        for (const char* name : {"DS1/HA001.DSL", "DS1/HA002.DSL", "DS2/HB001.DSL", "DS2/HB002.DSL"})
            writeBytes(dir / name, dsl::serialize(makeModel(64, 70, {10, 10, 50, 60}), dsl::EditorMagic));
        writeBytes(dir / "orvella" / "obsdsl00.irw", contentsFile(2));
        writeBytes(dir / "orvella" / "obsdsl01.irw", contentsFile(2));
        photo = writePhoto("face.bmp", makePhoto(40, 50));
    }
    void TearDown() override
    {
        DriveTable::current() = saved;
        TempDir::TearDown();
    }

    std::string errors;
    int sheet(std::vector<std::string> args)
    {
        args.insert(args.begin(), {"dslsheet", "--drive", "Q", "--photo", photo, "--scale", "0.1"});
        std::vector<char*> argv;
        for (auto& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        testing::internal::CaptureStderr();
        const int rc = runContactSheet(int(args.size()), argv.data());
        errors = testing::internal::GetCapturedStderr();
        return rc;
    }
};

} // namespace

TEST_F(SheetDrive, ACategoryWithoutAUsableContentsFileIsNamedAndFailsTheCommand)
{
    ASSERT_EQ(0, sheet({"--contact-sheet", "all", "--out", file("s.png")})) << errors;

    std::vector<uint8_t> padded = contentsFile(2);
    padded.push_back(0);  // one byte more than its stored length
    const std::vector<std::vector<uint8_t>> damaged = {{}, {'I', 'W', 'R', 'G'}, padded, contentsFile(1)};
    for (size_t k = 0; k <= damaged.size(); ++k) {
        std::filesystem::remove(dir / "orvella" / "obsdsl01.irw");
        if (k < damaged.size()) writeBytes(dir / "orvella" / "obsdsl01.irw", damaged[k]);
        std::filesystem::remove(file("s.png"));
        EXPECT_EQ(1, sheet({"--contact-sheet", "all", "--out", file("s.png")})) << k;
        EXPECT_NE(std::string::npos, errors.find("obsdsl01.irw")) << k << ": " << errors;
        // The other category's sheet is still there.
        EXPECT_TRUE(std::filesystem::exists(file("s.png"))) << k;
        EXPECT_EQ(1, sheet({"--contact-sheet", "1", "--out", file("s.png")})) << k;
        EXPECT_EQ(0, sheet({"--contact-sheet", "0", "--out", file("s.png")})) << k << ": " << errors;
    }
}

TEST_F(SheetDrive, RefusedRequestsLeaveAnExistingSheetAsItWas)
{
    const std::vector<uint8_t> old = {'o', 'l', 'd'};
    writeBytes(dir / "s.png", old);
    const std::vector<std::vector<std::string>> refused = {
        {"--scale", "nan"}, {"--scale", "-nan"}, {"--columns", "2147483647"}, {"--columns", "x"}, {"--face", "0,0,2147483647,1"}};
    for (const auto& extra : refused) {
        std::vector<std::string> args{"--contact-sheet", "0", "--out", file("s.png")};
        args.insert(args.end(), extra.begin(), extra.end());
        EXPECT_EQ(2, sheet(args)) << extra[1];
        EXPECT_FALSE(errors.empty()) << extra[1];
        EXPECT_EQ(old, dsl::readWholeFile(dir / "s.png")) << extra[1];
    }
    // A face box file beside the photo that is no box is said, not guessed around.
    writeBytes(dir / "face.box", {'1', ' ', '2', ' ', '-', '3', ' ', '4'});
    EXPECT_EQ(1, sheet({"--contact-sheet", "0", "--out", file("s.png")}));
    EXPECT_NE(std::string::npos, errors.find("face.box")) << errors;
    EXPECT_EQ(old, dsl::readWholeFile(dir / "s.png"));
}

TEST_F(SheetDrive, TheSheetGoesThroughTheDriveTableIntoAFolderThatExistsAndNotOverAnInput)
{
    const auto model = dsl::readWholeFile(dir / "DS1" / "HA001.DSL");
    const auto list = dsl::readWholeFile(dir / "dslob00.aob");
    for (const std::string& out : {std::string("Q:\\ds1\\ha001.dsl"), std::string("Q:\\DSLOB00.AOB"), photo,
                                   std::string("Q:\\nofolder\\s.png"), std::string("Q:\\DS1")}) {
        EXPECT_EQ(1, sheet({"--contact-sheet", "0", "--out", out})) << out;
        EXPECT_FALSE(errors.empty()) << out;
    }
    EXPECT_EQ(model, dsl::readWholeFile(dir / "DS1" / "HA001.DSL"));
    EXPECT_EQ(list, dsl::readWholeFile(dir / "dslob00.aob"));
    EXPECT_FALSE(std::filesystem::exists(dir / "nofolder"));
    EXPECT_FALSE(std::filesystem::exists("Q:\\nofolder\\s.png"));

    ASSERT_EQ(0, sheet({"--contact-sheet", "0", "--out", "Q:\\ds1\\Sheet.png"})) << errors;
    auto bytes = dsl::readWholeFile(dir / "DS1" / "Sheet.png");
    ASSERT_TRUE(bytes);
    EXPECT_EQ(PictureKind::Png, sniffPicture(*bytes));
}

// A cut-out whose points span every Long (the editor loads it: it covers the whole picture) has
// no face-sized place to put the photo; that cell says so and the rest of the sheet is made.
TEST_F(SheetDrive, ACutOutSpanningEveryLongFailsItsCellOnly)
{
    dsl::Model m = makeModel(64, 70, {10, 10, 50, 60});
    m.set1 = {{4}, {{INT32_MIN, INT32_MIN}, {INT32_MAX, INT32_MIN}, {INT32_MAX, INT32_MAX}, {INT32_MIN, INT32_MAX}}};
    writeBytes(dir / "DS1" / "HA002.DSL", dsl::serialize(m, dsl::EditorMagic));
    EXPECT_EQ(1, sheet({"--contact-sheet", "0", "--out", file("s.png")}));
    EXPECT_NE(std::string::npos, errors.find("HA002.DSL: the model's cut-out puts the face beyond any picture")) << errors;
    EXPECT_TRUE(std::filesystem::exists(file("s.png")));
}
