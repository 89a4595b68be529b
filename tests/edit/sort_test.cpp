// The sort order of each letter and key columns, and the sort engine on a
// document: lines relinked in place, duplicates removed, cursor kept.
#include <algorithm>
#include <random>
#include <string_view>

#include "edit/sort_order.h"
#include "edit_fixture.h"

namespace tarn {
namespace {

using namespace sortbit;

struct SortCase {
  std::string name;
  std::vector<std::string> lines;
  SortRule rule;
  std::vector<std::string> sorted;
};

void PrintTo(const SortCase& c, std::ostream* out) { *out << c.name; }

std::vector<std::string> sortedLines(const std::vector<std::string>& lines, const SortRule& rule) {
  std::vector<std::string_view> views(lines.begin(), lines.end());
  std::vector<std::string> out;
  for (uint32_t i : sortedOrder(views, rule)) out.push_back(lines[i]);
  return out;
}

class SortOrder : public testing::TestWithParam<SortCase> {};
TEST_P(SortOrder, Run) { EXPECT_EQ(sortedLines(GetParam().lines, GetParam().rule), GetParam().sorted); }

INSTANTIATE_TEST_SUITE_P(
    Letters, SortOrder,
    testing::Values(
        SortCase{"Bytes", {"b", "a", "c", "B"}, {}, {"B", "a", "b", "c"}},
        SortCase{"Descending", {"b", "a", "c"}, {kDescending}, {"c", "b", "a"}},
        SortCase{"IgnoreCaseKeepsEqualLinesInOrder", {"b", "B", "a", "b"}, {kIgnoreCase}, {"a", "b", "B", "b"}},
        SortCase{"DescendingKeepsEqualLinesInOrder", {"b", "B", "a"}, {kIgnoreCase | kDescending}, {"b", "B", "a"}},
        SortCase{"Numbers", {"10", "9", "100", "-1.5", "x", "2e1", " 3"}, {kNumbers},
                 {"-1.5", "x", " 3", "9", "10", "2e1", "100"}},
        SortCase{"BlanksCountWithoutR", {"  b", "a", " c"}, {}, {"  b", " c", "a"}},
        SortCase{"RSkipsBlanksAtTheKeyStart", {"  b", "a", " c"}, {kSkipBlanks}, {"a", "  b", " c"}},
        SortCase{"RKeepsTheKeyLength", {"x  abc", "y ab d"}, {kSkipBlanks | kUniqueKeys, 2, 4}, {"y ab d", "x  abc"}},
        SortCase{"CompactLeavesOneOfEqualLines", {"a", "a", "a"}, {kCompact}, {"a"}},
        SortCase{"CompactAfterSorting", {"b", "a", "b", "a"}, {kCompact}, {"a", "b"}},
        SortCase{"CompactWithICaseFolds", {"A", "b", "a"}, {kCompact | kIgnoreCase}, {"A", "b"}},
        SortCase{"UniqueKeys", {"a1", "b1", "a2"}, {kUniqueKeys, 1, 1}, {"a1", "b1"}},
        SortCase{"UniqueKeysOnlyWhereBothReachTheKeyEnd", {"a", "ab", "a", "ab"}, {kUniqueKeys, 1, 2},
                 {"a", "a", "ab"}}),
    [](const testing::TestParamInfo<SortCase>& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    KeyColumns, SortOrder,
    testing::Values(
        SortCase{"FiveToTenDescending", {"1   cherry!", "2   apple", "3   banana"}, {kDescending, 5, 10},
                 {"1   cherry!", "3   banana", "2   apple"}},
        SortCase{"NumbersWithinTheKey", {"a 12x", "b 3 y", "c 1000"}, {kNumbers, 3, 4},
                 {"b 3 y", "c 1000", "a 12x"}},
        SortCase{"ShortLinesFirstByTheirWholeText", {"abcdefg", "cd", "xyzabc", "ab"}, {0, 5, 0},
                 {"ab", "cd", "xyzabc", "abcdefg"}},
        SortCase{"ShortLinesLastDescending", {"abcdefg", "cd", "xyzabc", "ab"}, {kDescending, 5, 0},
                 {"abcdefg", "xyzabc", "cd", "ab"}},
        SortCase{"KeyToTheEndTieBrokenByWholeLines", {"b-x", "a-x"}, {0, 2, 0}, {"a-x", "b-x"}},
        SortCase{"KeyColumnsTieBrokenFromTheKeyStart", {"a1z", "b1y"}, {0, 2, 2}, {"b1y", "a1z"}},
        SortCase{"EndBeforeStartComparesFromTheKeyStart", {"xb", "ya"}, {0, 2, 1}, {"ya", "xb"}}),
    [](const testing::TestParamInfo<SortCase>& info) { return info.param.name; });

// The comparison rules written out plainly, for random texts: the sort
// must give what a stable sort with them gives, whatever shortcuts it takes.
int referenceCompare(std::string_view a, std::string_view b, const SortRule& rule) {
  auto bytes = [&](std::string_view x, std::string_view y) {
    std::string p(x), q(y);
    if (rule.bits & kIgnoreCase) {
      for (char& c : p) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      for (char& c : q) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return p.compare(q) < 0 ? -1 : p.compare(q) > 0 ? 1 : 0;
  };
  auto start = static_cast<size_t>(rule.keyStart);
  bool shortA = a.size() < start, shortB = b.size() < start;
  if (shortA || shortB) return shortA && shortB ? bytes(a, b) : shortA ? -1 : 1;
  auto fromKey = [&](std::string_view x) {
    x.remove_prefix(start - 1);
    if (rule.bits & kSkipBlanks)
      while (!x.empty() && x[0] == ' ') x.remove_prefix(1);
    return x;
  };
  auto key = [&](std::string_view x) {
    x = fromKey(x);
    return rule.keyEnd ? x.substr(0, static_cast<size_t>(std::max(rule.keyEnd - rule.keyStart + 1, 0))) : x;
  };
  if (rule.bits & kNumbers) {
    auto number = [&](std::string_view x) {
      std::string k(key(x));
      size_t i = k.find_first_not_of(" \t");
      if (i == std::string::npos || !(std::isdigit(static_cast<unsigned char>(k[i])) || k[i] == '-' || k[i] == '.'))
        return 0.0;
      try {
        return std::stod(k.substr(i));
      } catch (...) {
        return 0.0;
      }
    };
    double x = number(a), y = number(b);
    return x < y ? -1 : x > y ? 1 : 0;
  }
  if (int c = bytes(key(a), key(b))) return c;
  if (rule.keyEnd) return bytes(fromKey(a), fromKey(b));
  return rule.keyStart > 1 ? bytes(a, b) : 0;
}

TEST(SortOrder, AgreesWithAPlainStableSortOnRandomTexts) {
  std::mt19937 random(7);
  const std::string alphabet("aAbB 1-.\xE9\0", 10);  // any bytes, NUL too
  for (int round = 0; round < 400; ++round) {
    std::vector<std::string> lines(random() % 30);
    for (std::string& line : lines) {
      line.resize(random() % 12);
      for (char& c : line) c = alphabet[random() % alphabet.size()];
      // Long common beginnings: the order is settled beyond the first bytes.
      if (random() % 2) line = std::string(14 + random() % 5, random() % 2 ? 'a' : 'A') + line;
    }
    SortRule rule{static_cast<int>(random() % 16), 1 + static_cast<int>(random() % 4), 0};
    if (random() % 2) rule.keyEnd = rule.keyStart + static_cast<int>(random() % 20);
    std::vector<std::string> expected = lines;
    int sign = rule.bits & kDescending ? -1 : 1;
    std::stable_sort(expected.begin(), expected.end(), [&](const std::string& a, const std::string& b) {
      return sign * referenceCompare(a, b, rule) < 0;
    });
    ASSERT_EQ(sortedLines(lines, rule), expected) << "round " << round << " bits " << rule.bits << " key "
                                                  << rule.keyStart << "-" << rule.keyEnd;
  }
}

TEST(SortRule, EngineArgumentsUnpack) {
  struct Case {
    int start, end;
    SortRule expected;
  };
  const Case cases[] = {
      {0, 0, {0, 1, 0}},
      {5, 10, {0, 5, 10}},
      {-3, 0, {kDescending, 3, 0}},
      {32767, 32767, {0, 32767, 32767}},
  };
  for (const Case& c : cases) {
    SortRule rule = sortRuleOf(0, packedSortColumns(c.start, c.end));
    EXPECT_EQ((std::array{rule.bits, rule.keyStart, rule.keyEnd}),
              (std::array{c.expected.bits, c.expected.keyStart, c.expected.keyEnd}))
        << c.start << " " << c.end;
  }
}

TEST(SortEngine, LinesKeepTheirIdentityAndTheCursorItsPlace) {
  EditFixture f({"delta", "alpha", "charlie", "bravo"});
  f.place({1, 2});
  f.send(fn::kBookmarkSet, 'a');  // on delta
  Line* delta = f.doc->current;
  EXPECT_EQ(f.send(fn::kSortLines), 1);
  EXPECT_EQ(f.text(), (std::vector<std::string>{"alpha", "bravo", "charlie", "delta"}));
  EXPECT_EQ(f.cursor(), (Pos{1, 2}));
  EXPECT_EQ(f.doc->bookmarks[0].line, delta);
  EXPECT_EQ(f.doc->bookmarks[0].lineNumber, toIndex(UserLine(4)));
  EXPECT_EQ(f.doc->lineAt(toIndex(UserLine(4))), delta);
  EXPECT_GT(f.doc->changeCount(), 0);
}

TEST(SortEngine, RemovedLinesGoAndTheCursorStaysInTheText) {
  EditFixture f({"b", "a", "b", "a", "b"});
  f.place({5, 1});
  EXPECT_EQ(f.send(fn::kSortLines, kCompact), 1);
  EXPECT_EQ(f.text(), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(f.cursor(), (Pos{2, 1}));
  EXPECT_EQ(f.doc->textLineCount(), 2);
}

TEST(SortEngine, SortedTextIsNoChange) {
  EditFixture f({"a", "b", "c"});
  f.place({2, 0});
  EXPECT_EQ(f.send(fn::kSortLines), 1);
  EXPECT_EQ(f.doc->changeCount(), 0);
}

}  // namespace
}  // namespace tarn
