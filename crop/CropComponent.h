#pragma once
// The crop component as the editor's engine sees it. The shell installs it with one line:
//     engine.cropper = &trimlet::cropComponent();
// Each HairFoto creates a CropObraz, shows the dialog and releases the object again, as the editor
// has always used the component.
#include "editor/engine/PhotoCropper.h"

#include <cstdint>
#include <string>

namespace trimlet {

class CropComponent : public salon::PhotoCropper {
public:
    int32_t HairFoto(const std::string& Jme1, const std::string& Jme2, int32_t Tleft, int32_t TTop,
                     int32_t TJaz) override;
    // After a non-zero HairFoto: the cache-directory path when Jme2 could not be written, else empty.
    std::string writtenPath() const override { return m_writtenPath; }

private:
    std::string m_writtenPath;
};

// The one instance the program shares (the dialog is modal, so one call runs at a time).
CropComponent& cropComponent();

} // namespace trimlet
