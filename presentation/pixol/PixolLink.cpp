#include "presentation/pixol/PixolLink.h"

namespace prevu {

int32_t PixolLink::SuSettingsP(int32_t vSuJazyk, const std::string& vSuDirApp)
{
    return m_pixol.SuSettingsP(vSuJazyk, vSuDirApp);
}
int32_t PixolLink::SuScWidth() { return m_pixol.SuScWidth(); }
int32_t PixolLink::SuScHeight() { return m_pixol.SuScHeight(); }
int32_t PixolLink::SuScBarva() { return m_pixol.SuScBarva(); }
std::string PixolLink::SuDirApp() { return m_pixol.SuDirApp(); }
int32_t PixolLink::SysData3(salon::BoundedArray<int32_t>& CisDat, salon::BoundedArray<std::string>& StrDat)
{
    return m_pixol.SysData3(CisDat, StrDat);
}
int32_t PixolLink::FsExist(const std::string& Jme) { return m_pixol.FsExist(Jme); }
int32_t PixolLink::SuCtiNLG(const std::string& JmeSou, int32_t SrX, int32_t SrY)
{
    return m_pixol.SuCtiNLG(JmeSou, SrX, SrY);
}
int32_t PixolLink::RgnInvertuj(int32_t& Hrgn, int32_t TpLeft, int32_t TpTop, int32_t TpRight, int32_t TpBottom,
                               bool Novy)
{
    return m_pixol.RgnInvertuj(Hrgn, TpLeft, TpTop, TpRight, TpBottom, Novy);
}
int32_t PixolLink::TsRgn(int32_t& Hrgn) { return m_pixol.TsRgn(Hrgn); }
int32_t PixolLink::SuClipRgn(salon::Surface& Obj, int32_t& Hrgn) { return m_pixol.SuClipRgn(Obj, Hrgn); }
int32_t PixolLink::PsClsXY(salon::Surface& Obj, int32_t BmX, int32_t BmY) { return m_pixol.PsClsXY(Obj, BmX, BmY); }
void PixolLink::SyTmpDel() { m_pixol.SyTmpDel(); }
int32_t PixolLink::regionCount() { return m_pixol.regionCount(); }

} // namespace prevu
