// The crop component's input: any bytes as the photo the editor hands over, with strip drags that
// the same bytes choose, then OK. The dialog must come up, and a reduced copy, when one is written,
// must be a readable picture that fits the editor's working area.
#include "fuzz/FuzzSupport.h"

#include "crop/CropObraz.h"

namespace {

using namespace trimlet;

// Pushes each strip in (or out) by an amount taken from the input, then confirms or cancels.
class ScriptedView : public CutPicView {
public:
    explicit ScriptedView(uint32_t choices) : m_choices(choices) {}
    void runModal(CutPic& d) override
    {
        uint32_t c = m_choices;
        for (int k = 0; k < 4; ++k, c = c * 1103515245u + 12345u) {
            // Twips, as the strips report them; one in eight is a wild drag far beyond the picture.
            float delta = float(int32_t(c >> 16) % 4000);
            if ((c & 7) == 0) delta *= 1000.0f;
            const bool inward = (c & 8) == 0;
            const float dx = (k == 0 ? 1 : k == 1 ? -1 : 0) * (inward ? delta : -delta);
            const float dy = (k == 2 ? 1 : k == 3 ? -1 : 0) * (inward ? delta : -delta);
            d.Frame1_MouseDown(k, LeftButton, 0, 75.0f, 75.0f);
            d.Frame1_MouseMove(k, LeftButton, 0, 75.0f + dx / 2, 75.0f + dy / 2);
            d.Frame1_MouseMove(k, LeftButton, 0, 75.0f + dx, 75.0f + dy);
            d.Frame1_MouseUp(k, LeftButton, 0, 75.0f + dx, 75.0f + dy);
        }
        d.Picture1_Paint();
        d.Command1_Click((m_choices >> 30) == 3 ? 1 : 0);
    }

private:
    uint32_t m_choices;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace salon;
    const std::span<const uint8_t> bytes(data, size);
    const std::string photo = fuzz::writeScratch("photo.jpg", bytes).string();
    const auto out = fuzz::scratchDir() / "photo-.bmp";
    std::filesystem::remove(out);

    CropObraz crop(std::make_unique<ScriptedView>(fuzz::inputHash(bytes)));
    const int32_t result = crop.HairFoto(photo, out.string(), 0, 0, 60);
    fuzz::check(result == 0 || result == 1, "HairFoto gave a result other than 0 and 1");
    if (result == 0) return 0;
    fuzz::check(crop.writtenPath() == out.string(), "the reduced copy went somewhere else");
    auto written = loadPicture(out);
    fuzz::check(written.ok(), "the reduced copy does not read back");
    const Bitmap& b = written.value();
    fuzz::check(b.width >= 1 && b.height >= 1 && b.width <= 354 && b.height <= 472,
                "the reduced copy does not fit 354 x 472");
    return 0;
}
