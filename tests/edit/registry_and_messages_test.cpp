#include <set>

#include "core/options.h"
#include "edit_fixture.h"
#include "platform/vk.h"

namespace tarn {
namespace {

TEST(Registry, EveryEntryIsFoundByItsCodeOnce) {
  Engine engine;
  engine.setRegistry(editRegistry());
  std::set<int> codes;
  for (const EditFunction& f : editRegistry()) {
    EXPECT_TRUE(codes.insert(f.code).second) << "code 0x" << std::hex << f.code << " twice";
    EXPECT_EQ(engine.findFunction(f.code), &f) << "code 0x" << std::hex << f.code;
    EXPECT_NE(f.handler, nullptr);
    EXPECT_EQ(f.classBits & ~(editclass::kMovement | editclass::kChange | editclass::kInternal), 0u);
  }
}

TEST(Registry, CaseChangesFailWithoutAMark) {
  EditFixture f({"abc"});
  f.place({1, 0});
  for (int code : {fn::kUppercase, fn::kLowercase, fn::kInvertcase, fn::kCapitalize})
    EXPECT_EQ(f.send(code), 0);
  EXPECT_EQ(f.text(), std::vector<std::string>{"abc"});
}

TEST(InsertMode, ToggleInsertAndReplace) {
  EditFixture f({"abc"});
  int& mode = f.doc->options[opt::kInsertMode];
  EXPECT_EQ(f.send(fn::kSetInsertMode, 0), 1);
  EXPECT_EQ(mode, 0);
  EXPECT_EQ(f.send(fn::kSetInsertMode, 0), 1);
  EXPECT_EQ(mode, 1);
  EXPECT_EQ(f.send(fn::kSetInsertMode, 2), 1);
  EXPECT_EQ(mode, 0);
  EXPECT_EQ(f.send(fn::kSetInsertMode, 1), 1);
  EXPECT_EQ(mode, 1);
  EXPECT_EQ(f.send(fn::kSetInsertMode, 7), 0);
  EXPECT_EQ(mode, 1);
}

TEST(ControlMessages, KeyDownRunsTheFunctionOfTheKey) {
  EditFixture f({"abcd", "efgh"});
  f.place({1, 0});
  EXPECT_EQ(f.send(msg::kKeyDown, vk::kRight, 3), 1);  // repeat count 3
  EXPECT_EQ(f.cursor(), (Pos{1, 3}));
  f.send(msg::kKeyDown, vk::kDown, 1);
  f.send(msg::kKeyDown, vk::kHome, 1);
  EXPECT_EQ(f.cursor(), (Pos{2, 0}));
  f.send(msg::kKeyDown, vk::kDelete, 1);
  f.send(msg::kKeyDown, vk::kEnd, 1);
  f.send(msg::kKeyDown, vk::kBack, 1);
  EXPECT_EQ(f.text(), (std::vector<std::string>{"abcd", "fg"}));
  EXPECT_EQ(f.send(msg::kKeyDown, vk::kF1, 1), 0);
}

TEST(ControlMessages, CtrlKeysMoveByWordAndToTheEnds) {
  EditFixture f({"one two", "three"});
  f.editor.slots.take(0);
  f.editor.slots.setCurrent(0);
  f.editor.slots.data(0).document = f.doc;
  f.editor.slots.data(0).controlKeyState = keystate::kLeftCtrl;
  f.place({1, 0});
  f.send(msg::kKeyDown, vk::kRight, 1);
  EXPECT_EQ(f.cursor(), (Pos{1, 4}));
  f.send(msg::kKeyDown, vk::kEnd, 1);
  EXPECT_EQ(f.cursor(), (Pos{2, 4}));
  f.send(msg::kKeyDown, vk::kLeft, 1);
  EXPECT_EQ(f.cursor(), (Pos{1, 4}));
  f.send(msg::kKeyDown, vk::kHome, 1);
  EXPECT_EQ(f.cursor(), (Pos{1, 4}));
}

TEST(ControlMessages, CharactersAreTyped) {
  EditFixture f({"ab"});
  f.place({1, 2});
  f.send(msg::kChar, 'c', 2);
  f.send(msg::kChar, '\r', 1);
  f.send(msg::kChar, 'd', 1);
  EXPECT_EQ(f.send(msg::kChar, 8, 1), 0);  // Backspace came as its key-down
  EXPECT_EQ(f.send(msg::kSysChar, 'x', 1), 0);
  EXPECT_EQ(f.text(), (std::vector<std::string>{"abcc", "d"}));
}

TEST(ControlMessages, LeftPressMovesTheCursorToThePointer) {
  EditFixture f({"one", "two", "three"}, 10);
  f.place({1, 0});
  // Row 0 shows the top-of-file line.
  EXPECT_EQ(f.send(msg::kLeftDown, 4, 3), 1);
  EXPECT_EQ(f.cursor(), (Pos{3, 4}));
  EXPECT_EQ(f.send(msg::kLeftDoubleClick, 1, 2), 1);
  EXPECT_EQ(f.cursor(), (Pos{2, 1}));
  // Below the text: the last text line; without free cursor, not past its end.
  f.setOption(opt::kFreeCursor, 0);
  EXPECT_EQ(f.send(msg::kLeftDown, 20, 8), 1);
  EXPECT_EQ(f.cursor(), (Pos{3, 5}));
}

}  // namespace
}  // namespace tarn
