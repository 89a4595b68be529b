// Movements that involve the window: stepping past its edges, paging,
// scrolling, and the window's own edges.
#include "core/options.h"
#include "edit_fixture.h"

namespace tarn {
namespace {

std::vector<std::string> numberedLines(int n) {
  std::vector<std::string> lines;
  for (int i = 1; i <= n; ++i) lines.push_back("line " + std::to_string(i));
  return lines;
}

// 30 text lines in a window of 10 rows, the window top at line top.
struct WindowFixture : EditFixture {
  WindowFixture() : EditFixture(numberedLines(30), 10) {}
  void at(int top, Pos cursor) {
    place(cursor);
    doc->view.topLine = doc->lineAt(toIndex(UserLine(top)));
    doc->view.topLineNumber = toIndex(UserLine(top));
  }
  void compatible() { setOption(opt::kBehaviour, 30 | behaviour::kCompatibility); }
};

TEST(WindowMoves, StepsScrollTheWindowByOneLineAtItsEdges) {
  WindowFixture f;
  f.at(5, {14, 3});  // on the last row
  EXPECT_EQ(f.send(fn::kDown), 1);
  EXPECT_EQ(f.cursor(), (Pos{15, 3}));
  EXPECT_EQ(f.windowTop(), 6);
  f.at(5, {5, 3});  // on the first row
  EXPECT_EQ(f.send(fn::kUp), 1);
  EXPECT_EQ(f.windowTop(), 4);
  EXPECT_EQ(f.doc->cursorRow, 0);
  f.at(5, {8, 0});  // inside: the window stays
  EXPECT_EQ(f.send(fn::kDown), 1);
  EXPECT_EQ(f.windowTop(), 5);
  EXPECT_EQ(f.doc->cursorRow, 4);
}

TEST(WindowMoves, PagingKeepsTheCursorRow) {
  WindowFixture f;
  f.at(5, {8, 2});
  EXPECT_EQ(f.send(fn::kPageDown), 1);
  EXPECT_EQ(f.cursor(), (Pos{18, 2}));
  EXPECT_EQ(f.windowTop(), 15);
  EXPECT_EQ(f.send(fn::kPageUp), 1);
  EXPECT_EQ(f.cursor(), (Pos{8, 2}));
  EXPECT_EQ(f.windowTop(), 5);
}

TEST(WindowMoves, PageDownStopsAtTheLastLineAndThenFails) {
  WindowFixture f;
  f.at(20, {25, 0});
  EXPECT_EQ(f.send(fn::kPageDown), 1);
  EXPECT_EQ(f.cursor().line, 30);
  EXPECT_EQ(f.send(fn::kPageDown), 0);
  EXPECT_EQ(f.cursor().line, 30);
}

TEST(WindowMoves, PageUpOnTheFirstPageGoesToTheTopOfFileLine) {
  WindowFixture f;
  f.at(0, {4, 1});
  EXPECT_EQ(f.send(fn::kPageUp), 1);
  EXPECT_EQ(f.cursor(), (Pos{0, 1}));
  EXPECT_EQ(f.windowTop(), 0);
  EXPECT_EQ(f.send(fn::kPageUp), 0);
}

TEST(WindowMoves, CompatiblePagingGoesOneLineFurtherUnlessAtTheEnd) {
  WindowFixture f;
  f.compatible();
  f.at(5, {8, 0});
  EXPECT_EQ(f.send(fn::kPageDown), 1);
  EXPECT_EQ(f.cursor().line, 19);
  EXPECT_EQ(f.windowTop(), 16);
  EXPECT_EQ(f.send(fn::kPageUp), 1);
  EXPECT_EQ(f.cursor().line, 8);
  EXPECT_EQ(f.windowTop(), 5);
  f.at(20, {25, 0});
  EXPECT_EQ(f.send(fn::kPageDown), 1);
  EXPECT_EQ(f.cursor().line, 30);
}

TEST(WindowMoves, WindowEdges) {
  WindowFixture f;
  f.at(5, {8, 6});
  EXPECT_EQ(f.send(fn::kTopEdge), 1);
  EXPECT_EQ(f.cursor(), (Pos{5, 6}));
  EXPECT_EQ(f.send(fn::kBottomEdge), 1);
  EXPECT_EQ(f.cursor(), (Pos{14, 6}));
  // A window reaching past the text: its last text line.
  f.at(25, {26, 0});
  EXPECT_EQ(f.send(fn::kBottomEdge), 1);
  EXPECT_EQ(f.cursor().line, 30);
}

TEST(WindowMoves, VerticalScrollMovesWindowAndCursorTogether) {
  WindowFixture f;
  f.at(5, {8, 4});
  EXPECT_EQ(f.send(fn::kScrollVertical, 3), 1);
  EXPECT_EQ(f.windowTop(), 8);
  EXPECT_EQ(f.cursor(), (Pos{11, 4}));
  EXPECT_EQ(f.send(fn::kScrollVertical, -100), 1);
  EXPECT_EQ(f.windowTop(), 0);
  EXPECT_EQ(f.cursor(), (Pos{3, 4}));
  EXPECT_EQ(f.send(fn::kScrollVertical, -1), 0);
}

TEST(WindowMoves, HorizontalScrollMovesFirstColumnAndCursor) {
  WindowFixture f;
  f.at(0, {2, 5});
  EXPECT_EQ(f.send(fn::kScrollHorizontal, 4), 1);
  EXPECT_EQ(f.doc->view.leftColumn, 4);
  EXPECT_EQ(f.cursor().column, 9);
  EXPECT_EQ(f.send(fn::kScrollHorizontal, -10), 1);
  EXPECT_EQ(f.doc->view.leftColumn, 0);
  EXPECT_EQ(f.cursor().column, 5);
  EXPECT_EQ(f.send(fn::kScrollHorizontal, -1), 0);
}

TEST(WindowMoves, CenterLinePutsTheLineInTheMiddleRow) {
  WindowFixture f;
  f.at(10, {12, 0});
  EXPECT_EQ(f.send(fn::kCenterLine), 1);
  EXPECT_EQ(f.windowTop(), 7);
  EXPECT_EQ(f.doc->cursorRow, 5);
}

TEST(WindowMoves, FarJumpsPlaceTheWindowAroundTheCursor) {
  WindowFixture f;
  f.at(0, {1, 0});
  EXPECT_EQ(f.send(fn::kBottom), 1);
  EXPECT_LE(f.windowTop(), 30);
  EXPECT_GT(f.windowTop() + 10, 30);
  EXPECT_EQ(f.doc->cursorRow, 30 - f.windowTop());
}

}  // namespace
}  // namespace tarn
