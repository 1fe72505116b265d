#pragma once
// A presentation over a library double, a scripted Ui and a recording host. The double keeps real
// regions in a handle table, so region ownership and clips are checked, and answers the drive
// list and the file test from what the test sets up.
#include "presentation/Presentation.h"

#include "platform/Paths.h"

#include <gtest/gtest.h>

#include <filesystem>
namespace fs = std::filesystem;
#include <fstream>
#include <map>
#include <set>
#include <unistd.h>

namespace prevu::test {

class LibraryDouble : public LibraryLink {
public:
    bool settingsFail = false;
    int32_t screenWidth = 1024, screenHeight = 768, depth = 24;
    std::vector<std::pair<std::string, int32_t>> drives{{"D", 3}};
    std::set<std::string> files{"D:\\Dslob00.aob"};
    std::map<std::string, salon::Region> shapes;  // NLG file -> region at the requested size
    std::vector<std::string> nlgReads;
    int tmpDeleted = 0;
    salon::RegionTable regions;

    int32_t SuSettingsP(int32_t, const std::string&) override { return settingsFail ? 0 : 1; }
    int32_t SuScWidth() override { return screenWidth; }
    int32_t SuScHeight() override { return screenHeight; }
    int32_t SuScBarva() override { return depth; }
    std::string SuDirApp() override { return "/opt/prevu/"; }
    int32_t SysData3(salon::BoundedArray<int32_t>& CisDat, salon::BoundedArray<std::string>& StrDat) override
    {
        CisDat.redim(0, int32_t(drives.size()) - 1);
        StrDat.redim(0, int32_t(drives.size()) - 1);
        for (size_t i = 0; i < drives.size(); ++i) {
            StrDat(int32_t(i)) = drives[i].first;
            CisDat(int32_t(i)) = drives[i].second;
        }
        return int32_t(drives.size());
    }
    int32_t FsExist(const std::string& Jme) override { return files.count(Jme) ? 1 : 0; }
    int32_t SuCtiNLG(const std::string& JmeSou, int32_t, int32_t) override
    {
        nlgReads.push_back(JmeSou);
        auto it = shapes.find(JmeSou);
        return it == shapes.end() ? 0 : int32_t(regions.add(it->second));
    }
    int32_t RgnInvertuj(int32_t& Hrgn, int32_t l, int32_t t, int32_t r, int32_t b, bool Novy) override
    {
        salon::Region* in = regions.find(uint32_t(Hrgn));
        if (!in) return 0;
        salon::Region out = salon::Region::rect(l, t, r, b);
        out.subtract(*in);
        int32_t h = int32_t(regions.add(out));
        if (!Novy) {
            regions.remove(uint32_t(Hrgn));
            Hrgn = h;
        }
        return h;
    }
    int32_t TsRgn(int32_t& Hrgn) override
    {
        bool ok = Hrgn != 0 && regions.remove(uint32_t(Hrgn));
        Hrgn = 0;
        return ok ? 1 : 0;
    }
    int32_t SuClipRgn(salon::Surface& Obj, int32_t& Hrgn) override
    {
        salon::Region* r = regions.find(uint32_t(Hrgn));
        Obj.setClip(r ? std::optional<salon::Region>(*r) : std::nullopt);
        return 1;
    }
    int32_t PsClsXY(salon::Surface& Obj, int32_t BmX, int32_t BmY) override
    {
        Obj.clearPicture();
        Obj.setSize(BmX, BmY);
        Obj.clearPicture();
        return 1;
    }
    void SyTmpDel() override { ++tmpDeleted; }
    int32_t regionCount() override { return int32_t(regions.size()); }
};

class RecordingHost : public PresentationHost {
public:
    std::vector<std::string> videos;
    int informationShown = 0;
    bool startSucceeds = true;
    std::vector<std::pair<std::string, std::vector<std::string>>> started;
    int closed = 0;

    void showVideo(const std::string& path) override { videos.push_back(path); }
    void showInformation() override { ++informationShown; }
    bool startProgram(const std::string& program, const std::vector<std::string>& args) override
    {
        started.emplace_back(program, args);
        return startSucceeds;
    }
    void closeWindow() override { ++closed; }
};

// Resource pictures of the documented sizes, each a plain colour that names its number.
inline salon::Bitmap resourcePicture(int32_t id)
{
    int32_t w = 238, h = 180;
    switch (id) {
    case 10: case 17: w = 209; h = 254; break;
    case 11: w = 300; h = 364; break;
    case 12: w = 371; h = 480; break;
    case 13: case 14: case 15: case 16: case 18: w = 229; h = 297; break;
    case 50: w = 360; h = 480; break;
    case 51: w = 300; h = 400; break;
    default: break;
    }
    salon::Bitmap b = salon::Bitmap::rgb24(w, h);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) b.setPixel(x, y, uint32_t(id));
    if (id == 17 || id == 18) {
        // Masks: the upper half set (black), the lower half white.
        for (int32_t y = 0; y < h; ++y)
            for (int32_t x = 0; x < w; ++x) b.setPixel(x, y, y < h / 2 ? 0u : 0xFFFFFFu);
    }
    return b;
}

inline Resources testResources() { return Resources{resourcePicture, {}, {}}; }

struct PresentationTest : ::testing::Test {
    LibraryDouble lib;
    salon::ScriptedUi ui;
    RecordingHost host;
    Presentation p{lib, ui, host, testResources()};
    salon::DriveTable savedDrives = salon::DriveTable::current();
    std::filesystem::path dir;

    void SetUp() override
    {
        dir = std::filesystem::temp_directory_path() /
              ("prevu-test-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir / "orvella");
        salon::DriveTable::current() = salon::DriveTable({{'D', dir, salon::DriveType::Fixed}});
    }
    void TearDown() override
    {
        salon::DriveTable::current() = savedDrives;
        std::filesystem::remove_all(dir);
    }
    bool start(int32_t screenWidth = 1024, WorkArea area = {0, 0, 1024, 768})
    {
        lib.screenWidth = screenWidth;
        return p.Form_Load("/opt/prevu", area, area.width, area.height);
    }
    void writeNarration(const std::string& bytes)
    {
        std::ofstream(dir / "orvella" / "Demo.nxt", std::ios::binary) << bytes;
    }
};

} // namespace prevu::test
