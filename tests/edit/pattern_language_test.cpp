// The pattern language, as tables: pattern, text, the span found searching
// forward from column 0.
#include <gtest/gtest.h>

#include "edit/pattern_compiler.h"
#include "search_helpers.h"

namespace tarn {
namespace {

struct SpanCase {
  const char* pattern;
  std::string line;
  const char* span;
};

void expectSpans(SearchOptions options, std::initializer_list<SpanCase> cases) {
  for (const SpanCase& c : cases) {
    Search search(options);
    EXPECT_EQ(spanText(search.find(c.pattern, c.line)), c.span) << c.pattern << " in \"" << c.line << '"';
  }
}

TEST(PatternLanguage, AnyCharacterAndRepeats) {
  expectSpans(kPatternExact, {
                                 {"a?c", "xabcx", "1-4"},
                                 {"a?c", "ac", "none"},
                                 {"ab*c", "xac", "1-3"},
                                 {"ab*c", "abbbc", "0-5"},
                                 {"ab+c", "xac", "none"},
                                 {"ab+c", "xabbc", "1-5"},
                                 {"a?*c", "abcbc", "0-5"},  // longest first
                                 {"a?*c", "abcbd", "0-3"},  // then shorter
                                 {"a?+", "a", "none"},
                                 {"?*", "", "0-0"},
                                 {"a*", "bbb", "0-0"},  // an empty match is a match
                                 {"[ab]*b", "aabab", "0-5"},
                                 {"x?*?*?*y", "x12y", "0-4"},
                             });
}

TEST(PatternLanguage, StarAndPlusAsOrdinaryCharacters) {
  expectSpans(kPatternExact, {
                                 {"*a", "x*a", "1-3"},  // at the very start
                                 {"+a", "a+a", "1-3"},
                                 {"^*", "*x", "0-1"},  // after ^
                                 {"^*", "x*", "none"},
                                 {"a$*", "a$*", "0-3"},  // after $
                                 {"a**", "aa*", "0-3"},  // after another *
                                 {"a*+", "+", "0-1"},
                                 {"a+*", "b", "0-0"},  // a * after + widens it to none or more
                                 {"a++", "aaa", "0-3"},
                                 {"+*b", "++b", "0-3"},  // the ordinary + can be repeated
                                 {"\\**", "a**", "0-0"},
                                 {"x\\**", "x**", "0-3"},
                                 {"{*a}", "*a", "0-2"},  // nothing before it in the braces
                                 {"\\(*\\)", "*", "0-1"},
                             });
}

TEST(PatternLanguage, LineStartAndEnd) {
  expectSpans(kPatternExact, {
                                 {"^a", "ba", "none"},
                                 {"^a", "ab", "0-1"},
                                 {"^$", "", "0-0"},
                                 {"^$", "x", "none"},
                                 {"a$", "aba", "2-3"},
                                 {"$", "abc", "3-3"},
                                 {"a$b", "xa$b", "1-4"},  // $ in the middle is ordinary
                                 {"a$|b", "ab", "1-2"},   // before |: the line end
                                 {"a$|b", "xa", "1-2"},
                                 {"{a$}", "ab a", "3-4"},  // before }
                                 {"{a$|c}d", "a$d", "none"},
                                 {"b|^a", "xab", "2-3"},
                             });
}

TEST(PatternLanguage, CharacterClasses) {
  expectSpans(kPatternExact, {
                                 {"[a-c]+", "xxbcax", "2-5"},
                                 {"[^a-c]", "abcd", "3-4"},
                                 {"[^a-c]+", "abc", "none"},
                                 {"[-a]+", "x-a-", "1-4"},  // minus first
                                 {"[a-]+", "x-a-", "1-4"},  // minus last
                                 {"[a\\-z]+", "b-az", "1-4"},
                                 {"[\\]]", "a]", "1-2"},
                                 {"[\\t]", "at\tb", "2-3"},  // the escapes work inside a class
                                 {"[ \\t]+", "a \t b", "1-4"},
                                 {"[\\^]", "a^", "1-2"},
                                 {"[a^]+", "^a", "0-2"},
                                 {"[:d]+", "5:d", "1-3"},  // no predefined classes inside a class
                                 {"[]", "abc", "none"},
                                 {"[^]", "abc", "0-1"},
                                 {"[0-9]",
                                  "\xB5"
                                  "9",
                                  "1-2"},
                                 {"[\x80-\xFF]", "a\xE9", "1-2"},
                             });
}

TEST(PatternLanguage, Alternatives) {
  expectSpans(kPatternExact, {
                                 {"{ab|a}c", "ac", "0-2"},
                                 {"{ab|a}c", "abc", "0-3"},
                                 {"{a|ab}", "ab", "0-1"},    // tried in order
                                 {"{a|ab}c", "abc", "0-3"},  // the next one when the rest fails
                                 {"{abb|a}b+c", "abbcd", "0-4"},
                                 {"x|y", "ay", "1-2"},
                                 {"ab|b", "xb", "1-2"},
                                 {"{a|b}+", "ab", "none"},  // + after } is ordinary
                                 {"{a|b}+", "b+", "0-2"},
                                 {"{a|{b|c}d}e", "cde", "0-3"},
                                 {"{|a}b", "ab", "0-2"},
                                 {"x{}y|q", "xy", "0-2"},
                                 {"a}|q", "a}", "0-2"},        // a } without { is ordinary
                                 {"\\(a|b\\)c", "bc", "0-2"},  // | inside a group
                             });
}

TEST(PatternLanguage, Escapes) {
  expectSpans(kPatternExact, {
                                 {"\\t", "a\tb", "1-2"},
                                 {"\\E", "a\x1B", "1-2"},
                                 {"\\b\\f\\r", "\b\f\r", "0-3"},
                                 {"\\q", "q", "0-1"},
                                 {"a\\*", "aa*", "1-3"},
                                 {"\\?", "a?", "1-2"},
                                 {"\\[a", "[a", "0-2"},
                                 {"\\{a|b\\}", "b}", "0-2"},
                                 {"\\|", "a|", "1-2"},
                                 {"\\$", "$a", "0-1"},
                                 {"a\\", "a\\", "0-2"},  // a backslash at the end stands for itself
                                 {"\\\\", "\\", "0-1"},
                             });
}

TEST(PatternLanguage, PredefinedClasses) {
  expectSpans(kPatternExact, {
                                 {":i", "ab123c", "2-5"},
                                 {":d", "ab123c", "2-3"},
                                 {":d+", "ab12", "2-4"},
                                 {":d*", "ab12", "0-0"},
                                 {":i*", "12", "0-2"},
                                 {"x:i*", "x", "0-1"},
                                 {":a", "- b", "2-3"},
                                 {":b", "a \t b", "1-4"},
                                 {":c", "12z", "2-3"},
                                 {":f", "<name.txt>", "1-9"},
                                 {":f", "a\\b", "0-1"},
                                 {":h", "zz0fFz", "2-5"},
                                 {":l", "1 _a1 b", "2-5"},
                                 {":w", "12 abc", "3-6"},
                                 {":x", "a:xb", "1-3"},  // unknown letter: an ordinary colon
                                 {":", "a:", "1-2"},
                                 {"\\:i", "3:i", "1-3"},
                                 {"::i", "a:7", "1-3"},
                             });
}

TEST(PatternLanguage, GroupsAndBackReferences) {
  expectSpans(kPatternExact, {
                                 {"\\(a?\\)\\1", "xabab", "1-5"},
                                 {"\\(?\\)\\1", "abccd", "2-4"},
                                 {"\\(a\\)\\1*", "aaaa", "0-4"},
                                 {"\\(a\\)\\1+", "a", "none"},
                                 {"\\(a*\\)b\\1", "aabaa", "0-5"},
                                 {"\\(a*\\)b\\1$", "aaba", "1-4"},
                                 {"\\(x*\\)\\1*y", "y", "0-1"},     // a repeated empty group
                                 {"{\\(a\\)|b}\\1", "bb", "none"},  // the group did not match
                                 {"{\\(a\\)|b}\\1", "aa", "0-2"},
                                 {"\\(\\(a\\)b\\)\\2\\1", "abaab", "0-5"},
                             });
}

TEST(PatternLanguage, IgnoringCase) {
  expectSpans(kPatternIgnoringCase, {
                                        {"abc", "xABC", "1-4"},
                                        {"ABC", "xabc", "1-4"},
                                        {"[a-c]+", "xBcA", "1-4"},
                                        {"[A-C]", "b", "0-1"},
                                        {"[^a]", "A", "none"},
                                        {"[^a]", "b", "0-1"},
                                        {":w", "12Ab", "2-4"},
                                        {"\\(ab\\)\\1", "abAB", "0-4"},
                                        {"\\E", "\x1B", "0-1"},
                                        {"[", "[", "none"},
                                        {"[@]", "`", "none"},  // only letters fold
                                    });
}

TEST(PatternLanguage, CursorMarkerAndGroups) {
  Search search(kPatternExact);
  std::optional<SearchMatch> m = search.find("ab\\cc", "xabc");
  ASSERT_TRUE(m);
  EXPECT_EQ(spanText(m), "1-4");
  EXPECT_EQ(m->cursor, (TextPoint{0, 3}));

  m = search.find("\\(ab\\)\\(cd\\)", "xabcd");
  ASSERT_TRUE(m);
  EXPECT_FALSE(m->cursor);
  EXPECT_EQ(m->groups[0], (TextSpan{{0, 1}, {0, 3}}));
  EXPECT_EQ(m->groups[1], (TextSpan{{0, 3}, {0, 5}}));
  EXPECT_FALSE(m->groups[2]);

  // A group given up on while backtracking leaves nothing behind.
  m = search.find("{\\(a\\)x|ab}", "ab");
  ASSERT_TRUE(m);
  EXPECT_FALSE(m->groups[0]);

  m = search.find("\\(a\\)\\(b\\)\\(c\\)\\(d\\)\\(e\\)\\(f\\)\\(g\\)\\(h\\)\\(i\\)\\9", "abcdefghii");
  ASSERT_TRUE(m);
  EXPECT_EQ(m->groups[8], (TextSpan{{0, 8}, {0, 9}}));
}

TEST(PatternLanguage, MalformedPatternsFindNothing) {
  for (const char* bad : {
           "\\(a\\)\\(b\\)\\(c\\)\\(d\\)\\(e\\)\\(f\\)\\(g\\)\\(h\\)\\(i\\)\\(j\\)",  // ten groups
           "a\\)",                                                                    // \) without \(
           "{a\\)}",
           "\\(a{b\\)}",
           "\\(a\\1\\)",  // a group not yet closed
           "\\1\\(a\\)",
           "\\2\\(a\\)",
           "[abc",  // unclosed
           "[a\\",
           "{a|b",
           "\\(ab",
       }) {
    EXPECT_FALSE(compilePattern(bad, false)) << bad;
    Search search(kPatternExact);
    EXPECT_EQ(spanText(search.find(bad, "abc abcdefghij \\()[]{}|")), "none") << bad;
  }
}

TEST(PatternLanguage, SizeLimits) {
  // A search text of up to 1023 characters always fits.
  std::string alternatives = "a";
  while (alternatives.size() + 2 <= 1023) alternatives += "|a";
  EXPECT_TRUE(compilePattern(alternatives, false));
  std::string classes;
  while (classes.size() + 2 <= 1023) classes += ":l";
  EXPECT_TRUE(compilePattern(classes, true));

  std::string tooMany = alternatives + alternatives + alternatives;
  EXPECT_FALSE(compilePattern(tooMany, false));

  std::string deep(65, '{');
  deep += 'a';
  deep += std::string(65, '}');
  EXPECT_FALSE(compilePattern(deep, false));
  EXPECT_TRUE(compilePattern(deep.substr(1, deep.size() - 2), false));
}

}  // namespace
}  // namespace tarn
