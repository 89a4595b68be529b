// Locate forward and backward, find in text and the last search text.
#include <algorithm>
#include <cstring>

#include "core/engine.h"
#include "core/marks.h"
#include "edit/handlers.h"
#include "edit/search_places.h"

namespace tarn::handler {

namespace {

SearchRequest* requestOf(const EngineCall& call) { return reinterpret_cast<SearchRequest*>(call.arg2); }

// The bytes [start, end) of the found line that the match covers.
struct FoundBytes {
  int start;
  int end;
};

// The found text becomes the one mark, a block. In a file that keeps tabs
// the block's line has its tabs expanded now, which moves its bytes but not
// its columns: the match's bytes are found again by its columns.
FoundBytes selectFound(EngineCall& call, const FoundMatch& found, FoundBytes bytes, const ColumnRule& rule) {
  std::string_view text = found.line->view();
  const int first = columnOf(text, bytes.start, rule);
  const int last = columnOf(text, lastByteOnLine(found), rule);
  call.engine.marks().select(call.doc, markkind::kBlock, {found.line, first, found.number},
                             {found.line, last, found.number});
  text = found.line->view();
  const auto start = static_cast<int>(positionAt(text, first, rule).index);
  if (bytes.end == bytes.start) return {start, start};
  return {start, static_cast<int>(positionAt(text, last, rule).index) + 1};
}

int locate(EngineCall& call, SearchDirection direction) {
  SearchRequest* request = requestOf(call);
  SearchRecord& record = locateRecord();
  if (!request || !record.setUp(*request, direction, call.engine.wordSeparators())) return 0;
  Document& doc = call.doc;
  if (!doc.current) return 0;
  const ColumnRule rule = columnRule(call);
  const bool forward = direction == SearchDirection::kForward;
  Line* line = doc.current;
  LineIndex number = doc.currentLineNumber;
  int from = cursorByte(doc, rule);
  // Left by a cursor marker, the cursor stands for the match it came from.
  const SearchRecord::MarkerPlace& marker = record.marker;
  if (marker.doc == &doc && marker.cursorLine == doc.current && marker.cursorColumn == doc.cursorColumn) {
    line = marker.matchLine;
    number = marker.matchNumber;
    from = marker.matchStart;
  }
  if (!record.has(searchbit::kIncludeCursor)) from += forward ? 1 : -1;
  record.options &= ~searchbit::kIncludeCursor;  // used once
  SearchWalk walk(doc, record.search, direction, scopeOf(record), rule);
  std::optional<FoundMatch> found = walk.find(line, number, from);
  record.marker = {};
  if (!found) return 0;
  const SearchMatch& match = found->match;
  MatchPlace cursor = placeOf(*found, match.cursor.value_or(match.whole.start));
  putCursor(doc, cursor.line, cursor.number, cursor.column, rule);
  FoundBytes bytes{match.whole.start.column,
                   lastByteOnLine(*found) + (match.whole.start == match.whole.end ? 0 : 1)};
  if (record.has(searchbit::kSelect)) bytes = selectFound(call, *found, bytes, rule);
  if (match.cursor && *match.cursor != match.whole.start)
    record.marker = {&doc, cursor.line, doc.cursorColumn, found->line, found->number, bytes.start};
  request->matchStart = bytes.start;
  request->matchEnd = bytes.end;
  return 1;
}

}  // namespace

int locateForward(EngineCall& call) { return locate(call, SearchDirection::kForward); }
int locateBackward(EngineCall& call) { return locate(call, SearchDirection::kBackward); }

int findInText(EngineCall& call) {
  SearchRecord& record = locateRecord();
  const char* text = reinterpret_cast<const char*>(call.arg2);
  if (!record.ready || !text || call.arg1 < 0) return -1;
  std::optional<SearchMatch> match =
      record.search.find(std::string_view(text, static_cast<size_t>(call.arg1)), 0, SearchDirection::kForward);
  if (!match) return -1;
  int end = match->whole.end.line == 0 ? match->whole.end.column : static_cast<int>(call.arg1);
  return (match->whole.start.column & 0xFFFF) | ((end & 0xFFFF) << 16);
}

int lastSearchText(EngineCall& call) {
  char* buffer = reinterpret_cast<char*>(call.arg2);
  const std::string& text = locateRecord().text;
  if (!buffer) return 0;
  size_t n = std::min(text.size(), kLongestSearchText);
  std::memcpy(buffer, text.data(), n);
  buffer[n] = '\0';
  return static_cast<int>(n);
}

}  // namespace tarn::handler
