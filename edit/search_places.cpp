#include "edit/search_places.h"

#include "edit/cursor_lines.h"

namespace tarn {

int cursorByte(const Document& doc, const ColumnRule& rule) {
  TextPosition p = positionAt(currentText(doc), doc.cursorColumn, rule);
  return static_cast<int>(p.index) + p.beyond;
}

void putCursor(Document& doc, Line* line, LineIndex number, int byteColumn, const ColumnRule& rule) {
  moveCursorTo(doc, line, number);
  doc.cursorColumn = columnOf(textOf(doc, line), static_cast<size_t>(byteColumn), rule);
}

MatchPlace placeOf(const FoundMatch& found, TextPoint point) {
  Line* line = found.line;
  for (int k = 0; k < point.line && line->next(); ++k) line = line->next();
  return {line, found.number + point.line, point.column};
}

int lastByteOnLine(const FoundMatch& found) {
  const TextSpan& whole = found.match.whole;
  int end = whole.end.line == 0 ? whole.end.column : static_cast<int>(found.line->length);
  return end > whole.start.column ? end - 1 : whole.start.column;
}

SearchScope scopeOf(const SearchRecord& record) {
  return {record.has(searchbit::kInsideMark), record.has(searchbit::kOutsideMark)};
}

}  // namespace tarn
