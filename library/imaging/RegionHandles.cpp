#include "RegionHandles.h"

#include "library/frame/LibraryState.h"

namespace pixol::regions {

int32_t testRegion(int32_t& h, int32_t typ)
{
    if (typ != 0 && typ != 1) return 1;
    const salon::Region* r = state().regions.find(uint32_t(h));
    const salon::Region::Kind kind = r ? r->kind() : salon::Region::Kind::Invalid;
    if (kind == salon::Region::Kind::Invalid || (typ == 0 && kind == salon::Region::Kind::Empty)) {
        release(h);
        return 0;
    }
    return kind == salon::Region::Kind::Empty ? -1 : 1;
}

const salon::Region* regionOf(int32_t h)
{
    if (h == 0) return nullptr;
    const salon::Region* r = state().regions.find(uint32_t(h));
    return r && r->isValid() ? r : nullptr;
}

int32_t handOut(salon::Region r) { return int32_t(state().regions.add(std::move(r))); }

int32_t deliver(int32_t& h, salon::Region r, bool novy)
{
    const int32_t made = handOut(std::move(r));
    if (made == 0 || novy) return made;
    release(h);
    h = made;
    return made;
}

void release(int32_t& h)
{
    if (h != 0) state().regions.remove(uint32_t(h));
    h = 0;
}

} // namespace pixol::regions
