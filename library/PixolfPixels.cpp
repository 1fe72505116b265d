// Pixel arrays, geometric transforms, transforms that carry an outline, cuts, picture changes and
// coverage arrays: each method forwards to its module under the guard.
#include "library/Pixolf.h"

#include "library/frame/Guard.h"
#include "library/frame/LibraryState.h"
#include "library/imaging/PixelArrays.h"

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
