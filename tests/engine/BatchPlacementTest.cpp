// frizet01 --render --auto and --print-placement.
#include "EngineFixture.h"

#include "editor/shell/batch/Batch.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace salon;
using namespace salon::test;

namespace {

class BatchPlacement : public TempDir {
protected:
    std::ostringstream out, err;
    std::string model, photo;

    void SetUp() override
    {
        TempDir::SetUp();
        model = writeModel("m.dsl", makeModel(300, 320, {60, 50, 140, 150}));
        photo = writePhoto("p.bmp", makePhoto(200, 240));
    }
    int run(std::vector<std::string> args)
    {
        args.insert(args.begin(), {"frizet01", "--render", "--model", model, "--photo", photo});
        std::vector<char*> argv;
        for (std::string& a : args) argv.push_back(a.data());
        out.str({});
        err.str({});
        return runBatch(int(argv.size()), argv.data(), out, err);
    }
};

TEST_F(BatchPlacement, ThePlacementIsOneLineOfJsonInTheDocumentedShape)
{
    std::ofstream(file("p.box")) << "50 60 80 90";
    ASSERT_EQ(0, run({"--print-placement", "--out", file("r.bmp")})) << err.str();
    const std::string line = out.str().substr(0, out.str().find('\n'));
    EXPECT_EQ(R"({"scale":[1,1],"offset":[10,-5],"angle":0,"mirror":0,"face":[50,60,130,150],"eyes":[]})", line);
    EXPECT_TRUE(std::filesystem::exists(file("r.bmp")));

    // Without --out only the line is printed, nothing written.
    ASSERT_EQ(0, run({"--print-placement"})) << err.str();
    EXPECT_EQ(line + "\n", out.str());
}

TEST_F(BatchPlacement, AutoPlacesBeforeRendering)
{
    std::ofstream(file("p.box")) << "50 60 80 90";
    ASSERT_EQ(0, run({"--auto", "--out", file("a.bmp")})) << err.str();
    ASSERT_EQ(0, run({"--scale", "1,1", "--offset", "10,-5", "--out", file("m.bmp")})) << err.str();
    EXPECT_EQ(loadPicture(file("m.bmp")).value(), loadPicture(file("a.bmp")).value());
}

TEST_F(BatchPlacement, NoFaceFailsAndWritesNothing)
{
    if (!FaceFinder().ready()) GTEST_SKIP() << "no cascades installed";
    EXPECT_EQ(1, run({"--auto", "--out", file("r.bmp")}));
    EXPECT_NE(std::string::npos, err.str().find("No face found")) << err.str();
    EXPECT_FALSE(std::filesystem::exists(file("r.bmp")));
    EXPECT_EQ("", out.str());
}

TEST_F(BatchPlacement, HandPlacementOptionsContradictAuto)
{
    for (const char* opt : {"--mirror", "--scale", "--offset", "--angle"}) {
        std::vector<std::string> args{"--auto", opt};
        if (std::string(opt) == "--scale" || std::string(opt) == "--offset") args.push_back("2,2");
        if (std::string(opt) == "--angle") args.push_back("5");
        args.insert(args.end(), {"--out", file("r.bmp")});
        EXPECT_EQ(2, run(args)) << opt;
        EXPECT_FALSE(std::filesystem::exists(file("r.bmp")));
    }
}

} // namespace

namespace {

TEST_F(BatchPlacement, FitSeamlessBlendsAndOtherLevelsAreRefused)
{
    ASSERT_EQ(0, run({"--offset", "40,40", "--fit", "seamless", "--out", file("s.bmp")})) << err.str();
    ASSERT_EQ(0, run({"--offset", "40,40", "--fit", "100", "--out", file("f.bmp")})) << err.str();
    EXPECT_NE(loadPicture(file("s.bmp")).value(), loadPicture(file("f.bmp")).value());
    EXPECT_EQ(2, run({"--fit", "70", "--out", file("x.bmp")}));
    EXPECT_NE(std::string::npos, err.str().find("100, 60 or seamless"));
    EXPECT_FALSE(std::filesystem::exists(file("x.bmp")));
}

} // namespace
