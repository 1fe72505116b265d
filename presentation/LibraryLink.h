#pragma once
// What the presentation asks of the graphics library, one call per method it uses, with the
// library's names and parameters. PixolLink forwards each to pixol::Pixolf; tests put a double
// behind it, so the window logic can be driven without the library's files and drives.
#include "platform/BoundedArray.h"
#include "platform/Surface.h"

#include <cstdint>
#include <string>

namespace prevu {

class LibraryLink {
public:
    virtual ~LibraryLink() = default;
    virtual int32_t SuSettingsP(int32_t vSuJazyk, const std::string& vSuDirApp) = 0;
    virtual int32_t SuScWidth() = 0;
    virtual int32_t SuScHeight() = 0;
    virtual int32_t SuScBarva() = 0;
    virtual std::string SuDirApp() = 0;
    virtual int32_t SysData3(salon::BoundedArray<int32_t>& CisDat, salon::BoundedArray<std::string>& StrDat) = 0;
    virtual int32_t FsExist(const std::string& Jme) = 0;
    virtual int32_t SuCtiNLG(const std::string& JmeSou, int32_t SrX, int32_t SrY) = 0;
    virtual int32_t RgnInvertuj(int32_t& Hrgn, int32_t TpLeft, int32_t TpTop, int32_t TpRight, int32_t TpBottom,
                                bool Novy) = 0;
    virtual int32_t TsRgn(int32_t& Hrgn) = 0;
    virtual int32_t SuClipRgn(salon::Surface& Obj, int32_t& Hrgn) = 0;
    virtual int32_t PsClsXY(salon::Surface& Obj, int32_t BmX, int32_t BmY) = 0;
    virtual void SyTmpDel() = 0;
    // How many regions the library holds for this thread (a leak check).
    virtual int32_t regionCount() = 0;
};

} // namespace prevu
