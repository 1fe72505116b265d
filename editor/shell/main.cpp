// frizet01: the salon editor. With batch options it works without a window (see --help).
#include "editor/shell/batch/Batch.h"
#include "editor/shell/EditorMain.h"

int main(int argc, char** argv)
{
    if (salon::isBatchCommand(argc, argv))
        return salon::runBatch(argc, argv);
    return salon::runEditor(argc, argv);
}
