// The sort engine: the lines of a scope put in order in place.
#include <string_view>
#include <vector>

#include "core/engine.h"
#include "core/marks.h"
#include "core/sort_bits.h"
#include "edit/cursor_lines.h"
#include "edit/handlers.h"
#include "edit/line_scope.h"
#include "edit/mark_renewal.h"
#include "edit/mark_scope.h"
#include "edit/sort_order.h"
#include "edit/text_changes.h"

namespace tarn {

namespace {

// Relinks the scope's lines in sorted order (the line objects stay, and all
// that stands on them) and deletes those the compacting letters remove.
// Returns how many lines are left.
size_t sortScope(Document& doc, const LineScope& scope, const SortRule& rule) {
  std::vector<Line*> lines;
  for (Line* line = scope.first;; line = line->next()) {
    lines.push_back(line);
    if (line == scope.last) break;
  }
  std::vector<std::string_view> texts;
  texts.reserve(lines.size());
  for (Line* line : lines) texts.push_back(line->view());
  std::vector<uint32_t> order = sortedOrder(texts, rule);

  bool moved = order.size() < lines.size();
  for (size_t i = 0; i < order.size() && !moved; ++i) moved = order[i] != i;
  if (!moved) return lines.size();
  std::vector<Line*> sorted;
  std::vector<LineIndex> previous;
  sorted.reserve(order.size());
  previous.reserve(order.size());
  std::vector<bool> kept(lines.size(), false);
  for (uint32_t i : order) {
    sorted.push_back(lines[i]);
    previous.push_back(scope.firstNumber + static_cast<int>(i));
    kept[i] = true;
  }
  doc.relinkLines(scope.first->prev(), scope.firstNumber - 1, sorted, previous);
  // The lines removed now follow the sorted ones.
  LineIndex number = scope.firstNumber + static_cast<int>(sorted.size());
  for (size_t i = 0; i < lines.size(); ++i) {
    if (kept[i]) continue;
    moveCursorTo(doc, lines[i], number);
    doc.deleteLine(lines[i]);
  }
  return sorted.size();
}

// Without key columns, a character or block mark's first and last columns
// are the key.
intptr_t keyColumns(const Document& doc, intptr_t given) {
  int kind = markKind(doc);
  if (given != 0 || (kind != markkind::kCharacter && kind != markkind::kBlock)) return given;
  Mark mark = normalised(doc.mark);
  return packedSortColumns(mark.firstColumn + 1, mark.lastColumn + 1);
}

}  // namespace

namespace handler {

int sortLines(EngineCall& call) {
  Document& doc = call.doc;
  if (doc.isCommandLine()) return 0;
  if (doc.isReadOnly()) return refuseChange(call);
  if (doc.textLineCount() < 1) return 1;
  Line* sentinel = doc.isSentinel(doc.current) ? doc.current : nullptr;
  LineIndex cursorLine = doc.currentLineNumber;
  // The lines of the file's mark, else the whole file.
  LineScope scope = markScope(doc, MarkColumns::WholeLines)
                        .value_or(LineScope{doc.firstText(), firstTextNumber(doc), doc.lastText(),
                                            lastTextNumber(doc), {}});
  MarkRenewal mark(call.engine.marks(), doc, scope.firstNumber, scope.lastNumber);
  size_t left = sortScope(doc, scope, sortRuleOf(call.arg1, keyColumns(doc, call.arg2)));
  mark.renew(scope.firstNumber + static_cast<int>(left) - 1);
  // The cursor goes back to its line number (a sentinel line keeps it); its column stays.
  if (sentinel) {
    moveCursorTo(doc, sentinel, sentinel == doc.first ? kFirstLine : doc.lastIndex());
  } else {
    LineIndex number = std::min(cursorLine, lastTextNumber(doc));
    moveCursorTo(doc, lineNear(doc, number), number);
  }
  return 1;
}

}  // namespace handler

}  // namespace tarn
