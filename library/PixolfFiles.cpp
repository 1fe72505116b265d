// Region files and region data, file-system services and dialogs, the picture contents file:
// each method forwards to its module under the guard.
#include "library/Pixolf.h"

#include "library/frame/Dialogs.h"
#include "library/frame/DriveWalks.h"
#include "library/frame/FileServices.h"
#include "library/frame/PathNames.h"
#include "library/frame/Guard.h"
#include "library/frame/LibraryState.h"
#include "library/frame/RegionFilesApi.h"
#include "library/imaging/RegionData.h"

#include <filesystem>

namespace pixol {

using detail::guard;

namespace {
constexpr int32_t OverwriteQuestion = 68;
} // namespace

int32_t Pixolf::SuCtiNLG(const std::string& JmeSou, int32_t SrX, int32_t SrY)
{
    return guard(0, [&] { return pixol::SuCtiNLG(JmeSou, SrX, SrY); });
}

int32_t Pixolf::SuPisNLG(const std::string& JmeSou, int32_t Hrgn, bool Dotaz, int32_t SrX, int32_t SrY)
{
    return guard(0, [&] { return pixol::SuPisNLG(JmeSou, Hrgn, Dotaz, SrX, SrY, StSTX(OverwriteQuestion)); });
}

int32_t Pixolf::SuCtiNSG(const std::string& JmeSou, LongArray& SadaHrgn, int32_t SrX, int32_t SrY)
{
    return guard(0, [&] { return pixol::SuCtiNSG(JmeSou, SadaHrgn, SrX, SrY); });
}

int32_t Pixolf::SuPisNSG(const std::string& JmeSou, const LongArray& SadaHrgn, bool Dotaz, int32_t SrX, int32_t SrY)
{
    return guard(0, [&] { return pixol::SuPisNSG(JmeSou, SadaHrgn, Dotaz, SrX, SrY, StSTX(OverwriteQuestion)); });
}

int32_t Pixolf::RgnNactiData(int32_t Hrgn, LongArray& Hara)
{
    return guard(0, [&] { return pixol::RgnNactiData(Hrgn, Hara); });
}

int32_t Pixolf::RgnZapisData(const LongArray& Bada, int32_t DlRgn, float TeDx, float TeDy, float TM11, float TM12,
                             float TM21, float TM22)
{
    return guard(0, [&] { return pixol::RgnZapisData(Bada, DlRgn, TeDx, TeDy, TM11, TM12, TM21, TM22); });
}

int32_t Pixolf::FsExist(const std::string& Jme)
{
    return guard(0, [&] { return files::FsExist(Jme); });
}

void Pixolf::SyTmpDel()
{
    guard(0, [&] {
        const std::string& scratch = state().settings.scratchFile;
        std::error_code ec;
        if (!scratch.empty() && std::filesystem::is_regular_file(scratch, ec)) std::filesystem::remove(scratch, ec);
        return 0;
    });
}

} // namespace pixol

namespace pixol {

namespace {
std::string libraryText(int32_t n) { return Pixolf().StSTX(n); }
} // namespace

int32_t Pixolf::FsControlAtrib(const std::string& Jme, int32_t& Atr1, int32_t& Atr2)
{
    return guard(0, [&] { return files::FsControlAtrib(Jme, Atr1, Atr2); });
}

int32_t Pixolf::FsDirFun(const std::string& Jme, std::string& FsDCesta, int32_t& FsDPoc, LongArray& FsDAttr,
                         StringArray& FsDJme)
{
    return guard(0, [&] { return files::FsDirFun(Jme, FsDCesta, FsDPoc, FsDAttr, FsDJme); });
}

int32_t Pixolf::FsCesta(const std::string& Jme, StringArray& FsCJme, LongArray& FsTJme, int32_t& FsPJme,
                        int32_t& FsPCis, int32_t& FsMCis)
{
    return guard(0, [&] { return files::FsCesta(Jme, FsCJme, FsTJme, FsPJme, FsPCis, FsMCis); });
}

std::string Pixolf::SJmeSkup(const std::string& Ta, int32_t Tb)
{
    return guard(std::string(), [&] { return files::SJmeSkup(Ta, Tb); });
}

int32_t Pixolf::FsNovJm(const std::string& Jme, std::string& NovJme, int32_t DCis, int32_t DTyp, int32_t& NCis)
{
    return guard(0, [&] { return files::FsNovJm(Jme, NovJme, DCis, DTyp, NCis); });
}

int32_t Pixolf::FsSkupina(const std::string& Jme, uint8_t FsVTyp, std::string& FsDCesta, int32_t& FsDPoc,
                          LongArray& FsDAttr, LongArray& FsDNum, StringArray& FsDJme)
{
    return guard(0, [&] { return files::FsSkupina(Jme, FsVTyp, FsDCesta, FsDPoc, FsDAttr, FsDNum, FsDJme); });
}

int32_t Pixolf::SysCmDZ(const std::string& Disk, int32_t DTyp, bool& VTyp)
{
    return guard(0, [&] { return files::SysCmDZ(Disk, DTyp, VTyp); });
}

int32_t Pixolf::SysCmDZ(const std::string& Disk, int32_t DTyp)
{
    bool fits = false;
    return SysCmDZ(Disk, DTyp, fits);
}

int32_t Pixolf::SysFsDir(const std::string& NDir)
{
    return guard(0, [&] { return files::SysFsDir(NDir, libraryText); });
}

int32_t Pixolf::SysFnDir(const std::string& YDir, StringArray& NDir, int32_t& NPoc)
{
    return guard(0, [&] { return files::SysFnDir(YDir, NDir, NPoc); });
}

int32_t Pixolf::SysFnSou(const std::string& YSou, StringArray& NSou, int32_t& NPoc)
{
    return guard(0, [&] { return files::SysFnSou(YSou, NSou, NPoc); });
}

int32_t Pixolf::SysCtDisk(const std::string& Disk, LongArray& DiskVal, int32_t DTyp)
{
    return guard(0, [&] { return files::SysCtDisk(Disk, DiskVal, DTyp, libraryText); });
}

int32_t Pixolf::SysCtiDisk(const std::string& Disk, StringArray& CisDir, StringArray& DisDir, LongArray& AttDir,
                           LongArray& LofDir, LongArray& CtmDir, LongArray& DiskVal, int32_t DTyp)
{
    return guard(0, [&] {
        const files::DirectoryLists lists{&CisDir, &DisDir, &AttDir, &LofDir, &CtmDir};
        return files::SysCtDisk(Disk, DiskVal, DTyp, libraryText, &lists);
    });
}

int32_t Pixolf::FsOpenSou(uint8_t FsTyp, const std::string& FsDir, const std::string& FsTypSou, StringArray& JmeOpen,
                          const std::string& FsTitle)
{
    return guard(0, [&] {
        try {
            return files::FsOpenSou(FsTyp, FsDir, FsTypSou, JmeOpen, FsTitle, libraryText);
        } catch (...) {
            JmeOpen.redim(1, 1);  // a dialog that failed chose nothing
            return 0;
        }
    });
}

int32_t Pixolf::SysDgColor(int32_t Ag1, int32_t Ag2)
{
    return guard(-1, [&] { return files::SysDgColor(Ag1, Ag2, libraryText); });
}

int32_t Pixolf::SysDgFont(bool& TF1, bool& TF2, bool& TF3, bool& TF4, std::string& TF5, int32_t& TF6, int32_t& TF7,
                          int32_t& TF8, int32_t Ag1, int32_t Ag2, int32_t Ag3, int32_t Ag4, int32_t Ag5, int32_t SyFlag)
{
    return guard(0, [&] {
        return files::SysDgFont(TF1, TF2, TF3, TF4, TF5, TF6, TF7, TF8, Ag1 | Ag2 | Ag3 | Ag4 | Ag5 | SyFlag,
                                libraryText);
    });
}

int32_t Pixolf::SysDgPrint(int32_t& TF1, int32_t& TF2, int32_t& TF3, int32_t Ag1, int32_t Ag2, int32_t SyFlag)
{
    return guard(0, [&] { return files::SysDgPrint(TF1, TF2, TF3, Ag1 | Ag2 | SyFlag, libraryText); });
}

} // namespace pixol

#include "library/frame/PictureContents.h"

namespace pixol {

int32_t Pixolf::SuCtiObsah(salon::Surface& Obj, const std::string& ObName, int32_t CObr, int32_t& XMax, int32_t& YMax,
                           int32_t& CMax, std::string& SiText, std::string& SiName, uint8_t ObTyp)
{
    return guard(0, [&] { return pixol::SuCtiObsah(Obj, ObName, CObr, XMax, YMax, CMax, SiText, SiName, ObTyp); });
}

} // namespace pixol
