// A program of someone else's that uses the installed graphics library: built against the
// installed headers and pixol.pc only, it loads the English texts and prints text 1 and the
// language it got, "1<TAB>Twips per pixel, horizontal" style, as `pixol stx show` lists them.
#include "library/Pixolf.h"

#include <cstdio>

int main()
{
    pixol::Pixolf library;
    if (library.SuSettingsP(4, ".") == 0) return 1;
    std::printf("%d\t%s\n", int(library.SuJazyk()), library.StSTX(1).c_str());
    return 0;
}
