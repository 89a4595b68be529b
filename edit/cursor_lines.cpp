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

int firstTextNumber(const Document& doc) { return doc.isCommandLine() ? 1 : 2; }

int lastTextNumber(const Document& doc) {
  return doc.isCommandLine() ? 1 : std::max(1, doc.lineCount - 1);
}

bool isBottomOfFile(const Document& doc, const Line* line) {
  return !doc.isCommandLine() && line == doc.last;
}

Line* lineNear(const Document& doc, int number) {
  if (number < 1 || number > doc.lineCount) return nullptr;
  int fromCurrent = std::abs(number - doc.currentLineNumber);
  if (!doc.current || number - 1 <= fromCurrent || doc.lineCount - number <= fromCurrent)
    return doc.lineAt(number);
  Line* line = doc.current;
  for (int n = doc.currentLineNumber; n < number; ++n) line = line->next();
  for (int n = doc.currentLineNumber; n > number; --n) line = line->prev();
  return line;
}

void moveCursorTo(Document& doc, Line* line, int number) {
  doc.current = line;
  doc.currentLineNumber = number;
}

void stepCursorTo(Document& doc, Line* line, int number) {
  moveCursorTo(doc, line, number);
  int rows = std::max(1, doc.windowRows);
  int top = windowTopNumber(doc);
  if (number < top)
    setWindowTop(doc, number);
  else if (number >= top + rows)
    setWindowTop(doc, number - rows + 1);
}

int longestLine(const Document& doc) { return doc.option(opt::kLongestLine); }

int windowTopNumber(const Document& doc) {
  return doc.view.topLine ? doc.view.topLineNumber : doc.currentLineNumber;
}

int windowBottomNumber(const Document& doc) {
  return std::min(windowTopNumber(doc) + std::max(1, doc.windowRows) - 1, lastTextNumber(doc));
}

}  // namespace tarn
