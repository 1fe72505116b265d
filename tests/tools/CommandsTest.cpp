// dslmake and dslcat as a salon runs them: files in, model files and a drive out, and bad input
// answered with a clear message and nothing written.
#include "editor/engine/Engine.h"
#include "library/formats/ModelFile.h"
#include "library/formats/ModelFileApi.h"
#include "platform/Numbers.h"
#include "platform/Paths.h"
#include "tools/authoring/Files.h"
#include "tools/commands/Commands.h"
#include "tools/qt/PictureIo.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace salon::tools {
namespace {

namespace fs = std::filesystem;

class Commands : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("salon-commands-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        Bitmap picture = Bitmap::rgb24(64, 72);
        for (int32_t y = 0; y < 72; ++y)
            for (int32_t x = 0; x < 64; ++x) picture.setPixel(x, y, y < 16 ? packRgb(80, 50, 30) : packRgb(210, 170, 150));
        ASSERT_TRUE(savePng(dir / "picture.png", picture));
        Bitmap matte = Bitmap::rgb24(64, 72);
        for (int32_t y = 0; y < 16; ++y)
            for (int32_t x = 0; x < 64; ++x) matte.setPixel(x, y, packRgb(255, 255, 255));
        ASSERT_TRUE(savePng(dir / "hair.png", matte));
        write("cutout.json", "[[[12,16],[52,16],[52,66],[12,66]]]");
    }
    void TearDown() override { fs::remove_all(dir); }

    void write(const std::string& name, const std::string& text) { std::ofstream(dir / name) << text; }
    std::string path(const std::string& name) const { return (dir / name).string(); }

    // The default sources, with options of `extra` replacing them or added.
    int make(const std::vector<std::string>& extra)
    {
        std::map<std::string, std::string> sources{{"--picture", path("picture.png")}, {"--hair-matte", path("hair.png")},
                                                   {"--cutout", path("cutout.json")}, {"--out", path("model.DSL")}};
        std::vector<std::string> rest;
        for (size_t i = 0; i < extra.size(); ++i) {
            if (sources.count(extra[i]) && i + 1 < extra.size()) sources[extra[i]] = extra[i + 1], ++i;
            else rest.push_back(extra[i]);
        }
        std::vector<std::string> args;
        for (const auto& [k, v] : sources) args.insert(args.end(), {k, v});
        args.insert(args.end(), rest.begin(), rest.end());
        out.str({});
        err.str({});
        return runDslMake(args, out, err);
    }

    fs::path dir;
    std::ostringstream out, err;
};

TEST_F(Commands, DslMakeWritesAModelBothReadersAccept)
{
    ASSERT_EQ(make({"--name", "Test", "--range", "60", "150"}), 0) << err.str();
    auto bytes = readWholeFile(dir / "model.DSL");
    ASSERT_TRUE(bytes);
    auto model = dsl::parse(bytes.value(), dsl::EditorMagic, false);
    ASSERT_TRUE(model) << model.error();
    EXPECT_EQ(model.value().width, 64);
    EXPECT_EQ(model.value().name, "Test");
    EXPECT_EQ(uint32_t(model.value().skinColour), packRgb(210, 170, 150));
    EXPECT_EQ(uint32_t(model.value().hairColour), packRgb(80, 50, 30));
    EXPECT_EQ(model.value().rangeLow, 60);

    ASSERT_EQ(make({"--library"}), 0) << err.str();
    auto lib = readWholeFile(dir / "model.DSL");
    ASSERT_TRUE(lib);
    auto libModel = dsl::parse(lib.value(), dsl::LibraryMagic, true);
    ASSERT_TRUE(libModel) << libModel.error();
    EXPECT_EQ(libModel.value().picture1, model.value().picture1);
    EXPECT_EQ(libModel.value().mask1, model.value().mask1);
    EXPECT_EQ(libModel.value().set1, model.value().set1);
}

// The two programs that read models, each on its own variant of the file.
TEST_F(Commands, TheEditorAndTheLibraryLoadWhatDslMakeWrote)
{
    ASSERT_EQ(make({"--name", "Test", "--out", path("editor.DSL")}), 0) << err.str();
    ASSERT_EQ(make({"--name", "Test", "--out", path("library.DSL"), "--library"}), 0) << err.str();
    auto model = dsl::parse(readWholeFile(dir / "editor.DSL").value(), dsl::EditorMagic, false).value();

    ScriptedUi ui;
    Engine engine(ui);
    ASSERT_EQ(engine.ReadModelFile(path("editor.DSL")), 1);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(engine.Model1Buffer.Data, model.picture1);
    EXPECT_EQ(engine.Model2Buffer.Data, model.picture2);
    EXPECT_EQ(engine.Mask1, model.mask1);
    EXPECT_EQ(engine.Mask2, model.mask2);
    EXPECT_EQ(engine.Mask3, model.mask3);
    EXPECT_EQ(engine.Set1, model.set1);
    EXPECT_EQ(engine.Set2, model.set2);
    EXPECT_EQ(engine.SkinColour, uint32_t(model.skinColour));
    EXPECT_EQ(engine.HairColour, uint32_t(model.hairColour));
    ASSERT_TRUE(engine.CutRgn);  // the cut-out region the face is composed into
    EXPECT_EQ(engine.CutRgn->bounds().left, 12);
    EXPECT_EQ(engine.CutRgn->bounds().bottom, 66);

    ByteArray2D obr1, obr2, tr1, tr2, tr3;
    LongArray plg1, x1, y1, plg2, x2, y2, rgn, data;
    std::string name;
    ASSERT_EQ(SuCtiDSL(path("library.DSL"), obr1, obr2, tr1, tr2, tr3, plg1, x1, y1, plg2, x2, y2, name, rgn, data), 1);
    EXPECT_EQ(obr1.values, model.picture1);
    EXPECT_EQ(obr2.values, model.picture2);
    EXPECT_EQ(tr1.lower1, model.mask1.x);
    EXPECT_EQ(tr1.lower2, model.mask1.y);
    EXPECT_EQ(tr1.values, model.mask1.bytes);
    EXPECT_EQ(tr2.values, model.mask2.bytes);
    EXPECT_EQ(tr3.values, model.mask3.bytes);
    EXPECT_EQ(plg1.values, model.set1.counts);
    ASSERT_EQ(x1.values.size(), model.set1.points.size());
    for (size_t i = 0; i < x1.values.size(); ++i) {
        EXPECT_EQ(x1.values[i], model.set1.points[i][0]);
        EXPECT_EQ(y1.values[i], model.set1.points[i][1]);
    }
    EXPECT_EQ(name, "Test");
    EXPECT_EQ(data(1), 1);  // extended version
    EXPECT_EQ(data(3), model.skinColour);
    EXPECT_EQ(data(5), 64);
    EXPECT_EQ(data(6), 72);
}

TEST_F(Commands, DslMakeRefusesBadInputAndLeavesTheOutputAlone)
{
    write("two-points.json", "[[[12,16],[52,66]]]");
    write("outside.json", "[[[12,16],[90,16],[52,66]]]");
    write("broken.json", "[[[12,16],[52,16],");
    struct Case { std::vector<std::string> args; const char* message; };
    const std::vector<Case> cases{
        {{"--picture", path("none.png")}, "none.png: no such file"},
        {{"--cutout", path("none.json")}, "none.json: no such file"},
        {{"--cutout", path("two-points.json")}, "polygon 1 has 2 point(s); a polygon needs at least 3"},
        {{"--cutout", path("outside.json")}, "point (90, 16) of polygon 1 lies outside the 64 x 72 picture"},
        {{"--cutout", path("broken.json")}, "broken.json: JSON line 1"},
        {{"--hair-matte", path("cutout.json")}, "not a readable picture"},
        {{"--skin-colour", "pink"}, "\"pink\" is not a colour"},
        {{"--feather", "wide"}, "\"wide\" is not a whole number"},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(replaceFile(dir / "model.DSL", std::vector<uint8_t>{'o', 'l', 'd'}));
        EXPECT_EQ(make(c.args), 1) << c.message;
        EXPECT_NE(err.str().find(c.message), std::string::npos) << err.str();
        EXPECT_NE(err.str().find("nothing written"), std::string::npos);
        auto kept = readWholeFile(dir / "model.DSL");
        ASSERT_TRUE(kept);
        EXPECT_EQ(kept.value(), (std::vector<uint8_t>{'o', 'l', 'd'})) << c.message;
    }
    fs::remove(dir / "model.DSL");
    EXPECT_EQ(make({"--cutout", path("outside.json")}), 1);
    EXPECT_FALSE(fs::exists(dir / "model.DSL"));
    EXPECT_FALSE(fs::exists(dir / "model.DSL.part"));
}

// The model goes where the drive table says, like every name the salon's programs read, into a
// folder that exists - and never over a picture or outline it is made from.
TEST_F(Commands, DslMakeWritesThroughTheDriveTableAndNeverOverAnInput)
{
    DriveTable saved = DriveTable::current();
    DriveTable::current().set('Q', dir);
    auto picture = readWholeFile(dir / "picture.png");
    ASSERT_TRUE(picture);
    for (const std::string& out : {path("picture.png"), std::string("Q:\\PICTURE.PNG"), std::string("Q:\\Cutout.Json"),
                                   std::string("Q:\\nofolder\\m.DSL"), std::string("Q:\\"), path("")}) {
        EXPECT_EQ(make({"--out", out}), 1) << out;
        EXPECT_NE(err.str().find("nothing written"), std::string::npos) << out << ": " << err.str();
    }
    EXPECT_EQ(readWholeFile(dir / "picture.png").value(), picture.value());
    EXPECT_FALSE(fs::exists(dir / "nofolder"));
    EXPECT_FALSE(fs::exists("Q:\\nofolder\\m.DSL"));

    EXPECT_EQ(make({"--out", "Q:\\Made.DSL"}), 0) << err.str();
    EXPECT_TRUE(fs::exists(dir / "Made.DSL"));
    DriveTable::current() = saved;
}

TEST_F(Commands, DslMakeUsageMistakesAreNotInputErrors)
{
    std::ostringstream o, e;
    EXPECT_EQ(runDslMake({"--picture", path("picture.png")}, o, e), 2);
    EXPECT_NE(e.str().find("--cutout is required"), std::string::npos);
    EXPECT_EQ(runDslMake({"--frobnicate"}, o, e), 2);
    EXPECT_EQ(runDslMake({"--help"}, o, e), 0);
    EXPECT_NE(o.str().find("usage: dslmake"), std::string::npos);
}

TEST_F(Commands, DslCatLaysOutADrive)
{
    ASSERT_EQ(make({"--out", path("a.DSL")}), 0) << err.str();
    ASSERT_EQ(make({"--out", path("b.DSL"), "--library"}), 0) << err.str();
    std::ostringstream o, e;
    fs::path drive = dir / "drive";
    ASSERT_EQ(runDslCat({"--out", drive.string(), "--category", "Prvni", "DS1", "DA", path("a.DSL"), path("b.DSL"),
                         "--category", "Druha", "DS2", "ME", path("b.DSL"), path("a.DSL")},
                        o, e),
              0)
        << e.str();
    for (const char* f : {"dslob00.aob", "orvella/obsdsl00.irw", "orvella/obsdsl01.irw", "DS1/DA001.DSL",
                          "DS1/DA002.DSL", "DS2/ME001.DSL", "DS2/ME002.DSL"})
        EXPECT_TRUE(fs::exists(drive / f)) << f;
    // Every model on the drive carries the editor's magic, whatever it came with.
    auto copied = readWholeFile(drive / "DS2/ME001.DSL");
    ASSERT_TRUE(copied);
    EXPECT_TRUE(dsl::parse(copied.value(), dsl::EditorMagic, false));
    EXPECT_EQ(fs::file_size(drive / "dslob00.aob"), 64u);

    EXPECT_EQ(runDslCat({"--out", (dir / "drive2").string(), "--category", "Sama", "DS1", "DA", path("a.DSL")}, o, e), 1);
    EXPECT_NE(e.str().find("a category needs 2"), std::string::npos) << e.str();
    EXPECT_FALSE(fs::exists(dir / "drive2"));
}

} // namespace
} // namespace salon::tools
