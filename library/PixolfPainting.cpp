// The painting family: area transforms, drawing state, brush strokes, the point and colour
// utilities over pixel arrays, and the mouse-driven painting tools. Each method forwards to its
// module under the guard.
#include "library/Pixolf.h"

#include "library/frame/Guard.h"
#include "library/frame/LibraryState.h"
#include "library/imaging/AreaTransforms.h"
#include "library/imaging/BrushStrokes.h"
#include "library/imaging/DrawingState.h"
#include "library/imaging/Gradients.h"
#include "library/imaging/PaintTool.h"
#include "library/imaging/Panels.h"
#include "library/imaging/PrintFrame.h"
#include "library/imaging/LineClip.h"
#include "library/imaging/PointColours.h"
#include "library/imaging/Traces.h"
#include "library/imaging/Watermarks.h"

namespace pixol {

using detail::guard;

int32_t Pixolf::UaBodyScaleSPC(const ByteArray& Pole, const LongArray& Thx, const LongArray& Thy, LongArray& ThF, int32_t HBod)
{
    return guard<int32_t>(0, [&]() -> int32_t { return imaging::pointColours(Pole, Thx, Thy, ThF, HBod); });
}

int32_t Pixolf::UaBodySetSPC(salon::Surface& Obj, const LongArray& Thx, const LongArray& Thy, const LongArray& Thd, const LongArray& ThF, int32_t HBod, int32_t PJas)
{
    return guard<int32_t>(0, [&]() -> int32_t { return imaging::blendPoints(Obj, Thx, Thy, Thd, ThF, HBod, PJas); });
}

int32_t Pixolf::UaBodySetOBR(int32_t HdcO, int32_t BmX, int32_t BmY, const LongArray& Thx, const LongArray& Thy, const LongArray& Thd, const LongArray& ThF, int32_t HBod, int32_t PJas)
{
    return guard<int32_t>(0, [&]() -> int32_t {
        salon::Surface* target = state().deviceContexts.find(HdcO);
        if (!target || BmX < 1 || BmY < 1) return 0;
        salon::Surface& work = state().work[2];
        struct Shrink {
            ~Shrink() { state().shrinkWork(2); }
        } shrink;
        if (!work.setSize(BmX, BmY)) return 0;
        salon::bitBlt(work, 0, 0, BmX, BmY, *target, 0, 0, salon::RasterOp::SrcCopy);
        if (!imaging::blendPoints(work, Thx, Thy, Thd, ThF, HBod, PJas)) return 0;
        salon::bitBlt(*target, 0, 0, BmX, BmY, work, 0, 0, salon::RasterOp::SrcCopy);
        return 1;
    });
}

int32_t Pixolf::UaObrCernaP(salon::Surface& Obj)
{
    return guard<int32_t>(0, [&]() -> int32_t { return imaging::liftBlacks(Obj); });
}

int32_t Pixolf::UaObrCernaT(salon::Surface& Obj)
{
    return guard<int32_t>(0, [&]() -> int32_t { return imaging::hasNearBlack(Obj); });
}

Picture Pixolf::UaPicMask(int32_t Hrgn, int32_t BmX, int32_t BmY, uint8_t Typ)
{
    return guard<Picture>(nullptr, [&]() -> Picture { return imaging::regionMask(Hrgn, BmX, BmY, Typ != 0); });
}

int32_t Pixolf::SuTransPoleBS(int32_t BmX, int32_t BmY, int32_t NMin, int32_t NMax, const ByteArray& BPole, SingleArray& SPole, float NKor, float NStep)
{
    return guard<int32_t>(0, [&]() -> int32_t {
        return imaging::bytesToWeights(BmX, BmY, NMin, NMax, BPole, SPole, NKor, NStep);
    });
}

int32_t Pixolf::SuTransPoleBB(int32_t BmX, int32_t BmY, int32_t NMin, int32_t NMax, const ByteArray& BPole, ByteArray& CPole, int32_t NKor, int32_t NStep)
{
    return guard<int32_t>(0, [&]() -> int32_t {
        return imaging::bytesToBytes(BmX, BmY, NMin, NMax, BPole, CPole, NKor, NStep);
    });
}

int32_t Pixolf::PaZmenaA(int32_t Typ, ByteArray& Pole, int32_t PrX, int32_t PrY, int32_t& XLe, int32_t& YLe, int32_t& XSr, int32_t& YSr, int32_t Hrgn, int32_t& Data1, int32_t& Data2, int32_t& Data3, int32_t& Data4)
{
    return guard<int32_t>(0, [&]() -> int32_t {
        return area::filterA(Typ, Pole, PrX, PrY, {XLe, YLe, XSr, YSr}, Hrgn, {Data1, Data2, Data3, Data4},
                             state().random);
    });
}

int32_t Pixolf::PaZmenaA(int32_t Typ, ByteArray& Pole, int32_t PrX, int32_t PrY, int32_t& XLe, int32_t& YLe, int32_t& XSr, int32_t& YSr, int32_t Hrgn)
{
    int32_t d1 = 0, d2 = 0, d3 = 0, d4 = 0;
    return PaZmenaA(Typ, Pole, PrX, PrY, XLe, YLe, XSr, YSr, Hrgn, d1, d2, d3, d4);
}

int32_t Pixolf::PaZmenaG(int32_t Typ, ByteArray& Pole, int32_t PrX, int32_t PrY, LongArray& KoBR, LongArray& KoBG, LongArray& KoBB, int32_t& XLe, int32_t& YLe, int32_t& XSr, int32_t& YSr, int32_t Hrgn, int32_t Data1)
{
    return guard<int32_t>(0, [&]() -> int32_t {
        return area::filterG(Typ, Pole, PrX, PrY, KoBR, KoBG, KoBB, {XLe, YLe, XSr, YSr}, Hrgn, Data1,
                             state().settings.colourDepth);
    });
}

int32_t Pixolf::PaZmenaB(int32_t Typ, ByteArray& Pole1, const ByteArray& Pole2, int32_t PrX1, int32_t PrY1, int32_t PrX2, int32_t PrY2, int32_t OfX, int32_t OfY, int32_t& XLe, int32_t& YLe, int32_t& XSr, int32_t& YSr, int32_t Hrgn, int32_t Data1, int32_t Data2, int32_t Data3, int32_t Data4, int32_t Data5)
{
    return guard<int32_t>(0, [&]() -> int32_t {
        const area::BlendInput in{Pole1, PrX1, PrY1, Pole2, PrX2, PrY2, nullptr, 0, 0, nullptr, nullptr, OfX, OfY};
        return area::blendB(Typ, in, {XLe, YLe, XSr, YSr}, Hrgn, Data1, Data2, Data3, Data4, Data5,
                            state().random);
    });
}

int32_t Pixolf::PaZmenaC(int32_t Typ, ByteArray& Pole1, const ByteArray& Pole2, const ByteArray& Pole3, int32_t PrX1, int32_t PrY1, int32_t PrX2, int32_t PrY2, int32_t PrX3, int32_t PrY3, int32_t OfX, int32_t OfY, int32_t& XLe, int32_t& YLe, int32_t& XSr, int32_t& YSr, int32_t Hrgn, int32_t Data1, int32_t Data2, int32_t Data3, int32_t Data4)
{
    return guard<int32_t>(0, [&]() -> int32_t {
        const area::BlendInput in{Pole1, PrX1, PrY1, Pole2, PrX2, PrY2, &Pole3, PrX3, PrY3, nullptr, nullptr, OfX, OfY};
        return area::blendC(Typ, in, {XLe, YLe, XSr, YSr}, Hrgn, Data1, Data2, Data3);
    });
}

int32_t Pixolf::PaZmenaD(int32_t Typ, ByteArray& Pole1, const ByteArray& Pole2, const ByteArray& ByPo, int32_t PrX1, int32_t PrY1, int32_t PrX2, int32_t PrY2, int32_t OfX, int32_t OfY, int32_t& XLe, int32_t& YLe, int32_t& XSr, int32_t& YSr, int32_t Hrgn, int32_t Data1, int32_t Data2, int32_t Data3, int32_t Data4)
{
    return guard<int32_t>(0, [&]() -> int32_t {
        const area::BlendInput in{Pole1, PrX1, PrY1, Pole2, PrX2, PrY2, nullptr, 0, 0, &ByPo, nullptr, OfX, OfY};
        return area::blendD(Typ, in, {XLe, YLe, XSr, YSr}, Hrgn, Data1, Data2, Data3);
    });
}

int32_t Pixolf::PaZmenaE(int32_t Typ, ByteArray& Pole1, const ByteArray& Pole2, const ByteArray& Pole3, const ByteArray& ByPo, int32_t PrX1, int32_t PrY1, int32_t PrX2, int32_t PrY2, int32_t PrX3, int32_t PrY3, int32_t OfX, int32_t OfY, int32_t& XLe, int32_t& YLe, int32_t& XSr, int32_t& YSr, int32_t Hrgn, int32_t Data1, int32_t Data2, int32_t Data3, int32_t Data4)
{
    return guard<int32_t>(0, [&]() -> int32_t {
        const area::BlendInput in{Pole1, PrX1, PrY1, Pole2, PrX2, PrY2, &Pole3, PrX3, PrY3, &ByPo, nullptr, OfX, OfY};
        return area::blendE(Typ, in, {XLe, YLe, XSr, YSr}, Hrgn, Data1, Data2, Data3);
    });
}

int32_t Pixolf::PaZmenaF(ByteArray& Pole1, const ByteArray& Pole2, const ByteArray& Pole3, const ByteArray& ByPo1, const ByteArray& ByPo2, int32_t PrX1, int32_t PrY1, int32_t PrX2, int32_t PrY2, int32_t PrX3, int32_t PrY3, int32_t OfX, int32_t OfY, int32_t& XLe, int32_t& YLe, int32_t& XSr, int32_t& YSr, int32_t Hrgn, int32_t Data1, int32_t Data2)
{
    return guard<int32_t>(0, [&]() -> int32_t {
        const area::BlendInput in{Pole1, PrX1, PrY1, Pole2, PrX2, PrY2, &Pole3, PrX3, PrY3, &ByPo1, &ByPo2, OfX, OfY};
        return area::blendF(in, {XLe, YLe, XSr, YSr}, Hrgn, Data1, Data2);
    });
}

int32_t Pixolf::SObrMode(salon::Surface& Obj, int32_t BcColor, int32_t FrColor, int32_t FilColor, int32_t FilStyle, int32_t DwMod, int32_t DwStyle, int32_t DwWidth, int32_t StchMode)
{
    return guard<int32_t>(0, [&]() -> int32_t {
        drawing::apply(Obj, {BcColor, FrColor, FilColor, FilStyle, DwMod, DwStyle, DwWidth, StchMode});
        return 1;
    });
}

int32_t Pixolf::SluzObrMode(int32_t Cis, int32_t BcColor, int32_t FrColor, int32_t FilColor, int32_t FilStyle, int32_t DwMod, int32_t DwStyle, int32_t DwWidth, int32_t StchMode)
{
    return guard<int32_t>(0, [&]() -> int32_t {
        if (Cis < 0 || Cis > 2) return 0;
        drawing::apply(state().work[size_t(Cis)],
                       {BcColor, FrColor, FilColor, FilStyle, DwMod, DwStyle, DwWidth, StchMode});
        return 1;
    });
}

int32_t Pixolf::ObjBrushSet(salon::Surface& Obj, int32_t Typ, int32_t XColor)
{
    return guard<int32_t>(0, [&]() -> int32_t { return drawing::selectBrush(Obj, Typ, XColor); });
}

int32_t Pixolf::objectBrush(const salon::Surface& Obj) const
{
    return guard<int32_t>(0, [&]() -> int32_t { return drawing::selectedBrush(Obj); });
}

int32_t Pixolf::PsObjCursor(salon::Surface& Obj, int32_t MsTyp0)
{
    return guard<int32_t>(0, [&]() -> int32_t { return drawing::setPointer(Obj, MsTyp0); });
}

int32_t Pixolf::objectPointer(const salon::Surface& Obj, int32_t& cursor) const
{
    return guard<int32_t>(0, [&]() -> int32_t {
        const auto& m = state().objectDrawing;
        const auto it = m.find(&Obj);
        cursor = it == m.end() ? 0 : it->second.cursor;
        return it == m.end() ? 0 : it->second.pointer;
    });
}

int32_t Pixolf::PsKapatko(salon::Surface& Obj, float Xa, float Ya, uint8_t Polomer)
{
    return guard<int32_t>(-1, [&]() -> int32_t { return drawing::dropper(Obj, Xa, Ya, Polomer); });
}

int32_t Pixolf::PsMalBod(salon::Surface& Obj, int32_t BmX, int32_t BmY, ByteArray& Pole, int32_t Typ, int32_t Sila, float Pruhl, int32_t Barva, int32_t Xz, int32_t Yz, int32_t Xk, int32_t Yk, int32_t& XLe, int32_t& YLe, int32_t& DxS, int32_t& DyS, float Rozptyl)
{
    return guard<int32_t>(0, [&]() -> int32_t {
        return strokes::malBod(Obj, BmX, BmY, Pole, Typ, Sila, Pruhl, Barva, Xz, Yz, Xk, Yk, {XLe, YLe, DxS, DyS},
                               Rozptyl, state().random);
    });
}

int32_t Pixolf::PsRazitko(salon::Surface& Obj1, const salon::Surface& Obj2, int32_t BmX, int32_t BmY, int32_t BmX1, int32_t BmY1, ByteArray& Pole, int32_t Typ, int32_t Sila, float Pruhl, int32_t dX, int32_t dY, int32_t Xz, int32_t Yz, int32_t Xk, int32_t Yk, int32_t& XLe, int32_t& YLe, int32_t& DxS, int32_t& DyS, float Rozptyl)
{
    return guard<int32_t>(0, [&]() -> int32_t {
        return strokes::razitko(Obj1, Obj2, BmX, BmY, BmX1, BmY1, Pole, Typ, Sila, Pruhl, dX, dY, Xz, Yz, Xk, Yk,
                                {XLe, YLe, DxS, DyS}, Rozptyl, state().random);
    });
}

int32_t Pixolf::PsMaluj(salon::Surface& Obj, int32_t MouseStat, uint8_t Typ, int16_t Button, int16_t Shift, float Mx, float My, LongArray& AXY, int32_t& Pocet, int32_t SiStop, int32_t& FillRgnStat, int32_t& FillRgn, int32_t& MsTyp)
{
    return guard<int32_t>(0, [&]() -> int32_t {
        return painttool::maluj(Obj, {MouseStat, Typ, Button, Shift, Mx, My, SiStop}, AXY, Pocet,
                                {&FillRgnStat, &FillRgn}, MsTyp);
    });
}

int32_t Pixolf::PsMaluj(salon::Surface& Obj, int32_t MouseStat, uint8_t Typ, int16_t Button, int16_t Shift, float Mx, float My, LongArray& AXY, int32_t& Pocet, int32_t SiStop)
{
    int32_t stat = 0, region = 0, pointer = 0;
    return PsMaluj(Obj, MouseStat, Typ, Button, Shift, Mx, My, AXY, Pocet, SiStop, stat, region, pointer);
}

int32_t Pixolf::PsStopaStat(salon::Surface& ObjDst, const salon::Surface& ObjSrc, int32_t MouseStat, int16_t Button, int16_t Shift, float Mx, float My, const LongArray& StpD)
{
    return guard<int32_t>(0, [&]() -> int32_t {
        return traces::paintStatic(ObjDst, ObjSrc, {MouseStat, Button, Shift, Mx, My}, StpD);
    });
}

int32_t Pixolf::PsStopaDyn(salon::Surface& ObjDst, const salon::Surface& ObjSrc, int32_t MouseStat, int16_t Button, int16_t Shift, float Mx, float My, LongArray& AXY, int32_t& Pocet, const LongArray& StpD)
{
    return guard<int32_t>(0, [&]() -> int32_t {
        return traces::paintDynamic(ObjDst, ObjSrc, {MouseStat, Button, Shift, Mx, My}, AXY, Pocet, StpD);
    });
}

int32_t Pixolf::PsStopaColor(int32_t Typ, int32_t NewColor, LongArray& StpD)
{
    return guard<int32_t>(0, [&]() -> int32_t { return traces::setColours(Typ, NewColor, StpD); });
}

int32_t Pixolf::PsVoda(int32_t Hrgn, const LongArray& JData, ByteArray& BPole)
{
    return guard<int32_t>(0, [&]() -> int32_t { return watermarks::markRegion(Hrgn, JData, BPole); });
}

int32_t Pixolf::PsVodaObj(salon::Surface& Obj, const ByteArray& BPole, const LongArray& JData, int32_t& Hrgn)
{
    return guard<int32_t>(0, [&]() -> int32_t { return watermarks::markObject(Obj, BPole, JData, Hrgn); });
}

int32_t Pixolf::PsVodaObj(salon::Surface& Obj, const ByteArray& BPole, const LongArray& JData)
{
    int32_t none = 0;
    return PsVodaObj(Obj, BPole, JData, none);
}

int32_t Pixolf::PsZmenaObj(ByteArray& PoleA, const ByteArray& PoleB, const ByteArray& PoleC, const LongArray& JData, const ByteArray& BPole)
{
    return guard<int32_t>(0, [&]() -> int32_t { return watermarks::blendThree(PoleA, PoleB, PoleC, JData, BPole); });
}

int32_t Pixolf::PsObrPanel(const LongArray& A, LongArray& B)
{
    return guard<int32_t>(0, [&]() -> int32_t { return panels::layout(A, B); });
}

int32_t Pixolf::PsObrPanelSet(int32_t Typ, LongArray& HsD)
{
    return guard<int32_t>(0, [&]() -> int32_t { return panels::prepare(Typ, HsD); });
}

int32_t Pixolf::PsPrintRamecek(salon::Surface& Obj, int32_t Typ, int16_t Shift, int32_t& aX1, int32_t& aY1, int32_t& aX2, int32_t& aY2, int32_t& aX3, int32_t& aY3, int32_t& aX4, int32_t& aY4, float& Uhel, int32_t& MsTyp0, int32_t& MsTyp1, int32_t& MsTyp2, int32_t& MsTyp3, int32_t& MsTyp4, int32_t& MsTyp5, int32_t& MsTyp6)
{
    return guard<int32_t>(0, [&]() -> int32_t {
        printframe::Frame f;
        f.x = {aX1, aX2, aX3, aX4};
        f.y = {aY1, aY2, aY3, aY4};
        f.angle = Uhel;
        if (!printframe::run(Obj, Typ, Shift, f)) return 0;
        aX1 = f.x[0], aX2 = f.x[1], aX3 = f.x[2], aX4 = f.x[3];
        aY1 = f.y[0], aY2 = f.y[1], aY3 = f.y[2], aY4 = f.y[3];
        MsTyp0 = f.pointers[0], MsTyp1 = f.pointers[1], MsTyp2 = f.pointers[2], MsTyp3 = f.pointers[3];
        MsTyp4 = f.pointers[4], MsTyp5 = f.pointers[5], MsTyp6 = f.pointers[6];
        return 1;
    });
}

int32_t Pixolf::PsPrintRamecek(salon::Surface& Obj, int32_t Typ, int16_t Shift)
{
    return guard<int32_t>(0, [&]() -> int32_t {
        // Without the caller's corners: the frame set up afresh (angle 0), then the asked step.
        printframe::Frame f;
        if (!printframe::run(Obj, 1, Shift, f)) return 0;
        return Typ == 1 ? 1 : printframe::run(Obj, Typ, Shift, f);
    });
}

int32_t Pixolf::PsGra(salon::Surface& Obj1, uint8_t Typ1, uint8_t Typ2, uint8_t Typ3, uint8_t Typ4, uint8_t Typ5, uint8_t Krok, int32_t XmZ, int32_t YmZ, int32_t XmK, int32_t YmK, int32_t XRgn, int32_t XColor, int32_t NPlus, int32_t NMinus, salon::Surface* Obj2)
{
    return guard<int32_t>(0, [&]() -> int32_t {
        return gradients::paint(Obj1, {Typ1, Typ2, Typ3, Typ4, Typ5, Krok, XmZ, YmZ, XmK, YmK, XRgn, XColor, NPlus,
                                       NMinus},
                                Obj2);
    });
}

int32_t Pixolf::SuGra(uint8_t Typ, int32_t BmX, int32_t BmY, float BrSg, SingleArray& SPole, int32_t XmZ, int32_t YmZ, int32_t XmK, int32_t YmK)
{
    return guard<int32_t>(0, [&]() -> int32_t {
        return gradients::weights(Typ, BmX, BmY, BrSg, SPole, XmZ, YmZ, XmK, YmK);
    });
}

int32_t Pixolf::SuLinePlocha(int32_t XLt, int32_t YLt, int32_t XRb, int32_t YRb, int32_t Lx1, int32_t Ly1, int32_t Lx2, int32_t Ly2, int32_t& Kx1, int32_t& Ky1, int32_t& Kx2, int32_t& Ky2)
{
    return guard<int32_t>(0, [&]() -> int32_t {
        imaging::ClippedLine c;
        if (!imaging::clipLineToRect(XLt, YLt, XRb, YRb, Lx1, Ly1, Lx2, Ly2, c)) return 0;
        Kx1 = c.x1, Ky1 = c.y1, Kx2 = c.x2, Ky2 = c.y2;
        return 1;
    });
}

int32_t Pixolf::SuLinePlochaC(int32_t XLt, int32_t YLt, int32_t XRb, int32_t YRb, int32_t Lx1, int32_t Ly1, int32_t Lx2, int32_t Ly2, int32_t& Kx1, int32_t& Ky1, int32_t& Kx2, int32_t& Ky2, float& Uhla)
{
    return guard<int32_t>(0, [&]() -> int32_t {
        imaging::ClippedLine c;
        if (!imaging::clipLineToRect(XLt, YLt, XRb, YRb, Lx1, Ly1, Lx2, Ly2, c)) return 0;
        Kx1 = c.x1, Ky1 = c.y1, Kx2 = c.x2, Ky2 = c.y2;
        Uhla = imaging::lineDirection(c.x1, c.y1, c.x2, c.y2) * 180.0f / 3.141592654f;
        return 1;
    });
}

} // namespace pixol
