// The lines of a document's own mark as the scope of a formatting function.
#pragma once
#include <optional>

#include "edit/line_scope.h"

namespace tarn {

enum class MarkColumns {
  WholeLines,   // every line from the mark's first to its last, whole
  MarkedParts,  // of a character or block mark, only the part of each line it covers
};

// Every line from the first to the last line of the document's mark (the
// lines a toggled line mark passes over included); none when the document
// holds no mark.
std::optional<LineScope> markScope(const Document& doc, MarkColumns columns);

}  // namespace tarn
