#include "RegionData.h"

#include "library/formats/RegionFiles.h"
#include "library/frame/LibraryState.h"

namespace pixol {

int32_t RgnNactiData(int32_t Hrgn, salon::LongArray& Hara)
{
    const salon::Region* r = state().regions.find(uint32_t(Hrgn));
    if (r && r->isValid()) {
        std::vector<int32_t> data = r->data();
        const int64_t bytes = 4 * int64_t(data.size());
        if (bytes > 35 && bytes <= INT32_MAX) {
            Hara.lower = 1;
            Hara.values = std::move(data);
            return int32_t(bytes);
        }
    }
    Hara.redim(0, 0);
    return 0;
}

int32_t RgnZapisData(const salon::LongArray& Bada, int32_t DlRgn, float TeDx, float TeDy, float TM11, float TM12,
                     float TM21, float TM22)
{
    const salon::Region::Transform map{TM11, TM12, TM21, TM22, TeDx, TeDy};
    salon::Region r = formats::regionFromData(Bada.values, DlRgn, map);
    return r.isValid() ? int32_t(state().regions.add(std::move(r))) : 0;
}

} // namespace pixol
