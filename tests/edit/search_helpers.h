// Searching one line, with the lines after it, for the search tests; the
// match is shown as text so that tables read as they would be checked.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "edit/text_search.h"

namespace tarn {

// The lines after the one searched.
class FollowingLines : public LineSource {
 public:
  explicit FollowingLines(std::vector<std::string> lines) : lines_(std::move(lines)) {}
  std::optional<std::string_view> lineAfter(int k) override {
    asked.push_back(k);
    if (k > static_cast<int>(lines_.size())) return std::nullopt;
    return lines_[k - 1];
  }
  std::vector<int> asked;

 private:
  std::vector<std::string> lines_;
};

inline std::string pointText(TextPoint p) {
  return p.line == 0 ? std::to_string(p.column) : std::to_string(p.line) + ":" + std::to_string(p.column);
}

// "start-end", with "line:column" for a point on a later line; "none" when nothing is found.
inline std::string spanText(const std::optional<SearchMatch>& match) {
  if (!match) return "none";
  return pointText(match->whole.start) + "-" + pointText(match->whole.end);
}

struct Search {
  SearchOptions options;
  WordSeparators separators;
  TextSearch search;

  explicit Search(SearchOptions o) : options(o) {}

  std::optional<SearchMatch> find(std::string_view text, std::string_view line, int from = 0,
                                  SearchDirection direction = SearchDirection::kForward,
                                  std::vector<std::string> following = {}) {
    FollowingLines lines(std::move(following));
    if (!search.prepare(text, options, separators)) return std::nullopt;
    return search.find(line, from, direction, &lines);
  }
};

constexpr SearchOptions kPatternExact{false, true, false};
constexpr SearchOptions kPatternIgnoringCase{true, true, false};

}  // namespace tarn
