#include "edit/alignment.h"

#include <optional>
#include <string>

#include "core/engine.h"
#include "edit/cursor_lines.h"
#include "edit/handlers.h"
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

void alignToCursor(EngineCall& call, const LineScope& scope) {
  ColumnRule rule = columnRule(call);
  int target = call.doc.cursorColumn;
  forEachLine(scope, [&](Line& line, int partColumn) {
    std::optional<TextStart> start = textStart(line, partColumn, rule);
    if (start && target >= partColumn) moveText(call, line, partColumn, *start, target);
    return true;
  });
}

bool alignToTabStop(EngineCall& call, const LineScope& scope, TabWay way) {
  ColumnRule rule = columnRule(call);
  const TabStops& stops = call.engine.tabStops();
  bool found = true;
  forEachLine(scope, [&](Line& line, int partColumn) {
    std::optional<TextStart> start = textStart(line, partColumn, rule);
    if (!start) return true;
    int stop = way == TabWay::Next ? nextTabStop(stops, start->column)
                                   : std::max(previousTabStop(stops, start->column), partColumn);
    found = stop >= 0 && stop < longestLine(call.doc);
    if (!found) return false;
    moveText(call, line, partColumn, *start, stop);
    // A cursor on the text moves with it.
    Document& doc = call.doc;
    if (&line == doc.current && doc.cursorColumn >= start->column) doc.cursorColumn += stop - start->column;
    return true;
  });
  return found;
}

namespace handler {

int align(EngineCall& call) {
  if (!mayEditCurrent(call.doc)) return refuseChange(call);
  alignToCursor(call, currentLineScope(call.doc));
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

}  // namespace handler

}  // namespace tarn
