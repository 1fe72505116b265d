// dslsheet: the contact sheet of a data drive without starting the editor, e.g.
//   dslsheet --contact-sheet all --photo build/drive/photos/face.jpg --out sheet.png
#include "editor/sheet/ContactSheet.h"
#include "platform/Version.h"

#include <iostream>

int main(int argc, char** argv)
{
    if (salon::asksForVersion(argc, argv)) {
        std::cout << salon::versionLine("dslsheet");
        return 0;
    }
    return salon::runContactSheet(argc, argv);
}
