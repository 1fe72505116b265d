// The editor's model reader: any bytes as a "JSDL" file. A file the parser accepts must survive
// our own writer unchanged, and the editor must load it unless its numbers contradict each other,
// then set a photo into it and run the colour steps over its masks and outlines, wherever the
// file puts them.
#include "fuzz/FuzzSupport.h"

#include "editor/engine/Engine.h"
#include "editor/engine/Swatches.h"
#include "library/formats/ModelConsistency.h"
#include "library/formats/ModelFile.h"
#include "platform/Numbers.h"
#include "platform/Ui.h"

namespace {

using namespace salon;

// The model as our writer must give it back: always the extended layout with the standard picture
// header, and the extended block a lenient read dropped stays dropped.
dsl::Model asWritten(dsl::Model m)
{
    m.extended = true;
    m.bitmapHeader = dsl::standardBitmapHeader(m.width, m.height);
    return m;
}

const std::filesystem::path& photoFile()
{
    static const std::filesystem::path path = [] {
        Bitmap photo = Bitmap::rgb24(48, 64);
        for (int32_t y = 0; y < photo.height; ++y)
            for (int32_t x = 0; x < photo.width; ++x)
                photo.setPixel(x, y, packRgb(uint8_t(150 + x), uint8_t(100 + y), uint8_t(80 + (x ^ y))));
        auto bytes = encodeBmp(photo);
        return fuzz::writeScratch("photo.bmp", bytes);
    }();
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::span<const uint8_t> bytes(data, size);
    auto parsed = dsl::parse(bytes, dsl::EditorMagic, false);
    // A file the parser refuses never reaches the engine's surfaces (ReadModelFile is the parser
    // and a message), so only accepted files pay for a whole editor.
    if (!parsed.ok()) return 0;
    const dsl::Model expected = asWritten(parsed.value());
    const auto file = dsl::serialize(parsed.value(), dsl::EditorMagic);
    auto back = dsl::parse(file, dsl::EditorMagic, true);
    fuzz::check(back.ok(), "a model our writer saved does not read back");
    fuzz::check(back.value() == expected, "a model our writer saved reads back different");

    // The whole loading sequence, as the catalogue runs it, on the same bytes.
    ScriptedUi ui;
    Engine engine(ui);
    engine.ModelFile = fuzz::writeScratch("model.dsl", bytes).string();
    // The editor refuses exactly the files whose numbers contradict each other and those whose
    // cut-out shows none of the picture; every other file the parser accepts must load.
    const bool loaded = engine.LoadModel();
    const bool contradicts = dsl::contradiction(parsed.value()).has_value();
    fuzz::check(!(loaded && contradicts), "the editor loads a model that contradicts itself");
    if (!loaded) {
        fuzz::check(contradicts || dsl::cutOutMissesPicture(parsed.value()), "the editor refuses a consistent model");
        fuzz::check(ui.messages.size() == 1, "a model was refused without its message");
        return 0;
    }
    FileDialogAnswer photo;
    photo.files.push_back(photoFile().string());
    ui.fileAnswers.push_back(photo);
    if (!engine.LoadPhoto(false)) return 0;
    const uint32_t h = fuzz::inputHash(bytes);
    engine.FaceColourCommand(int32_t(h & 1));
    engine.SwatchClick(int32_t((h >> 1) % uint32_t(SwatchCount)));
    float angle = float(int32_t(h >> 8) % 90);
    engine.RotatePixels(int32_t((h >> 4) & 3), angle);
    engine.ComposeResult();
    return 0;
}
