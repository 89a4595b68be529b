// Making and removing the mark, and going to its ends.
#include "core/engine.h"
#include "core/marks.h"
#include "edit/cursor_lines.h"
#include "edit/handlers.h"
#include "edit/text_columns.h"

namespace tarn::handler {

namespace {

LinePlace cursorPlace(const Document& doc) { return {doc.current, doc.cursorColumn, doc.currentLineNumber}; }

// Marks are made on the text lines of a file (not in a command line).
bool mayMark(const Document& doc) {
  return !doc.isCommandLine() && doc.current && !doc.isSentinel(doc.current);
}

// The first press sets both corners at the cursor; every later one spans
// from the anchor to the cursor.
int markCorner(EngineCall& call, int kind) {
  Document& doc = call.doc;
  if (!mayMark(doc)) return 0;
  Marks& marks = call.engine.marks();
  marks.makeRoomFor(doc, kind);
  LinePlace cursor = cursorPlace(doc);
  if (doc.mark.type == markkind::kNone || !doc.anchor.isSet()) {
    doc.anchor = cursor;
    marks.setCorners(doc, kind, markstate::kOneCorner, cursor, cursor);
  } else {
    marks.setCorners(doc, kind, markstate::kBothCorners, doc.anchor, cursor);
  }
  marks.setChanged();
  return 1;
}

// The cursor to one end of the mark: a corner, or for a line mark the
// first or last line at the cursor's column. The window shows the line on
// its first row (above) or its last (below) when it was outside.
int goToMarkEnd(EngineCall& call, bool last) {
  Document& doc = call.doc;
  std::optional<MarkLines> lines = markLines(doc);
  if (!lines) return 0;
  if (markKind(doc) != markkind::kLine) {
    Mark m = normalised(doc.mark);
    doc.cursorColumn = last ? m.lastColumn : m.firstColumn;
  }
  if (last)
    stepCursorTo(doc, lines->last, lines->lastNumber);
  else
    stepCursorTo(doc, lines->first, lines->firstNumber);
  return 1;
}

}  // namespace

int markLine(EngineCall& call) {
  Document& doc = call.doc;
  if (!mayMark(doc)) return 0;
  Marks& marks = call.engine.marks();
  marks.makeRoomFor(doc, markkind::kLine);
  LinePlace cursor = cursorPlace(doc);
  if (!doc.range.first || !doc.anchor.isSet()) doc.anchor = cursor;
  marks.markLineRange(doc, doc.anchor, cursor);
  marks.setChanged();
  return 1;
}

int toggleLineMark(EngineCall& call) {
  Document& doc = call.doc;
  if (!mayMark(doc)) return 0;
  Marks& marks = call.engine.marks();
  marks.makeRoomFor(doc, markkind::kLine);
  marks.toggleCurrentLine(doc);
  marks.setChanged();
  return 1;
}

int markChar(EngineCall& call) { return markCorner(call, markkind::kCharacter); }

int markBlock(EngineCall& call) { return markCorner(call, markkind::kBlock); }

// A character mark over the word the cursor stands on.
int getWord(EngineCall& call) {
  Document& doc = call.doc;
  if (!mayMark(doc)) return 0;
  std::string_view text = currentText(doc);
  ColumnRule rule = columnRule(call);
  TextPosition at = positionAt(text, doc.cursorColumn, rule);
  const WordSeparators& separators = call.engine.wordSeparators();
  if (at.beyond > 0 || at.index >= text.size() || separators.isSeparator(text[at.index])) return 0;
  size_t start = at.index;
  while (start > 0 && !separators.isSeparator(text[start - 1])) --start;
  size_t end = at.index;
  while (end + 1 < text.size() && !separators.isSeparator(text[end + 1])) ++end;
  LinePlace first{doc.current, columnOf(text, start, rule), doc.currentLineNumber};
  LinePlace last{doc.current, columnOf(text, end, rule), doc.currentLineNumber};
  call.engine.marks().select(doc, markkind::kCharacter, first, last);
  return 1;
}

int unmark(EngineCall& call) {
  call.engine.marks().unmarkAll();
  call.doc.flags |= docflag::kRepaintAll;
  return 1;
}

int beginMark(EngineCall& call) { return goToMarkEnd(call, false); }

int endMark(EngineCall& call) { return goToMarkEnd(call, true); }

int getMark(EngineCall& call) {
  auto* record = reinterpret_cast<MarkRecord*>(call.arg2);
  if (!record) return 0;
  *record = markRecordOf(call.doc);
  return 1;
}

int setMark(EngineCall& call) {
  const auto* record = reinterpret_cast<const MarkRecord*>(call.arg2);
  if (!record || !call.engine.marks().restore(call.doc, *record)) return 0;
  call.engine.marks().setChanged();
  return 1;
}

}  // namespace tarn::handler
