// Searching a line: plain text and patterns, both directions, whole words,
// matches that run on to the following lines, and texts that would make a
// careless matcher run away.
#include <gtest/gtest.h>

#include "search_helpers.h"

namespace tarn {
namespace {

constexpr SearchOptions kPlainExact{false, false, false};
constexpr SearchOptions kPlainIgnoringCase{true, false, false};
constexpr auto kForward = SearchDirection::kForward;
constexpr auto kBackward = SearchDirection::kBackward;

struct SearchCase {
  const char* text;
  SearchOptions options;
  std::string line;
  int from;
  SearchDirection direction;
  const char* span;
};

void expectSpans(std::initializer_list<SearchCase> cases, const std::vector<std::string>& following = {}) {
  for (const SearchCase& c : cases) {
    Search search(c.options);
    EXPECT_EQ(spanText(search.find(c.text, c.line, c.from, c.direction, following)), c.span)
        << c.text << " in \"" << c.line << "\" from " << c.from;
  }
}

TEST(TextSearch, WhenATextIsAPattern) {
  struct Case {
    const char* text;
    SearchOptions options;
    bool pattern;
  };
  for (const Case& c :
       {Case{"a?b", kPatternExact, true}, Case{"ab", kPatternExact, false},
        Case{"ab", kPatternIgnoringCase, true}, Case{"a?b", kPlainExact, false},
        Case{"a?b", kPlainIgnoringCase, false}, Case{"{a}", kPatternExact, false},
        Case{"a:b", kPatternExact, true}, Case{"a\\b", kPatternExact, true}, Case{"[", kPatternExact, true},
        Case{"|", kPatternExact, true}, Case{"$", kPatternExact, true}, Case{"^", kPatternExact, true},
        Case{"+", kPatternExact, true}, Case{"*", kPatternExact, true}}) {
    EXPECT_EQ(readsAsPattern(c.text, c.options), c.pattern) << c.text;
  }
  // Without pattern mode the characters stand for themselves.
  Search plain(kPlainIgnoringCase);
  EXPECT_EQ(spanText(plain.find("A?*", "xa?*")), "1-4");
  EXPECT_EQ(spanText(plain.find("[a]", "a[A]")), "1-4");
}

TEST(TextSearch, PlainTextForwardAndBackward) {
  expectSpans({
      SearchCase{"abc", kPlainExact, "xabcabc", 0, kForward, "1-4"},
      SearchCase{"abc", kPlainExact, "xabcabc", 1, kForward, "1-4"},  // from itself
      SearchCase{"abc", kPlainExact, "xabcabc", 2, kForward, "4-7"},
      SearchCase{"abc", kPlainExact, "xabcabc", 5, kForward, "none"},
      SearchCase{"abc", kPlainExact, "xaBc", 0, kForward, "none"},
      SearchCase{"abc", kPlainIgnoringCase, "xaBc", 0, kForward, "1-4"},
      SearchCase{"A1", kPlainIgnoringCase, "xa1", 0, kForward, "1-3"},
      SearchCase{"1a", kPlainIgnoringCase, "x1A", 0, kForward, "1-3"},
      SearchCase{"aab", kPlainExact, "aaab", 0, kForward, "1-4"},
      SearchCase{"abcd", kPlainExact, "abc", 0, kForward, "none"},
      SearchCase{"abc", kPlainExact, "abcxabc", 7, kBackward, "4-7"},
      SearchCase{"abc", kPlainExact, "abcxabc", 100, kBackward, "4-7"},
      SearchCase{"abc", kPlainExact, "abcxabc", 4, kBackward, "4-7"},  // from itself
      SearchCase{"abc", kPlainExact, "abcxabc", 3, kBackward, "0-3"},
      SearchCase{"abc", kPlainExact, "abcxabc", -1, kBackward, "none"},
      SearchCase{"abc", kPlainIgnoringCase, "ABCxaBc", 3, kBackward, "0-3"},
      SearchCase{"b", kPlainExact, "b", 0, kBackward, "0-1"},
      SearchCase{"a", kPlainExact, std::string(40, 'x') + "a", 0, kForward, "40-41"},
      // Ignoring case, the first letter is looked for sixteen bytes at a
      // time: matches on either side of those steps and of their halves,
      // bytes one bit away from it.
      SearchCase{"zebra", kPlainIgnoringCase, std::string(37, '@') + "`{[ZEBRA", 0, kForward, "40-45"},
      SearchCase{"q", kPlainIgnoringCase, std::string(7, 'p') + "Q", 0, kForward, "7-8"},
      SearchCase{"q", kPlainIgnoringCase, std::string(8, 'p') + "Q" + std::string(20, 'p'), 0, kForward, "8-9"},
      SearchCase{"q", kPlainIgnoringCase, std::string(15, 'p') + "Q", 0, kForward, "15-16"},
      SearchCase{"q", kPlainIgnoringCase, std::string(16, 'p') + "q", 0, kForward, "16-17"},
      SearchCase{"q", kPlainIgnoringCase, "Q" + std::string(6, 'p') + "qQ", 1, kForward, "7-8"},
      SearchCase{"q", kPlainIgnoringCase, "\x91\xd1QPqpQ", 5, kForward, "6-7"},
      SearchCase{"q", kPlainIgnoringCase, std::string(30, 'Z'), 0, kForward, "none"},
  });
  Search search(kPlainExact);
  EXPECT_FALSE(search.search.prepare("", kPlainExact, search.separators));
}

TEST(TextSearch, PatternsForwardAndBackward) {
  Search search(kPatternExact);
  EXPECT_EQ(spanText(search.find("a?", "a1a2a3", 99, kBackward)), "4-6");
  EXPECT_EQ(spanText(search.find("a?", "a1a2a3", 3, kBackward)), "2-4");
  EXPECT_EQ(spanText(search.find("a?", "a1a2a3", 1)), "2-4");
  EXPECT_EQ(spanText(search.find("a?", "a1a2a3", 5)), "none");
  EXPECT_EQ(spanText(search.find("^a", "aaa", 2, kBackward)), "0-1");
  EXPECT_EQ(spanText(search.find("^a", "aaa", 1)), "none");
  EXPECT_EQ(spanText(search.find("$", "abc", 1)), "3-3");
  EXPECT_EQ(spanText(search.find("$", "abc", 3, kBackward)), "3-3");
  EXPECT_EQ(spanText(search.find(":i", "12 345", 99, kBackward)), "5-6");  // the nearest start
  EXPECT_EQ(spanText(search.find("x*", "abc", 99, kBackward)), "3-3");
  EXPECT_EQ(spanText(search.find("x*", "abc", -1, kBackward)), "none");
}

TEST(TextSearch, WholeWords) {
  SearchOptions plain{false, false, true};
  SearchOptions plainIgnoringCase{true, false, true};
  SearchOptions pattern{false, true, true};
  expectSpans(
      {
          SearchCase{"ab", plain, "ab", 0, kForward, "0-2"},
          SearchCase{"ab", plain, "xab abc ab", 0, kForward, "8-10"},
          SearchCase{"ab", plain, "ab\tab", 1, kForward, "3-5"},
          SearchCase{"ab", plain, "ab, ab", 0, kForward, "4-6"},  // a comma is no separator by default
          SearchCase{"ab", plain, "ab xab", 99, kBackward, "0-2"},
          SearchCase{"AB", plainIgnoringCase, "abc Ab", 0, kForward, "4-6"},
          SearchCase{"a b", plain, "xa b a b", 0, kForward, "5-8"},
          SearchCase{":i", pattern, "a12 34", 0, kForward, "4-6"},
          SearchCase{"[a-z]+", pattern, "ab1 cd", 0, kForward, "4-6"},
          SearchCase{"[a-z]*", pattern, "ab1", 0, kForward, "none"},
          SearchCase{"[ y]*b", pattern, "x yb", 0, kForward, "2-4"},  // a rejected match leaves no trace
          SearchCase{"a?*", pattern, "ab ac", 0, kForward, "0-5"},
          SearchCase{"a?*", pattern, "ab acx", 99, kBackward, "3-6"},
          SearchCase{"\\(a\\)\\1", pattern, "xaa aa", 0, kForward, "4-6"},
          SearchCase{"a[\\n]b", pattern, "a", 0, kForward, "0-1:1"},
      },
      {"b", "c"});
  Search search(plain);
  ASSERT_TRUE(search.separators.rebuild(", "));
  EXPECT_EQ(spanText(search.find("ab", "ab,x")), "0-2");
  EXPECT_EQ(spanText(search.find("ab", "ab\tx")), "none");
  // The table is read at each search, not copied when the text is prepared.
  ASSERT_TRUE(search.search.prepare("ab", plain, search.separators));
  ASSERT_TRUE(search.separators.rebuild("\\t"));
  EXPECT_EQ(spanText(search.search.find("ab\tx", 0, SearchDirection::kForward)), "0-2");
}

TEST(TextSearch, LineEndsInClasses) {
  struct Case {
    const char* pattern;
    const char* line;
    std::vector<std::string> following;
    const char* span;
  };
  for (const Case& c : {
           Case{"a[\\n]b", "xa", {"b"}, "1-1:1"},
           Case{"a[\\nx]*", "a", {"", "x", "y"}, "0-3:0"},
           Case{"a[\\n]^b", "xa", {"b"}, "1-1:1"},
           Case{"a[\\n]$", "a", {"", "b"}, "0-1:0"},
           Case{"[\\n]", "", {""}, "0-1:0"},
           Case{"a[\\n]b", "a", {}, "none"},  // nothing after the last line
           Case{"a[\\n]*$", "a", {}, "0-1"},
           Case{"a[^x]", "a", {"b"}, "none"},  // a negated class does not take the line end
           Case{"a?", "a", {"b"}, "none"},     // nor does ?
           Case{"a\\n", "a", {"b"}, "none"},   // nor a line feed outside a class
           Case{"a\\n", "a\nb", {}, "0-2"},
           Case{"\\(a[\\n]\\)\\1b", "a", {"a", "b"}, "0-2:1"},
           Case{"a[\\n]\\cb", "a", {"b"}, "0-1:1"},
       }) {
    Search search(kPatternExact);
    EXPECT_EQ(spanText(search.find(c.pattern, c.line, 0, SearchDirection::kForward, c.following)), c.span)
        << c.pattern << " in " << c.line;
  }

  Search search(kPatternExact);
  std::optional<SearchMatch> m = search.find("a[\\n]\\cb", "a", 0, SearchDirection::kForward, {"b"});
  ASSERT_TRUE(m);
  EXPECT_EQ(m->cursor, (TextPoint{1, 0}));
}

TEST(TextSearch, LinesAfterAreReadOnlyWhenNeeded) {
  WordSeparators separators;
  TextSearch search;
  ASSERT_TRUE(search.prepare("b[\\n]*c", kPatternExact, separators));
  FollowingLines lines({"", "", "c", "x"});
  EXPECT_TRUE(search.find("abc", 0, SearchDirection::kForward, &lines));
  EXPECT_TRUE(lines.asked.empty());
  EXPECT_EQ(spanText(search.find("ab", 0, SearchDirection::kForward, &lines)), "1-3:1");
  EXPECT_EQ(lines.asked, (std::vector<int>{1, 2, 3}));
}

// Patterns that backtrack without end in a naive matcher, on the longest
// lines the editor holds: the right answer, and no exhausted stack.
TEST(TextSearch, HardPatternsOnLongLines) {
  const std::string as(32767, 'a');
  struct Case {
    std::string pattern;
    std::string line;
    const char* span;
  };
  for (const Case& c : {
           Case{"a*b", as, "none"},
           Case{"?*?*?*?*b", as, "none"},
           Case{"[a-z]*[a-z]*[a-z]*b", as, "none"},
           Case{"a*a*a*a*a*b", as, "none"},
           Case{"a*a*a*a*$", as, "0-32767"},
           Case{"a*b", as + "b", "0-32768"},
           Case{"a*b", std::string(20000, 'a') + "xb", "20001-20002"},
           Case{"?*?*x", std::string(32766, 'y') + "x", "0-32767"},
       }) {
    Search search(kPatternExact);
    EXPECT_EQ(spanText(search.find(c.pattern, c.line)), c.span) << c.pattern;
  }
  // Back references are matched without the memo; the step budget ends the search.
  Search search(kPatternExact);
  EXPECT_EQ(spanText(search.find("\\(?*\\)\\(?*\\)\\(?*\\)\\1\\2\\3b", as.substr(0, 3000))), "none");
}

}  // namespace
}  // namespace tarn
