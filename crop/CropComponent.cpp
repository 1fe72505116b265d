#include "crop/CropComponent.h"

#include "crop/CropObraz.h"

namespace trimlet {

int32_t CropComponent::HairFoto(const std::string& Jme1, const std::string& Jme2, int32_t Tleft, int32_t TTop,
                                int32_t TJaz)
{
    m_writtenPath.clear();
    try {
        CropObraz crop;
        const int32_t result = crop.HairFoto(Jme1, Jme2, Tleft, TTop, TJaz);
        if (result != 0 && crop.writtenPath() != Jme2) m_writtenPath = crop.writtenPath();
        return result;
    } catch (...) {
        return 0;
    }
}

CropComponent& cropComponent()
{
    static CropComponent component;
    return component;
}

} // namespace trimlet
