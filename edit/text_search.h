// The search of locate and change: a search text prepared once, then found
// line by line. The text is read as a pattern (see pattern_compiler.h) when
// pattern mode is on and it holds one of ?+*^$[|\: or case is ignored;
// otherwise it is found as plain text. The walk over lines is the caller's;
// a pattern match that runs on past the line's end reads the lines after it
// from the LineSource given.
#pragma once
#include <optional>
#include <string_view>

#include "core/word_separators.h"
#include "edit/line_source.h"
#include "edit/match_text.h"
#include "edit/pattern_matcher.h"
#include "edit/pattern_program.h"
#include "edit/plain_search.h"
#include "edit/search_match.h"

namespace tarn {

struct SearchOptions {
  bool ignoreCase = false;
  bool patternMode = false;
  bool wholeWords = false;
};

bool readsAsPattern(std::string_view text, SearchOptions options);

class TextSearch {
 public:
  // False when nothing can be found: an empty text, or a pattern that does
  // not compile. The separators are read at each find, so that a change of
  // the table takes effect at once.
  bool prepare(std::string_view text, SearchOptions options, const WordSeparators& separators);

  // The match that starts nearest to column from in the given direction,
  // from itself included (backward, a from past the end starts at the end).
  std::optional<SearchMatch> find(std::string_view line, int from, SearchDirection direction,
                                  LineSource* following = nullptr);

  // The text the last find read, for building a replacement; it refers to
  // the lines searched and holds until they change or the next find.
  const MatchText& matchedText() const { return text_; }

 private:
  bool ready_ = false;
  std::optional<PatternProgram> pattern_;
  PlainSearch plain_;
  PatternMatcher matcher_;
  MatchText text_;
  const WordSeparators* wholeWords_ = nullptr;
};

}  // namespace tarn
