// The region toolkit, regions from pictures, region shapes, text regions and region frames: each
// method forwards to its module under the guard.
#include "library/Pixolf.h"

#include "library/frame/Guard.h"
#include "library/imaging/RegionHandles.h"
#include "library/imaging/RegionToolkit.h"

namespace pixol {

using detail::guard;

int32_t Pixolf::RgnTestuj(int32_t& Hrgn, int32_t Typ)
{
    return guard(0, [&] { return regions::testRegion(Hrgn, Typ); });
}
int32_t Pixolf::RgnCombine(int32_t& Hrgn1, int32_t& Hrgn2, int32_t Typ)
{
    return guard(0, [&] { return regions::combine(Hrgn1, Hrgn2, Typ); });
}
int32_t Pixolf::RgnKopiruj(int32_t& Hrgn)
{
    return guard(0, [&] { return regions::copy(Hrgn); });
}
int32_t Pixolf::RgnPosuvXY(int32_t& Hrgn, int32_t X, int32_t Y)
{
    return guard(0, [&] { return regions::moveCopy(Hrgn, X, Y); });
}
int32_t Pixolf::RgnOrizni(int32_t& Hrgn, int32_t TpLeft, int32_t TpTop, int32_t TpRight, int32_t TpBottom, bool Novy)
{
    return guard(0, [&] { return regions::clipToRect(Hrgn, TpLeft, TpTop, TpRight, TpBottom, Novy); });
}
int32_t Pixolf::RgnInvertuj(int32_t& Hrgn, int32_t TpLeft, int32_t TpTop, int32_t TpRight, int32_t TpBottom,
                            bool Novy)
{
    return guard(0, [&] { return regions::invertInRect(Hrgn, TpLeft, TpTop, TpRight, TpBottom, Novy); });
}
int32_t Pixolf::RgnZmensi(int32_t& Hrgn, int32_t PBod, bool Typ, bool Novy)
{
    return guard(0, [&] { return regions::shrink(Hrgn, PBod, Typ, Novy); });
}
int32_t Pixolf::RgnZvetsi(int32_t& Hrgn, int32_t PBod, bool Typ, bool Novy)
{
    return guard(0, [&] { return regions::grow(Hrgn, PBod, Typ, Novy); });
}
int32_t Pixolf::RgnVyhladit(int32_t& Hrgn, int32_t PBod, bool Novy)
{
    return guard(0, [&] { return regions::smooth(Hrgn, PBod, Novy); });
}
int32_t Pixolf::RgnOkraj(int32_t& Hrgn, bool Novy)
{
    return guard(0, [&] { return regions::innerBorder(Hrgn, Novy); });
}
int32_t Pixolf::RgnFrame(int32_t& Hrgn, int32_t dX, int32_t Misto, bool Novy)
{
    return guard(0, [&] { return regions::frame(Hrgn, dX, Misto, Novy); });
}
int32_t Pixolf::RgnObjektObrys(int32_t& Hrgn, int32_t& HrgnV, int32_t& HrgnO, int32_t& HrgnC, int32_t PBod)
{
    return guard(0, [&] { return regions::objectOutline(Hrgn, HrgnV, HrgnO, HrgnC, PBod); });
}
int32_t Pixolf::RgnUpravSpc(int32_t& Hrgn, bool VV, bool HV, uint8_t hg)
{
    return guard(0, [&] { return regions::fillGaps(Hrgn, VV, HV, hg); });
}
int32_t Pixolf::RgnPole(int32_t Hrgn, LongArray& Hara, int32_t& Har1, int32_t TpLeft, int32_t TpTop, int32_t TpWidth,
                        int32_t TpHeight, int32_t& XLe, int32_t& YLe, int32_t& XSr, int32_t& YSr)
{
    return guard(0, [&] {
        return regions::readOut(Hrgn, Hara, Har1, TpLeft, TpTop, TpWidth, TpHeight, XLe, YLe, XSr, YSr);
    });
}
int32_t Pixolf::RgnPole(int32_t Hrgn, LongArray& Hara, int32_t& Har1, int32_t TpLeft, int32_t TpTop, int32_t TpWidth,
                        int32_t TpHeight)
{
    int32_t xLe = 0, yLe = 0, xSr = 0, ySr = 0;
    return RgnPole(Hrgn, Hara, Har1, TpLeft, TpTop, TpWidth, TpHeight, xLe, yLe, xSr, ySr);
}
int32_t Pixolf::RgnCreate(int32_t Cit, int32_t CRgn, const LongArray& Poct1, const LongArray& Poct2)
{
    return guard(0, [&] { return regions::fromStore(Cit, CRgn, Poct1, Poct2); });
}
int32_t Pixolf::RgnSgRectPlg(const SingleArray& TpBodX, const SingleArray& TpBodY, int32_t Pocet)
{
    return guard(0, [&] { return regions::fromQuadPoints(TpBodX, TpBodY, Pocet); });
}
int32_t Pixolf::PlgKresli(int32_t ObjHdc, const SingleArray& TpBodX, const SingleArray& TpBodY, const LongArray& TpPlg,
                          int32_t PocetPlg)
{
    return guard(0, [&] { return regions::drawPolygons(ObjHdc, TpBodX, TpBodY, TpPlg, PocetPlg); });
}
int32_t Pixolf::CopySingleRgn(int32_t& Hrgn, const SingleArray& TpBodX, const SingleArray& TpBodY,
                              const LongArray& TpPlg, int32_t PocetPlg, int32_t PocetBodu, int32_t& HrgnA,
                              SingleArray& TpBodXA, SingleArray& TpBodYA, LongArray& TpPlgA, int32_t& PocetPlgA,
                              int32_t& PocetBoduA)
{
    return guard(0, [&] {
        return regions::copyWithPolygons(Hrgn, TpBodX, TpBodY, TpPlg, PocetPlg, PocetBodu, HrgnA, TpBodXA, TpBodYA,
                                         TpPlgA, PocetPlgA, PocetBoduA);
    });
}
int32_t Pixolf::RgnVybarvit(salon::Surface& Obj, int32_t Hrgn, int32_t Typ, int32_t XColor)
{
    return guard(0, [&] { return regions::paint(Obj, Hrgn, Typ, XColor); });
}
int32_t Pixolf::SuClipRgn(salon::Surface& Obj, int32_t Hrgn)
{
    return guard(0, [&] { return regions::clipSurface(Obj, Hrgn); });
}
int32_t Pixolf::StClipRgn(int32_t HdcO, int32_t Hrgn, int32_t PrX, int32_t PrY)
{
    return guard(0, [&] { return regions::clipSurface(HdcO, Hrgn, PrX, PrY); });
}

} // namespace pixol
