#include "core/options.h"
#include "edit_fixture.h"

namespace tarn {
namespace {

constexpr int kNoFreeCursor = opt::kFreeCursor;
const std::pair<int, int> kKeepTabs{opt::kKeepTabs, 1};
const std::pair<int, int> kCompatible{opt::kBehaviour, 30 | behaviour::kCompatibility};

class CursorMoves : public testing::TestWithParam<EditCase> {};
TEST_P(CursorMoves, Run) { runCase(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    LineAndColumn, CursorMoves,
    testing::Values(
        EditCase{"LeftAtColumn0SucceedsInPlace", {"abc"}, {1, 0}, fn::kLeft, 0, 0, 1, {}, {1, 0}},
        EditCase{"LeftOneColumn", {"abc"}, {1, 2}, fn::kLeft, 0, 0, 1, {}, {1, 1}},
        EditCase{"RightWithinText", {"abc"}, {1, 1}, fn::kRight, 0, 0, 1, {}, {1, 2}},
        EditCase{"RightPastEndWithFreeCursor", {"abc"}, {1, 3}, fn::kRight, 0, 0, 1, {}, {1, 4}},
        EditCase{"RightAtEndGoesToNextLine", {"abc", "de"}, {1, 3}, fn::kRight, 0, 0, 1, {}, {2, 0},
                 {{kNoFreeCursor, 0}}},
        EditCase{"RightAtEndOfLastLineStays", {"abc"}, {1, 3}, fn::kRight, 0, 0, 0, {}, {1, 3},
                 {{kNoFreeCursor, 0}}},
        EditCase{"RightFailsAtLongestLine", {"abc"}, {1, 4}, fn::kRight, 0, 0, 0, {}, {1, 4},
                 {{opt::kLongestLine, 5}}},
        EditCase{"RightPassesKeptTabWhole", {"\tx"}, {1, 0}, fn::kRight, 0, 0, 1, {}, {1, 8}, {kKeepTabs}},
        EditCase{"RightOverExpandedTabByteIsOneColumn", {"\tx"}, {1, 0}, fn::kRight, 0, 0, 1, {}, {1, 1}},
        EditCase{"UpAtFirstLineFails", {"a", "b"}, {1, 0}, fn::kUp, 0, 0, 0, {}, {1, 0}},
        EditCase{"DownAtLastLineFails", {"a", "b"}, {2, 0}, fn::kDown, 0, 0, 0, {}, {2, 0}},
        EditCase{"DownKeepsColumn", {"abcdef", "x"}, {1, 5}, fn::kDown, 0, 0, 1, {}, {2, 5}},
        EditCase{"DownFromTopOfFile", {"a"}, {0, 0}, fn::kDown, 0, 0, 1, {}, {1, 0}},
        EditCase{"EndLine", {"abc"}, {1, 1}, fn::kEndLine, 0, 0, 1, {}, {1, 3}},
        EditCase{"EndLineCountsKeptTabs", {"\tab"}, {1, 0}, fn::kEndLine, 0, 0, 1, {}, {1, 10}, {kKeepTabs}},
        EditCase{"BeginLine", {"abc"}, {1, 2}, fn::kBeginLine, 0, 0, 1, {}, {1, 0}},
        EditCase{"TopKeepsColumn", {"a", "b", "c"}, {3, 4}, fn::kTop, 0, 0, 1, {}, {1, 4}},
        EditCase{"BottomKeepsColumn", {"a", "b", "c"}, {1, 4}, fn::kBottom, 0, 0, 1, {}, {3, 4}},
        EditCase{"FirstNonblank", {"   x"}, {1, 0}, fn::kFirstNonblank, 0, 0, 1, {}, {1, 3}},
        EditCase{"FirstNonblankOnWhiteLineFails", {"   "}, {1, 1}, fn::kFirstNonblank, 0, 0, 0, {}, {1, 1}},
        EditCase{"FirstNonblankOnWhiteLineCompatibleGoesToEnd", {"   "}, {1, 0}, fn::kFirstNonblank, 0, 0,
                 1, {}, {1, 3}, {kCompatible}},
        EditCase{"FirstNonblankOnEmptyLineCompatibleFails", {""}, {1, 0}, fn::kFirstNonblank, 0, 0, 0, {},
                 {1, 0}, {kCompatible}},
        EditCase{"Column", {"abc"}, {1, 0}, fn::kColumn, 7, 0, 1, {}, {1, 7}},
        EditCase{"ColumnBelowZeroFails", {"abc"}, {1, 1}, fn::kColumn, -1, 0, 0, {}, {1, 1}},
        EditCase{"ColumnAtLongestLineFails", {"abc"}, {1, 1}, fn::kColumn, 9, 0, 0, {}, {1, 1},
                 {{opt::kLongestLine, 9}}},
        EditCase{"GotoLineKeepsColumn", {"a", "b", "c"}, {1, 2}, fn::kGotoLine, 1, 3, 1, {}, {3, 2}},
        EditCase{"GotoLineBeyondTextFails", {"a", "b", "c"}, {1, 2}, fn::kGotoLine, 1, 4, 0, {}, {1, 2}},
        EditCase{"GotoLineZeroFails", {"a", "b"}, {2, 0}, fn::kGotoLine, 1, 0, 0, {}, {2, 0}},
        EditCase{"GotoLineOtherFormFails", {"a", "b"}, {1, 0}, fn::kGotoLine, 0, 2, 0, {}, {1, 0}}),
    caseName);

// A count of n moves as n single steps would and stops where a step fails;
// the call fails only when the first step does.
INSTANTIATE_TEST_SUITE_P(
    Counted, CursorMoves,
    testing::Values(
        EditCase{"RightCountedAlongText", {"abcdef"}, {1, 1}, fn::kRight, 0, 0, 1, {}, {1, 4}, {}, 3},
        EditCase{"RightCountedCrossesLineEnds", {"ab", "cd"}, {1, 1}, fn::kRight, 0, 0, 1, {}, {2, 1},
                 {{kNoFreeCursor, 0}}, 3},
        EditCase{"RightCountedStopsAtTheLastLineEnd", {"ab"}, {1, 0}, fn::kRight, 0, 0, 1, {}, {1, 2},
                 {{kNoFreeCursor, 0}}, 5},
        EditCase{"RightCountedAtTheLastLineEndFails", {"ab"}, {1, 2}, fn::kRight, 0, 0, 0, {}, {1, 2},
                 {{kNoFreeCursor, 0}}, 3},
        EditCase{"RightCountedStopsBelowTheLongestLine", {"ab"}, {1, 0}, fn::kRight, 0, 0, 1, {}, {1, 5},
                 {{opt::kLongestLine, 6}}, 10},
        EditCase{"RightCountedPassesKeptTabsWhole", {"a\tb\tc"}, {1, 0}, fn::kRight, 0, 0, 1, {}, {1, 9},
                 {kKeepTabs}, 3},
        EditCase{"RightCountedFromInsideAKeptTab", {"\tab"}, {1, 3}, fn::kRight, 0, 0, 1, {}, {1, 9},
                 {kKeepTabs}, 2},
        EditCase{"LeftCountedStopsAtColumn0", {"abc"}, {1, 2}, fn::kLeft, 0, 0, 1, {}, {1, 0}, {}, 5},
        EditCase{"LeftCountedGoesByColumnsThroughKeptTabs", {"\tx"}, {1, 9}, fn::kLeft, 0, 0, 1, {}, {1, 6},
                 {kKeepTabs}, 3},
        EditCase{"UpCountedStopsAtTheFirstLine", {"a", "b", "c"}, {3, 0}, fn::kUp, 0, 0, 1, {}, {1, 0}, {}, 5},
        EditCase{"DownCountedKeepsColumn", {"abc", "d", "ef"}, {1, 2}, fn::kDown, 0, 0, 1, {}, {3, 2}, {}, 2},
        EditCase{"DownCountedAtTheLastLineFails", {"a", "b"}, {2, 0}, fn::kDown, 0, 0, 0, {}, {2, 0}, {}, 2}),
    caseName);

// On long lines, with and without kept tabs, and over many lines, a counted
// move lands where the same number of single steps lands.
TEST(CountedMoves, LandWhereSingleStepsLand) {
  std::string tabbed;
  while (tabbed.size() < 4000) tabbed += "\tsome words";
  struct Case {
    const char* what;
    std::string text;
    bool keepTabs;
    int code;
    Pos start;
    int count;
  };
  const Case cases[] = {
      {"right along a long line", std::string(32766, 'x'), false, fn::kRight, {1, 0}, 30000},
      {"right along kept tabs and on", tabbed, true, fn::kRight, {1, 5}, 6000},
      {"left through kept tabs", tabbed, true, fn::kLeft, {1, 4000}, 3000},
      {"down over many lines", "x", false, fn::kDown, {1, 0}, 2500},
  };
  for (const Case& c : cases) {
    std::vector<std::string> lines(c.code == fn::kDown ? 3000 : 2, c.text);
    EditFixture counted(lines);
    EditFixture stepped(lines);
    for (EditFixture* f : {&counted, &stepped}) {
      f->setOption(opt::kKeepTabs, c.keepTabs);
      f->setOption(opt::kFreeCursor, 0);
      f->place(c.start);
    }
    EXPECT_EQ(counted.send(c.code, 0, 0, c.count), 1) << c.what;
    for (int i = 0; i < c.count; ++i) stepped.send(c.code);
    EXPECT_EQ(counted.cursor(), stepped.cursor()) << c.what;
    EXPECT_EQ(counted.windowTop(), stepped.windowTop()) << c.what;
  }
}

const std::vector<std::string> kParagraphs = {"p1a", "p1b", "", "  p2a", "p2b", " "};

INSTANTIATE_TEST_SUITE_P(
    BlankLinesAndParagraphs, CursorMoves,
    testing::Values(
        EditCase{"FindBlankLineTakesWhiteSpaceLines", {"a", "b", "  ", "c"}, {1, 2}, fn::kFindBlankLine, 0,
                 0, 1, {}, {3, 0}},
        EditCase{"FindBlankLineWithoutOneFails", {"a", "b"}, {1, 1}, fn::kFindBlankLine, 0, 0, 0, {}, {1, 1}},
        EditCase{"NextParagraph", kParagraphs, {1, 1}, fn::kNextParagraph, 0, 0, 1, {}, {4, 2}},
        EditCase{"NextParagraphFromTopOfFile", kParagraphs, {0, 0}, fn::kNextParagraph, 0, 0, 1, {}, {1, 0}},
        EditCase{"NextParagraphAfterLastFails", kParagraphs, {4, 2}, fn::kNextParagraph, 0, 0, 0, {}, {4, 2}},
        EditCase{"PreviousParagraphToStartOfCurrent", kParagraphs, {5, 1}, fn::kPrevParagraph, 0, 0, 1, {},
                 {4, 2}},
        EditCase{"PreviousParagraphFromItsFirstLine", kParagraphs, {4, 2}, fn::kPrevParagraph, 0, 0, 1, {},
                 {1, 0}},
        EditCase{"PreviousParagraphFromBlankLine", kParagraphs, {6, 0}, fn::kPrevParagraph, 0, 0, 1, {},
                 {4, 2}},
        EditCase{"PreviousParagraphBeforeFirstFails", kParagraphs, {1, 2}, fn::kPrevParagraph, 0, 0, 0, {},
                 {1, 2}}),
    caseName);

const std::vector<std::string> kWords = {"foo bar  baz", "", "  qux"};

INSTANTIATE_TEST_SUITE_P(
    Words, CursorMoves,
    testing::Values(
        EditCase{"TabWordToNextWord", kWords, {1, 0}, fn::kTabWord, 0, 0, 1, {}, {1, 4}},
        EditCase{"TabWordFromInsideWord", kWords, {1, 5}, fn::kTabWord, 0, 0, 1, {}, {1, 9}},
        EditCase{"TabWordCrossesLines", kWords, {1, 9}, fn::kTabWord, 0, 0, 1, {}, {3, 2}},
        EditCase{"TabWordFromPastEnd", kWords, {1, 30}, fn::kTabWord, 0, 0, 1, {}, {3, 2}},
        EditCase{"TabWordAtLastWordFails", kWords, {3, 2}, fn::kTabWord, 0, 0, 0, {}, {3, 2}},
        EditCase{"BacktabWordFromWordStart", kWords, {1, 9}, fn::kBacktabWord, 0, 0, 1, {}, {1, 4}},
        EditCase{"BacktabWordFromInsideWordGoesPastItsStart", kWords, {1, 6}, fn::kBacktabWord, 0, 0, 1, {},
                 {1, 0}},
        EditCase{"BacktabWordFromSeparator", kWords, {1, 8}, fn::kBacktabWord, 0, 0, 1, {}, {1, 4}},
        EditCase{"BacktabWordPastEndTakesLastWord", kWords, {1, 20}, fn::kBacktabWord, 0, 0, 1, {}, {1, 9}},
        EditCase{"BacktabWordCrossesLines", kWords, {3, 2}, fn::kBacktabWord, 0, 0, 1, {}, {1, 9}},
        EditCase{"BacktabWordAtFirstWordFails", kWords, {1, 0}, fn::kBacktabWord, 0, 0, 0, {}, {1, 0}},
        EditCase{"BeginWordInsideWord", kWords, {1, 6}, fn::kBeginWord, 0, 0, 1, {}, {1, 4}},
        EditCase{"BeginWordFromSeparatorTakesWordBefore", kWords, {1, 8}, fn::kBeginWord, 0, 0, 1, {},
                 {1, 4}},
        EditCase{"BeginWordWithNoWordBeforeFails", kWords, {3, 1}, fn::kBeginWord, 0, 0, 0, {}, {3, 1}},
        EditCase{"EndWord", kWords, {1, 0}, fn::kEndWord, 0, 0, 1, {}, {1, 2}},
        EditCase{"EndWordSkipsSeparatorsFirst", kWords, {1, 3}, fn::kEndWord, 0, 0, 1, {}, {1, 6}},
        EditCase{"EndWordAlreadyThereFails", kWords, {1, 2}, fn::kEndWord, 0, 0, 0, {}, {1, 2}},
        EditCase{"EndWordWithNoWordAfterFails", kWords, {1, 12}, fn::kEndWord, 0, 0, 0, {}, {1, 12}}),
    caseName);

TEST(WordMoves, FollowTheWordSeparators) {
  EditFixture f({"a.b c"});
  ASSERT_TRUE(f.editor.engine.wordSeparators().rebuild("."));
  f.place({1, 0});
  EXPECT_EQ(f.send(fn::kTabWord), 1);
  EXPECT_EQ(f.cursor(), (Pos{1, 2}));  // the blank is a word character now
  EXPECT_EQ(f.send(fn::kTabWord), 0);
}

TEST(Margins, MoveToTheOneBasedMarginColumns) {
  EditFixture f({"", "text", "more"});
  f.editor.settings.leftMargin = 5;
  f.editor.settings.rightMargin = 60;
  f.editor.settings.paragraphMargin = 9;
  f.place({3, 0});
  EXPECT_EQ(f.send(fn::kLeftMargin), 1);
  EXPECT_EQ(f.cursor().column, 4);
  EXPECT_EQ(f.send(fn::kRightMargin), 1);
  EXPECT_EQ(f.cursor().column, 59);
  EXPECT_EQ(f.send(fn::kParagraphMargin), 1);
  EXPECT_EQ(f.cursor().column, 8);

  // Indent: the paragraph margin after a blank line, else the left margin.
  EXPECT_EQ(f.send(fn::kIndent), 1);
  EXPECT_EQ(f.cursor().column, 4);
  f.place({2, 0});
  EXPECT_EQ(f.send(fn::kIndent), 1);
  EXPECT_EQ(f.cursor().column, 8);
}

}  // namespace
}  // namespace tarn
