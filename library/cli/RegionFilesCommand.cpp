// pixol nlg / nsg: region files from JSON outlines (the outline format of dslmake, filled even-odd)
// and pictures of what a region file holds, black on white.
#include "Command.h"

#include "library/Pixolf.h"
#include "library/formats/RegionFiles.h"
#include "library/frame/LibraryState.h"
#include "platform/PictureFile.h"
#include "tools/authoring/Json.h"
#include "tools/authoring/ModelAuthoring.h"

#include <charconv>
#include <stdexcept>

namespace pixol::cli {

namespace {

struct Size {
    int32_t w = 0, h = 0;
};

Size parseSize(const std::string& text)
{
    Size s;
    const size_t comma = text.find(',');
    auto number = [&](std::string_view part, int32_t& v) {
        auto r = std::from_chars(part.data(), part.data() + part.size(), v);
        return r.ec == std::errc() && r.ptr == part.data() + part.size() && v > 0;
    };
    if (comma == std::string::npos || !number(std::string_view(text).substr(0, comma), s.w) ||
        !number(std::string_view(text).substr(comma + 1), s.h))
        throw std::invalid_argument("--size wants WIDTH,HEIGHT in pixels, got \"" + text + "\"");
    return s;
}

std::vector<std::string> allOptions(const std::vector<std::string>& args, const std::string& name)
{
    std::vector<std::string> out;
    for (size_t i = 0; i < args.size(); ++i)
        if (args[i] == name) {
            if (i + 1 >= args.size()) throw std::invalid_argument(name + " needs a value");
            out.push_back(args[++i]);
        }
    return out;
}

const std::string& required(const std::vector<std::string>& args, const std::string& name)
{
    const std::string* v = option(args, name);
    if (!v) throw std::invalid_argument(name + " is required");
    return *v;
}

// The first argument that is neither an option nor an option's value.
std::string positional(const std::vector<std::string>& args)
{
    const std::vector<std::string> pos = positionals(args);
    if (pos.empty()) throw std::invalid_argument("name the region file");
    return pos.front();
}

// The outline's region, even-odd; an empty list of polygons is the empty region. Points beyond the
// picture are refused: an outline drawn for another size is a mistake worth hearing about.
salon::Region outlineRegion(const std::string& path, Size size)
{
    auto bytes = salon::readFileBytes(path);
    if (!bytes.ok()) throw std::runtime_error(bytes.error());
    auto json = salon::tools::parseJson(std::string(bytes.value().begin(), bytes.value().end()));
    if (!json.ok()) throw std::runtime_error(path + ": " + json.error());
    if (json.value().isArray() && json.value().array.empty()) return salon::Region();
    auto set = salon::tools::polygonsFromJson(json.value());
    if (!set.ok()) throw std::runtime_error(path + ": " + set.error());
    std::vector<salon::Point> points;
    for (auto [x, y] : set.value().points) {
        if (x < 0 || y < 0 || x > size.w || y > size.h)
            throw std::runtime_error(path + ": point (" + std::to_string(x) + ", " + std::to_string(y) +
                                     ") lies outside the " + std::to_string(size.w) + " x " +
                                     std::to_string(size.h) + " picture");
        points.push_back(salon::Point{x, y});
    }
    salon::Region r = salon::Region::polygons(points, set.value().counts, salon::FillRule::EvenOdd);
    if (!r.isValid()) throw std::runtime_error(path + ": the polygons do not make a region");
    return r;
}

int32_t addRegion(salon::Region r) { return int32_t(state().regions.add(std::move(r))); }

void savePicture(const std::filesystem::path& path, const std::vector<const salon::Region*>& regions, Size size)
{
    salon::Bitmap picture = salon::Bitmap::rgb24(size.w, size.h);
    for (int32_t y = 0; y < size.h; ++y)
        for (int32_t x = 0; x < size.w; ++x) {
            bool in = false;
            for (const salon::Region* r : regions) in = in || r->contains(x, y);
            picture.setPixel(x, y, in ? 0x000000u : 0xFFFFFFu);
        }
    auto saved = writePicture(path, picture);
    if (!saved.ok()) throw std::runtime_error(saved.error());
}

// The picture size of `show`: --size, else the stored reference size, else the region's extent.
Size showSize(const std::vector<std::string>& args, int32_t refW, int32_t refH, const std::vector<const salon::Region*>& regions)
{
    if (const std::string* s = option(args, "--size")) return parseSize(*s);
    if (refW > 0 && refH > 0) return {refW, refH};
    Size s{1, 1};
    for (const salon::Region* r : regions) {
        s.w = std::max(s.w, r->bounds().right);
        s.h = std::max(s.h, r->bounds().bottom);
    }
    return s;
}

std::vector<uint8_t> readFile(const std::string& path)
{
    auto bytes = salon::readFileBytes(path);
    if (!bytes.ok()) throw std::runtime_error(bytes.error());
    return std::move(bytes).value();
}

int nlg(const std::vector<std::string>& args)
{
    Pixolf lib;
    const std::string verb = args.empty() ? "" : args[0];
    const std::vector<std::string> rest(args.begin() + (args.empty() ? 0 : 1), args.end());
    if (verb == "make") {
        const Size size = parseSize(required(rest, "--size"));
        const std::string& out = required(rest, "--out");
        salon::Region r = outlineRegion(required(rest, "--outline"), size);
        if (r.isEmpty()) return fail("the outline covers no pixel: an empty region makes no NLG file");
        int32_t h = addRegion(std::move(r));
        const int32_t ok = lib.SuPisNLG(out, h, false, size.w, size.h);
        lib.TsRgn(h);
        return ok ? 0 : fail("cannot write " + out + " (the name must end in .nlg)");
    }
    if (verb == "show") {
        const std::string file = positional(rest);
        const auto out = resultPath(required(rest, "--out"), {file});
        if (!out) return fail("nothing written: " + out.error());
        auto parsed = formats::parseNlg(readFile(file));
        if (!parsed.ok()) return fail(file + ": " + parsed.error());
        const std::string* sizeText = option(rest, "--size");
        const Size wanted = sizeText ? parseSize(*sizeText) : Size{};
        int32_t h = lib.SuCtiNLG(file, wanted.w, wanted.h);
        if (!h) return fail(file + ": not a readable NLG file");
        const salon::Region* r = state().regions.find(uint32_t(h));
        savePicture(out.value(), {r}, showSize(rest, parsed.value().refWidth, parsed.value().refHeight, {r}));
        lib.TsRgn(h);
        return 0;
    }
    return fail("nlg wants make or show (pixol --help)");
}

int nsg(const std::vector<std::string>& args)
{
    Pixolf lib;
    const std::string verb = args.empty() ? "" : args[0];
    const std::vector<std::string> rest(args.begin() + (args.empty() ? 0 : 1), args.end());
    if (verb == "make") {
        const Size size = parseSize(required(rest, "--size"));
        const std::string& out = required(rest, "--out");
        const auto outlines = allOptions(rest, "--outline");
        if (outlines.empty()) return fail("give one --outline per region of the set");
        LongArray set;
        set.redim(1, int32_t(outlines.size()));
        for (size_t k = 0; k < outlines.size(); ++k) set.values[k] = addRegion(outlineRegion(outlines[k], size));
        const int32_t ok = lib.SuPisNSG(out, set, false, size.w, size.h);
        for (int32_t& h : set.values) lib.TsRgn(h);
        return ok ? 0 : fail("cannot write " + out + " (the name must end in .nsg)");
    }
    if (verb == "show") {
        const std::string file = positional(rest);
        const auto out = resultPath(required(rest, "--out"), {file});
        if (!out) return fail("nothing written: " + out.error());
        auto parsed = formats::parseNsg(readFile(file));
        if (!parsed.ok()) return fail(file + ": " + parsed.error());
        const std::string* sizeText = option(rest, "--size");
        const Size wanted = sizeText ? parseSize(*sizeText) : Size{};
        LongArray set;
        if (!lib.SuCtiNSG(file, set, wanted.w, wanted.h)) return fail(file + ": not a readable NSG file");
        int32_t only = 0;
        if (const std::string* k = option(rest, "--index")) only = std::stoi(*k);
        std::vector<const salon::Region*> shown;
        for (int32_t k = set.lower; k <= set.upper(); ++k)
            if (set(k) && (only == 0 || only == k)) shown.push_back(state().regions.find(uint32_t(set(k))));
        savePicture(out.value(), shown, showSize(rest, parsed.value().refWidth, parsed.value().refHeight, shown));
        for (int32_t& h : set.values) lib.TsRgn(h);
        return 0;
    }
    return fail("nsg wants make or show (pixol --help)");
}

const CommandRegistration nlgCommand{Command{
    "nlg",
    "  pixol nlg make --outline FILE.json --size W,H --out FILE.nlg\n"
    "                     a one-region NLG file from a JSON outline (dslmake's format, even-odd)\n"
    "  pixol nlg show FILE.nlg [--size W,H] --out PICTURE.png|.bmp\n"
    "                     the region black on white, scaled to W x H (default: its stored size)",
    nlg}};

const CommandRegistration nsgCommand{Command{
    "nsg",
    "  pixol nsg make --outline A.json [--outline B.json ...] --size W,H --out FILE.nsg\n"
    "                     a region set, one region per outline ([] gives an empty slot)\n"
    "  pixol nsg show FILE.nsg [--size W,H] [--index K] --out PICTURE.png|.bmp\n"
    "                     all regions (or region K) black on white",
    nsg}};

} // namespace

} // namespace pixol::cli
