// The reserved readers and writers: kinds with a type number and a place in the interface but no
// record layout yet. A reader that reported success without reading would leave its caller working
// on nothing, so every reader answers 0 ("nothing read"), as every writer does.
#include "library/Pixolf.h"

namespace pixol {

namespace {
constexpr int32_t NothingRead = 0;
constexpr int32_t NothingWritten = 0;
} // namespace

int32_t Pixolf::SuCtiDSM(std::string&) { return NothingRead; }
int32_t Pixolf::SuCtiDSN(std::string&) { return NothingRead; }
int32_t Pixolf::SuCtiZXL(std::string&) { return NothingRead; }
int32_t Pixolf::SuCtiZIR(std::string&) { return NothingRead; }
int32_t Pixolf::SuCtiZBW(std::string&) { return NothingRead; }
int32_t Pixolf::SuCtiJPF(std::string&) { return NothingRead; }
int32_t Pixolf::SuCtiJPS(std::string&) { return NothingRead; }
int32_t Pixolf::SuCtiWUA(std::string&) { return NothingRead; }
int32_t Pixolf::SuCtiJPH(std::string&) { return NothingRead; }
int32_t Pixolf::SuCtiTMF(std::string&) { return NothingRead; }
int32_t Pixolf::SuCtiTMT(std::string&) { return NothingRead; }
int32_t Pixolf::SuCtiPLG(std::string&) { return NothingRead; }
int32_t Pixolf::SuCtiPSG(std::string&) { return NothingRead; }
int32_t Pixolf::SuCtiPBG(std::string&) { return NothingRead; }
int32_t Pixolf::SuCtiPCG(std::string&) { return NothingRead; }
int32_t Pixolf::SuCtiZOW(std::string&) { return NothingRead; }
int32_t Pixolf::SuCtiWXL(std::string&) { return NothingRead; }
int32_t Pixolf::SuCtiWHM(std::string&) { return NothingRead; }
int32_t Pixolf::SuCtiIRB(std::string&) { return NothingRead; }
int32_t Pixolf::SuCtiWRB(std::string&) { return NothingRead; }
int32_t Pixolf::SuCtiHBR(std::string&) { return NothingRead; }

int32_t Pixolf::SuPisDSM(const std::string&, bool) { return NothingWritten; }
int32_t Pixolf::SuPisDSN(const std::string&, bool) { return NothingWritten; }
int32_t Pixolf::SuPisZXL(const std::string&, bool) { return NothingWritten; }
int32_t Pixolf::SuPisZIR(const std::string&, bool) { return NothingWritten; }
int32_t Pixolf::SuPisZBW(const std::string&, bool) { return NothingWritten; }
int32_t Pixolf::SuPisJPF(const std::string&, bool) { return NothingWritten; }
int32_t Pixolf::SuPisJPS(const std::string&, bool) { return NothingWritten; }
int32_t Pixolf::SuPisWUA(const std::string&, bool) { return NothingWritten; }
int32_t Pixolf::SuPisJPH(const std::string&, bool) { return NothingWritten; }
int32_t Pixolf::SuPisTMF(const std::string&, bool) { return NothingWritten; }
int32_t Pixolf::SuPisTMT(const std::string&, bool) { return NothingWritten; }
int32_t Pixolf::SuPisPLG(const std::string&, bool) { return NothingWritten; }
int32_t Pixolf::SuPisPSG(const std::string&, bool) { return NothingWritten; }
int32_t Pixolf::SuPisPBG(const std::string&, bool) { return NothingWritten; }
int32_t Pixolf::SuPisPCG(const std::string&, bool) { return NothingWritten; }

int32_t Pixolf::SuCtiNahled(salon::Surface&, const std::string&, int32_t, int32_t, int32_t, int32_t)
{
    return NothingRead;
}

int32_t Pixolf::SuCtiCisNahled(salon::Surface&, const std::string&, int32_t, int32_t, int32_t, int32_t, int32_t,
                               int32_t)
{
    return NothingRead;
}

} // namespace pixol
