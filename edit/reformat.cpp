// `reformat paragraph` and `reformat all`.
#include "edit/reformat.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

#include "core/editor.h"
#include "core/marks.h"
#include "core/options.h"
#include "edit/cursor_lines.h"
#include "edit/handlers.h"
#include "edit/mark_renewal.h"
#include "edit/paragraph_fill.h"
#include "edit/text_changes.h"

namespace tarn {

namespace {

FillLayout layoutOf(const EngineCall& call, FirstLine first) {
  const Settings& s = call.editor->settings;
  int indent = std::max(s.leftMargin - 1, 0);
  return {first == FirstLine::StartsParagraph ? std::max(s.paragraphMargin - 1, 0) : indent,
          indent,
          s.rightMargin,
          longestLine(call.doc),
          call.doc.option(opt::kSingleBlank) != 0,
          call.doc.option(opt::kJustifyWhileTyping) != 0,
          columnRule(call)};
}

}  // namespace

NumberedLine reformatLines(EngineCall& call, NumberedLine from, NumberedLine last, FirstLine first) {
  Document& doc = call.doc;
  std::vector<std::string_view> input;
  std::optional<size_t> cursorLine;
  for (Line* line = from.line;; line = line->next()) {
    if (line == doc.current) cursorLine = input.size();
    input.push_back(line->view());
    if (line == last.line) break;
  }
  ColumnRule rule = columnRule(call);
  TextPlace cursor{input.size(), 0};  // none of the lines
  if (cursorLine) {
    TextPosition at = positionAt(input[*cursorLine], doc.cursorColumn, rule);
    cursor = {*cursorLine, at.index + static_cast<size_t>(at.beyond)};
  }
  Line* cursorOutside = doc.current;
  LineIndex cursorOutsideNumber = doc.currentLineNumber;
  MarkRenewal mark(call.engine.marks(), doc, from.number, last.number);
  FilledParagraph filled = fillParagraph(input, layoutOf(call, first), cursor, sharedJustifyRounding());
  NumberedLine end = replaceLines(doc, from, input.size(), filled.lines);
  mark.renew(end.number);
  if (cursorLine) {
    Line* line = from.line;
    for (size_t i = 0; i < filled.cursor.line; ++i) line = line->next();
    moveCursorTo(doc, line, from.number + static_cast<int>(filled.cursor.line));
    std::string_view text = line->view();
    size_t byte = std::min(filled.cursor.byte, text.size());
    doc.cursorColumn = columnOf(text, byte, rule) + static_cast<int>(filled.cursor.byte - byte);
  } else {
    // A line below the run has moved by as many lines as the run grew.
    bool below = cursorOutsideNumber > last.number;
    moveCursorTo(doc, cursorOutside, below ? cursorOutsideNumber + (end.number - last.number) : cursorOutsideNumber);
  }
  return end;
}

NumberedLine reformatFrom(EngineCall& call, NumberedLine from, FirstLine first) {
  return reformatLines(call, from, paragraphEnd(call.doc, from), first);
}

namespace handler {

namespace {

// Each run of lines that are not blank among the line-marked lines (from
// the first to the last) is filled as a paragraph; the blank lines between
// runs stay. A cursor outside the runs goes to the first line of the mark.
int reflowMarkedLines(EngineCall& call) {
  Document& doc = call.doc;
  if (doc.isReadOnly()) return refuseChange(call);
  if (markKind(doc) != markkind::kLine) return 0;
  const OperationRange& marked = doc.range;  // set again around each filled run
  bool cursorInRuns = doc.currentLineNumber >= marked.firstNumber && doc.currentLineNumber <= marked.lastNumber &&
                      !isBlankLine(doc, doc.current);
  for (NumberedLine line{marked.first, marked.firstNumber}; line.number <= marked.lastNumber;
       line = {line.line->next(), line.number + 1}) {
    if (isBlankLine(doc, line.line)) continue;
    NumberedLine end = paragraphEnd(doc, line);
    if (end.number > marked.lastNumber) end = {marked.last, marked.lastNumber};
    line = reformatLines(call, line, end, FirstLine::StartsParagraph);
  }
  if (!cursorInRuns) moveCursorTo(doc, marked.first, marked.firstNumber);
  return 1;
}

}  // namespace

int reformatParagraph(EngineCall& call) {
  Document& doc = call.doc;
  if (!call.editor || doc.isCommandLine()) return 0;
  if (call.arg1 == 1) return reflowMarkedLines(call);
  if (!mayEditCurrent(doc)) return refuseChange(call);
  if (!isBlankLine(doc, doc.current))
    reformatFrom(call, {doc.current, doc.currentLineNumber}, FirstLine::StartsParagraph);
  return 1;
}

int reformatAll(EngineCall& call) {
  Document& doc = call.doc;
  if (!call.editor || doc.isCommandLine()) return 0;
  if (doc.isReadOnly()) return refuseChange(call);
  call.engine.marks().removeMark(doc);
  // The cursor is not followed: it goes to the top afterwards.
  moveCursorTo(doc, doc.first, kFirstLine);
  forEachParagraph(doc, [&](NumberedLine first) { return reformatFrom(call, first, FirstLine::StartsParagraph); });
  moveCursorTo(doc, doc.firstText(), firstTextNumber(doc));
  doc.cursorColumn = 0;
  return 1;
}

}  // namespace handler

}  // namespace tarn
