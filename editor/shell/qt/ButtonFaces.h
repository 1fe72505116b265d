#pragma once
// The panel's button faces, drawn as one icon set: a rounded tile whose colour tells the command's
// family (file and program: blue; hairstyle and colour: plum; face placement: teal; undo and redo:
// amber) and a white glyph. Disabled faces (70 + i) are the same glyph on a grey tile. Ids are
// those of editor/shell/ButtonFaces.h.
#include <QImage>
#include <QString>

#include <cstdint>

namespace salon {

// The face of a picture id at a size; a null image for an id without a face.
QImage buttonFace(int32_t id, int width, int height);

// Every face on one labelled sheet, to look at the set as a whole.
QImage buttonFaceSheet();

// The fixed pictures of the editor itself: 27 (the empty stamp sample, a white field) and 94 (the
// face-mask companion picture on surface 10).
QImage editorResourcePicture(int32_t id);

} // namespace salon
