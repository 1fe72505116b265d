#include "presentation/Bublina.h"

namespace prevu {

void Bublina::setPicture(salon::Bitmap picture)
{
    m_picture = std::move(picture);
    changed = true;
}

void Bublina::setMaskPicture(salon::Bitmap mask)
{
    m_mask = std::move(mask);
    changed = true;
}

void Bublina::setBackStyle(int32_t value)
{
    m_backStyle = int16_t(value < 0 ? 0 : value >= 2 ? 1 : value);
    changed = true;
}

bool Bublina::belongs(int32_t x, int32_t y) const
{
    if (x < 0 || y < 0 || x >= Width || y >= Height) return false;
    if (cutOut && cutOut->contains(x, y)) return false;
    if (m_backStyle == 1) return true;
    if (m_mask.isNull() || x >= m_mask.width || y >= m_mask.height) return false;
    return m_mask.pixel(x, y) != 0xFFFFFF;
}

void Bublina::ReadProperties(const PropertyBag& bag)
{
    auto number = bag.numbers.find("BackStyle");
    setBackStyle(number == bag.numbers.end() ? 0 : number->second);
    auto mask = bag.pictures.find("MaskPicture");
    setMaskPicture(mask == bag.pictures.end() ? salon::Bitmap{} : mask->second);
    auto picture = bag.pictures.find("Picture");
    setPicture(picture == bag.pictures.end() ? salon::Bitmap{} : picture->second);
}

void Bublina::WriteProperties(PropertyBag& bag) const
{
    // Defaults are not written, so a bag read back gives the same control.
    if (m_backStyle != 0) bag.numbers["BackStyle"] = m_backStyle;
    if (!m_mask.isNull()) bag.pictures["MaskPicture"] = m_mask;
    if (!m_picture.isNull()) bag.pictures["Picture"] = m_picture;
}

} // namespace prevu
