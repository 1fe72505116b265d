#pragma once
// ObsFrm, the catalogue window: a list of categories, four 90 x 120 preview boxes scrolled by a bar,
// and a cancel button. A click on a preview chooses that model; the caller then loads it.
//
// The contents file of category NN is D:\orvella\obsdslNN.irw: "IWRG", its own length, the item
// count N (2..1000), then 13 x N Longs stored field by field (field f of item i at Long f * N + i),
// then the preview pixels where field 12 points. Previews are drawn centred in their boxes.
#include "editor/shell/Controls.h"
#include "editor/shell/StartUp.h"

#include "platform/Bitmap.h"
#include "platform/Geometry.h"
#include "platform/Result.h"
#include "platform/Ui.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace salon {

inline constexpr int32_t PreviewBoxW = 90;
inline constexpr int32_t PreviewBoxH = 120;

struct ContentsTable {
    int32_t count = 0;                // N
    std::vector<int32_t> fields;      // 13 * N, field-major as stored
    int32_t field(int f, int32_t item) const { return fields[size_t(f) * size_t(count) + size_t(item - 1)]; }
};

// Checks the magic, the stored length against the real one and 2 <= N <= 1000.
Result<ContentsTable> parseContentsFile(std::span<const uint8_t> bytes);
// The preview picture of item (1-based) from the file's bytes, as its header describes it.
Result<Bitmap> previewPicture(std::span<const uint8_t> bytes, const ContentsTable& table, int32_t item);

// D:\orvella\obsdslNN.irw and D:\dir\prefixIII.DSL.
std::string contentsFilePath(std::string_view drive, int32_t category);
std::string modelFilePath(std::string_view drive, const Category& category, int32_t item);

// Scroll bar limits for N items: maximum N below 5, else N - 3 (the last four fill the boxes).
int32_t previewScrollMax(int32_t count);
// Top-left of a preview in its box: centred with integer division.
Point previewOffset(int32_t width, int32_t height);

class CatalogueForm {
public:
    CatalogueForm(Ui& ui, std::string dataDrive, std::vector<Category> categories);

    // Controls.
    bool Visible = false;
    int32_t Left = 0, Top = 0, Width = 420, Height = 330;
    ListBox List1;
    std::array<Control, 4> Picture1;
    std::array<Bitmap, 4> boxPictures;       // what each box shows (90 x 120)
    std::array<int32_t, 4> boxItem{-1, -1, -1, -1};
    ScrollBar HScroll1;
    CommandButton Command1;

    // Kept for the run by the editor: the category shown, the choice and the colour permission.
    int32_t currentCategory = 0;
    std::string chosenModel;
    bool colourAllowed = true;

    // Work area (pixels) the window is placed in.
    int32_t workWidth = 800, workHeight = 600;

    void Form_Load();
    void Form_Activate();
    void List1_Click();
    void HScroll1_Change();
    void Picture1_Click(int box);
    void Command1_Click();
    // The user closed the window: the same as Cancel (the editor keeps running with its model).
    void Form_Unload();

    // Reads the category's contents file; on failure says so and leaves the boxes empty.
    bool NactiObsah(int32_t category);
    void ZobrazObsah(int32_t first);

    int32_t itemCount() const { return m_table.count; }
    const std::vector<Category>& categories() const { return m_categories; }

private:
    void emptyBoxes();

    Ui& m_ui;
    std::string m_drive;
    std::vector<Category> m_categories;
    ContentsTable m_table;
    std::string m_contentsPath;
    std::vector<uint8_t> m_contentsBytes;
    bool m_loading = false;
};

} // namespace salon
