// Movements by blank line and paragraph. A blank line is empty or holds
// only white space; a paragraph is a run of lines that are not blank.
#include "core/engine.h"
#include "edit/cursor_lines.h"
#include "edit/handlers.h"
#include "edit/paragraphs.h"
#include "edit/text_columns.h"

namespace tarn::handler {

namespace {

// Walks from the current line in one direction while the lines are (or are
// not) blank; returns false when the text ends first.
bool walkWhile(const Document& doc, Line*& line, LineIndex& number, int step, bool blank) {
  while (isBlankLine(doc, line) == blank) {
    number += step;
    if (number < firstTextNumber(doc) || number > lastTextNumber(doc)) return false;
    line = step > 0 ? line->next() : line->prev();
  }
  return true;
}

int toFirstNonblank(EngineCall& call, Line* line, LineIndex number) {
  moveCursorTo(call.doc, line, number);
  std::string_view text = textOf(call.doc, line);
  call.doc.cursorColumn = columnOf(text, firstNonWhite(text), columnRule(call));
  return 1;
}

}  // namespace

int findBlankLine(EngineCall& call) {
  Document& doc = call.doc;
  if (doc.currentLineNumber >= lastTextNumber(doc)) return 0;
  Line* line = doc.current->next();
  LineIndex number = doc.currentLineNumber + 1;
  if (!walkWhile(doc, line, number, 1, false)) return 0;
  moveCursorTo(doc, line, number);
  doc.cursorColumn = 0;
  return 1;
}

int nextParagraph(EngineCall& call) {
  Document& doc = call.doc;
  Line* line = doc.current;
  LineIndex number = doc.currentLineNumber;
  // The top-of-file line counts as blank.
  if (!walkWhile(doc, line, number, 1, false) || !walkWhile(doc, line, number, 1, true)) return 0;
  return toFirstNonblank(call, line, number);
}

int previousParagraph(EngineCall& call) {
  Document& doc = call.doc;
  if (doc.currentLineNumber <= firstTextNumber(doc)) return 0;
  Line* line = doc.current->prev();
  LineIndex number = doc.currentLineNumber - 1;
  if (!walkWhile(doc, line, number, -1, true)) return 0;
  // Up to the first line of that paragraph.
  while (number > firstTextNumber(doc) && !isBlankLine(doc, line->prev())) {
    line = line->prev();
    --number;
  }
  return toFirstNonblank(call, line, number);
}

}  // namespace tarn::handler
