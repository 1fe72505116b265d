// frizet01: the salon editor. With batch options it works without a window (see --help).
#include "editor/shell/EditorMain.h"
#include "editor/shell/batch/Batch.h"
#include "platform/Version.h"
#ifdef SALON_HAVE_SHEET
#include "editor/sheet/ContactSheet.h"
#endif

#include <iostream>
#include <string_view>

int main(int argc, char** argv)
{
    if (salon::asksForVersion(argc, argv)) {
        std::cout << salon::versionLine("frizet01");
        return 0;
    }
#ifdef SALON_HAVE_SHEET
    // The contact sheet draws labelled pictures, so it lives with the Qt side of the program.
    if (argc > 1 && std::string_view(argv[1]) == "--contact-sheet")
        return salon::runContactSheet(argc, argv);
#endif
    if (salon::isBatchCommand(argc, argv))
        return salon::runBatch(argc, argv);
    return salon::runEditor(argc, argv);
}
