// `reformat paragraph` and `reformat all`.
#include "edit/reformat.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "core/editor.h"
#include "core/options.h"
#include "edit/cursor_lines.h"
#include "edit/handlers.h"
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
  for (Line* line = from.line;; line = line->next()) {
    input.push_back(line->view());
    if (line == last.line) break;
  }
  bool onCursor = doc.current == from.line;
  ColumnRule rule = columnRule(call);
  TextPosition cursor = positionAt(input.front(), doc.cursorColumn, rule);
  FilledParagraph filled = fillParagraph(
      input, layoutOf(call, first), {0, cursor.index + static_cast<size_t>(cursor.beyond)}, sharedJustifyRounding());
  NumberedLine end = replaceLines(doc, from, input.size(), filled.lines);
  if (onCursor) {
    Line* line = from.line;
    for (size_t i = 0; i < filled.cursor.line; ++i) line = line->next();
    moveCursorTo(doc, line, from.number + static_cast<int>(filled.cursor.line));
    std::string_view text = line->view();
    size_t byte = std::min(filled.cursor.byte, text.size());
    doc.cursorColumn = columnOf(text, byte, rule) + static_cast<int>(filled.cursor.byte - byte);
  }
  return end;
}

NumberedLine reformatFrom(EngineCall& call, NumberedLine from, FirstLine first) {
  return reformatLines(call, from, paragraphEnd(call.doc, from), first);
}

namespace handler {

int reformatParagraph(EngineCall& call) {
  // Argument 1 = 1 (`reflow`) works on the line-marked lines, which come with the marks.
  Document& doc = call.doc;
  if (call.arg1 == 1 || !call.editor || doc.isCommandLine()) return 0;
  if (!mayEditCurrent(doc)) return refuseChange(call);
  if (!isBlankLine(doc, doc.current))
    reformatFrom(call, {doc.current, doc.currentLineNumber}, FirstLine::StartsParagraph);
  return 1;
}

int reformatAll(EngineCall& call) {
  Document& doc = call.doc;
  if (!call.editor || doc.isCommandLine()) return 0;
  if (doc.isReadOnly()) return refuseChange(call);
  // The cursor is not followed: it goes to the top afterwards.
  moveCursorTo(doc, doc.first, kFirstLine);
  NumberedLine line{doc.firstText(), firstTextNumber(doc)};
  while (line.line != doc.last) {
    if (!isBlankLine(doc, line.line)) line = reformatFrom(call, line, FirstLine::StartsParagraph);
    line = {line.line->next(), line.number + 1};
  }
  moveCursorTo(doc, doc.firstText(), firstTextNumber(doc));
  doc.cursorColumn = 0;
  return 1;
}

}  // namespace handler

}  // namespace tarn
