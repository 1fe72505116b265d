// The library object, its properties, settings and texts, file types, model files, region handles
// and the small utilities: each method forwards to its module under the guard.
#include "library/Pixolf.h"

#include "library/formats/ModelFileApi.h"
#include "library/frame/FileTypes.h"
#include "library/frame/Guard.h"
#include "library/frame/LibraryState.h"
#include "library/frame/Resources.h"
#include "library/frame/Settings.h"
#include "library/frame/SystemData.h"
#include "library/frame/SystemInfo.h"
#include "library/frame/TextUtilities.h"
#include "library/imaging/Angles.h"
#include "library/imaging/LibraryCursors.h"
#include "library/imaging/PictureBasics.h"
#include "library/imaging/Rectangles.h"

#include <cctype>

namespace pixol {

using detail::guard;

namespace {

// Questions and dialogs of the library go to the program's Ui; without one they are cancelled.
class NoUi final : public salon::Ui {
public:
    salon::MsgAnswer message(const salon::MessageRequest&) override { return salon::MsgAnswer::No; }
    std::optional<salon::FileDialogAnswer> chooseFile(const salon::FileDialogRequest&) override { return {}; }
    std::optional<uint32_t> chooseColour(uint32_t) override { return {}; }
    std::optional<salon::FontChoice> chooseFont(const salon::FontChoice&) override { return {}; }
    bool hasPrinter() override { return false; }
    std::unique_ptr<salon::PrintJob> startPrint(const salon::PrintRequest&) override { return {}; }
    void setCursor(salon::Cursor) override {}
    void processEvents() override {}
};

salon::Ui& libraryUi()
{
    static NoUi none;
    return state().ui ? *state().ui : none;
}

} // namespace

Pixolf::Pixolf()
{
    LibraryState& s = state();
    s.fileTypes = buildFileTypeTable();
    s.lineEnd = "\r\n";
    // The brushes exist from the start, so painting works before (or without) SuSettingsP.
    if (s.brushSet[1] == 0) fillBrushSet(s);
}

void Pixolf::useUi(salon::Ui* ui) { state().ui = ui; }
int32_t Pixolf::deviceContext(salon::Surface& surface)
{
    return guard(0, [&] { return state().deviceContexts.add(surface); });
}
void Pixolf::releaseDeviceContext(int32_t number) { state().deviceContexts.remove(number); }
int32_t Pixolf::releaseBrush(int32_t brush)
{
    return guard(0, [&] { return state().brushes.remove(brush) ? 1 : 0; });
}
void Pixolf::seedRandom(uint32_t seed) { state().random.seed(seed); }
int32_t Pixolf::regionCount() const { return int32_t(state().regions.size()); }

int32_t Pixolf::SuJazyk() const { return state().settings.language; }
std::string Pixolf::SuDirApp() const { return state().settings.appDir; }
int32_t Pixolf::SuMem1() const { return state().settings.memory[0]; }
int32_t Pixolf::SuMem2() const { return state().settings.memory[1]; }
int32_t Pixolf::SuMem3() const { return state().settings.memory[2]; }
int32_t Pixolf::SuMem4() const { return state().settings.memory[3]; }
int32_t Pixolf::SuScBarva() const { return state().settings.colourDepth; }
uint8_t Pixolf::SuSettings() const { return state().settings.state; }
int32_t Pixolf::SuScTPX() const { return state().settings.twipsPerPixelX; }
int32_t Pixolf::SuScTPY() const { return state().settings.twipsPerPixelY; }
int32_t Pixolf::SuScWidth() const { return state().settings.screenWidth; }
int32_t Pixolf::SuScHeight() const { return state().settings.screenHeight; }
std::string Pixolf::SuDirTmp() const { return state().settings.tempDir; }
std::string Pixolf::SuDirSys() const { return state().settings.systemDir; }
std::string Pixolf::SuDirWin() const { return state().settings.windowsDir; }
std::string Pixolf::SuSlovoSys() const { return state().settings.textFilePath; }
int32_t Pixolf::SuCode() const { return state().settings.codePage; }

void Pixolf::useScreenSize(int32_t width, int32_t height) { setScreenSize(width, height); }

int32_t Pixolf::SuSettingsP(int32_t vSuJazyk, const std::string& vSuDirApp)
{
    return guard(0, [&] { return loadSettings(state(), vSuJazyk, vSuDirApp); });
}

std::string Pixolf::StSTX(int32_t CsTx)
{
    return guard(std::string(), [&] { return libraryText(state(), CsTx); });
}

int32_t Pixolf::SysData1(int32_t Zadej)
{
    return guard(0, [&] {
        auto [w, h] = screenSize();
        return systemMetric(Zadej, w, h);
    });
}

int32_t Pixolf::SysData2(LongArray& CisDat, StringArray& StrDat)
{
    return guard(0, [&] {
        systemFigures(state(), CisDat, StrDat);
        return 1;
    });
}

int32_t Pixolf::SysData3(LongArray& CisDat, StringArray& StrDat)
{
    return guard(0, [&] { return driveList(CisDat, StrDat); });
}

std::string Pixolf::SysData4(const std::string& PrfJme, int32_t PrfCis)
{
    return guard(std::string(), [&] { return newTemporaryName(PrfJme, PrfCis); });
}

int32_t Pixolf::PsObrBrush(int32_t CBrush, int32_t Barva)
{
    return guard(0, [&] { return makeBrush(state(), CBrush, Barva); });
}

int32_t Pixolf::PsSysBrush(int32_t CBrush) { return guard(0, [&] { return stockBrush(CBrush); }); }

std::string Pixolf::SCisStr(float Cis, int32_t Poc)
{
    return guard(std::string(), [&] { return numberText(Cis, Poc); });
}

int32_t Pixolf::SCisSkup(int32_t Cislo, int32_t Pocet, std::string& StrCislo)
{
    return guard(0, [&] { return fixedDigits(Cislo, Pocet, StrCislo); });
}

int32_t Pixolf::TSKoder(std::string& Tva, int32_t Ag)
{
    return guard(0, [&] {
        scramble(Tva, Ag != 0);
        return 1;
    });
}

int32_t Pixolf::FsDefTyp(const std::string& FsExt, int32_t& FsTyp)
{
    return guard(0, [&] { return findFileType(state().fileTypes, FsExt, FsTyp); });
}

int32_t Pixolf::FsTypExt(int32_t FsTyp, int32_t& FsExTx, std::string& FsExt, std::string& FsExPi)
{
    return guard(0, [&] {
        FileTypeEntry e;
        int32_t found = fileTypeEntry(state().fileTypes, FsTyp, e);
        FsExTx = e.group;
        FsExt = e.extension;
        FsExPi = e.signature;
        return found;
    });
}

int32_t Pixolf::FsTypExt(int32_t FsTyp)
{
    int32_t group = 0;
    std::string ext, sig;
    return FsTypExt(FsTyp, group, ext, sig);
}

int32_t Pixolf::SuCtiDSL(const std::string& JmeSou, salon::ByteArray2D& BObr1, salon::ByteArray2D& BObr2,
                         salon::ByteArray2D& BTr1, salon::ByteArray2D& BTr2, salon::ByteArray2D& BTr3,
                         LongArray& BPlg1, LongArray& BPbX1, LongArray& BPbY1, LongArray& BPlg2, LongArray& BPbX2,
                         LongArray& BPbY2, std::string& JpObr, LongArray& BRgn, LongArray& BDData)
{
    return guard(0, [&] {
        return salon::SuCtiDSL(JmeSou, BObr1, BObr2, BTr1, BTr2, BTr3, BPlg1, BPbX1, BPbY1, BPlg2, BPbX2, BPbY2,
                               JpObr, BRgn, BDData);
    });
}

int32_t Pixolf::SuPisDSL(const std::string& JmeSou, const salon::ByteArray2D& BObr1,
                         const salon::ByteArray2D& BObr2, const salon::ByteArray2D& BTr1,
                         const salon::ByteArray2D& BTr2, const salon::ByteArray2D& BTr3, const LongArray& BPlg1,
                         const LongArray& BPbX1, const LongArray& BPbY1, const LongArray& BPlg2,
                         const LongArray& BPbX2, const LongArray& BPbY2, const std::string& JpObr,
                         const LongArray& BRgn, const LongArray& BDData, bool Dotaz)
{
    return guard(0, [&] {
        return salon::SuPisDSL(libraryUi(), JmeSou, BObr1, BObr2, BTr1, BTr2, BTr3, BPlg1, BPbX1, BPbY1, BPlg2,
                               BPbX2, BPbY2, JpObr, BRgn, BDData, Dotaz, StSTX(68));
    });
}

int32_t Pixolf::SUhelDegRdn(float& UhelDeg, float& UhelRdn, bool Typ)
{
    return guard(0, [&] {
        convertAngle(UhelDeg, UhelRdn, Typ);
        return 1;
    });
}

int32_t Pixolf::SUhelLine(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2, float& Dxy, float& UhelDeg, float& UhelRdn)
{
    return guard(0, [&] {
        lineDirection(X1, Y1, X2, Y2, Dxy, UhelDeg, UhelRdn);
        return 1;
    });
}

float Pixolf::SUhelSingle(float X1, float Y1, float X2, float Y2)
{
    return guard(0.0f, [&] { return directionOf(X1, Y1, X2, Y2); });
}

float Pixolf::SUhelSingleA(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2, int32_t X3, int32_t Y3)
{
    return guard(0.0f, [&] { return vertexAngle(X1, Y1, X2, Y2, X3, Y3); });
}

int32_t Pixolf::SUBarva(uint8_t& colorR, uint8_t& colorG, uint8_t& colorB, int32_t Barva)
{
    return guard(0, [&] { return colourBytes(Barva, colorR, colorG, colorB) ? 1 : 0; });
}

int32_t Pixolf::SuHexDeg(const std::string& HexData, int32_t& HexVal, uint8_t HTyp)
{
    return guard(0, [&] { return parseHex(HexData, HexVal, HTyp) ? 1 : 0; });
}

int32_t Pixolf::PsGetXY(salon::Surface& Obj, int32_t& BmX, int32_t& BmY)
{
    return guard(0, [&] { return pictureSize(Obj, BmX, BmY) ? 1 : 0; });
}

int32_t Pixolf::PsClsXY(salon::Surface& Obj, int32_t BmX, int32_t BmY)
{
    return guard(0, [&] { return clearToSize(Obj, BmX, BmY) ? 1 : 0; });
}

void Pixolf::PsObrPic(salon::Surface& Obj)
{
    guard(0, [&] {
        persist(Obj);
        return 1;
    });
}

int32_t Pixolf::SuRohyObd(int32_t& aX1, int32_t& aY1, int32_t& aX2, int32_t& aY2, float& Dxy)
{
    return guard(0, [&] { return orderCorners(aX1, aY1, aX2, aY2, Dxy); });
}

int32_t Pixolf::SuKorPlochy(float KdX, float KdY, int32_t& SdL, int32_t& SdT, int32_t& SdX, int32_t& SdY,
                            int32_t& NdL, int32_t& NdT, int32_t& NdX, int32_t& NdY)
{
    return guard(0, [&] {
        ScaledRect r{};
        int32_t result = scaleAboutCentre(KdX, KdY, SdL, SdT, SdX, SdY, r);
        if (result != 0) NdL = r.left, NdT = r.top, NdX = r.width, NdY = r.height;
        return result;
    });
}

Picture Pixolf::SuRscO(int32_t Ag1, int32_t Ag2)
{
    return guard(Picture(), [&] {
        // Kinds: 0 bitmap, 1 icon (the library carries none), 2 cursor.
        auto picture = std::make_unique<salon::Surface>();
        if (Ag2 == 0)
            if (auto bitmap = libraryBitmap(Ag1)) picture->setPicture(*bitmap, true);
        if (Ag2 == 2)
            if (auto cursor = cursors::find(Ag1)) picture->setPicture(cursors::overWhite(*cursor), true);
        return picture;
    });
}

int32_t Pixolf::TsRgn(int32_t& Hrgn)
{
    return guard(0, [&] {
        int32_t h = Hrgn;
        Hrgn = 0;
        return h != 0 && state().regions.remove(uint32_t(h)) ? 1 : 0;
    });
}

} // namespace pixol
