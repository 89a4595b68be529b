// Reformatting paragraphs in the document: the building block of the
// reformat functions and of reformatting while typing.
#pragma once
#include "edit/paragraphs.h"

namespace tarn {

struct EngineCall;

enum class FirstLine {
  StartsParagraph,  // indented to the paragraph margin
  GoesOn,           // indented to the left margin: the lines above belong to the paragraph
};

// Fills the paragraph from a line that is not blank to its end with the
// margins of the settings and the file's options. With the cursor on that
// line, it stays on its character; returns the last line of the new run.
NumberedLine reformatFrom(EngineCall& call, NumberedLine from, FirstLine first);

}  // namespace tarn
