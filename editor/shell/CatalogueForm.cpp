#include "editor/shell/CatalogueForm.h"

#include "editor/shell/texts/Texts.h"
#include "platform/BinaryFile.h"
#include "platform/Numbers.h"
#include "platform/Paths.h"
#include "platform/PictureFile.h"

#include <algorithm>
#include <cstdio>

namespace salon {

Result<ContentsTable> parseContentsFile(std::span<const uint8_t> bytes)
{
    ByteReader r(bytes);
    auto magic = r.text(1, 4);
    if (!magic || *magic != "IWRG")
        return Error{"not a contents file (magic IWRG missing)"};
    auto length = r.long32(5);
    if (!length || int64_t(*length) != int64_t(bytes.size()))
        return Error{"the stored length does not match the file"};
    auto n = r.long32(9);
    if (!n || *n < 2 || *n > 1000)
        return Error{"the item count is outside 2 to 1000"};
    ContentsTable t;
    t.count = *n;
    if (!r.has(13, int64_t(13) * t.count * 4))
        return Error{"the item table runs past the end of the file"};
    t.fields.resize(size_t(13) * size_t(t.count));
    for (size_t k = 0; k < t.fields.size(); ++k)
        t.fields[k] = *r.long32(13 + int64_t(k) * 4);
    return t;
}

Result<Bitmap> previewPicture(std::span<const uint8_t> bytes, const ContentsTable& table, int32_t item)
{
    if (item < 1 || item > table.count)
        return Error{"no such item"};
    const int32_t w = table.field(3, item);
    const int32_t hStored = table.field(4, item);
    const int32_t bits = table.field(5, item) >> 16;  // planes (low word) and bit count (high word)
    // The sign only gives the row order; -2147483648 has no positive counterpart in 32 bits.
    const int64_t rows = hStored < 0 ? -int64_t(hStored) : int64_t(hStored);
    const int64_t pixelBytes = int64_t(table.field(0, item)) - 54;
    const int64_t pos = table.field(12, item);
    if (w <= 0 || rows <= 0 || w > 4096 || rows > 4096 || bits != 24)
        return Error{"the preview header is not a 24-bit picture"};
    const int32_t h = int32_t(rows);
    const int64_t rowBytes = rowBytes24(w);
    if (pixelBytes < rowBytes * h)
        return Error{"the preview is shorter than its header says"};
    ByteReader r(bytes);
    auto data = r.bytes(pos, rowBytes * h);
    if (!data)
        return Error{"the preview lies outside the file"};
    Bitmap b = Bitmap::rgb24(w, h);
    for (int32_t y = 0; y < h; ++y) {
        // A positive height stores the bottom row first.
        const int32_t src = hStored > 0 ? h - 1 - y : y;
        std::copy_n(data->data() + int64_t(src) * rowBytes, size_t(rowBytes), b.row(y));
    }
    return b;
}

std::string contentsFilePath(std::string_view drive, int32_t category)
{
    char nn[16];
    std::snprintf(nn, sizeof nn, "%02d", category);
    return std::string(drive) + ":\\orvella\\obsdsl" + nn + ".irw";
}

std::string modelFilePath(std::string_view drive, const Category& category, int32_t item)
{
    char iii[16];
    std::snprintf(iii, sizeof iii, "%03d", item);
    return std::string(drive) + ":\\" + category.directory + "\\" + category.prefix + iii + ".DSL";
}

int32_t previewScrollMax(int32_t count) { return count < 5 ? count : count - 3; }

Point previewOffset(int32_t width, int32_t height)
{
    return {intDiv(PreviewBoxW - width, 2), intDiv(PreviewBoxH - height, 2)};
}

CatalogueForm::CatalogueForm(Ui& ui, std::string dataDrive, std::vector<Category> categories)
    : m_ui(ui), m_drive(std::move(dataDrive)), m_categories(std::move(categories))
{
    List1.items = categoryListItems(m_categories);
    List1.Left = 10, List1.Top = 10, List1.Width = 400, List1.Height = 120;
    for (int k = 0; k < 4; ++k) {
        Picture1[k].Left = 15 + k * 100;
        Picture1[k].Top = 140;
        Picture1[k].Width = PreviewBoxW;
        Picture1[k].Height = PreviewBoxH;
    }
    HScroll1.Left = 10, HScroll1.Top = 268, HScroll1.Width = 400, HScroll1.Height = 17;
    HScroll1.Min = 1, HScroll1.Max = 1, HScroll1.Value = 1;
    Command1.Left = 160, Command1.Top = 292, Command1.Width = 100, Command1.Height = 28;
    emptyBoxes();
}

void CatalogueForm::Form_Load() { Command1.Caption = ResText(61); }

void CatalogueForm::emptyBoxes()
{
    for (int k = 0; k < 4; ++k) {
        boxItem[k] = -1;
        boxPictures[k] = Bitmap::rgb24(PreviewBoxW, PreviewBoxH);
        std::fill(boxPictures[k].pixels.begin(), boxPictures[k].pixels.end(), uint8_t(0xFF));
    }
}

void CatalogueForm::Form_Activate()
{
    if (List1.items.size() < 2) {
        chosenModel.clear();
        Visible = false;
        return;
    }
    if (currentCategory < 0 || currentCategory > int32_t(m_categories.size()) - 1)
        currentCategory = 0;
    List1.ListIndex = currentCategory + 1;
    Left = (workWidth - Width) / 3;
    Top = (workHeight - Height) / 3;
    emptyBoxes();
    NactiObsah(currentCategory);
}

void CatalogueForm::List1_Click()
{
    currentCategory = List1.ListIndex - 1;
    if (currentCategory >= 0)
        NactiObsah(currentCategory);
}

void CatalogueForm::HScroll1_Change()
{
    if (!m_loading)
        ZobrazObsah(HScroll1.Value);
}

void CatalogueForm::Picture1_Click(int box)
{
    if (box < 0 || box > 3 || currentCategory < 0 || currentCategory >= int32_t(m_categories.size()))
        return;
    // An empty box names no model: choosing it would only end in a missing-file message.
    if (boxItem[box] < 1)
        return;
    chosenModel = modelFilePath(m_drive, m_categories[size_t(currentCategory)], boxItem[box]);
    if (currentCategory == 0)
        colourAllowed = true;
    else if (currentCategory == 1)
        colourAllowed = false;
    Visible = false;
}

void CatalogueForm::Command1_Click()
{
    chosenModel.clear();
    Visible = false;
}

void CatalogueForm::Form_Unload() { Command1_Click(); }

bool CatalogueForm::NactiObsah(int32_t category)
{
    m_table = {};
    m_contentsBytes.clear();
    m_contentsPath.clear();
    emptyBoxes();
    m_loading = true;
    HScroll1.Min = 1, HScroll1.Max = 1, HScroll1.Value = 1;
    m_loading = false;

    const std::string path = contentsFilePath(m_drive, category);
    auto native = nativePath(path);
    // A missing or damaged contents file must not take the user's work with it: say what is wrong
    // and leave the window open on the other categories.
    auto fail = [&](int32_t textId) {
        m_ui.message(ResText(textId) + "\r\n" + ResText(510) + "\r\n" + path, MsgButtons::Ok,
                     MsgIcon::Exclamation);
        return false;
    };
    if (!native || !std::filesystem::exists(*native))
        return fail(513);
    auto bytes = readFileBytes(*native, 64u << 20);
    if (!bytes)
        return fail(513);
    auto table = parseContentsFile(bytes.value());
    if (!table)
        return fail(529);

    m_table = std::move(table.value());
    m_contentsBytes = std::move(bytes.value());
    m_contentsPath = path;
    m_loading = true;
    HScroll1.Max = previewScrollMax(m_table.count);
    HScroll1.Min = 1;
    HScroll1.Value = 1;
    HScroll1.LargeChange = 4;
    m_loading = false;
    ZobrazObsah(1);
    return true;
}

void CatalogueForm::ZobrazObsah(int32_t first)
{
    boxItem = {-1, -1, -1, -1};
    if (first < 1 || first > m_table.count || currentCategory < 0 || m_contentsPath.empty())
        return;
    emptyBoxes();
    for (int k = 0; k < 4; ++k) {
        const int32_t item = first + k;
        if (item > m_table.count)
            break;
        boxItem[k] = item;
        auto preview = previewPicture(m_contentsBytes, m_table, item);
        if (!preview)
            continue;  // a bad preview leaves its box white; the model itself may still load
        const Bitmap& p = preview.value();
        const Point at = previewOffset(p.width, p.height);
        Bitmap& box = boxPictures[k];
        for (int32_t y = 0; y < p.height; ++y) {
            const int32_t by = y + at.y;
            if (by < 0 || by >= PreviewBoxH)
                continue;
            for (int32_t x = 0; x < p.width; ++x) {
                const int32_t bx = x + at.x;
                if (bx >= 0 && bx < PreviewBoxW)
                    std::copy_n(p.row(y) + 3 * x, 3, box.row(by) + 3 * bx);
            }
        }
    }
}

} // namespace salon
