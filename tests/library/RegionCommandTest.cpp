// pixol region: the toolkit applied to region files from the command line.
#include "RegionTestSupport.h"
#include "TempDrive.h"
#include "library/Pixolf.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace pixol;
using pixol::testing::TempDrive;

namespace {

int runPixol(const std::string& args)
{
    return std::system((std::string(PIXOL_PROGRAM) + " " + args + " 2>/dev/null").c_str());
}

const char* const Outline = "[[[20,5],[90,12],[97,70],[44,88],[3,51]],[[40,30],[60,32],[52,55]]]";

salon::Region outlineRegion()
{
    const std::vector<salon::Point> pts{{20, 5}, {90, 12}, {97, 70}, {44, 88}, {3, 51}, {40, 30}, {60, 32}, {52, 55}};
    const std::vector<int32_t> counts{5, 3};
    return salon::Region::polygons(pts, counts, salon::FillRule::EvenOdd);
}

} // namespace

TEST(RegionCommand, OperationsWriteWhatTheLibraryMethodsGive)
{
    TempDrive drive;
    Pixolf lib;
    drive.write("outline.json", Outline);
    const std::string dir = drive.root().string() + "/";
    struct Case {
        std::string args;
        std::function<int32_t(int32_t&)> method;
    };
    const std::vector<Case> cases = {
        {"grow --steps 3", [&](int32_t& h) { return lib.RgnZvetsi(h, 3, true, true); }},
        {"shrink --steps 2 --square", [&](int32_t& h) { return lib.RgnZmensi(h, 2, false, true); }},
        {"close --steps 4", [&](int32_t& h) { return lib.RgnVyhladit(h, 4, true); }},
        {"frame --width 3 --where edge", [&](int32_t& h) { return lib.RgnFrame(h, 3, 2, true); }},
        {"invert --rect 0,0,100,90", [&](int32_t& h) { return lib.RgnInvertuj(h, 0, 0, 100, 90, true); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args);
        ASSERT_EQ(0, runPixol("region " + c.args.substr(0, c.args.find(' ')) + " " + dir + "outline.json" +
                              c.args.substr(c.args.find(' ')) + " --size 100,90 --out " + dir + "out.nlg"));
        int32_t got = lib.SuCtiNLG(drive.path("out.nlg"));
        int32_t h = regiontest::handleOf(outlineRegion());
        int32_t want = c.method(h);
        EXPECT_EQ(regiontest::regionAt(want), regiontest::regionAt(got));
        for (int32_t* x : {&got, &h, &want}) lib.TsRgn(*x);
    }
}

TEST(RegionCommand, TracedPolygonsReadBackAsTheSameRegion)
{
    TempDrive drive;
    Pixolf lib;
    drive.write("outline.json", Outline);
    const std::string dir = drive.root().string() + "/";
    ASSERT_EQ(0, runPixol("region trace " + dir + "outline.json --out " + dir + "traced.json"));
    ASSERT_EQ(0, runPixol("region trace " + dir + "traced.json --size 100,90 --out " + dir + "back.nlg"));
    int32_t back = lib.SuCtiNLG(drive.path("back.nlg"));
    EXPECT_EQ(outlineRegion(), regiontest::regionAt(back));
    lib.TsRgn(back);
    drive.write("bar.json", "[[[0,0],[30,0],[30,2],[0,2]]]");
    EXPECT_NE(0, runPixol("region shrink " + dir + "bar.json --out " + dir + "gone.nlg"));  // nothing left
    EXPECT_NE(0, runPixol("region grow " + dir + "outline.json --steps 17 --out " + dir + "x.nlg"));
    EXPECT_NE(0, runPixol("region twist " + dir + "outline.json --out " + dir + "x.nlg"));
    EXPECT_NE(0, runPixol("region grow " + dir + "outline.json --out " + dir + "x.png"));
    EXPECT_NE(0, runPixol("region grow " + dir + "missing.json --out " + dir + "x.nlg"));
}
