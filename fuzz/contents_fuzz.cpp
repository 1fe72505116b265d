// A category's contents file "obsdslNN.irw" on any bytes, through the catalogue window itself:
// reading it, then scrolling through every page of previews. A bad file or preview is reported or
// left white; the window never draws outside its boxes or names an item it does not have.
#include "fuzz/FuzzSupport.h"

#include "editor/shell/CatalogueForm.h"
#include "platform/Paths.h"
#include "platform/Ui.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace salon;
    static const bool driveReady = [] {
        DriveTable::current().set('Q', fuzz::scratchDir() / "drive");
        return true;
    }();
    (void)driveReady;
    const std::span<const uint8_t> bytes(data, size);
    fuzz::writeScratch("drive/orvella/obsdsl00.irw", bytes);

    // The parser and the window must agree on which files are good.
    auto table = parseContentsFile(bytes);
    if (table.ok()) {
        for (int32_t item = 1; item <= table.value().count; ++item) {
            auto preview = previewPicture(bytes, table.value(), item);
            if (preview.ok()) fuzz::checkBitmap(preview.value());
        }
    }

    ScriptedUi ui;
    CatalogueForm form(ui, "Q", {{"Vlasy", "DS1", "HA"}, {"Kratke", "DS2", "HB"}});
    form.Form_Load();
    form.Form_Activate();
    fuzz::check(form.itemCount() == (table.ok() ? table.value().count : 0), "the window read another item count");
    fuzz::check(table.ok() == ui.messages.empty(), "a contents file was refused without a word, or with one");
    if (!table.ok()) return 0;
    for (int32_t v = form.HScroll1.Min; v <= form.HScroll1.Max; ++v) {
        form.HScroll1.Value = v;
        form.HScroll1_Change();
        for (int k = 0; k < 4; ++k) {
            const Bitmap& box = form.boxPictures[size_t(k)];
            fuzz::check(box.width == PreviewBoxW && box.height == PreviewBoxH, "a preview box changed its size");
            const int32_t item = form.boxItem[size_t(k)];
            fuzz::check(item == -1 || (item >= 1 && item <= form.itemCount()), "a box shows an item that does not exist");
        }
    }
    form.Picture1_Click(3);
    return 0;
}
