#include "core/options.h"
#include "edit_fixture.h"
#include "platform/vk.h"

namespace tarn {
namespace {

const std::pair<int, int> kTabInsert{opt::kTabInsert, 1};
const std::pair<int, int> kReplace{opt::kInsertMode, 0};

class TabsAndBraces : public testing::TestWithParam<EditCase> {};
TEST_P(TabsAndBraces, Run) { runCase(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Tabs, TabsAndBraces,
    testing::Values(
        EditCase{"TabMovesToNextStop", {"abcdefghijklmnop"}, {1, 3}, fn::kTab, 0, 0, 1, {}, {1, 8}},
        EditCase{"TabFromAStopGoesToTheNext", {"ab"}, {1, 8}, fn::kTab, 0, 0, 1, {}, {1, 16}},
        EditCase{"TabWithoutFurtherStopStays", {"ab"}, {1, 2040}, fn::kTab, 0, 0, 0, {}, {1, 2040}},
        EditCase{"TabInReplaceModeOnlyMoves", {"ab"}, {1, 0}, fn::kTab, 0, 0, 1, {}, {1, 8},
                 {kTabInsert, kReplace}},
        EditCase{"TabInsertTypesATab", {"ab"}, {1, 1}, fn::kTab, 0, 0, 1, {"a       b"}, {1, 8}, {kTabInsert}},
        EditCase{"BacktabMovesToPreviousStop", {"abcdefghijklmnopqrst"}, {1, 19}, fn::kBacktab, 0, 0, 1, {},
                 {1, 16}},
        EditCase{"BacktabBeforeFirstStopGoesToColumn0", {"abc"}, {1, 5}, fn::kBacktab, 0, 0, 1, {}, {1, 0}},
        EditCase{"BacktabAtColumn0Fails", {"abc"}, {1, 0}, fn::kBacktab, 0, 0, 0, {}, {1, 0}},
        EditCase{"BacktabWithTabInsertRemovesTheText", {"abcdefghijklm"}, {1, 11}, fn::kBacktab, 0, 0, 1,
                 {"abcdefghlm"}, {1, 8}, {kTabInsert}}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    MatchBrace, TabsAndBraces,
    testing::Values(
        EditCase{"ForwardWithNesting", {"f(a(b)c)d"}, {1, 1}, fn::kMatchBrace, 0, 0, 1, {}, {1, 7}},
        EditCase{"BackwardWithNesting", {"f(a(b)c)d"}, {1, 7}, fn::kMatchBrace, 0, 0, 1, {}, {1, 1}},
        EditCase{"AcrossLines", {"{", "  [x]", "}"}, {3, 0}, fn::kMatchBrace, 0, 0, 1, {}, {1, 0}},
        EditCase{"DoubleQuoteSearchesForward", {"a \"b\" \"c\""}, {1, 4}, fn::kMatchBrace, 0, 0, 1, {}, {1, 6}},
        EditCase{"NumberSignSearchesForward", {"#x", "y#"}, {1, 0}, fn::kMatchBrace, 0, 0, 1, {}, {2, 1}},
        EditCase{"UnmatchedFails", {"(a", "b"}, {1, 0}, fn::kMatchBrace, 0, 0, 0, {}, {1, 0}},
        EditCase{"NotABraceFails", {"abc"}, {1, 1}, fn::kMatchBrace, 0, 0, 0, {}, {1, 1}},
        EditCase{"PastEndFails", {"()"}, {1, 4}, fn::kMatchBrace, 0, 0, 0, {}, {1, 4}}),
    caseName);

TEST(TabsAndBraces, TabWithoutTabInsertNeverChangesText) {
  EditFixture f({"a\tb", "", "abcdefghijklmnopqrstuvwxyz"});
  for (int line = 1; line <= 3; ++line) {
    f.place({line, 0});
    for (int i = 0; i < 5; ++i) f.send(fn::kTab);
  }
  EXPECT_EQ(f.text(), (std::vector<std::string>{"a\tb", "", "abcdefghijklmnopqrstuvwxyz"}));
  EXPECT_EQ(f.doc->changeCount(), 0);
}

TEST(TabsAndBraces, TabStopsFollowTheEngineTable) {
  EditFixture f({"abc"});
  setTabStopList(f.editor.engine.tabStops(), "4 11");
  f.place({1, 0});
  EXPECT_EQ(f.send(fn::kTab), 1);
  EXPECT_EQ(f.cursor().column, 3);
  EXPECT_EQ(f.send(fn::kTab), 1);
  EXPECT_EQ(f.cursor().column, 10);
  EXPECT_EQ(f.send(fn::kTab), 0);
}

TEST(TabsAndBraces, UnmatchedBraceTellsTheMessageArea) {
  EditFixture f({"(a"});
  f.place({1, 0});
  EXPECT_EQ(f.send(fn::kMatchBrace), 0);
  EXPECT_TRUE(f.editor.screen.messageShown());
}

TEST(Bookmarks, SetGotoAndRemove) {
  EditFixture f({"a", "bb", "ccc", "dddd"});
  f.place({2, 1});
  EXPECT_EQ(f.send(fn::kBookmarkSet, 'K'), 1);
  f.place({4, 3});
  EXPECT_EQ(f.send(fn::kBookmarkGoto, 'k'), 1);
  EXPECT_EQ(f.cursor(), (Pos{2, 1}));
  EXPECT_EQ(f.send(fn::kBookmarkRemove, 'k'), 1);
  EXPECT_EQ(f.send(fn::kBookmarkGoto, 'k'), 0);
}

TEST(Bookmarks, GotoFindsTheLineAfterLinesMovedAround) {
  EditFixture f({"a", "b", "c", "d", "e", "f"});
  f.place({5, 0});  // second half: searched from the bottom
  f.send(fn::kBookmarkSet, 'a');
  f.place({2, 0});  // first half: searched from the top
  f.send(fn::kBookmarkSet, 'b');
  f.place({1, 0});
  f.send(fn::kInsertLine, 0, 0, 3);
  f.place({7, 0});
  f.send(fn::kDeleteLine);  // "e", once line 5, is now line 7
  EXPECT_EQ(f.send(fn::kBookmarkGoto, 'a'), 1);
  EXPECT_EQ(f.cursor().line, 7);
  EXPECT_EQ(f.doc->current->view(), "e");
  EXPECT_EQ(f.send(fn::kBookmarkGoto, 'b'), 1);
  EXPECT_EQ(f.cursor().line, 5);
  EXPECT_EQ(f.doc->current->view(), "b");
}

TEST(Bookmarks, GotoAnEmptySlotFailsWithAMessage) {
  EditFixture f({"a", "b"});
  f.place({2, 1});
  EXPECT_EQ(f.send(fn::kBookmarkGoto, 'q'), 0);
  EXPECT_TRUE(f.editor.screen.messageShown());
  EXPECT_EQ(f.cursor(), (Pos{2, 1}));
}

TEST(Bookmarks, DeletedLineTakesItsBookmarkAlong) {
  EditFixture f({"a", "b"});
  f.place({2, 0});
  f.send(fn::kBookmarkSet, 'z');
  f.send(fn::kDeleteLine);
  EXPECT_EQ(f.send(fn::kBookmarkGoto, 'z'), 0);
}

TEST(Bookmarks, LetterZeroAsksForTheKey) {
  EditFixture f({"a", "b"});
  f.place({2, 0});
  f.console.queue(InputRecord::keyEvent(vk::kA + 2, 'c'));
  EXPECT_EQ(f.send(fn::kBookmarkSet, 0), 1);
  f.place({1, 0});
  f.console.queue(InputRecord::keyEvent(vk::kEscape, 27));
  EXPECT_EQ(f.send(fn::kBookmarkGoto, 0), 0);
  EXPECT_EQ(f.cursor().line, 1);
  f.console.queue(InputRecord::keyEvent(vk::kA + 2, 'C'));
  EXPECT_EQ(f.send(fn::kBookmarkGoto, 0), 1);
  EXPECT_EQ(f.cursor().line, 2);
}

TEST(Bookmarks, RemoveAllWithMinusOne) {
  EditFixture f({"a", "b"});
  f.place({1, 0});
  f.send(fn::kBookmarkSet, 'a');
  f.send(fn::kBookmarkSet, 'z');
  EXPECT_EQ(f.send(fn::kBookmarkRemove, -1), 1);
  EXPECT_EQ(f.send(fn::kBookmarkGoto, 'a'), 0);
  EXPECT_EQ(f.send(fn::kBookmarkGoto, 'z'), 0);
  EXPECT_EQ(f.send(fn::kBookmarkSet, '1'), 0);
}

}  // namespace
}  // namespace tarn
