// The sort order of each letter and key columns, and the sort engine on a
// document: lines relinked in place, duplicates removed, cursor kept.
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
