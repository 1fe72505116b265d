#pragma once
// CropObraz, the crop component's one class. The editor hands it a photo that is too large for its
// working area; the user trims the photo in the CUTPic dialog and OK writes a reduced copy.
//
// HairFoto shows the dialog modally and returns 1 when the reduced copy was written, 0 when the user
// cancelled or anything failed; no exception leaves it. Paths are the editor's Windows-style strings
// (resolved through the drive table); Tleft and TTop are the dialog position in twips.
#include "crop/CutPic.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace trimlet {

// Makes the view that shows the dialog. The shared library installs the Qt dialog here when it is
// loaded; without a factory (GUI-free builds) the dialog cannot be shown and HairFoto returns 0.
using CutPicViewFactory = std::function<std::unique_ptr<CutPicView>()>;
void setCutPicViewFactory(CutPicViewFactory factory);
[[nodiscard]] std::unique_ptr<CutPicView> makeCutPicView();

class CropObraz {
public:
    CropObraz();  // the dialog with the installed view
    explicit CropObraz(std::unique_ptr<CutPicView> view);
    ~CropObraz();

    int32_t HairFoto(const std::string& Jme1, const std::string& Jme2, int32_t Tleft, int32_t TTop, int32_t TJaz = 0);

    // The file the last HairFoto wrote: Jme2 itself, or the copy in the user's cache directory when
    // Jme2 could not be written. Empty when nothing was written.
    const std::string& writtenPath() const;

    CutPic& dialog() { return *m_dialog; }

private:
    std::unique_ptr<CutPic> m_dialog;
};

} // namespace trimlet
