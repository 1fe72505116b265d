// The library object, its properties, settings and texts, file types, model files, region handles
// and the small utilities: each method forwards to its module under the guard.
#include "library/Pixolf.h"

#include "library/frame/Guard.h"
#include "library/frame/LibraryState.h"
#include "library/formats/ModelFileApi.h"

namespace pixol {

using detail::guard;

Pixolf::Pixolf() { state(); }

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

int32_t Pixolf::RgnTestuj(int32_t Hrgn)
{
    return guard(0, [&] {
        const salon::Region* r = state().regions.find(uint32_t(Hrgn));
        return r && r->isValid() ? 1 : 0;
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
