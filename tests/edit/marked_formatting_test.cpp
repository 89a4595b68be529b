// The formatting functions on the mark: reflow, trims, sort, the align
// functions and create table on each kind of mark, and the mark they leave.
#include "core/settings.h"
#include "core/sort_bits.h"
#include "core/tab_stops.h"
#include "edit/blank_trims.h"
#include "format_fixture.h"
#include "mark_fixture.h"

namespace tarn {
namespace {

constexpr int kLine = fn::kMarkLine;
constexpr int kChar = fn::kMarkChar;
constexpr int kBlock = fn::kMarkBlock;
constexpr int kToggle = fn::kToggleLineMark;
const std::pair<int, int> kKeepTabs{opt::kKeepTabs, 1};

// The mark a case leaves: its kind (-1: none), its first and last lines in
// user numbers and, for a character or block mark, its columns.
struct MarkLeft {
  int kind = -1;
  int first = 0;
  int last = 0;
  int firstColumn = 0;
  int lastColumn = 0;
  bool operator==(const MarkLeft&) const = default;
};

std::ostream& operator<<(std::ostream& out, const MarkLeft& m) {
  return out << "kind " << m.kind << " lines " << m.first << "-" << m.last << " columns " << m.firstColumn << "-"
             << m.lastColumn;
}

MarkLeft markLeft(const Document& doc) {
  MarkRecord r = markRecordOf(doc);
  if (r.kind < 0) return {};
  return {r.kind, toUser(r.first).value(), toUser(r.last).value(), r.firstColumn, r.lastColumn};
}

// A block function case, the margins it sees and the mark it leaves.
struct MarkedCase {
  BlockCase call;
  MarkLeft left;
  Margins margins = {};
};

void PrintTo(const MarkedCase& c, std::ostream* out) { *out << c.call.name; }

class MarkedFormatting : public testing::TestWithParam<MarkedCase> {};

TEST_P(MarkedFormatting, Run) {
  const MarkedCase& c = GetParam();
  runBlockCase(
      c.call, [&](EditFixture& f) { ASSERT_EQ(setMargins(f, c.margins), 1); },
      [&](EditFixture& f) { EXPECT_EQ(markLeft(*f.doc), c.left); });
}

std::string caseName(const testing::TestParamInfo<MarkedCase>& info) { return info.param.call.name; }

const MarkLeft kNoMark{};
MarkLeft lines(int first, int last) { return {markkind::kLine, first, last}; }
MarkLeft block(int first, int last, int firstColumn, int lastColumn) {
  return {markkind::kBlock, first, last, firstColumn, lastColumn};
}
MarkLeft characters(int first, int last, int firstColumn, int lastColumn) {
  return {markkind::kCharacter, first, last, firstColumn, lastColumn};
}

constexpr int kReflow = fn::kReformatParagraph;

INSTANTIATE_TEST_SUITE_P(
    Reflow, MarkedFormatting,
    testing::Values(
        MarkedCase{{"LinesShrinkTheMarkFollowsTheCursorGoesToIt", {"aa bb cc", "dd", "ee ff", "", "next"},
                    {kLine, {1, 0}, {3, 0}}, {5, 2}, kReflow, 1, 1, {"aa bb cc dd ee ff", "", "next"}, {1, 2}},
                    lines(1, 1)},
        MarkedCase{{"LinesGrowAndTheLinesAroundStay", {"x", "aa bb cc dd ee", "y"}, {kLine, {2, 0}, {2, 0}}, {2, 4},
                    kReflow, 1, 1, {"x", "aa bb", "cc dd", "ee", "y"}, {2, 4}}, lines(2, 4), {1, 5, 1}},
        MarkedCase{{"EachParagraphOnItsOwnBlankLinesStay", {"aa", "bb", "", "cc", "dd"}, {kLine, {1, 0}, {5, 0}},
                    {1, 0}, kReflow, 1, 1, {"aa bb", "", "cc dd"}, {1, 0}}, lines(1, 3)},
        MarkedCase{{"MarkEndingInsideAParagraphFillsOnlyItsLines", {"aa", "bb", "cc"}, {kLine, {1, 0}, {2, 0}}, {1, 0},
                    kReflow, 1, 1, {"aa bb", "cc"}, {1, 0}}, lines(1, 1)},
        MarkedCase{{"CursorInALaterLineKeepsItsCharacter", {"aaa bbb", "ccc ddd"}, {kLine, {1, 0}, {2, 0}}, {2, 5},
                    kReflow, 1, 1, {"aaa bbb ccc ddd"}, {1, 13}}, lines(1, 1)},
        MarkedCase{{"ParagraphMarginOnTheFirstLine", {"aa bb cc dd"}, {kLine, {1, 0}, {1, 0}}, {1, 0}, kReflow, 1, 1,
                    {"   aa bb", "cc dd"}, {1, 3}}, lines(1, 2), {1, 8, 4}},
        MarkedCase{{"TabbedLinesAtTheFileEnd", {"x", "", "a\tb", "cc"}, {kLine, {3, 0}, {4, 0}}, {1, 0}, kReflow, 1, 1,
                    {"x", "", "a\tb cc"}, {3, 0}, {kKeepTabs}}, lines(3, 3)},
        MarkedCase{{"ToggledLinesAndThoseBetween", {"aa", "bb", "cc", "dd"}, {kToggle, {1, 0}, {3, 0}}, {1, 0}, kReflow,
                    1, 1, {"aa bb cc", "dd"}, {1, 0}}, lines(1, 1)},
        MarkedCase{{"FailsWithACharacterMark", {"aa", "bb"}, {kChar, {1, 0}, {2, 1}}, {1, 0}, kReflow, 1, 0, {},
                    {1, 0}}, characters(1, 2, 0, 1)},
        MarkedCase{{"FailsWithoutAMark", {"aa", "bb"}, {}, {1, 0}, kReflow, 1, 0, {}, {1, 0}}, kNoMark}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    ReformatOverAMark, MarkedFormatting,
    testing::Values(
        MarkedCase{{"BlockCornersKeepTheirLinesWithinAndBelow", {"aa bb", "cc dd", "ee", "", "zz"},
                    {kBlock, {2, 0}, {5, 1}}, {1, 0}, kReflow, 0, 1, {"aa bb cc dd ee", "", "zz"}, {1, 0}},
                    block(1, 3, 0, 1)},
        MarkedCase{{"CharacterMarkWithinStaysWithin", {"aa", "bb", "cc"}, {kChar, {2, 0}, {3, 1}}, {1, 0}, kReflow, 0,
                    1, {"aa bb cc"}, {1, 0}}, characters(1, 1, 0, 1)},
        MarkedCase{{"LineMarkWithinCoversTheNewLines", {"aa", "bb", "cc", "", "zz"}, {kLine, {2, 0}, {2, 0}}, {1, 0},
                    kReflow, 0, 1, {"aa bb cc", "", "zz"}, {1, 0}}, lines(1, 1)},
        MarkedCase{{"MarkElsewhereKeepsToItsText", {"aa", "bb", "", "zz"}, {kLine, {4, 0}, {4, 0}}, {1, 0}, kReflow, 0,
                    1, {"aa bb", "", "zz"}, {1, 0}}, lines(3, 3)},
        MarkedCase{{"ReformatAllRemovesTheMark", {"aa", "bb"}, {kLine, {1, 0}, {2, 0}}, {1, 0}, fn::kReformatAll, 0, 1,
                    {"aa bb"}, {1, 0}}, kNoMark}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    Trims, MarkedFormatting,
    testing::Values(
        MarkedCase{{"LineMarkEveryLine", {"  a  ", " b ", "  c"}, {kLine, {1, 0}, {2, 0}}, {3, 0}, fn::kTrim,
                    trim::kLeading | trim::kTrailing, 1, {"a", "b", "  c"}, {3, 0}}, lines(1, 2)},
        MarkedCase{{"ToggledLineMarkAlsoTheLinesBetween", {" a", " b", " c"}, {kToggle, {1, 0}, {3, 0}}, {1, 0},
                    fn::kTrim, trim::kLeading, 1, {"a", "b", "c"}, {1, 0}}, lines(1, 3)},
        MarkedCase{{"BlockPartOnlyTheTextRightStays", {"ab   cd  ef", "x    y   z"}, {kBlock, {1, 2}, {2, 7}}, {1, 0},
                    fn::kTrim, trim::kLeading, 1, {"abcd     ef", "x y      z"}, {1, 0}}, block(1, 2, 2, 7)},
        MarkedCase{{"CharacterMarkOverSeveralLines", {"aa  bb", "  cc  ", "dd   ee"}, {kChar, {1, 3}, {3, 4}}, {1, 0},
                    fn::kTrim, trim::kLeading | trim::kTrailing, 1, {"aa bb", "cc", "dd   ee"}, {1, 0}},
                    characters(1, 3, 3, 4)},
        MarkedCase{{"CompressInsideABlockAtTheFileEnd", {"x", "a  b  c  d"}, {kBlock, {2, 0}, {2, 6}}, {2, 9},
                    fn::kTrim, trim::kCompress, 1, {"x", "a b c    d"}, {2, 9}}, block(2, 2, 0, 6)},
        MarkedCase{{"BlockOverKeptTabsWorksOnTheExpandedLine", {"\tx  y"}, {kBlock, {1, 8}, {1, 12}}, {1, 0}, fn::kTrim,
                    trim::kCompress, 1, {"        x y"}, {1, 0}, {kKeepTabs}}, block(1, 1, 8, 12)}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    Sort, MarkedFormatting,
    testing::Values(
        MarkedCase{{"LineMarkSortsItsLinesOnly", {"z", "c", "b", "a", "y"}, {kLine, {2, 0}, {4, 0}}, {2, 0},
                    fn::kSortLines, 0, 1, {"z", "a", "b", "c", "y"}, {2, 0}}, lines(2, 4)},
        MarkedCase{{"BlockColumnsAreTheKey", {"x 3 q", "y 1 r", "z 2 p", "a 0 a"}, {kBlock, {1, 2}, {3, 2}}, {1, 0},
                    fn::kSortLines, 0, 1, {"y 1 r", "z 2 p", "x 3 q", "a 0 a"}, {1, 0}}, block(1, 3, 2, 2)},
        MarkedCase{{"GivenColumnsOverTheBlocks", {"x 3 q", "y 1 r", "z 2 p"}, {kBlock, {1, 2}, {3, 2}}, {1, 0},
                    fn::kSortLines, 0, 1, {"z 2 p", "x 3 q", "y 1 r"}, {1, 0}, {}, packedSortColumns(5, 5)},
                    block(1, 3, 2, 2)},
        MarkedCase{{"CharacterMarkFromCornerToCornerOnItsColumns", {"top", "b2", "a3", "c1", "end"},
                    {kChar, {2, 1}, {4, 1}}, {1, 0}, fn::kSortLines, 0, 1, {"top", "c1", "b2", "a3", "end"}, {1, 0}},
                    characters(2, 4, 1, 1)},
        MarkedCase{{"CompactShrinksTheMark", {"a", "a", "b", "z"}, {kLine, {1, 0}, {3, 0}}, {4, 0}, fn::kSortLines,
                    sortbit::kCompact, 1, {"a", "b", "z"}, {3, 0}}, lines(1, 2)},
        MarkedCase{{"UniqueKeysOfABlockAtTheFileEnd", {"x", "b1", "a1", "c2"}, {kBlock, {2, 1}, {4, 1}}, {1, 0},
                    fn::kSortLines, sortbit::kUniqueKeys, 1, {"x", "b1", "c2"}, {1, 0}}, block(2, 3, 1, 1)},
        MarkedCase{{"SortedAlreadyIsNoChange", {"a", "b", "c"}, {kLine, {1, 0}, {2, 0}}, {1, 0}, fn::kSortLines, 0, 1,
                    {}, {1, 0}}, lines(1, 2)}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    AlignMark, MarkedFormatting,
    testing::Values(
        MarkedCase{{"LineMarkToTheCursorColumn", {"  a", "b", "      c", "   ", "d"}, {kLine, {1, 0}, {4, 0}}, {1, 3},
                    fn::kAlignMark, 0, 1, {"   a", "   b", "   c", "   ", "d"}, {1, 3}}, lines(1, 4)},
        MarkedCase{{"BlockMarkMovesWholeLines", {"a  x", "    b"}, {kBlock, {1, 3}, {2, 4}}, {1, 1}, fn::kAlignMark, 0,
                    1, {" a  x", " b"}, {1, 1}}, block(1, 2, 3, 4)},
        MarkedCase{{"CharacterMarkFromItsFirstToItsLastLine", {"a", "b", "c"}, {kChar, {1, 0}, {2, 0}}, {3, 1},
                    fn::kAlignMark, 0, 1, {" a", " b", "c"}, {3, 1}}, characters(1, 2, 0, 0)},
        MarkedCase{{"FailsWithoutAMark", {"a"}, {}, {1, 2}, fn::kAlignMark, 0, 0, {}, {1, 2}}, kNoMark}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    MarkTab, MarkedFormatting,
    testing::Values(
        MarkedCase{{"LineMarkFromColumnZero", {"ab", "  cd", ""}, {kLine, {1, 0}, {3, 0}}, {2, 3}, fn::kMarkTab, 0, 1,
                    {"        ab", "        cd", ""}, {2, 9}}, lines(1, 3)},
        MarkedCase{{"BlockFromItsStartColumn", {"ab cd", "ab    ef", "a"}, {kBlock, {1, 2}, {3, 3}}, {1, 0},
                    fn::kMarkTab, 0, 1, {"ab      cd", "ab      ef", "a"}, {1, 0}}, block(1, 3, 2, 3)},
        MarkedCase{{"CharacterMarkFromItsStartOnTheFirstLine", {"ab cd", "  ef"}, {kChar, {1, 2}, {2, 1}}, {1, 0},
                    fn::kMarkTab, 0, 1, {"ab      cd", "        ef"}, {1, 0}}, characters(1, 2, 2, 1)},
        MarkedCase{{"KeptTabAtTheFileEndBecomesBlanks", {"x", "\tab"}, {kLine, {2, 0}, {2, 0}}, {1, 0}, fn::kMarkTab, 0,
                    1, {"x", "                ab"}, {1, 0}, {kKeepTabs}}, lines(2, 2)},
        MarkedCase{{"NoStopForOneLineMovesNone", {"  a", "        b"}, {kLine, {1, 0}, {2, 0}}, {1, 0}, fn::kMarkTab, 0,
                    0, {}, {1, 0}, {{opt::kLongestLine, 12}}}, lines(1, 2)},
        MarkedCase{{"BacktabLineMark", {"          a", "   b", "c"}, {kLine, {1, 0}, {3, 0}}, {1, 0}, fn::kMarkBacktab,
                    0, 1, {"        a", "b", "c"}, {1, 0}}, lines(1, 3)},
        MarkedCase{{"BacktabCharacterMarkWithinItsPartsOnly", {"ab          cd", "          ef"},
                    {kChar, {1, 2}, {2, 1}}, {1, 0}, fn::kMarkBacktab, 0, 1, {"ab      cd", "        ef"}, {1, 0}},
                    characters(1, 2, 2, 1)},
        MarkedCase{{"FailsWithoutAMark", {"  a"}, {}, {1, 0}, fn::kMarkTab, 0, 0, {}, {1, 0}}, kNoMark}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    AlignBlock, MarkedFormatting,
    testing::Values(
        MarkedCase{{"BlanksGoWhereTheTextBeginsInTheBlock", {"ab   cd", "ab cd", "ab      cd", "abcd", "a"},
                    {kBlock, {1, 2}, {5, 5}}, {2, 4}, fn::kAlignBlock, 0, 1,
                    {"abcd", "abcd", "ab      cd", "abcd", "a"}, {2, 3}}, block(1, 5, 2, 5)},
        MarkedCase{{"CursorWithinTheBlanksGoesToTheStartColumn", {"x   y"}, {kBlock, {1, 1}, {1, 4}}, {1, 2},
                    fn::kAlignBlock, 0, 1, {"xy"}, {1, 1}}, block(1, 1, 1, 4)},
        MarkedCase{{"FailsWithALineMark", {"x   y"}, {kLine, {1, 0}, {1, 0}}, {1, 0}, fn::kAlignBlock, 0, 0, {},
                    {1, 0}}, lines(1, 1)}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    CreateTable, MarkedFormatting,
    testing::Values(
        MarkedCase{{"WordsOnTheStopsFromTheFirstAtOrAfterTheText", {"name age", "  bob   42  ", "", "x"},
                    {kLine, {1, 0}, {3, 0}}, {4, 0}, fn::kCreateTable, 0, 1,
                    {"        name    age", "        bob     42  ", "", "x"}, {4, 0}}, lines(1, 3)},
        MarkedCase{{"AWordReachingTheNextStopGoesToTheOneAfter", {"        abcdefgh x"}, {kLine, {1, 0}, {1, 0}},
                    {1, 0}, fn::kCreateTable, 0, 1, {"        abcdefgh        x"}, {1, 0}}, lines(1, 1)},
        MarkedCase{{"WhereNoStopIsLeftTheRestStays", {"a b c"}, {kLine, {1, 0}, {1, 0}}, {1, 0}, fn::kCreateTable, 0, 1,
                    {"        a       b c"}, {1, 0}, {{opt::kLongestLine, 20}}}, lines(1, 1)},
        MarkedCase{{"KeptTabsBetweenWordsGiveWay", {"a\tb c"}, {kLine, {1, 0}, {1, 0}}, {1, 0}, fn::kCreateTable, 0, 1,
                    {"        a       b       c"}, {1, 0}, {kKeepTabs}}, lines(1, 1)},
        MarkedCase{{"FailsWithABlockMark", {"a b"}, {kBlock, {1, 0}, {1, 1}}, {1, 0}, fn::kCreateTable, 0, 0, {},
                    {1, 0}}, block(1, 1, 0, 1)}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    CopyMarkWrap, MarkedFormatting,
    testing::Values(
        MarkedCase{{"WordsBeyondTheMarginGoToANewLine", {"zz", "aaaa bbbb"}, {kChar, {1, 0}, {1, 1}}, {2, 12},
                    fn::kCopyMark, 0, 1, {"zz", "aaaa bbbb", "zz"}, {3, 0}, {{opt::kWordWrap, 1}}},
                    characters(1, 1, 0, 1), {1, 10, 1}},
        MarkedCase{{"Option5FillsTheParagraph", {"xx yy", "", "aa", "bb"}, {kChar, {1, 0}, {1, 4}}, {3, 2},
                    fn::kCopyMark, 0, 1, {"xx yy", "", "aaxx yy bb"}, {3, 2},
                    {{opt::kWordWrap, 1}, {opt::kReformatWhileTyping, 1}}}, characters(1, 1, 0, 4), {1, 20, 1}}),
    caseName);

// The functions of the mark act on it in whichever file holds it; the
// trims, sort and reflow on the current file's own.
TEST(MarkedFormatting, MarkInAnotherFile) {
  EditFixture f({"  a", "  b"});
  CreateRequest request{nullptr, nullptr};
  f.editor.engine.send(nullptr, msg::kCreate, 0, reinterpret_cast<intptr_t>(&request));
  Document& other = *request.result;
  other.freeLines();
  for (const char* text : {"x    ", "y  "}) other.appendLine(makeLine(text));
  other.addSentinels();
  makeMark(f, {kLine, {1, 0}, {2, 0}});
  auto sendOther = [&](int code, intptr_t arg1 = 0) { return f.editor.engine.send(&other, code, arg1); };
  auto otherText = [&] {
    return std::vector<std::string>{std::string(other.firstText()->view()), std::string(other.lastText()->view())};
  };
  other.current = other.firstText();
  other.currentLineNumber = toIndex(UserLine(1));
  other.cursorColumn = 4;

  EXPECT_EQ(sendOther(fn::kAlignMark), 1);
  EXPECT_EQ(f.text(), (std::vector<std::string>{"    a", "    b"}));
  EXPECT_EQ(sendOther(fn::kMarkBacktab), 1);
  EXPECT_EQ(f.text(), (std::vector<std::string>{"a", "b"}));

  EXPECT_EQ(sendOther(fn::kTrim, trim::kTrailing), 1);  // the other file's current line
  EXPECT_EQ(otherText(), (std::vector<std::string>{"x", "y  "}));
  EXPECT_EQ(sendOther(fn::kReformatParagraph, 1), 0);
  EXPECT_EQ(sendOther(fn::kSortLines, sortbit::kDescending), 1);  // the other file, whole
  EXPECT_EQ(otherText(), (std::vector<std::string>{"y  ", "x"}));
  EXPECT_EQ(markLeft(*f.doc), lines(1, 2));
}

TEST(MarkedFormatting, ReadOnlyFilesAreRefused) {
  struct Case {
    int markCode;
    int code;
    intptr_t arg1;
  };
  const Case cases[] = {
      {kLine, fn::kReformatParagraph, 1}, {kBlock, fn::kTrim, trim::kLeading}, {kLine, fn::kSortLines, 0},
      {kLine, fn::kAlignMark, 0},         {kChar, fn::kMarkTab, 0},            {kBlock, fn::kAlignBlock, 0},
      {kLine, fn::kCreateTable, 0},
  };
  for (const Case& c : cases) {
    EditFixture f({"  b a", "  a b"});
    makeMark(f, {c.markCode, {1, 0}, {2, 3}});
    f.doc->flags |= docflag::kReadOnly;
    f.place({1, 1});
    EXPECT_EQ(f.send(c.code, c.arg1), 0) << std::hex << c.code;
    EXPECT_EQ(f.text(), (std::vector<std::string>{"  b a", "  a b"})) << std::hex << c.code;
    EXPECT_EQ(f.console.beeps(), 1) << std::hex << c.code;
  }
}

TEST(MarkedFormatting, AlignBlockNeedsBothCorners) {
  EditFixture f({"x   y"});
  f.place({1, 1});
  f.send(kBlock);
  EXPECT_EQ(f.send(fn::kAlignBlock), 0);
  EXPECT_EQ(f.text(), (std::vector<std::string>{"x   y"}));
}

TEST(MarkedFormatting, CreateTableTakesTheWordSeparatorsAndTabStops) {
  EditFixture f({"name,age,town", "bo,42,x"});
  ASSERT_TRUE(f.editor.engine.wordSeparators().rebuild(" ,"));
  setTabStops(f.editor.engine.tabStops(), 1, 6);
  makeMark(f, {kLine, {1, 0}, {2, 0}});
  EXPECT_EQ(f.send(fn::kCreateTable), 1);
  EXPECT_EQ(f.text(), (std::vector<std::string>{"name  age   town", "bo    42    x"}));
}

}  // namespace
}  // namespace tarn
