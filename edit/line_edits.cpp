// Functions that add, join and delete whole lines.
#include <algorithm>

#include "core/engine.h"
#include "core/options.h"
#include "edit/cursor_lines.h"
#include "edit/handlers.h"
#include "edit/line_breaks.h"
#include "edit/text_changes.h"
#include "edit/text_columns.h"

namespace tarn::handler {

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
  if (doc.isReadOnly()) return refuseChange(call);
  if (!mayEditCurrent(doc)) return 0;
  deleteCurrentLine(doc);
  return 1;
}

}  // namespace tarn::handler
