#pragma once
// The panel's button faces, drawn as one icon set: a rounded tile whose colour tells the command's
// family (file and program: blue; hairstyle and colour: plum; face placement: teal; undo and redo:
// amber) and a white glyph. Disabled faces (70 + i) are the same glyph on a grey tile. Ids are
// those of editor/shell/ButtonFaces.h.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>

#include <cstdint>
#include <functional>

namespace salon {

// The face of a picture id at a size; a null image for an id without a face.
QImage buttonFace(int32_t id, int width, int height);

// The same face painted into `rect` of any paint device (a picture, an SVG document); false, and
// nothing painted, for an id without a face.
bool paintButtonFace(QPainter& p, int32_t id, const QRectF& rect);

// The tile colour of a face id (its family's, grey when disabled); invalid for an id without a face.
QColor buttonFaceColour(int32_t id);

// A tile of the set in `rect`: the colour as a soft vertical gradient, rounded corners, and the
// glyph painted in white on a 100 x 100 canvas inset from the edge; disabled tiles fade the glyph.
// The program icons use it so that they match the panel.
void paintFaceTile(QPainter& p, const QRectF& rect, const QColor& colour,
                   const std::function<void(QPainter&)>& glyph, bool disabled = false);

// Every face on one labelled sheet, to look at the set as a whole.
QImage buttonFaceSheet();

// The fixed pictures of the editor itself: 27 (the empty stamp sample, a white field) and 94 (the
// face-mask companion picture on surface 10).
QImage editorResourcePicture(int32_t id);

} // namespace salon
