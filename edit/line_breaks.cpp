#include "edit/line_breaks.h"

#include "core/engine.h"
#include "core/options.h"
#include "edit/cursor_lines.h"
#include "edit/text_changes.h"
#include "edit/text_columns.h"

namespace tarn {

bool mayAddLines(const EngineCall& call) {
  const Document& doc = call.doc;
  return !doc.isReadOnly() && !doc.isCommandLine() && doc.current &&
         !isBottomOfFile(doc, doc.current);
}

Line* splitAtCursor(EngineCall& call) {
  Document& doc = call.doc;
  Line& line = *doc.current;
  std::string_view text = currentText(doc);
  size_t at = positionAt(text, doc.cursorColumn, columnRule(call)).index;
  Line* tail = makeLine(text.substr(at));
  if (at < text.size()) {
    doc.deleteCharacters(line, static_cast<uint32_t>(at), static_cast<uint32_t>(text.size() - at));
  }
  doc.insertAfterCurrent(tail);
  return tail;
}

int breakLine(EngineCall& call, bool autoIndent) {
  if (!mayAddLines(call)) return 0;
  Document& doc = call.doc;
  std::string_view text = currentText(doc);
  ColumnRule rule = columnRule(call);
  bool textFollows = positionAt(text, doc.cursorColumn, rule).index < text.size();
  int column = 0;
  if (!textFollows && autoIndent && doc.option(opt::kAutoIndent)) {
    size_t first = firstNonWhite(text);
    if (first < text.size()) column = columnOf(text, first, rule);
  }
  Line* tail = splitAtCursor(call);
  stepCursorTo(doc, tail, doc.currentLineNumber + 1);
  doc.cursorColumn = column;
  return 1;
}

}  // namespace tarn
