// Change forward and backward, and repeat change search: each match in the
// walk, within the scope, is confirmed (with the prompt option), replaced
// and counted; without change-all the first change ends it.
#include <algorithm>
#include <string>

#include "core/editor.h"
#include "core/marks.h"
#include "core/view_placement.h"
#include "edit/handlers.h"
#include "edit/match_splice.h"
#include "edit/search_places.h"
#include "edit/text_changes.h"

namespace tarn::handler {

namespace {

constexpr std::string_view kConfirmPrompt = "Press Y to confirm change, A for all or ESC to exit";

enum class Answer { Change, ChangeAll, Skip, Stop };

// Shows the match as a block mark with the cursor on it, asks, and puts
// the mark back as it was.
Answer confirm(EngineCall& call, const FoundMatch& found, int promptRow, const ColumnRule& rule) {
  Editor* editor = call.editor;
  if (!editor) return Answer::Stop;
  Document& doc = call.doc;
  putCursor(doc, found.line, found.number, found.match.whole.start.column, rule);
  if (promptRow >= 0) setWindowTop(doc, found.number - promptRow);
  placeCurrentLine(doc);
  int key;
  {
    ShownSpan shown(call.engine.marks(), doc, {found.line, doc.cursorColumn, found.number},
                    columnOf(found.line->view(), lastByteOnLine(found), rule));
    editor->screen.windowChanged(doc, true);
    editor->screen.message(kConfirmPrompt);
    key = editor->input.readKey();
    editor->screen.clearMessage();
  }
  editor->screen.windowChanged(doc, true);
  switch (key) {
    case -1:
    case readkey::kEscape: return Answer::Stop;
    case 'a':
    case 'A': return Answer::ChangeAll;
    case 'y':
    case 'Y': return Answer::Change;
    default: return Answer::Skip;
  }
}

// Where the walk goes on after a match it leaves as it is.
TextPlace afterSkipped(const FoundMatch& found, SearchDirection direction) {
  const TextSpan& whole = found.match.whole;
  if (direction == SearchDirection::kBackward) return {found.line, found.number, whole.start.column - 1};
  if (whole.end.line == 0) return {found.line, found.number, std::max(whole.end.column, whole.start.column + 1)};
  MatchPlace end = placeOf(found, whole.end);
  return {end.line, end.number, end.column};
}

int change(EngineCall& call, ChangeRecord& record, SearchRequest* request) {
  Document& doc = call.doc;
  if (doc.isReadOnly() || !doc.current) {
    if (request) request->refused = true;
    return refuseChange(call);
  }
  const ColumnRule rule = columnRule(call);
  const SearchDirection direction = record.direction;
  const bool forward = direction == SearchDirection::kForward;
  const int promptRow = request ? request->promptRow : -1;
  bool ask = record.has(searchbit::kPrompt);
  bool all = record.has(searchbit::kChangeAll);
  record.options &= ~searchbit::kIncludeCursor;
  SearchWalk walk(doc, record.search, direction, scopeOf(record), rule);
  TextPlace from{doc.current, doc.currentLineNumber, cursorByte(doc, rule)};
  std::string replacement;
  int changes = 0;
  while (std::optional<FoundMatch> found = walk.find(from.line, from.number, from.column)) {
    const TextSpan whole = found->match.whole;
    if (ask) {
      Answer answer = confirm(call, *found, promptRow, rule);
      if (answer == Answer::Stop) {
        if (request) request->escaped = true;
        break;
      }
      if (answer == Answer::Skip) {
        from = afterSkipped(*found, direction);
        continue;
      }
      if (answer == Answer::ChangeAll) {
        ask = false;
        all = true;
        if (request) request->answeredAll = true;
      }
    }
    if (!record.replacement.build(found->match, record.search.matchedText(), replacement)) break;
    TextPlace end = spliceMatch(doc, found->line, found->number, whole, replacement);
    ++changes;
    if (request) {
      request->matchStart = whole.start.column;
      request->matchEnd = end.line == found->line ? end.column : static_cast<int>(found->line->length);
    }
    if (forward)
      putCursor(doc, end.line, end.number, end.column, rule);
    else
      putCursor(doc, found->line, found->number, whole.start.column, rule);
    if (!all) break;
    // An empty match steps on by one, so that it is not found again at once.
    bool empty = whole.start == whole.end;
    from = forward ? TextPlace{end.line, end.number, end.column + (empty ? 1 : 0)}
                   : TextPlace{found->line, found->number, whole.start.column - 1};
  }
  record.changes += changes;
  if (changes > 0) doc.flags |= docflag::kRepaintAll;
  return changes;
}

int changeFrom(EngineCall& call, SearchDirection direction) {
  auto* request = reinterpret_cast<SearchRequest*>(call.arg2);
  ChangeRecord& record = changeRecord();
  if (!request || !record.setUp(*request, direction, call.engine.wordSeparators())) return 0;
  return change(call, record, request);
}

}  // namespace

int changeForward(EngineCall& call) { return changeFrom(call, SearchDirection::kForward); }
int changeBackward(EngineCall& call) { return changeFrom(call, SearchDirection::kBackward); }

int repeatChangeSearch(EngineCall& call) {
  ChangeRecord& record = changeRecord();
  if (!record.ready) return changeForward(call);
  return change(call, record, reinterpret_cast<SearchRequest*>(call.arg2));
}

}  // namespace tarn::handler
