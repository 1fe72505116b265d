// The presentation's data makers: the Motion-JPEG AVI writer and the narration records.
#include "platform/CodePage.h"
#include "platform/PictureFile.h"
#include "tools/prevudata/AviWriter.h"
#include "tools/prevudata/Narration.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace salon::tools {
namespace {

std::vector<uint8_t> jpegOf(uint32_t colour, int32_t w = 16, int32_t h = 8)
{
    Bitmap b = Bitmap::rgb24(w, h);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) b.setPixel(x, y, colour);
    return encodeJpeg(b);
}

TEST(AviWriterTest, frames_come_back_through_the_index_in_order)
{
    AviVideo v{16, 8, 12, {}};
    for (uint32_t c : {0x0000FFu, 0x00FF00u, 0xFF0000u}) v.jpegFrames.push_back(jpegOf(c));
    v.jpegFrames[1].push_back(0);  // an odd-sized frame needs its pad byte
    auto bytes = encodeMjpegAvi(v);
    ASSERT_TRUE(bytes) << bytes.error();
    auto s = readMjpegAvi(bytes.value());
    ASSERT_TRUE(s) << s.error();
    EXPECT_EQ(s.value().width, 16);
    EXPECT_EQ(s.value().height, 8);
    EXPECT_EQ(s.value().frames, 3);
    EXPECT_EQ(s.value().microsecondsPerFrame, 83333);
    ASSERT_EQ(s.value().indexedFrames.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        auto f = s.value().indexedFrames[i];
        EXPECT_TRUE(std::equal(f.begin(), f.end(), v.jpegFrames[i].begin(), v.jpegFrames[i].end())) << i;
        auto decoded = decodeJpeg(f.first(f.size() - (i == 1 ? 1 : 0)));
        ASSERT_TRUE(decoded);
        EXPECT_EQ(decoded.value().width, 16);
    }
    // The stream is declared as MJPG in both the stream header and the format.
    const std::string text(bytes.value().begin(), bytes.value().end());
    EXPECT_NE(text.find("vidsMJPG"), std::string::npos);
    EXPECT_EQ(text.find("auds"), std::string::npos);
}

TEST(AviWriterTest, refuses_what_cannot_make_a_video)
{
    AviVideo none{16, 8, 12, {}};
    EXPECT_FALSE(encodeMjpegAvi(none));
    AviVideo notJpeg{16, 8, 12, {{1, 2, 3, 4, 5}}};
    EXPECT_FALSE(encodeMjpegAvi(notJpeg));
    AviVideo noRate{16, 8, 0, {jpegOf(0)}};
    EXPECT_FALSE(encodeMjpegAvi(noRate));
}

TEST(AviWriterTest, reader_rejects_damaged_files_without_reading_past_them)
{
    AviVideo v{16, 8, 10, {jpegOf(0x808080), jpegOf(0x404040)}};
    const std::vector<uint8_t> good = encodeMjpegAvi(v).value();
    std::vector<std::vector<uint8_t>> bad;
    bad.push_back({good.begin(), good.begin() + 100});  // cut short
    auto wrongSize = good;
    wrongSize[4] ^= 1;
    bad.push_back(wrongSize);
    auto wrongIndex = good;
    wrongIndex[wrongIndex.size() - 8] = 0xFF;  // last index entry's offset far away
    bad.push_back(wrongIndex);
    for (size_t i = 0; i < bad.size(); ++i) EXPECT_FALSE(readMjpegAvi(bad[i])) << i;
}

std::string source(int steps, const std::string& text = "Text")
{
    std::string s = "// comment\n";
    for (int k = 0; k < steps; ++k) s += "# " + std::to_string(k) + "\n" + text + "\n\n";
    return s;
}

TEST(NarrationTest, seventeen_records_of_600_blank_padded_windows_1250_bytes)
{
    std::string src = source(17);
    src.replace(src.find("# 3\nText"), 8, "# 3\nŽluťoučký kůň\núpěl");
    auto file = narrationFile(src);
    ASSERT_TRUE(file) << file.error();
    ASSERT_EQ(file.value().size(), 10200u);
    const std::string record3 = file.value().substr(1800, 600);
    EXPECT_EQ(cp1250ToUtf8(record3.substr(0, 18)), "Žluťoučký kůň úpěl");
    EXPECT_EQ(record3.find_last_not_of(' '), 17u);
    EXPECT_EQ(file.value().substr(0, 4), "Text");
}

TEST(NarrationTest, refuses_sources_that_would_make_a_wrong_file)
{
    struct Case {
        const char* what;
        std::string src;
    };
    std::string tooLong = source(17);
    tooLong.replace(tooLong.find("# 5\nText"), 8, "# 5\n" + std::string(601, 'x'));
    std::string exactly600 = source(17);
    exactly600.replace(exactly600.find("# 5\nText"), 8, "# 5\n" + std::string(600, 'x'));
    EXPECT_TRUE(narrationFile(exactly600));
    std::string notCp1250 = source(17, "日本");
    std::string skipped = source(17);
    skipped.replace(skipped.find("# 4"), 3, "# 5");
    for (const Case& c : std::vector<Case>{{"16 steps", source(16)}, {"18 steps", source(18)},
                                           {"601 bytes", tooLong}, {"no Windows-1250", notCp1250},
                                           {"a step skipped", skipped}, {"text first", "Text\n" + source(17)}}) {
        EXPECT_FALSE(narrationFile(c.src)) << c.what;
    }
}

} // namespace
} // namespace salon::tools
