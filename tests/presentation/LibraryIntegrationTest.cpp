// The presentation over the real graphics library and the demo data drive: the data drive is found
// by its marker, the slideshow's shapes come from the drive's region files, and no region is left.
#include "PresentationFixture.h"

#include "presentation/pixol/PixolLink.h"

namespace prevu::test {

struct LibraryIntegration : ::testing::Test {
    salon::DriveTable saved = salon::DriveTable::current();
    PixolLink lib;
    salon::ScriptedUi ui;
    RecordingHost host;
    void SetUp() override
    {
        salon::DriveTable::current() =
            salon::DriveTable({{'C', fs::temp_directory_path(), salon::DriveType::Fixed},
                               {'E', fs::path(SALON_BINARY_DIR) / "drive", salon::DriveType::CdRom}});
    }
    void TearDown() override { salon::DriveTable::current() = saved; }
};

TEST_F(LibraryIntegration, finds_the_drive_and_shapes_the_photo_from_its_region_file)
{
    const int32_t regionsBefore = lib.regionCount();
    {
        // The slideshow's first photo at its real size, the size post01 was drawn for.
        Resources res = testResources();
        res.bitmap = [](int32_t id) { return id == 51 ? salon::Bitmap::rgb24(440, 410) : resourcePicture(id); };
        Presentation p(lib, ui, host, res);
        ASSERT_TRUE(p.Form_Load(SALON_BINARY_DIR, {0, 0, 1024, 768}, 1024, 768));
        EXPECT_EQ(p.DataRoot, "E");
        EXPECT_FALSE(p.form.Picture.isNull());  // the menu's background from the drive
        p.RunProg(41);
        EXPECT_FALSE(p.form.Text1.Caption.empty());
        while (p.Step <= 6) p.Povel();
        ASSERT_NE(p.ShapeRegion, 0);
        EXPECT_EQ(lib.regionCount(), regionsBefore + 1);
        const Bublina& b = p.form.Bublina[0];
        ASSERT_TRUE(b.cutOut.has_value());
        // post01 keeps the photo in front below row 268 of the photo: the balloon's pixel there is
        // cut out, one above it (inside the shape and the mask) is not.
        const int32_t photoToBalloonX = p.form.Picture1.Left + 2 - b.Left;
        const int32_t photoToBalloonY = p.form.Picture1.Top + 2 - b.Top;
        EXPECT_TRUE(b.cutOut->contains(300 + photoToBalloonX, 280 + photoToBalloonY));
        EXPECT_FALSE(b.cutOut->contains(300 + photoToBalloonX, 120 + photoToBalloonY));
        while (p.Step <= 16) p.Povel();
        EXPECT_EQ(lib.regionCount(), regionsBefore);
        p.Form_Unload();
    }
    EXPECT_EQ(lib.regionCount(), regionsBefore);
}

} // namespace prevu::test
