#include "EngineFixture.h"

#include "editor/shell/batch/Batch.h"
#include "editor/shell/texts/Texts.h"
#include "library/formats/FileBytes.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

using namespace salon;
using namespace salon::test;

namespace {

class Batch : public TempDir {
protected:
    std::ostringstream out, err;

    int run(std::vector<std::string> args)
    {
        args.insert(args.begin(), "frizet01");
        std::vector<char*> argv;
        for (std::string& a : args) argv.push_back(a.data());
        out.str({});
        err.str({});
        return runBatch(int(argv.size()), argv.data(), out, err);
    }
    Bitmap result(const std::string& path)
    {
        auto b = loadPicture(path);
        EXPECT_TRUE(b.ok());
        return b.ok() ? b.value().toRgb24() : Bitmap{};
    }
};

} // namespace

TEST(BatchCommands, OnlyTheBatchOptionsLeaveTheWindowOut)
{
    auto is = [](std::vector<std::string> args) {
        std::vector<char*> argv;
        for (std::string& a : args) argv.push_back(a.data());
        return isBatchCommand(int(argv.size()), argv.data());
    };
    EXPECT_TRUE(is({"frizet01", "--render"}));
    EXPECT_TRUE(is({"frizet01", "--help"}));
    EXPECT_TRUE(is({"frizet01", "--demo"}));
    EXPECT_TRUE(is({"frizet01", "--contact-sheet"}));
    EXPECT_FALSE(is({"frizet01", "/", "D"}));
    EXPECT_FALSE(is({"frizet01"}));
}

TEST_F(Batch, RendersTheFaceIntoTheModelsCutOut)
{
    const std::string model = writeModel("ha007.DSL", makeModel(64, 70, {10, 10, 50, 60}));
    const std::string photo = writePhoto("face.bmp", makePhoto(40, 50));
    ASSERT_EQ(0, run({"--render", "--model", model, "--photo", photo, "--offset", "5,7", "--out", file("r.bmp")})) << err.str();
    const Bitmap r = result(file("r.bmp"));
    ASSERT_EQ(64, r.width);
    ASSERT_EQ(70, r.height);
    EXPECT_EQ(packRgb(77, 13 - 7, 20 - 5), r.pixel(20, 13));  // the photo, moved by (5, 7)
    EXPECT_EQ(packRgb(200, 3, 3), r.pixel(3, 3));              // the model outside the cut-out
    EXPECT_EQ(0u, r.pixel(47, 59));                            // inside, beyond the photo: black
}

TEST_F(Batch, TransformOptionsReachTheEngine)
{
    const std::string model = writeModel("m.dsl", makeModel(64, 70, {0, 0, 64, 70}));
    const std::string photo = writePhoto("face.bmp", makePhoto(40, 50));
    ASSERT_EQ(0, run({"--render", "--model", model, "--photo", photo, "--mirror", "--scale", "2,1", "--out", file("m.bmp")}));
    const Bitmap r = result(file("m.bmp"));
    EXPECT_EQ(packRgb(77, 4, 39), r.pixel(0, 4));   // mirrored: column 39 first
    EXPECT_EQ(packRgb(77, 4, 39), r.pixel(1, 4));   // twice as wide
    EXPECT_EQ(packRgb(77, 4, 8), r.pixel(62, 4));   // x 62 -> source column 31 -> photo column 8
}

TEST_F(Batch, FaceColourAndSwatchRecolourTheResult)
{
    dsl::Model m = makeModel(64, 70, {10, 10, 50, 60});
    m.rangeFlag = 1;
    m.rangeLow = 60;
    m.rangeHigh = 150;
    const std::string model = writeModel("m.dsl", m);
    const std::string photo = writePhoto("face.bmp", makePhoto(40, 50));
    ASSERT_EQ(0, run({"--render", "--model", model, "--photo", photo, "--out", file("plain.bmp")}));
    ASSERT_EQ(0, run({"--render", "--model", model, "--photo", photo, "--fit", "100", "--out", file("fit.bmp")}));
    ASSERT_EQ(0, run({"--render", "--model", model, "--photo", photo, "--fit", "60", "--swatch", "12", "--out", file("hair.bmp")}));
    const Bitmap plain = result(file("plain.bmp")), fit = result(file("fit.bmp")), hair = result(file("hair.bmp"));
    EXPECT_NE(plain.pixel(20, 20), fit.pixel(20, 20));  // face colour matched under mask 1
    EXPECT_NE(fit.pixel(20, 2), hair.pixel(20, 2));     // hair rows recoloured

    // Swatch 13 (value 55) is outside 60..150: a message and nothing written.
    EXPECT_NE(0, run({"--render", "--model", model, "--photo", photo, "--swatch", "13", "--out", file("no.bmp")}));
    EXPECT_NE(std::string::npos, err.str().find("outside the model's colour range"));
    EXPECT_FALSE(std::filesystem::exists(file("no.bmp")));
}

TEST_F(Batch, FailuresPrintTheProgramsMessageAndWriteNothing)
{
    const std::string model = writeModel("m.dsl", makeModel(64, 70, {10, 10, 50, 60}));
    const std::string library = writeModel("lib.dsl", makeModel(64, 70, {10, 10, 50, 60}), dsl::LibraryMagic);
    const std::string photo = writePhoto("face.bmp", makePhoto(40, 50));
    const std::string wide = writePhoto("wide.bmp", makePhoto(361, 100));
    struct Case {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {{"--model", file("none.dsl"), "--photo", photo}, "Soubor neexistuje"},
        {{"--model", library, "--photo", photo}, "Nejedná se o správný typ souboru"},
        {{"--model", model, "--photo", wide}, ResText(168).substr(1, 20)},
        {{"--model", model, "--photo", file("none.jpg")}, "Soubor nebyl nalezen"},
    };
    for (Case& c : cases) {
        std::vector<std::string> args{"--render"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        args.insert(args.end(), {"--out", file("out.bmp")});
        EXPECT_EQ(1, run(args));
        EXPECT_NE(std::string::npos, err.str().find(c.message)) << err.str();
        EXPECT_FALSE(std::filesystem::exists(file("out.bmp")));
    }
}

TEST_F(Batch, BadCommandLinesAreUsageErrors)
{
    const std::vector<std::vector<std::string>> cases = {
        {"--render", "--model", "m.dsl", "--photo", "p.bmp"},
        {"--render", "--model", "m.dsl", "--photo", "p.bmp", "--out", "o.bmp", "--deform", "6,0"},
        {"--render", "--model", "m.dsl", "--photo", "p.bmp", "--out", "o.bmp", "--scale", "0,1"},
        {"--render", "--model", "m.dsl", "--photo", "p.bmp", "--out", "o.bmp", "--fit", "80"},
        {"--render", "--model", "m.dsl", "--photo", "p.bmp", "--out", "o.bmp", "--swatch", "49"},
        {"--render", "--model", "m.dsl", "--photo", "p.bmp", "--out", "o.bmp", "--offset", "3"},
        {"--render", "--model", "m.dsl", "--photo", "p.bmp", "--out", "o.bmp", "--angle", "ten"},
        {"--render", "--model"},
        {"--render", "--frobnicate"},
        {"--contact-sheet"},
    };
    for (const auto& c : cases) EXPECT_EQ(2, run(c)) << c.back();
    EXPECT_EQ(0, run({"--help"}));
    EXPECT_NE(std::string::npos, out.str().find("--render --model FILE --photo FILE --out RESULT.bmp"));
}

// The demo data drive is built by the data folder; without it there is nothing to render.
TEST_F(Batch, DemoRendersTheFirstModelWithTheDemoPhoto)
{
    if (!FileExists("D:\\dslob00.aob")) GTEST_SKIP() << "no demo data drive";
    ASSERT_EQ(0, run({"--demo", "--out", file("demo.bmp")})) << err.str();
    const Bitmap r = result(file("demo.bmp"));
    EXPECT_GT(r.width, 100);
    // Every demo model renders with every transform option.
    for (const char* m : {"D:\\DS1\\DA002.DSL", "D:\\DS2\\ME001.DSL"}) {
        EXPECT_EQ(0, run({"--render", "--model", m, "--photo", "D:\\photos\\face.jpg", "--deform", "2,-1", "--angle", "-4",
                          "--scale", "1.2,1.1", "--offset", "60,40", "--fit", "60", "--out", file("r.bmp")}))
            << m << ": " << err.str();
    }
}

// Numbers at the ends of their ranges, from options and from the face box beside a photo: each is
// refused with a message before it reaches the placement arithmetic, and nothing is written.
TEST_F(Batch, ExtremeOptionsAndFaceBoxesAreRefused)
{
    const std::string model = writeModel("m.dsl", makeModel(64, 70, {10, 10, 50, 60}));
    const std::string photo = writePhoto("face.bmp", makePhoto(40, 50));
    const std::string base[] = {"--render", "--model", model, "--photo", photo, "--out", file("r.bmp")};
    const struct {
        std::vector<std::string> extra;
        int exit;
    } cases[] = {
        {{"--offset", "-2147483648,-2147483648"}, 2},
        {{"--offset", "2147483647,0"}, 2},
        {{"--offset", "0,1048577"}, 2},
        {{"--offset", "99999999999,0"}, 2},
        {{"--scale", "1e30,1e30"}, 1},
        {{"--scale", "1e-9,1"}, 1},
        {{"--scale", "nan,1"}, 2},
        {{"--angle", "inf"}, 2},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args(std::begin(base), std::end(base));
        args.insert(args.end(), c.extra.begin(), c.extra.end());
        EXPECT_EQ(c.exit, run(args)) << c.extra[1];
        EXPECT_FALSE(err.str().empty()) << c.extra[1];
        EXPECT_FALSE(std::filesystem::exists(file("r.bmp"))) << c.extra[1];
    }
    // The largest offsets a picture can have still render (the face is then off the model).
    EXPECT_EQ(0, run({"--render", "--model", model, "--photo", photo, "--offset", "-1048576,1048576", "--out", file("r.bmp")}))
        << err.str();

    for (const char* box : {"2147483647 2147483647 2147483647 2147483647", "-2147483647 -2147483647 1 1",
                            "5 5 0 10", "5 5 10", "5 5 10 10 10", "x 5 10 10", "99999999999 0 1 1"}) {
        writeBytes(dir / "face.box", std::vector<uint8_t>(box, box + std::strlen(box)));
        EXPECT_EQ(1, run({"--demo", "--model", model, "--photo", photo, "--out", file("d.bmp")})) << box;
        EXPECT_NE(std::string::npos, err.str().find("face.box")) << box << ": " << err.str();
        EXPECT_FALSE(std::filesystem::exists(file("d.bmp"))) << box;
    }
    writeBytes(dir / "face.box", {'4', ' ', '5', ' ', '3', '0', '\n', '4', '0', '\n'});
    EXPECT_EQ(0, run({"--demo", "--model", model, "--photo", photo, "--out", file("d.bmp")})) << err.str();
}

// The result never replaces what it is made from - not by the same name, not by another case of
// it through the drive table - and a folder that is not there is an error, not a file named
// after it in the current directory.
TEST_F(Batch, TheResultMustGoToAFolderThatExistsAndNotOverAnInput)
{
    DriveTable saved = DriveTable::current();
    DriveTable::current().set('Q', dir);
    const std::string model = writeModel("ha001.dsl", makeModel(64, 70, {10, 10, 50, 60}));
    const std::string photo = writePhoto("face.bmp", makePhoto(40, 50));
    const auto modelBytes = dsl::readWholeFile(model);
    const auto photoBytes = dsl::readWholeFile(photo);
    for (const std::string& out : {model, photo, std::string("Q:\\HA001.DSL"), std::string("Q:\\Face.BMP"),
                                   std::string("Q:\\nofolder\\r.bmp"), std::string("Q:\\"), file("")}) {
        EXPECT_EQ(1, run({"--render", "--model", "Q:\\ha001.dsl", "--photo", photo, "--out", out})) << out;
        EXPECT_NE(std::string::npos, err.str().find("Cannot write")) << out << ": " << err.str();
    }
    EXPECT_EQ(modelBytes, dsl::readWholeFile(model));
    EXPECT_EQ(photoBytes, dsl::readWholeFile(photo));
    EXPECT_FALSE(std::filesystem::exists(dir / "nofolder"));

    EXPECT_EQ(0, run({"--render", "--model", "Q:\\ha001.dsl", "--photo", photo, "--out", "Q:\\Result.bmp"})) << err.str();
    EXPECT_TRUE(std::filesystem::exists(dir / "Result.bmp"));
    DriveTable::current() = saved;
}
