// pixol filter OP IN OUT: the library's area transforms applied to a picture file, written as a
// 24-bit BMP or a PNG file. The picture goes through the same pixel arrays a caller of the library
// uses.
#include "Command.h"

#include "library/Pixolf.h"
#include "library/frame/LibraryState.h"
#include "library/imaging/PixelArrays.h"
#include "platform/PictureFile.h"

#include <array>
#include <iostream>
#include <sstream>

namespace pixol::cli {

namespace {

enum class Member { A, G, B, D };

struct Filter {
    const char* name;
    Member member;
    int32_t typ;
    std::array<int32_t, 4> data;  // defaults, replaced by --data
    const char* what;
};

// Names a retoucher looks for; the data are the methods' Data1..Data4.
const Filter filters[] = {
    {"grey", Member::A, 1, {}, "grey (B\\3 + G\\3 + R\\3)"},
    {"contrast", Member::A, 2, {0, 40, 128, 0}, "contrast: brightness, contrast %, pivot 40..224, floor"},
    {"balance", Member::A, 3, {20, 0, -20, 0}, "colour balance: red, green, blue -100..100, floor"},
    {"tint", Member::A, 4, {0x3060C0, 30, 0, 0}, "tint towards a colour: colour, strength %"},
    {"match", Member::A, 6, {0x80A0C0, 50, 8, 0}, "move the average colour towards a colour: colour, %, floor"},
    {"lighten", Member::A, 7, {60, 0, 0, 0}, "lighten: amount 1..200"},
    {"relief", Member::A, 8, {127, 0, 0, 0}, "relief: threshold 10..127"},
    {"sharpen", Member::A, 9, {60, 1, 0, 0}, "sharpen: strength %, 0 four / 1 eight neighbours"},
    {"smooth", Member::A, 10, {0, 0, 0, 0}, "smoothing: 0 gentle, 1 even"},
    {"colourise", Member::A, 11, {0x2080E0, 80, 20, 0}, "colourise: colour, strength %, flat share %"},
    {"noise", Member::A, 13, {40, 0, 50, 0}, "noise: amount -100..100, floor, colour share %"},
    {"duotone", Member::A, 15, {0x4080FF, 80, 5, 0}, "duotone: colour, strength %, levels 2..11"},
    {"hue", Member::A, 16, {120, 0, 0, 0}, "hue turn: degrees -180..180"},
    {"threshold", Member::G, 3, {128, 0, 0, 0}, "threshold: level 0..255"},
    {"posterise", Member::G, 4, {4, 0, 0, 0}, "posterise: levels 2..255"},
    {"invert", Member::G, 1, {}, "negative through the lookup tables"},
    {"blend", Member::B, 1, {50, 20, 8, 0}, "blend --with a picture: share %"},
    {"multiply", Member::D, 3, {100, 20, 8, 0}, "multiply --with a picture: share %"},
    {"screen", Member::D, 4, {100, 20, 8, 0}, "screen --with a picture: share %"},
    {"overlay", Member::D, 5, {100, 20, 8, 0}, "overlay --with a picture: share %"},
    {"darken", Member::D, 6, {100, 20, 8, 0}, "darken --with a picture: share %"},
    {"lightest", Member::D, 7, {100, 20, 8, 0}, "lighten --with a picture: share %"},
    {"difference", Member::D, 8, {100, 20, 8, 0}, "difference --with a picture: share %"},
};

std::vector<int32_t> numbers(const std::string& text)
{
    std::vector<int32_t> out;
    std::stringstream ss(text);
    for (std::string part; std::getline(ss, part, ',');) out.push_back(int32_t(std::stol(part, nullptr, 0)));
    return out;
}

bool loadArray(const std::string& path, ByteArray& a, int32_t& w, int32_t& h, std::string& error)
{
    auto picture = salon::loadPicture(path);
    if (!picture) {
        error = path + ": " + picture.error();
        return false;
    }
    w = picture.value().width;
    h = picture.value().height;
    pixels::fromBitmap(picture.value(), a);
    return true;
}

std::string usageText()
{
    std::string u = "pixol filter OP IN OUT [--data a,b,c,d] [--with IN2] [--mask MASK] [--region l,t,r,b] [--offset x,y]"
                    "\n    OUT is a 24-bit BMP file, or PNG when it ends in .png (never one of the inputs)."
                    "\n    OP:";
    for (const Filter& f : filters) u += std::string("\n      ") + f.name + "  " + f.what;
    return u;
}

int filter(const std::vector<std::string>& all)
{
    const std::vector<std::string>& args = all;
    const std::vector<std::string> pos = positionals(all);
    if (pos.size() != 3) return fail("usage: " + usageText());
    const Filter* f = nullptr;
    for (const Filter& candidate : filters)
        if (pos[0] == candidate.name) f = &candidate;
    if (!f) return fail("unknown filter \"" + pos[0] + "\" (pixol --help lists them)");
    std::array<int32_t, 4> data = f->data;
    if (const std::string* d = option(args, "--data")) {
        const auto given = numbers(*d);
        for (size_t i = 0; i < given.size() && i < 4; ++i) data[i] = given[i];
    }
    std::vector<std::string> inputs{pos[1]};
    for (const char* other : {"--with", "--mask"})
        if (const std::string* v = option(args, other)) inputs.push_back(*v);
    const salon::Result<std::filesystem::path> target = resultPath(pos[2], inputs);
    if (!target) return fail("nothing written: " + target.error());
    Pixolf lib;
    ByteArray pole;
    int32_t w = 0, h = 0;
    std::string error;
    if (!loadArray(pos[1], pole, w, h, error)) return fail(error);

    int32_t hrgn = 0;
    if (const std::string* r = option(args, "--region")) {
        const auto v = numbers(*r);
        if (v.size() != 4) return fail("--region takes left,top,right,bottom");
        hrgn = int32_t(state().regions.add(salon::Region::rect(v[0], v[1], v[2], v[3])));
    }
    int32_t le = 0, te = 0, sw = 0, sh = 0, result = 0;
    switch (f->member) {
    case Member::A:
        result = lib.PaZmenaA(f->typ, pole, w, h, le, te, sw, sh, hrgn, data[0], data[1], data[2], data[3]);
        break;
    case Member::G: {
        LongArray r, g, b;
        for (LongArray* t : {&r, &g, &b}) {
            t->redim(0, 255);
            for (int v = 0; v < 256; ++v) (*t)(v) = 255 - v;
        }
        result = lib.PaZmenaG(f->typ, pole, w, h, r, g, b, le, te, sw, sh, hrgn, data[0]);
        break;
    }
    case Member::B: case Member::D: {
        const std::string* with = option(args, "--with");
        if (!with) return fail(std::string(f->name) + " needs --with PICTURE");
        ByteArray second;
        int32_t w2 = 0, h2 = 0;
        if (!loadArray(*with, second, w2, h2, error)) return fail(error);
        int32_t ox = 0, oy = 0;
        if (const std::string* o = option(args, "--offset")) {
            const auto v = numbers(*o);
            if (v.size() != 2) return fail("--offset takes x,y");
            ox = v[0], oy = v[1];
        }
        if (f->member == Member::B) {
            result = lib.PaZmenaB(f->typ, pole, second, w, h, w2, h2, ox, oy, le, te, sw, sh, hrgn, data[0], data[1],
                                  data[2], data[3]);
            break;
        }
        ByteArray mask;
        mask.redim(0, w2 - 1, 0, h2 - 1);
        if (const std::string* m = option(args, "--mask")) {
            ByteArray grey;
            int32_t mw = 0, mh = 0;
            if (!loadArray(*m, grey, mw, mh, error)) return fail(error);
            for (int32_t y = 0; y < std::min(h2, mh); ++y)
                for (int32_t x = 0; x < std::min(w2, mw); ++x) mask(x, y) = grey(3 * x + 1, y);
        } else {
            for (auto& v : mask.values) v = 255;
        }
        result = lib.PaZmenaD(f->typ, pole, second, mask, w, h, w2, h2, ox, oy, le, te, sw, sh, hrgn, data[0],
                              data[1], data[2], data[3]);
        break;
    }
    }
    if (hrgn) lib.TsRgn(hrgn);
    if (result == -1) return fail("the area lies outside the picture; nothing changed");
    if (result != 1) return fail(std::string(f->name) + " refused its data or the picture (result " +
                                 std::to_string(result) + ")");
    auto saved = writePicture(target.value(), pixels::toBitmap(pole, w, h));
    if (!saved) return fail(pos[2] + ": " + saved.error());
    std::cout << f->name << ": " << sw << " x " << sh << " pixels from (" << le << ", " << te << ") changed, "
              << pos[2] << " written\n";
    return 0;
}

const CommandRegistration registration{Command{"filter", usageText(), filter}};

} // namespace

} // namespace pixol::cli
