// The presentation's files on the demo data drive: narration, region files, backgrounds, videos.
#include "platform/CodePage.h"
#include "platform/Paths.h"
#include "platform/PictureFile.h"
#include "presentation/Presentation.h"
#include "tools/prevudata/AviWriter.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace salon {
namespace {

namespace fs = std::filesystem;

const fs::path Orvella = fs::path(SALON_BINARY_DIR) / "drive" / "orvella";

std::vector<uint8_t> bytesOf(const fs::path& p)
{
    auto b = readFileBytes(p);
    EXPECT_TRUE(b) << p;
    return b ? b.value() : std::vector<uint8_t>{};
}

uint32_t u32(const std::vector<uint8_t>& b, size_t at)
{
    return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24;
}
int32_t i32(const std::vector<uint8_t>& b, size_t at) { return int32_t(u32(b, at)); }

TEST(PresentationDrive, narration_is_17_records_of_valid_windows_1250_text)
{
    const std::vector<uint8_t> b = bytesOf(Orvella / "Demo.nxt");
    ASSERT_EQ(b.size(), 10200u);
    for (size_t r = 0; r < 17; ++r) {
        const std::string record(b.begin() + long(r * 600), b.begin() + long(r * 600 + 600));
        for (unsigned char c : record) {
            EXPECT_GE(c, 0x20) << "record " << r;
            // Bytes Windows-1250 leaves undefined.
            EXPECT_TRUE(c != 0x81 && c != 0x83 && c != 0x88 && c != 0x90 && c != 0x98) << "record " << r;
        }
        const std::string text = cp1250ToUtf8(record);
        EXPECT_EQ(utf8ToCp1250(text), record) << "record " << r;
        EXPECT_GT(record.find_last_not_of(' '), 40u) << "record " << r << " says almost nothing";
    }
}

struct NlgCase {
    const char* file;
    int32_t width, height;  // the slideshow photo it shapes
};

class NlgFile : public ::testing::TestWithParam<NlgCase> {};

TEST_P(NlgFile, is_a_valid_region_file_inside_its_reference_size)
{
    const NlgCase& c = GetParam();
    const std::vector<uint8_t> b = bytesOf(Orvella / c.file);
    ASSERT_GE(b.size(), 24u + 32u);
    EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "PLG3");
    EXPECT_EQ(u32(b, 4), b.size());
    const uint32_t words = u32(b, 8), size = u32(b, 12);
    EXPECT_EQ(size, 4 * words);
    EXPECT_EQ(24 + size, b.size());
    EXPECT_EQ(i32(b, 16), c.width);
    EXPECT_EQ(i32(b, 20), c.height);
    // Region data: header 32, kind 1, r rectangles of 16 bytes, each inside the reference size.
    EXPECT_EQ(u32(b, 24), 32u);
    EXPECT_EQ(u32(b, 28), 1u);
    const uint32_t r = u32(b, 32);
    EXPECT_GT(r, 0u);
    EXPECT_EQ(u32(b, 36), 16 * r);
    EXPECT_EQ(size, 32 + 16 * r);
    for (uint32_t k = 0; k < r && 24 + 32 + 16 * k + 16 <= b.size(); ++k) {
        const size_t at = 24 + 32 + 16 * k;
        const int32_t l = i32(b, at), t = i32(b, at + 4), rt = i32(b, at + 8), bt = i32(b, at + 12);
        EXPECT_TRUE(0 <= l && l < rt && rt <= c.width && 0 <= t && t < bt && bt <= c.height) << c.file << " rect " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(Slideshow, NlgFile,
                         ::testing::Values(NlgCase{"post01.nlg", 440, 410}, NlgCase{"post02.nlg", 480, 470}));

TEST(PresentationDrive, backgrounds_exist_in_their_class_sizes)
{
    int count = 0;
    for (int32_t screen = 1; screen <= 5; ++screen) {
        for (int32_t cls = 1; cls <= 3; ++cls) {
            const std::string name = prevu::backgroundFile(screen, cls);
            if (name.empty()) continue;
            ++count;
            auto picture = loadPicture(Orvella / name);
            ASSERT_TRUE(picture) << name;
            EXPECT_EQ(picture.value().width, prevu::classLayout(cls).layoutWidth) << name;
            EXPECT_EQ(picture.value().height, prevu::classLayout(cls).layoutHeight) << name;
        }
    }
    EXPECT_EQ(count, 14);
}

TEST(PresentationDrive, videos_are_mjpeg_avi_with_decodable_frames)
{
    for (const char* name : {"demo1.avi", "demo2.avi", "demo3.avi", "hair.avi", "hairclas.avi", "kata1.avi",
                             "kata2.avi", "kata3.avi", "kata4.avi"}) {
        const std::vector<uint8_t> b = bytesOf(Orvella / "avi" / name);
        auto s = tools::readMjpegAvi(b);
        ASSERT_TRUE(s) << name << ": " << s.error();
        EXPECT_EQ(s.value().frames, int32_t(s.value().indexedFrames.size())) << name;
        EXPECT_GE(s.value().frames, 24) << name;  // two seconds at least
        for (auto frame : {s.value().indexedFrames.front(), s.value().indexedFrames.back()}) {
            auto decoded = decodeJpeg(frame);
            ASSERT_TRUE(decoded) << name;
            EXPECT_EQ(decoded.value().width, 320);
            EXPECT_EQ(decoded.value().height, 240);
        }
    }
}

} // namespace
} // namespace salon
