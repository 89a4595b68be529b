// Replacement texts built for matches.
#include "edit/replacement.h"

#include <gtest/gtest.h>

#include "search_helpers.h"

namespace tarn {
namespace {

struct ReplacementCase {
  const char* search;
  const char* replacement;
  bool patternMode;
  std::string line;
  std::vector<std::string> following;
  std::string expected;
};

std::string replaced(const ReplacementCase& c) {
  WordSeparators separators;
  TextSearch search;
  FollowingLines lines(c.following);
  if (!search.prepare(c.search, {false, c.patternMode, false}, separators)) return "<no search>";
  std::optional<SearchMatch> match = search.find(c.line, 0, SearchDirection::kForward, &lines);
  if (!match) return "<not found>";
  Replacement replacement;
  replacement.prepare(c.replacement, c.patternMode);
  std::string out = "left over";
  if (!replacement.build(*match, search.matchedText(), out)) return "<refused: " + out + ">";
  return out;
}

TEST(Replacement, Texts) {
  for (const ReplacementCase& c : {
           ReplacementCase{"\\(ab\\)\\(cd\\)", "\\2\\1", true, "abcd", {}, "cdab"},
           ReplacementCase{":i", "<&>", true, "ab123c", {}, "<123>"},
           ReplacementCase{"b", "[&&]", true, "abc", {}, "[bb]"},
           ReplacementCase{"b", "[&]", false, "abc", {}, "[&]"},  // plain mode: as it stands
           ReplacementCase{"b", "\\1\\t", false, "abc", {}, "\\1\\t"},
           ReplacementCase{"b|\\(c\\)", "x\\1y", true, "abc", {}, "xy"},  // a group that did not match
           ReplacementCase{"b", "x\\5y", true, "abc", {}, "xy"},          // a group the pattern lacks
           ReplacementCase{"b", "\\&\\\\\\t\\n\\E\\q\\0", true, "abc", {}, "&\\\t\n\x1Bq0"},
           ReplacementCase{"b", "x\\", true, "abc", {}, "x\\"},
           ReplacementCase{"b", "", true, "abc", {}, ""},
           ReplacementCase{"a[\\n]b", "[&]", true, "xa", {"bx"}, "[a\nb]"},
           ReplacementCase{"\\(a[\\n]*\\)b", "\\1", true, "a", {"", "b"}, "a\n\n"},
       }) {
    EXPECT_EQ(replaced(c), c.expected) << c.search << " -> " << c.replacement;
  }
}

TEST(Replacement, NoLongerThan1023Characters) {
  std::string line(1000, 'a');
  EXPECT_EQ(replaced({"a*", "&xxxxxxxxxxxxxxxxxxxxxxx", true, line, {}, ""}), line + std::string(23, 'x'));
  EXPECT_EQ(replaced({"a*", "&xxxxxxxxxxxxxxxxxxxxxxxx", true, line, {}, ""}), "<refused: >");
  EXPECT_EQ(replaced({"a", std::string(1024, 'y').c_str(), false, "a", {}, ""}), "<refused: >");
}

}  // namespace
}  // namespace tarn
