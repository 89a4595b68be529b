#include "edit/text_search.h"

#include "edit/pattern_compiler.h"

namespace tarn {

bool readsAsPattern(std::string_view text, SearchOptions options) {
  return options.patternMode &&
         (options.ignoreCase || text.find_first_of("?+*^$[|\\:") != std::string_view::npos);
}

bool TextSearch::prepare(std::string_view text, SearchOptions options, const WordSeparators& separators) {
  wholeWords_ = options.wholeWords ? &separators : nullptr;
  pattern_.reset();
  if (readsAsPattern(text, options)) {
    pattern_ = compilePattern(text, options.ignoreCase);
    ready_ = pattern_.has_value();
  } else {
    ready_ = !text.empty();
    if (ready_) plain_.prepare(text, options.ignoreCase);
  }
  return ready_;
}

std::optional<SearchMatch> TextSearch::find(std::string_view line, int from, SearchDirection direction,
                                            LineSource* following) {
  text_.reset(line, following);
  if (!ready_) return std::nullopt;
  if (pattern_) return matcher_.find(*pattern_, text_, from, direction, wholeWords_);
  std::optional<size_t> start = plain_.find(line, from, direction, wholeWords_);
  if (!start) return std::nullopt;
  SearchMatch match;
  match.whole = {{0, static_cast<int>(*start)}, {0, static_cast<int>(*start + plain_.length())}};
  return match;
}

}  // namespace tarn
