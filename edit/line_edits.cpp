// Functions that add, join, copy and delete whole lines.
#include <algorithm>
#include <vector>

#include "core/engine.h"
#include "core/options.h"
#include "edit/cursor_lines.h"
#include "edit/handlers.h"
#include "edit/line_breaks.h"
#include "edit/text_changes.h"
#include "edit/text_columns.h"

namespace tarn::handler {

namespace {

// Lines from the current one to the last text line, at most n.
int linesFromCurrent(const Document& doc, int n) {
  return std::clamp((lastTextNumber(doc) - doc.currentLineNumber) + 1, 0, n);
}

}  // namespace

int insertLine(EngineCall& call) {
  if (!mayAddLines(call)) return 0;
  Document& doc = call.doc;
  std::string_view above = currentText(doc);
  int column = 0;
  if (doc.option(opt::kAutoIndent)) {
    size_t first = firstNonWhite(above);
    if (first < above.size()) column = columnOf(above, first, columnRule(call));
  }
  for (int i = 0; i < call.repeat; ++i) {
    Line* fresh = makeLine(0);
    doc.insertAfterCurrent(fresh);
    moveCursorTo(doc, fresh, doc.currentLineNumber + 1);
  }
  stepCursorTo(doc, doc.current, doc.currentLineNumber);
  doc.cursorColumn = column;
  return 1;
}

int appendLine(EngineCall& call) {
  if (!mayAddLines(call)) return 0;
  endLine(call);
  return breakLine(call, true);
}

int split(EngineCall& call) {
  if (!mayAddLines(call) || !mayEditCurrent(call.doc)) return 0;
  splitAtCursor(call);
  call.doc.cursorColumn = displayWidth(currentText(call.doc), columnRule(call));
  return 1;
}

int join(EngineCall& call) {
  Document& doc = call.doc;
  if (!mayEditCurrent(doc) || doc.currentLineNumber >= lastTextNumber(doc)) return 0;
  int joinPoint = displayWidth(currentText(doc), columnRule(call));
  joinNextLine(doc, *doc.current);
  doc.cursorColumn = std::min(joinPoint, longestLine(doc) - 1);
  return 1;
}

int deleteLine(EngineCall& call) {
  Document& doc = call.doc;
  if (!mayEditCurrent(doc)) return 0;
  deleteCurrentLine(doc);
  return 1;
}

// Without the line buffer, the lines are deleted.
int cutLines(EngineCall& call) {
  Document& doc = call.doc;
  if (!mayEditCurrent(doc)) return 0;
  for (int n = linesFromCurrent(doc, call.repeat); n > 0; --n) deleteCurrentLine(doc);
  return 1;
}

int dupLine(EngineCall& call) {
  Document& doc = call.doc;
  if (!mayAddLines(call) || !mayEditCurrent(doc)) return 0;
  std::vector<Line*> copies;
  Line* source = doc.current;
  for (int n = linesFromCurrent(doc, call.repeat); n > 0; --n, source = source->next())
    copies.push_back(makeLine(source->view()));
  // Inserted right below the current line, last copy first, to keep their order.
  for (auto it = copies.rbegin(); it != copies.rend(); ++it) doc.insertAfterCurrent(*it);
  stepCursorTo(doc, doc.current->next(), doc.currentLineNumber + 1);
  return 1;
}

}  // namespace tarn::handler
