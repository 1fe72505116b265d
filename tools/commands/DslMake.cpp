#include "platform/CodePage.h"
#include "platform/OutputPath.h"
#include "tools/authoring/Files.h"
#include "tools/authoring/Json.h"
#include "tools/authoring/ModelAuthoring.h"
#include "tools/commands/Commands.h"
#include "tools/qt/PictureIo.h"

#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <map>

namespace salon::tools {

namespace {

const char* const Usage =
    "usage: dslmake --picture PICTURE --cutout CUTOUT.json --out MODEL.DSL [options]\n"
    "\n"
    "  --picture FILE        the hairstyle picture (PNG, JPEG or BMP): picture 1\n"
    "  --base FILE           picture 2, the skin under the hair the face blends into\n"
    "                        (default: the hairstyle picture)\n"
    "  --cutout FILE         outline of the cut-out where the face goes (polygon set 1)\n"
    "  --face-mask FILE      outline of what the face view blanks (polygon set 2;\n"
    "                        default: everything outside the cut-out)\n"
    "  --hair-matte FILE     grey picture of the hair's coverage, white = hair (masks 2, 3)\n"
    "  --hair-outline FILE   outline of the hair, when there is no matte\n"
    "  --face-angle DEG      angle of the model's face, clockwise positive (default 0)\n"
    "  --skin-colour C       #rrggbb or r,g,b (default: measured under the cut-out)\n"
    "  --hair-colour C       #rrggbb or r,g,b (default: measured over the hair)\n"
    "  --range LOW HIGH      allow only swatches whose value lies in LOW..HIGH\n"
    "  --feather PX          soft edge of the masks in pixels (default 8)\n"
    "  --name TEXT           the model's name, kept in the file\n"
    "  --library             write the library's magic JDSL instead of the editor's JSDL\n"
    "  --help                this text; --version: the version number\n"
    "Outlines are JSON: a list of polygons, each a list of [x, y] pixel pairs.\n";

Result<std::string> readText(const std::filesystem::path& path)
{
    auto bytes = readWholeFile(path, 64u << 20);
    if (!bytes) return Error{bytes.error()};
    return std::string(bytes.value().begin(), bytes.value().end());
}

Result<dsl::PolygonSet> readOutline(const std::filesystem::path& path)
{
    auto text = readText(path);
    if (!text) return Error{text.error()};
    auto json = parseJson(text.value());
    if (!json) return Error{path.string() + ": " + json.error()};
    auto set = polygonsFromJson(json.value());
    if (!set) return Error{path.string() + ": " + set.error()};
    return set;
}

bool toInt(const std::string& s, int32_t& v)
{
    auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    return r.ec == std::errc() && r.ptr == s.data() + s.size();
}

} // namespace

int runDslMake(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    std::map<std::string, std::string> opt;
    std::string rangeLow, rangeHigh;
    bool library = false;
    static const char* const withValue[] = {"--picture", "--base", "--cutout", "--face-mask", "--hair-matte",
                                            "--hair-outline", "--face-angle", "--skin-colour", "--hair-colour",
                                            "--feather", "--name", "--out"};
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") { out << Usage; return 0; }
        if (a == "--library") { library = true; continue; }
        if (a == "--range") {
            if (i + 2 >= args.size()) { err << "dslmake: --range needs LOW and HIGH\n"; return 2; }
            rangeLow = args[++i];
            rangeHigh = args[++i];
            continue;
        }
        bool known = false;
        for (const char* w : withValue) known = known || a == w;
        if (!known) { err << "dslmake: unknown option " << a << "\n" << Usage; return 2; }
        if (i + 1 >= args.size()) { err << "dslmake: " << a << " needs a value\n"; return 2; }
        opt[a] = args[++i];
    }
    for (const char* required : {"--picture", "--cutout", "--out"})
        if (!opt.count(required)) { err << "dslmake: " << required << " is required\n" << Usage; return 2; }
    if (opt.count("--hair-matte") && opt.count("--hair-outline")) {
        err << "dslmake: give either --hair-matte or --hair-outline, not both\n";
        return 2;
    }

    // The model goes where the drive table puts it (a native path stays as it is), into a folder
    // that exists, and never over one of the pictures or outlines it is made from.
    std::vector<std::filesystem::path> inputs;
    for (const char* in : {"--picture", "--base", "--cutout", "--face-mask", "--hair-matte", "--hair-outline"})
        if (opt.count(in)) inputs.push_back(opt[in]);
    auto target = outputPath(opt["--out"], inputs);
    if (!target) {
        err << "dslmake: nothing written: " << target.error() << "\n";
        return 1;
    }

    std::vector<std::string> problems;
    auto note = [&](const std::string& s) { problems.push_back(s); };
    ModelSources src;
    if (auto p = loadRgbPicture(opt["--picture"])) src.picture = std::move(p.value()); else note(p.error());
    if (opt.count("--base")) { if (auto p = loadRgbPicture(opt["--base"])) src.base = std::move(p.value()); else note(p.error()); }
    if (opt.count("--hair-matte")) { if (auto g = loadGreyPicture(opt["--hair-matte"])) src.hairMatte = std::move(g.value()); else note(g.error()); }
    if (auto s = readOutline(opt["--cutout"])) src.cutout = std::move(s.value()); else note(s.error());
    if (opt.count("--face-mask")) { if (auto s = readOutline(opt["--face-mask"])) src.faceMask = std::move(s.value()); else note(s.error()); }
    if (opt.count("--hair-outline")) { if (auto s = readOutline(opt["--hair-outline"])) src.hairOutline = std::move(s.value()); else note(s.error()); }
    if (opt.count("--face-angle")) {
        const std::string& text = opt["--face-angle"];
        char* end = nullptr;
        src.faceAngle = std::strtod(text.c_str(), &end);
        if (text.empty() || *end) note("--face-angle: \"" + text + "\" is not a number");
    }
    for (auto [key, dest] : {std::pair{"--skin-colour", &src.skinColour}, std::pair{"--hair-colour", &src.hairColour}}) {
        if (!opt.count(key)) continue;
        if (auto c = parseColour(opt[key])) *dest = *c;
        else note(std::string(key) + ": \"" + opt[key] + "\" is not a colour (#rrggbb or r,g,b)");
    }
    if (!rangeLow.empty()) {
        src.rangeFlag = true;
        if (!toInt(rangeLow, src.rangeLow) || !toInt(rangeHigh, src.rangeHigh))
            note("--range: \"" + rangeLow + " " + rangeHigh + "\" are not two whole numbers");
    }
    if (opt.count("--feather") && !toInt(opt["--feather"], src.feather))
        note("--feather: \"" + opt["--feather"] + "\" is not a whole number");
    if (opt.count("--name")) {
        if (auto name = utf8ToCp1250(opt["--name"])) src.name = *name;
        else note("--name: \"" + opt["--name"] + "\" has characters the model file's code page (Windows-1250) cannot hold");
    }

    if (problems.empty()) {
        std::vector<std::string> warnings;
        auto model = buildModel(src, &warnings);
        for (const auto& w : warnings) err << "dslmake: warning: " << w << "\n";
        if (model) {
            auto bytes = dsl::serialize(model.value(), library ? dsl::LibraryMagic : dsl::EditorMagic);
            auto written = replaceFile(target.value(), bytes);
            if (written) {
                const auto& m = model.value();
                out << opt["--out"] << ": " << m.width << " x " << m.height << ", skin #" << std::hex;
                auto hex = [&](int32_t c) {
                    char b[8];
                    std::snprintf(b, sizeof b, "%02x%02x%02x", c & 255, (c >> 8) & 255, (c >> 16) & 255);
                    return std::string(b);
                };
                out << hex(m.skinColour) << ", hair #" << hex(m.hairColour) << std::dec << ", " << bytes.size()
                    << " bytes\n";
                return 0;
            }
            note(written.error());
        } else {
            note(model.error());
        }
    }
    err << "dslmake: nothing written to " << opt["--out"] << ":\n";
    for (const auto& p : problems) err << "  " << p << "\n";
    return 1;
}

} // namespace salon::tools
