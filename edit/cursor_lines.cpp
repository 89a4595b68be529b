#include "edit/cursor_lines.h"

#include <algorithm>
#include <cstdlib>

#include "core/options.h"
#include "core/view_placement.h"

namespace tarn {

std::string_view textOf(const Document& doc, const Line* line) {
  if (!line || doc.isSentinel(line)) return {};
  return line->view();
}

LineIndex firstTextNumber(const Document& doc) { return doc.isCommandLine() ? kFirstLine : toIndex(UserLine(1)); }

LineIndex lastTextNumber(const Document& doc) {
  return doc.isCommandLine() ? kFirstLine : std::max(kFirstLine, doc.lastIndex() - 1);
}

bool isBottomOfFile(const Document& doc, const Line* line) {
  return !doc.isCommandLine() && line == doc.last;
}

Line* lineNear(const Document& doc, LineIndex number) {
  if (number < kFirstLine || number > doc.lastIndex()) return nullptr;
  int fromCurrent = std::abs(number - doc.currentLineNumber);
  if (!doc.current || number - kFirstLine <= fromCurrent || doc.lastIndex() - number <= fromCurrent)
    return doc.lineAt(number);
  Line* line = doc.current;
  for (LineIndex n = doc.currentLineNumber; n < number; ++n) line = line->next();
  for (LineIndex n = doc.currentLineNumber; n > number; --n) line = line->prev();
  return line;
}

void moveCursorTo(Document& doc, Line* line, LineIndex number) {
  doc.current = line;
  doc.currentLineNumber = number;
}

void stepCursorTo(Document& doc, Line* line, LineIndex number) {
  moveCursorTo(doc, line, number);
  int rows = std::max(1, doc.windowRows);
  LineIndex top = windowTopNumber(doc);
  if (number < top)
    setWindowTop(doc, number);
  else if (number >= top + rows)
    setWindowTop(doc, number - rows + 1);
}

int longestLine(const Document& doc) { return doc.option(opt::kLongestLine); }

LineIndex windowTopNumber(const Document& doc) {
  return doc.view.topLine ? doc.view.topLineNumber : doc.currentLineNumber;
}

LineIndex windowBottomNumber(const Document& doc) {
  return std::min(windowTopNumber(doc) + std::max(1, doc.windowRows) - 1, lastTextNumber(doc));
}

}  // namespace tarn
