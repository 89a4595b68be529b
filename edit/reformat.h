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

// Fills the lines from first to last (not blank) again with the margins of
// the settings and the file's options. A cursor on one of the lines stays
// on its character, one elsewhere on its line. A mark that overlapped the
// lines is set again around the new ones (edit/mark_renewal.h). Returns the
// last line of the new run.
NumberedLine reformatLines(EngineCall& call, NumberedLine first, NumberedLine last, FirstLine firstLine);

// The same from a line that is not blank to the end of its paragraph.
NumberedLine reformatFrom(EngineCall& call, NumberedLine from, FirstLine firstLine);

}  // namespace tarn
