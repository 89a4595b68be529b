#include "core/view_placement.h"

#include <algorithm>

#include "core/document.h"

namespace tarn {

void setWindowTop(Document& doc, LineIndex lineNumber) {
  lineNumber = std::clamp(lineNumber, kFirstLine, std::max(kFirstLine, doc.lastIndex()));
  // Walk from the current line, which is usually near.
  Line* line = doc.current;
  LineIndex n = doc.currentLineNumber;
  while (n > lineNumber && line->prev()) {
    line = line->prev();
    --n;
  }
  while (n < lineNumber && line->next()) {
    line = line->next();
    ++n;
  }
  doc.view.topLine = line;
  doc.view.topLineNumber = n;
}

bool placeCurrentLine(Document& doc) {
  if (!doc.current) return false;
  bool moved = false;
  int rows = std::max(1, doc.windowRows);
  LineIndex top = doc.view.topLineNumber;
  if (!doc.view.topLine || doc.currentLineNumber < top || doc.currentLineNumber >= top + rows) {
    setWindowTop(doc, doc.currentLineNumber - rows / 2);
    moved = true;
  }
  doc.cursorRow = doc.currentLineNumber - doc.view.topLineNumber;
  int columns = std::max(1, doc.windowColumns);
  int left = doc.view.leftColumn;
  if (doc.cursorColumn < left) {
    doc.view.leftColumn = doc.cursorColumn;
    moved = true;
  } else if (doc.cursorColumn >= left + columns) {
    doc.view.leftColumn = doc.cursorColumn - columns + 1;
    moved = true;
  }
  return moved;
}

}  // namespace tarn
