// prevudata: the presentation's data on the demo drive, from the sources in data/presentation/.
// (Its region files are made by `pixol nlg make`.)
//
//   prevudata backgrounds OUTDIR                      the screen backgrounds in the three class sizes
//   prevudata narration SOURCE.txt OUT                Demo.nxt, 17 records of 600 Windows-1250 bytes
//   prevudata videos MODELS FACE.jpg FACE.box OUTDIR  the nine Motion-JPEG videos
#include "platform/PictureFile.h"
#include "platform/Surface.h"
#include "presentation/Presentation.h"
#include "tools/prevudata/AviWriter.h"
#include "tools/prevudata/Narration.h"
#include "tools/prevudata/Scenes.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

namespace fs = std::filesystem;
using namespace salon;
using namespace salon::tools;

namespace {

int fail(const std::string& message)
{
    std::cerr << "prevudata: " << message << '\n';
    return 1;
}

Result<std::string> readText(const fs::path& path)
{
    auto bytes = readFileBytes(path, 1u << 20);
    if (!bytes) return Error{path.string() + ": " + bytes.error()};
    return std::string(bytes.value().begin(), bytes.value().end());
}

int write(const fs::path& path, std::span<const uint8_t> bytes)
{
    auto ok = writeFileAtomically(path, bytes);
    return ok ? 0 : fail(path.string() + ": " + ok.error());
}

int backgrounds(const fs::path& out)
{
    fs::create_directories(out);
    for (int screen = 1; screen <= 5; ++screen) {
        const Bitmap full = paintBackground(screen);
        for (int cls = 1; cls <= 3; ++cls) {
            const std::string name = prevu::backgroundFile(screen, cls);
            if (name.empty()) continue;
            const prevu::ClassLayout& l = prevu::classLayout(cls);
            const Bitmap sized = cls == 1 ? full : stretchHalftone(full, {0, 0, full.width, full.height},
                                                                   l.layoutWidth, l.layoutHeight);
            if (int rc = write(out / name, encodeJpeg(sized, 88))) return rc;
        }
    }
    return 0;
}

struct Video {
    const char* file;
    VideoScript script;
};

int videos(const fs::path& models, const fs::path& face, const fs::path& box, const fs::path& out)
{
    const std::vector<Video> list{
        {"demo1.avi", {"Jak to funguje", {"Účes z katalogu", "Obličej ve výřezu", "Hotovo"}, {"bob", "long-straight", "pixie"}}},
        {"demo2.avi", {"Prezentace", {"Mikádo s ofinou", "Ombré vlny", "Drdol"}, {"fringe-bob", "ombre-waves", "updo"}}},
        {"demo3.avi", {"Ukázka salonu", {"Dlouhé kudrny", "Krátký střih", "Platinové kudrny", "Culík"},
                       {"long-curls", "short-crop", "platinum-curls", "side-ponytail"}}},
        {"hair.avi", {"Účesy z katalogu", {"Dlouhé rovné", "Mikádo", "Mikádo s ofinou", "Dlouhé kudrny"},
                      {"long-straight", "bob", "fringe-bob", "long-curls"}}},
        {"hairclas.avi", {"Klasické účesy", {"Drdol", "Pixie", "Mikádo"}, {"updo", "pixie", "bob"}}},
        {"kata1.avi", {"Výběr účesu a fotografie", {"Katalog", "Vaše fotografie"}, {"long-straight", "bob"}}},
        {"kata2.avi", {"Usazení obličeje", {"Posun a zvětšení", "Natočení hlavy"}, {"fringe-bob", "pixie"}}},
        {"kata3.avi", {"Barva pleti a vlasů", {"Odstín", "Melír"}, {"ombre-waves", "streaked-bob"}}},
        {"kata4.avi", {"Retuš, uložení a tisk", {"Retuš razítkem", "Uložení"}, {"platinum-curls", "short-crop"}}},
    };
    fs::create_directories(out);
    for (const Video& v : list) {
        AviVideo avi{320, 240, 12, {}};
        for (const Bitmap& frame : paintVideo(v.script, models, face, box, 18, 320, 240))
            avi.jpegFrames.push_back(encodeJpeg(frame, 80));
        auto bytes = encodeMjpegAvi(avi);
        if (!bytes) return fail(std::string(v.file) + ": " + bytes.error());
        if (int rc = write(out / v.file, bytes.value())) return rc;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> a(argv + 1, argv + argc);
    if (a.size() == 2 && a[0] == "backgrounds") {
        PaintingSession painting(argc, argv);
        return backgrounds(a[1]);
    }
    if (a.size() == 3 && a[0] == "narration") {
        auto text = readText(a[1]);
        if (!text) return fail(text.error());
        auto file = narrationFile(text.value());
        if (!file) return fail(a[1] + ": " + file.error());
        const std::string& bytes = file.value();
        return write(a[2], std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
    }
    if (a.size() == 5 && a[0] == "videos") {
        PaintingSession painting(argc, argv);
        return videos(a[1], a[2], a[3], a[4]);
    }
    std::cerr << "usage: prevudata backgrounds OUTDIR | narration SOURCE OUT |"
                 " videos MODELS FACE.jpg FACE.box OUTDIR\n";
    return 2;
}
