// Paste text and copy from clipboard: how text from the clipboard lands in
// the file, as a stream and as a block.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <memory>

#include "edit/clipboard_paste.h"
#include "edit_fixture.h"

namespace tarn {
namespace {

struct PasteCase {
  std::string name;
  std::vector<std::string> before;
  Pos start;
  std::string text;
  intptr_t flags;
  std::vector<std::string> after;
  std::vector<std::pair<int, int>> options = {};
};

void PrintTo(const PasteCase& c, std::ostream* out) { *out << c.name; }

class PasteText : public ::testing::TestWithParam<PasteCase> {};

TEST_P(PasteText, LandsAndTheCursorGoesBackToTheStart) {
  const PasteCase& c = GetParam();
  EditFixture f(c.before);
  for (auto [index, value] : c.options) f.setOption(index, value);
  f.place(c.start);
  const UndoState before = undoState(f);
  std::string_view text = c.text;
  EXPECT_EQ(f.send(fn::kPasteText, c.flags, reinterpret_cast<intptr_t>(&text)), 1);
  EXPECT_EQ(f.text(), c.after);
  EXPECT_EQ(f.cursor(), c.start);
  EXPECT_NE(f.doc->changeCount(), 0);
  expectUndoAndRedo(f, before);
}

constexpr intptr_t kStream = 0;
constexpr intptr_t kBlock = pasteflag::kBlock;
constexpr intptr_t kTypeOver = pasteflag::kTypeOver;

INSTANTIATE_TEST_SUITE_P(
    Cases, PasteText,
    ::testing::Values(
        PasteCase{"ThreeLinesInsideALine", {"abcXYZ", "next"}, {1, 3}, "1\r\n2\n3", kStream,
                  {"abc1", "2", "3XYZ", "next"}},
        PasteCase{"LoneCarriageReturnEndsALineToo", {""}, {1, 0}, "a\rb\r\n\r\nc", kStream, {"a", "b", "", "c"}},
        PasteCase{"TrailingLineEndLeavesTheRestOnItsOwnLine", {"tail"}, {1, 0}, "new\r\n", kStream, {"new", "tail"}},
        PasteCase{"BlockOfTwoLinesAtColumnTen", {"0123456789abc", "short", "last"}, {1, 10}, "AA\r\nBB", kBlock,
                  {"0123456789AAabc", "short     BB", "last"}},
        PasteCase{"BlockAddsLinesAtTheEnd", {"one"}, {1, 2}, "X\nY\nZ", kBlock, {"onXe", "  Y", "  Z"}},
        PasteCase{"PastTheEndOfTheLinePadsWithBlanks", {"ab"}, {1, 5}, "X", kStream, {"ab   X"}},
        PasteCase{"ReplaceModeTypesOverWhenAskedTo", {"abcdef"}, {1, 1}, "XY", kTypeOver, {"aXYdef"},
                  {{opt::kInsertMode, 0}}},
        PasteCase{"TypingOverRunsPastTheEnd", {"abc"}, {1, 2}, "XYZ", kTypeOver, {"abXYZ"}, {{opt::kInsertMode, 0}}},
        PasteCase{"ReplaceModeInsertsUnlessAsked", {"abcdef"}, {1, 1}, "XY\tZ", kStream, {"aXY     Zbcdef"},
                  {{opt::kInsertMode, 0}}},
        PasteCase{"TabsBackslashesAndControlsAreTyped", {""}, {1, 0}, "a\tb\\c\x01", kStream, {"a       b\\c\x01"}},
        PasteCase{"LongRunsAroundBackslashesAndControls", {""}, {1, 0},
                  "0123456789abc\\defghijklmn\x02opqrstuvwxyz\xe9\xe9" "0123456789", kStream,
                  {"0123456789abc\\defghijklmn\x02opqrstuvwxyz\xe9\xe9" "0123456789"}},
        PasteCase{"KeptTabStayATab", {""}, {1, 0}, "a\tb", kStream, {"a\tb"}, {{opt::kKeepTabs, 1}}},
        PasteCase{"NoAutoIndentAfterALineEnd", {"    indented"}, {1, 12}, "\r\nx", kStream, {"    indented", "x"},
                  {{opt::kAutoIndent, 1}}},
        PasteCase{"NoWordWrapWhilePasting", {""}, {1, 0}, std::string(40, 'a') + " " + std::string(44, 'b') + "\t",
                  kStream, {std::string(40, 'a') + " " + std::string(44, 'b') + "   "}, {{opt::kWordWrap, 1}}},
        PasteCase{"LongLinesContinueOnTheNextLine", {""}, {1, 0}, "abcdefghijklmno", kStream,
                  {"abcdefghi", "jklmno"}, {{opt::kLongestLine, 10}}},
        PasteCase{"LinesOfRunsAmongTypedOnesAndTooLongOnes", {"abcXYZ", "next"}, {1, 3},
                  "1\n2\n\n3\\4\n5\n" + std::string(12, 'L') + "\n6\r\n7", kStream,
                  {"abc1", "2", "", "3\\4", "5", "LLLLLLLLL", "LLL", "6", "7XYZ", "next"},
                  {{opt::kLongestLine, 10}}},
        PasteCase{"BackslashOnANewLineTypesOverInReplaceMode", {"abcdef"}, {1, 1}, "X\n\\Y", kTypeOver,
                  {"aX", "\\Yef"}, {{opt::kInsertMode, 0}}}),
    [](const auto& info) { return info.param.name; });

TEST(PasteText, ALargePasteUndoesToTheTextBefore) {
  EditFixture f({"abcXYZ", "next"});
  f.place({1, 3});
  f.doc->bookmarks[0] = Bookmark{f.doc->lineAt(LineIndex(3)), 2, LineIndex(3)};
  const UndoState before = undoState(f);
  std::string text;
  std::vector<std::string> after;
  for (int i = 0; i < 5000; ++i) {
    std::string line = i % 7 == 3 ? "a\\b" + std::to_string(i) : "line " + std::to_string(i);
    text += line + "\n";
    after.push_back(line);
  }
  after.front().insert(0, "abc");
  after.push_back("XYZ");
  after.push_back("next");
  std::string_view view = text;
  ASSERT_EQ(f.send(fn::kPasteText, 0, reinterpret_cast<intptr_t>(&view)), 1);
  EXPECT_EQ(f.text(), after);
  EXPECT_EQ(f.doc->bookmarks[0].lineNumber, LineIndex(5003));
  EXPECT_EQ(f.doc->lineAt(LineIndex(5003))->view(), "next");
  expectUndoAndRedo(f, before);
}

TEST(PasteText, RefusedOnReadOnlyFilesAndEmptyText) {
  EditFixture f({"abc"});
  f.place({1, 1});
  std::string_view empty;
  EXPECT_EQ(f.send(fn::kPasteText, 0, reinterpret_cast<intptr_t>(&empty)), 0);
  f.doc->flags |= docflag::kReadOnly;
  std::string_view text = "x";
  EXPECT_EQ(f.send(fn::kPasteText, 0, reinterpret_cast<intptr_t>(&text)), 0);
  EXPECT_EQ(f.text(), std::vector<std::string>{"abc"});
  EXPECT_EQ(f.doc->changeCount(), 0);
}

// The editor's clipboard with no desktop to reach: its own store.
class CopyFromClipboard : public ::testing::Test {
 protected:
  void SetUp() override {
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
  }
};

TEST_F(CopyFromClipboard, ClipboardTextComesInThroughTheCodePage) {
  EditFixture f({"[]", "x"});
  f.editor.clipboard.copy({"caf\u00e9 \u20ac\r\nline", "", ""});
  f.place({1, 1});
  EXPECT_EQ(f.send(fn::kCopyFromClipboard), 1);
  EXPECT_EQ(f.text(), (std::vector<std::string>{"[caf\x82 ?", "line]", "x"}));
  EXPECT_EQ(f.cursor(), (Pos{1, 1}));

  f.place({2, 0});
  EXPECT_EQ(f.send(fn::kCopyFromClipboard, pasteflag::kBlock), 1);
  EXPECT_EQ(f.text(), (std::vector<std::string>{"[caf\x82 ?", "caf\x82 ?line]", "linex"}));
}

TEST_F(CopyFromClipboard, EmptyClipboardSaysSo) {
  EditFixture f({"abc"});
  f.place({1, 0});
  EXPECT_EQ(f.send(fn::kCopyFromClipboard), 0);
  EXPECT_EQ(f.text(), std::vector<std::string>{"abc"});
  EXPECT_EQ(f.editor.screen.lastMessage(), "The clipboard holds no text");
}

}  // namespace
}  // namespace tarn
