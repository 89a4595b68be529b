// Making, extending and removing the mark, and going to its ends.
#include <stdlib.h>

#include "core/options.h"
#include "mark_fixture.h"

namespace tarn {
namespace {

using Corners = std::pair<Pos, Pos>;

const std::vector<std::string> kText = {"alpha beta", "gamma delta", "epsilon", "zeta eta theta", "iota",
                                        "kappa lambda mu nu xi omicron"};

TEST(MarkSetting, CornersFromAnyTwoPressesAreOrdered) {
  struct Case {
    const char* name;
    int code;
    std::vector<Pos> presses;
    Corners corners;
  };
  for (const Case& c : {
           Case{"character mark upwards", fn::kMarkChar, {{5, 10}, {3, 2}}, {{3, 2}, {5, 10}}},
           Case{"block columns right to left", fn::kMarkBlock, {{1, 20}, {4, 5}}, {{1, 5}, {4, 20}}},
           Case{"character mark on one line, right to left", fn::kMarkChar, {{2, 8}, {2, 3}}, {{2, 3}, {2, 8}}},
           Case{"character mark keeps each line's column", fn::kMarkChar, {{2, 8}, {4, 3}}, {{2, 8}, {4, 3}}},
           Case{"a third press spans from the first", fn::kMarkChar, {{2, 1}, {4, 4}, {3, 6}}, {{2, 1}, {3, 6}}},
           Case{"a third press above the first", fn::kMarkBlock, {{3, 4}, {5, 1}, {1, 2}}, {{1, 2}, {3, 4}}},
           Case{"one press marks one place", fn::kMarkBlock, {{2, 3}}, {{2, 3}, {2, 3}}},
       }) {
    SCOPED_TRACE(c.name);
    EditFixture f(kText);
    for (Pos p : c.presses) {
      f.place(p);
      EXPECT_EQ(f.send(c.code), 1);
    }
    EXPECT_EQ(corners(f), c.corners);
    EXPECT_EQ(f.doc->mark.flags, c.presses.size() > 1 ? markstate::kBothCorners : markstate::kOneCorner);
    EXPECT_EQ(f.doc->changeCount(), 0);
  }
}

TEST(MarkSetting, MarkLineSpansFromTheAnchorLine) {
  EditFixture f(kText);
  auto marked = [&] {
    std::string lines;
    for (Line* l = f.doc->firstText(); l != f.doc->last; l = l->next())
      lines += (l->flags & lineflag::kInRange) ? 'M' : '.';
    return lines + " " + std::to_string(f.doc->range.count);
  };
  f.place({2, 0});
  f.send(fn::kMarkLine);
  EXPECT_EQ(marked(), ".M.... 1");
  f.place({4, 0});
  f.send(fn::kMarkLine);
  EXPECT_EQ(marked(), ".MMM.. 3");
  f.place({1, 0});
  f.send(fn::kMarkLine);
  EXPECT_EQ(marked(), "MM.... 2") << "the anchor stays on the first line marked";
  f.place({5, 0});
  f.send(fn::kToggleLineMark);
  EXPECT_EQ(marked(), "MM..M. 3");
  EXPECT_EQ(toUser(f.doc->range.lastNumber).value(), 5);
  f.place({1, 0});
  f.send(fn::kToggleLineMark);
  EXPECT_EQ(marked(), ".M..M. 2");
  EXPECT_EQ(f.doc->range.first, f.doc->lineAt(toIndex(UserLine(2)))) << "the first moves to a marked line";
  f.place({6, 0});
  f.send(fn::kMarkLine);
  EXPECT_EQ(marked(), ".MMMMM 5") << "marking again clears the toggled lines and spans from the anchor";
}

TEST(MarkSetting, OneMarkOfOneKindInTheEditor) {
  EditFixture f(kText);
  makeMark(f, {fn::kMarkLine, {1, 0}, {2, 0}});
  makeMark(f, {fn::kMarkChar, {3, 1}, {3, 2}});
  EXPECT_EQ(markKind(*f.doc), markkind::kCharacter);
  EXPECT_EQ(f.doc->range.count, 0) << "the line mark went";
  EXPECT_EQ(f.doc->firstText()->flags & lineflag::kInRange, 0);
  makeMark(f, {fn::kMarkBlock, {1, 1}, {1, 1}});
  EXPECT_EQ(markKind(*f.doc), markkind::kBlock);
  EXPECT_EQ(corners(f), (Corners{{1, 1}, {1, 1}})) << "a mark of the other kind starts afresh";

  // A second document of the same engine: marking there removes this one.
  CreateRequest request{nullptr, nullptr};
  f.editor.engine.send(nullptr, msg::kCreate, 0, reinterpret_cast<intptr_t>(&request));
  Document& other = *request.result;
  other.current = other.firstText();
  other.currentLineNumber = kFirstLine + 1;
  EXPECT_EQ(f.editor.engine.send(&other, fn::kMarkLine), 1);
  EXPECT_EQ(markKind(*f.doc), markkind::kNone);
  EXPECT_EQ(f.editor.engine.marks().holder(), &other);
  EXPECT_EQ(f.send(fn::kUnmark), 1);
  EXPECT_EQ(f.editor.engine.marks().holder(), nullptr) << "unmark clears every file";
}

TEST(MarkSetting, NoMarkOnTheSentinelLines) {
  EditFixture f(kText);
  for (int code : {fn::kMarkLine, fn::kToggleLineMark, fn::kMarkChar, fn::kMarkBlock, fn::kGetWord}) {
    f.place({0, 0});
    EXPECT_EQ(f.send(code), 0) << code;
    f.place({7, 0});
    EXPECT_EQ(f.send(code), 0) << code;
  }
  EXPECT_EQ(f.editor.engine.marks().holder(), nullptr);
}

TEST(MarkSetting, GetWordMarksTheWordUnderTheCursor) {
  struct Case {
    Pos cursor;
    int result;
    Corners corners;
    int state;
  };
  EditFixture f({"ab cd,e  f", "\tgh"});
  for (const Case& c : {
           Case{{1, 4}, 1, {{1, 3}, {1, 6}}, markstate::kBothCorners},  // within "cd,e"
           Case{{1, 3}, 1, {{1, 3}, {1, 6}}, markstate::kBothCorners},  // on its first character
           Case{{1, 9}, 1, {{1, 9}, {1, 9}}, markstate::kOneCorner},    // a word of one character
           Case{{1, 2}, 0, {}, 0},                                      // on a separator
           Case{{1, 12}, 0, {}, 0},                                     // past the end
       }) {
    f.send(fn::kUnmark);
    f.place(c.cursor);
    EXPECT_EQ(f.send(fn::kGetWord), c.result) << c.cursor;
    if (!c.result) {
      EXPECT_EQ(markKind(*f.doc), markkind::kNone);
      continue;
    }
    EXPECT_EQ(markKind(*f.doc), markkind::kCharacter);
    EXPECT_EQ(corners(f), c.corners) << c.cursor;
    EXPECT_EQ(f.doc->mark.flags, c.state);
  }
  f.setOption(opt::kKeepTabs, 1);
  f.place({2, 9});
  EXPECT_EQ(f.send(fn::kGetWord), 1);
  EXPECT_EQ(corners(f), (Corners{{2, 8}, {2, 9}})) << "display columns after a kept tab";
}

TEST(MarkSetting, BeginAndEndMarkGoToTheCorners) {
  EditFixture f(kText, 3);
  EXPECT_EQ(f.send(fn::kBeginMark), 0) << "no mark";
  makeMark(f, {fn::kMarkChar, {2, 3}, {5, 1}});
  f.place({1, 7});
  f.send(fn::kTop);  // the window at the top of the file
  EXPECT_EQ(f.send(fn::kEndMark), 1);
  EXPECT_EQ(f.cursor(), (Pos{5, 1}));
  EXPECT_EQ(f.windowTop(), 3) << "the line below comes to the window's last row";
  EXPECT_EQ(f.send(fn::kBeginMark), 1);
  EXPECT_EQ(f.cursor(), (Pos{2, 3}));
  EXPECT_EQ(f.windowTop(), 2) << "the line above comes to its first row";

  makeMark(f, {fn::kMarkLine, {2, 0}, {4, 0}});
  f.place({6, 7});
  EXPECT_EQ(f.send(fn::kBeginMark), 1);
  EXPECT_EQ(f.cursor(), (Pos{2, 7})) << "a line mark keeps the column";
}

TEST(MarkSetting, GetAndSetMarkRecordsRoundTrip) {
  for (MarkSpec mark : {MarkSpec{fn::kMarkLine, {2, 0}, {4, 0}}, MarkSpec{fn::kMarkChar, {2, 3}, {5, 1}},
                        MarkSpec{fn::kMarkBlock, {4, 6}, {1, 2}}}) {
    EditFixture f(kText);
    makeMark(f, mark);
    MarkRecord record;
    EXPECT_EQ(f.send(fn::kGetMark, 0, reinterpret_cast<intptr_t>(&record)), 1);
    Corners before = corners(f);
    int kind = markKind(*f.doc);
    f.send(fn::kUnmark);
    EXPECT_EQ(f.send(fn::kSetMark, 0, reinterpret_cast<intptr_t>(&record)), 1);
    EXPECT_EQ(markKind(*f.doc), kind);
    if (kind == markkind::kLine) {
      EXPECT_EQ(f.doc->range.count, 3);
    } else {
      EXPECT_EQ(corners(f), before);
    }
  }
  EditFixture f(kText);
  MarkRecord none;
  EXPECT_EQ(f.send(fn::kGetMark, 0, reinterpret_cast<intptr_t>(&none)), 1);
  EXPECT_EQ(none.kind, -1);
  MarkRecord beyond{markkind::kLine, 0, toIndex(UserLine(5)), toIndex(UserLine(9))};
  EXPECT_EQ(f.send(fn::kSetMark, 0, reinterpret_cast<intptr_t>(&beyond)), 0) << "lines the file lacks";
  EXPECT_EQ(markKind(*f.doc), markkind::kNone);
}

TEST(MarkSetting, ADoubleClickMarksTheWordThere) {
  EditFixture f(kText);
  EXPECT_EQ(f.send(msg::kLeftDoubleClick, 7, 2), 1);  // row 2: the second text line
  EXPECT_EQ(f.cursor(), (Pos{2, 7}));
  EXPECT_EQ(corners(f), (Corners{{2, 6}, {2, 10}}));
  EXPECT_EQ(f.send(msg::kLeftDoubleClick, 5, 2), 1) << "on a blank: the cursor moves, nothing is marked";
  EXPECT_EQ(corners(f), (Corners{{2, 6}, {2, 10}}));
}

// Behaviour bit 1: typing or pasting on a line of a block mark puts the
// text in place of the block; elsewhere the mark only goes. A paste leaves
// the cursor at its start.
TEST(MarkSetting, TypingOrPastingOverABlockRemovesItWhenBit1IsSet) {
  struct Case {
    int behaviour;
    Pos cursor;
    std::vector<std::string> after;
    Pos typed, pasted;  // where the cursor ends
  };
  unsetenv("DISPLAY");
  unsetenv("WAYLAND_DISPLAY");
  for (bool paste : {false, true}) {
    for (const Case& c : {
             Case{30 | behaviour::kTypeOverBlockRemovesIt, {1, 2}, {"aXdef", "gjkl", "mn"}, {1, 2}, {1, 1}},
             Case{30 | behaviour::kTypeOverBlockRemovesIt, {3, 0}, {"abcdef", "ghijkl", "Xmn"}, {3, 1}, {3, 0}},
             Case{30, {1, 2}, {"abXcdef", "ghijkl", "mn"}, {1, 3}, {1, 2}},
         }) {
      SCOPED_TRACE(paste ? "pasted" : "typed");
      EditFixture f({"abcdef", "ghijkl", "mn"});
      f.setOption(opt::kBehaviour, c.behaviour);
      makeMark(f, {fn::kMarkBlock, {1, 1}, {2, 2}});
      f.place(c.cursor);
      f.editor.clipboard.copy({"X", "", ""});
      EXPECT_EQ(paste ? f.send(fn::kCopyFromClipboard) : f.send(fn::kTypeChar, 'X'), 1);
      EXPECT_EQ(f.text(), c.after);
      EXPECT_EQ(f.cursor(), paste ? c.pasted : c.typed);
      EXPECT_EQ(f.editor.engine.marks().holder() != nullptr, c.behaviour == 30);
    }
  }
}

// In a file that keeps tabs, a block mark's lines show their tabs as
// blanks while it lasts, without the file counting as changed.
TEST(MarkSetting, ABlockExpandsTheTabsOfItsLinesUntilUnmarked) {
  EditFixture f({"a\tb", "c\td", "e\tf"});
  f.setOption(opt::kKeepTabs, 1);
  makeMark(f, {fn::kMarkBlock, {1, 2}, {2, 9}});
  EXPECT_EQ(f.text(), (std::vector<std::string>{"a       b", "c       d", "e\tf"}));
  EXPECT_EQ(corners(f), (Corners{{1, 2}, {2, 9}}));
  EXPECT_EQ(f.doc->changeCount(), 0);
  f.send(fn::kUnmark);
  EXPECT_EQ(f.text(), (std::vector<std::string>{"a\tb", "c\td", "e\tf"}));
  EXPECT_EQ(f.doc->changeCount(), 0);

  makeMark(f, {fn::kMarkBlock, {1, 2}, {1, 3}});
  makeMark(f, {fn::kMarkChar, {3, 0}, {3, 0}});
  EXPECT_EQ(f.text()[0], "a\tb") << "a mark of another kind gives the tabs back";
}

}  // namespace
}  // namespace tarn
