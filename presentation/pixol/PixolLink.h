#pragma once
// The presentation's library calls, forwarded to one pixol::Pixolf object kept for the run.
#include "library/Pixolf.h"
#include "presentation/LibraryLink.h"

namespace prevu {

class PixolLink : public LibraryLink {
public:
    pixol::Pixolf& library() { return m_pixol; }

    int32_t SuSettingsP(int32_t vSuJazyk, const std::string& vSuDirApp) override;
    int32_t SuScWidth() override;
    int32_t SuScHeight() override;
    int32_t SuScBarva() override;
    std::string SuDirApp() override;
    int32_t SysData3(salon::BoundedArray<int32_t>& CisDat, salon::BoundedArray<std::string>& StrDat) override;
    int32_t FsExist(const std::string& Jme) override;
    int32_t SuCtiNLG(const std::string& JmeSou, int32_t SrX, int32_t SrY) override;
    int32_t RgnInvertuj(int32_t& Hrgn, int32_t TpLeft, int32_t TpTop, int32_t TpRight, int32_t TpBottom,
                        bool Novy) override;
    int32_t TsRgn(int32_t& Hrgn) override;
    int32_t SuClipRgn(salon::Surface& Obj, int32_t& Hrgn) override;
    int32_t PsClsXY(salon::Surface& Obj, int32_t BmX, int32_t BmY) override;
    void SyTmpDel() override;
    int32_t regionCount() override;

private:
    pixol::Pixolf m_pixol;
};

} // namespace prevu
