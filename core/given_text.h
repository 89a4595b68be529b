// The text store's own functions for text the caller gives (argument 2
// points to it, see function_codes.h): the lines of an imported file, the
// command line's text, the lines of a pseudo-file. They run through the
// engine like the editing functions, so that they are undone and followed
// like any other change; as building blocks they leave the repaint to the caller.
#pragma once
#include <span>

#include "core/engine_types.h"

namespace tarn {

std::span<const EditFunction> givenTextFunctions();

}  // namespace tarn
