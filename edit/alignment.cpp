#include "edit/alignment.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "core/engine.h"
#include "core/marks.h"
#include "edit/cursor_lines.h"
#include "edit/handlers.h"
#include "edit/mark_renewal.h"
#include "edit/mark_scope.h"
#include "edit/text_changes.h"
#include "edit/text_columns.h"

namespace tarn {

namespace {

// Where a line's text starts at or after a column: the byte that column
// falls on, and the first non-white byte from there with its column.
struct TextStart {
  size_t from;
  size_t text;
  int column;
};

std::optional<TextStart> textStart(const Line& line, int column, const ColumnRule& rule) {
  std::string_view text = line.view();
  TextPosition from = positionAt(text, column, rule);
  if (from.beyond > 0) return std::nullopt;
  size_t first = from.index + firstNonWhite(text.substr(from.index));
  if (first == text.size()) return std::nullopt;
  return TextStart{from.index, first, columnOf(text, first, rule)};
}

// Moves the text start to a column at or right of the part's start column.
void moveText(EngineCall& call, Line& line, int partColumn, const TextStart& start, int target) {
  Document& doc = call.doc;
  if (target == start.column) return;
  std::string_view white = line.view().substr(start.from, start.text - start.from);
  auto at = static_cast<uint32_t>(start.from);
  if (white.find('\t') != std::string_view::npos) {
    // Tabs do not shrink by columns: the white space becomes blanks.
    doc.deleteCharacters(line, at, static_cast<uint32_t>(white.size()));
    doc.insertCharacters(line, at, std::string(static_cast<size_t>(target - partColumn), ' '));
  } else if (target > start.column) {
    doc.insertCharacters(line, at, std::string(static_cast<size_t>(target - start.column), ' '));
  } else {
    doc.deleteCharacters(line, at, static_cast<uint32_t>(start.column - target));
  }
}

template <typename Each>
void forEachLine(const LineScope& scope, Each each) {
  LineIndex number = scope.firstNumber;
  for (Line* line = scope.first;; line = line->next(), ++number) {
    if (!each(*line, scope.partOf(*line, number).from)) return;
    if (line == scope.last) return;
  }
}

}  // namespace

void alignToColumn(EngineCall& call, const LineScope& scope, int column) {
  ColumnRule rule = columnRule(call);
  forEachLine(scope, [&](Line& line, int partColumn) {
    std::optional<TextStart> start = textStart(line, partColumn, rule);
    if (start && column >= partColumn) moveText(call, line, partColumn, *start, column);
    return true;
  });
}

bool alignToTabStop(EngineCall& call, const LineScope& scope, TabWay way) {
  ColumnRule rule = columnRule(call);
  const TabStops& stops = call.engine.tabStops();
  struct Move {
    Line* line;
    int partColumn;
    TextStart start;
    int stop;
  };
  // Every line is measured before any moves, so that none moves when one cannot.
  std::vector<Move> moves;
  bool found = true;
  forEachLine(scope, [&](Line& line, int partColumn) {
    std::optional<TextStart> start = textStart(line, partColumn, rule);
    if (!start) return true;
    int stop = way == TabWay::Next ? nextTabStop(stops, start->column)
                                   : std::max(previousTabStop(stops, start->column), partColumn);
    found = stop >= 0 && stop < longestLine(call.doc);
    if (found) moves.push_back({&line, partColumn, *start, stop});
    return found;
  });
  if (!found) return false;
  Document& doc = call.doc;
  for (const Move& move : moves) {
    moveText(call, *move.line, move.partColumn, move.start, move.stop);
    // A cursor on the text moves with it.
    if (move.line == doc.current && doc.cursorColumn >= move.start.column)
      doc.cursorColumn += move.stop - move.start.column;
  }
  return true;
}

namespace handler {

namespace {

// The mark's functions work on the file holding it, wherever that is.
EngineCall onMarkHolder(const EngineCall& call, Document& holder) {
  return {call.engine, call.editor, holder, call.code, call.arg1, call.arg2, call.repeat};
}

// After work on the marked lines: a character or block mark keeps its
// columns, and the whole file is painted again.
void markedLinesChanged(EngineCall& call, Document& holder, const MarkRecord& before) {
  setColumnsBack(call.engine.marks(), holder, before);
  holder.flags |= docflag::kRepaintAll;
  call.engine.marks().setChanged();
}

int markToTabStop(EngineCall& call, TabWay way) {
  Document* holder = changeableMarkHolder(call);
  if (!holder) return 0;
  EngineCall onMark = onMarkHolder(call, *holder);
  MarkRecord before = markRecordOf(*holder);
  // Either way from the start of each line's marked part: column 0 of a line
  // mark's lines, a block's left column, a character mark's start column on
  // its first line and column 0 on the others.
  bool moved = alignToTabStop(onMark, *markScope(*holder, MarkColumns::MarkedParts), way);
  markedLinesChanged(call, *holder, before);
  return moved;
}

// Where the blanks at a block's start column end when the text after them
// begins within the block, else nothing.
std::optional<size_t> blanksToRemove(std::string_view text, size_t from, const MarkedPart& block,
                                     const ColumnRule& rule) {
  size_t end = from;
  while (end < text.size() && text[end] == ' ') ++end;
  if (end == from || end == text.size() || isWhite(text[end]) || columnOf(text, end, rule) > block.last)
    return std::nullopt;
  return end;
}

}  // namespace

int align(EngineCall& call) {
  if (!mayEditCurrent(call.doc)) return refuseChange(call);
  alignToColumn(call, currentLineScope(call.doc), call.doc.cursorColumn);
  return 1;
}

// Every line from the mark's first to its last, whole, to the cursor column.
int alignMark(EngineCall& call) {
  Document* holder = changeableMarkHolder(call);
  if (!holder) return 0;
  EngineCall onMark = onMarkHolder(call, *holder);
  MarkRecord before = markRecordOf(*holder);
  alignToColumn(onMark, *markScope(*holder, MarkColumns::WholeLines), call.doc.cursorColumn);
  markedLinesChanged(call, *holder, before);
  return 1;
}

int alignTab(EngineCall& call) {
  if (!mayEditCurrent(call.doc)) return refuseChange(call);
  return alignToTabStop(call, currentLineScope(call.doc), TabWay::Next);
}

int alignBacktab(EngineCall& call) {
  if (!mayEditCurrent(call.doc)) return refuseChange(call);
  return alignToTabStop(call, currentLineScope(call.doc), TabWay::Previous);
}

int markTab(EngineCall& call) { return markToTabStop(call, TabWay::Next); }

int markBacktab(EngineCall& call) { return markToTabStop(call, TabWay::Previous); }

// The blanks at the start column of a block mark of this file are removed
// on each line whose text after them begins within the block; the text
// moves left to the start column, the cursor with it.
int alignBlock(EngineCall& call) {
  Document& doc = call.doc;
  if (markKind(doc) != markkind::kBlock || doc.mark.flags != markstate::kBothCorners) return 0;
  if (doc.isReadOnly()) return refuseChange(call);
  ColumnRule rule = columnRule(call);
  MarkRecord before = markRecordOf(doc);
  forEachMarkedLine(doc, [&](Line& line, LineIndex, const MarkedPart& block) {
    std::string_view text = line.view();
    TextPosition from = positionAt(text, block.first, rule);
    if (from.beyond > 0) return;
    std::optional<size_t> end = blanksToRemove(text, from.index, block, rule);
    if (!end) return;
    auto removed = static_cast<int>(*end - from.index);
    doc.deleteCharacters(line, static_cast<uint32_t>(from.index), static_cast<uint32_t>(removed));
    if (&line == doc.current && doc.cursorColumn > block.first)
      doc.cursorColumn = std::max(doc.cursorColumn - removed, block.first);
  });
  markedLinesChanged(call, doc, before);
  return 1;
}

}  // namespace handler

}  // namespace tarn
