// Batch rendering on the same engine code the editor uses: load the model, load the photo, set
// the face in with a given transform state, optionally run the face-colour command and a swatch,
// and write the composite as a 24-bit BMP.
#include "Batch.h"

#include "ConsoleUi.h"
#include "editor/engine/Engine.h"
#include "editor/engine/FaceBox.h"
#include "editor/engine/Swatches.h"
#include "library/formats/FileBytes.h"
#include "platform/Numbers.h"
#include "platform/OutputPath.h"
#include "platform/Paths.h"
#include "platform/PictureFile.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <vector>

namespace salon {

namespace {

constexpr int ExitFailure = 1;
constexpr int ExitUsage = 2;
// The scaled photo is a picture of its own: its sides stay within what the editor's placement
// allows, so the stretch never works on a picture larger than that.
constexpr float MaxScaledSide = 32768.0f;
constexpr int32_t SeamlessLevel = -1;  // --fit seamless

struct RenderRequest {
    std::string model, photo, out;
    FaceState state;
    bool scaleGiven = false, offsetGiven = false;
    std::optional<int32_t> fit;     // 100 or 60, or SeamlessLevel
    std::optional<int32_t> swatch;  // table index 0..48
    bool autoPlace = false;          // --auto: the face found and placed before rendering
    bool printPlacement = false;     // --print-placement: the placement as one JSON line
};

struct UsageError {
    std::string what;
};

bool parseInt(std::string_view s, int32_t& v)
{
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    return ec == std::errc() && end == s.data() + s.size();
}

bool parseFloat(const std::string& s, float& v)
{
    if (s.empty()) return false;
    char* end = nullptr;
    v = std::strtof(s.c_str(), &end);
    return end == s.c_str() + s.size() && std::isfinite(v);
}

template <class T, class P>
std::pair<T, T> parsePair(const std::string& option, const std::string& value, P parse)
{
    const auto comma = value.find(',');
    std::pair<T, T> out{};
    if (comma == std::string::npos || !parse(value.substr(0, comma), out.first) ||
        !parse(value.substr(comma + 1), out.second))
        throw UsageError{option + " expects two numbers separated by a comma, not \"" + value + "\""};
    return out;
}

// Options shared by --render and --demo.
RenderRequest parseRequest(int argc, char** argv)
{
    RenderRequest r;
    auto intOf = [](const std::string& s, int32_t& v) { return parseInt(s, v); };
    auto floatOf = [](const std::string& s, float& v) { return parseFloat(s, v); };
    for (int i = 2; i < argc; ++i) {
        const std::string opt = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) throw UsageError{opt + " needs a value"};
            return argv[++i];
        };
        if (opt == "--model") r.model = value();
        else if (opt == "--photo") r.photo = value();
        else if (opt == "--out") r.out = value();
        else if (opt == "--mirror") r.state.Mirror = 1;
        else if (opt == "--deform") {
            auto [h, v] = parsePair<int32_t>(opt, value(), intOf);
            if (h < -5 || h > 5 || v < -5 || v > 5) throw UsageError{"--deform levels lie in -5..5"};
            r.state.DeformH = h;
            r.state.DeformV = v;
        } else if (opt == "--angle") {
            const std::string v = value();
            if (!parseFloat(v, r.state.Angle)) throw UsageError{"--angle expects degrees, not \"" + v + "\""};
        } else if (opt == "--scale") {
            auto [sx, sy] = parsePair<float>(opt, value(), floatOf);
            if (!(sx > 0.0f) || !(sy > 0.0f)) throw UsageError{"--scale factors must be above 0"};
            r.state.ScaleX = sx;
            r.state.ScaleY = sy;
            r.scaleGiven = true;
        } else if (opt == "--offset") {
            auto [x, y] = parsePair<int32_t>(opt, value(), intOf);
            // Beyond a picture's largest side the face is off any model; the limit also keeps
            // the placement arithmetic inside 32 bits.
            if (x < -PictureSideLimit || x > PictureSideLimit || y < -PictureSideLimit || y > PictureSideLimit)
                throw UsageError{"--offset values lie in -" + std::to_string(PictureSideLimit) + ".." +
                                 std::to_string(PictureSideLimit)};
            r.state.FaceX = x;
            r.state.FaceY = y;
            r.offsetGiven = true;
        } else if (opt == "--fit") {
            const std::string v = value();
            int32_t level = 0;
            if (v == "seamless") level = SeamlessLevel;
            else if (!parseInt(v, level) || (level != 100 && level != 60)) throw UsageError{"--fit is 100, 60 or seamless"};
            r.fit = level;
        } else if (opt == "--swatch") {
            const std::string v = value();
            int32_t k = 0;
            if (!parseInt(v, k) || k < 0 || k >= SwatchCount) throw UsageError{"--swatch is a swatch number 0..48"};
            r.swatch = k;
        } else if (opt == "--auto") {
            r.autoPlace = true;
        } else if (opt == "--print-placement") {
            r.autoPlace = r.printPlacement = true;
        } else {
            throw UsageError{"unknown option " + opt};
        }
    }
    // The detector looks at the photo as it was taken; a placement of its mirror image, or one
    // given by hand, would contradict what it finds.
    if (r.autoPlace && (r.state.Mirror || r.scaleGiven || r.offsetGiven || r.state.Angle != 0.0f))
        throw UsageError{"--auto places the face itself: leave out --mirror, --scale, --offset and --angle"};
    return r;
}

// The face box of a demo photo ("x y w h" in the photo's pixels), kept beside it as NAME.box.
Result<std::optional<Rect>> faceBox(const std::string& photo)
{
    auto native = nativePath(photo);
    if (!native) return std::optional<Rect>{};
    auto box = readFaceBoxFile(*native);
    if (!box) return Error{box.error()};
    if (!box.value()) return std::optional<Rect>{};
    const FaceBox& b = *box.value();
    return std::optional<Rect>{Rect{b.x, b.y, b.x + b.w, b.y + b.h}};
}

// The scale the photo is set in with must leave it a picture the stretch can make.
std::optional<std::string> scaleProblem(const FaceState& s, int32_t photoW, int32_t photoH)
{
    auto fits = [](int32_t side, float scale) {
        const float scaled = float(side) * scale;
        return std::isfinite(scaled) && scaled >= 0.5f && scaled <= MaxScaledSide;
    };
    if (fits(photoW, s.ScaleX) && fits(photoH, s.ScaleY)) return std::nullopt;
    return "the photo of " + std::to_string(photoW) + " x " + std::to_string(photoH) + " scaled by " +
           std::to_string(s.ScaleX) + ", " + std::to_string(s.ScaleY) + " would not be 1 to " +
           std::to_string(int32_t(MaxScaledSide)) + " pixels on each side";
}

// One JSON line: the placement in model coordinates, the face and the eyes in photo pixels.
std::string placementJson(const Engine& e, const AutoPlaceResult& r)
{
    std::ostringstream j;
    j.precision(6);
    j << "{\"scale\":[" << e.ScaleX << "," << e.ScaleY << "],\"offset\":[" << e.FaceX << "," << e.FaceY
      << "],\"angle\":" << r.placement.angle << ",\"mirror\":" << e.Mirror << ",\"face\":[" << r.face.left << ","
      << r.face.top << "," << r.face.right << "," << r.face.bottom << "],\"eyes\":[";
    if (r.eyesFound)
        j << "[" << r.leftEye.x << "," << r.leftEye.y << "],[" << r.rightEye.x << "," << r.rightEye.y << "]";
    j << "]}";
    return j.str();
}

// The face found and set into the cut-out; false (with the reason on err) when it was not.
bool placeAutomatically(Engine& engine, const RenderRequest& r, std::ostream& out, std::ostream& err)
{
    const AutoPlaceResult placed = engine.AutoPlace();
    switch (placed.outcome) {
    case PlaceOutcome::Placed: break;
    case PlaceOutcome::NoFace: err << "No face found in " << r.photo << "\n"; return false;
    case PlaceOutcome::DetectorMissing:
        err << "The face detector cannot run: " << placed.missingFile << " is missing or unreadable (Debian package opencv-data)\n";
        return false;
    case PlaceOutcome::NoPhoto: err << "No photo and model to place a face in\n"; return false;
    }
    if (r.printPlacement) out << placementJson(engine, placed) << "\n";
    // A head turn or tilt asked for goes on top of the found placement.
    if (r.state.DeformH || r.state.DeformV) {
        engine.DeformH = r.state.DeformH;
        engine.DeformV = r.state.DeformV;
    }
    return true;
}

int render(RenderRequest r, bool placeByBox, std::ostream& out, std::ostream& err)
{
    // The result must not land on the model or the photo it is made from, nor in a folder that
    // is not there; both are known before any work.
    std::vector<std::filesystem::path> inputs;
    for (const std::string* in : {&r.model, &r.photo})
        if (auto native = nativePath(*in)) inputs.push_back(*native);
    // --print-placement may be asked for without a result to write.
    auto target = r.out.empty() ? Result<std::filesystem::path>{std::filesystem::path{}} : outputPath(r.out, inputs);
    if (!target) {
        err << "Cannot write " << target.error() << "\n";
        return ExitFailure;
    }

    ConsoleUi ui(err);
    Engine engine(ui);
    engine.ProgramDir = programDirectory().string();

    engine.ModelFile = r.model;
    if (!engine.ModelChosen()) return ExitFailure;
    engine.PhotoFile = r.photo;
    if (!engine.LoadPhoto(true)) return ExitFailure;
    engine.FaceLoaded = true;
    engine.EditMode = 2;

    if (placeByBox && engine.CutRgn) {
        auto read = faceBox(r.photo);
        if (!read) {
            err << read.error() << "\n";
            return ExitFailure;
        }
        // Fit the face box to the cut-out: same width, centres on top of each other.
        if (const auto& box = read.value(); box && !r.scaleGiven) {
            const Rect cut = engine.CutRgn->bounds();
            const float s = float(cut.width()) / float(box->width());
            r.state.ScaleX = r.state.ScaleY = s;
            if (!r.offsetGiven) {
                const float centreX = float(box->left + box->right) / 2.0f * s;
                const float centreY = float(box->top + box->bottom) / 2.0f * s;
                // A small box in a wide cut-out can put its centre beyond any picture.
                if (!(std::fabs(centreX) <= float(PictureSideLimit)) || !(std::fabs(centreY) <= float(PictureSideLimit))) {
                    err << "the face box puts the face beyond any picture at this scale\n";
                    return ExitFailure;
                }
                r.state.FaceX = engine.CutCentreX - roundHalfEven(centreX);
                r.state.FaceY = engine.CutCentreY - roundHalfEven(centreY);
            }
        }
    }
    if (r.autoPlace) {
        if (!placeAutomatically(engine, r, out, err)) return ExitFailure;
        if (r.out.empty()) return 0;  // the placement alone was asked for
    } else {
        if (auto problem = scaleProblem(r.state, engine.PhotoW, engine.PhotoH)) {
            err << *problem << "\n";
            return ExitFailure;
        }
        engine.SetState(r.state);
    }
    engine.RenderFace(true);
    engine.ComposeResult();
    engine.MaskFaceLayer();
    engine.ShowFaceViewAndResult();

    if (r.fit && *r.fit == SeamlessLevel) {
        if (!engine.SeamlessFit()) return ExitFailure;  // the engine has said why
    } else if (r.fit) {
        engine.FaceColourCommand(*r.fit == 100 ? 0 : 1);
    }
    if (r.swatch) {
        if (!engine.SwatchAllowed(*r.swatch)) {
            err << "Swatch " << *r.swatch << " (value " << SwatchValue(*r.swatch) << ") is outside the model's colour range "
                << engine.RangeLow << ".." << engine.RangeHigh << "\n";
            return ExitFailure;
        }
        engine.SwatchClick(*r.swatch);
    }

    const Surface& composite = engine.Surfaces[Composite];
    if (composite.width() != engine.ModelW || composite.height() != engine.ModelH) {
        err << "No result to write\n";
        return ExitFailure;
    }
    auto saved = saveBmp(target.value(), composite.image());
    if (!saved) {
        err << saved.error() << "\n";
        return ExitFailure;
    }
    out << "Wrote " << target.value().string() << " (" << engine.ModelW << " x " << engine.ModelH << ")\n";
    return 0;
}

// The first model of the first category of the data drive D.
std::optional<std::string> firstDemoModel()
{
    auto native = nativePath("D:\\dslob00.aob");
    auto bytes = native ? dsl::readWholeFile(*native) : std::nullopt;
    if (!bytes || bytes->size() < 32) return std::nullopt;
    auto field = [&](size_t from, size_t n) {
        std::string s(bytes->begin() + ptrdiff_t(from), bytes->begin() + ptrdiff_t(from + n));
        const auto e = s.find_last_not_of(' ');
        s.erase(e == std::string::npos ? 0 : e + 1);
        const auto b = s.find_first_not_of(' ');
        return b == std::string::npos ? std::string() : s.substr(b);
    };
    return "D:\\" + field(24, 4) + "\\" + field(28, 4) + "001.DSL";
}

} // namespace

std::string batchHelp()
{
    return R"(frizet01 - the virtual hair salon editor

  frizet01 / D          start the editor with D as the data drive
  frizet01 --render --model FILE --photo FILE --out RESULT.bmp [options]
                        set the photo's face into the model without a window and write the
                        result (the composite, at the model's size) as a 24-bit BMP file
      --mirror          mirror the photo left to right
      --deform H,V      head turn H and tilt V, each -5..5
      --angle DEG       rotation in degrees, clockwise
      --scale SX,SY     scale of the photo into model pixels (default 1,1)
      --offset X,Y      model position of the scaled photo's top-left corner (default 0,0),
                        each within -1048576..1048576
      --fit 100|60      match the face colour to the model at 100 % or 60 %
      --fit seamless    blend the face into the model's skin without a colour step
      --swatch K        recolour the hair with swatch K (0..48) of the colour table
      --auto            find the face (the photo's .box file, else the face detector) and set
                        scale, offset and angle so that it sits in the model's cut-out
      --print-placement as --auto, and print the placement as one line of JSON:
                        {"scale":[sx,sy],"offset":[x,y],"angle":deg,"mirror":0,
                         "face":[l,t,r,b],"eyes":[[x,y],[x,y]]} (face and eyes in photo
                        pixels, eyes empty when not found); --out may then be left out
  frizet01 --demo --out RESULT.bmp [--model FILE] [--photo FILE] [options]
                        the first model of the data drive with the demo photo (D:\photos\face.jpg),
                        the face placed by the photo's .box file, face colour at 100 %
  frizet01 --contact-sheet CATEGORY --photo FILE --out SHEET.png [--swatch K] [--columns N]
                        one face set into every model of a category (a number, or all),
                        face colour fitted at 100 %, as one labelled PNG; a photo without a
                        .box file is placed by the face detector
  frizet01 --help       this text
  frizet01 --version    the version number

FILE arguments are native paths or Windows-style paths through the drive table
(SALON_DRIVES="D=/srv/salon;E=/media/cdrom"); so is the result, which goes into a folder that
exists and never over the model or the photo. A photo's .box file holds "x y w h" within
+-1048576. On failure the program's message is printed on stderr, nothing is written and the
exit status is not 0.
)";
}

bool isBatchCommand(int argc, char** argv)
{
    if (argc < 2) return false;
    const std::string first = argv[1];
    return first == "--render" || first == "--help" || first == "--contact-sheet" || first == "--demo";
}

int runBatch(int argc, char** argv) { return runBatch(argc, argv, std::cout, std::cerr); }

int runBatch(int argc, char** argv, std::ostream& out, std::ostream& err)
{
    if (argc < 2) return ExitUsage;
    const std::string command = argv[1];
    if (command == "--help") {
        out << batchHelp();
        return 0;
    }
    if (command == "--contact-sheet") {
        err << "--contact-sheet needs the program built with its Qt side\n";
        return ExitUsage;
    }
    try {
        RenderRequest r = parseRequest(argc, argv);
        if (command == "--demo") {
            if (r.out.empty()) throw UsageError{"--demo needs --out RESULT.bmp"};
            if (r.model.empty()) {
                auto first = firstDemoModel();
                if (!first) {
                    err << "Soubor neexistuje\n";
                    return ExitFailure;
                }
                r.model = *first;
            }
            if (r.photo.empty()) r.photo = "D:\\photos\\face.jpg";
            if (!r.fit) r.fit = 100;
            return render(r, true, out, err);
        }
        if (r.model.empty() || r.photo.empty() || (r.out.empty() && !r.printPlacement))
            throw UsageError{"--render needs --model FILE, --photo FILE and --out RESULT.bmp"};
        return render(r, false, out, err);
    } catch (const UsageError& e) {
        err << "frizet01: " << e.what << " (see frizet01 --help)\n";
        return ExitUsage;
    } catch (const std::exception& e) {
        err << "frizet01: " << e.what() << "\n";
        return ExitFailure;
    }
}

} // namespace salon
