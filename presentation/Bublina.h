#pragma once
// The balloon control Bublina: a shaped child window that carries a picture, used for the hover
// hints of the menu screens and for the pictures of the slideshow.
//
// Shape: with BackStyle 1 (opaque) every pixel of the control belongs to it; with BackStyle 0
// (transparent) only the pixels where MaskPicture is not white do, and none without a mask. A
// cut-out (a region in the control's own pixels) takes pixels away in either style: the slideshow
// uses it to keep the photo outside the cut shape in front of the balloon. Pixels that do not
// belong are neither drawn nor part of the window. The picture is drawn at (0, 0), unscaled.
#include "platform/Bitmap.h"
#include "platform/Region.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace prevu {

// The persisted settings of a control: numbers and pictures by property name.
struct PropertyBag {
    std::map<std::string, int32_t> numbers;
    std::map<std::string, salon::Bitmap> pictures;
};

class Bublina {
public:
    bool Visible = false;
    int32_t Left = 0, Top = 0, Width = 238, Height = 180;  // pixels of the main window
    bool inFront = true;  // above the slideshow photo

    const salon::Bitmap& Picture() const { return m_picture; }
    const salon::Bitmap& MaskPicture() const { return m_mask; }
    int16_t BackStyle() const { return m_backStyle; }
    void setPicture(salon::Bitmap picture);
    void setMaskPicture(salon::Bitmap mask);
    // Values below 0 become 0 (transparent), 2 and more become 1 (opaque).
    void setBackStyle(int32_t value);

    std::optional<salon::Region> cutOut;  // whoever changes it sets `changed`

    // Whether pixel (x, y) of the control belongs to it (see the shape rule above).
    bool belongs(int32_t x, int32_t y) const;

    // Persisted settings: "BackStyle" (0), "MaskPicture" and "Picture" (none).
    void ReadProperties(const PropertyBag& bag);
    void WriteProperties(PropertyBag& bag) const;

    // Set by every property write; the view redraws and reshapes the control and clears it.
    bool changed = true;

private:
    salon::Bitmap m_picture;
    salon::Bitmap m_mask;
    int16_t m_backStyle = 0;
};

} // namespace prevu
