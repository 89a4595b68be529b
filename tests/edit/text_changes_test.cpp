// Typing, line edits and deletions, as tables of single calls.
#include "core/options.h"
#include "edit_fixture.h"

namespace tarn {
namespace {

constexpr intptr_t kLiteral = 0x80;
const std::pair<int, int> kReplace{opt::kInsertMode, 0};
const std::pair<int, int> kKeepTabs{opt::kKeepTabs, 1};
const std::pair<int, int> kAutoIndent{opt::kAutoIndent, 1};
const std::pair<int, int> kNoFreeSpaceRubout{opt::kBehaviour, 30 & ~behaviour::kRuboutInFreeSpace};

class TextChanges : public testing::TestWithParam<EditCase> {};
TEST_P(TextChanges, Run) { runCase(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Typing, TextChanges,
    testing::Values(
        EditCase{"InsertsAtCursor", {"ac"}, {1, 1}, fn::kTypeChar, 'b', 0, 1, {"abc"}, {1, 2}},
        EditCase{"ReplacesInReplaceMode", {"axc"}, {1, 1}, fn::kTypeChar, 'b', 0, 1, {"abc"}, {1, 2}, {kReplace}},
        EditCase{"ReplaceAtEndAppends", {"ab"}, {1, 2}, fn::kTypeChar, 'c', 0, 1, {"abc"}, {1, 3}, {kReplace}},
        EditCase{"PadsWithBlanksPastTheEnd", {"ab"}, {1, 5}, fn::kTypeChar, 'x', 0, 1, {"ab   x"}, {1, 6}},
        EditCase{"NothingAtTheLongestLine", {"abcd"}, {1, 4}, fn::kTypeChar, 'x', 0, 0, {}, {1, 4},
                 {{opt::kLongestLine, 5}}},
        EditCase{"NothingOnTheTopOfFileLine", {"ab"}, {0, 0}, fn::kTypeChar, 'x', 0, 0, {}, {0, 0}},
        EditCase{"NulIsNotTyped", {"ab"}, {1, 0}, fn::kTypeChar, 0, 0, 0, {}, {1, 0}},
        EditCase{"TabExpandsToTheNextStop", {"ab"}, {1, 2}, fn::kTypeChar, '\t', 0, 1, {"ab      "}, {1, 8}},
        EditCase{"TabFillsWithOption14", {"ab"}, {1, 2}, fn::kTypeChar, '\t', 0, 1, {"ab......"}, {1, 8},
                 {{opt::kTabFill, '.'}}},
        EditCase{"TabIsNeverTypedOver", {"abcdefghij"}, {1, 2}, fn::kTypeChar, '\t', 0, 1,
                 {"ab      cdefghij"}, {1, 8}, {kReplace}},
        EditCase{"TabKeptAsTab", {"ab"}, {1, 2}, fn::kTypeChar, '\t', 0, 1, {"ab\t"}, {1, 8}, {kKeepTabs}},
        EditCase{"LiteralTabIsOneByte", {"ab"}, {1, 1}, fn::kTypeChar, '\t', kLiteral, 1, {"a\tb"}, {1, 2}},
        EditCase{"TypingAfterKeptTab", {"\tb"}, {1, 8}, fn::kTypeChar, 'a', 0, 1, {"\tab"}, {1, 9}, {kKeepTabs}},
        EditCase{"CarriageReturnBreaksTheLine", {"abcd"}, {1, 2}, fn::kTypeChar, '\r', 0, 1, {"ab", "cd"}, {2, 0}},
        EditCase{"LineFeedBreaksTheLine", {"abcd"}, {1, 2}, fn::kTypeChar, '\n', 0, 1, {"ab", "cd"}, {2, 0}},
        EditCase{"LiteralCarriageReturnIsTyped", {"ab"}, {1, 1}, fn::kTypeChar, '\r', kLiteral, 1, {"a\rb"},
                 {1, 2}}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    LineEdits, TextChanges,
    testing::Values(
        EditCase{"InsertLineBelow", {"a", "b"}, {1, 1}, fn::kInsertLine, 0, 0, 1, {"a", "", "b"}, {2, 0}},
        EditCase{"InsertLineRepeats", {"a"}, {1, 0}, fn::kInsertLine, 0, 0, 1, {"a", "", "", ""}, {4, 0},
                 {}, 3},
        EditCase{"InsertLineAutoIndents", {"  a"}, {1, 0}, fn::kInsertLine, 0, 0, 1, {"  a", ""}, {2, 2},
                 {kAutoIndent}},
        EditCase{"InsertLineOnTopOfFileStartsTheText", {"a"}, {0, 0}, fn::kInsertLine, 0, 0, 1, {"", "a"},
                 {1, 0}},
        EditCase{"EnterAutoIndentsAtLineEnd", {"  ab"}, {1, 4}, fn::kTypeChar, '\r', 0, 1, {"  ab", ""}, {2, 2},
                 {kAutoIndent}},
        EditCase{"EnterInsideTextDoesNotIndent", {"  ab"}, {1, 3}, fn::kTypeChar, '\r', 0, 1, {"  a", "b"},
                 {2, 0}, {kAutoIndent}},
        EditCase{"AppendLineFromMidLine", {"abc", "d"}, {1, 1}, fn::kAppendLine, 0, 0, 1, {"abc", "", "d"},
                 {2, 0}},
        EditCase{"SplitStaysAtEndOfFirstPart", {"abcd"}, {1, 2}, fn::kSplit, 0, 0, 1, {"ab", "cd"}, {1, 2}},
        EditCase{"JoinAppendsAtLineEndNotAtCursor", {"ab", "cd"}, {1, 6}, fn::kJoin, 0, 0, 1, {"abcd"}, {1, 2}},
        EditCase{"JoinAtLastLineFails", {"ab", "cd"}, {2, 0}, fn::kJoin, 0, 0, 0, {}, {2, 0}},
        EditCase{"DeleteLineKeepsColumn", {"a", "b", "c"}, {2, 3}, fn::kDeleteLine, 0, 0, 1, {"a", "c"}, {2, 3}},
        EditCase{"DeleteLastLineGoesUp", {"a", "b"}, {2, 1}, fn::kDeleteLine, 0, 0, 1, {"a"}, {1, 1}},
        EditCase{"DeleteLineOnTopOfFileFails", {"a"}, {0, 0}, fn::kDeleteLine, 0, 0, 0, {}, {0, 0}},
        EditCase{"CutLinesDeletesTheCount", {"a", "b", "c", "d"}, {2, 0}, fn::kCutLines, 0, 0, 1, {"a", "d"},
                 {2, 0}, {}, 2},
        EditCase{"CutLinesStopsAtTheEnd", {"a", "b", "c"}, {2, 0}, fn::kCutLines, 0, 0, 1, {"a"}, {1, 0}, {}, 5},
        EditCase{"DupLine", {"a", "b"}, {1, 1}, fn::kDupLine, 0, 0, 1, {"a", "a", "b"}, {2, 1}},
        EditCase{"DupLineCountCopiesThatManyBelowTheCurrent", {"a", "b", "c"}, {1, 0}, fn::kDupLine, 0, 0, 1,
                 {"a", "a", "b", "b", "c"}, {2, 0}, {}, 2}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    Deletions, TextChanges,
    testing::Values(
        EditCase{"DeleteChar", {"abc"}, {1, 1}, fn::kDeleteChar, 0, 0, 1, {"ac"}, {1, 1}},
        EditCase{"DeleteCharRepeats", {"abcdef"}, {1, 1}, fn::kDeleteChar, 0, 0, 1, {"aef"}, {1, 1}, {}, 3},
        EditCase{"DeleteCharPastEndMovesToEnd", {"ab", "cd"}, {1, 5}, fn::kDeleteChar, 0, 0, 1, {}, {1, 2}},
        EditCase{"DeleteJoinPastEndJoins", {"ab", "cd"}, {1, 5}, fn::kDeleteChar, 1, 0, 1, {"abcd"}, {1, 2}},
        EditCase{"DeleteJoinOnLastLineDoesNothing", {"ab"}, {1, 2}, fn::kDeleteChar, 1, 0, 1, {}, {1, 2}},
        EditCase{"DeleteCharTakesKeptTabWhole", {"\tx"}, {1, 3}, fn::kDeleteChar, 0, 0, 1, {"x"}, {1, 0},
                 {kKeepTabs}},
        EditCase{"Rubout", {"abc"}, {1, 2}, fn::kRubout, 0, 0, 1, {"ac"}, {1, 1}},
        EditCase{"RuboutRepeats", {"abcd"}, {1, 3}, fn::kRubout, 0, 0, 1, {"d"}, {1, 0}, {}, 5},
        EditCase{"RuboutAtColumn0DoesNothing", {"a", "b"}, {2, 0}, fn::kRubout, 0, 0, 1, {}, {2, 0}},
        EditCase{"RuboutJoinAtColumn0", {"ab", "cd"}, {2, 0}, fn::kRubout, 1, 0, 1, {"abcd"}, {1, 2}},
        EditCase{"RuboutInFreeSpaceOnlyMoves", {"ab"}, {1, 5}, fn::kRubout, 0, 0, 1, {}, {1, 4}},
        EditCase{"RuboutInFreeSpaceWithoutTheSettingRubsOutTheLastCharacter", {"ab"}, {1, 5}, fn::kRubout, 0,
                 0, 1, {"a"}, {1, 1}, {kNoFreeSpaceRubout}},
        EditCase{"DeleteWordUpToNextWord", {"foo  bar"}, {1, 1}, fn::kDeleteWord, 0, 0, 1, {"fbar"}, {1, 1}},
        EditCase{"DeleteWordWithoutNextWordErasesRest", {"foo bar  "}, {1, 5}, fn::kDeleteWord, 0, 0, 1,
                 {"foo b"}, {1, 5}},
        EditCase{"DeleteWordRepeats", {"a b c d"}, {1, 0}, fn::kDeleteWord, 0, 0, 1, {"c d"}, {1, 0}, {}, 2},
        EditCase{"EraseEndLine", {"abcd"}, {1, 1}, fn::kEraseEndLine, 0, 0, 1, {"a"}, {1, 1}},
        EditCase{"EraseEndLinePastEndDoesNothing", {"ab"}, {1, 4}, fn::kEraseEndLine, 0, 0, 1, {}, {1, 4}},
        EditCase{"EraseBeginLine", {"abcd"}, {1, 2}, fn::kEraseBeginLine, 0, 0, 1, {"cd"}, {1, 0}}),
    caseName);

TEST(TextChanges, EveryChangeRaisesTheChangeCount) {
  EditFixture f({"ab"});
  f.place({1, 0});
  f.type("xy");
  EXPECT_EQ(f.doc->changeCount(), 2);
  f.send(fn::kLeft);
  EXPECT_EQ(f.doc->changeCount(), 2);
}

TEST(TextChanges, CuttingEveryLineLeavesTheCursorOnTheTopOfFileLine) {
  EditFixture f({"a", "b"});
  f.place({1, 0});
  EXPECT_EQ(f.send(fn::kCutLines, 0, 0, 5), 1);
  EXPECT_TRUE(f.text().empty());
  EXPECT_EQ(f.cursor(), (Pos{0, 0}));
  EXPECT_EQ(f.send(fn::kDown), 0);
  EXPECT_EQ(f.send(fn::kTypeChar, '\r'), 1);  // Enter starts a new first line
  f.type("z");
  EXPECT_EQ(f.text(), std::vector<std::string>{"z"});
}

TEST(TextChanges, EnterScrollsTheWindowFromItsLastRow) {
  EditFixture f({"a", "b", "c"}, 2);
  f.place({2, 1});
  f.doc->view.topLine = f.doc->lineAt(LineIndex(2));
  f.doc->view.topLineNumber = LineIndex(2);
  EXPECT_EQ(f.send(fn::kTypeChar, '\r'), 1);
  EXPECT_EQ(f.windowTop(), 2);
  EXPECT_EQ(f.doc->cursorRow, 1);
}

TEST(TextChanges, CommandLineKeepsItsOneLine) {
  EditFixture f({});
  CreateRequest request{nullptr, nullptr};
  f.editor.engine.send(nullptr, msg::kCreate, msg::kCreateCommandLine, reinterpret_cast<intptr_t>(&request));
  Document* line = request.result;
  for (char c : std::string("edit x")) f.editor.engine.send(line, fn::kTypeChar, c);
  EXPECT_EQ(line->first->view(), "edit x");
  EXPECT_EQ(f.editor.engine.send(line, fn::kTypeChar, '\r'), 0);
  EXPECT_EQ(f.editor.engine.send(line, fn::kInsertLine), 0);
  EXPECT_EQ(f.editor.engine.send(line, fn::kDeleteLine), 1);
  EXPECT_EQ(line->lineCount, 1);
  EXPECT_EQ(line->first->length, 0u);
}

}  // namespace
}  // namespace tarn
