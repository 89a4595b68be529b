// The matcher's memo and skips leave the result as plain backtracking
// would find it: random short patterns on random short texts, searched in
// both directions and checked against the reference reading.
#include "edit/pattern_matcher.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "edit/pattern_compiler.h"
#include "reference_matcher.h"
#include "search_helpers.h"

namespace tarn {
namespace {

std::string describe(const std::optional<SearchMatch>& m) {
  std::string text = spanText(m);
  if (!m) return text;
  if (m->cursor) text += " c" + pointText(*m->cursor);
  for (int g = 0; g < kMaxPatternGroups; ++g)
    if (m->groups[g])
      text += " " + std::to_string(g + 1) + "=" + pointText(m->groups[g]->start) + "-" +
              pointText(m->groups[g]->end);
  return text;
}

TEST(PatternMatcher, AgreesWithPlainBacktracking) {
  const char* pieces[] = {"a",    "b",     " ",   "?",       "*",      "+",        "[ab]",
                          "[^a]", "[\\n]", "{",   "|",       "}",      "^",        "$",
                          ":d",   "a*",    "?*",  "b+",      "[ b]+",  "\\c",      "\\(",
                          "\\)",  "\\1",   "\\2", "{abb|a}", "{a|ab}", "\\(a*\\)", "\\(?\\)"};
  const char* letters = "aab b1\n";
  std::mt19937 random(20240611);
  WordSeparators separators;
  int compared = 0;
  for (int round = 0; round < 40000; ++round) {
    std::string pattern;
    for (int n = random() % 7 + 1; n > 0; --n) pattern += pieces[random() % std::size(pieces)];
    bool ignoreCase = random() % 4 == 0;
    std::optional<PatternProgram> program = compilePattern(pattern, ignoreCase);
    if (!program) continue;
    std::vector<std::string> lines(1);
    for (int n = random() % 10; n > 0; --n) {
      char c = letters[random() % std::strlen(letters)];
      if (c == '\n')
        lines.emplace_back();
      else
        lines.back() += random() % 5 == 0 ? static_cast<char>(c & ~0x20) : c;
    }
    FollowingLines following({lines.begin() + 1, lines.end()});
    FollowingLines again({lines.begin() + 1, lines.end()});
    const WordSeparators* wholeWords = random() % 3 == 0 ? &separators : nullptr;
    int from = static_cast<int>(random() % (lines[0].size() + 4)) - 1;
    MatchText text, referenceText;
    text.reset(lines[0], &following);
    referenceText.reset(lines[0], &again);
    auto direction = random() % 2 ? SearchDirection::kForward : SearchDirection::kBackward;
    PatternMatcher matcher;
    std::optional<SearchMatch> found = matcher.find(*program, text, from, direction, wholeWords);
    std::optional<SearchMatch> expected =
        ReferenceMatcher(*program, referenceText, wholeWords).find(from, direction);
    ASSERT_EQ(describe(found), describe(expected))
        << "pattern " << pattern << (ignoreCase ? " ignoring case" : "") << (wholeWords ? " whole words" : "")
        << (direction == SearchDirection::kForward ? " forward" : " backward") << " from " << from << " in \""
        << lines[0] << "\" + " << lines.size() - 1 << " lines";
    ++compared;
  }
  EXPECT_GT(compared, 10000);
}

}  // namespace
}  // namespace tarn
