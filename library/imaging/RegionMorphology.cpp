#include "RegionMorphology.h"

namespace pixol::regions {

using salon::Region;

namespace {

template <class Op>
Region step(const Region& a, StepShape shape, Op op)
{
    if (!a.isValid()) return Region::invalid();
    if (shape == StepShape::Diagonal) {
        // The four diagonal moves factor into a horizontal pair moved up and down: three set
        // operations instead of four, on the same result.
        Region pair = op(a.offsetted(-1, 0), a.offsetted(1, 0));
        return op(op(a, pair.offsetted(0, -1)), pair.offsetted(0, 1));
    }
    Region r = op(a, a.offsetted(0, -1));
    r = op(r, a.offsetted(1, 0));
    r = op(r, a.offsetted(0, 1));
    return op(r, a.offsetted(-1, 0));
}

const auto unite = [](const Region& x, const Region& y) { return x.united(y); };
const auto meet = [](const Region& x, const Region& y) { return x.intersected(y); };

StepShape shapeOf(int32_t i, StepKind kind)
{
    return kind == StepKind::Square || i % 2 == 1 ? StepShape::Diagonal : StepShape::Cross;
}

} // namespace

Region growStep(const Region& a, StepShape shape) { return step(a, shape, unite); }
Region shrinkStep(const Region& a, StepShape shape) { return step(a, shape, meet); }

Region grow(const Region& a, int32_t steps, StepKind kind)
{
    Region r = a;
    for (int32_t i = 1; i <= steps && r.isValid(); ++i) r = growStep(r, shapeOf(i, kind));
    return r;
}

Region shrink(const Region& a, int32_t steps, StepKind kind)
{
    Region r = a;
    for (int32_t i = 1; i <= steps && r.isValid() && !r.isEmpty(); ++i) r = shrinkStep(r, shapeOf(i, kind));
    return r;
}

Region fillGaps(const Region& r, bool vertical, bool horizontal, int32_t hg)
{
    Region out = r;
    if (vertical) out = out.united(out.offsetted(0, -hg).intersected(out.offsetted(0, hg)));
    if (horizontal) out = out.united(out.offsetted(-hg, 0).intersected(out.offsetted(hg, 0)));
    return out;
}

} // namespace pixol::regions
