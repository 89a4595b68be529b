// Reformatting, justifying, centring, trimming and aligning: the text
// before, the margins and options, the call, the text and cursor after.
#include "core/settings.h"
#include "edit/blank_trims.h"
#include "edit/justification.h"
#include "format_fixture.h"

namespace tarn {
namespace {

const std::pair<int, int> kKeepTabs{opt::kKeepTabs, 1};
const Margins kDefault{};
const Margins k1To10{1, 10, 1};
const Margins k1To20{1, 20, 1};

class Formatting : public testing::TestWithParam<FormatCase> {};
TEST_P(Formatting, Run) { runFormatCase(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    ReformatParagraph, Formatting,
    testing::Values(
        FormatCase{"ParagraphMarginThenLeftMargin",
                   {"aa bb cc dd ee ff gg hh ii jj kk ll mm nn"}, {1, 20, 3}, {}, {1, 0},
                   fn::kReformatParagraph, 0,
                   {"  aa bb cc dd ee ff", "gg hh ii jj kk ll mm", "nn"}, {1, 2}},
        FormatCase{"LongWordStandsAlone", {"short averyveryverylongword end"}, k1To10, {}, {1, 0},
                   fn::kReformatParagraph, 0, {"short", "averyveryverylongword", "end"}, {1, 0}},
        FormatCase{"JoinsLinesUpToTheBlankLine", {"one two", "three four five six seven", "", "next para"}, k1To20,
                   {}, {1, 4}, fn::kReformatParagraph, 0,
                   {"one two three four", "five six seven", "", "next para"}, {1, 4}},
        FormatCase{"ParagraphEndsAtTheBottom", {"a", "b"}, kDefault, {}, {1, 0}, fn::kReformatParagraph, 0,
                   {"a b"}, {1, 0}},
        FormatCase{"LeftMarginIndentsLaterLines", {"one two three four five six"}, {3, 20, 1}, {}, {1, 0},
                   fn::kReformatParagraph, 0, {"one two three four", "  five six"}, {1, 0}},
        FormatCase{"InputIndentationGoes", {"    indented first line"}, kDefault, {}, {1, 4},
                   fn::kReformatParagraph, 0, {"indented first line"}, {1, 0}},
        FormatCase{"WithoutSingleBlankWordsBringTheirWhiteSpace", {"a  b   c", "d"}, {1, 30, 1},
                   {{opt::kSingleBlank, 0}}, {1, 0}, fn::kReformatParagraph, 0, {"a  b   c d"}, {1, 0}},
        FormatCase{"Option6JustifiesAllButTheLastLine", {"aaa bb c dddd eee"}, {1, 12, 1},
                   {{opt::kJustifyWhileTyping, 1}}, {1, 0}, fn::kReformatParagraph, 0,
                   {"aaa   bb   c", "dddd eee"}, {1, 0}},
        FormatCase{"TabBetweenWordsStays", {"ab \t cd  ef"}, kDefault, {kKeepTabs}, {1, 0},
                   fn::kReformatParagraph, 0, {"ab\tcd ef"}, {1, 0}},
        FormatCase{"CursorFollowsItsWordToTheNextLine", {"one two three"}, k1To10, {}, {1, 8},
                   fn::kReformatParagraph, 0, {"one two", "three"}, {2, 0}},
        FormatCase{"CursorKeepsItsCharacter", {"one   two"}, kDefault, {}, {1, 7}, fn::kReformatParagraph, 0,
                   {"one two"}, {1, 5}},
        FormatCase{"BlankLineIsLeftAlone", {"  ", "a  b"}, kDefault, {}, {1, 0}, fn::kReformatParagraph, 0, {},
                   {1, 0}},
        FormatCase{"LineMarkedVariantFailsWithoutALineMark", {"a  b"}, kDefault, {}, {1, 0},
                   fn::kReformatParagraph, 1, {}, {1, 0}, 0}),
    formatCaseName);

INSTANTIATE_TEST_SUITE_P(
    ReformatAll, Formatting,
    testing::Values(FormatCase{"EveryParagraphThenTheTop", {"", "aaa bbb ccc", "", "  ddd eee fff ggg"}, k1To10,
                               {}, {4, 3}, fn::kReformatAll, 0,
                               {"", "aaa bbb", "ccc", "", "ddd eee", "fff ggg"}, {1, 0}}),
    formatCaseName);

INSTANTIATE_TEST_SUITE_P(
    Justify, Formatting,
    testing::Values(
        FormatCase{"LineToTheRightMargin", {"aa bb cc"}, k1To10, {}, {1, 3}, fn::kJustifyLine, 0,
                   {"aa  bb  cc"}, {1, 4}},
        FormatCase{"BlanksSqueezedFirst", {"aa   bb  "}, k1To10, {}, {1, 0}, fn::kJustifyLine, 0,
                   {"aa      bb"}, {1, 0}},
        FormatCase{"LeadingBlanksStay", {"  aa bb"}, k1To10, {}, {1, 0}, fn::kJustifyLine, 0, {"  aa    bb"},
                   {1, 0}},
        FormatCase{"WiderThanTheMarginStays", {"aaaa bbbb cc"}, k1To10, {}, {1, 0}, fn::kJustifyLine, 0, {},
                   {1, 0}},
        FormatCase{"EmptyLineStays", {""}, k1To10, {}, {1, 0}, fn::kJustifyLine, 0, {}, {1, 0}},
        FormatCase{"ParagraphLeavesItsLastLine", {"aa bb cc", "dd ee ff", "gg hh"}, k1To10, {}, {1, 0},
                   fn::kJustifyParagraph, 0, {"aa  bb  cc", "dd  ee  ff", "gg hh"}, {1, 0}},
        FormatCase{"ParagraphFromTheCurrentLine", {"aa bb cc", "dd ee ff", "gg hh"}, k1To10, {}, {2, 0},
                   fn::kJustifyParagraph, 0, {"aa bb cc", "dd  ee  ff", "gg hh"}, {2, 0}},
        FormatCase{"AllParagraphsThenTheTop", {"aa bb cc", "x", "", "dd ee ff", "y"}, k1To10, {}, {5, 0},
                   fn::kJustifyAll, 0, {"aa  bb  cc", "x", "", "dd  ee  ff", "y"}, {1, 0}}),
    formatCaseName);

INSTANTIATE_TEST_SUITE_P(
    Centre, Formatting,
    testing::Values(
        FormatCase{"MarginsOneAndTen", {"abcd"}, k1To10, {}, {1, 2}, fn::kCenterInMargins, 0, {"   abcd"}, {1, 5}},
        FormatCase{"BlanksAroundAreDropped", {"  abcd     "}, k1To10, {}, {1, 0}, fn::kCenterInMargins, 0,
                   {"   abcd"}, {1, 3}},
        FormatCase{"LeftMarginCounts", {"ab"}, {5, 14, 5}, {}, {1, 0}, fn::kCenterInMargins, 0, {"        ab"},
                   {1, 8}},
        FormatCase{"ExactFitStays", {"abcdefghij"}, k1To10, {}, {1, 0}, fn::kCenterInMargins, 0, {}, {1, 0}},
        FormatCase{"TooLongFailsAndStays", {"abcdefghijk  "}, k1To10, {}, {1, 0}, fn::kCenterInMargins, 0, {},
                   {1, 0}, 0}),
    formatCaseName);

INSTANTIATE_TEST_SUITE_P(
    Trims, Formatting,
    testing::Values(
        FormatCase{"CompressKeepsLeadingBlanks", {"  a   b"}, kDefault, {}, {1, 6}, fn::kTrim, trim::kCompress,
                   {"  a b"}, {1, 4}},
        FormatCase{"LeadingTakesTabsToo", {" \t ab c "}, kDefault, {}, {1, 4}, fn::kTrim, trim::kLeading,
                   {"ab c "}, {1, 1}},
        FormatCase{"TrailingTakesBlanksOnly", {"ab  \t  "}, kDefault, {}, {1, 0}, fn::kTrim, trim::kTrailing,
                   {"ab  \t"}, {1, 0}},
        FormatCase{"AllThree", {"  a  b  "}, kDefault, {}, {1, 0}, fn::kTrim, 7, {"a b"}, {1, 0}},
        FormatCase{"CleanLineSucceeds", {"a b"}, kDefault, {}, {1, 0}, fn::kTrim, 7, {}, {1, 0}}),
    formatCaseName);

INSTANTIATE_TEST_SUITE_P(
    Align, Formatting,
    testing::Values(
        FormatCase{"ToTheCursorLeftwards", {"    abc"}, kDefault, {}, {1, 2}, fn::kAlign, 0, {"  abc"}, {1, 2}},
        FormatCase{"ToTheCursorRightwards", {"abc"}, kDefault, {}, {1, 4}, fn::kAlign, 0, {"    abc"}, {1, 4}},
        FormatCase{"BlankLineStays", {"   "}, kDefault, {}, {1, 1}, fn::kAlign, 0, {}, {1, 1}},
        FormatCase{"TabToTheNextStop", {"  abc"}, kDefault, {}, {1, 3}, fn::kAlignTab, 0, {"        abc"}, {1, 9}},
        FormatCase{"TabFromAStop", {"        abc"}, kDefault, {}, {1, 0}, fn::kAlignTab, 0,
                   {"                abc"}, {1, 0}},
        FormatCase{"TabOverAKeptTab", {"\tabc"}, kDefault, {kKeepTabs}, {1, 0}, fn::kAlignTab, 0,
                   {"                abc"}, {1, 0}},
        FormatCase{"TabWithoutAStopFails", {"        abc"}, kDefault, {{opt::kLongestLine, 12}}, {1, 0},
                   fn::kAlignTab, 0, {}, {1, 0}, 0},
        FormatCase{"BacktabToThePreviousStop", {"          abc"}, kDefault, {}, {1, 11}, fn::kAlignBacktab, 0,
                   {"        abc"}, {1, 9}},
        FormatCase{"BacktabBeforeTheFirstStop", {"    abc"}, kDefault, {}, {1, 0}, fn::kAlignBacktab, 0, {"abc"},
                   {1, 0}}),
    formatCaseName);

TEST(SetMargins, EngineKeepsEachMarginUsable) {
  struct Case {
    int left, right, paragraph, longest;
    Margins expected;
  };
  const Case cases[] = {
      {10, 80, 10, 32767, {10, 80, 10}},
      {0, 0, 0, 32767, {1, 80, 1}},
      {5, 200, 3, 100, {5, 80, 3}},
      {150, 90, 150, 100, {1, 90, 1}},
  };
  for (const Case& c : cases) {
    EditFixture f({"a"});
    f.setOption(opt::kLongestLine, c.longest);
    setMargins(f, {c.left, c.right, c.paragraph});
    const Settings& s = f.editor.settings;
    EXPECT_EQ((std::array{s.leftMargin, s.rightMargin, s.paragraphMargin}),
              (std::array{c.expected.left, c.expected.right, c.expected.paragraph}))
        << c.left << " " << c.right << " " << c.paragraph << " within " << c.longest;
  }
}

TEST(Justify, RoundingTurnsWithEveryJustifiedLine) {
  // Three columns to share between two blanks: 2 and 1, or 1 and 2.
  const std::string down = "a   b  c", up = "a  b   c";
  JustifyRounding rounding;
  EXPECT_EQ(justified("a b c", 8, rounding), down);
  EXPECT_EQ(justified("a b c", 8, rounding), up);
  EXPECT_EQ(justified("a b c", 8, rounding), down);

  // The editor's functions share one rounding, whatever it was before.
  EditFixture f({"a b c", "a b c", "a b c"});
  setMargins(f, {1, 8, 1});
  f.place({1, 0});
  f.send(fn::kJustifyParagraph);
  std::vector<std::string> text = f.text();
  EXPECT_NE(text[0], text[1]);
  EXPECT_TRUE(text[0] == down || text[0] == up) << text[0];
  EXPECT_TRUE(text[1] == down || text[1] == up) << text[1];
}

TEST(Trim, GivenTextIsTrimmedInsteadOfTheFile) {
  EditFixture f({"  x  "});
  f.place({1, 0});
  std::string text = " \t a   b  ";
  EXPECT_EQ(f.send(fn::kTrim, trim::kLeading | trim::kTrailing | trim::kCompress, reinterpret_cast<intptr_t>(&text)),
            1);
  EXPECT_EQ(text, "a b");
  EXPECT_EQ(f.text(), (std::vector<std::string>{"  x  "}));
}

TEST(Trim, PartOfALineKeepsTheTextRightOfIt) {
  // Columns 2 to 9 of "ab  c   d  ef" hold "  c   d ": trimmed, they are
  // padded back so that "ef" stays at column 11. The cursor is on the d.
  const std::string line = "ab  c   d  ef";
  struct Case {
    int bits;
    std::string after;
    int cursor;
  };
  const Case cases[] = {
      {trim::kLeading, "abc   d    ef", 6},
      {trim::kCompress, "ab  c d    ef", 6},
      {trim::kTrailing, line, 8},  // padded back, the part is what it was
  };
  for (const Case& c : cases) {
    EditFixture f({line});
    f.place({1, 8});
    LineScope scope = currentLineScope(*f.doc);
    scope.part = [](const Line&, LineIndex) { return ColumnSpan{2, 9}; };
    EngineCall call{f.editor.engine, &f.editor, *f.doc, fn::kTrim, 0, 0, 1};
    EXPECT_EQ(trimLines(call, scope, c.bits), c.after != line) << c.bits;
    EXPECT_EQ(f.text()[0], c.after) << c.bits;
    EXPECT_EQ(f.cursor(), (Pos{1, c.cursor})) << c.bits;
  }
}

}  // namespace
}  // namespace tarn
