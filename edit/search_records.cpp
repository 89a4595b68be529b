#include "edit/search_records.h"

namespace tarn {

bool SearchRecord::setUp(const SearchRequest& request, SearchDirection d, const WordSeparators& separators) {
  text.assign(request.text.substr(0, kLongestSearchText));
  options = request.options;
  direction = d;
  SearchOptions how{has(searchbit::kIgnoreCase), patternMode(), has(searchbit::kWholeWord)};
  ready = !text.empty() && search.prepare(text, how, separators);
  return ready;
}

bool ChangeRecord::setUp(const SearchRequest& request, SearchDirection d, const WordSeparators& separators) {
  changes = 0;
  replacementText.assign(request.replacement.substr(0, kLongestSearchText));
  bool searchReady = SearchRecord::setUp(request, d, separators);
  replacement.prepare(replacementText, patternMode());
  return searchReady;
}

SearchRecord& locateRecord() {
  static SearchRecord record;
  return record;
}

ChangeRecord& changeRecord() {
  static ChangeRecord record;
  return record;
}

}  // namespace tarn
