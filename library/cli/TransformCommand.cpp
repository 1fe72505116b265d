// pixol transform OP IN OUT: the library's geometric transforms on a picture file, written as a
// 24-bit BMP or a PNG file, so that a person can try them on their own pictures.
#include "Command.h"

#include "library/Pixolf.h"
#include "platform/Numbers.h"
#include "platform/Paths.h"
#include "platform/PictureFile.h"

#include <cmath>
#include <iostream>
#include <sstream>
#include <stdexcept>

namespace pixol::cli {

namespace {

std::vector<double> numbers(const std::vector<std::string>& args, const std::string& name, size_t count,
                            bool required = true)
{
    const std::string* value = option(args, name);
    if (!value) {
        if (required) throw std::invalid_argument(name + " is needed");
        return {};
    }
    std::vector<double> out;
    std::stringstream in(*value);
    std::string part;
    while (std::getline(in, part, ',')) {
        size_t used = 0;
        double v = 0;
        try {
            v = std::stod(part, &used);
        } catch (...) {
            used = 0;
        }
        if (used != part.size() || part.empty() || !std::isfinite(v))
            throw std::invalid_argument(name + ": \"" + *value + "\" is not a list of numbers");
        out.push_back(v);
    }
    if (out.size() == 1 && count == 2) out.push_back(out[0]);  // one factor for both directions
    if (out.size() != count)
        throw std::invalid_argument(name + " takes " + std::to_string(count) + " numbers separated by commas");
    return out;
}

int32_t whole(double v)
{
    if (v != std::floor(v) || std::fabs(v) > 1e9) throw std::invalid_argument("a whole number was expected");
    return int32_t(v);
}

std::filesystem::path native(const std::string& path)
{
    std::optional<std::filesystem::path> p = salon::nativePath(path);
    if (!p) throw std::invalid_argument("\"" + path + "\" names an unknown drive");
    return *p;
}

int transform(const std::vector<std::string>& args)
{
    // Options may stand anywhere: "rotate IN --angle 17 OUT" must not write a file named --angle.
    const std::vector<std::string> pos = positionals(args, {"--keep-size", "--x", "--y"});
    if (pos.size() != 3) return fail("transform needs OP IN OUT and options (pixol --help)");
    const std::string &op = pos[0], &inPath = pos[1], &outPath = pos[2];
    const salon::Result<std::filesystem::path> target = resultPath(outPath, {inPath});
    if (!target) return fail("nothing written: " + target.error());
    salon::Result<salon::Bitmap> in = salon::loadPicture(native(inPath));
    if (!in) return fail(inPath + ": " + in.error());
    Pixolf lib;
    salon::Surface obj(in.value().width, in.value().height);
    obj.setPicture(in.value());
    const bool keep = flag(args, "--keep-size");
    int32_t dX = 0, dY = 0, ok = 0;
    std::string report;

    if (op == "rotate") {
        const float degrees = float(numbers(args, "--angle", 1)[0]);
        float fx = 0, fy = 0;
        ok = lib.PsObrRotace(obj, degrees * 3.14159265f / 180.0f, fx, fy, !keep);
        report = "origin moved by (" + std::to_string(fx) + ", " + std::to_string(fy) + ")";
    } else if (op == "scale") {
        const std::vector<double> f = numbers(args, "--factor", 2);
        ok = lib.PsObrScale(obj, dX, dY, float(f[0]), float(f[1]), !keep);
    } else if (op == "flip") {
        ok = lib.PsObrFlip(obj, flag(args, "--x"), flag(args, "--y"));
    } else if (op == "rotr") {
        ok = lib.PsObrRotR(obj, dX, dY, !keep);
    } else if (op == "rotl") {
        ok = lib.PsObrRotL(obj, dX, dY, !keep);
    } else if (op == "warp") {
        const std::vector<double> c = numbers(args, "--corners", 8);
        int32_t k[8];
        for (int i = 0; i < 8; ++i) k[i] = whole(c[size_t(i)]);
        int32_t region = lib.PsObrDefomR(obj, dX, dY, k[0], k[1], k[2], k[3], k[4], k[5], k[6], k[7]);
        ok = region != 0;
        lib.TsRgn(region);
    } else if (op == "stretch-v" || op == "stretch-h") {
        const float v = float(numbers(args, "--value", 1)[0]);
        ok = op == "stretch-v" ? lib.PsObrNelinDefVer(obj, v) : lib.PsObrNelinDefHrz(obj, v);
    } else if (op == "resample") {
        const std::vector<double> s = numbers(args, "--size", 2);
        ByteArray from, to;
        int32_t w, h, nw = whole(s[0]), nh = whole(s[1]);
        ok = lib.CreateObrPole(obj, w, h, from) && lib.PsObrZmena(w, h, nw, nh, from, to) &&
             lib.ObnovObrPole(obj, nw, nh, to, 1);
    } else if (op == "fit") {
        const std::vector<double> s = numbers(args, "--size", 2, false);
        const std::vector<double> t = numbers(args, "--type", 1);
        int32_t nx, ny;
        float fx, fy;
        const int32_t typ = whole(t[0]);
        if (typ < 1 || typ > 5) return fail("--type takes 1-5");
        ok = lib.PsNewScale(obj, uint8_t(typ), s.empty() ? 0 : whole(s[0]), s.empty() ? 0 : whole(s[1]), nx, ny, fx, fy);
        report = "factors " + std::to_string(fx) + " x " + std::to_string(fy);
    } else if (op == "canvas") {
        const std::vector<double> s = numbers(args, "--size", 2);
        const std::vector<double> at = numbers(args, "--at", 2, false);
        int32_t colour = 0;
        if (const std::string* c = option(args, "--colour")) {
            size_t used = 0;
            const unsigned long rgb = std::stoul(*c, &used, 16);
            if (used != c->size() || rgb > 0xFFFFFF) return fail("--colour takes RRGGBB in hexadecimal");
            colour = int32_t(salon::packRgb(uint8_t(rgb >> 16), uint8_t(rgb >> 8), uint8_t(rgb)));
        }
        ok = lib.PsObrOrez(obj, whole(s[0]), whole(s[1]), colour, at.empty() ? 0 : whole(at[0]),
                           at.empty() ? 0 : whole(at[1]));
    } else {
        return fail("unknown transform \"" + op + "\" (pixol --help)");
    }
    if (!ok) return fail(op + " refused the picture or its options (see the ranges in pixol --help)");

    salon::Result<bool> saved = writePicture(target.value(), obj.readRows());
    if (!saved) return fail(outPath + ": " + saved.error());
    std::cout << outPath << ": " << obj.drawableWidth() << " x " << obj.drawableHeight();
    if (dX || dY) std::cout << ", shift (" << dX << ", " << dY << ")";
    if (!report.empty()) std::cout << ", " << report;
    std::cout << "\n";
    return 0;
}

const CommandRegistration transformCommand{{"transform",
    "  pixol transform OP IN OUT [OPTIONS]\n"
    "                                 a transform of picture IN (BMP, JPEG, GIF, ICO) written to OUT\n"
    "                                 as a 24-bit BMP file, or PNG when OUT ends in .png (never over\n"
    "                                 IN). OP and its options:\n"
    "      rotate --angle DEG [--keep-size]     bilinear, clockwise; grows unless --keep-size\n"
    "      scale --factor X[,Y] [--keep-size]   new sides 2..2000\n"
    "      flip [--x] [--y]                     mirror left-right and/or top-bottom\n"
    "      rotr | rotl [--keep-size]            a quarter turn clockwise / anticlockwise\n"
    "      warp --corners x1,y1,x2,y2,x3,y3,x4,y4\n"
    "                                           into the quadrilateral top-left, bottom-left,\n"
    "                                           bottom-right, top-right\n"
    "      stretch-v | stretch-h --value V      non-linear stretch, V 0.2..1.8 (above 1 enlarges\n"
    "                                           the top / left part)\n"
    "      resample --size W,H                  box filter to W x H\n"
    "      fit --type T [--size W,H]            1 even width, 2 to W x H, 3 inside W x H keeping\n"
    "                                           proportions, 4 and 5 as 2 and 3 with an even width\n"
    "      canvas --size W,H [--colour RRGGBB] [--at X,Y]\n"
    "                                           a W x H canvas (5..5000) with the picture at X,Y",
    transform}};

} // namespace

} // namespace pixol::cli
