#include "edit/search_walk.h"

#include <climits>

#include "core/marks.h"
#include "edit/line_source.h"

namespace tarn {

// The text lines after the one searched, handed out as the search asks.
class SearchWalk::FollowingLines : public LineSource {
 public:
  FollowingLines(const Document& doc, const Line* line) : doc_(doc), last_(line) {}
  std::optional<std::string_view> lineAfter(int) override {
    const Line* next = last_ ? last_->next() : nullptr;
    if (!next || doc_.isSentinel(next)) return std::nullopt;
    last_ = next;
    return next->view();
  }

 private:
  const Document& doc_;
  const Line* last_;
};

SearchWalk::SearchWalk(const Document& doc, TextSearch& search, SearchDirection direction, SearchScope scope,
                       const ColumnRule& rule)
    : doc_(doc), search_(search), direction_(direction), scope_(scope), rule_(rule) {
  if (scope_.inside && scope_.outside) scope_ = SearchScope{};
}

std::optional<FoundMatch> SearchWalk::find(Line* line, LineIndex number, int from) {
  const bool forward = direction_ == SearchDirection::kForward;
  if (!forward && from < 0 && line) {
    line = line->prev();
    --number;
    from = INT_MAX;
  }
  while (line) {
    if (!doc_.isSentinel(line)) {
      if (std::optional<SearchMatch> match = findInLine(line, number, from)) return FoundMatch{line, number, *match};
    }
    line = forward ? line->next() : line->prev();
    number += forward ? 1 : -1;
    from = forward ? 0 : INT_MAX;
  }
  return std::nullopt;
}

std::optional<SearchMatch> SearchWalk::findInLine(Line* line, LineIndex number, int from) {
  const bool forward = direction_ == SearchDirection::kForward;
  const int length = static_cast<int>(line->length);
  if (forward && from > length) return std::nullopt;
  if (!forward && from > length) from = length;
  bool scoped = scope_.inside || scope_.outside;
  // Inside the mark alone, a line the mark does not reach holds nothing.
  if (scope_.inside && !scope_.outside && !markedPart(doc_, line, number)) return std::nullopt;
  while (from >= 0 && from <= length) {
    FollowingLines following(doc_, line);
    std::optional<SearchMatch> match = search_.find(line->view(), from, direction_, &following);
    if (!match) return std::nullopt;
    if (!scoped || admits(line, number, *match)) return match;
    from = match->whole.start.column + (forward ? 1 : -1);
  }
  return std::nullopt;
}

// A match counts when its first and last bytes on the line lie in the
// scope: within the marked part of the line, or (outside the mark) clear of it.
bool SearchWalk::admits(const Line* line, LineIndex number, const SearchMatch& match) const {
  std::optional<MarkedPart> marked = markedPart(doc_, line, number);
  std::string_view text = line->view();
  int start = columnOf(text, match.whole.start.column, rule_);
  int endByte = match.whole.end.line == 0 ? match.whole.end.column : static_cast<int>(text.size());
  int last = endByte > match.whole.start.column ? columnOf(text, endByte - 1, rule_) : start;
  bool within = marked && start >= marked->first && last <= marked->last;
  if (scope_.inside) return within;
  bool clear = !marked || last < marked->first || start > marked->last;
  return clear;
}

}  // namespace tarn
