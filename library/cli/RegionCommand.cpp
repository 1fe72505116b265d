// pixol region OP: the region toolkit applied to a region file, so the operations can be tried on
// real outlines. Input: an NLG file, or a JSON outline (dslmake's format, filled even-odd).
// Output: an NLG file, or (.json) the result's boundary traced into polygons - the same outline
// format, so a traced region can go back through `pixol nlg make`.
#include "Command.h"

#include "library/Pixolf.h"
#include "library/formats/RegionFiles.h"
#include "library/frame/LibraryState.h"
#include "platform/PictureFile.h"
#include "tools/authoring/Json.h"
#include "tools/authoring/ModelAuthoring.h"

#include <charconv>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace pixol::cli {

namespace {

bool endsWith(const std::string& s, const std::string& tail)
{
    if (s.size() < tail.size()) return false;
    for (size_t i = 0; i < tail.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(s[s.size() - tail.size() + i])) != tail[i]) return false;
    return true;
}

std::vector<int32_t> numbers(const std::string& text, size_t count, const std::string& what)
{
    std::vector<int32_t> out;
    std::string_view rest(text);
    while (true) {
        int32_t v = 0;
        const size_t comma = rest.find(',');
        const std::string_view part = rest.substr(0, comma);
        auto r = std::from_chars(part.data(), part.data() + part.size(), v);
        if (r.ec != std::errc() || r.ptr != part.data() + part.size()) break;
        out.push_back(v);
        if (comma == std::string_view::npos) break;
        rest = rest.substr(comma + 1);
    }
    if (out.size() != count) throw std::invalid_argument(what + " wants " + std::to_string(count) + " whole numbers separated by commas, got \"" + text + "\"");
    return out;
}

int32_t number(const std::vector<std::string>& args, const std::string& name, int32_t fallback)
{
    const std::string* v = option(args, name);
    return v ? numbers(*v, 1, name)[0] : fallback;
}

// The first argument that is neither an option nor an option's value.
std::string inputPath(const std::vector<std::string>& args)
{
    const std::vector<std::string> pos = positionals(args, {"--square", "--vertical", "--horizontal"});
    if (pos.empty()) throw std::invalid_argument("name the region file (.nlg or .json)");
    return pos.front();
}

struct Input {
    int32_t handle = 0;
    int32_t refWidth = 0, refHeight = 0;
};

Input readInput(Pixolf& lib, const std::string& path, const std::vector<std::string>& args)
{
    auto bytes = salon::readFileBytes(path);
    if (!bytes.ok()) throw std::runtime_error(bytes.error());
    Input in;
    if (endsWith(path, ".json")) {
        auto json = salon::tools::parseJson(std::string(bytes.value().begin(), bytes.value().end()));
        if (!json.ok()) throw std::runtime_error(path + ": " + json.error());
        auto set = salon::tools::polygonsFromJson(json.value());
        if (!set.ok()) throw std::runtime_error(path + ": " + set.error());
        std::vector<salon::Point> pts;
        for (auto [x, y] : set.value().points) pts.push_back(salon::Point{x, y});
        salon::Region r = salon::Region::polygons(pts, set.value().counts, salon::FillRule::EvenOdd);
        if (!r.isValid()) throw std::runtime_error(path + ": the polygons do not make a region");
        in.handle = int32_t(state().regions.add(std::move(r)));
        const salon::Rect box = state().regions.find(uint32_t(in.handle))->bounds();
        in.refWidth = std::max(box.right, int32_t(1));
        in.refHeight = std::max(box.bottom, int32_t(1));
    } else {
        auto parsed = formats::parseNlg(bytes.value());
        if (!parsed.ok()) throw std::runtime_error(path + ": " + parsed.error());
        in.handle = lib.SuCtiNLG(path);
        if (in.handle == 0) throw std::runtime_error(path + ": not a readable NLG file");
        in.refWidth = parsed.value().refWidth;
        in.refHeight = parsed.value().refHeight;
    }
    if (const std::string* s = option(args, "--size")) {
        const auto wh = numbers(*s, 2, "--size");
        in.refWidth = wh[0];
        in.refHeight = wh[1];
    }
    return in;
}

void writeTrace(Pixolf& lib, int32_t& h, const std::string& path)
{
    SingleArray xs, ys;
    LongArray counts;
    int32_t polygons = 0, points = 0;
    std::ostringstream out;
    out << "{\"polygons\": [";
    if (lib.RgnAnalyzuj(h, xs, ys, counts, polygons, points)) {
        int32_t at = 0;
        for (int32_t k = 0; k < polygons; ++k) {
            out << (k ? ",\n  [" : "\n  [");
            for (int32_t i = 0; i < counts(k); ++i, ++at)
                out << (i ? ", [" : "[") << int32_t(xs(at)) << ", " << int32_t(ys(at)) << "]";
            out << "]";
        }
    }
    out << "\n]}\n";
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f << out.str();
    if (!f.flush()) throw std::runtime_error("cannot write " + path);
}

int runRegion(const std::vector<std::string>& args)
{
    if (args.empty()) return fail("region wants an operation (pixol --help)");
    const std::string op = args[0];
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    const std::string* outPath = option(rest, "--out");
    if (!outPath) return fail("--out FILE.nlg or FILE.json is required");
    if (!endsWith(*outPath, ".nlg") && !endsWith(*outPath, ".json")) return fail("--out must end in .nlg or .json");
    Pixolf lib;
    Input in = readInput(lib, inputPath(rest), rest);
    int32_t& h = in.handle;
    const int32_t steps = number(rest, "--steps", 1);
    const bool octagon = !flag(rest, "--square");
    int32_t result = 0;
    std::string why;
    if (op == "grow") {
        result = lib.RgnZvetsi(h, steps, octagon, true);
        why = "--steps must be 1..16";
    } else if (op == "shrink") {
        result = lib.RgnZmensi(h, steps, octagon, true);
        why = "nothing is left (or --steps is not 1..16)";
    } else if (op == "close") {
        result = lib.RgnVyhladit(h, steps, true);
        why = "--steps must be 1..16";
    } else if (op == "border") {
        result = lib.RgnOkraj(h, true);
        why = "the region has no inside to keep a border of";
    } else if (op == "frame") {
        const std::string* where = option(rest, "--where");
        const std::string w = where ? *where : "outside";
        const int32_t misto = w == "outside" ? 1 : w == "edge" ? 2 : w == "inside" ? 3 : 0;
        if (misto == 0) return fail("--where is outside, edge or inside");
        result = lib.RgnFrame(h, number(rest, "--width", 1), misto, true);
        why = "--width must be 1..16 and the frame must keep some pixels";
    } else if (op == "outline") {
        int32_t ring = 0, core = 0, band = 0;
        if (lib.RgnObjektObrys(h, ring, core, band, steps)) {
            const std::string* part = option(rest, "--part");
            const std::string p = part ? *part : "band";
            int32_t* keep = p == "ring" ? &ring : p == "core" ? &core : p == "band" ? &band : nullptr;
            if (!keep) {
                for (int32_t* x : {&ring, &core, &band}) lib.TsRgn(*x);
                lib.TsRgn(h);
                return fail("--part is ring, band or core");
            }
            std::swap(result, *keep);
            for (int32_t* x : {&ring, &core, &band}) lib.TsRgn(*x);
        }
        why = "the region shrinks to nothing within --steps";
    } else if (op == "fill-gaps") {
        const bool v = flag(rest, "--vertical"), hz = flag(rest, "--horizontal");
        const int32_t hg = number(rest, "--hg", 1);
        if (hg < 0 || hg > 255) return fail("--hg must be 0..255");
        if (lib.RgnUpravSpc(h, v || !hz, hz, uint8_t(hg))) std::swap(result, h);
        why = "the region is empty";
    } else if (op == "invert") {
        std::vector<int32_t> r{0, 0, in.refWidth, in.refHeight};
        if (const std::string* s = option(rest, "--rect")) r = numbers(*s, 4, "--rect");
        result = lib.RgnInvertuj(h, r[0], r[1], r[2], r[3], true);
        why = "the rectangle is empty";
    } else if (op == "trace") {
        std::swap(result, h);
        why = "the region is empty";
    } else {
        lib.TsRgn(h);
        return fail("unknown region operation \"" + op + "\" (pixol --help)");
    }
    lib.TsRgn(h);
    if (result == 0) return fail(op + " gave no region: " + why);
    const salon::Region* r = state().regions.find(uint32_t(result));
    if (r->isEmpty()) {
        lib.TsRgn(result);
        return fail(op + " gave an empty region");
    }
    int ok = 0;
    if (endsWith(*outPath, ".json")) {
        writeTrace(lib, result, *outPath);
        ok = 1;
    } else {
        ok = lib.SuPisNLG(*outPath, result, false, in.refWidth, in.refHeight);
    }
    lib.TsRgn(result);
    return ok ? 0 : fail("cannot write " + *outPath);
}

const CommandRegistration regionCommand{Command{
    "region",
    "  pixol region OP IN.nlg|IN.json --out OUT.nlg|OUT.json [--size W,H] [options]\n"
    "                     the region toolkit on a region file; a .json output is the result traced\n"
    "                     into polygons (whole-pixel corners, holes as their own loops)\n"
    "      grow|shrink [--steps N] [--square]   by N (1-16) octagon or square steps\n"
    "      close [--steps N]                    grow then shrink: fills gaps and notches\n"
    "      border                               the one-pixel inner border\n"
    "      frame [--width N] [--where outside|edge|inside]\n"
    "      outline [--steps N] [--part ring|band|core]\n"
    "      fill-gaps [--hg N] [--vertical] [--horizontal]\n"
    "      invert [--rect L,T,R,B]              the rectangle (default: the picture) minus the region\n"
    "      trace                                the region itself (to see its polygons, --out .json)",
    runRegion}};

} // namespace

} // namespace pixol::cli
