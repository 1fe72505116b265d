#pragma once
// Whether a model's own numbers agree with each other. The parser only makes sure that every
// block lies inside the file; a file can pass that and still describe something no tool ever
// wrote: polygon counts that do not add up to the points stored, a mask whose rectangle runs past
// the largest coordinate there is. Such a model is refused by whoever would draw it (the editor,
// the catalogue builder); a model that is merely unusual (masks beside the picture, a face-mask
// outline that is empty or runs off the edge) is not.
#include "library/formats/ModelFile.h"

#include <optional>
#include <string>

namespace salon::dsl {

// What contradicts what, in a sentence for a log or a command's error output; nothing when the
// model is consistent. The cut-out (polygon set 1) is not looked at here: whether it covers any
// of the picture is a question of its region (cutOutMissesPicture).
std::optional<std::string> contradiction(const Model& model);

// True when polygon set 1, filled even-odd, covers no pixel of the model's picture: the face
// could never be seen in such a model.
bool cutOutMissesPicture(const Model& model);

} // namespace salon::dsl
