// The locate record and the change record: what the last locate and the
// last change searched for, kept between commands (find in text, the last
// search text and repeat change search read them).
#pragma once
#include <cstdint>
#include <string>

#include "core/document.h"
#include "core/search_request.h"
#include "edit/replacement.h"
#include "edit/search_match.h"
#include "edit/text_search.h"

namespace tarn {

struct SearchRecord {
  std::string text;
  uint32_t options = 0;  // searchbit
  SearchDirection direction = SearchDirection::kForward;
  TextSearch search;
  bool ready = false;  // set up with a text that compiled

  // Where the last find put the cursor when a cursor marker placed it
  // away from the match start, and where that match started: a search
  // from there goes on from the match, not from the marker.
  struct MarkerPlace {
    const Document* doc = nullptr;
    const Line* cursorLine = nullptr;
    int cursorColumn = 0;
    Line* matchLine = nullptr;
    LineIndex matchNumber;
    int matchStart = 0;  // byte column
  };
  MarkerPlace marker;

  // Takes the request's text and options and prepares the search; false
  // when nothing can be found (no text, or a pattern that does not compile).
  bool setUp(const SearchRequest& request, SearchDirection direction, const WordSeparators& separators);
  bool has(uint32_t bit) const { return (options & bit) != 0; }
  bool patternMode() const { return !has(searchbit::kPlainText); }
};

struct ChangeRecord : SearchRecord {
  std::string replacementText;
  Replacement replacement;
  int changes = 0;

  bool setUp(const SearchRequest& request, SearchDirection direction, const WordSeparators& separators);
};

// The editor's two records.
SearchRecord& locateRecord();
ChangeRecord& changeRecord();

}  // namespace tarn
