// The walk of locate and change over a document's lines: from a line and a
// byte column towards the bottom (or the top) of the file, line by line,
// within the scope of the mark options, until a match is found. A match
// may run on to later lines; the sentinel lines are never searched.
#pragma once
#include <optional>

#include "core/document.h"
#include "edit/search_match.h"
#include "edit/text_columns.h"
#include "edit/text_search.h"

namespace tarn {

// Which part of each line is searched: with inside alone the marked part,
// with outside alone the rest, with both or neither everything.
struct SearchScope {
  bool inside = false;
  bool outside = false;
};

struct FoundMatch {
  Line* line;
  LineIndex number;
  SearchMatch match;
};

class SearchWalk {
 public:
  SearchWalk(const Document& doc, TextSearch& search, SearchDirection direction, SearchScope scope,
             const ColumnRule& rule);

  // The first match from byte column from of line (numbered number) on in
  // the walk's direction, from itself included; going backward, a column
  // past the line's end starts at its end and a negative one on the line
  // before.
  std::optional<FoundMatch> find(Line* line, LineIndex number, int from);

 private:
  class FollowingLines;
  std::optional<SearchMatch> findInLine(Line* line, LineIndex number, int from);
  bool admits(const Line* line, LineIndex number, const SearchMatch& match) const;

  const Document& doc_;
  TextSearch& search_;
  SearchDirection direction_;
  SearchScope scope_;
  ColumnRule rule_;
};

}  // namespace tarn
