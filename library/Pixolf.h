#pragma once
// Pixol, the graphics library: one class, Pixolf, whose methods keep the names, parameter order and
// results of the library's interface. Each method forwards to a topic module:
//   library/frame/    the object, its state, texts, file types, system information, file services
//   library/formats/  file readers and writers
//   library/imaging/  regions, pixel arrays, transforms, area transforms, drawing state, strokes
//
// Conventions shared by every method:
// - Types: Long int32_t, Integer int16_t, Byte uint8_t, Single float, Boolean bool, String
//   std::string (UTF-8 in memory; files keep their 8-bit code page). A parameter the method may
//   change is a non-const reference; an optional one has a default argument.
// - Results are int32_t: 1 success, 0 failure, unless the comment says otherwise. No exception
//   leaves a method; a failure inside gives the method's failure value.
// - Colours are packed: red + 256 green + 65536 blue.
// - Picture objects are salon::Surface&; sizes are pixels, (0, 0) the top-left pixel.
// - Regions are handles of the calling thread's region table (0 = none), owned by whoever
//   receives them and deleted with TsRgn. Device contexts (HdcF, HdcO, ObjHdc) are numbers from
//   deviceContext().
// - Library state is one per thread, shared by all Pixolf objects of that thread.
// - Paths are the programs' Windows-style strings ("D:\orvella\post01.nlg"), resolved through the
//   drive table without regard to case; directories end in "\".
#include "platform/BoundedArray.h"
#include "platform/Surface.h"
#include "platform/Ui.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace pixol {

using LongArray = salon::BoundedArray<int32_t>;
using SingleArray = salon::BoundedArray<float>;
using StringArray = salon::BoundedArray<std::string>;
using ByteArray = salon::ByteArray;
using Picture = std::unique_ptr<salon::Surface>;  // a picture object the caller receives and owns

class Pixolf {
public:
    // Makes the thread's work surfaces and builds the file type table. Language 0, settings state 0,
    // directories and texts empty until SuSettingsP.
    Pixolf();

    // ---- C++ additions: what the platform's object model gave implicitly ----
    // Dialogs and questions go through this Ui (per thread). Without one, dialogs are cancelled
    // and questions answered "No".
    void useUi(salon::Ui* ui);
    // A device-context number for a picture object, for the methods that take one (HdcF, HdcO,
    // ObjHdc). The surface must outlive its number or be released first.
    int32_t deviceContext(salon::Surface& surface);
    void releaseDeviceContext(int32_t number);
    // Deletes a brush that PsObrBrush made (the platform's DeleteObject); stock brushes stay.
    int32_t releaseBrush(int32_t brush);
    // The screen size a program with a display knows (SuScWidth, SuScHeight, SysData1/2 use it).
    void useScreenSize(int32_t width, int32_t height);
    // Seeds the generator of the random colours and variants, so results can be repeated.
    void seedRandom(uint32_t seed);
    // How many regions the thread holds (a leak check for callers and tests).
    int32_t regionCount() const;

    // ---- Properties: the environment at the last SuSettingsP ----
    int32_t SuJazyk() const;          // language 1-999; 1 on the fallback text file; 0 without texts
    std::string SuDirApp() const;     // the caller's application directory, ending in "\"
    int32_t SuMem1() const;           // total swap + RAM bytes (the page file), saturated at 2^31 - 1
    int32_t SuMem2() const;           // total virtual address space bytes, saturated
    int32_t SuMem3() const;           // total physical bytes, saturated
    int32_t SuMem4() const;           // available physical bytes at SuSettingsP, saturated
    int32_t SuScBarva() const;        // colour depth: planes x bits per pixel (24 on Linux screens)
    uint8_t SuSettings() const;       // 0 not loaded, 1 fallback texts, 2 own texts, 3 no texts
    int32_t SuScTPX() const;          // twips per pixel, 15 (96 dpi)
    int32_t SuScTPY() const;
    int32_t SuScWidth() const;        // screen size in pixels (PIXOL_SCREEN="WxH", else 1024 x 768)
    int32_t SuScHeight() const;
    std::string SuDirTmp() const;     // $TMPDIR or /tmp, ending in "\"
    std::string SuDirSys() const;     // where the .STX files are: PIXOL_SYSDIR, else beside libpixol
    std::string SuDirWin() const;     // $HOME, ending in "\"
    std::string SuSlovoSys() const;   // the loaded .STX file, "" when none
    int32_t SuCode() const;           // OEM code page: 852 (Central European DOS) for the 1250 texts

    // ---- Settings, texts, system information, small text utilities ----
    // Loads the environment and the language's text file "Pixol" + 3 digits + ".STX" from SuDirSys,
    // falling back to Pixol001.STX, then to no texts (state 3, still success). 0 for a language
    // outside 1..999 or a damaged text file (state 0).
    int32_t SuSettingsP(int32_t vSuJazyk, const std::string& vSuDirApp);
    // Text CsTx (1..count) of the loaded file, read anew from the file; "" otherwise.
    std::string StSTX(int32_t CsTx);
    // A system metric (GetSystemMetrics index): screen size, border and caption sizes,
    // mouse buttons...; 0 for unknown indices.
    int32_t SysData1(int32_t Zadej);
    // 26 figures of the screen, processor, memory and system with their labels (texts 1-34).
    int32_t SysData2(LongArray& CisDat, StringArray& StrDat);
    // The drives of the drive table: letters in StrDat, types in CisDat; result their count.
    int32_t SysData3(LongArray& CisDat, StringArray& StrDat);
    // A new unique temporary file name (Windows-style) with a three-letter prefix ("Suv" when
    // empty); with PrfCis 0 the empty file is created.
    std::string SysData4(const std::string& PrfJme = "", int32_t PrfCis = 0);
    // A brush: 0 solid of Barva, 1-5 the library's pattern brushes; 0 when CBrush is out of range.
    // The caller owns it (releaseBrush).
    int32_t PsObrBrush(int32_t CBrush, int32_t Barva = 0);
    // A stock brush: 0 white, 1 light grey, 2 grey, 3 dark grey, 4 black, 5 null; 0 out of range.
    int32_t PsSysBrush(int32_t CBrush);
    // Cis rounded half to even to Poc (0..5) decimals, in the general number format.
    std::string SCisStr(float Cis, int32_t Poc);
    // Cislo as exactly Pocet digits: 1, or 0 (Pocet outside 1..9), -1 (negative), -2 (too long).
    int32_t SCisSkup(int32_t Cislo, int32_t Pocet, std::string& StrCislo);
    // Scrambles (Ag != 0) or unscrambles (Ag = 0) the bytes of Tva in place.
    int32_t TSKoder(std::string& Tva, int32_t Ag);

    // ---- File types ----
    // The type number of an extension (without the dot, any case); 1 when found.
    int32_t FsDefTyp(const std::string& FsExt, int32_t& FsTyp);
    // Group text number (91 + group), extension and signature of type 0..99; 1 in range.
    int32_t FsTypExt(int32_t FsTyp, int32_t& FsExTx, std::string& FsExt, std::string& FsExPi);
    int32_t FsTypExt(int32_t FsTyp);

    // ---- Model files ("JDSL") ----
    // Reads a model into the caller's arrays (bounds as the file gives them); 1 / 0.
    int32_t SuCtiDSL(const std::string& JmeSou, salon::ByteArray2D& BObr1, salon::ByteArray2D& BObr2,
                     salon::ByteArray2D& BTr1, salon::ByteArray2D& BTr2, salon::ByteArray2D& BTr3,
                     LongArray& BPlg1, LongArray& BPbX1, LongArray& BPbY1, LongArray& BPlg2, LongArray& BPbX2,
                     LongArray& BPbY2, std::string& JpObr, LongArray& BRgn, LongArray& BDData);
    // Writes them back beside the target and renames it over; Dotaz asks (text 68) first.
    int32_t SuPisDSL(const std::string& JmeSou, const salon::ByteArray2D& BObr1, const salon::ByteArray2D& BObr2,
                     const salon::ByteArray2D& BTr1, const salon::ByteArray2D& BTr2,
                     const salon::ByteArray2D& BTr3, const LongArray& BPlg1, const LongArray& BPbX1,
                     const LongArray& BPbY1, const LongArray& BPlg2, const LongArray& BPbX2, const LongArray& BPbY2,
                     const std::string& JpObr, const LongArray& BRgn, const LongArray& BDData, bool Dotaz = false);

    // ==== [files] Polygon picture files NLG / NSG and region data ====
    // A new region from the NLG file JmeSou (name ending in "NLG"), scaled from its reference size
    // to SrX x SrY (stored size when any is 0); 0 for a missing or damaged file.
    int32_t SuCtiNLG(const std::string& JmeSou, int32_t SrX = 0, int32_t SrY = 0);
    // Writes region Hrgn (not empty) with reference size SrX x SrY; Dotaz asks text 68 before
    // replacing a file. The old file stays whole unless the new one was written completely.
    int32_t SuPisNLG(const std::string& JmeSou, int32_t Hrgn, bool Dotaz = false, int32_t SrX = 0, int32_t SrY = 0);
    // The regions of the NSG file JmeSou into SadaHrgn(1..m) (0 for empty slots), scaled as SuCtiNLG.
    int32_t SuCtiNSG(const std::string& JmeSou, LongArray& SadaHrgn, int32_t SrX = 0, int32_t SrY = 0);
    // Writes the regions of SadaHrgn (lower to upper bound) as an NSG set; empty or invalid ones as zeros.
    int32_t SuPisNSG(const std::string& JmeSou, const LongArray& SadaHrgn, bool Dotaz = false, int32_t SrX = 0,
                     int32_t SrY = 0);
    // The region data of Hrgn into Hara(1..S/4); result S, 0 (Hara = (0)) for an empty or unknown region.
    int32_t RgnNactiData(int32_t Hrgn, LongArray& Hara);
    // A new region from DlRgn bytes of region data Bada mapped by x' = TM11 x + TM21 y + TeDx,
    // y' = TM12 x + TM22 y + TeDy (corners rounded half to even); 0 when the data is not a region's.
    int32_t RgnZapisData(const LongArray& Bada, int32_t DlRgn, float TeDx, float TeDy, float TM11, float TM12,
                         float TM21, float TM22);
    // ==== [files] end ====

    // ---- Reserved readers and writers ----
    // These kinds have a type number and a place in the interface but no record layout in this
    // version: every reader answers 0 ("nothing read") without opening anything, every writer
    // writes nothing and answers 0.
    int32_t SuCtiDSM(std::string& JmeSou);
    int32_t SuCtiDSN(std::string& JmeSou);
    int32_t SuCtiZXL(std::string& JmeSou);
    int32_t SuCtiZIR(std::string& JmeSou);
    int32_t SuCtiZBW(std::string& JmeSou);
    int32_t SuCtiJPF(std::string& JmeSou);
    int32_t SuCtiJPS(std::string& JmeSou);
    int32_t SuCtiWUA(std::string& JmeSou);
    int32_t SuCtiJPH(std::string& JmeSou);
    int32_t SuCtiTMF(std::string& JmeSou);
    int32_t SuCtiTMT(std::string& JmeSou);
    int32_t SuCtiPLG(std::string& JmeSou);
    int32_t SuCtiPSG(std::string& JmeSou);
    int32_t SuCtiPBG(std::string& JmeSou);
    int32_t SuCtiPCG(std::string& JmeSou);
    int32_t SuCtiZOW(std::string& JmeSou);
    int32_t SuCtiWXL(std::string& JmeSou);
    int32_t SuCtiWHM(std::string& JmeSou);
    int32_t SuCtiIRB(std::string& JmeSou);
    int32_t SuCtiWRB(std::string& JmeSou);
    int32_t SuCtiHBR(std::string& JmeSou);
    int32_t SuPisDSM(const std::string& JmeSou, bool Dotaz = false);
    int32_t SuPisDSN(const std::string& JmeSou, bool Dotaz = false);
    int32_t SuPisZXL(const std::string& JmeSou, bool Dotaz = false);
    int32_t SuPisZIR(const std::string& JmeSou, bool Dotaz = false);
    int32_t SuPisZBW(const std::string& JmeSou, bool Dotaz = false);
    int32_t SuPisJPF(const std::string& JmeSou, bool Dotaz = false);
    int32_t SuPisJPS(const std::string& JmeSou, bool Dotaz = false);
    int32_t SuPisWUA(const std::string& JmeSou, bool Dotaz = false);
    int32_t SuPisJPH(const std::string& JmeSou, bool Dotaz = false);
    int32_t SuPisTMF(const std::string& JmeSou, bool Dotaz = false);
    int32_t SuPisTMT(const std::string& JmeSou, bool Dotaz = false);
    int32_t SuPisPLG(const std::string& JmeSou, bool Dotaz = false);
    int32_t SuPisPSG(const std::string& JmeSou, bool Dotaz = false);
    int32_t SuPisPBG(const std::string& JmeSou, bool Dotaz = false);
    int32_t SuPisPCG(const std::string& JmeSou, bool Dotaz = false);
    // Preview readers: reserved the same way; 0, nothing changed.
    int32_t SuCtiNahled(salon::Surface& Obj, const std::string& ObName, int32_t CislName, int32_t ObTyp,
                        int32_t XMax, int32_t YMax);
    int32_t SuCtiCisNahled(salon::Surface& Obj, const std::string& ObName, int32_t CislName, int32_t CObr,
                           int32_t CMax, int32_t XMax, int32_t YMax, int32_t ObTyp);

    // ==== [pixels] Pixel arrays ====
    // Obj's picture into Pole (byte column 0..stride-1, row 0..H-1, blue-green-red); Typ 0 plain,
    // 1 keep the drawn image first, 2 reduce to 15/16-bit colours on such a display, 3 both.
    int32_t CreateObrPole(salon::Surface& Obj, int32_t& BmX, int32_t& BmY, ByteArray& Pole, int32_t Typ = 0);
    // As CreateObrPole, the colour reduction only inside region Hrgn (none: no pixel reduced).
    int32_t CreateObrPoleRgn(salon::Surface& Obj, int32_t& BmX, int32_t& BmY, ByteArray& Pole, int32_t Typ = 0,
                             int32_t Hrgn = 0);
    // Writes a BmX x BmY pixel array into Obj, resizing Obj first when its size differs.
    int32_t ObnovObrPole(salon::Surface& Obj, int32_t BmX, int32_t BmY, const ByteArray& Pole, int32_t Typ = 0);
    // PoleB := a copy of PoleA with PoleA's bounds (1 to 3 dimensions).
    int32_t PsPoleCopy(const ByteArray& PoleA, ByteArray& PoleB);
    // Elements (0..BmX-1, 0..BmY-1) of PSrc into the existing PDst; 0 when either lacks them.
    int32_t PsPoleBod(ByteArray& PDst, const ByteArray& PSrc, int32_t BmX, int32_t BmY);
    // A picture file held in Bafr (its bytes) becomes Obj's persistent picture; Obj takes its size.
    int32_t SuMemTmpObr(salon::Surface& Obj, const std::string& Bafr);
    // A picture file into a pixel array (with the 15/16-bit reduction).
    int32_t UaPoleLoad(const std::string& Name, int32_t& BmX, int32_t& BmY, ByteArray& Pole);
    // A picture file's bytes into a pixel array, decoded in memory.
    int32_t UaMemTmpPole(const std::string& Bafr, int32_t& BmX, int32_t& BmY, ByteArray& Pole);
    // The BmX x BmY window at (dX, dY) of device context HdcF (PrxC x PrYC) into a pixel array.
    int32_t UaLoadPoleScreen(int32_t HdcF, int32_t PrxC, int32_t PrYC, int32_t dX, int32_t dY, int32_t BmX,
                             int32_t BmY, ByteArray& Pole);
    // The same window into Obj, sized BmX x BmY.
    int32_t UaLoadObrScreen(int32_t HdcF, int32_t PrxC, int32_t PrYC, salon::Surface& Obj, int32_t dX, int32_t dY,
                            int32_t BmX, int32_t BmY);
    // ==== [pixels] end ====

    // ==== [painting] Point and colour utilities over pixel arrays ====
    // Point colour lists (Thx(i), Thy(i), i = 1..HBod) read from and blended into pictures.
    // ThF(1..HBod) := the packed colours of pixels (Thx(i), Thy(i)) of pixel array Pole (0 for a
    // point off the array). Result 0 when a list is shorter than HBod.
    int32_t UaBodyScaleSPC(const ByteArray& Pole, const LongArray& Thx, const LongArray& Thy, LongArray& ThF,
                           int32_t HBod);
    // Blends drawn colour Thd(i) over background ThF(i) by the drawn brightness against PJas and sets
    // the point's pixel of Obj; then keeps the image as the picture. 0 for PJas < 1 or short lists.
    int32_t UaBodySetSPC(salon::Surface& Obj, const LongArray& Thx, const LongArray& Thy, const LongArray& Thd,
                         const LongArray& ThF, int32_t HBod, int32_t PJas);
    // The same blend on the BmX x BmY picture of device context HdcO (through work surface 2).
    int32_t UaBodySetOBR(int32_t HdcO, int32_t BmX, int32_t BmY, const LongArray& Thx, const LongArray& Thy,
                         const LongArray& Thd, const LongArray& ThF, int32_t HBod, int32_t PJas);
    // Lifts every byte <= 239 of Obj to c - c \ 16 + 15, so no pure black remains; 1 / 0.
    int32_t UaObrCernaP(salon::Surface& Obj);
    // 2 when Obj has a pixel whose three bytes are all below 15, 1 when none, 0 on failure.
    int32_t UaObrCernaT(salon::Surface& Obj);
    // A BmX x BmY black picture with region Hrgn white (inverted when Typ != 0); null on failure.
    Picture UaPicMask(int32_t Hrgn, int32_t BmX, int32_t BmY, uint8_t Typ = 0);
    // Maps byte array BPole (x, y) to 0..1 floats by NKor + |NStep| (v - NMin) / (NMax - NMin)
    // ((NMax - v) for a negative NStep); SPole(x + BmX y) gets element (x, y). 0 when NMin = NMax.
    int32_t SuTransPoleBS(int32_t BmX, int32_t BmY, int32_t NMin, int32_t NMax, const ByteArray& BPole,
                          SingleArray& SPole, float NKor = 0.0f, float NStep = 1.0f);
    // The same scaled to 0..255 bytes into CPole (x, y), rounded half to even. 0 when NMin = NMax.
    int32_t SuTransPoleBB(int32_t BmX, int32_t BmY, int32_t NMin, int32_t NMax, const ByteArray& BPole,
                          ByteArray& CPole, int32_t NKor = 0, int32_t NStep = 1);
    // ==== [painting] end ====

    // ==== [files] File-system services and dialogs; picture contents file ====
    // 1 when a normal file (not a directory or hidden file) of exactly the name Jme exists;
    // wildcard patterns never exist.
    int32_t FsExist(const std::string& Jme);
    // Attribute bits (Atr2: read-only 1, hidden 2, directory 16, archive 32) of an existing entry;
    // Atr1 -1 for a directory, system or hidden one, else its read-only bit.
    int32_t FsControlAtrib(const std::string& Jme, int32_t& Atr1, int32_t& Atr2);
    // All entries of Jme's directory (up to its last "") in name order into FsDJme / FsDAttr (1..FsDPoc).
    int32_t FsDirFun(const std::string& Jme, std::string& FsDCesta, int32_t& FsDPoc, LongArray& FsDAttr,
                     StringArray& FsDJme);
    // Splits a path into typed components (1 drive, 2 directory, 3 base name, 4 extension, 5 share
    // drive, 6 computer); FsPJme counts them, FsMCis the base name's final digits, FsPCis their value.
    int32_t FsCesta(const std::string& Jme, StringArray& FsCJme, LongArray& FsTJme, int32_t& FsPJme,
                    int32_t& FsPCis, int32_t& FsMCis);
    // The joined form of a path component of type Tb ("" for an unknown type).
    std::string SJmeSkup(const std::string& Ta, int32_t Tb);
    // The next name of a numbered series (DTyp 0: number + DCis, else DCis): status 1, 0 bad path,
    // -1 no number, -2 over 9 digits, -3 negative, -4 too many digits.
    int32_t FsNovJm(const std::string& Jme, std::string& NovJme, int32_t DCis, int32_t DTyp, int32_t& NCis);
    // The files of Jme's numbered series (FsVTyp 1: same digit count) with their numbers, in name order.
    int32_t FsSkupina(const std::string& Jme, uint8_t FsVTyp, std::string& FsDCesta, int32_t& FsDPoc,
                      LongArray& FsDAttr, LongArray& FsDNum, StringArray& FsDJme);
    // The drive type of Disk's drive (0 unknown); VTyp whether it fits the class DTyp (0-5).
    int32_t SysCmDZ(const std::string& Disk, int32_t DTyp, bool& VTyp);
    int32_t SysCmDZ(const std::string& Disk, int32_t DTyp = 0);
    // 1 when NDir's directory exists, or was made level by level after a Yes to texts 107 / 108.
    int32_t SysFsDir(const std::string& NDir);
    // Appends the full paths (""-terminated) of every directory named YDir on every drive.
    int32_t SysFnDir(const std::string& YDir, StringArray& NDir, int32_t& NPoc);
    // Appends the full paths of every file matching the pattern YSou on every drive.
    int32_t SysFnSou(const std::string& YSou, StringArray& NSou, int32_t& NPoc);
    // Counts of a drive fitting DTyp into DiskVal(1..6): directories, files, bytes, and the same
    // outside "RECYCLED"; bytes saturate at 2^31 - 1.
    int32_t SysCtDisk(const std::string& Disk, LongArray& DiskVal, int32_t DTyp = 0);
    // As SysCtDisk, with per directory (root first) its path, attributes, bytes of its own files,
    // modification time (Unix seconds) and own name (DisDir).
    int32_t SysCtiDisk(const std::string& Disk, StringArray& CisDir, StringArray& DisDir, LongArray& AttDir,
                       LongArray& LofDir, LongArray& CtmDir, LongArray& DiskVal, int32_t DTyp = 0);
    // The open / save dialog of mode FsTyp (0-7) in FsDir with the filters of FsTypSou; JmeOpen(1..)
    // the chosen paths. 1 when a file was chosen and no follow-up question was answered No.
    int32_t FsOpenSou(uint8_t FsTyp, const std::string& FsDir, const std::string& FsTypSou, StringArray& JmeOpen,
                      const std::string& FsTitle = "");
    // The colour dialog (Ag1 0 full, 2 full and fixed, 3 never full); the colour, -1 on cancel.
    int32_t SysDgColor(int32_t Ag1, int32_t Ag2 = -1);
    // The font dialog (sizes 8-100, existing fonts; flags Ag1-Ag5 and SyFlag combined): bold,
    // italic, strikeout, underline, name, size, colour, weight.
    int32_t SysDgFont(bool& TF1, bool& TF2, bool& TF3, bool& TF4, std::string& TF5, int32_t& TF6, int32_t& TF7,
                      int32_t& TF8, int32_t Ag1, int32_t Ag2, int32_t Ag3, int32_t Ag4, int32_t Ag5,
                      int32_t SyFlag = 0);
    // The print dialog (1 copy, pages 1-1 within 1-10; flags Ag1, Ag2, SyFlag): copies, first and last page.
    int32_t SysDgPrint(int32_t& TF1, int32_t& TF2, int32_t& TF3, int32_t Ag1, int32_t Ag2, int32_t SyFlag = 0);
    // Deletes the library's scratch temporary file (made by SuSettingsP) when it exists.
    void SyTmpDel();
    // Picture CObr of the contents file ObName onto Obj (ObTyp 0 as its picture, 1 centred in the
    // cell size, 2 centred or cropped in XMax x YMax, on white); returns the header's cell size,
    // count, title and short name. CObr outside 1..CMax draws nothing.
    int32_t SuCtiObsah(salon::Surface& Obj, const std::string& ObName, int32_t CObr, int32_t& XMax, int32_t& YMax,
                       int32_t& CMax, std::string& SiText, std::string& SiName, uint8_t ObTyp = 0);
    // ==== [files] end ====

    // ---- Region handles ----
    // The validity test: Typ 0 releases an invalid or empty region (Hrgn = 0, result 0); Typ 1
    // releases only an invalid one and answers -1 for an empty one; 1 for a region; other Typ 1.
    int32_t RgnTestuj(int32_t& Hrgn, int32_t Typ = 0);
    // Deletes region Hrgn; 1 when it named one. Hrgn becomes 0 either way.
    int32_t TsRgn(int32_t& Hrgn);

    // ==== [regions] Region toolkit ====
    // Regions returned are new handles the caller owns (0 = failure or nothing). With Novy False a
    // method releases Hrgn and stores its result there. Methods that test their input "type 0"
    // release an empty or invalid Hrgn and set it to 0.
    // Typ 1-5: intersection, union, exclusive or, Hrgn1 minus Hrgn2, Hrgn2 minus Hrgn1; 6-10 the same
    // and Hrgn1 released and replaced by the result; 11-15 also Hrgn2 released and set to 0 (the
    // same region in both is released once). Empty inputs and results are allowed.
    int32_t RgnCombine(int32_t& Hrgn1, int32_t& Hrgn2, int32_t Typ);
    // A copy (an empty region gives an empty copy).
    int32_t RgnKopiruj(int32_t& Hrgn);
    // A copy moved by (X, Y).
    int32_t RgnPosuvXY(int32_t& Hrgn, int32_t X, int32_t Y);
    // The part inside the rectangle (TpLeft < TpRight and TpTop < TpBottom, else 0).
    int32_t RgnOrizni(int32_t& Hrgn, int32_t TpLeft, int32_t TpTop, int32_t TpRight, int32_t TpBottom,
                      bool Novy = false);
    // The rectangle minus the region.
    int32_t RgnInvertuj(int32_t& Hrgn, int32_t TpLeft, int32_t TpTop, int32_t TpRight, int32_t TpBottom,
                        bool Novy = true);
    // Shrunk by PBod (1-16) steps: octagon steps with Typ True, square steps with Typ False. Shrunk
    // to nothing gives 0, and with Novy False releases Hrgn (Hrgn = 0).
    int32_t RgnZmensi(int32_t& Hrgn, int32_t PBod = 1, bool Typ = true, bool Novy = true);
    // Grown by PBod (1-16) steps, octagon or square as RgnZmensi.
    int32_t RgnZvetsi(int32_t& Hrgn, int32_t PBod = 1, bool Typ = true, bool Novy = true);
    // Closing: grown then shrunk by PBod (1-16) octagon steps; fills gaps and notches narrower than
    // about twice PBod.
    int32_t RgnVyhladit(int32_t& Hrgn, int32_t PBod = 1, bool Novy = false);
    // The inner border: the region minus the region shrunk by one diagonal step; 0 when either is empty.
    int32_t RgnOkraj(int32_t& Hrgn, bool Novy = true);
    // A frame dX (1-16) pixels wide by square steps: Misto 1 outside, 2 on the edge (dX / 2 out,
    // the rest in), 3 inside. 0 when the frame or the shrunk region is empty, or for another Misto.
    int32_t RgnFrame(int32_t& Hrgn, int32_t dX, int32_t Misto, bool Novy = true);
    // HrgnV = the one-pixel ring just outside, HrgnC = the band PBod octagon steps wide just inside,
    // HrgnO = the core left inside that band. The old HrgnV, HrgnO, HrgnC are released first.
    int32_t RgnObjektObrys(int32_t& Hrgn, int32_t& HrgnV, int32_t& HrgnO, int32_t& HrgnC, int32_t PBod = 1);
    // In place: adds every pixel with the region hg pixels above and below it (VV), then left and
    // right (HV). Gaps of up to hg pixels close completely; wider ones only in their middle.
    int32_t RgnUpravSpc(int32_t& Hrgn, bool VV = true, bool HV = false, uint8_t hg = 1);
    // The region data array (from 1) of Hrgn within the rectangle, or of the rectangle itself when
    // Hrgn is 0; Har1 its element count, XLe..YSr its bounding box. -1 when there is nothing to
    // read (empty region or intersection, size below 1), 0 when Hrgn is not a region. Hara has one
    // element after every failure.
    int32_t RgnPole(int32_t Hrgn, LongArray& Hara, int32_t& Har1, int32_t TpLeft, int32_t TpTop, int32_t TpWidth,
                    int32_t TpHeight, int32_t& XLe, int32_t& YLe, int32_t& XSr, int32_t& YSr);
    int32_t RgnPole(int32_t Hrgn, LongArray& Hara, int32_t& Har1, int32_t TpLeft, int32_t TpTop, int32_t TpWidth,
                    int32_t TpHeight);
    // Region CRgn (1..Cit) of a packed store: Poct1(k) the element count of region k's data, Poct2
    // the data arrays one after another.
    int32_t RgnCreate(int32_t Cit, int32_t CRgn, const LongArray& Poct1, const LongArray& Poct2);
    // The union of the quadrilaterals of every 4 of the first Pocet points (a multiple of 4), each
    // filled by the winding rule.
    int32_t RgnSgRectPlg(const SingleArray& TpBodX, const SingleArray& TpBodY, int32_t Pocet);
    // Draws the polygon set on device context ObjHdc in one pass: outlines in its pen, insides by
    // the even-odd rule in its fill. 0 when the counts do not fit the arrays.
    int32_t PlgKresli(int32_t ObjHdc, const SingleArray& TpBodX, const SingleArray& TpBodY, const LongArray& TpPlg,
                      int32_t PocetPlg);
    // HrgnA = a copy of Hrgn and the A arrays copies of the polygon set. On failure the A arrays
    // have one element and both counts are 0.
    int32_t CopySingleRgn(int32_t& Hrgn, const SingleArray& TpBodX, const SingleArray& TpBodY, const LongArray& TpPlg,
                          int32_t PocetPlg, int32_t PocetBodu, int32_t& HrgnA, SingleArray& TpBodXA,
                          SingleArray& TpBodYA, LongArray& TpPlgA, int32_t& PocetPlgA, int32_t& PocetBoduA);
    // Fills the region on Obj with brush number Typ: 0 null, 1-5 white to black, 6-10 the pattern
    // brushes, 11 a random colour, 12 XColor. 0 when the brush set is not loaded.
    int32_t RgnVybarvit(salon::Surface& Obj, int32_t Hrgn, int32_t Typ, int32_t XColor = 0);
    // Clips Obj's drawing to a copy of Hrgn, or to its whole drawable area when Hrgn is no region.
    int32_t SuClipRgn(salon::Surface& Obj, int32_t Hrgn = 0);
    // The same for device context HdcO; without a region the clip is (0, 0, PrX, PrY).
    int32_t StClipRgn(int32_t HdcO, int32_t Hrgn, int32_t PrX, int32_t PrY);
    // ==== [regions] end ====

    // ==== [pixels] Geometric transforms ====
    // Rotates Obj by Uhel radians (clockwise on screen), bilinear; dX, dY: where the old origin went.
    // ZmRoz: grow to the rotated size, else keep W x H with the rotated picture centred. Region:
    // leave the result on work surface 0 (for the outline transforms) and keep Obj.
    int32_t PsObrRotace(salon::Surface& Obj, float Uhel, float& dX, float& dY, bool ZmRoz = true, bool Region = false);
    int32_t PsObrRotace(salon::Surface& Obj, float Uhel);
    // Scales Obj by DpX, DpY (new sides 2..2000); dX, dY: half the growth (0 without ZmRoz).
    int32_t PsObrScale(salon::Surface& Obj, int32_t& dX, int32_t& dY, float DpX = 1, float DpY = 1, bool ZmRoz = true);
    // Mirrors Obj left-right (FlipX) and/or top-bottom (FlipY); at least one flag.
    int32_t PsObrFlip(salon::Surface& Obj, bool FlipX, bool FlipY);
    // A quarter turn clockwise (R) or anticlockwise (L); dX = (H - W) \ 2, dY = (W - H) \ 2.
    int32_t PsObrRotR(salon::Surface& Obj, int32_t& dX, int32_t& dY, bool ZmRoz = true);
    int32_t PsObrRotL(salon::Surface& Obj, int32_t& dX, int32_t& dY, bool ZmRoz = true);
    // Warps Obj into the quadrilateral 1 top-left, 2 bottom-left, 3 bottom-right, 4 top-right; the
    // result is its region (moved to the origin), with the bilinear map's coefficients.
    int32_t PsObrDefomR(salon::Surface& Obj, int32_t& dX, int32_t& dY, int32_t& aX1, int32_t& aY1, int32_t& aX2,
                        int32_t& aY2, int32_t& aX3, int32_t& aY3, int32_t& aX4, int32_t& aY4, int32_t& Ex, int32_t& Ey,
                        float& t1, float& t2, float& t3, float& t4, float& q1, float& q2, int32_t& ddx, int32_t& ddy);
    int32_t PsObrDefomR(salon::Surface& Obj, int32_t& dX, int32_t& dY, int32_t& aX1, int32_t& aY1, int32_t& aX2,
                        int32_t& aY2, int32_t& aX3, int32_t& aY3, int32_t& aX4, int32_t& aY4);
    // Stretches rows (Ver) or columns (Hrz) with weights from 2 - Value to Value, Value 0.2..1.8.
    int32_t PsObrNelinDefVer(salon::Surface& Obj, float Value);
    int32_t PsObrNelinDefHrz(salon::Surface& Obj, float Value);
    // Box-filters the BmX x BmY pixel array Pole into Pola of NmX x NmY (neither may be 0).
    int32_t PsObrZmena(int32_t& BmX, int32_t& BmY, int32_t& NmX, int32_t& NmY, const ByteArray& Pole, ByteArray& Pola);
    // Fits Obj: Typ 1 even width, 2 PNLx x PNLy, 3 inside keeping proportions, 4 and 5 as 2 and 3
    // with an even width; NPrX, NPrY the new size, DsX, DsY its factors.
    int32_t PsNewScale(salon::Surface& Obj, uint8_t Typ, int32_t PNLx, int32_t PNLy, int32_t& NPrX, int32_t& NPrY,
                       float& DsX, float& DsY);
    // The same fit computed for a PrX x PrY size: 1, or -1 when types 1, 4, 5 found PrX odd
    // (they reduce PrX by 1 in any case); 0 on an arithmetic failure.
    int32_t SuNewScale(uint8_t Typ, int32_t& PrX, int32_t& PrY, int32_t PNLx, int32_t PNLy, int32_t& NPrX,
                       int32_t& NPrY, float& DsX, float& DsY);
    // A BmX x BmY canvas (5..5000 each) of BColor with Obj's picture at (XLe, YLe).
    int32_t PsObrOrez(salon::Surface& Obj, int32_t BmX, int32_t BmY, int32_t BColor = 0, int32_t XLe = 0, int32_t YLe = 0);
    // ObjSrc onto ObjDst (resized to it) with raster operation DwMode.
    int32_t PsCopyImg(salon::Surface& ObjDst, const salon::Surface& ObjSrc, int32_t DwMode = 13369376);
    // The part of ObjSrc under Hrgn's bounding box into ObjDst; dX, dY its offset in ObjSrc.
    // VetsiOrez: cut the box at ObjSrc's edges, else keep the whole box.
    int32_t PsCopyImgRgn(int32_t& Hrgn, salon::Surface& ObjDst, const salon::Surface& ObjSrc, int32_t& dX, int32_t& dY,
                         bool VetsiOrez = true);
    // ==== [pixels] end ====

    // ==== [painting] Area transforms; drawing state, brushes, cursors ====
    // Area transforms: change pixel arrays (stride x rows, pixel x at bytes 3x = blue, 3x+1, 3x+2)
    // inside the part of region Hrgn on the picture (the whole picture for Hrgn 0). XLe, YLe, XSr,
    // YSr receive the area's box. 1 done; 0 rejected (arrays unchanged); -1 empty area.
    // Single-picture filters 1-16 (grey, contrast, balance, tint, average, ...); types 5 and 14
    // write their measures into Data1..Data4.
    int32_t PaZmenaA(int32_t Typ, ByteArray& Pole, int32_t PrX, int32_t PrY, int32_t& XLe, int32_t& YLe,
                     int32_t& XSr, int32_t& YSr, int32_t Hrgn, int32_t& Data1, int32_t& Data2, int32_t& Data3,
                     int32_t& Data4);
    // The same with Data1..Data4 = 0 and no measures wanted.
    int32_t PaZmenaA(int32_t Typ, ByteArray& Pole, int32_t PrX, int32_t PrY, int32_t& XLe, int32_t& YLe,
                     int32_t& XSr, int32_t& YSr, int32_t Hrgn = 0);
    // Lookup tables (1), histogram with median and mode (2), threshold (3), posterise (4).
    int32_t PaZmenaG(int32_t Typ, ByteArray& Pole, int32_t PrX, int32_t PrY, LongArray& KoBR, LongArray& KoBG,
                     LongArray& KoBB, int32_t& XLe, int32_t& YLe, int32_t& XSr, int32_t& YSr, int32_t Hrgn = 0,
                     int32_t Data1 = 0);
    // Pole2 laid onto Pole1 at (OfX, OfY): blend, random mix, colour transfer, brightness keyed (1-12).
    int32_t PaZmenaB(int32_t Typ, ByteArray& Pole1, const ByteArray& Pole2, int32_t PrX1, int32_t PrY1,
                     int32_t PrX2, int32_t PrY2, int32_t OfX, int32_t OfY, int32_t& XLe, int32_t& YLe,
                     int32_t& XSr, int32_t& YSr, int32_t Hrgn = 0, int32_t Data1 = 100, int32_t Data2 = 20,
                     int32_t Data3 = 8, int32_t Data4 = 0, int32_t Data5 = 0);
    // Pole2 and a third picture Pole3 (read at Pole2's positions) onto Pole1: blend modes.
    int32_t PaZmenaC(int32_t Typ, ByteArray& Pole1, const ByteArray& Pole2, const ByteArray& Pole3, int32_t PrX1,
                     int32_t PrY1, int32_t PrX2, int32_t PrY2, int32_t PrX3, int32_t PrY3, int32_t OfX,
                     int32_t OfY, int32_t& XLe, int32_t& YLe, int32_t& XSr, int32_t& YSr, int32_t Hrgn = 0,
                     int32_t Data1 = 100, int32_t Data2 = 20, int32_t Data3 = 8, int32_t Data4 = 0);
    // Pole2 onto Pole1 through byte mask ByPo (PrX2 x PrY2, coverage 0..255).
    int32_t PaZmenaD(int32_t Typ, ByteArray& Pole1, const ByteArray& Pole2, const ByteArray& ByPo, int32_t PrX1,
                     int32_t PrY1, int32_t PrX2, int32_t PrY2, int32_t OfX, int32_t OfY, int32_t& XLe,
                     int32_t& YLe, int32_t& XSr, int32_t& YSr, int32_t Hrgn = 0, int32_t Data1 = 100,
                     int32_t Data2 = 20, int32_t Data3 = 8, int32_t Data4 = 0);
    // Pole2 and Pole3 onto Pole1 through mask ByPo.
    int32_t PaZmenaE(int32_t Typ, ByteArray& Pole1, const ByteArray& Pole2, const ByteArray& Pole3,
                     const ByteArray& ByPo, int32_t PrX1, int32_t PrY1, int32_t PrX2, int32_t PrY2, int32_t PrX3,
                     int32_t PrY3, int32_t OfX, int32_t OfY, int32_t& XLe, int32_t& YLe, int32_t& XSr,
                     int32_t& YSr, int32_t Hrgn = 0, int32_t Data1 = 100, int32_t Data2 = 20, int32_t Data3 = 8,
                     int32_t Data4 = 0);
    // Pole2 through ByPo1 and Pole3 through ByPo2 onto Pole1.
    int32_t PaZmenaF(ByteArray& Pole1, const ByteArray& Pole2, const ByteArray& Pole3, const ByteArray& ByPo1,
                     const ByteArray& ByPo2, int32_t PrX1, int32_t PrY1, int32_t PrX2, int32_t PrY2, int32_t PrX3,
                     int32_t PrY3, int32_t OfX, int32_t OfY, int32_t& XLe, int32_t& YLe, int32_t& XSr,
                     int32_t& YSr, int32_t Hrgn = 0, int32_t Data1 = 0, int32_t Data2 = 0);

    // Drawing state: each setting in its range is applied (-1 = no change); always 1.
    int32_t SObrMode(salon::Surface& Obj, int32_t BcColor = -1, int32_t FrColor = -1, int32_t FilColor = -1,
                     int32_t FilStyle = -1, int32_t DwMod = -1, int32_t DwStyle = -1, int32_t DwWidth = -1,
                     int32_t StchMode = -1);
    // The same on the library's work surface Cis (0-2); 0 for another Cis.
    int32_t SluzObrMode(int32_t Cis, int32_t BcColor = -1, int32_t FrColor = -1, int32_t FilColor = -1,
                        int32_t FilStyle = -1, int32_t DwMod = -1, int32_t DwStyle = -1, int32_t DwWidth = -1,
                        int32_t StchMode = -1);
    // Selects brush Typ (0 null, 1-5 stock, 6-10 patterns, 11 random solid, 12 solid XColor) into
    // Obj; a replaced brush the library made for an earlier call is released. 0 for other Typ.
    int32_t ObjBrushSet(salon::Surface& Obj, int32_t Typ, int32_t XColor = 0);
    // The brush selected into Obj by ObjBrushSet (a handle of the brush table), 0 when none.
    int32_t objectBrush(const salon::Surface& Obj) const;
    // Pointer of Obj: 0-15 standard pointers, 20-80 the library's cursor MsTyp0 - 10; 0 otherwise.
    int32_t PsObjCursor(salon::Surface& Obj, int32_t MsTyp0);
    // The pointer of Obj (0-15, 99 custom; 0 when never set) and its library cursor (0 when none),
    // for the view that shows the object.
    int32_t objectPointer(const salon::Surface& Obj, int32_t& cursor) const;
    // Average colour of the (2 Polomer - 1)-square around (Xa, Ya) inside Obj; -1 when refused.
    int32_t PsKapatko(salon::Surface& Obj, float Xa, float Ya, uint8_t Polomer);
    // ==== [painting] end ====

    // ==== [regions] Regions from pictures and region shape transforms ====
    // Polygon sets: TpBodX, TpBodY (0..PocetBodu-1) the vertices, TpPlg (0..PocetPlg-1) the vertex
    // counts, filled by the even-odd rule. The RgnS methods change the vertices in place and build a
    // fresh region from them; the arrays must start at 0 with at least 4 points and 2 counts (one
    // count when PocetPlg is 1), and the counts must fit the points, else 0 and nothing changes.
    // The pixels of Obj passing a test: Typ 0-2 some byte above 7, 15, Delta; 3-5 some byte below 248,
    // 240, 255 - Delta; 6 not within Delta of Barva in every byte; 7-13 the picture minus the same.
    int32_t RgnObraz(salon::Surface& Obj, int32_t Typ = 0, int32_t Delta = 0, int32_t Barva = 0);
    // The magic wand: the four-connected area around (AgX, AgY) whose bytes differ from the seed's
    // by at most Tolera (0-100). The picture must exceed 20 x 20 pixels.
    int32_t RgnHulka(salon::Surface& Obj, int32_t Tolera, int32_t AgX, int32_t AgY);
    // The region's boundary as a polygon set: outer loops clockwise on the screen, holes the other
    // way, only corners as vertices. On failure TpPlg has one element and both counts are 0.
    int32_t RgnAnalyzuj(int32_t& Hrgn, SingleArray& TpBodX, SingleArray& TpBodY, LongArray& TpPlg, int32_t& PocetPlg,
                        int32_t& PocetBodu);
    // The region of a polygon set.
    int32_t RgnSSetRgn(const SingleArray& TpBodX, const SingleArray& TpBodY, const LongArray& TpPlg, int32_t PocetPlg,
                       int32_t PocetBodu);
    // Moved by (X, Y).
    int32_t RgnSOffset(int32_t& Hrgn, SingleArray& TpBodX, SingleArray& TpBodY, const LongArray& TpPlg,
                       int32_t PocetPlg, int32_t PocetBodu, float X = 0, float Y = 0);
    // Scaled about the origin by DpX, DpY (each 0.04-20).
    int32_t RgnSScale(int32_t& Hrgn, SingleArray& TpBodX, SingleArray& TpBodY, const LongArray& TpPlg,
                      int32_t PocetPlg, int32_t PocetBodu, float DpX = 1, float DpY = 1);
    // Mirrored: x becomes PrX - x (left + right of Hrgn's box when PrX is 0), y likewise.
    int32_t RgnSFlip(int32_t& Hrgn, SingleArray& TpBodX, SingleArray& TpBodY, const LongArray& TpPlg, int32_t PocetPlg,
                     int32_t PocetBodu, bool FlipX = false, bool FlipY = false, int32_t PrX = 0, int32_t PrY = 0);
    // A quarter turn clockwise on the screen: (x, y) becomes (PrY - y, x), PrY 0 meaning top + bottom.
    int32_t RgnS90R(int32_t& Hrgn, SingleArray& TpBodX, SingleArray& TpBodY, const LongArray& TpPlg, int32_t PocetPlg,
                    int32_t PocetBodu, int32_t PrX = 0, int32_t PrY = 0);
    // A quarter turn anticlockwise: (x, y) becomes (y, PrX - x), PrX 0 meaning left + right.
    int32_t RgnS90L(int32_t& Hrgn, SingleArray& TpBodX, SingleArray& TpBodY, const LongArray& TpPlg, int32_t PocetPlg,
                    int32_t PocetBodu, int32_t PrX = 0, int32_t PrY = 0);
    // Turned by Uhel radians about the origin, then moved by (CnX, CnY). When both are 0 they are
    // computed and returned: Roh True keeps the box's top-left corner, False its centre.
    int32_t RgnSOtoc(int32_t& Hrgn, SingleArray& TpBodX, SingleArray& TpBodY, const LongArray& TpPlg, int32_t PocetPlg,
                     int32_t PocetBodu, float Uhel, float& CnX, float& CnY, bool Roh = true);
    int32_t RgnSOtoc(int32_t& Hrgn, SingleArray& TpBodX, SingleArray& TpBodY, const LongArray& TpPlg, int32_t PocetPlg,
                     int32_t PocetBodu, float Uhel);
    // (x, y) becomes (x t1 + y t2 + x y q1 + ddx, x t4 + y t3 + x y q2 + ddy).
    int32_t RgnSDeform(int32_t& Hrgn, SingleArray& TpBodX, SingleArray& TpBodY, const LongArray& TpPlg,
                       int32_t PocetPlg, int32_t PocetBodu, float t1, float t2, float t3, float t4, float q1, float q2,
                       int32_t ddx, int32_t ddy);
    // The region's rectangles scaled about the origin by DpX, DpY (each 0.04-20), corners rounded
    // half to even.
    int32_t RgnScale(int32_t& Hrgn, float DpX = 1, float DpY = 1, bool Novy = true);
    // Mirrored within its own bounding box.
    int32_t RgnFlip(int32_t& Hrgn, bool FlipX = false, bool FlipY = false, bool Novy = true);
    // Splits Hrgn into its edge-connected parts (in the order of their top-left rectangles), each
    // scaled by DpX, DpY (0.1-5): Qhr(1..Cit) the scaled parts, Poct1/Poct2 the unscaled parts as a
    // packed store. A part that scales to nothing is added to Hrgn1 instead (0 when Hrgn1 is no
    // region then).
    int32_t RgnOmal(int32_t& Hrgn, int32_t& Hrgn1, float DpX, float DpY, LongArray& Qhr, int32_t& Cit, LongArray& Poct1,
                    LongArray& Poct2);
    // A line dW pixels thick with round ends.
    int32_t RgnLine(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2, int32_t dW);
    // The same line united with Hrgn. Hrgn is released in every case and set to 0 (no region: the
    // line alone).
    int32_t RgnLineAdd(int32_t& Hrgn, int32_t X1, int32_t Y1, int32_t X2, int32_t Y2, int32_t dW);
    // ==== [regions] end ====

    // ---- Angle, colour and number utilities (pi = 3.141592654, y down, clockwise positive) ----
    // Degrees to radians (Typ true) or radians to degrees (Typ false), normalised; always 1.
    int32_t SUhelDegRdn(float& UhelDeg, float& UhelRdn, bool Typ = true);
    // Length and direction in (-pi, pi] of the segment (X1, Y1)-(X2, Y2); always 1.
    int32_t SUhelLine(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2, float& Dxy, float& UhelDeg, float& UhelRdn);
    // Direction of (X1, Y1) -> (X2, Y2) in radians.
    float SUhelSingle(float X1, float Y1, float X2, float Y2);
    // The signed angle at the vertex (X1, Y1) from the ray to (X3, Y3) to the ray to (X2, Y2).
    float SUhelSingleA(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2, int32_t X3, int32_t Y3);
    // The red, green and blue bytes of a packed colour; 0 and zeros above 0xFFFFFF.
    int32_t SUBarva(uint8_t& colorR, uint8_t& colorG, uint8_t& colorB, int32_t Barva);
    // HexVal = the hexadecimal text HexData ("&H" allowed) of width HTyp: 0 32-bit (8 digits),
    // 1 16-bit (4), 2 8-bit (2); full-width numbers with the top bit set are negative. 1 / 0.
    int32_t SuHexDeg(const std::string& HexData, int32_t& HexVal, uint8_t HTyp = 0);

    // ==== [painting] Brush strokes ====
    // One segment (Xz, Yz)-(Xk, Yk) of a brush stroke of width Sila, opacity Pruhl, colour Barva,
    // kind Typ 1-15; the coverage array Pole (BmX x BmY, kept by the caller per stroke) stops joints
    // being painted twice. XLe, YLe, DxS, DyS receive the changed rectangle. 1 / 0.
    int32_t PsMalBod(salon::Surface& Obj, int32_t BmX, int32_t BmY, ByteArray& Pole, int32_t Typ, int32_t Sila,
                     float Pruhl, int32_t Barva, int32_t Xz, int32_t Yz, int32_t Xk, int32_t Yk, int32_t& XLe,
                     int32_t& YLe, int32_t& DxS, int32_t& DyS, float Rozptyl = 0.5f);
    // Clone stamp: the same stroke painting Obj1 from Obj2 displaced by (dX, dY), kinds 1-18.
    // Pixels whose source falls outside Obj2 are not painted. 1 / 0.
    int32_t PsRazitko(salon::Surface& Obj1, const salon::Surface& Obj2, int32_t BmX, int32_t BmY, int32_t BmX1,
                      int32_t BmY1, ByteArray& Pole, int32_t Typ, int32_t Sila, float Pruhl, int32_t dX, int32_t dY,
                      int32_t Xz, int32_t Yz, int32_t Xk, int32_t Yk, int32_t& XLe, int32_t& YLe, int32_t& DxS,
                      int32_t& DyS, float Rozptyl = 0.5f);
    // ==== [painting] end ====

    // ---- Picture object basics ----
    // The drawable size of Obj in pixels; after one attempt to make a disagreeing drawn image
    // persistent, 0.
    int32_t PsGetXY(salon::Surface& Obj, int32_t& BmX, int32_t& BmY);
    // Clears Obj and sizes it to BmX x BmY (5 x 5 by default).
    int32_t PsClsXY(salon::Surface& Obj, int32_t BmX = 5, int32_t BmY = 5);
    // Makes what was drawn on Obj its persistent picture.
    void PsObrPic(salon::Surface& Obj);

    // ==== [pixels] Transforms that carry an outline ====
    // Each transforms Obj together with the polygon set of its outline (vertices changed in place)
    // and returns the region of the new outline; Hrgn is the outline's current region (an empty or
    // invalid one is released and set to 0). Nothing changes unless every step succeeds.
    // Rotation by Uhel radians; the picture is cut to the turned outline; dX, dY half the growth.
    int32_t PsObrRotaceO(salon::Surface& Obj, int32_t& Hrgn, SingleArray& TpBodX, SingleArray& TpBodY,
                         LongArray& TpPlg, int32_t PocetPlg, int32_t PocetBodu, int32_t& dX, int32_t& dY, float Uhel);
    // Scaling by DpX, DpY (each 0.04..20; new sides 2..2000).
    int32_t PsObrScaleO(salon::Surface& Obj, int32_t& Hrgn, SingleArray& TpBodX, SingleArray& TpBodY,
                        LongArray& TpPlg, int32_t PocetPlg, int32_t PocetBodu, int32_t& dX, int32_t& dY,
                        float DpX = 1, float DpY = 1);
    // Mirroring; the outline about the picture's edges (x to W - x, y to H - y).
    int32_t PsObrFlipO(salon::Surface& Obj, int32_t& Hrgn, SingleArray& TpBodX, SingleArray& TpBodY,
                       LongArray& TpPlg, int32_t PocetPlg, int32_t PocetBodu, bool FlipX, bool FlipY);
    // Quarter turns anticlockwise (L) and clockwise (R), the outline pivoting on W and H.
    int32_t PsObrRotLO(salon::Surface& Obj, int32_t& Hrgn, SingleArray& TpBodX, SingleArray& TpBodY,
                       LongArray& TpPlg, int32_t PocetPlg, int32_t PocetBodu, int32_t& dX, int32_t& dY);
    int32_t PsObrRotRO(salon::Surface& Obj, int32_t& Hrgn, SingleArray& TpBodX, SingleArray& TpBodY,
                       LongArray& TpPlg, int32_t PocetPlg, int32_t PocetBodu, int32_t& dX, int32_t& dY);
    // ==== [pixels] end ====

    // ---- Rectangle and resource helpers ----
    // Puts the corners in order and measures the diagonal; the shape code of the rectangle.
    int32_t SuRohyObd(int32_t& aX1, int32_t& aY1, int32_t& aX2, int32_t& aY2, float& Dxy);
    // Scales a rectangle about its centre keeping the new width even; 0 on overflow.
    int32_t SuKorPlochy(float KdX, float KdY, int32_t& SdL, int32_t& SdT, int32_t& SdX, int32_t& SdY,
                        int32_t& NdL, int32_t& NdT, int32_t& NdX, int32_t& NdY);
    // A new picture object holding the library's resource Ag1 of kind Ag2 (0 bitmap: 3, 4, 5, 9, 69,
    // 70; 2 cursor: 10-59, as it shows over a white window; 1 icon: the library has none);
    // an empty picture object (no picture, 0 x 0) when there is no such resource.
    Picture SuRscO(int32_t Ag1, int32_t Ag2);

    // ==== [regions] Text regions and region frames ====
    // The pixels of SText (UTF-8) in a font: TF5 the font name (fontconfig finds the nearest
    // installed face), TF6 its size in points at 96 dpi, TF1 bold, TF2 italic, TF3 underlined,
    // TF4 struck through, TF7 the weight 1-1000 (0: 700 with TF1, else 400), TF8 the angle in
    // tenths of a degree anticlockwise about (CmX, CmY), the top-left corner of the text's line.
    // Hrgn's old region is released and Hrgn receives the new one, which is also the result; 0
    // when nothing could be drawn (no font, empty text, size outside 1-1000).
    int32_t SuTextRgn(const std::string& SText, int32_t CmX, int32_t CmY, bool TF1, bool TF2, bool TF3, bool TF4,
                      const std::string& TF5, int32_t TF6, int32_t TF7, int32_t TF8, int32_t& Hrgn);
    // The one-pixel inner edge of Hrgn drawn on Obj in its pen colour. Hrgn1 receives the edge
    // pixels facing up or left (and not down or right), Hrgn2 those facing down or right, Hrgn3 the
    // whole edge; their old regions are released first. 0 for an empty or invalid Hrgn.
    int32_t STLFrame(salon::Surface& Obj, int32_t& Hrgn, int32_t& Hrgn1, int32_t& Hrgn2, int32_t& Hrgn3);
    // The same edge raised: the up-left part white, the down-right part grey (&H808080).
    int32_t STLFrameUp(salon::Surface& Obj, int32_t& Hrgn, int32_t& Hrgn1, int32_t& Hrgn2, int32_t& Hrgn3);
    // The same edge sunken: the up-left part grey, the down-right part white.
    int32_t STLFrameDown(salon::Surface& Obj, int32_t& Hrgn, int32_t& Hrgn1, int32_t& Hrgn2, int32_t& Hrgn3);
    // ==== [regions] end ====

    // ==== [pixels] Cut, picture changes, coverage arrays ====
    // Scales Obj (width made even first) by DpX, DpY (0.04..20) with its shape, the non-black
    // pixels; the result is the scaled shape's region. PJas: the shape's mean brightness; Thx, Thy,
    // Thd, Thj (1..HBod): the pixels of its edge band Hrana (1..16) octagon steps wide, their colour
    // and brightness / PJas (2 from twice PJas up). Obj is unchanged on failure.
    int32_t RgnScaleSPC(salon::Surface& Obj, float DpX, float DpY, LongArray& Thx, LongArray& Thy, LongArray& Thd,
                        SingleArray& Thj, int32_t& HBod, int32_t& PJas, int32_t Hrana = 1);
    // Cuts the pixels of Obj1 inside the polygons (XPlg, YPlg; ZPlg the vertex counts, even-odd)
    // into Obj2, moved by (VData(lo), VData(lo + 1)) when VData has them. ZPgA: in, how many
    // polygons to take (0: all of ZPlg); out, how many were. Hrgn receives the cut's region in
    // Obj2 (a handle it held stays the caller's). 1 / 0; nothing changes on 0.
    int32_t SuOrezRng(salon::Surface& Obj1, salon::Surface& Obj2, const LongArray& VData, const LongArray& XPlg,
                      const LongArray& YPlg, const LongArray& ZPlg, int32_t& ZPgA, int32_t& Hrgn);
    // Changes Obj's picture by Typ: 1 grey (0.299 R + 0.587 G + 0.114 B), 2 negative, 3 brightness
    // + Data1 (-255..255), 4 contrast Data1 percent about 128 (0..500), 5 black and white at grey
    // level Data1 (0..255). Data2: a region limiting the change (0: the whole picture). 1 / 0.
    int32_t PbObrZme1(int32_t Typ, salon::Surface& Obj, int32_t Data1 = 0, int32_t Data2 = 0);
    // BPole (0..BmX-1, 0..BmY-1, indexed (x, y)) := NPlus inside region Hrgn, NMinus outside (each
    // 0..255); NMin, NMax the smallest and largest value written. Result: with NPlocha the number
    // of pixels inside, else 1; 0 on failure, also when the region covers none of the array.
    int32_t SuPostPole(int32_t Hrgn, int32_t BmX, int32_t BmY, ByteArray& BPole, int32_t NPlus, int32_t NMinus,
                       int32_t& NMin, int32_t& NMax, bool NPlocha = false);
    // ==== [pixels] end ====

    // ==== [painting] Mouse-driven painting, traces, watermarks, panels, gradients, line clips ====
    // Mouse-driven painting tool (MouseStat 1 down, 2 move, 3 up): Typ 1 freehand, 2 line,
    // 3 rectangle, 4 ellipse, 5 polygon, 6 fill; points collected in AXY (x, y pairs from 1),
    // Pocet of them; FillRgn the filled area when FillRgnStat asks. 1 taken, 2 finished, 0 refused.
    int32_t PsMaluj(salon::Surface& Obj, int32_t MouseStat, uint8_t Typ, int16_t Button, int16_t Shift, float Mx,
                    float My, LongArray& AXY, int32_t& Pocet, int32_t SiStop, int32_t& FillRgnStat, int32_t& FillRgn,
                    int32_t& MsTyp);
    int32_t PsMaluj(salon::Surface& Obj, int32_t MouseStat, uint8_t Typ, int16_t Button, int16_t Shift, float Mx,
                    float My, LongArray& AXY, int32_t& Pocet, int32_t SiStop = 0);
    // Trace painting: a disc of ObjSrc painted into ObjDst under the mouse through colour table
    // StpD (0..255 colours by the source's grey or -1 the source pixel; 256 radius, 257 opacity %,
    // 258 hard edge). 1 painted, 0 nothing painted.
    int32_t PsStopaStat(salon::Surface& ObjDst, const salon::Surface& ObjSrc, int32_t MouseStat, int16_t Button,
                        int16_t Shift, float Mx, float My, const LongArray& StpD);
    // The same as a band along the dragged path; points collected in AXY (x, y from 1), Pocet.
    int32_t PsStopaDyn(salon::Surface& ObjDst, const salon::Surface& ObjSrc, int32_t MouseStat, int16_t Button,
                       int16_t Shift, float Mx, float My, LongArray& AXY, int32_t& Pocet, const LongArray& StpD);
    // Sets up trace table StpD: Typ 0 defaults (the source), 1 black -> NewColor, 2 NewColor ->
    // white, 3 solid, 4 black -> NewColor -> white; 5 radius, 6 opacity %, 7 hard edge = NewColor.
    int32_t PsStopaColor(int32_t Typ, int32_t NewColor, LongArray& StpD);
    // Watermark of region Hrgn into pixel array BPole; JData: width, height, strength %, kind
    // (0 lighten, 1 darken, 2 tint), colour. 1, 0 refused, -1 region off the picture.
    int32_t PsVoda(int32_t Hrgn, const LongArray& JData, ByteArray& BPole);
    // Byte mask BPole laid on Obj at (JData(0), JData(1)): strength JData(2) %, kind JData(3) as
    // PsVoda, colour JData(4); inside region Hrgn when given.
    int32_t PsVodaObj(salon::Surface& Obj, const ByteArray& BPole, const LongArray& JData, int32_t& Hrgn);
    int32_t PsVodaObj(salon::Surface& Obj, const ByteArray& BPole, const LongArray& JData);
    // PoleA moves by JData(2) % towards PoleB mixed with PoleC through mask BPole (all
    // JData(0) x JData(1)).
    int32_t PsZmenaObj(ByteArray& PoleA, const ByteArray& PoleB, const ByteArray& PoleC, const LongArray& JData,
                       const ByteArray& BPole);
    // Lays pictures out in rows: A = panel width, gap, then (width, height) pairs; B(0) the panel
    // height, B(4i-3..4i) picture i's left, top, width, height. The number of rows; 0 malformed.
    int32_t PsObrPanel(const LongArray& A, LongArray& B);
    // Prepares a size table for PsObrPanel: Typ 1 tallest first, 2 reversed, 3 / 4 scaled to the
    // smallest / largest height. The number of pictures; 0 malformed.
    int32_t PsObrPanelSet(int32_t Typ, LongArray& HsD);
    // Print frame of four corners turned by Uhel degrees on Obj: Typ 1 set up (inset a tenth),
    // 2 draw / erase (inverted), 3 rebuild on the diagonal 1-3 (Shift 1 keeps proportions),
    // 4 turn to Uhel; MsTyp0..6 the pointers for inside, corners 1-4, edges, outside. 1 / 0.
    int32_t PsPrintRamecek(salon::Surface& Obj, int32_t Typ, int16_t Shift, int32_t& aX1, int32_t& aY1,
                           int32_t& aX2, int32_t& aY2, int32_t& aX3, int32_t& aY3, int32_t& aX4, int32_t& aY4,
                           float& Uhel, int32_t& MsTyp0, int32_t& MsTyp1, int32_t& MsTyp2, int32_t& MsTyp3,
                           int32_t& MsTyp4, int32_t& MsTyp5, int32_t& MsTyp6);
    int32_t PsPrintRamecek(salon::Surface& Obj, int32_t Typ, int16_t Shift = 0);
    // Gradient onto Obj1: Typ1 shape, Typ2 colours (pen, XColor, back colour, fade, cross-fade to
    // Obj2), Typ3 repeat, Typ4 easing, Typ5 swap; Krok bands; inside XRgn; NMinus / NPlus solid ends.
    int32_t PsGra(salon::Surface& Obj1, uint8_t Typ1, uint8_t Typ2, uint8_t Typ3, uint8_t Typ4, uint8_t Typ5,
                  uint8_t Krok, int32_t XmZ = 0, int32_t YmZ = 0, int32_t XmK = 0, int32_t YmK = 0, int32_t XRgn = 0,
                  int32_t XColor = 0, int32_t NPlus = 0, int32_t NMinus = 0, salon::Surface* Obj2 = nullptr);
    // A BmX x BmY gradient of weights 0..1 (SPole(x + BmX y)): Typ 1 linear, 2 radial, 3 diamond,
    // 4 square, 5 conical, 6 reflected, from (XmZ, YmZ) to (XmK, YmK); weight^BrSg.
    int32_t SuGra(uint8_t Typ, int32_t BmX, int32_t BmY, float BrSg, SingleArray& SPole, int32_t XmZ = 0,
                  int32_t YmZ = 0, int32_t XmK = 0, int32_t YmK = 0);
    // Clips segment (Lx1, Ly1)-(Lx2, Ly2) to the closed rectangle XLt..XRb x YLt..YRb; the clipped
    // ends, rounded half to even, in Kx1..Ky2. 1 when some of it is inside, else 0.
    int32_t SuLinePlocha(int32_t XLt, int32_t YLt, int32_t XRb, int32_t YRb, int32_t Lx1, int32_t Ly1, int32_t Lx2,
                         int32_t Ly2, int32_t& Kx1, int32_t& Ky1, int32_t& Kx2, int32_t& Ky2);
    // The same, and Uhla the direction of the segment in degrees (as SUhelLine).
    int32_t SuLinePlochaC(int32_t XLt, int32_t YLt, int32_t XRb, int32_t YRb, int32_t Lx1, int32_t Ly1,
                          int32_t Lx2, int32_t Ly2, int32_t& Kx1, int32_t& Ky1, int32_t& Kx2, int32_t& Ky2,
                          float& Uhla);
    // ==== [painting] end ====
};

} // namespace pixol
