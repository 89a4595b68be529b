// The block functions on each kind of mark, as tables of single calls.
#include "core/options.h"
#include "mark_fixture.h"

namespace tarn {
namespace {

constexpr int kLine = fn::kMarkLine;
constexpr int kChar = fn::kMarkChar;
constexpr int kBlock = fn::kMarkBlock;
const std::pair<int, int> kKeepTabs{opt::kKeepTabs, 1};
const std::pair<int, int> kLinesWithoutMark{opt::kBehaviour, 30 & ~behaviour::kNoLineActionWithoutMark};

class BlockFunctions : public testing::TestWithParam<BlockCase> {};
TEST_P(BlockFunctions, Run) { runBlockCase(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    CopyMark, BlockFunctions,
    testing::Values(
        BlockCase{"LinesGoAfterTheCursorLine", {"a", "b", "c"}, {kLine, {1, 0}, {2, 0}}, {3, 0}, fn::kCopyMark, 0, 1,
                  {"a", "b", "c", "a", "b"}, {3, 0}},
        BlockCase{"LinesOnTheBottomOfFileLineGoAboveIt", {"a", "b"}, {kLine, {1, 0}, {1, 0}}, {3, 0}, fn::kCopyMark,
                  0, 1, {"a", "b", "a"}, {4, 0}},
        BlockCase{"CharactersOnOneLine", {"abcdef"}, {kChar, {1, 1}, {1, 3}}, {1, 5}, fn::kCopyMark, 0, 1,
                  {"abcdebcdf"}, {1, 5}},
        BlockCase{"CharactersSplitTheCursorLine", {"abcdef", "ghijkl", "xyz"}, {kChar, {1, 4}, {2, 1}}, {3, 1},
                  fn::kCopyMark, 0, 1, {"abcdef", "ghijkl", "xef", "ghyz"}, {3, 1}},
        BlockCase{"CharactersPastTheLineEndPadIt", {"ab", "cd"}, {kChar, {1, 0}, {1, 1}}, {2, 4}, fn::kCopyMark, 0,
                  1, {"ab", "cd  ab"}, {2, 4}},
        BlockCase{"CharactersOfTabbedLinesByDisplayColumn", {"a\tbc"}, {kChar, {1, 8}, {1, 9}}, {1, 0},
                  fn::kCopyMark, 0, 1, {"bca\tbc"}, {1, 0}, {kKeepTabs}},
        BlockCase{"BlockAsARectangle", {"abcdef", "ghijkl", "mn"}, {kBlock, {1, 1}, {2, 2}}, {2, 4}, fn::kCopyMark,
                  0, 1, {"abcdef", "ghijbckl", "mn  hi"}, {2, 4}},
        BlockCase{"BlockAddsLinesAtTheFileEnd", {"abc", "def"}, {kBlock, {1, 0}, {2, 1}}, {2, 3}, fn::kCopyMark, 0,
                  1, {"abc", "defab", "   de"}, {2, 3}},
        BlockCase{"BlockPiecesKeepTheirWidthBeforeText", {"abcd", "x", "wxyz", "1234"}, {kBlock, {1, 1}, {2, 2}},
                  {3, 1}, fn::kCopyMark, 0, 1, {"abcd", "x", "wbcxyz", "1  234"}, {3, 1}},
        BlockCase{"BlockIntoItself", {"abcdef", "ghijkl"}, {kBlock, {1, 1}, {2, 3}}, {1, 2}, fn::kCopyMark, 0, 1,
                  {"abbcdcdef", "ghhijijkl"}, {1, 2}},
        BlockCase{"NothingWithoutAMark", {"abc"}, {}, {1, 1}, fn::kCopyMark, 0, 0, {}, {1, 1}},
        BlockCase{"NoPieceOnTheTopOfFileLine", {"abc"}, {kChar, {1, 0}, {1, 1}}, {0, 0}, fn::kCopyMark, 0, 0, {},
                  {0, 0}}),
    blockCaseName);

INSTANTIATE_TEST_SUITE_P(
    MoveMark, BlockFunctions,
    testing::Values(
        BlockCase{"LinesDown", {"a", "b", "c", "d"}, {kLine, {1, 0}, {2, 0}}, {4, 0}, fn::kMoveMark, 0, 1,
                  {"c", "d", "a", "b"}, {2, 0}},
        BlockCase{"LinesUp", {"a", "b", "c", "d"}, {kLine, {3, 0}, {4, 0}}, {1, 0}, fn::kMoveMark, 0, 1,
                  {"a", "c", "d", "b"}, {1, 0}},
        BlockCase{"LinesOntoOneOfThemFail", {"a", "b", "c"}, {kLine, {1, 0}, {2, 0}}, {2, 0}, fn::kMoveMark, 0, 0,
                  {}, {2, 0}},
        BlockCase{"CharactersBehindThemOnTheLine", {"abcdef"}, {kChar, {1, 1}, {1, 2}}, {1, 5}, fn::kMoveMark, 0, 1,
                  {"adebcf"}, {1, 3}},
        BlockCase{"CharactersOfSeveralLinesUp", {"abcdef", "ghijkl", "mnop"}, {kChar, {2, 2}, {3, 1}}, {1, 3},
                  fn::kMoveMark, 0, 1, {"abcijkl", "mndef", "ghop"}, {1, 3}},
        BlockCase{"CursorBehindTheMarkOnItsLastLine", {"abcdef", "ghijkl"}, {kChar, {1, 2}, {2, 1}}, {2, 4},
                  fn::kMoveMark, 0, 1, {"abijcdef", "ghkl"}, {1, 4}},
        BlockCase{"CharactersIntoThemselvesFail", {"abcdef"}, {kChar, {1, 1}, {1, 4}}, {1, 2}, fn::kMoveMark, 0, 0,
                  {}, {1, 2}},
        BlockCase{"BlockRightOfItself", {"abcdef", "ghijkl"}, {kBlock, {1, 1}, {2, 2}}, {1, 5}, fn::kMoveMark, 0, 1,
                  {"adebcf", "gjkhil"}, {1, 3}},
        BlockCase{"BlockBelowTheFileEnd", {"abc", "def"}, {kBlock, {1, 1}, {2, 1}}, {2, 3}, fn::kMoveMark, 0, 1,
                  {"ac", "dfb", "  e"}, {2, 2}}),
    blockCaseName);

INSTANTIATE_TEST_SUITE_P(
    OverlayBlock, BlockFunctions,
    testing::Values(
        BlockCase{"BlockTypesOverAndPads", {"abcdef", "ghijkl", "mn"}, {kBlock, {1, 0}, {2, 1}}, {2, 3},
                  fn::kOverlayBlock, 0, 1, {"abcdef", "ghiabl", "mn gh"}, {2, 3}},
        BlockCase{"CharactersGoOnFromColumnZero", {"abcdef", "ghijkl", "xxxxxx", "yyyyyy"}, {kChar, {1, 4}, {2, 1}},
                  {3, 2}, fn::kOverlayBlock, 0, 1, {"abcdef", "ghijkl", "xxefxx", "ghyyyy"}, {3, 2}},
        BlockCase{"LinesAreInserted", {"a", "b"}, {kLine, {1, 0}, {1, 0}}, {2, 0}, fn::kOverlayBlock, 0, 1,
                  {"a", "b", "a"}, {2, 0}}),
    blockCaseName);

INSTANTIATE_TEST_SUITE_P(
    DeleteMark, BlockFunctions,
    testing::Values(
        BlockCase{"LinesCursorGoesToTheLineAfter", {"a", "b", "c", "d"}, {kLine, {2, 0}, {3, 0}}, {3, 1},
                  fn::kDeleteMark, 0, 1, {"a", "d"}, {2, 1}},
        BlockCase{"LinesCursorLineSurvives", {"a", "b", "c", "d"}, {kLine, {2, 0}, {3, 0}}, {1, 0}, fn::kDeleteMark,
                  0, 1, {"a", "d"}, {1, 0}},
        BlockCase{"LinesAtTheFileEnd", {"a", "b", "c"}, {kLine, {2, 0}, {3, 0}}, {3, 0}, fn::kDeleteMark, 0, 1,
                  {"a"}, {1, 0}},
        BlockCase{"CharactersJoinTheirLines", {"abcdef", "ghijkl", "mnop"}, {kChar, {1, 2}, {3, 1}}, {2, 0},
                  fn::kDeleteMark, 0, 1, {"abop"}, {1, 2}},
        BlockCase{"CharactersPastTheLastLineEnd", {"ab", "cd"}, {kChar, {1, 1}, {2, 5}}, {2, 1}, fn::kDeleteMark, 0,
                  1, {"a"}, {1, 1}},
        BlockCase{"BlockColumnsMoveTheRestLeft", {"abcdef", "ghijkl", "mn"}, {kBlock, {1, 1}, {3, 2}}, {2, 4},
                  fn::kDeleteMark, 0, 1, {"adef", "gjkl", "m"}, {2, 2}},
        BlockCase{"BlockOfTabbedLines", {"a\tbcd", "efghijklmn"}, {kBlock, {1, 8}, {2, 9}}, {1, 0}, fn::kDeleteMark,
                  0, 1, {"a\td", "efghijkl"}, {1, 0}, {kKeepTabs}},
        BlockCase{"WithoutAMarkNothingByDefault", {"a", "b"}, {}, {1, 0}, fn::kDeleteMark, 0, 0, {}, {1, 0}},
        BlockCase{"WithoutAMarkTheLinesAtTheCursor", {"a", "b"}, {}, {1, 0}, fn::kDeleteMark, 0, 1, {"b"}, {1, 0},
                  {kLinesWithoutMark}}),
    blockCaseName);

INSTANTIATE_TEST_SUITE_P(
    FillMark, BlockFunctions,
    testing::Values(
        BlockCase{"BlockOnlyWhereLinesHaveCharacters", {"abcdef", "gh", "ijklmn"}, {kBlock, {1, 1}, {3, 3}}, {1, 0},
                  fn::kFillMark, '*', 1, {"a***ef", "g*", "i***mn"}, {1, 0}},
        BlockCase{"CharactersOverSeveralLines", {"abcd", "efgh", "ijkl"}, {kChar, {1, 2}, {3, 1}}, {2, 0},
                  fn::kFillMark, '-', 1, {"ab--", "----", "--kl"}, {2, 0}},
        BlockCase{"LinesBetweenTheMargins", {"abc", "de"}, {kLine, {1, 0}, {2, 0}}, {1, 0}, fn::kFillMark, 'x', 1,
                  {"xxx", "xx"}, {1, 0}},
        BlockCase{"ATabIsOneCharacter", {"a\tbc"}, {kChar, {1, 3}, {1, 8}}, {1, 0}, fn::kFillMark, '*', 1, {"a**c"},
                  {1, 0}, {kKeepTabs}},
        BlockCase{"NothingWithoutAMark", {"abc"}, {}, {1, 0}, fn::kFillMark, '*', 0, {}, {1, 0}}),
    blockCaseName);

INSTANTIATE_TEST_SUITE_P(
    Shift, BlockFunctions,
    testing::Values(
        BlockCase{"LeftOnLinesTakesAnyFirstCharacter", {"xab", " cd", ""}, {kLine, {1, 0}, {3, 0}}, {1, 0},
                  fn::kShiftLeft, 0, 1, {"ab", "cd", ""}, {1, 0}},
        BlockCase{"RightOnLinesSkipsEmptyOnes", {"ab", "", "cd"}, {kLine, {1, 0}, {3, 0}}, {1, 0}, fn::kShiftRight, 0,
                  1, {" ab", "", " cd"}, {1, 0}},
        BlockCase{"RightOnABlockWhereLinesReachIt", {"abcdef", "ab", "abcdef"}, {kBlock, {1, 2}, {3, 3}}, {1, 0},
                  fn::kShiftRight, 0, 1, {"ab cdef", "ab", "ab cdef"}, {1, 0}},
        BlockCase{"LeftOnABlock", {"abcdef", "ab", "abcdef"}, {kBlock, {1, 2}, {3, 3}}, {1, 0}, fn::kShiftLeft, 0, 1,
                  {"abdef", "ab", "abdef"}, {1, 0}},
        BlockCase{"RightOnCharactersAtTheirLeftEdge", {"abcdef", "ghijkl"}, {kChar, {1, 2}, {2, 1}}, {1, 0},
                  fn::kShiftRight, 0, 1, {"ab cdef", " ghijkl"}, {1, 0}},
        BlockCase{"LeftOnCharactersAtTheirLeftEdge", {"abcdef", "ghijkl"}, {kChar, {1, 2}, {2, 1}}, {1, 0},
                  fn::kShiftLeft, 0, 1, {"abdef", "hijkl"}, {1, 0}}),
    blockCaseName);

INSTANTIATE_TEST_SUITE_P(
    CaseChanges, BlockFunctions,
    testing::Values(
        BlockCase{"UppercaseABlock", {"abcdef", "ghijkl"}, {kBlock, {1, 1}, {2, 2}}, {1, 0}, fn::kUppercase, 0, 1,
                  {"aBCdef", "gHIjkl"}, {1, 0}},
        BlockCase{"LowercaseCharacters", {"ABCD", "EFGH"}, {kChar, {1, 2}, {2, 1}}, {2, 3}, fn::kLowercase, 0, 1,
                  {"ABcd", "efGH"}, {2, 3}},
        BlockCase{"InvertcaseCharacters", {"aBcD", "eFgH"}, {kChar, {1, 2}, {2, 1}}, {1, 0}, fn::kInvertcase, 0, 1,
                  {"aBCd", "EfgH"}, {1, 0}},
        BlockCase{"CapitalizeEachLineAndAfterFullStops", {"hello WORLD. again", "1. x"}, {kLine, {1, 0}, {2, 0}},
                  {1, 0}, fn::kCapitalize, 0, 1, {"Hello world. Again", "1. X"}, {1, 0}},
        BlockCase{"CapitalizeStartsEachPart", {"ab cd", "ef gh"}, {kBlock, {1, 3}, {2, 4}}, {1, 0}, fn::kCapitalize,
                  0, 1, {"ab Cd", "ef Gh"}, {1, 0}}),
    blockCaseName);

INSTANTIATE_TEST_SUITE_P(
    LineBufferFunctions, BlockFunctions,
    testing::Values(
        BlockCase{"CutLinesWithoutAMarkTakesTheRepeatCount", {"a", "b", "c"}, {}, {1, 0}, fn::kCutLines, 0, 1,
                  {"b", "c"}, {1, 0}},
        BlockCase{"CutLinesCutsACharacterMark", {"abcdef"}, {kChar, {1, 1}, {1, 2}}, {1, 0}, fn::kCutLines, 0, 1,
                  {"adef"}, {1, 0}},
        BlockCase{"DupLineCopiesBelow", {"a", "b"}, {}, {1, 0}, fn::kDupLine, 0, 1, {"a", "a", "b"}, {2, 0}},
        BlockCase{"DupLineWithAMarkCopiesTheCursorLine", {"a", "b"}, {kLine, {2, 0}, {2, 0}}, {1, 0}, fn::kDupLine, 0,
                  1, {"a", "a", "b"}, {2, 0}},
        BlockCase{"CopyLinesChangesNothing", {"a", "b"}, {kLine, {1, 0}, {1, 0}}, {1, 0}, fn::kCopyLines, 0, 1, {},
                  {1, 0}}),
    blockCaseName);

// What the line buffer holds after a function, and pasting it again.
TEST(LineBuffer, HoldsTheLastCutWithItsKind) {
  struct Case {
    const char* name;
    MarkSpec mark;
    int code;
    int kind;
    std::vector<std::string> lines;
  };
  const std::vector<std::string> text = {"abcdef", "ghijkl", "mnopqr"};
  for (const Case& c : {
           Case{"line mark", {fn::kMarkLine, {2, 0}, {3, 0}}, fn::kCopyLines, bufferkind::kMarkedLines,
                {"ghijkl", "mnopqr"}},
           Case{"character mark", {fn::kMarkChar, {1, 4}, {2, 1}}, fn::kDeleteMark, bufferkind::kCharacters,
                {"ef", "gh"}},
           Case{"block mark", {fn::kMarkBlock, {1, 4}, {3, 5}}, fn::kCopyMark, bufferkind::kBlock,
                {"ef", "kl", "qr"}},
           Case{"no mark", {}, fn::kCutLines, bufferkind::kCursorLines, {"abcdef"}},
       }) {
    SCOPED_TRACE(c.name);
    EditFixture f(text);
    makeMark(f, c.mark);
    f.place({1, 0});
    f.send(c.code);
    BufferContents held = f.editor.engine.marks().buffer().contents();
    EXPECT_EQ(held.kind, c.kind);
    EXPECT_EQ(held.lines, c.lines);
  }
}

TEST(LineBuffer, CutLinesAddsMarkedLinesToTheLinesItHolds) {
  EditFixture f({"a", "b", "c", "d"});
  f.place({1, 0});
  f.send(fn::kCutLines);
  makeMark(f, {fn::kMarkLine, {2, 0}, {2, 0}});
  f.send(fn::kCutLines);
  EXPECT_EQ(f.text(), (std::vector<std::string>{"b", "d"}));
  EXPECT_EQ(f.editor.engine.marks().buffer().contents().lines, (std::vector<std::string>{"a", "c"}));
}

// The mark's file may be another than the cursor's: block functions act on
// the mark wherever it is and put text in at the cursor of the current file.
class OtherFile : public testing::Test {
 protected:
  OtherFile() {
    CreateRequest request{nullptr, nullptr};
    f.editor.engine.send(nullptr, msg::kCreate, 0, reinterpret_cast<intptr_t>(&request));
    other = request.result;
    other->freeLines();
    for (const char* text : {"one", "two"}) other->appendLine(makeLine(text));
    other->addSentinels();
    other->current = other->lineAt(toIndex(UserLine(1)));
    other->currentLineNumber = toIndex(UserLine(1));
    f.editor.engine.send(other, fn::kMarkChar);
    other->cursorColumn = 1;
    f.editor.engine.send(other, fn::kMarkChar);  // "on"
    f.place({1, 1});
  }

  std::vector<std::string> otherText() const {
    std::vector<std::string> lines;
    for (Line* l = other->firstText(); l != other->last; l = l->next()) lines.emplace_back(l->view());
    return lines;
  }

  EditFixture f{{"abc", "def"}};
  Document* other = nullptr;
};

TEST_F(OtherFile, CopyMarkPastesAtTheCursorOfTheCurrentFile) {
  EXPECT_EQ(f.send(fn::kCopyMark), 1);
  EXPECT_EQ(f.text(), (std::vector<std::string>{"aonbc", "def"}));
  EXPECT_EQ(otherText(), (std::vector<std::string>{"one", "two"}));
  EXPECT_EQ(markKind(*other), markkind::kCharacter) << "the mark stays where it was";
}

TEST_F(OtherFile, MoveMarkTakesTheTextFromItsFile) {
  EXPECT_EQ(f.send(fn::kMoveMark), 1);
  EXPECT_EQ(f.text(), (std::vector<std::string>{"aonbc", "def"}));
  EXPECT_EQ(otherText(), (std::vector<std::string>{"e", "two"}));
  EXPECT_EQ(f.editor.engine.marks().holder(), nullptr);
}

TEST_F(OtherFile, FillAndCaseChangeActOnTheMarkedFile) {
  EXPECT_EQ(f.send(fn::kUppercase), 1);
  EXPECT_EQ(f.send(fn::kFillMark, '-'), 1);
  EXPECT_EQ(otherText(), (std::vector<std::string>{"--e", "two"}));
  EXPECT_EQ(f.text(), (std::vector<std::string>{"abc", "def"}));
  EXPECT_EQ(f.doc->changeCount(), 0);
}

TEST_F(OtherFile, AReadOnlyMarkedFileRefusesChangesButGivesCopies) {
  other->flags |= docflag::kReadOnly;
  for (int code : {fn::kMoveMark, fn::kDeleteMark, fn::kFillMark, fn::kShiftRight, fn::kUppercase})
    EXPECT_EQ(f.send(code, '-'), 0) << code;
  EXPECT_EQ(otherText(), (std::vector<std::string>{"one", "two"}));
  EXPECT_EQ(f.send(fn::kCopyMark), 1);
  EXPECT_EQ(f.text(), (std::vector<std::string>{"aonbc", "def"}));
}

}  // namespace
}  // namespace tarn
