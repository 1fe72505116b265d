// dslsheet: the contact sheet of a data drive without starting the editor, e.g.
//   dslsheet --contact-sheet all --photo build/drive/photos/face.jpg --out sheet.png
#include "editor/sheet/ContactSheet.h"

int main(int argc, char** argv)
{
    return salon::runContactSheet(argc, argv);
}
