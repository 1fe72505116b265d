// Region files and region data, file-system services and dialogs, the picture contents file:
// each method forwards to its module under the guard.
#include "library/Pixolf.h"

#include "library/frame/FileServices.h"
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
