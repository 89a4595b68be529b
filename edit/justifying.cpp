// `justify line`, `justify paragraph` and `justify all`: lines spread to the
// right margin.
#include <string>

#include "core/editor.h"
#include "edit/cursor_lines.h"
#include "edit/handlers.h"
#include "edit/justification.h"
#include "edit/paragraphs.h"
#include "edit/text_changes.h"
#include "edit/text_columns.h"

namespace tarn {

namespace {

// Justifies one line; the cursor stays on its character.
void spreadLine(EngineCall& call, Line& line) {
  Document& doc = call.doc;
  std::optional<std::string> spread =
      justified(line.view(), call.editor->settings.rightMargin, sharedJustifyRounding());
  if (!spread) return;
  if (&line != doc.current) {
    doc.setText(line, *spread);
    return;
  }
  ColumnRule rule = columnRule(call);
  std::string before(line.view());
  TextPosition cursor = positionAt(before, doc.cursorColumn, rule);
  size_t place = placeAfterBlankChange(before, *spread, cursor.index + static_cast<size_t>(cursor.beyond));
  doc.setText(line, *spread);
  size_t inside = std::min(place, spread->size());
  doc.cursorColumn = columnOf(*spread, inside, rule) + static_cast<int>(place - inside);
}

// Every line of the paragraph from a line on, but its last; returns the last.
NumberedLine justifyParagraphFrom(EngineCall& call, NumberedLine from) {
  NumberedLine end = paragraphEnd(call.doc, from);
  for (Line* line = from.line; line != end.line; line = line->next()) spreadLine(call, *line);
  return end;
}

bool mayJustify(EngineCall& call) { return call.editor && !call.doc.isCommandLine(); }

}  // namespace

namespace handler {

int justifyLine(EngineCall& call) {
  if (!mayJustify(call)) return 0;
  if (!mayEditCurrent(call.doc)) return refuseChange(call);
  spreadLine(call, *call.doc.current);
  return 1;
}

int justifyParagraph(EngineCall& call) {
  Document& doc = call.doc;
  if (!mayJustify(call)) return 0;
  if (!mayEditCurrent(doc)) return refuseChange(call);
  if (!isBlankLine(doc, doc.current)) justifyParagraphFrom(call, {doc.current, doc.currentLineNumber});
  return 1;
}

int justifyAll(EngineCall& call) {
  Document& doc = call.doc;
  if (!mayJustify(call)) return 0;
  if (doc.isReadOnly()) return refuseChange(call);
  forEachParagraph(doc, [&](NumberedLine first) {
    // Lines near the cursor are found at once by those told of the changes.
    moveCursorTo(doc, first.line, first.number);
    return justifyParagraphFrom(call, first);
  });
  moveCursorTo(doc, doc.firstText(), firstTextNumber(doc));
  doc.cursorColumn = 0;
  return 1;
}

}  // namespace handler

}  // namespace tarn
