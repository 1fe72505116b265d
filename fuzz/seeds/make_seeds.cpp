// Writes the seed inputs of every fuzz target with the project's own writers, so that the fuzzers
// start from files exactly as the suite makes them:   fuzz_make_seeds <fuzz/seeds directory>
// Icons and GIF files have no writer of ours; they are assembled here from our BMP writer's
// device-independent bitmap and from giflib's encoder.
#include "editor/shell/HelpFile.h"
#include "library/formats/ContentsFile.h"
#include "library/formats/ModelFile.h"
#include "library/formats/RegionFiles.h"
#include "platform/Numbers.h"
#include "platform/PictureFile.h"
#include "tools/authoring/Catalogue.h"

#include <gif_lib.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using namespace salon;
namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

fs::path g_root;

void save(const std::string& target, const std::string& name, const Bytes& bytes)
{
    fs::create_directories(g_root / target);
    std::ofstream out(g_root / target / name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    std::printf("%s/%s: %zu bytes\n", target.c_str(), name.c_str(), bytes.size());
}

Bitmap gradient(int32_t w, int32_t h)
{
    Bitmap b = Bitmap::rgb24(w, h);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x)
            b.setPixel(x, y, packRgb(uint8_t(x * 255 / std::max(1, w - 1)), uint8_t(y * 255 / std::max(1, h - 1)),
                                     uint8_t((x * 7 + y * 13) & 0xFF)));
    return b;
}

Bitmap indexedStripes(int32_t w, int32_t h, uint16_t bits)
{
    std::vector<uint32_t> palette;
    for (uint32_t i = 0; i < (1u << bits); ++i) palette.push_back(packRgb(uint8_t(i * 37), uint8_t(255 - i * 11), uint8_t(i * 3)));
    Bitmap b = Bitmap::indexed(w, h, bits, palette);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) {
            const uint32_t v = uint32_t(x + 2 * y) % (1u << bits);
            uint8_t* r = b.row(y);
            if (bits == 8) r[x] = uint8_t(v);
            else if (bits == 4) r[x / 2] |= uint8_t(x % 2 ? v : v << 4);
            else r[x / 8] |= uint8_t(v << (7 - x % 8));
        }
    return b;
}

// An icon (type 1) or cursor (type 2) holding one 24-bit image: our BMP writer's DIB with the
// doubled height icons use and an empty AND mask.
Bytes icon(const Bitmap& b, uint16_t type)
{
    Bytes bmp = encodeBmp(b);
    Bytes dib(bmp.begin() + 14, bmp.end());
    const int32_t twice = 2 * b.height;
    std::memcpy(dib.data() + 8, &twice, 4);
    dib.resize(dib.size() + size_t((b.width + 31) / 32 * 4) * size_t(b.height), 0);
    Bytes out = {0, 0, uint8_t(type), 0, 1, 0};
    out.push_back(uint8_t(b.width));
    out.push_back(uint8_t(b.height));
    out.insert(out.end(), {0, 0, 1, 0, 24, 0});
    const uint32_t size = uint32_t(dib.size()), offset = 22;
    for (int i = 0; i < 4; ++i) out.push_back(uint8_t(size >> (8 * i)));
    for (int i = 0; i < 4; ++i) out.push_back(uint8_t(offset >> (8 * i)));
    out.insert(out.end(), dib.begin(), dib.end());
    return out;
}

int gifWrite(GifFileType* gif, const GifByteType* data, int n)
{
    auto* out = static_cast<Bytes*>(gif->UserData);
    out->insert(out->end(), data, data + n);
    return n;
}

Bytes gif(int w, int h, bool interlaced, bool transparent)
{
    Bytes out;
    int error = 0;
    GifFileType* g = EGifOpen(&out, gifWrite, &error);
    GifColorType colours[4] = {{0, 0, 0}, {255, 0, 0}, {0, 200, 0}, {20, 40, 255}};
    ColorMapObject* map = GifMakeMapObject(4, colours);
    EGifSetGifVersion(g, true);
    EGifPutScreenDesc(g, w, h, 2, 0, map);
    if (transparent) {
        GraphicsControlBlock gcb{0, false, 5, 2};
        GifByteType ext[4];
        EGifGCBToExtension(&gcb, ext);
        EGifPutExtension(g, GRAPHICS_EXT_FUNC_CODE, 4, ext);
    }
    EGifPutImageDesc(g, 0, 0, w, h, interlaced, nullptr);
    std::vector<GifPixelType> line(static_cast<size_t>(w));
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) line[size_t(x)] = GifPixelType((x + y) % 4);
        EGifPutLine(g, line.data(), w);
    }
    EGifCloseFile(g, &error);
    GifFreeMapObject(map);
    return out;
}

dsl::Model model(int32_t w, int32_t h)
{
    dsl::Model m;
    m.faceAngle = -350;
    m.skinColour = int32_t(packRgb(220, 180, 150));
    m.hairColour = int32_t(packRgb(90, 50, 20));
    m.width = w;
    m.height = h;
    m.bitmapHeader = dsl::standardBitmapHeader(w, h);
    const Bitmap p1 = gradient(w, h);
    m.picture1 = p1.pixels;
    m.picture2 = p1.pixels;
    for (auto& v : m.picture2) v = uint8_t(255 - v);
    auto mask = [](int32_t x, int32_t y, int32_t mw, int32_t mh, int salt) {
        dsl::Mask k{x, y, mw, mh, std::vector<uint8_t>(size_t(mw * mh))};
        for (size_t i = 0; i < k.bytes.size(); ++i) k.bytes[i] = uint8_t((i * 29 + size_t(salt)) % 256);
        return k;
    };
    m.mask1 = mask(4, 5, w / 2, h / 2, 1);
    m.mask2 = mask(2, 1, w - 4, h / 3, 2);
    m.mask3 = mask(2, 1, w - 4, h / 3, 3);
    // The cut-out: an oval-ish octagon with a hole; the face mask: one quadrilateral.
    m.set1.counts = {8, 4};
    m.set1.points = {{10, 6}, {22, 6}, {28, 14}, {28, 26}, {22, 33}, {10, 33}, {4, 26}, {4, 14},
                     {12, 16}, {18, 16}, {18, 22}, {12, 22}};
    m.set2.counts = {4};
    m.set2.points = {{8, 12}, {24, 11}, {25, 30}, {7, 31}};
    m.rangeFlag = 1;
    m.rangeLow = 3;
    m.rangeHigh = 40;
    m.extra1 = 7;
    m.extra2 = -7;
    m.name = "Mikado kr\xe1tk\xe9";
    m.regionData = {32, 1, 2, 0, 0, 0, 30, 30, 0, 0, 30, 30};
    return m;
}

// The short version: the picture header inside the fixed block at 193, no extended fields.
Bytes shortVersion(Bytes file)
{
    const auto header = dsl::standardBitmapHeader(32, 36);
    std::memcpy(file.data() + 192, header.data(), 40);
    const int32_t pos = 193;
    std::memcpy(file.data() + 20, &pos, 4);
    return file;
}

std::string rtfPage(const std::string& title, const std::string& body)
{
    return "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}{\\colortbl;\\red200\\green0\\blue0;}"
           "\\pard\\qc\\b\\fs28\\cf1 " + title + "\\b0\\cf0\\par\\pard\\fs20 " + body +
           "\\line Za\\'e8n\\'ecte \\u382?lut\\'fdm tla\\'e8\\'edtkem.\\par}";
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <fuzz/seeds directory>\n", argv[0]);
        return 2;
    }
    g_root = argv[1];

    save("bmp", "rgb24.bmp", encodeBmp(gradient(7, 5)));
    save("bmp", "indexed1.bmp", encodeBmp(indexedStripes(19, 3, 1), true));
    save("bmp", "indexed4.bmp", encodeBmp(indexedStripes(9, 4, 4), true));
    save("bmp", "indexed8.bmp", encodeBmp(indexedStripes(6, 6, 8), true));
    save("jpeg", "gradient.jpg", encodeJpeg(gradient(24, 16), 50));
    save("jpeg", "odd.jpg", encodeJpeg(gradient(13, 7), 90));
    save("gif", "plain.gif", gif(10, 7, false, false));
    save("gif", "interlaced.gif", gif(9, 11, true, true));
    save("ico", "icon.ico", icon(gradient(16, 16), 1));
    save("ico", "cursor.cur", icon(gradient(8, 12), 2));

    const Bytes editorModel = dsl::serialize(model(32, 36), dsl::EditorMagic);
    save("model_editor", "extended.dsl", editorModel);
    save("model_editor", "short.dsl", shortVersion(editorModel));
    const Bytes libraryModel = dsl::serialize(model(32, 36), dsl::LibraryMagic);
    save("model_library", "extended.dsl", libraryModel);
    save("model_library", "short.dsl", shortVersion(libraryModel));

    save("category_list", "dslob00.aob",
         tools::categoryList({{"D\xe1msk\xe9 kr\xe1tk\xe9", "DS1", "HA", {}},
                              {"P\xe1nsk\xe9", "DS2", "HB", {}},
                              {"Dlouh\xe9 \x9a\xe9\xe8ky", "DS3", "HC", {}}}));
    std::vector<Bitmap> previews;
    for (int i = 0; i < 5; ++i) previews.push_back(gradient(9 + 3 * i, 12 + 2 * i));
    save("contents", "obsdsl00.irw", tools::contentsFile(previews));
    save("contents", "two.irw", tools::contentsFile({gradient(90, 120), gradient(1, 1)}));

    save("help_file", "NpvHair.tmf",
         buildHelpFile({rtfPage("N\\'e1pov\\'ecda", "Vyberte \\i model\\i0  v katalogu."),
                        rtfPage("Fotografie", "Otev\\'f8ete fotografii obli\\'e8eje."),
                        rtfPage("Barva", "{\\*\\unknown skryt\\'e9}Barva vlas\\'f9.")}));

    // Region files: an outline with a hole, and a set with an empty slot.
    const Region face = Region::polygons(std::vector<Point>{{20, 5}, {90, 12}, {97, 70}, {44, 88}, {3, 51}, {40, 30},
                                                            {60, 32}, {52, 55}},
                                         std::vector<int32_t>{5, 3}, FillRule::EvenOdd);
    save("nlg", "face.nlg", pixol::formats::encodeNlg(face.data(), 100, 90));
    save("nlg", "square.nlg", pixol::formats::encodeNlg(Region::rect(1, 2, 5, 6).data(), 0, 0));
    pixol::formats::NsgContents set;
    set.refWidth = 100;
    set.refHeight = 90;
    set.regions = {face.data(), {}, Region::rect(0, 0, 3, 3).data()};
    save("nsg", "set.nsg", pixol::formats::encodeNsg(set));

    save("iswg", "cells.isw",
         pixol::formats::encodeContentsFile(12, 10, "\xDA\xe8esy", "DS1",
                                            {encodeBmp(gradient(9, 7)), encodeJpeg(gradient(14, 12), 60),
                                             encodeBmp(indexedStripes(5, 5, 4), true)}));

    save("crop", "large.jpg", encodeJpeg(gradient(400, 500), 20));
    save("crop", "wide.bmp", encodeBmp(indexedStripes(500, 380, 1), true));
    return 0;
}
