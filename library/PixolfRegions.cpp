// The region toolkit, regions from pictures, region shapes, text regions and region frames: each
// method forwards to its module under the guard.
#include "library/Pixolf.h"

#include "library/frame/Guard.h"
#include "library/imaging/RegionHandles.h"
#include "library/imaging/RegionFrames.h"
#include "library/imaging/RegionFromPicture.h"
#include "library/imaging/RegionShapes.h"
#include "library/imaging/RegionToolkit.h"
#include "library/imaging/TextRegion.h"

namespace pixol {

using detail::guard;
using regions::FrameStyle;
using regions::ShapeOp;
using regions::ShapeParams;

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

int32_t Pixolf::RgnObraz(salon::Surface& Obj, int32_t Typ, int32_t Delta, int32_t Barva)
{
    return guard(0, [&] { return regions::fromPicture(Obj, Typ, Delta, Barva); });
}
int32_t Pixolf::RgnHulka(salon::Surface& Obj, int32_t Tolera, int32_t AgX, int32_t AgY)
{
    return guard(0, [&] { return regions::magicWand(Obj, Tolera, AgX, AgY); });
}
int32_t Pixolf::RgnAnalyzuj(int32_t& Hrgn, SingleArray& TpBodX, SingleArray& TpBodY, LongArray& TpPlg,
                            int32_t& PocetPlg, int32_t& PocetBodu)
{
    return guard(0, [&] { return regions::analyse(Hrgn, TpBodX, TpBodY, TpPlg, PocetPlg, PocetBodu); });
}
int32_t Pixolf::RgnSSetRgn(const SingleArray& TpBodX, const SingleArray& TpBodY, const LongArray& TpPlg,
                           int32_t PocetPlg, int32_t PocetBodu)
{
    return guard(0, [&] {
        SingleArray xs = TpBodX, ys = TpBodY;  // Set changes nothing; the transform works on copies
        return regions::transformShape(ShapeOp::Set, nullptr, xs, ys, TpPlg, PocetPlg, PocetBodu, {});
    });
}
int32_t Pixolf::RgnSOffset(int32_t& Hrgn, SingleArray& TpBodX, SingleArray& TpBodY, const LongArray& TpPlg,
                           int32_t PocetPlg, int32_t PocetBodu, float X, float Y)
{
    return guard(0, [&] {
        return regions::transformShape(ShapeOp::Offset, &Hrgn, TpBodX, TpBodY, TpPlg, PocetPlg, PocetBodu,
                                       ShapeParams{.x = X, .y = Y});
    });
}
int32_t Pixolf::RgnSScale(int32_t& Hrgn, SingleArray& TpBodX, SingleArray& TpBodY, const LongArray& TpPlg,
                          int32_t PocetPlg, int32_t PocetBodu, float DpX, float DpY)
{
    return guard(0, [&] {
        return regions::transformShape(ShapeOp::Scale, &Hrgn, TpBodX, TpBodY, TpPlg, PocetPlg, PocetBodu,
                                       ShapeParams{.x = DpX, .y = DpY});
    });
}
int32_t Pixolf::RgnSFlip(int32_t& Hrgn, SingleArray& TpBodX, SingleArray& TpBodY, const LongArray& TpPlg,
                         int32_t PocetPlg, int32_t PocetBodu, bool FlipX, bool FlipY, int32_t PrX, int32_t PrY)
{
    return guard(0, [&] {
        return regions::transformShape(ShapeOp::Flip, &Hrgn, TpBodX, TpBodY, TpPlg, PocetPlg, PocetBodu,
                                       ShapeParams{.flipX = FlipX, .flipY = FlipY, .prX = PrX, .prY = PrY});
    });
}
int32_t Pixolf::RgnS90R(int32_t& Hrgn, SingleArray& TpBodX, SingleArray& TpBodY, const LongArray& TpPlg,
                        int32_t PocetPlg, int32_t PocetBodu, int32_t PrX, int32_t PrY)
{
    return guard(0, [&] {
        return regions::transformShape(ShapeOp::Right, &Hrgn, TpBodX, TpBodY, TpPlg, PocetPlg, PocetBodu,
                                       ShapeParams{.prX = PrX, .prY = PrY});
    });
}
int32_t Pixolf::RgnS90L(int32_t& Hrgn, SingleArray& TpBodX, SingleArray& TpBodY, const LongArray& TpPlg,
                        int32_t PocetPlg, int32_t PocetBodu, int32_t PrX, int32_t PrY)
{
    return guard(0, [&] {
        return regions::transformShape(ShapeOp::Left, &Hrgn, TpBodX, TpBodY, TpPlg, PocetPlg, PocetBodu,
                                       ShapeParams{.prX = PrX, .prY = PrY});
    });
}
int32_t Pixolf::RgnSOtoc(int32_t& Hrgn, SingleArray& TpBodX, SingleArray& TpBodY, const LongArray& TpPlg,
                         int32_t PocetPlg, int32_t PocetBodu, float Uhel, float& CnX, float& CnY, bool Roh)
{
    return guard(0, [&] {
        return regions::transformShape(ShapeOp::Turn, &Hrgn, TpBodX, TpBodY, TpPlg, PocetPlg, PocetBodu,
                                       ShapeParams{.angle = Uhel, .cnX = &CnX, .cnY = &CnY, .corner = Roh});
    });
}
int32_t Pixolf::RgnSOtoc(int32_t& Hrgn, SingleArray& TpBodX, SingleArray& TpBodY, const LongArray& TpPlg,
                         int32_t PocetPlg, int32_t PocetBodu, float Uhel)
{
    float cnX = 0, cnY = 0;
    return RgnSOtoc(Hrgn, TpBodX, TpBodY, TpPlg, PocetPlg, PocetBodu, Uhel, cnX, cnY, true);
}
int32_t Pixolf::RgnSDeform(int32_t& Hrgn, SingleArray& TpBodX, SingleArray& TpBodY, const LongArray& TpPlg,
                           int32_t PocetPlg, int32_t PocetBodu, float t1, float t2, float t3, float t4, float q1,
                           float q2, int32_t ddx, int32_t ddy)
{
    return guard(0, [&] {
        return regions::transformShape(
            ShapeOp::Deform, &Hrgn, TpBodX, TpBodY, TpPlg, PocetPlg, PocetBodu,
            ShapeParams{.t1 = t1, .t2 = t2, .t3 = t3, .t4 = t4, .q1 = q1, .q2 = q2, .ddx = ddx, .ddy = ddy});
    });
}
int32_t Pixolf::RgnScale(int32_t& Hrgn, float DpX, float DpY, bool Novy)
{
    return guard(0, [&] { return regions::scaleRegion(Hrgn, DpX, DpY, Novy); });
}
int32_t Pixolf::RgnFlip(int32_t& Hrgn, bool FlipX, bool FlipY, bool Novy)
{
    return guard(0, [&] { return regions::flipRegion(Hrgn, FlipX, FlipY, Novy); });
}
int32_t Pixolf::RgnOmal(int32_t& Hrgn, int32_t& Hrgn1, float DpX, float DpY, LongArray& Qhr, int32_t& Cit,
                        LongArray& Poct1, LongArray& Poct2)
{
    return guard(0, [&] { return regions::splitParts(Hrgn, Hrgn1, DpX, DpY, Qhr, Cit, Poct1, Poct2); });
}
int32_t Pixolf::RgnLine(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2, int32_t dW)
{
    return guard(0, [&] { return regions::line(X1, Y1, X2, Y2, dW); });
}
int32_t Pixolf::RgnLineAdd(int32_t& Hrgn, int32_t X1, int32_t Y1, int32_t X2, int32_t Y2, int32_t dW)
{
    return guard(0, [&] { return regions::lineAdd(Hrgn, X1, Y1, X2, Y2, dW); });
}

int32_t Pixolf::SuTextRgn(const std::string& SText, int32_t CmX, int32_t CmY, bool TF1, bool TF2, bool TF3, bool TF4,
                          const std::string& TF5, int32_t TF6, int32_t TF7, int32_t TF8, int32_t& Hrgn)
{
    return guard(0, [&] {
        return regions::textRegion(SText, regions::TextStyle{CmX, CmY, TF1, TF2, TF3, TF4, TF5, TF6, TF7, TF8}, Hrgn);
    });
}
int32_t Pixolf::STLFrame(salon::Surface& Obj, int32_t& Hrgn, int32_t& Hrgn1, int32_t& Hrgn2, int32_t& Hrgn3)
{
    return guard(0, [&] { return regions::drawFrame(Obj, Hrgn, Hrgn1, Hrgn2, Hrgn3, FrameStyle::Plain); });
}
int32_t Pixolf::STLFrameUp(salon::Surface& Obj, int32_t& Hrgn, int32_t& Hrgn1, int32_t& Hrgn2, int32_t& Hrgn3)
{
    return guard(0, [&] { return regions::drawFrame(Obj, Hrgn, Hrgn1, Hrgn2, Hrgn3, FrameStyle::Raised); });
}
int32_t Pixolf::STLFrameDown(salon::Surface& Obj, int32_t& Hrgn, int32_t& Hrgn1, int32_t& Hrgn2, int32_t& Hrgn3)
{
    return guard(0, [&] { return regions::drawFrame(Obj, Hrgn, Hrgn1, Hrgn2, Hrgn3, FrameStyle::Sunken); });
}

} // namespace pixol
