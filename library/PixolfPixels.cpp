// Pixel arrays, geometric transforms, transforms that carry an outline, cuts, picture changes and
// coverage arrays: each method forwards to its module under the guard.
#include "library/Pixolf.h"

#include "library/frame/Guard.h"
#include "library/frame/LibraryState.h"
#include "library/imaging/OutlineTransforms.h"
#include "library/imaging/PictureChanges.h"
#include "library/imaging/PixelArrays.h"
#include "library/imaging/ScaleWithShape.h"
#include "library/imaging/Transforms.h"

#include <functional>
#include <span>

namespace pixol {

using detail::guard;

namespace {
std::span<const uint8_t> bytesOf(const std::string& s)
{
    return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
}
int32_t depth() { return state().settings.colourDepth; }
} // namespace

int32_t Pixolf::CreateObrPole(salon::Surface& Obj, int32_t& BmX, int32_t& BmY, ByteArray& Pole, int32_t Typ)
{
    return guard(0, [&] { return pixels::createObrPole(Obj, BmX, BmY, Pole, Typ, depth(), nullptr, false); });
}

int32_t Pixolf::CreateObrPoleRgn(salon::Surface& Obj, int32_t& BmX, int32_t& BmY, ByteArray& Pole, int32_t Typ,
                                 int32_t Hrgn)
{
    return guard(0, [&] {
        const salon::Region* r = state().regions.find(uint32_t(Hrgn));
        return pixels::createObrPole(Obj, BmX, BmY, Pole, Typ, depth(), r, true);
    });
}

int32_t Pixolf::ObnovObrPole(salon::Surface& Obj, int32_t BmX, int32_t BmY, const ByteArray& Pole, int32_t Typ)
{
    return guard(0, [&] { return pixels::obnovObrPole(Obj, BmX, BmY, Pole, Typ); });
}

int32_t Pixolf::PsPoleCopy(const ByteArray& PoleA, ByteArray& PoleB)
{
    return guard(0, [&] { return pixels::poleCopy(PoleA, PoleB); });
}

int32_t Pixolf::PsPoleBod(ByteArray& PDst, const ByteArray& PSrc, int32_t BmX, int32_t BmY)
{
    return guard(0, [&] { return pixels::poleBod(PDst, PSrc, BmX, BmY); });
}

int32_t Pixolf::SuMemTmpObr(salon::Surface& Obj, const std::string& Bafr)
{
    return guard(0, [&] { return pixels::memTmpObr(Obj, bytesOf(Bafr)); });
}

int32_t Pixolf::UaPoleLoad(const std::string& Name, int32_t& BmX, int32_t& BmY, ByteArray& Pole)
{
    return guard(0, [&] { return pixels::poleLoad(Name, BmX, BmY, Pole, depth()); });
}

int32_t Pixolf::UaMemTmpPole(const std::string& Bafr, int32_t& BmX, int32_t& BmY, ByteArray& Pole)
{
    return guard(0, [&] { return pixels::memTmpPole(bytesOf(Bafr), BmX, BmY, Pole, depth()); });
}

int32_t Pixolf::UaLoadPoleScreen(int32_t HdcF, int32_t PrxC, int32_t PrYC, int32_t dX, int32_t dY, int32_t BmX,
                                 int32_t BmY, ByteArray& Pole)
{
    return guard(0, [&] {
        LibraryState& st = state();
        const salon::Surface* source = st.deviceContexts.find(HdcF);
        if (!source) return 0;
        int32_t result = 0;
        if (pixels::loadScreen(*source, PrxC, PrYC, dX, dY, BmX, BmY, st.work[1]))
            result = pixels::createObrPole(st.work[1], BmX, BmY, Pole, 3, st.settings.colourDepth, nullptr, false);
        st.shrinkWork(1);
        return result;
    });
}

int32_t Pixolf::UaLoadObrScreen(int32_t HdcF, int32_t PrxC, int32_t PrYC, salon::Surface& Obj, int32_t dX,
                                int32_t dY, int32_t BmX, int32_t BmY)
{
    return guard(0, [&] {
        const salon::Surface* source = state().deviceContexts.find(HdcF);
        if (!source || source == &Obj) return 0;
        return pixels::loadScreen(*source, PrxC, PrYC, dX, dY, BmX, BmY, Obj);
    });
}

} // namespace pixol

// ---- Geometric transforms ----
namespace pixol {

int32_t Pixolf::PsObrRotace(salon::Surface& Obj, float Uhel, float& dX, float& dY, bool ZmRoz, bool Region)
{
    return guard(0, [&] {
        if (!Region) return transforms::rotate(Obj, Uhel, dX, dY, ZmRoz, depth());
        LibraryState& st = state();
        transforms::Rotated r;
        if (!transforms::rotatePixels(transforms::readType3(Obj, depth()), Uhel, r)) return 0;
        if (!transforms::replaceWith(st.work[0], r.pixels)) return 0;
        dX = r.dX;
        dY = r.dY;
        return 1;
    });
}

int32_t Pixolf::PsObrRotace(salon::Surface& Obj, float Uhel)
{
    float dX = 0, dY = 0;
    return PsObrRotace(Obj, Uhel, dX, dY);
}

int32_t Pixolf::PsObrScale(salon::Surface& Obj, int32_t& dX, int32_t& dY, float DpX, float DpY, bool ZmRoz)
{
    return guard(0, [&] { return transforms::scale(Obj, dX, dY, DpX, DpY, ZmRoz); });
}

int32_t Pixolf::PsObrFlip(salon::Surface& Obj, bool FlipX, bool FlipY)
{
    return guard(0, [&] { return transforms::flip(Obj, FlipX, FlipY); });
}

int32_t Pixolf::PsObrRotR(salon::Surface& Obj, int32_t& dX, int32_t& dY, bool ZmRoz)
{
    return guard(0, [&] { return transforms::quarterTurn(Obj, true, dX, dY, ZmRoz, depth()); });
}

int32_t Pixolf::PsObrRotL(salon::Surface& Obj, int32_t& dX, int32_t& dY, bool ZmRoz)
{
    return guard(0, [&] { return transforms::quarterTurn(Obj, false, dX, dY, ZmRoz, depth()); });
}

int32_t Pixolf::PsObrDefomR(salon::Surface& Obj, int32_t& dX, int32_t& dY, int32_t& aX1, int32_t& aY1, int32_t& aX2,
                            int32_t& aY2, int32_t& aX3, int32_t& aY3, int32_t& aX4, int32_t& aY4, int32_t& Ex,
                            int32_t& Ey, float& t1, float& t2, float& t3, float& t4, float& q1, float& q2,
                            int32_t& ddx, int32_t& ddy)
{
    return guard(0, [&] {
        transforms::WarpResult r;
        if (!transforms::warp(Obj, {aX1, aY1, aX2, aY2, aX3, aY3, aX4, aY4}, r)) return 0;
        const int32_t h = int32_t(state().regions.add(std::move(r.outline)));
        if (!h) return 0;
        dX = r.dX;
        dY = r.dY;
        Ex = r.ex;
        Ey = r.ey;
        t1 = r.t1;
        t2 = r.t2;
        t3 = r.t3;
        t4 = r.t4;
        q1 = r.q1;
        q2 = r.q2;
        ddx = r.ddx;
        ddy = r.ddy;
        return h;
    });
}

int32_t Pixolf::PsObrDefomR(salon::Surface& Obj, int32_t& dX, int32_t& dY, int32_t& aX1, int32_t& aY1, int32_t& aX2,
                            int32_t& aY2, int32_t& aX3, int32_t& aY3, int32_t& aX4, int32_t& aY4)
{
    int32_t ex, ey, ddx, ddy;
    float t1, t2, t3, t4, q1, q2;
    return PsObrDefomR(Obj, dX, dY, aX1, aY1, aX2, aY2, aX3, aY3, aX4, aY4, ex, ey, t1, t2, t3, t4, q1, q2, ddx, ddy);
}

int32_t Pixolf::PsObrNelinDefVer(salon::Surface& Obj, float Value)
{
    return guard(0, [&] { return transforms::nonLinear(Obj, Value, true, depth()); });
}

int32_t Pixolf::PsObrNelinDefHrz(salon::Surface& Obj, float Value)
{
    return guard(0, [&] { return transforms::nonLinear(Obj, Value, false, depth()); });
}

int32_t Pixolf::PsObrZmena(int32_t& BmX, int32_t& BmY, int32_t& NmX, int32_t& NmY, const ByteArray& Pole,
                           ByteArray& Pola)
{
    return guard(0, [&] { return transforms::resample(BmX, BmY, NmX, NmY, Pole, Pola); });
}

int32_t Pixolf::PsNewScale(salon::Surface& Obj, uint8_t Typ, int32_t PNLx, int32_t PNLy, int32_t& NPrX, int32_t& NPrY,
                           float& DsX, float& DsY)
{
    return guard(0, [&] { return transforms::fitObject(Obj, Typ, PNLx, PNLy, NPrX, NPrY, DsX, DsY); });
}

int32_t Pixolf::SuNewScale(uint8_t Typ, int32_t& PrX, int32_t& PrY, int32_t PNLx, int32_t PNLy, int32_t& NPrX,
                           int32_t& NPrY, float& DsX, float& DsY)
{
    return guard(0, [&] { return transforms::fitSize(Typ, PrX, PrY, PNLx, PNLy, NPrX, NPrY, DsX, DsY); });
}

int32_t Pixolf::PsObrOrez(salon::Surface& Obj, int32_t BmX, int32_t BmY, int32_t BColor, int32_t XLe, int32_t YLe)
{
    return guard(0, [&] { return transforms::canvas(Obj, BmX, BmY, BColor, XLe, YLe); });
}

int32_t Pixolf::PsCopyImg(salon::Surface& ObjDst, const salon::Surface& ObjSrc, int32_t DwMode)
{
    return guard(0, [&] { return transforms::copyImage(ObjDst, ObjSrc, DwMode); });
}

int32_t Pixolf::PsCopyImgRgn(int32_t& Hrgn, salon::Surface& ObjDst, const salon::Surface& ObjSrc, int32_t& dX,
                             int32_t& dY, bool VetsiOrez)
{
    return guard(0, [&] {
        const salon::Region* r = state().regions.find(uint32_t(Hrgn));
        return r ? transforms::copyRegionBox(*r, ObjDst, ObjSrc, dX, dY, VetsiOrez) : 0;
    });
}

} // namespace pixol

// ---- Transforms that carry an outline ----
namespace pixol {

namespace {
// The outline's current region must be a region with pixels; an empty or broken one is released.
bool referenceOk(int32_t& hrgn)
{
    const salon::Region* r = state().regions.find(uint32_t(hrgn));
    if (r && r->isValid() && !r->isEmpty()) return true;
    if (hrgn) state().regions.remove(uint32_t(hrgn));
    hrgn = 0;
    return false;
}

// Maps a copy of the vertices, transforms a copy of the picture, and only when both worked hands out
// the region and puts picture and vertices in place.
template <class Step>
int32_t carry(salon::Surface& obj, int32_t& hrgn, outline::PolygonSet set,
              const std::function<void(float&, float&)>& vertex, Step pictureStep)
{
    if (!referenceOk(hrgn)) return 0;
    int32_t w, h;
    if (!transforms::sizeOf(obj, w, h) || w < 2 || h < 2 || !outline::valid(set)) return 0;
    outline::Mapped m = outline::map(set, vertex);
    if (!m.region.isValid() || m.region.isEmpty()) return 0;
    salon::Surface picture = obj;
    if (!pictureStep(picture)) return 0;
    const uint32_t handle = state().regions.add(std::move(m.region));
    if (!handle) return 0;
    obj = std::move(picture);
    outline::commit(set, m);
    return int32_t(handle);
}
} // namespace

int32_t Pixolf::PsObrRotaceO(salon::Surface& Obj, int32_t& Hrgn, SingleArray& TpBodX, SingleArray& TpBodY,
                             LongArray& TpPlg, int32_t PocetPlg, int32_t PocetBodu, int32_t& dX, int32_t& dY,
                             float Uhel)
{
    return guard(0, [&] {
        if (!referenceOk(Hrgn)) return 0;
        outline::PolygonSet set{TpBodX, TpBodY, TpPlg, PocetPlg, PocetBodu};
        if (!outline::valid(set)) return 0;
        outline::RotationOutcome r;
        if (!outline::rotate(Obj, *state().regions.find(uint32_t(Hrgn)), set, Uhel, depth(), r)) return 0;
        const uint32_t handle = state().regions.add(std::move(r.outline.region));
        if (!handle) return 0;
        Obj = std::move(r.picture);
        outline::commit(set, r.outline);
        dX = r.dX;
        dY = r.dY;
        return int32_t(handle);
    });
}

int32_t Pixolf::PsObrScaleO(salon::Surface& Obj, int32_t& Hrgn, SingleArray& TpBodX, SingleArray& TpBodY,
                            LongArray& TpPlg, int32_t PocetPlg, int32_t PocetBodu, int32_t& dX, int32_t& dY,
                            float DpX, float DpY)
{
    return guard(0, [&] {
        if (!(DpX >= 0.04f && DpX <= 20.0f && DpY >= 0.04f && DpY <= 20.0f)) return 0;
        int32_t sx = 0, sy = 0;
        const int32_t h = carry(Obj, Hrgn, {TpBodX, TpBodY, TpPlg, PocetPlg, PocetBodu},
                                [&](float& x, float& y) { x *= DpX, y *= DpY; },
                                [&](salon::Surface& p) { return transforms::scale(p, sx, sy, DpX, DpY, true) == 1; });
        if (h) dX = sx, dY = sy;
        return h;
    });
}

int32_t Pixolf::PsObrFlipO(salon::Surface& Obj, int32_t& Hrgn, SingleArray& TpBodX, SingleArray& TpBodY,
                           LongArray& TpPlg, int32_t PocetPlg, int32_t PocetBodu, bool FlipX, bool FlipY)
{
    return guard(0, [&] {
        const float w = float(Obj.drawableWidth()), hh = float(Obj.drawableHeight());
        return carry(Obj, Hrgn, {TpBodX, TpBodY, TpPlg, PocetPlg, PocetBodu},
                     [&](float& x, float& y) {
                         if (FlipX) x = w - x;
                         if (FlipY) y = hh - y;
                     },
                     [&](salon::Surface& p) { return transforms::flip(p, FlipX, FlipY) == 1; });
    });
}

int32_t Pixolf::PsObrRotLO(salon::Surface& Obj, int32_t& Hrgn, SingleArray& TpBodX, SingleArray& TpBodY,
                           LongArray& TpPlg, int32_t PocetPlg, int32_t PocetBodu, int32_t& dX, int32_t& dY)
{
    return guard(0, [&] {
        const float w = float(Obj.drawableWidth());
        int32_t sx = 0, sy = 0;
        const int32_t h = carry(Obj, Hrgn, {TpBodX, TpBodY, TpPlg, PocetPlg, PocetBodu},
                                [&](float& x, float& y) {
                                    const float nx = y, ny = w - x;
                                    x = nx, y = ny;
                                },
                                [&](salon::Surface& p) {
                                    return transforms::quarterTurn(p, false, sx, sy, true, depth()) == 1;
                                });
        if (h) dX = sx, dY = sy;
        return h;
    });
}

int32_t Pixolf::PsObrRotRO(salon::Surface& Obj, int32_t& Hrgn, SingleArray& TpBodX, SingleArray& TpBodY,
                           LongArray& TpPlg, int32_t PocetPlg, int32_t PocetBodu, int32_t& dX, int32_t& dY)
{
    return guard(0, [&] {
        const float hh = float(Obj.drawableHeight());
        int32_t sx = 0, sy = 0;
        const int32_t h = carry(Obj, Hrgn, {TpBodX, TpBodY, TpPlg, PocetPlg, PocetBodu},
                                [&](float& x, float& y) {
                                    const float nx = hh - y, ny = x;
                                    x = nx, y = ny;
                                },
                                [&](salon::Surface& p) {
                                    return transforms::quarterTurn(p, true, sx, sy, true, depth()) == 1;
                                });
        if (h) dX = sx, dY = sy;
        return h;
    });
}

} // namespace pixol

// ---- Shapes, cuts, picture changes, coverage arrays ----
namespace pixol {

int32_t Pixolf::RgnScaleSPC(salon::Surface& Obj, float DpX, float DpY, LongArray& Thx, LongArray& Thy, LongArray& Thd,
                            SingleArray& Thj, int32_t& HBod, int32_t& PJas, int32_t Hrana)
{
    return guard(0, [&] {
        salon::Surface picture = Obj;
        salon::Region shape;
        shapes::EdgePoints pts;
        if (!shapes::scaleWithShape(picture, DpX, DpY, Hrana, depth(), shape, pts)) return 0;
        const uint32_t h = state().regions.add(std::move(shape));
        if (!h) return 0;
        Obj = std::move(picture);
        Thx = std::move(pts.x);
        Thy = std::move(pts.y);
        Thd = std::move(pts.colour);
        Thj = std::move(pts.brightness);
        HBod = pts.count;
        PJas = pts.mean;
        return int32_t(h);
    });
}

int32_t Pixolf::SuOrezRng(salon::Surface& Obj1, salon::Surface& Obj2, const LongArray& VData, const LongArray& XPlg,
                          const LongArray& YPlg, const LongArray& ZPlg, int32_t& ZPgA, int32_t& Hrgn)
{
    return guard(0, [&] {
        if (&Obj1 == &Obj2) return 0;
        const int32_t mx = VData.has(VData.lower) ? VData(VData.lower) : 0;
        const int32_t my = VData.has(VData.lower + 1) ? VData(VData.lower + 1) : 0;
        salon::Surface target = Obj2;
        int32_t taken = ZPgA;
        salon::Region cut;
        if (!changes::cutAlongPolygons(Obj1, target, mx, my, XPlg, YPlg, ZPlg, taken, cut)) return 0;
        const uint32_t h = state().regions.add(std::move(cut));
        if (!h) return 0;
        Obj2 = std::move(target);
        ZPgA = taken;
        Hrgn = int32_t(h);
        return 1;
    });
}

int32_t Pixolf::PbObrZme1(int32_t Typ, salon::Surface& Obj, int32_t Data1, int32_t Data2)
{
    return guard(0, [&] {
        const salon::Region* limit = nullptr;
        if (Data2 != 0) {
            limit = state().regions.find(uint32_t(Data2));
            if (!limit) return 0;
        }
        return changes::changePixels(Obj, Typ, Data1, limit) ? 1 : 0;
    });
}

int32_t Pixolf::SuPostPole(int32_t Hrgn, int32_t BmX, int32_t BmY, ByteArray& BPole, int32_t NPlus, int32_t NMinus,
                           int32_t& NMin, int32_t& NMax, bool NPlocha)
{
    return guard(0, [&] {
        const salon::Region* r = state().regions.find(uint32_t(Hrgn));
        int64_t inside = 0;
        if (!r || !changes::coverage(*r, BmX, BmY, BPole, NPlus, NMinus, NMin, NMax, inside)) return 0;
        return NPlocha ? int32_t(inside) : 1;
    });
}

} // namespace pixol
