// The 17-step narrated slideshow: a photo, hairstyles in the balloon shrinking onto it, the
// balloon cut to the hair's mask, and the photo kept in front outside the cut shape.
#include "presentation/Presentation.h"

#include "platform/CodePage.h"
#include "platform/Paths.h"

#include <cmath>
#include <fstream>

namespace prevu {

namespace {

constexpr int32_t RecordBytes = 600;
constexpr int32_t Frame = 2;  // the photo box's frame on every side

int32_t halfEven(float v) { return int32_t(std::nearbyint(v)); }

} // namespace

std::string Presentation::narration(int32_t step) const
{
    // A missing file or a short record reads as blanks: the step still runs.
    std::string record(RecordBytes, ' ');
    if (auto native = salon::nativePath(narrationPath())) {
        std::ifstream in(*native, std::ios::binary);
        if (in && in.seekg(std::streamoff(step) * RecordBytes)) {
            in.read(record.data(), RecordBytes);
            std::streamsize got = in.gcount();
            std::fill(record.begin() + got, record.end(), ' ');
        }
    }
    size_t end = record.find_last_not_of(' ');
    record.resize(end == std::string::npos ? 0 : end + 1);
    return salon::cp1250ToUtf8(record);
}

void Presentation::loadPhoto(int32_t resource, const std::string& shapeFile)
{
    salon::Surface& loading = form.Picture2[0];
    loading.setPicture(m_res.bitmap(resource), true);
    PhotoW = loading.width();
    PhotoH = loading.height();
    PictureBox& photo = form.Picture1;
    photo.Top = halfEven(float(LayoutHeight - 500) / 3.0f * 2.0f);
    photo.Left = (LayoutWidth - PhotoW - 174) / 2;

    // The outside of the shape replaces the shape itself under the same handle, so exactly one
    // region is held whatever the files hold.
    m_lib.TsRgn(ShapeRegion);
    ShapeRegion = m_lib.SuCtiNLG(DataRoot + ":\\orvella\\" + shapeFile, PhotoW, PhotoH);
    if (ShapeRegion != 0) m_lib.RgnInvertuj(ShapeRegion, 0, 0, PhotoW, PhotoH, false);

    photo.Width = PhotoW + 2 * Frame;
    photo.Height = PhotoH + 2 * Frame;
    m_lib.PsClsXY(photo.surface, PhotoW, PhotoH);
    m_lib.PsClsXY(form.Picture2[1], PhotoW, PhotoH);
    int32_t none = 0;
    m_lib.SuClipRgn(photo.surface, none);
    salon::bitBlt(form.Picture2[1], 0, 0, PhotoW, PhotoH, loading, 0, 0, salon::RasterOp::SrcCopy);
    salon::bitBlt(photo.surface, 0, 0, PhotoW, PhotoH, form.Picture2[1], 0, 0, salon::RasterOp::SrcCopy);
    photo.Visible = true;
}

void Presentation::composePhoto()
{
    PictureBox& photo = form.Picture1;
    int32_t none = 0;
    m_lib.SuClipRgn(photo.surface, none);
    salon::bitBlt(photo.surface, 0, 0, PhotoW, PhotoH, form.Picture2[1], 0, 0, salon::RasterOp::SrcCopy);
    m_lib.SuClipRgn(photo.surface, ShapeRegion);

    // The photo outside the shape stays in front of the balloon: drawing through the photo's clip
    // marks exactly those pixels, which become the balloon's cut-out in its own coordinates.
    prevu::Bublina& b = form.Bublina[0];
    b.cutOut.reset();
    b.changed = true;
    if (ShapeRegion == 0) return;  // no shape: the photo is shown whole, the balloon unchanged
    salon::Surface marks(PhotoW, PhotoH);
    marks.backColour = 0;
    marks.clear();
    m_lib.SuClipRgn(marks, ShapeRegion);
    marks.fillRect({0, 0, PhotoW, PhotoH}, 0xFFFFFF);
    std::vector<salon::Rect> runs;
    const salon::Bitmap& img = marks.image();
    for (int32_t y = 0; y < img.height; ++y) {
        int32_t x = 0;
        while (x < img.width) {
            while (x < img.width && img.pixel(x, y) == 0) ++x;
            int32_t start = x;
            while (x < img.width && img.pixel(x, y) != 0) ++x;
            if (x > start) runs.push_back({start, y, x, y + 1});
        }
    }
    salon::Region outside = salon::Region::fromRects(runs);
    outside.offset(photo.Left + Frame - b.Left, photo.Top + Frame - b.Top);
    b.cutOut = std::move(outside);
    b.inFront = true;
}

void Presentation::balloonOverPhoto(int32_t width, int32_t height, int32_t picture)
{
    prevu::Bublina& b = form.Bublina[0];
    b.Width = width;
    b.Height = height;
    b.Left = form.Picture1.Left;
    b.Top = form.Picture1.Top;
    b.setPicture(m_res.bitmap(picture));
    b.setMaskPicture({});
    b.setBackStyle(1);
    b.cutOut.reset();
    b.inFront = true;
    b.Visible = true;
}

void Presentation::restoreHoverBalloon()
{
    prevu::Bublina& b = form.Bublina[0];
    b.Visible = false;
    b.Width = 238;
    b.Height = 180;
    b.setMaskPicture({});
    b.setBackStyle(1);
    b.setPicture(m_res.bitmap(26));
    b.cutOut.reset();
    b.inFront = true;
}

void Presentation::endSlideshow()
{
    restoreHoverBalloon();
    form.Picture1.Visible = false;
    form.Text1.Visible = false;
    m_lib.TsRgn(ShapeRegion);
}

void Presentation::Povel()
{
    form.Text1.Caption = narration(Step);
    prevu::Bublina& b = form.Bublina[0];
    switch (Step) {
    case 0:
        form.Text1.Left = LayoutWidth - (LayoutWidth > 900 ? 170 : 163);
        form.Text1.Top = halfEven(float(LayoutHeight - 500) / 3.0f * 2.0f);
        form.Text1.Visible = true;
        break;
    case 1: loadPhoto(51, "post01.nlg"); break;
    case 2: balloonOverPhoto(300, 364, 11); break;
    case 3:
        b.Width = 209;
        b.Height = 254;
        b.setPicture(m_res.bitmap(10));
        break;
    case 4:
        b.setMaskPicture(m_res.bitmap(17));
        b.setBackStyle(0);
        break;
    case 5:
        b.Left = form.Picture1.Left + 210;
        b.Top = form.Picture1.Top + 97;
        break;
    case 6:
    case 15: composePhoto(); break;
    case 7:
        form.Picture1.Visible = false;
        b.Visible = false;
        b.cutOut.reset();
        b.changed = true;
        loadPhoto(50, "post02.nlg");
        break;
    case 8: balloonOverPhoto(371, 480, 12); break;
    case 9:
        b.Width = 229;
        b.Height = 297;
        b.setPicture(m_res.bitmap(13));
        break;
    case 10: b.setPicture(m_res.bitmap(14)); break;
    case 11: b.setPicture(m_res.bitmap(15)); break;
    case 12: b.setPicture(m_res.bitmap(16)); break;
    case 13:
        b.setMaskPicture(m_res.bitmap(18));
        b.setBackStyle(0);
        break;
    case 14:
        b.Left = form.Picture1.Left + 276;
        b.Top = form.Picture1.Top + 9;
        break;
    case 16:
        endSlideshow();
        ++Step;
        ShowScreen(1);
        return;
    default: break;
    }
    ++Step;
}

} // namespace prevu
