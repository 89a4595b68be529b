// The search texts of locate and change, from any bytes: a search is
// prepared, found in the lines and a replacement built for the match; short
// patterns on short texts are checked against plain backtracking.
// Input: a byte of options (ignore case, pattern mode, whole words,
// backward), a byte for the column, then the search text, the replacement
// and the lines, apart by NUL bytes; the lines apart by line feeds.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "edit/pattern_compiler.h"
#include "edit/reference_matcher.h"
#include "edit/replacement.h"
#include "edit/search_helpers.h"
#include "edit/text_search.h"

namespace tarn {
namespace {

std::vector<std::string> split(std::string_view text, char at) {
  std::vector<std::string> parts;
  for (;;) {
    size_t end = text.find(at);
    parts.emplace_back(text.substr(0, end));
    if (end == std::string_view::npos) return parts;
    text.remove_prefix(end + 1);
  }
}

void check(bool holds) {
  if (!holds) __builtin_trap();
}

void run(const uint8_t* data, size_t size) {
  if (size < 2) return;
  SearchOptions options{(data[0] & 1) != 0, (data[0] & 2) != 0, (data[0] & 4) != 0};
  auto direction = data[0] & 8 ? SearchDirection::kBackward : SearchDirection::kForward;
  int from = static_cast<int8_t>(data[1]);
  std::vector<std::string> parts = split({reinterpret_cast<const char*>(data + 2), size - 2}, '\0');
  parts.resize(std::max<size_t>(parts.size(), 3));
  std::vector<std::string> lines = split(parts[2], '\n');

  WordSeparators separators;
  TextSearch search;
  if (!search.prepare(parts[0], options, separators)) return;
  FollowingLines following({lines.begin() + 1, lines.end()});
  std::optional<SearchMatch> match = search.find(lines[0], from, direction, &following);
  if (match) {
    const TextSpan& whole = match->whole;
    check(whole.start.line == 0 && whole.start.column >= 0 &&
          static_cast<size_t>(whole.start.column) <= lines[0].size());
    check(direction == SearchDirection::kForward ? whole.start.column >= from
                                                 : whole.start.column <= std::max(from, 0));
    check(whole.end.line < static_cast<int>(lines.size()) &&
          static_cast<size_t>(whole.end.column) <= lines[whole.end.line].size());
    Replacement replacement;
    replacement.prepare(parts[1], options.patternMode);
    std::string out;
    check(!replacement.build(*match, search.matchedText(), out) ? out.empty()
                                                                : out.size() <= Replacement::kLongest);
  }

  if (!readsAsPattern(parts[0], options) || parts[0].size() > 24 || parts[2].size() > 16) return;
  std::optional<PatternProgram> program = compilePattern(parts[0], options.ignoreCase);
  check(program.has_value());
  FollowingLines again({lines.begin() + 1, lines.end()});
  MatchText text;
  text.reset(lines[0], &again);
  std::optional<SearchMatch> expected =
      ReferenceMatcher(*program, text, options.wholeWords ? &separators : nullptr).find(from, direction);
  check(spanText(match) == spanText(expected));
  if (match && expected) check(match->cursor == expected->cursor && match->groups == expected->groups);
}

}  // namespace
}  // namespace tarn

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tarn::run(data, size);
  return 0;
}
