// Whole screens: the layout of file tabs, windows, command line, status
// line and the split views.
#include "tests/core/screen_fixture.h"

namespace tarn::test {
namespace {

const std::string kTop = "\xCD\xCD\xCD Top of file \xCD\xCD\xCD";
const std::string kBottom = "\xCD\xCD\xCD Bottom of file \xCD\xCD\xCD";

std::string padded(std::string s, size_t width) {
  s.resize(width, ' ');
  return s;
}

std::string repeated(const std::string& pair, int n) {
  std::string s;
  for (int i = 0; i < n; ++i) s += pair;
  return s;
}

using ScreenLayoutTest = ScreenTest;

TEST_F(ScreenLayoutTest, OneFileFillsTheScreenAboveCommandAndStatusLine) {
  int slot = open("alpha.txt", {"first line", "second"});
  EXPECT_EQ(trimmed(0), kTop);
  EXPECT_EQ(trimmed(1), "first line");
  EXPECT_EQ(trimmed(2), "second");
  EXPECT_EQ(trimmed(3), kBottom);
  for (int r = 4; r < 23; ++r) EXPECT_EQ(trimmed(r), "") << r;
  EXPECT_EQ(row(23), std::string(80, ' '));
  EXPECT_EQ(row(24), padded("alpha.txt", 58) + "      1      1 Replace");

  EXPECT_EQ(console.attributes(1), repeated("1F", 80));
  EXPECT_EQ(console.attributes(23), repeated("2F", 80));
  EXPECT_EQ(console.attributes(24), repeated("0F", 80));
  EXPECT_EQ(console.title(), "Tarnedit - alpha.txt");
  EXPECT_EQ(console.cursorColumn(), 0);
  EXPECT_EQ(console.cursorRow(), 1);
  EXPECT_EQ(console.cursorSize(), 20) << "replace mode";

  const WindowRecord& w = editor.slots.data(slot);
  EXPECT_EQ(w.top, 0);
  EXPECT_EQ(w.rows, 23);
  EXPECT_EQ(w.columns, 80);
  EXPECT_EQ(data(slot).windowRows, 23);
  EXPECT_EQ(data(slot).windowColumns, 80);
  EXPECT_EQ(editor.slots.command(slot).top, 23);
  EXPECT_EQ(command(slot).windowColumns, 80);
  EXPECT_EQ(command(slot).windowRows, 1);
}

TEST_F(ScreenLayoutTest, SecondFileWithTabbedOnShowsTheTabRow) {
  editor.settings.tabbed = true;
  open("dir/alpha.txt", {"a"});
  EXPECT_EQ(trimmed(0), kTop) << "one file: no tab row";
  int second = open("beta.txt", {"b"});
  EXPECT_EQ(row(0).substr(0, 28), " alpha.txt    " " beta.txt     ");
  EXPECT_EQ(console.attributes(0).substr(0, 4 * 14), repeated("0F", 14) + repeated("1F", 14))
      << "the current file's tab in the text colours";
  EXPECT_EQ(trimmed(1), kTop);
  EXPECT_EQ(editor.slots.data(second).top, 1);
  EXPECT_EQ(data(second).windowRows, 22);
  EXPECT_EQ(row(24).substr(0, 18), "beta.txt (2 of 2) ");

  editor.settings.tabWidth = 0;  // out of range: 14
  editor.settings.tabbed = false;
  editor.screen.layout();
  EXPECT_EQ(trimmed(0), kTop);
  EXPECT_EQ(data(second).windowRows, 23);
}

TEST_F(ScreenLayoutTest, HiddenCommandLineAndStatusLineGiveTheRowsToTheWindow) {
  editor.settings.commandLine = false;
  editor.settings.statusLine = false;
  int slot = open("alpha.txt", {"x"});
  EXPECT_EQ(data(slot).windowRows, 25);
  EXPECT_EQ(editor.screen.currentLayout().views[0].statusRow, -1);
  EXPECT_EQ(editor.screen.currentLayout().views[0].commandRow, -1);
  EXPECT_EQ(console.attributes(24), repeated("1F", 80));

  editor.settings.statusLine = true;
  editor.screen.layout();
  EXPECT_EQ(data(slot).windowRows, 24);
  EXPECT_EQ(row(24).substr(0, 9), "alpha.txt");
}

TEST_F(ScreenLayoutTest, TopAndBottomSplitShowsBothViewsWithARedSeparator) {
  int first = open("alpha.txt", {"one", "two"});
  SlotOpening opening;
  opening.secondViewOf = first;
  int second = openSlot(editor, opening);
  ASSERT_GE(second, 0);
  editor.slots.setCursorInFile(second, true);
  editor.screen.setSplitMode(SplitMode::TopBottom);

  const ScreenLayout& l = editor.screen.currentLayout();
  EXPECT_EQ(l.separator, 12);
  EXPECT_EQ(l.views[0], (ViewArea{0, 0, 80, 10, 10, 11}));
  EXPECT_EQ(l.views[1], (ViewArea{0, 13, 80, 10, 23, 24}));
  EXPECT_EQ(editor.screen.slotInView(0), first);
  EXPECT_EQ(editor.screen.slotInView(1), second);

  EXPECT_EQ(row(12), std::string(80, '\xC4'));
  EXPECT_EQ(console.attributes(12), repeated("14", 80));
  EXPECT_EQ(trimmed(1), "one");
  EXPECT_EQ(trimmed(14), "one") << "the second view shows the same document";
  EXPECT_EQ(row(11).substr(0, 9), "alpha.txt");
  EXPECT_EQ(row(24).substr(0, 9), "alpha.txt");
  EXPECT_EQ(console.cursorRow(), 14) << "the second view is current";
  EXPECT_EQ(editor.slots.data(second).top, 13);
}

TEST_F(ScreenLayoutTest, LeftAndRightSplitHalvesTheColumns) {
  int first = open("alpha.txt", {"left side"});
  int second = open("beta.txt", {"right side"});
  editor.slots.data(second).flags |= winflag::kSecondView;  // shown as a second view
  editor.slots.removeFromRing(second);
  editor.slots.addToRing(second, -1);
  editor.screen.setSplitMode(SplitMode::LeftRight);

  const ScreenLayout& l = editor.screen.currentLayout();
  EXPECT_EQ(l.separator, 40);
  EXPECT_EQ(l.views[0], (ViewArea{0, 0, 40, 23, 23, 24}));
  EXPECT_EQ(l.views[1], (ViewArea{41, 0, 39, 23, 23, 24}));
  EXPECT_EQ(data(first).windowColumns, 40);
  EXPECT_EQ(data(second).windowColumns, 39);
  for (int r = 0; r < 25; ++r) EXPECT_EQ(row(r)[40], '\xB3') << r;
  EXPECT_EQ(row(1).substr(0, 9), "left side");
  EXPECT_EQ(row(1).substr(41, 10), "right side");
  EXPECT_EQ(row(24).substr(0, 40), padded("alpha.txt", 18) + "      1      1 Replace");
  EXPECT_EQ(row(24).substr(41), padded("beta.txt", 17) + "      1      1 Replace");
}

TEST_F(ScreenLayoutTest, BorderMapReplacesFrameCharacters) {
  editor.settings.borders = "abcdefghijkl";  // in border order: the horizontal line is 'e'
  int first = open("alpha.txt", {"x"});
  SlotOpening opening;
  opening.secondViewOf = first;
  openSlot(editor, opening);
  editor.screen.setSplitMode(SplitMode::TopBottom);
  EXPECT_EQ(row(12), std::string(80, 'e'));
}

}  // namespace
}  // namespace tarn::test

namespace tarn::test {
namespace {

TEST_F(ScreenLayoutTest, TinyScreensKeepEverythingInside) {
  editor.settings.tabbed = true;
  int first = open("alpha.txt", {"one", "two"});
  open("beta.txt", {"three"});
  SlotOpening opening;
  opening.secondViewOf = first;
  openSlot(editor, opening);
  for (ConsoleSize size : {ConsoleSize{1, 1}, ConsoleSize{2, 3}, ConsoleSize{30, 4}, ConsoleSize{5, 9}}) {
    for (SplitMode mode : {SplitMode::None, SplitMode::TopBottom, SplitMode::LeftRight}) {
      console.setSizeFromOutside(size);
      editor.screen.consoleResized();
      editor.screen.setSplitMode(mode);
      editor.screen.message("a message longer than any of these screens");
      editor.screen.redraw(true);
      EXPECT_LT(console.cursorColumn(), size.columns) << size.columns << "x" << size.rows;
      EXPECT_LT(console.cursorRow(), size.rows) << size.columns << "x" << size.rows;
      for (int s : editor.slots.used()) {
        EXPECT_GE(data(s).windowRows, 1);
        EXPECT_GE(data(s).windowColumns, 1);
      }
    }
  }
}

}  // namespace
}  // namespace tarn::test
