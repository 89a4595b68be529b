// Painting rows: marks, bookmarks, tabs, highlights, syntax colours, and
// writing only what changed.
#include "core/syntax_painter.h"
#include "tests/core/screen_fixture.h"

namespace tarn::test {
namespace {

class WindowPaintingTest : public ScreenTest {
 protected:
  // Attributes of a row as one character per cell: '.' text colours,
  // 'M' mark colours, anything else as its hex pair in brackets.
  std::string cellKinds(int r, int columns = 12) {
    std::string out;
    for (int c = 0; c < columns; ++c) {
      Attribute a = console.attributeAt(c, r);
      if (a == 0x1F)
        out += '.';
      else if (a == 0x4F)
        out += 'M';
      else {
        char buf[8];
        std::snprintf(buf, sizeof buf, "[%02X]", a);
        out += buf;
      }
    }
    return out;
  }

  void setMark(Document& doc, int type, int firstLine, int firstColumn, int lastLine, int lastColumn) {
    doc.mark.type = type;
    doc.mark.firstLine = doc.lineAt(toIndex(UserLine(firstLine)));
    doc.mark.firstLineNumber = toIndex(UserLine(firstLine));
    doc.mark.firstColumn = firstColumn;
    doc.mark.lastLine = doc.lineAt(toIndex(UserLine(lastLine)));
    doc.mark.lastLineNumber = toIndex(UserLine(lastLine));
    doc.mark.lastColumn = lastColumn;
  }
};

TEST_F(WindowPaintingTest, BlockMarkCoversItsColumnsEvenPastTheLineEnd) {
  int slot = open("a.txt", {"abcdef", "ab", "abcdefgh"});
  setMark(data(slot), 2, 3, 4, 1, 1);  // corners given bottom first
  editor.screen.redraw(true);
  EXPECT_EQ(cellKinds(1), ".MMMM.......");
  EXPECT_EQ(cellKinds(2), ".MMMM.......");
  EXPECT_EQ(row(2).substr(0, 6), "ab    ");
  EXPECT_EQ(cellKinds(3), ".MMMM.......");
  EXPECT_EQ(cellKinds(0), "............") << "the top-of-file line is never marked";
}

TEST_F(WindowPaintingTest, CharacterMarkRunsFromCornerToCorner) {
  int slot = open("a.txt", {"abcdef", "ab", "abcdefgh", "z"});
  setMark(data(slot), 1, 1, 3, 3, 2);
  editor.screen.redraw(true);
  EXPECT_EQ(cellKinds(1), "...MMMM.....") << "to the end of the first line and its line end";
  EXPECT_EQ(cellKinds(2), "MMM.........") << "a whole line in between";
  EXPECT_EQ(cellKinds(3), "MMM.........") << "up to the last column";
  EXPECT_EQ(cellKinds(4), "............");

  setMark(data(slot), 1, 3, 6, 3, 2);  // within one line: left to right column
  editor.screen.redraw(true);
  EXPECT_EQ(cellKinds(3), "..MMMMM.....");
  EXPECT_EQ(cellKinds(1), "............");
}

TEST_F(WindowPaintingTest, LineMarkCoversWholeRows) {
  int slot = open("a.txt", {"one", "two", "three"});
  data(slot).lineAt(LineIndex(3))->flags |= lineflag::kInRange;
  editor.screen.redraw(true);
  EXPECT_EQ(cellKinds(2, 80), std::string(80, 'M'));
  EXPECT_EQ(cellKinds(1), "............");
}

TEST_F(WindowPaintingTest, BookmarksShowInSwappedColoursWhenShown) {
  int slot = open("a.txt", {"abcdef"});
  Document& doc = data(slot);
  doc.bookmarks[0] = Bookmark{doc.lineAt(LineIndex(2)), 2, LineIndex(2)};
  editor.screen.redraw(true);
  EXPECT_EQ(cellKinds(1), "..[F1].........");
  editor.engine.send(&doc, fn::kSetOption, 0, opt::kShowBookmarks);
  editor.screen.redraw(true);
  EXPECT_EQ(cellKinds(1), "............");
}

TEST_F(WindowPaintingTest, KeptTabsAreShownExpanded) {
  int slot = open("a.txt", {"a\tb", "1234567\tc"});
  editor.engine.send(&data(slot), fn::kSetOption, 1, opt::kKeepTabs);
  editor.screen.redraw(true);
  EXPECT_EQ(trimmed(1), "a       b");
  EXPECT_EQ(trimmed(2), "1234567 c");
  editor.settings.tabExpand = 4;
  editor.screen.redraw(true);
  EXPECT_EQ(trimmed(1), "a   b");
  editor.engine.send(&data(slot), fn::kSetOption, 0, opt::kKeepTabs);
  editor.screen.redraw(true);
  EXPECT_EQ(trimmed(1), "a\tb");
}

TEST_F(WindowPaintingTest, ViewLeftColumnCutsTheRows) {
  int slot = open("a.txt", {"0123456789abcdef"});
  data(slot).view.leftColumn = 10;
  data(slot).cursorColumn = 12;
  editor.screen.redraw(true);
  EXPECT_EQ(trimmed(1), "abcdef");
  EXPECT_EQ(console.cursorColumn(), 2);
}

TEST_F(WindowPaintingTest, ScrolledRowsKeepTheirTabsAndMarksToTheRightEdge) {
  int slot = open("a.txt", {"ab\tcd", std::string(100, 'x'), "z"});
  Document& doc = data(slot);
  editor.engine.send(&doc, fn::kSetOption, 1, opt::kKeepTabs);
  doc.view.leftColumn = 4;
  doc.cursorColumn = 4;
  setMark(doc, 1, 2, 50, 3, 0);
  editor.screen.redraw(true);
  EXPECT_EQ(trimmed(1), "    cd") << "a tab reaching into the window from its left";
  EXPECT_EQ(trimmed(2), std::string(80, 'x'));
  EXPECT_EQ(cellKinds(2, 80), std::string(46, '.') + std::string(34, 'M'))
      << "a mark from column 50 to a line end beyond the window";
}

TEST_F(WindowPaintingTest, CurrentLineAndCurrentPositionHighlights) {
  int slot = open("a.txt", {"one", "two"});
  editor.settings.currentLine = true;
  editor.screen.redraw(true);
  EXPECT_EQ(console.attributes(1).substr(0, 6), "6F6F6F") << "background 7-1, foreground kept";
  EXPECT_EQ(cellKinds(2), "............");

  editor.settings.currentLine = false;
  editor.settings.currentPos = true;
  moveTo(slot, 2, 1);
  editor.slots.setCursorInFile(slot, false);
  editor.screen.redraw(true);
  EXPECT_EQ(cellKinds(2), ".[68]..........") << "the file's cursor cell while on the command line";
  EXPECT_EQ(console.cursorRow(), 23);
  editor.slots.setCursorInFile(slot, true);
  editor.screen.redraw(true);
  EXPECT_EQ(cellKinds(2), "............");
}

TEST_F(WindowPaintingTest, CurrentLineForegroundMovesOffAClashingBackground) {
  editor.settings.colours[0] = colour::kBlue;     // background 1: highlighted as 6
  editor.settings.colours[1] = colour::kYellow;   // foreground 6 would vanish
  open("a.txt", {"x"});
  editor.settings.currentLine = true;
  editor.screen.redraw(true);
  EXPECT_EQ(console.attributeAt(0, 1), 0x61);
}

class DigitPainter : public SyntaxPainter {
 public:
  bool colourLine(const Document&, int keywordSet, const Line& line, LineIndex index,
                  std::span<Attribute> colours) override {
    lastSet = keywordSet;
    lines.push_back(index.value());
    std::string_view text = line.view();
    for (size_t i = 0; i < text.size(); ++i)
      if (text[i] >= '0' && text[i] <= '9') colours[i] = 0x1E;
    return text.starts_with("/*");
  }
  int lastSet = -2;
  std::vector<int> lines;
};

TEST_F(WindowPaintingTest, SyntaxColoursComeFromThePainterAndMarkGoesOver) {
  DigitPainter painter;
  editor.screen.setSyntaxPainter(&painter);
  int slot = open("a.c", {"a1b2", "/*", "x", "y"});
  data(slot).flags |= docflag::kSyntaxColouring;
  editor.slots.data(slot).flags |= winflag::kKeywordSet | (3u << 16);
  setMark(data(slot), 2, 1, 1, 1, 1);
  painter.lines.clear();
  editor.screen.redraw(true);
  EXPECT_EQ(cellKinds(1), ".M.[1E]........");
  EXPECT_EQ(painter.lastSet, 3);
  EXPECT_EQ(painter.lines, (std::vector<int>{2, 3, 4, 5})) << "sentinels are not coloured";

  painter.lines.clear();
  editor.screen.paintWindow(data(slot), 2, 2);
  EXPECT_EQ(painter.lines, (std::vector<int>{3, 4, 5})) << "a changed remark state recolours the rows below";
  editor.screen.setSyntaxPainter(nullptr);
}

TEST_F(WindowPaintingTest, OnlyChangedRowsAreWritten) {
  int slot = open("a.txt", {"one", "two"});
  console.resetWriteCount();
  editor.screen.redraw(true);
  EXPECT_EQ(console.writesSinceReset(), 0);

  Document& doc = data(slot);
  doc.insertCharacters(*doc.lineAt(LineIndex(3)), 0, "x");
  editor.screen.redraw(false);
  EXPECT_EQ(console.writesSinceReset(), 1);
  EXPECT_EQ(trimmed(2), "xtwo");
}

TEST_F(WindowPaintingTest, NothingIsWrittenWhileUpdatesAreSuspended) {
  int slot = open("a.txt", {"one"});
  Document& doc = data(slot);
  editor.engine.send(&doc, msg::kSuspendUpdates, 1);
  console.resetWriteCount();
  doc.insertCharacters(*doc.lineAt(LineIndex(2)), 0, "new ");
  editor.engine.send(&doc, fn::kTypeChar, 'x');
  editor.screen.redraw(true);
  editor.screen.paintWindow(doc, 0, 5);
  EXPECT_EQ(console.writesSinceReset(), 0);
  EXPECT_EQ(trimmed(1), "one");

  editor.engine.send(&doc, msg::kSuspendUpdates, 0);
  EXPECT_EQ(trimmed(1), "xew one");
  EXPECT_EQ(row(24).substr(58), "      1      2 Replace");
}

TEST_F(WindowPaintingTest, EngineChangesRepaintTheWindowAndStatus) {
  int slot = open("a.txt", {"abc"});
  editor.engine.send(&data(slot), fn::kTypeChar, 'Z');
  EXPECT_EQ(trimmed(1), "Zbc");
  EXPECT_EQ(row(24).substr(58), "      1      2 Replace");
  EXPECT_EQ(console.cursorColumn(), 1);
}

// The engine's find in text for the highlight, here finding "ab".
int findAb(EngineCall& call) {
  std::string_view text(reinterpret_cast<const char*>(call.arg2), static_cast<size_t>(call.arg1));
  size_t at = text.find("ab");
  return at == std::string_view::npos ? -1 : static_cast<int>(at | ((at + 2) << 16));
}

constexpr EditFunction kFindRegistry[] = {{fn::kFindInText, editclass::kInternal, findAb}};

TEST_F(WindowPaintingTest, FoundTextIsHighlightedUnderTheMark) {
  editor.engine.setRegistry(kFindRegistry);
  int slot = open("a.txt", {"xab ab\tab", "ab"});
  Document& doc = data(slot);
  editor.engine.send(&doc, fn::kSetOption, 1, opt::kKeepTabs);
  editor.settings.tabExpand = 4;
  setMark(doc, 2, 2, 1, 2, 1);
  editor.screen.setFoundHighlight(true);
  EXPECT_EQ(cellKinds(1), ".[F1][F1].[F1][F1]..[F1][F1]..") << "each occurrence, past a kept tab";
  EXPECT_EQ(cellKinds(2), "[F1]M..........") << "the mark goes over it";
  EXPECT_EQ(cellKinds(0), "............") << "not on the top-of-file line";
  editor.screen.setFoundHighlight(false);
  EXPECT_EQ(cellKinds(1), "............");
}

}  // namespace
}  // namespace tarn::test
